#!/usr/bin/env bash
# The concurrency drill: DESKS desk processes (default 8) save ROUNDS random bookings each (default 1000) of the
# same 20 berths at once, on a fresh SQLite file and on a fresh database of a private PostgreSQL server. Afterwards
# no two bookings may hold one berth at overlapping times. Prints each desk's counts, the totals and the check.
#   bench/concurrency-drill.sh [ROUNDS] [DESKS] [ENGINES] [WEEKS]
# ENGINES: "sqlite postgresql" (default); WEEKS: how many weeks the arrivals spread over (3: nearly every save
# collides once the first hundred or so are in).
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-1000}
desks=${2:-8}
engines=${3:-sqlite postgresql}
weeks=${4:-3}
source bench/desk-drill-common.sh

work=$(mktemp -d /tmp/zem-drill.XXXXXX)
chmod 755 "$work" # the server's own user enters it
cleanup() {
    [ -d "$work/pg/data" ] && pg_stop "$work/pg" immediate 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

drill() {
    local engine=$1 data=$2 failed=0
    "$desk" create "$data" || return 1
    local start end
    start=$(date +%s.%N)
    for i in $(seq 1 "$desks"); do
        "$desk" run "$data" "desk$i" "$rounds" "$work/$engine-desk$i.log" "$weeks" >"$work/$engine-desk$i.out" \
            2>"$work/$engine-desk$i.err" &
    done
    wait || failed=1
    end=$(date +%s.%N)
    echo "== $engine: $desks desks x $rounds rounds over $weeks weeks in $(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", b - a }') s"
    cat "$work/$engine"-desk*.out
    awk '{ s += $3; t += $5; b += $7; l += $9; e += $11 } END { printf "total saved %d taken %d busy %d lost %d errors %d\n", s, t, b, l, e }' \
        "$work/$engine"-desk*.out
    sort "$work/$engine"-desk*.err | uniq -c | sort -rn | head -5
    "$desk" check "$data" "$work/$engine"-desk*.log || failed=1
    return $failed
}

each_engine drill
