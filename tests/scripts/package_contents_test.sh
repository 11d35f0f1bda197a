#!/usr/bin/env bash
# The Debian package, made by CPack from this build without installing it: its control fields,
# its files, and what those files must be on their own (no path back into the source or build
# folder, valid desktop entry and AppStream data, icons of the size their folder names, manual
# pages that render without a warning, programs that run from wherever they are unpacked).
# Needs no network and no root.
# usage: package_contents_test.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
source_dir=$(cd "$1" && pwd -P)
build_dir=$(cd "$2" && pwd -P)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
# Says ok when nothing failed since the last mark.
mark=0
ok() {
    [ "$failures" -eq "$mark" ] && echo "ok: $*"
    mark=$failures
}

for tool in dpkg-deb dpkg-shlibdeps cpack desktop-file-validate appstreamcli groff identify; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/setup)"; exit 1; }
done

if ! cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/packages" >"$work/cpack.log" 2>&1; then
    echo "FAIL: cpack could not make the package:"
    tail -20 "$work/cpack.log"
    exit 1
fi
debs=("$work"/packages/tally99_*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: no tally99_*.deb was made"; exit 1; }
deb=${debs[0]}
echo "made $(basename "$deb")"

# Control fields.
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tally99 ] || fail "Package is '$(field Package)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
for name in Version Maintainer Section Priority Homepage; do
    [ -n "$(field "$name")" ] || fail "the $name field is empty"
done
description=$(field Description)
[ "$(printf '%s\n' "$description" | wc -l)" -ge 3 ] || fail "the Description has no extended text"
depends=$(field Depends)
# The libraries the programs link must come from dpkg-shlibdeps with their versions; the data
# the programs load is declared by hand.
for needed in 'libc6 (>= ' 'libqt6core6 (>= ' 'libqt6widgets6 (>= ' 'libqt6gui6 (>= ' \
    'libqt6printsupport6 (>= ' shared-mime-info fonts-liberation; do
    case ", $depends," in
        *", $needed"*) ;;
        *) fail "Depends lacks '$needed': $depends" ;;
    esac
done
ok "Depends: $depends"
dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep -v '^$' | sort >"$work/control-files"
if [ "$(tr '\n' ' ' <"$work/control-files")" = "control md5sums " ]; then
    ok "no maintainer scripts, no conffiles"
else
    fail "control files beside control and md5sums: $(tr '\n' ' ' <"$work/control-files")"
fi

# Files.
dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./||' >"$work/contents"
required=(
    usr/bin/tally99
    usr/bin/tally99-report
    usr/share/applications/example.velmor.tally99.desktop
    usr/share/metainfo/example.velmor.tally99.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/tally99.svg
    usr/share/man/man1/tally99.1.gz
    usr/share/doc/tally99/copyright
    usr/share/doc/tally99/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
    required+=("usr/share/icons/hicolor/${size}x${size}/apps/tally99.png")
done
# Every manual page of the source is packed.
for page in "$source_dir"/man/*.1; do
    required+=("usr/share/man/man1/$(basename "$page").gz")
done
for path in "${required[@]}"; do
    grep -qxF "$path" "$work/contents" || fail "the package lacks $path"
done
outside=$(grep -v '^usr/' "$work/contents" | grep -v '^$')
[ -z "$outside" ] || fail "files outside /usr: $outside"
ok "${#required[@]} required files checked"

dpkg-deb -x "$deb" "$work/root"
root=$work/root
for program in tally99 tally99-report; do
    if grep -qaF -e "$source_dir" -e "$build_dir" "$root/usr/bin/$program"; then
        fail "usr/bin/$program names the source or build folder"
    fi
    if readelf -S "$root/usr/bin/$program" | grep -q '\.debug_'; then
        fail "usr/bin/$program is not stripped"
    fi
done
# The unpacked report runs from where it lies and tells the package's version.
version=$("$root/usr/bin/tally99-report" --version)
[ "$version" = "tally99-report $(field Version)" ] ||
    fail "tally99-report --version says '$version', the package is $(field Version)"
ok "stripped programs that name no build folder; the unpacked report runs"

entry=$root/usr/share/applications/example.velmor.tally99.desktop
desktop-file-validate "$entry" >"$work/desktop.log" 2>&1 || fail "desktop-file-validate: $(cat "$work/desktop.log")"
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$root/usr/bin/$exec_program" ] || fail "the entry's Exec names '$exec_program', not a packed program"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "the entry's Icon '$icon' has no SVG"
appstreamcli validate --no-net "$root/usr/share/metainfo/example.velmor.tally99.metainfo.xml" \
    >"$work/appstream.log" 2>&1 || fail "appstreamcli validate: $(cat "$work/appstream.log")"
ok "desktop entry and AppStream data valid"

for size in 16 22 24 32 48 64 128 256; do
    got=$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x${size}/apps/tally99.png")
    [ "$got" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $got"
done
ok "icons of the sizes their folders name"

for page in "$root"/usr/share/man/man1/*.1.gz; do
    name=$(basename "$page" .1.gz)
    warnings=$(zcat "$page" | LC_ALL=C.UTF-8 groff -man -ww -z -Tutf8 2>&1)
    rendered=$(zcat "$page" | LC_ALL=C.UTF-8 groff -man -Tutf8 -P-cbou 2>/dev/null)
    [ -z "$warnings" ] || fail "$name.1 warns: $warnings"
    printf '%s\n' "$rendered" | grep -A1 -x 'NAME' | grep -q "^ *$name " ||
        fail "$name.1 renders no NAME section naming $name"
    ok "$name.1 renders"
done

[ "$failures" -eq 0 ]
