#!/usr/bin/env bash
# By hand, not in CI: two Syncthing instances (Debian's `syncthing`) on this machine share one folder
# over loopback only, both change the wallet in it while they cannot reach each other, Syncthing keeps
# one change as a conflict copy (wallet.sync-conflict-….qrl), and `quorril-cli merge` brings the copy
# back into the wallet, which Syncthing then passes to the other side.
#
# Usage: scripts/syncthing-conflict.sh BUILD_DIR [WORK_DIR]
#   BUILD_DIR  a build with src/cli/quorril-cli (build/default)
#   WORK_DIR   where the two homes and folders go (default: a new temporary folder, kept afterwards)
# Needs: syncthing, curl, jq (apt-get install syncthing curl jq).
#
# Each instance has its own home; it listens on 127.0.0.1 only, knows the other by a fixed address,
# and has global and local discovery, relays, NAT traversal, usage reports and upgrades off.
set -euo pipefail
build=$(cd "${1:?usage: scripts/syncthing-conflict.sh BUILD_DIR [WORK_DIR]}" && pwd)
cli="$build/src/cli/quorril-cli"
work=${2:-$(mktemp -d)}
mkdir -p "$work"
work=$(cd "$work" && pwd)
password=sync-demo
key=quorril-demo-key
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done' EXIT

say() { printf '\n== %s\n' "$*"; }
api() { # side method path
  curl -fsS -X "$2" -H "X-API-Key: $key" "http://127.0.0.1:$((28380 + $1))/rest/$3"
}
wait_for() { # description command...
  local what=$1
  shift
  for _ in $(seq 120); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 1
  done
  echo "gave up waiting for: $what" >&2
  exit 1
}

say "Two homes in $work"
for side in 1 2; do
  rm -rf "$work/home$side" "$work/folder$side"
  mkdir -p "$work/folder$side"
  syncthing generate --home="$work/home$side" --no-default-folder --skip-port-probing >/dev/null
done
id1=$(sed -n 's/.*<device id="\([^"]*\)".*/\1/p' "$work/home1/config.xml" | head -1)
id2=$(sed -n 's/.*<device id="\([^"]*\)".*/\1/p' "$work/home2/config.xml" | head -1)
echo "device 1: $id1"
echo "device 2: $id2"

# The whole configuration of one side, written over the generated one (which keeps the keys).
configure() { # side own-id peer-id peer-side
  local version
  version=$(sed -n 's/^<configuration version="\([0-9]*\)".*/\1/p' "$work/home$1/config.xml")
  cat >"$work/home$1/config.xml" <<EOF
<configuration version="$version">
    <folder id="wallet" label="wallet" path="$work/folder$1" type="sendreceive" rescanIntervalS="3600" fsWatcherEnabled="false">
        <device id="$2"></device>
        <device id="$3"></device>
        <maxConflicts>10</maxConflicts>
    </folder>
    <device id="$2" name="side$1" compression="metadata" introducer="false">
        <address>tcp://127.0.0.1:$((22000 + $1))</address>
    </device>
    <device id="$3" name="side$4" compression="metadata" introducer="false">
        <address>tcp://127.0.0.1:$((22000 + $4))</address>
    </device>
    <gui enabled="true" tls="false">
        <address>127.0.0.1:$((28380 + $1))</address>
        <apikey>$key</apikey>
    </gui>
    <options>
        <listenAddress>tcp://127.0.0.1:$((22000 + $1))</listenAddress>
        <globalAnnounceEnabled>false</globalAnnounceEnabled>
        <localAnnounceEnabled>false</localAnnounceEnabled>
        <relaysEnabled>false</relaysEnabled>
        <natEnabled>false</natEnabled>
        <urAccepted>-1</urAccepted>
        <autoUpgradeIntervalH>0</autoUpgradeIntervalH>
        <startBrowser>false</startBrowser>
        <crashReportingEnabled>false</crashReportingEnabled>
    </options>
</configuration>
EOF
}
configure 1 "$id1" "$id2" 2
configure 2 "$id2" "$id1" 1

for side in 1 2; do
  STNOUPGRADE=1 syncthing serve --home="$work/home$side" --no-browser --no-restart \
    --logfile="$work/syncthing$side.log" >/dev/null 2>&1 &
  pids+=($!)
