#!/usr/bin/env bash
# scripts/setup.sh against a fake system: dpkg-query reports the packages of $MISSING as not installed,
# id -u answers $USER_ID, apt-get and sudo only write down how they were called, and sudo exists only
# where a row says so. Each row checks what the script printed, what it ran, and that it succeeded.
set -uo pipefail
script="$(cd "$(dirname "$0")/../.." && pwd)/scripts/setup.sh"
fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT
mkdir "$fake/bin"
ln -s "$(command -v bash)" "$fake/bin/bash"
ln -s "$(command -v grep)" "$fake/bin/grep"
cat >"$fake/bin/id" <<'EOF'
#!/bin/bash
echo "$USER_ID"
EOF
cat >"$fake/bin/dpkg-query" <<'EOF'
#!/bin/bash
for p in "${@:3}"; do
  if [[ " $MISSING " == *" $p "* ]]; then echo "$p not-installed"; else echo "$p installed"; fi
done
EOF
cat >"$fake/bin/apt-get" <<'EOF'
#!/bin/bash
echo "apt-get $*" >>"$LOG"
EOF
cat >"$fake/sudo" <<'EOF'
#!/bin/bash
echo -n "sudo " >>"$LOG"
exec "$@"
EOF
chmod +x "$fake/bin/"* "$fake/sudo"

passed=0
failed=0
# name | user id | sudo present | QUORRIL_NO_INSTALL | arguments | missing | printed | ran
rows=(
  "all present|0|no|0||||"
  "root installs what is missing|0|no|0||cmake libsodium-dev|Installing: cmake libsodium-dev|apt-get update -qq;apt-get install -y -qq --no-install-recommends cmake libsodium-dev;"
  "a user installs through sudo|1000|yes|0||cmake|Installing: cmake|sudo apt-get update -qq;sudo apt-get install -y -qq --no-install-recommends cmake;"
  "a user without sudo gets the command|1000|no|0||cmake|Missing Debian packages, not installed (not root and sudo is missing). As root, run:;  apt-get install -y --no-install-recommends cmake|"
  "QUORRIL_NO_INSTALL prints the command|0|yes|1||qt6-base-dev cmake|Missing Debian packages, not installed (QUORRIL_NO_INSTALL=1). As root, run:;  apt-get install -y --no-install-recommends cmake qt6-base-dev|"
  "the product build needs no test library|0|no|0||libgtest-dev libbenchmark-dev|||"
  "test adds the test libraries|0|no|0|test|libgtest-dev cmake|Installing: cmake libgtest-dev|apt-get update -qq;apt-get install -y -qq --no-install-recommends cmake libgtest-dev;"
  "package adds lintian|0|no|0|package|lintian|Installing: lintian|apt-get update -qq;apt-get install -y -qq --no-install-recommends lintian;"
  "a named package, asked for twice|0|no|0|xvfb xvfb|xvfb|Installing: xvfb|apt-get update -qq;apt-get install -y -qq --no-install-recommends xvfb;"
)
for row in "${rows[@]}"; do
  IFS='|' read -r name user_id sudo no_install arguments missing printed ran <<<"$row"
  : >"$fake/log"
  path="$fake/bin"
  if [ "$sudo" = yes ]; then
    mkdir -p "$fake/with-sudo" && ln -sf "$fake/sudo" "$fake/with-sudo/sudo"
    path="$fake/with-sudo:$path"
  fi
  # shellcheck disable=SC2086 # the arguments are words
  out=$(env -i PATH="$path" USER_ID="$user_id" MISSING="$missing" LOG="$fake/log" \
    QUORRIL_NO_INSTALL="$no_install" "$script" $arguments 2>&1)
  status=$?
  log=$(tr "\n" ";" <"$fake/log")
  want_out=${printed//;/$'\n'}
  if [ "$status" -eq 0 ] && [ "$out" = "$want_out" ] && [ "$log" = "$ran" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAILED: %s\n  status %s\n  printed: %s\n  wanted:  %s\n  ran:     %s\n  wanted:  %s\n' \
      "$name" "$status" "$out" "$want_out" "$log" "$ran"
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
