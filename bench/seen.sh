#!/usr/bin/env bash
# A key as the person sees it, under Xvfb: the advanced calendar's one-slot scroll (Space on its "one slot later"
# and "one slot earlier" buttons, half-hourly and daily) and the booking chart's day scroll (Right on its last
# day), each timed from the key press sent through the X server to the window's last repaint (bench/xseen.cpp).
# After the presses the screen must equal a whole repaint of the window. Run by hand:
#   bench/seen.sh [PRESSES] [ENGINES]        e.g. bench/seen.sh 50 "sqlite postgresql"
set -euo pipefail
cd "$(dirname "$0")/.."
presses=${1:-50}
engines=${2:-sqlite}
tools/ensure-packages.sh cmake make g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libqt6sql6-psql libzstd-dev libgl-dev libbenchmark-dev \
    xvfb imagemagick xdotool libx11-dev libxtst-dev libxdamage-dev >/dev/null
build=${ZEM_BUILD:-build-bench}
[ "$build" = build-bench ] && cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DZEM_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target zem_view xseen >/dev/null
# ZEM_VIEW names another zem_view, an older build's, to compare with.
view=${ZEM_VIEW:-$build/bin/zem_view}

work=$(mktemp -d)
xvfb_pid=
view_pid=
finish() {
    # Each process by its own PID, waited for: nothing is left running.
    [ -n "$view_pid" ] && kill "$view_pid" 2>/dev/null && wait "$view_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap finish EXIT

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
export DISPLAY=$display QT_QPA_PLATFORM=xcb

# seen WINDOW ENGINE KEY: shows the window, waits until it is ready, times the presses, then checks that what the
# presses left on the screen is what a whole repaint paints.
seen() {
    mkfifo "$work/ready"
    "$view" "$1" "$2" >"$work/ready" 2>"$work/view.log" &
    view_pid=$!
    local word id
    read -r word id <"$work/ready"
    rm "$work/ready"
    [ "$word" = ready ] || { cat "$work/view.log"; exit 1; }
    echo "== $1 on $2, $presses presses of $3"
    "$build/bin/xseen" "$id" "$3" "$presses" | if [ -n "${VERBOSE:-}" ]; then cat; else tail -1; fi
    import -window "$id" "$work/pieces.png"
    # Unmapped and mapped again, the window is painted whole.
    xdotool windowunmap --sync "$id"
    xdotool windowmap --sync "$id"
    sleep 0.5
    import -window "$id" "$work/whole.png"
    echo "pixels that differ from a whole repaint: $(compare -metric AE "$work/pieces.png" "$work/whole.png" null: 2>&1)"
    kill "$view_pid" && wait "$view_pid" 2>/dev/null || true
    view_pid=
}

for engine in $engines; do
    # Half-hourly, the working day ends the scroll: 08:00 to 19:30 leaves about 18 slots each way.
    presses_all=$presses
    presses=$((presses_all < 18 ? presses_all : 18))
    seen calendar "$engine" space
    presses=$((presses_all < 12 ? presses_all : 12))
    seen calendar-earlier "$engine" space
    presses=$presses_all
    seen calendar-daily "$engine" space
    seen chart "$engine" Right
done
