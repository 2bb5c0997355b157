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
for tool in Xvfb openbox xdotool dbus-run-session "$launcher"; do
  command -v "$tool" >/dev/null || { echo "accessibility check: $tool is missing (scripts/setup.sh ci)" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
cp examples/sample.qrl "$work/sample.qrl"
# A browser's export of a few logins, for the import preview.
printf '%s\n' name,url,username,password "Shop,https://shop.example.com,ann,pw1" \
  "Webmail,https://mail.example.com,ann,pw2" "Bank,https://bank.example.com,bob,pw3" >"$work/logins.csv"
# Settings of its own: nothing of the user's is read or changed.
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

display=
for n in $(seq 91 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "accessibility check: no free X display" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY="$display"
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

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
