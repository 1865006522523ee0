#!/usr/bin/env bash
# The kill drill on a server: DESKS desk processes (default 8) save random bookings (over a year) on a private
# PostgreSQL server, which is stopped at once (pg_ctl stop -m immediate: no clean shutdown, recovery from the log
# at the next start) in the middle of their saves and started again two seconds later; RUNS times (default 5), each
# on a fresh database. The desks must report the lost connection, carry on once the server is back, and not crash.
# Afterwards every booking a desk was told was saved is there with all its berths, no booking is there without its
# berths or with only some, none is there that no desk tried, and no berth is booked twice over.
#   bench/kill-drill.sh [RUNS] [DESKS] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
desks=${2:-8}
rounds=${3:-300}
source bench/desk-drill-common.sh

work=$(mktemp -d /tmp/zem-kill.XXXXXX)
chmod 755 "$work"
cleanup() {
    [ -f "$work/pg/data/postmaster.pid" ] && pg_stop "$work/pg" immediate 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

status=0
for run in $(seq 1 "$runs"); do
    rm -rf "$work/pg" "$work"/desk*
    mkdir "$work/pg"
    data=$(pg_start "$work/pg")
    "$desk" create "$data"
    pids=()
    for i in $(seq 1 "$desks"); do
        "$desk" run "$data" "desk$i" "$rounds" "$work/desk$i.log" 52 >"$work/desk$i.out" 2>"$work/desk$i.err" &
        pids+=($!)
    done
    # Somewhere in the middle of the saves.
    sleep "$(awk -v r="$RANDOM" 'BEGIN { printf "%.2f", 0.5 + r % 150 / 100 }')"
    pg_stop "$work/pg" immediate
    sleep 2
    pg_resume "$work/pg"
    crashed=0
    for pid in "${pids[@]}"; do wait "$pid" || crashed=$((crashed + 1)); done
    echo "== run $run: $(awk '{ s += $3; t += $5; l += $9; e += $11 } END { printf "saved %d taken %d lost %d errors %d", s, t, l, e }' "$work"/desk*.out), saves cut off by the stop $(grep -h '^lost ' "$work"/desk*.log | wc -l), desks failed $crashed, desks told of the lost connection $(grep -l "connection lost\|cannot reach" "$work"/desk*.err | wc -l)"
    "$desk" check "$data" "$work"/desk*.log || status=1
    [ "$crashed" = 0 ] || status=1
    pg_stop "$work/pg" fast
done
exit $status
