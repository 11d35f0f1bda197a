#!/usr/bin/env bash
# A distribution builds with its own build type and flags and no options of ours: such a build
# must not turn warnings into errors, and the files where g++ 12 at -O3 reports false warnings
# must compile cleanly all the same (with g++, and with clang++ where it is installed).
# usage: packager_build_test.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
objects=(
    CMakeFiles/tally_platform.dir/platform/mime_class_registry.cpp.o
    CMakeFiles/tally_platform.dir/platform/ini_document.cpp.o
    CMakeFiles/tally_core.dir/app/helpers.cpp.o
    CMakeFiles/tally_core.dir/collect/drive_scan.cpp.o
)
status=0
for compiler in g++ clang++; do
    if ! command -v "$compiler" >/dev/null; then
        echo "skipped: $compiler is not installed"
        continue
    fi
    plain=$work/$compiler-plain
    cmake -S "$source_dir" -B "$plain" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_CXX_COMPILER="$compiler" -DBUILD_TESTING=OFF >/dev/null
    if grep -q -- '-Werror' "$plain/compile_commands.json"; then
        echo "FAIL: a Release build with $compiler and no options of ours turns warnings into errors"
        status=1
    else
        echo "ok: a Release build with $compiler leaves warnings as warnings"
    fi
    strict=$work/$compiler-strict
    cmake -S "$source_dir" -B "$strict" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_CXX_COMPILER="$compiler" -DBUILD_TESTING=OFF -DTALLY_WARNINGS_AS_ERRORS=ON >/dev/null
    # The generated Qt sources the objects need come first.
    cmake --build "$strict" --target tally_platform_autogen tally_core_autogen >/dev/null
    if cmake --build "$strict" --target "${objects[@]}" >"$work/log" 2>&1; then
        echo "ok: Release with $compiler compiles the files that tripped g++ 12 without a warning"
    else
        echo "FAIL: Release with $compiler warns:"
        grep -E 'warning|error' "$work/log" | head -20
        status=1
    fi
done
exit $status
