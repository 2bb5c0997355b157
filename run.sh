#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quorril; an optional argument is the wallet to open.
# It needs only the program's own libraries: a first build here leaves the tests and benchmarks out
# (./test.sh adds them to the same build folder), and only the program is built.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
if [ ! -f build/default/CMakeCache.txt ]; then
  cmake --preset default -DQUORRIL_BUILD_TESTS=OFF -DQUORRIL_BUILD_BENCH=OFF >/dev/null
fi
cmake --build --preset default --target quorril
exec ./build/default/src/app/quorril "$@"
