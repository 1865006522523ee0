#!/usr/bin/env bash
# The start-up to the main window in English and in German, interleaved in one run (ROUNDS of each, default 15),
# on the busy harbour (2,000 berths, BOOKINGS bookings, default 200000) in a file of this benchmark's own.
# Prints each language's median and mean wall time (from the program's own clock) and CPU time (user + system).
# Usage: bench/startup-language.sh BUILD_DIR [ROUNDS] [BOOKINGS]
set -euo pipefail
build=$(cd "${1:?build dir}" && pwd)
rounds=${2:-15}
bookings=${3:-200000}
startup="$build/bin/zem_startup"
file="${TMPDIR:-/tmp}/zem-bench-startup-language-$bookings.sqlite"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
[ -f "$file" ] || QT_QPA_PLATFORM=offscreen "$startup" make "$file" "$bookings"
for code in en de; do
    printf '[General]\nLanguage=%s\n' "$code" >"$scratch/$code.ini"
done
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
# One start of each language a round, the order changing each round, so neither side gets the warmer cache.
for ((round = 0; round < rounds; ++round)); do
    order=(en de)
    ((round % 2)) && order=(de en)
    for code in "${order[@]}"; do
        TIMEFORMAT="%U %S"
        { times_out=$( { time ZEMHARBOUR_SETTINGS="$scratch/$code.ini" QT_QPA_PLATFORM=offscreen \
            "$startup" "$file" >"$scratch/out" 2>>"$scratch/err"; } 2>&1); } || { cat "$scratch/err" >&2; exit 1; }
        read -r user system <<<"$times_out"
        read -r shown ms <"$scratch/out"
        [ "$shown" = "$code" ] || { echo "asked for $code, started in $shown" >&2; cat "$scratch/err" >&2; exit 1; }
        echo "$code $ms $(awk -v u="$user" -v s="$system" 'BEGIN{printf "%d", (u+s)*1000}')" >>"$scratch/times"
    done
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
awk '{wall[$1]=wall[$1]" "$2; cpu[$1]=cpu[$1]" "$3}
     function stats(list,   n, a, i, j, t, sum) {
         n = split(substr(list, 2), a, " ")
         for (i = 1; i <= n; ++i) for (j = i + 1; j <= n; ++j) if (a[j] + 0 < a[i] + 0) { t = a[i]; a[i] = a[j]; a[j] = t }
         for (i = 1; i <= n; ++i) sum += a[i]
         return sprintf("median %d ms, mean %.0f ms (n=%d)", a[int((n + 1) / 2)], sum / n, n)
     }
     END { for (c in wall) printf "%s: wall %s; CPU %s\n", c, stats(wall[c]), stats(cpu[c]) }' "$scratch/times" | sort
