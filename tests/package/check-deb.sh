#!/bin/sh
# Makes the Debian packages with cpack from the built tree and checks them: lintian finds no
# error and no warning; zat2kor holds the command line without Qt; zat2kor-gui (only when the
# window was built) holds the window and depends on zat2kor of the same version and on the
# package of its Qt platform plugin. Both are unpacked into one fresh root with dpkg -x, and
# zat2kor --version and zat2kor-gui (offscreen) run from there.
#   sh check-deb.sh CPACK BUILD_DIR VERSION GUI(ON|OFF)
set -eu
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    printf "FAIL: %s\n" "$*" >&2
    exit 1
}
(cd "$2" && "$1" -G DEB --config CPackConfig.cmake -B "$work/out") >"$work/log" 2>&1 || fail "cpack failed: $(cat "$work/log")"
arch=$(dpkg --print-architecture)
packages=zat2kor
[ "$4" = OFF ] || packages="zat2kor zat2kor-gui"
for package in $packages; do
    deb=$work/out/${package}_${version}_$arch.deb
    [ -f "$deb" ] || fail "no package $(basename "$deb"); cpack made: $(ls "$work/out")"
    [ "$(dpkg-deb --field "$deb" Package) $(dpkg-deb --field "$deb" Version)" = "$package $version" ] || fail "control of $package"
    lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1 || fail "lintian on $package: $(cat "$work/lintian")"
    dpkg-deb --contents "$deb" | awk '{ print $6 }' | sed 's:^\./:/:' >"$work/$package.contents"
    grep -v -e '^/$' -e '^/usr/' -e '^/usr$' "$work/$package.contents" && fail "files outside /usr in $package"
    dpkg -x "$deb" "$work/root" || fail "dpkg -x $package failed"
done
contents() { grep -qxF "$2" "$work/$1.contents" || fail "no $2 in $1"; }
contents zat2kor /usr/bin/zat2kor
contents zat2kor /usr/share/man/man1/zat2kor.1.gz
contents zat2kor /usr/share/doc/zat2kor/copyright
grep -e zat2kor-gui -e metainfo "$work/zat2kor.contents" && fail "the window's files are in zat2kor"
depends=$(dpkg-deb --field "$work/out/zat2kor_${version}_$arch.deb" Depends)
case "$depends" in *libqt6*) fail "zat2kor depends on Qt: $depends" ;; esac
output=$("$work/root/usr/bin/zat2kor" --version) || fail "the unpacked zat2kor --version failed"
[ "$output" = "zat2kor $version" ] || fail "the unpacked zat2kor --version printed \"$output\""
[ "$4" = OFF ] && { echo "ok: zat2kor, Depends: $depends"; exit 0; }

for file in /usr/bin/zat2kor-gui /usr/share/applications/io.zat2kor.Zat2kor.desktop \
    /usr/share/metainfo/io.zat2kor.Zat2kor.metainfo.xml /usr/share/man/man1/zat2kor-gui.1.gz; do
    contents zat2kor-gui "$file"
done
gui_depends=$(dpkg-deb --field "$work/out/zat2kor-gui_${version}_$arch.deb" Depends)
plugin=$(qtpaths6 --plugin-dir)/platforms/libqxcb.so
plugin_package=$(dpkg -S "$plugin" | cut -d: -f1)
for need in "zat2kor (= $version)" "$plugin_package"; do
    case "$gui_depends" in *"$need"*) ;; *) fail "zat2kor-gui does not depend on $need: $gui_depends" ;; esac
done
# The window starts offscreen and stays up until it is closed; a start that fails ends at once.
status=0
QT_QPA_PLATFORM=offscreen timeout 10 "$work/root/usr/bin/zat2kor-gui" >"$work/gui" 2>&1 || status=$?
[ "$status" = 124 ] || fail "the unpacked zat2kor-gui ended with $status: $(cat "$work/gui")"
echo "ok: zat2kor and zat2kor-gui, Depends: $gui_depends"
