#!/usr/bin/env bash
# Runs the real-screen tests on an X server of their own (Xvfb with the openbox window manager,
# the xcb platform), then tries the README's start command exactly as written: the main window
# must reach the screen and close again when the window manager asks it to. Where the server
# or the window manager cannot start, this says so and fails: it never passes without a screen.
# usage: run_on_xvfb.sh SOURCE_DIR BUILD_DIR TEST_BINARY...
set -uo pipefail
source_dir=$1
build_dir=$2
shift 2

for tool in Xvfb openbox wmctrl xwininfo import convert; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool is not installed, so nothing can be checked on a real X server"
        exit 1
    fi
done

work=$(mktemp -d)
server=""
manager=""
program=""
cleanup() {
    for pid in $program $manager $server; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to the descriptor given.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    echo "FAIL: Xvfb could not start:"
    cat "$work/xvfb.log"
    exit 1
fi
export DISPLAY=":$(tr -d '\n' <"$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

openbox >"$work/openbox.log" 2>&1 &
manager=$!
for _ in $(seq 100); do
    wmctrl -m >/dev/null 2>&1 && break
    sleep 0.1
done
if ! wmctrl -m >/dev/null 2>&1; then
    echo "FAIL: the window manager did not start on $DISPLAY:"
    cat "$work/openbox.log"
    exit 1
fi
echo "X server $DISPLAY with openbox"

status=0
for binary in "$@"; do
    echo "== $(basename "$binary")"
    if ! QT_QPA_PLATFORM=xcb "$binary"; then
        status=1
    fi
done

# The README's start command names ./build; a build made elsewhere has nothing there to start.
echo "== the README's start command: bash scripts/start"
if [ "$(cd "$build_dir" && pwd -P)" != "$(cd "$source_dir" && pwd -P)/build" ]; then
    echo "skipped: this build is in $build_dir, the start command runs $source_dir/build"
    exit $status
fi
(cd "$source_dir" && exec bash scripts/start) >"$work/start.log" 2>&1 &
program=$!
window=""
for _ in $(seq 1200); do
    window=$(wmctrl -l | awk '{ $1=$2=$3=""; sub(/^ +/, ""); if ($0 == "Tally 99") print "yes" }')
    [ -n "$window" ] && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.25
done
if [ -z "$window" ]; then
    echo "FAIL: the main window did not appear; the start command said:"
    tail -20 "$work/start.log"
    exit 1
fi
sleep 2
geometry=$(xwininfo -name "Tally 99" |
    awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
         /Width:/ {w=$2} /Height:/ {h=$2} END {printf "%dx%d+%d+%d", w, h, x, y}')
import -window root "$work/screen.png"
spread=$(convert "$work/screen.png" -crop "$geometry" +repage -colorspace Gray \
    -format '%[fx:standard_deviation]' info:)
if [ -n "${TALLY_SCREENSHOTS:-}" ]; then
    cp "$work/screen.png" "$TALLY_SCREENSHOTS/main-window-screen.png"
fi
if awk -v s="$spread" 'BEGIN { exit !(s > 0.05) }'; then
    echo "ok: the main window is on screen at $geometry"
else
    echo "FAIL: the main window's area at $geometry is flat (spread $spread): nothing was drawn"
    status=1
fi
wmctrl -F -c "Tally 99"
for _ in $(seq 200); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program" 2>/dev/null; then
    echo "FAIL: the main window did not close within 20 s of the close request"
    exit 1
fi
wait "$program"
code=$?
program=""
if [ "$code" -ne 0 ]; then
    echo "FAIL: the program ended with exit status $code"
    tail -20 "$work/start.log"
    status=1
else
    echo "ok: the main window closed and the program ended normally"
fi
exit $status
