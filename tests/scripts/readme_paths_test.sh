#!/usr/bin/env bash
# Every program path that the README and the scripts name under build/ must be where the build
# put it: a README that says build/tally99 while the build makes build/app/tally99 fails the
# first person who follows it.
# usage: readme_paths_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1
build_dir=$2
cd "$source_dir"
paths=$(grep -ohE '\bbuild/[A-Za-z0-9_.-]+' README.md scripts/* | sort -u)
[ -n "$paths" ] || { echo "the README names no program under build/"; exit 1; }
missing=0
for path in $paths; do
    if [ -x "$build_dir/${path#build/}" ]; then
        echo "ok: $path"
    else
        echo "missing: $path (looked for $build_dir/${path#build/})"
        missing=1
    fi
done
exit $missing
