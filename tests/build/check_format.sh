#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what clang-format makes of it (.clang-format at the root).
set -u
root=${1:?usage: check_format.sh <source root>}
cd "$root" || exit 1
fmt=$(command -v clang-format-14 || command -v clang-format) || { echo "check_format: clang-format is missing" >&2; exit 1; }
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
    mapfile -t files < <(find app command options platform slots ui tests bench -name '*.cpp' -o -name '*.h' | sort)
fi
[ ${#files[@]} -gt 0 ] || { echo "check_format: no C++ files found under $root" >&2; exit 1; }
"$fmt" --dry-run -Werror "${files[@]}"
