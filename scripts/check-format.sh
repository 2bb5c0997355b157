#!/usr/bin/env bash
# Fails, listing them, if any C++ file git tracks is not laid out as .clang-format says.
# Mend one with: clang-format -i FILE
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format is missing (./scripts/setup.sh installs it)" >&2; exit 1; }

mapfile -t files < <(git ls-files '*.cpp' '*.h')
misformatted=()
for file in "${files[@]}"; do
  clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || misformatted+=("$file")
done

if [ ${#misformatted[@]} -gt 0 ]; then
  echo "${#misformatted[@]} of ${#files[@]} C++ files differ from .clang-format (clang-format -i FILE mends one):" >&2
  printf '  %s\n' "${misformatted[@]}" >&2
  exit 1
fi
echo "All ${#files[@]} C++ files laid out as .clang-format says."
