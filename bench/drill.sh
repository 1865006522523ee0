#!/usr/bin/env bash
# The kill drill: runs backup, restore and compaction RUNS times each and kills the process (kill -9) at a random
# moment of each run. After every kill the database must open, pass PRAGMA integrity_check and hold either the
# old or the new content; a backup's archive must be absent or complete. Run by hand:
#   bench/drill.sh [RUNS] [DATABASE] [OPERATIONS]
# DATABASE defaults to the benchmarks' 200,000-booking file (generated on first use); OPERATIONS to
# "backup restore compact".
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-200}
operations=${3:-backup restore compact}
tools/ensure-packages.sh cmake make g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libzstd-dev libgl-dev libbenchmark-dev zstd \
    sqlite3
# ZEM_BUILD names another build folder with the benchmarks (the drill counts outcomes and does not time the code).
build=${ZEM_BUILD:-build-bench}
[ "$build" = build-bench ] && cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DZEM_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target zem_maintain bench_maintenance >/dev/null
tool=$PWD/$build/bin/zem_maintain
source_db=${2:-${TMPDIR:-/tmp}/zem-bench-200000-10y.sqlite}
if [ ! -f "$source_db" ]; then
    QT_QPA_PLATFORM=offscreen "$build"/bin/bench_maintenance --benchmark_filter=BM_Backup \
        --benchmark_min_time=0.01 >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# old: the database as it is; new: the same with every other booking cancelled (free pages for compaction).
cp "$source_db" "$work/old.sqlite"
cp "$source_db" "$work/new.sqlite"
# The history's triggers name who acts through functions the program gives each connection; the drill is the actor.
python3 - "$work/new.sqlite" <<'PY'
import sqlite3, sys
con = sqlite3.connect(sys.argv[1])
con.create_function("zem_actor", 0, lambda: "drill")
con.create_function("zem_desk", 0, lambda: "drill")
con.executescript("DELETE FROM BookingBerth WHERE BookingID % 2 = 0 AND BookingID NOT IN (SELECT BookingID FROM Payment); "
                  "DELETE FROM Booking WHERE ID % 2 = 0 AND ID NOT IN (SELECT BookingID FROM Payment);")
con.commit()
PY
old=$("$tool" check "$work/old.sqlite")
new=$("$tool" check "$work/new.sqlite")
mkdir "$work/data"
db=$work/data/DB.sqlite
"$tool" backup "$work/new.sqlite" "$work/new.SPA" 2>/dev/null

# How long a whole run takes (the middle one of three: other work on the machine lengthens some); the kills land
# anywhere from its start to a little after its end.
seconds() {
    local start end times=()
    for _ in 1 2 3; do
        cp "$reset" "$db"
        start=$(date +%s.%N)
        "$@" 2>/dev/null || true
        end=$(date +%s.%N)
        times+=("$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')")
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n 2p
}

drill() {
    local op=$1 reset=$2 expected=$3
    shift 3
    [[ " $operations " == *" $op "* ]] || return 0
    local duration
    duration=$(seconds "$tool" "$@")
    local killed=0 finished=0 bad=0 outcomes="" written=0
    for ((i = 1; i <= runs; i++)); do
        cp "$reset" "$db"
        rm -f "$work/a.SPA"
        "$tool" "$@" 2>/dev/null &
        local pid=$!
        sleep "$(awk -v t="$duration" -v r=$RANDOM 'BEGIN { printf "%.3f", t * 1.1 * r / 32767 }')"
        if kill -9 "$pid" 2>/dev/null; then killed=$((killed + 1)); else finished=$((finished + 1)); fi
        wait "$pid" 2>/dev/null || true
        local state
        state=$("$tool" check "$db" || true)
        local outcome=""
        case "$state" in
        "$old") outcome=old ;;
        "$new") outcome=new ;;
        esac
        if [ "$op" = backup ] && [ -e "$work/a.SPA" ] && ! zstd -q -t "$work/a.SPA" 2>/dev/null; then outcome=""; fi
        if [ -z "$outcome" ] || [[ " $expected " != *" $outcome "* ]]; then
            bad=$((bad + 1))
            echo "$op run $i: unexpected state: $state" >&2
            cp "$db" "$work/../zem-drill-$op-$i.sqlite" 2>/dev/null || true
        fi
        outcomes+="$outcome "
        # Whether the run got as far as its result: a complete archive, or the compacted file in place.
        if [ "$op" = backup ] && [ -e "$work/a.SPA" ]; then written=$((written + 1)); fi
        if [ "$op" = compact ] && [ "$(stat -c %s "$db")" -lt "$(stat -c %s "$reset")" ]; then
            written=$((written + 1))
        fi
    done
    local olds news
    olds=$(grep -o old <<<"$outcomes" | wc -l || true)
    news=$(grep -o new <<<"$outcomes" | wc -l || true)
    printf '%-8s runs %d (one run %.2f s): killed %d, finished before the kill %d; afterwards old %d, new %d, ' \
        "$op" "$runs" "$duration" "$killed" "$finished" "$olds" "$news"
    printf 'result written %d, bad %d\n' "$written" "$bad"
}

drill backup "$work/old.sqlite" "old" backup "$db" "$work/a.SPA"
drill restore "$work/old.sqlite" "old new" restore "$work/new.SPA" "$db"
drill compact "$work/new.sqlite" "new" compact "$db"
