#!/usr/bin/env bash
# Installs from Debian's packages what a task needs and is missing, and says what it installs.
#
#   scripts/setup.sh              what ./run.sh needs: the compiler, CMake, Qt 6, libsodium, RapidJSON, libxml2, zxcvbn
#   scripts/setup.sh test         ... and what ./test.sh adds: GoogleTest, Google Benchmark, the checkers, ccache
#   scripts/setup.sh package      ... and what scripts/package.sh adds: dpkg-shlibdeps, lintian
#   scripts/setup.sh ci           ... and what .ci/run adds: clang and libFuzzer, and the X server,
#                                 window manager and accessibility bus of the screen-reader walk
#   scripts/setup.sh install-test ... and what scripts/install-test.sh adds: debootstrap
# Any other word is taken as the name of a package to add (for example xvfb).
#
# With QUORRIL_NO_INSTALL=1, or when not root and sudo is missing, it prints the apt-get command that
# would install what is missing and returns success, so that a build with its own way of providing the
# libraries goes on.
set -euo pipefail

product=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev libx11-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  rapidjson-dev libxml2-dev libsodium-dev libzxcvbn-dev libzxcvbn0
  fonts-dejavu-core
)
test=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-format
  ccache
  appstream desktop-file-utils groff-base
  dbus
  git
)
package=(dpkg-dev file lintian)
ci=(clang libclang-rt-14-dev xvfb openbox xdotool at-spi2-core python3-pyatspi)
install_test=(debootstrap)

packages=("${product[@]}")
for word in "$@"; do
  case "$word" in
    test) packages+=("${test[@]}") ;;
    package) packages+=("${package[@]}") ;;
    ci) packages+=("${test[@]}" "${package[@]}" "${ci[@]}") ;;
    install-test) packages+=("${install_test[@]}") ;;
    *) packages+=("$word") ;;
  esac
done

# One query for all: the packages that dpkg knows as installed.
installed=$(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${packages[@]}" 2>/dev/null || true)
missing=()
for p in "${packages[@]}"; do
  if ! grep -qx "$p installed" <<<"$installed" && [[ " ${missing[*]} " != *" $p "* ]]; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

command_line=(apt-get install -y --no-install-recommends "${missing[@]}")
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null; then
    sudo_cmd=(sudo)
  else
    reason="not root and sudo is missing"
  fi
fi
if [ "${QUORRIL_NO_INSTALL:-0}" = 1 ]; then
  reason="QUORRIL_NO_INSTALL=1"
fi
if [ -n "${reason:-}" ]; then
  echo "Missing Debian packages, not installed ($reason). As root, run:" >&2
  echo "  ${command_line[*]}" >&2
  exit 0
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
