#!/usr/bin/env bash
# Builds the Debian package build/package/quorril_<version>_amd64.deb: a release build without tests or
# benchmarks, with Debian's hardening flags, packed by `cpack -G DEB`, then checked by lintian (which
# fails this script on an error and lists the warnings).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh package

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
# --fresh: the flags above are read only when the build folder is configured from nothing.
cmake --preset package --fresh >/dev/null
cmake --build --preset package
rm -f build/package/quorril_*.deb
(cd build/package && cpack -G DEB)

deb=$(echo build/package/quorril_*_amd64.deb)
echo "Checking $deb with lintian"
lintian --info "$deb"
echo "Built $deb"
