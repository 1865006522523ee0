#!/usr/bin/env bash
# Pictures of the program in German and French (and any languages named) on the sample harbour: the booking chart
# in the main window and Regional Settings, as OUT/<code>-chart.png and OUT/<code>-regional.png, for looking at
# the translations and for the README. Needs the benchmarks' build (zem_startup), e.g. BUILD=build with
# -DZEM_BENCHMARKS=ON; under Xvfb where xvfb-run is installed, else offscreen.
# Usage: tools/screenshots-languages.sh [OUT] [CODE...]   (default: screenshots/ de fr)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
out=$(mkdir -p "${1:-screenshots}" && cd "${1:-screenshots}" && pwd)
shift || true
codes=("$@")
[ ${#codes[@]} -eq 0 ] && codes=(de fr)
cmake --build "$build" --parallel 2 --target zemharbour zem_startup >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$build/bin/zemharbour" --create-database "$scratch/Demo.sqlite" --demo
runner=(env QT_QPA_PLATFORM=offscreen)
command -v xvfb-run >/dev/null && runner=(xvfb-run -a -s "-screen 0 1600x1000x24" env QT_QPA_PLATFORM=xcb)
for code in "${codes[@]}"; do
    printf '[General]\ndata=%s\nLanguage=%s\n' "$scratch/Demo.sqlite" "$code" >"$scratch/$code.ini"
    ZEMHARBOUR_SETTINGS="$scratch/$code.ini" "${runner[@]}" "$PWD/$build/bin/zem_startup" "$scratch/Demo.sqlite" \
        shots "$out"
done
ls "$out"
