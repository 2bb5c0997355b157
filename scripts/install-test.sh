#!/usr/bin/env bash
# Installs a Quorril package on a clean Debian root and checks it there as a user meets it: debootstrap
# makes the root from the mirror apt uses on this machine, `apt-get install ./quorril_….deb` installs the
# package in a chroot, and then, in the root, quorril-cli --version and --help answer, xdg-mime names a
# .qrl file as a Quorril document that quorril opens, and quorril starts on Xvfb and shows its window.
#
# Usage (as root; it takes minutes): scripts/install-test.sh build/package/quorril_<version>_amd64.deb
#   QUORRIL_DEBIAN_MIRROR      the mirror (default: the first Debian one in /etc/apt/sources.list*)
#   QUORRIL_DEBOOTSTRAP_CACHE  where debootstrap keeps the packages it fetched (/var/cache/quorril-debootstrap)
#   QUORRIL_INSTALL_SHOT       a PNG file to take a screenshot of the window into (needs ImageMagick)
#   QUORRIL_KEEP_ROOT=1        keep the root afterwards, for a look inside
set -euo pipefail
deb=$(realpath "${1:?usage: scripts/install-test.sh QUORRIL.deb}")
here=$(cd "$(dirname "$0")/.." && pwd)
[ "$(id -u)" -eq 0 ] || { echo "install-test.sh: must run as root (debootstrap, chroot, mount)" >&2; exit 2; }
[ -f "$deb" ] || { echo "install-test.sh: no package $deb" >&2; exit 2; }
"$here/scripts/setup.sh" install-test

# The first Debian mirror apt uses, from a one-line (deb URL SUITE ...) or a deb822 (URIs: URL) source.
debian_mirror() {
  grep -hsE '^[[:space:]]*(deb[[:space:]]|URIs:)' /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
    /etc/apt/sources.list.d/*.sources |
    grep -oE '(https?|file)://[^[:space:]]+' | grep -vE 'security|updates' | grep -E '/debian/?$' | head -n 1 || true
}
mirror=${QUORRIL_DEBIAN_MIRROR:-$(debian_mirror)}
mirror=${mirror:-http://deb.debian.org/debian}
suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
cache=${QUORRIL_DEBOOTSTRAP_CACHE:-/var/cache/quorril-debootstrap}
root=$(mktemp -d /var/tmp/quorril-root.XXXXXX)
chmod 755 "$root" # apt in the root fetches as the user _apt
pids=()

cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  for mount in "$root/dev/pts" "$root/dev" "$root/proc"; do
    if mountpoint -q "$mount"; then umount "$mount"; fi
  done
  if [ "${QUORRIL_KEEP_ROOT:-0}" = 1 ]; then
    echo "The root stays in $root"
  elif findmnt -rno TARGET | grep -q "^$root"; then
    echo "install-test.sh: something is still mounted under $root; not removing it" >&2
  else
    rm -rf --one-file-system "$root"
  fi
}
trap cleanup EXIT

root_env=(env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8)
in_root() { chroot "$root" "${root_env[@]}" "$@"; }

passed=0
failed=0
check() { # check DESCRIPTION COMMAND...: passes when the command succeeds
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
    passed=$((passed + 1))
  else
    echo "FAILED: $what"
    failed=$((failed + 1))
  fi
}
same() { # same WANTED COMMAND...: the command prints WANTED
  local wanted=$1 got
  shift
  got=$("$@") || true
  [ "$got" = "$wanted" ] || { echo "  wanted: $wanted" && echo "  got:    $got"; return 1; }
}

echo "== A clean $suite root from $mirror in $root"
mkdir -p "$cache"
debootstrap --variant=minbase --cache-dir="$cache" "$suite" "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
  { tail -n 20 "$root.debootstrap.log" >&2; exit 1; }
rm -f "$root.debootstrap.log"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"

echo "== apt-get install ./$(basename "$deb")"
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
in_root sh -c "cd /tmp && DEBIAN_FRONTEND=noninteractive apt-get install -y -q ./$(basename "$deb")" |
  grep -E '^(Setting up quorril|The following NEW packages|[0-9]+ upgraded)' || true

echo "== The package alone"
version=$(dpkg-deb -f "$deb" Version)
check "quorril-cli --version answers" same "quorril-cli $version" in_root quorril-cli --version
check "quorril-cli --help answers" in_root sh -c 'quorril-cli --help | grep -q "^Usage: quorril-cli COMMAND"'
check "quorril --version answers" same "quorril $version" in_root quorril --version
check "every library of the programs and of Qt's X11 plugin is there" \
  same "" in_root sh -c 'ldd /usr/bin/quorril /usr/bin/quorril-cli \
    /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so | grep "not found"'
check "the manual pages read" in_root sh -c 'test -s /usr/share/man/man1/quorril.1.gz &&
  zcat /usr/share/man/man1/quorril-cli.1.gz | grep -q "^\.SH SECURITY"'
check "the AppStream file is installed" test -s "$root/usr/share/metainfo/com.tarnwell.Quorril.metainfo.xml"

echo "== A desktop's tools: xdg-utils, desktop-file-utils, Xvfb"
in_root sh -c 'DEBIAN_FRONTEND=noninteractive apt-get install -y -q xdg-utils desktop-file-utils xvfb x11-utils' |
  grep -E '^[0-9]+ upgraded' || true
cp "$here/examples/sample.qrl" "$root/tmp/sample.qrl"
cp "$here/fuzz/corpus/encrypted.qrl" "$root/tmp/encrypted-wallet"
check "xdg-mime names a .qrl file a Quorril document" \
  same "application/x-quorril" in_root xdg-mime query filetype /tmp/sample.qrl
check "... and an encrypted wallet by its first bytes" \
  same "application/x-quorril" in_root xdg-mime query filetype /tmp/encrypted-wallet
check "... described as \"Quorril Document\"" \
  same "Quorril Document" in_root mimetype --brief --describe /tmp/sample.qrl
check "... opened by quorril" same "quorril.desktop" in_root xdg-mime query default application/x-quorril

echo "== quorril on Xvfb"
# Started straight from here (not through a function), so that the pid kept is the program's own.
chroot "$root" "${root_env[@]}" Xvfb -displayfd 1 -nolisten tcp -screen 0 1024x768x24 >"$root/tmp/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$root/tmp/display" ] && break; sleep 0.2; done
display=":$(head -n 1 "$root/tmp/display")"
chroot "$root" "${root_env[@]}" DISPLAY="$display" quorril >"$root/tmp/quorril.log" 2>&1 &
pids+=($!)
window_shown() {
  for _ in $(seq 60); do
    in_root DISPLAY="$display" xwininfo -root -tree 2>/dev/null | grep -q '"Untitled - Quorril"' && return 0
    sleep 0.5
  done
  cat "$root/tmp/quorril.log"
  return 1
}
check "quorril starts and shows its window \"Untitled - Quorril\"" window_shown
if [ -n "${QUORRIL_INSTALL_SHOT:-}" ]; then
  sleep 1
  import -display "$display" -window root "$QUORRIL_INSTALL_SHOT" && echo "Screenshot: $QUORRIL_INSTALL_SHOT"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
