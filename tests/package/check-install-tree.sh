#!/bin/sh
# Installs the build into a scratch root with cmake --install and checks the desktop files there:
# desktop-file-validate on the desktop entry, appstreamcli on the metadata and the whole tree,
# the program the entry starts, the icon it names and the manual page.
#   sh check-install-tree.sh CMAKE BUILD_DIR
set -eu
cmake=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    printf "FAIL: %s\n" "$*" >&2
    exit 1
}
root=$work/root
"$cmake" --install "$build" --prefix "$root/usr" >"$work/install.log" || fail "cmake --install failed: $(cat "$work/install.log")"
share=$root/usr/share

set -- "$share"/applications/*.desktop
[ $# -eq 1 ] && [ -f "$1" ] || fail "expected one desktop entry in share/applications, found: $*"
entry=$1
desktop-file-validate "$entry" >"$work/desktop.log" 2>&1 || fail "desktop-file-validate: $(cat "$work/desktop.log")"
# desktop-file-validate reports hints with a zero exit status; the entry must have none.
[ -s "$work/desktop.log" ] && fail "desktop-file-validate: $(cat "$work/desktop.log")"

# The entry starts an installed program and names an installed icon.
exec_line=$(sed -n 's/^Exec=//p' "$entry")
program=${exec_line%% *}
[ -x "$root/usr/bin/$program" ] || fail "the desktop entry starts \"$program\", which is not installed in bin"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -n "$icon" ] || fail "the desktop entry names no icon"
found=$(find "$share/icons/hicolor" -path "*/apps/$icon.*" \( -name "$icon.svg" -o -name "$icon.png" \) | head -n 1)
[ -n "$found" ] || fail "the icon \"$icon\" is not installed under share/icons/hicolor/*/apps"

# The metadata names the installed desktop entry as its launchable and passes appstreamcli.
set -- "$share"/metainfo/*.metainfo.xml
[ $# -eq 1 ] && [ -f "$1" ] || fail "expected one metadata file in share/metainfo, found: $*"
metainfo=$1
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ "$launchable" = "$(basename "$entry")" ] || fail "the metadata launches \"$launchable\", the entry is $(basename "$entry")"
for binary in $(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo"); do
    [ -x "$root/usr/bin/$binary" ] || fail "the metadata provides \"$binary\", which is not installed"
done
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 || fail "appstreamcli validate: $(cat "$work/appstream.log")"
appstreamcli validate-tree --no-net "$root" >"$work/tree.log" 2>&1 || fail "appstreamcli validate-tree: $(cat "$work/tree.log")"

[ -f "$share/man/man1/zat2kor.1.gz" ] || fail "the manual page is not installed in share/man/man1"
echo "ok: $(basename "$entry"), $(basename "$metainfo"), icon ${found#"$root"/}"
