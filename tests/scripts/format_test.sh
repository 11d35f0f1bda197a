#!/usr/bin/env bash
# Every C and C++ file of the source is in the one format .clang-format settles, so that a
# change shows only what it changes. Fix a failure with: clang-format -i FILE
# usage: format_test.sh SOURCE_DIR
set -euo pipefail
cd "$1"
command -v clang-format >/dev/null || { echo "FAIL: clang-format is not installed (scripts/setup)"; exit 1; }
mapfile -t files < <(find app bench collect dates fuzz platform space tests types ui \
    -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) | sort)
[ ${#files[@]} -gt 100 ] || { echo "FAIL: only ${#files[@]} source files found"; exit 1; }
report=$(mktemp)
trap 'rm -f "$report"' EXIT
if ! clang-format --dry-run --Werror "${files[@]}" 2>"$report"; then
    grep -E '^[^ ].*: (error|warning):' "$report" | cut -d: -f1 | sort -u | sed 's/^/not formatted: /'
    exit 1
fi
echo "ok: ${#files[@]} files formatted"
