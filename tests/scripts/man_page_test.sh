#!/usr/bin/env bash
# The manual page of tally99-report renders without a warning and documents every option that
# --help lists: a new option must not reach --help alone.
# usage: man_page_test.sh SOURCE_DIR BUILD_DIR; exit 77 (skipped) without a working man.
set -euo pipefail
page=$1/man/tally99-report.1
program=$2/tally99-report
if ! command -v man >/dev/null; then
    echo "skip: man is not installed"
    exit 77
fi
# A UTF-8 locale where there is one: there a plain - renders as a hyphen (U+2010), so an option
# written without \- would not be found.
locale=C
locale -a 2>/dev/null | grep -qixE 'c\.utf-?8' && locale=C.UTF-8
warnings=$(mktemp)
trap 'rm -f "$warnings"' EXIT
rendered=$(LC_ALL=$locale MANWIDTH=100 man --warnings -l "$page" 2>"$warnings") || true
if ! grep -q 'tally99-report - count the files' <<<"$rendered"; then
    if grep -qi 'minimi[sz]ed' "$warnings"; then
        echo "skip: man is the stub of a minimal system"
        exit 77
    fi
    echo "the page does not render:"
    cat "$warnings"
    exit 1
fi
if [ -s "$warnings" ]; then
    echo "warnings while rendering the page:"
    cat "$warnings"
    exit 1
fi
options=$("$program" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u)
[ -n "$options" ] || { echo "--help lists no option"; exit 1; }
missing=0
for option in $options; do
    if grep -qE -- "(^|[^a-z-])$option([^a-z-]|$)" <<<"$rendered"; then
        echo "ok: $option"
    else
        echo "missing from the page: $option"
        missing=1
    fi
done
exit $missing
