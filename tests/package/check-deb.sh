#!/bin/sh
# Makes the Debian package with cpack from the built tree, unpacks it into a scratch root with
# dpkg -x and checks it: its control fields, the programs, the manual page and (with the window)
# the desktop entry, icon and metadata; then runs the unpacked zat2kor --version.
#   sh check-deb.sh CPACK BUILD_DIR VERSION GUI(ON|OFF)
set -eu
cpack=$1
build=$2
version=$3
gui=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    printf "FAIL: %s\n" "$*" >&2
    exit 1
}

# cpack runs in the build folder (its install step works on the tree as built) and writes the
# package and its scratch files into the scratch folder.
(cd "$build" && "$cpack" -G DEB --config CPackConfig.cmake -B "$work/out") >"$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.log")"
arch=$(dpkg --print-architecture)
deb=$work/out/zat2kor_${version}_$arch.deb
[ -f "$deb" ] || fail "no package $(basename "$deb"); cpack made: $(ls "$work/out")"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = zat2kor ] || fail "Package is \"$(field Package)\""
[ "$(field Version)" = "$version" ] || fail "Version is \"$(field Version)\""
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is \"$(field Architecture)\""
depends=$(field Depends)
# The dependencies come from the libraries the programs link.
case "$depends" in *libc6*) ;; *) fail "Depends lacks libc6: \"$depends\"" ;; esac
case "$depends" in *libstdc++6*) ;; *) fail "Depends lacks libstdc++6: \"$depends\"" ;; esac

dpkg-deb --contents "$deb" | awk '{ print $6 }' | sed 's:^\./:/:' >"$work/contents"
has() { grep -qxF -- "$1" "$work/contents"; }
root=$work/root
dpkg -x "$deb" "$root" || fail "dpkg -x failed"

# Everything lies under /usr, and nothing of the build or the tests comes along.
grep -v -e '^/$' -e '^/usr/' -e '^/usr$' "$work/contents" >"$work/outside" && fail "files outside /usr: $(cat "$work/outside")"
grep -e test_ -e '\.a$' -e '/include/' "$work/contents" >"$work/extra" && fail "build files in the package: $(cat "$work/extra")"

has /usr/bin/zat2kor || fail "no /usr/bin/zat2kor"
has /usr/share/man/man1/zat2kor.1.gz || fail "no manual page /usr/share/man/man1/zat2kor.1.gz"
gzip -dc "$root/usr/share/man/man1/zat2kor.1.gz" | grep -q '^\.TH ZAT2KOR 1 ' || fail "the manual page is not a zat2kor(1) page"

desktop=/usr/share/applications/zat2kor.desktop
icon=/usr/share/icons/hicolor/scalable/apps/zat2kor.svg
metainfo=/usr/share/metainfo/io.zat2kor.Zat2kor.metainfo.xml
if [ "$gui" = ON ]; then
    for file in /usr/bin/zat2kor-gui $desktop $icon $metainfo; do
        has "$file" || fail "no $file in the package"
    done
    case "$depends" in *libqt6widgets6*) ;; *) fail "Depends lacks the Qt 6 widgets library: \"$depends\"" ;; esac
    desktop-file-validate "$root$desktop" || fail "the packaged desktop entry does not validate"
else
    for file in /usr/bin/zat2kor-gui $desktop $metainfo; do
        has "$file" && fail "$file is in a package built without the window"
    done
fi

# The unpacked program runs from the scratch root.
output=$("$root/usr/bin/zat2kor" --version) || fail "the unpacked zat2kor --version failed"
[ "$output" = "zat2kor $version" ] || fail "the unpacked zat2kor --version printed \"$output\""
echo "ok: $(basename "$deb"), Depends: $depends"
