#!/bin/sh
# Installs the build into a scratch root with cmake --install and checks the desktop files there:
# the entry and the metadata validate, the entry starts an installed program and names an
# installed icon, and the manual page is in place.
#   sh check-install-tree.sh CMAKE BUILD_DIR
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    printf "FAIL: %s\n" "$*" >&2
    exit 1
}
root=$work/root
share=$root/usr/share
"$1" --install "$2" --prefix "$root/usr" >"$work/log" || fail "cmake --install failed: $(cat "$work/log")"
entry=$share/applications/io.zat2kor.Zat2kor.desktop
# desktop-file-validate reports hints with a zero exit status; the entry must have none.
desktop-file-validate "$entry" >"$work/log" 2>&1 && [ ! -s "$work/log" ] || fail "desktop-file-validate: $(cat "$work/log")"
program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$root/usr/bin/$program" ] && [ -x "$root/usr/bin/zat2kor" ] || fail "the entry starts \"$program\", which is not installed"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "the icon \"$icon\" is not installed"
metainfo=$share/metainfo/io.zat2kor.Zat2kor.metainfo.xml
grep -qF '<launchable type="desktop-id">io.zat2kor.Zat2kor.desktop</launchable>' "$metainfo" || fail "the metadata does not launch io.zat2kor.Zat2kor.desktop"
appstreamcli validate-tree --no-net "$root" >"$work/log" 2>&1 || fail "appstreamcli validate-tree: $(cat "$work/log")"
[ -f "$share/man/man1/zat2kor.1.gz" ] || fail "the manual page is not installed in share/man/man1"
echo "ok"
