#!/usr/bin/env bash
# Installs a build tree into a temporary DESTDIR and checks the tree a package would ship: every
# file where the desktop looks for it, nothing else, and the desktop entry and the AppStream
# description accepted by their validators.
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
DESTDIR=$root cmake --install "$build" >/dev/null
failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}

desktop=$prefix/share/applications/quorvane.desktop
metainfo=$prefix/share/metainfo/org.quorvane.Quorvane.metainfo.xml
icon_name=$(sed -n 's/^Icon=//p' "$root$desktop")
icon=$prefix/share/icons/hicolor/48x48/apps/$icon_name.png
expected=$(printf '%s\n' "$prefix/bin/quorvane" "$desktop" "$icon" "$metainfo" "$rules" "$plugin" |
    sort)
found=$(cd "$root" && find . -type f | sed 's/^\.//' | sort)
[ "$found" = "$expected" ] || fail "installed files:"$'\n'"$found"$'\n'"expected:"$'\n'"$expected"

[ -x "$root$prefix/bin/quorvane" ] || fail "the program is not executable"
[ "$(sed -n 's/^Exec=//p' "$root$desktop")" = quorvane ] || fail "Exec= is not the program"
cmp -s "$root$rules" "$source/packaging/70-quorvane.rules" || fail "the rules file differs"
cmp -s "$root$icon" "$source/resources/icon.png" || fail "the icon is not the program's"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$root$metainfo" ||
    fail "the metainfo names no licence"
grep -q '<launchable type="desktop-id">quorvane.desktop</launchable>' "$root$metainfo" ||
    fail "the metainfo does not launch the desktop entry"

desktop-file-validate "$root$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$root$metainfo" || fail "appstreamcli validate"
exit $failed
