#!/usr/bin/env bash
# Proves that a lock leaves no secret readable in the program's memory. Opens a copy of the sample
# wallet in the program on a private X display (Xvfb with openbox), types its password, opens the
# categories and selects accounts so that their property rows are built, then reads the program's
# memory through /proc/PID/mem (scripts/memory-scan.py) for the document password and every secret
# of the sample (user passwords, PINs, the SSN, the CD key, account, card and id numbers, taken from
# `quorril-cli export` of the sample), in UTF-8 and UTF-16LE. Then it locks the wallet the way a
# screen lock does (the session bus's ScreenSaver ActiveChanged signal) and reads the memory again.
# The scan before the lock must find every secret (it proves the scan works); the one after must find
# none. Prints both counts; exits non-zero otherwise.
#
#   scripts/memory-scan.sh [BUILD_DIR]     (default build/default; the programs must be built)
#
# Runs as root (it reads another process's memory). Needs xvfb, openbox, xdotool, dbus and python3
# (scripts/setup.sh ci).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
program=$(realpath "$build/src/app/quorril")
cli=$(realpath "$build/src/cli/quorril-cli")
source scripts/private-desktop.sh
private_desktop "memory scan" 141 190 xdotool dbus-run-session dbus-send python3

# The secrets: the document password, and every secret field of the sample as export prints it.
password=quorril-sample
printf '%s\n' "$password" | "$cli" export "$work/sample.qrl" >"$work/sample.json"
python3 - "$work/sample.json" "$password" >"$work/secrets.txt" <<'PY'
import json, sys
secret_fields = {"userPassword", "pin", "ssn", "cdKey", "accountNumber", "cardNumber", "routingNumber",
                 "passportNumber", "driverLicenseNumber"}
secrets = {sys.argv[2]}
for account in json.load(open(sys.argv[1]))["accounts"]:
    secrets.update(user["password"] for user in account["users"] if user["password"])
    secrets.update(v for k, v in account["fields"].items() if k in secret_fields and isinstance(v, str) and v)
print("\n".join(sorted(secrets)))
PY
echo "memory scan: $(wc -l <"$work/secrets.txt") secrets of the sample"

export QUORRIL_PROGRAM="$program" QUORRIL_WALLET="$work/sample.qrl" QUORRIL_SCAN="$PWD/scripts/memory-scan.py"
export QUORRIL_SECRETS="$work/secrets.txt" QUORRIL_PASSWORD="$password"
dbus-run-session -- bash -euo pipefail -c '
  # The password reaches the program only as typed: in its environment it would be found too.
  env -u QUORRIL_PASSWORD QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 "$QUORRIL_PROGRAM" "$QUORRIL_WALLET" \
    >"$HOME/quorril.log" 2>&1 &
  program=$!
  trap "kill $program 2>/dev/null || true" EXIT
  timeout 30 xdotool search --sync --onlyvisible --name "Please Enter Password" >/dev/null
  sleep 0.5
  xdotool type --delay 30 "$QUORRIL_PASSWORD"
  xdotool key Return
  timeout 30 xdotool search --sync --onlyvisible --name "sample.qrl - Quorril" >/dev/null
  sleep 1
  # Down the tree: each category opens, and each account selected shows its property rows.
  for _ in $(seq 12); do xdotool key Right Down; sleep 0.15; done
  sleep 1
  python3 "$QUORRIL_SCAN" "$program" "$QUORRIL_SECRETS" "before the lock" | tee "$HOME/before.txt"
  dbus-send --session --type=signal / org.freedesktop.ScreenSaver.ActiveChanged boolean:true
  # The lock derives a key: about a second, more on a busy machine.
  sleep 6
  python3 "$QUORRIL_SCAN" "$program" "$QUORRIL_SECRETS" "after the lock" | tee "$HOME/after.txt"
'
before=$(sed -n "s/^before the lock: \([0-9]*\) of .*/\1/p" "$work/before.txt")
after=$(sed -n "s/^after the lock: \([0-9]*\) of .*/\1/p" "$work/after.txt")
total=$(wc -l <"$work/secrets.txt")
echo "memory scan: $before of $total secrets found before the lock, $after after it"
if [ "${before:-0}" -ne "$total" ] || [ "${after:-1}" -ne 0 ]; then
  echo "memory scan: FAILED (the scan before the lock must find every secret, the one after none)" >&2
  exit 1
fi
