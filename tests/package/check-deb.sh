#!/bin/sh
# Makes the Debian package with cpack from the built tree, unpacks it into a scratch root with
# dpkg -x and checks its control fields, its files (all under /usr, no build files, the window's
# only when it was built) and the unpacked zat2kor --version.
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
deb=$work/out/zat2kor_${version}_$arch.deb
[ -f "$deb" ] || fail "no package $(basename "$deb"); cpack made: $(ls "$work/out")"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package) $(field Version) $(field Architecture)" = "zat2kor $version $arch" ] || fail "control: $(field Package) $(field Version) $(field Architecture)"
depends=$(field Depends)
case "$depends" in *libc6*libstdc++6* | *libstdc++6*libc6*) ;; *) fail "Depends lacks libc6 or libstdc++6: \"$depends\"" ;; esac

dpkg-deb --contents "$deb" | awk '{ print $6 }' | sed 's:^\./:/:' >"$work/contents"
grep -v -e '^/$' -e '^/usr/' -e '^/usr$' "$work/contents" && fail "files outside /usr"
grep -e test_ -e '\.a$' -e '/include/' "$work/contents" && fail "build files in the package"
for file in /usr/bin/zat2kor /usr/share/man/man1/zat2kor.1.gz; do
    grep -qxF "$file" "$work/contents" || fail "no $file in the package"
done
gui_files="/usr/bin/zat2kor-gui /usr/share/applications/zat2kor.desktop /usr/share/metainfo/io.zat2kor.Zat2kor.metainfo.xml"
for file in $gui_files; do
    [ "$(grep -cxF "$file" "$work/contents")" = "$([ "$4" = ON ] && echo 1 || echo 0)" ] || fail "$file is in the package only when the window is built"
done
[ "$4" = OFF ] || case "$depends" in *libqt6widgets6*) ;; *) fail "Depends lacks the Qt 6 widgets library" ;; esac

dpkg -x "$deb" "$work/root" || fail "dpkg -x failed"
output=$("$work/root/usr/bin/zat2kor" --version) || fail "the unpacked zat2kor --version failed"
[ "$output" = "zat2kor $version" ] || fail "the unpacked zat2kor --version printed \"$output\""
echo "ok: $(basename "$deb"), Depends: $depends"
