#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quorril; an optional argument is the wallet to open.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec ./build/default/src/app/quorril "$@"
