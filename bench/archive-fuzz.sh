#!/usr/bin/env bash
# The archive drill: N damaged or hostile archives (default 1000), made by bench/archive-fuzz.py from a real backup of
# a small database, each restored in a process of its own (zem_maintain restore) onto a copy of a current database.
# Every restore must end without a crash, refuse with "Error!: Can't add <archive>: <reason>", and leave the current
# database byte for byte as it was and sound (zem_maintain check). Prints the counts per kind of archive and exits
# non-zero when any archive was accepted, crashed the process or changed the database. Run by hand:
#   bench/archive-fuzz.sh [N] [SEED]
# ZEM_BUILD names another build folder (the drill counts outcomes and does not time the code, so a debug build does);
# ZEM_FUZZ_KEEP=1 keeps the work folder (archives, each restore's output) and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-1000}
seed=${2:-1}
tools/ensure-packages.sh cmake make g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libzstd-dev \
    libgl-dev libbenchmark-dev libsodium-dev python3 coreutils >/dev/null
build=${ZEM_BUILD:-build-bench}
[ "$build" = build-bench ] && cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DZEM_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target zem_maintain zem_desk >/dev/null
tool=$PWD/$build/bin/zem_maintain
desk=$PWD/$build/bin/zem_desk

work=$(mktemp -d /tmp/zem-archive-fuzz.XXXXXX)
if [ "${ZEM_FUZZ_KEEP:-0}" = 1 ]; then echo "work folder: $work"; else trap 'rm -rf "$work"' EXIT; fi
# base: 20 berths, 20 customers and the bookings of one desk; current: the same with a second desk's bookings, so a
# restore that goes through shows as a changed database.
"$desk" create "$work/base.sqlite" 2>/dev/null
"$desk" run "$work/base.sqlite" base 40 "$work/base.log" 3 >/dev/null 2>&1
cp "$work/base.sqlite" "$work/current.sqlite"
"$desk" run "$work/current.sqlite" current 40 "$work/current.log" 3 >/dev/null 2>&1
"$tool" backup "$work/base.sqlite" "$work/base.SPA" 2>/dev/null
current_sum=$(sha256sum <"$work/current.sqlite")
base_sum=$(sha256sum <"$work/base.sqlite")
current_check=$("$tool" check "$work/current.sqlite")

# The real backup restores (the drill's own check of its setup): the database then holds the base content.
mkdir "$work/data" "$work/archives" "$work/out"
db=$work/data/DB.sqlite
cp "$work/current.sqlite" "$db"
"$tool" restore "$work/base.SPA" "$db" 2>/dev/null
[ "$(sha256sum <"$db")" = "$base_sum" ] || { echo "the real backup did not restore" >&2; exit 1; }

python3 bench/archive-fuzz.py "$count" "$seed" "$work/base.sqlite" "$work/base.SPA" "$tool" "$work/archives"

# One line per archive: kind, outcome, the reason said (numbers as N).
results=$work/results.tsv
: >"$results"
while IFS=$'\t' read -r name kind variant; do
    rm -f "$work/data/"*
    cp "$work/current.sqlite" "$db"
    rc=0
    timeout 60 "$tool" restore "$work/archives/$name" "$db" >"$work/out/$name.out" 2>&1 || rc=$?
    said=$(grep -m1 -E '^(Error!|Information): ' "$work/out/$name.out" || true)
    sum=$(sha256sum <"$db")
    state=$("$tool" check "$db" 2>/dev/null || true)
    leftovers=$(find "$work/data" -mindepth 1 ! -name DB.sqlite ! -name DB.bak | wc -l)
    if [ "$rc" -ge 124 ]; then
        outcome=crashed # a signal (128 + its number) or the time-out (124)
    elif [ "$rc" = 0 ]; then
        # Accepted: the restore put another database in place. Exactly the backup's bytes can only come from an
        # archive whose damage the format itself tolerates; anything else is a hostile database let in.
        if [ "$sum" = "$base_sum" ]; then outcome=accepted-intact; else outcome=accepted; fi
    elif [ "$sum" != "$current_sum" ] || [ "$state" != "$current_check" ]; then
        outcome=changed # refused, yet the database is not what it was
    elif [ "$rc" = 1 ] && [[ "$said" =~ ^"Error!: Can't add $name: ". ]] && [ "$leftovers" = 0 ]; then
        outcome=refused
    else
        outcome=other # a refusal without its message, or files left beside the database
    fi
    [ "$outcome" = refused ] || echo "$name $kind ($variant): $outcome, exit $rc: $said" >&2
    reason=${said#"Error!: Can't add $name: "}
    printf '%s\t%s\t%s\n' "$kind" "$outcome" "$(sed -E 's/[0-9][0-9,.]*/N/g' <<<"$reason")" >>"$results"
done <"$work/archives/manifest.tsv"

echo "== $count archives, seed $seed (archive of $(stat -c %s "$work/base.SPA") bytes, database of $(stat -c %s "$work/base.sqlite") bytes)"
awk -F'\t' '
    function line(name, count, key) {
        printf "%-15s %8d %8d %9d %8d %8d %8d %6d\n", name, count, o[key, "refused"], o[key, "accepted"],
            o[key, "accepted-intact"], o[key, "crashed"], o[key, "changed"], o[key, "other"]
    }
    !($1 in n) { order[++kinds] = $1 }
    { n[$1]++; o[$1, $2]++; o["total", $2]++; all++ }
    END {
        printf "%-15s %8s %8s %9s %8s %8s %8s %6s\n", "kind", "archives", "refused", "accepted", "intact", "crashed",
            "changed", "other"
        for (i = 1; i <= kinds; i++) line(order[i], n[order[i]], order[i])
        line("total", all, "total")
    }' "$results"
echo "-- the reasons given, by kind"
cut -f1,3 "$results" | sed -E 's/(it (has|lacks) [a-z]+) .* which/\1 X which/; s/^(.{110}).*/\1.../' | sort | uniq -c | sort -k2,2 -k1,1rn
# A database let in (changed), a crash, an unsound database or a missing refusal fails the drill; an archive whose
# damage left the backup's bytes whole may restore.
! cut -f2 "$results" | grep -qvE '^(refused|accepted-intact)$'
