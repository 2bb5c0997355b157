#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest, headless.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default -j"$(nproc)" "$@"
