#!/bin/sh
# zat2kor.exe under Wine over a copy of the examples, with Wine's D: pointed at the copy (as the
# Linux tests map D:): every .krp and .krs must equal its golden file, and, when a Linux build's
# zat2kor is given, every file, report and results text must equal that program's byte for byte.
#   compare-examples.sh ZAT2KOR_EXE WINEPREFIX SOURCE_DIR [LINUX_ZAT2KOR]
set -eu
exe=$1 prefix=$2 source=$3 linux=${4:-}
here=$(mktemp -d)
trap 'rm -f "$prefix/dosdevices/d:"; [ -n "${Z2K_KEEP:-}" ] || rm -rf "$here"' EXIT
golden=$source/tests/data/golden
wine_run() { "$source/scripts/wine-run.sh" "$prefix" "$exe" "$@"; }
failed=0
wine_run --version >/dev/null  # the prefix exists from here on

# One conversion in a fresh copy: its results text, messages, report and written files.
convert() {  # NAME COMMAND...
  name=$1; shift
  mkdir -p "$here/$name"; cp -R "$source/examples/." "$here/$name/"
  ln -sfn "$here/$name" "$prefix/dosdevices/d:"
  case $name in tree | sensors) ext=txt ;; *) ext=json ;; esac
  status=0
  wine_run "$@" --code-page single --report "D:\\report-$name.$ext" >"$here/$name.out" 2>"$here/$name.err" || status=$?
  rm -f "$prefix/dosdevices/d:"
  if [ -n "$linux" ]; then
    mkdir -p "$here/linux-$name"; cp -R "$source/examples/." "$here/linux-$name/"
    # The same command with D: mapped by the Linux program's --drive.
    mode=$1; shift
    "$linux" "$mode" "$@" --drive "D=$here/linux-$name" --code-page single \
      --report "$here/linux-$name/report-$name.$ext" >"$here/linux-$name.out" 2>"$here/linux-$name.err" ||
      [ $? = "$status" ] || { echo "exit status differs from Linux: $name"; failed=1; }
    for file in $(cd "$here/$name" && find . -type f -newer "$here/$name.out" -o -type f -name '*.kr?' | sort -u); do
      cmp -s "$here/$name/$file" "$here/linux-$name/$file" || { echo "differs from Linux: $name $file"; failed=1; }
    done
    for stream in out err; do
      cmp -s "$here/$name.$stream" "$here/linux-$name.$stream" || { echo "std$stream differs from Linux: $name"; failed=1; }
    done
  fi
}
expect() {  # FILE GOLDEN
  cmp "$1" "$golden/$2" || { echo "differs from golden: $1"; failed=1; }
}

convert motor single 'D:\quarix\motor.zat' motor
expect "$here/motor/quarix/motor.krp" motor.krp
expect "$here/motor/quarix/motor.krs" motor.krs
printf 'Project converted successfully.\n' | cmp - "$here/motor.out" || failed=1
convert sensor single 'D:\nerak\sensor.zat' sensor.krs
expect "$here/sensor/nerak/sensor.krp" sensor.krp
expect "$here/sensor/nerak/sensor.krs" sensor.krs
convert tree multiple 'D:\tree' tree --family 'Quarix RISC engine'
expect "$here/tree/tree/tree.krs" tree.krs
convert sensors multiple 'D:\tree' sensors --family Nerak
expect "$here/sensors/tree/sensors.krs" sensors.krs
# Bad input gets the same words and status: a missing project, a folder, a file that is no project.
convert missing single 'D:\nothing.zat' w
convert folder single 'D:\quarix' w
convert notzat single 'D:\README.md' w
# Drive letters are the system's own: no drive is mapped.
status=0
wine_run single 'C:\a.zat' w --drive D=/tmp >/dev/null 2>"$here/drive.err" || status=$?
[ "$status" = 2 ] && grep -q -- '--drive is not available' "$here/drive.err" || { echo "--drive was taken"; failed=1; }
exit $failed
