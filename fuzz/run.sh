#!/usr/bin/env bash
# Fuzzes the wallet loader, the merge of two wallets and the import readers, for a minute each from a
# copy of their seed corpora (corpus/, corpus-merge/, corpus-import/); exits non-zero on any crash, leak,
# sanitizer report, failed check, timeout or allocation beyond the limits below.
# Usage: fuzz/run.sh BUILD_DIR   (a build of the fuzz preset)
set -euo pipefail
build=${1:?usage: fuzz/run.sh BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
seconds=${QUORRIL_FUZZ_SECONDS:-60}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$build/fuzz-artifacts"

# Inputs up to 64 KiB. Loading allocates at most about twice the input in one block (a text), and
# storing what was read at most about 16 times it (records whose blocks were skipped are written
# whole, with empty fields): one allocation above 2 MiB, 32 times the largest input, is a fault.
# An import holds its reading buffers (64 KiB each) and the accounts made of the input, which it
# also writes as CSV and stores as a wallet: the same bound serves.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
for harness in load:corpus merge:corpus-merge import:corpus-import; do
  name=${harness%%:*}
  seeds=${harness#*:}
  mkdir -p "$work/$name"
  cp "$here/$seeds"/* "$work/$name/"
  "$build/fuzz/quorril_fuzz_$name" "$work/$name" \
    -max_total_time="$seconds" \
    -max_len=65536 \
    -malloc_limit_mb=2 \
    -rss_limit_mb=1024 \
    -timeout=10 \
    -detect_leaks=1 \
    -print_final_stats=1 \
    -artifact_prefix="$build/fuzz-artifacts/$name-"
done
