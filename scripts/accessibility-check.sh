#!/usr/bin/env bash
# Checks the program as a screen reader meets it: opens a copy of the sample wallet on a private X
# display (Xvfb with openbox) with the accessibility bus running, answers the password prompt by
# typing, then walks every focusable control of the main window, the ten account dialogs, the
# password generator, Preferences, the expiring list and the import preview by Tab
# (scripts/accessibility-walk.py). It fails on a control without an accessible name and on a Tab cycle that does not come back to its
# start, and prints how many focus stops it checked.
#
#   scripts/accessibility-check.sh [BUILD_DIR]     (default build/default; the program must be built)
#
# Needs xvfb, openbox, xdotool, dbus, at-spi2-core and python3-pyatspi (scripts/setup.sh ci).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
program=$(realpath "$build/src/app/quorril")
launcher=/usr/libexec/at-spi-bus-launcher
source scripts/private-desktop.sh
private_desktop "accessibility check" 91 140 xdotool dbus-run-session "$launcher"
# A browser's export of a few logins, for the import preview.
printf '%s\n' name,url,username,password "Shop,https://shop.example.com,ann,pw1" \
  "Webmail,https://mail.example.com,ann,pw2" "Bank,https://bank.example.com,bob,pw3" >"$work/logins.csv"

export QUORRIL_PROGRAM="$program" QUORRIL_WALLET="$work/sample.qrl" QUORRIL_IMPORT_FILE="$work/logins.csv" QUORRIL_LAUNCHER="$launcher"
dbus-run-session -- bash -euo pipefail -c '
  "$QUORRIL_LAUNCHER" --launch-immediately >"$HOME/launcher.log" 2>&1 &
  launcher=$!
  sleep 1
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 "$QUORRIL_PROGRAM" "$QUORRIL_WALLET" \
    >"$HOME/quorril.log" 2>&1 &
  program=$!
  stop() { kill "$program" "$launcher" 2>/dev/null || true; }
  trap stop EXIT
  # The password prompt comes first: typed as the user types it.
  timeout 30 xdotool search --sync --onlyvisible --name "Please Enter Password" >/dev/null
  sleep 0.5
  xdotool type --delay 30 "quorril-sample"
  xdotool key Return
  timeout 30 xdotool search --sync --onlyvisible --name "sample.qrl - Quorril" >/dev/null
  sleep 1
  /usr/bin/python3 "$(dirname "$0")/accessibility-walk.py"
' "$PWD/scripts/accessibility-check.sh"
