#!/usr/bin/env bash
# Installs a build tree into a temporary DESTDIR and checks the tree a package would ship: every
# file where the desktop looks for it, nothing else, the icon in every size drawn, and the desktop
# entry and the AppStream description accepted by their validators. Then uninstalls it as the
# README says: that leaves nothing behind but the folders that were there before.
#   check_install.sh BUILD_DIR PREFIX RULES_FILE SOURCE_DIR WEB_PLUGIN
# Exits 77, which ctest reports as skipped, when a validator is not installed.
set -euo pipefail
build=$1 prefix=$2 rules=$3 source=$4 plugin=$5

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is not installed (scripts/setup.sh installs it)"
        exit 77
    fi
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
# A folder of the desktop's that was there before, empty, must stay.
desktop=$prefix/share/applications/quorvane.desktop
mkdir -p "$root${desktop%/*}"
before=$(find "$root" -mindepth 1 | sort)
# The folders an install into another DESTDIR made are no record for this one. The second install
# goes over the first, as after a rebuild.
rm -f "$build/install_folders.txt"
DESTDIR=$root cmake --install "$build" >/dev/null
DESTDIR=$root cmake --install "$build" >/dev/null
failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}

metainfo=$prefix/share/metainfo/org.quorvane.Quorvane.metainfo.xml
icon_name=$(sed -n 's/^Icon=//p' "$root$desktop")
icons=()
for drawn in "$source"/resources/icons/*.png; do
    icons+=("$prefix/share/icons/hicolor/$(basename "$drawn" .png)/apps/$icon_name.png")
done
expected=$(printf '%s\n' "$prefix/bin/quorvane" "$desktop" "${icons[@]}" "$metainfo" "$rules" \
    "$plugin" | sort)
found=$(cd "$root" && find . -type f | sed 's/^\.//' | sort)
[ "$found" = "$expected" ] || fail "installed files:"$'\n'"$found"$'\n'"expected:"$'\n'"$expected"

# Menus and panels take the 48-pixel icon, software centres the 64 and 128 ones; each is as large
# as its folder says.
for size in 48x48 64x64 128x128; do
    [ -f "$root$prefix/share/icons/hicolor/$size/apps/$icon_name.png" ] || fail "no $size icon"
done
for icon in "${icons[@]}"; do
    folder=${icon%/apps/*}
    size=${folder##*/}
    [ -f "$root$icon" ] || continue
    cmp -s "$root$icon" "$source/resources/icons/$size.png" ||
        fail "the $size icon is not the program's"
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$root$icon")
    [ "${width}x$height" = "$size" ] || fail "the $size icon is ${width}x$height pixels"
done

[ -x "$root$prefix/bin/quorvane" ] || fail "the program is not executable"
[ "$(sed -n 's/^Exec=//p' "$root$desktop")" = quorvane ] || fail "Exec= is not the program"
cmp -s "$root$rules" "$source/packaging/70-quorvane.rules" || fail "the rules file differs"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$root$metainfo" ||
    fail "the metainfo names no licence"
grep -q '<launchable type="desktop-id">quorvane.desktop</launchable>' "$root$metainfo" ||
    fail "the metainfo does not launch the desktop entry"

desktop-file-validate "$root$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$root$metainfo" || fail "appstreamcli validate"

# The README's uninstall, with the DESTDIR before every name.
sed "s|^|$root|" "$build/install_manifest.txt" | xargs rm -f
sed "s|^|$root|" "$build/install_folders.txt" | xargs -r rmdir --ignore-fail-on-non-empty
rm "$build/install_manifest.txt" "$build/install_folders.txt"
after=$(find "$root" -mindepth 1 | sort)
[ "$after" = "$before" ] || fail "left after uninstalling:"$'\n'"$after"$'\n'"expected:"$'\n'"$before"
exit $failed
