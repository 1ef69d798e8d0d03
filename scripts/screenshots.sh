#!/usr/bin/env bash
# Starts the window on a virtual screen, converts a copy of the examples on each page the way a
# person would, from the keyboard, and saves pictures of both pages and of the report under
# build/screenshots/. With --docs the pictures also go, made small, to docs/ for the README.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
[ -f build/CMakeCache.txt ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)" --target zat2kor-gui

gui=$PWD/build/src/app/zat2kor-gui
shots=$PWD/build/screenshots
rm -rf "$shots"
mkdir -p "$shots"
# The copy lies outside the repository, where its paths in the pictures read like a user's.
scratch=$(mktemp -d /tmp/zat2kor.XXXXXX)
cp -r examples/quarix examples/tree "$scratch/"
# The window remembers its options under the user's configuration: here a folder of the run.
export XDG_CONFIG_HOME=$scratch/.config XDG_RUNTIME_DIR=$scratch/.runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

display=:99
while [ -e "/tmp/.X${display#:}-lock" ]; do display=:$((${display#:} + 1)); done
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp &
xvfb=$!
gui_pid=
cleanup() {
  [ -n "$gui_pid" ] && kill "$gui_pid" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$gui" &
gui_pid=$!
window=$(xdotool search --sync --name 'ZAT To KOR Project Converter' | head -n 1)
xdotool windowfocus --sync "$window"

# Waits until a file exists, then lets the window show the end of the run.
wait_for() {
  for _ in $(seq 100); do [ -e "$1" ] && break; sleep 0.1; done
  [ -e "$1" ] || { echo "screenshots: $1 was not written" >&2; exit 1; }
  sleep 1
}
shoot() { import -window "$1" "$shots/$2.png"; echo "$shots/$2.png"; }

# Single: the focus starts in the project field; Alt+W goes to the workspace name; Enter converts.
xdotool type --delay 5 "$scratch/quarix/motor.zat"
xdotool key alt+w
xdotool type --delay 5 motor
xdotool key Return
wait_for "$scratch/quarix/motor.krs"
shoot "$window" window-single

xdotool key alt+r
report=$(xdotool search --sync --name '^Report$' | head -n 1)
sleep 1
shoot "$report" window-report
xdotool key Escape
sleep 0.5

# Mulitple: Ctrl+Tab shows the page with the focus in its folder field; typing Q picks the family.
xdotool windowfocus --sync "$window"
xdotool key ctrl+Tab
xdotool type --delay 5 "$scratch/tree"
xdotool key alt+w
xdotool type --delay 5 all
xdotool key alt+f Q Return
wait_for "$scratch/tree/all.krs"
shoot "$window" window-multiple

if [ "${1:-}" = "--docs" ]; then
  for name in window-single window-multiple window-report; do
    convert "$shots/$name.png" -colors 64 "PNG8:docs/$name.png"
    if command -v optipng >/dev/null; then optipng -quiet -o5 "docs/$name.png"; fi
    echo "docs/$name.png"
  done
fi