done
for side in 1 2; do wait_for "side $side to answer" api "$side" GET system/ping; done
connected() { api 1 GET system/connections | jq -e ".connections[\"$id2\"].connected" | grep -q true; }
wait_for "the two sides to connect" connected
echo "connected over loopback:"
api 1 GET system/connections | jq -r ".connections[\"$id2\"] | \"  side 1 -> side 2 at \(.address) (\(.type))\""

say "A wallet on side 1, passed to side 2"
cat >"$work/wallet.json" <<'EOF'
{"nextAccountId": 5, "accounts": [
 {"id": 1, "type": 10, "title": "Home Mail", "users": [{"loginId": "ann", "password": "first", "email": "ann@example.org", "administrator": 1}]},
 {"id": 2, "type": 13, "title": "Savings", "fields": {"institution": "River Bank", "accountType": "Savings"}},
 {"id": 3, "type": 11, "title": "Shop", "fields": {"siteName": "Shop", "webSiteUrl": "https://shop.example"}},
 {"id": 4, "type": 20, "title": "Notes", "fields": {"about": "kept on two machines"}}]}
EOF
echo "$password" | "$cli" import --encrypt "$work/wallet.json" "$work/folder1/wallet.qrl" 2>&1
api 1 POST "db/scan?folder=wallet"
arrived() { cmp -s "$work/folder1/wallet.qrl" "$work/folder2/wallet.qrl"; }
wait_for "the wallet to reach side 2" arrived
echo "side 2 has it: $(sha256sum <"$work/folder2/wallet.qrl" | cut -c1-16)…"

say "Side 1 pauses side 2; both change the wallet at once"
api 1 POST "system/pause?device=$id2"
apart() { ! connected; }
wait_for "the sides to part" apart
# Each side rewrites the wallet from changed JSON and renames it into place, as a program saves.
change() { # side jq-filter
  local dir="$work/folder$1"
  echo "$password" | "$cli" export "$dir/wallet.qrl" | jq "$2" >"$work/side$1.json"
  echo "$password" | "$cli" import --encrypt "$work/side$1.json" "$work/side$1.qrl" 2>&1
  mv "$work/side$1.qrl" "$dir/wallet.qrl"
  echo "side $1: $2"
}
change 1 '(.accounts[] | select(.id == 1) | .users[0].password) = "changed on side 1"
          | (.accounts[] | select(.id == 2) | .fields.accountType) = "Checking"'
sleep 2 # a later modification time on side 2: its version wins, side 1's becomes the copy
change 2 '(.accounts[] | select(.id == 3) | .fields.webSiteUrl) = "https://shop.example/new"
          | .accounts += [{"id": 5, "type": 20, "title": "Added on side 2", "fields": {"about": "new"}}]
          | .nextAccountId = 6'
for side in 1 2; do
  api "$side" POST "db/scan?folder=wallet"
  api "$side" GET "db/file?folder=wallet&file=wallet.qrl" |
    jq -r "\"side $side knows its wallet as: \(.local.size) bytes, version \(.local.version | join(\" \"))\""
done

say "Side 1 resumes side 2: Syncthing finds the two changes"
api 1 POST "system/resume?device=$id2"
wait_for "the sides to meet again" connected
copy_on() { ls "$work/folder$1"/wallet.sync-conflict-*.qrl 2>/dev/null | head -1; }
copied() { [ -n "$(copy_on 1)" ] && [ -n "$(copy_on 2)" ] && arrived; }
wait_for "the conflict copy on both sides" copied
ls -l "$work/folder1" "$work/folder2"

say "Side 1 merges the conflict copy into the wallet"
copy=$(copy_on 1)
before=$(sha256sum <"$work/folder1/wallet.qrl")
set +e
echo "$password" | "$cli" merge "$work/folder1/wallet.qrl" "$copy"
status=$?
set -e
echo "quorril-cli merge exited $status"
[ "$(sha256sum <"$work/folder1/wallet.qrl")" != "$before" ] && echo "wallet.qrl rewritten in place"
rm "$copy"
api 1 POST "db/scan?folder=wallet"

say "Side 2 receives the merged wallet and the copy's removal"
merged() { arrived && [ -z "$(copy_on 2)" ]; }
wait_for "side 2 to have the merged wallet" merged
ls -l "$work/folder2"
echo "Accounts on side 2 after the merge:"
echo "$password" | "$cli" export "$work/folder2/wallet.qrl" |
  jq -r '.accounts[] | "  \(.id)  \(.typeName)  \(.title)  \(.users[0].password // .fields.accountType // .fields.webSiteUrl // .fields.about // "")"'
echo
echo "Done; the homes, folders and logs stay in $work"
