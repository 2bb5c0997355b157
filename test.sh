#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest, headless.
# QUORRIL_WERROR=ON (as CI runs it) makes every compiler warning an error; otherwise warnings are only shown.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh test
export QT_QPA_PLATFORM=offscreen
cmake --preset default -DCMAKE_COMPILE_WARNING_AS_ERROR="${QUORRIL_WERROR:-OFF}" >/dev/null
cmake --build --preset default
ctest --preset default -j"$(nproc)" "$@"
