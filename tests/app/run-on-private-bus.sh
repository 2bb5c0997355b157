#!/bin/sh
# Runs a test program on a private message bus of its own, which stands for both the session bus
# and the system bus. Exits 77 (skipped) where the bus daemon's runner is not installed.
command -v dbus-run-session >/dev/null 2>&1 || { echo "dbus-run-session is not installed: skipped"; exit 77; }
exec dbus-run-session -- sh -c 'DBUS_SYSTEM_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" exec "$@"' sh "$@"
