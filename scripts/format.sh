#!/usr/bin/env bash
# Formats every C and C++ file git tracks with Debian's clang-format 14 and
# the project's .clang-format. With --check it changes nothing, names the
# files that differ on standard error and fails if there are any.
set -euo pipefail
cd "$(dirname "$0")/.."

format=$(command -v clang-format-14 || command -v clang-format || true)
if [[ -z $format ]]; then
  echo "format.sh: clang-format-14 not found (scripts/setup.sh installs it)" >&2
  exit 2
fi

mapfile -d '' files < <(git ls-files -z -- '*.c' '*.h' '*.cpp' '*.hpp' '*.cc')

if [[ ${1:-} == --check ]]; then
  differ=()
  for f in "${files[@]}"; do
    "$format" --dry-run --Werror "$f" >/dev/null 2>&1 || differ+=("$f")
  done
  if ((${#differ[@]})); then
    echo "format.sh: not formatted as .clang-format asks (run scripts/format.sh): ${differ[*]}" >&2
    exit 1
  fi
  exit 0
fi

"$format" -i "${files[@]}"
