#!/usr/bin/env bash
# The edit drill: two desk processes (zem_editdesk) edit the same records at once through every editor's store, ROUNDS
# rounds each (default 200), on a fresh SQLite file and on a fresh database of a private PostgreSQL server. Each
# round loads the record, waits 1-7 ms, writes a token of its own (desk and round) into one or two fields and saves.
# Afterwards `zem_editdesk check` compares the desks' logs with each other and with the stored records: no save may
# have gone through over a state another save had already replaced (a silent overwrite), no failed save may have been
# written, no record may hold one field of a save without the other, and every refused save is counted as a lost race
# (another save went through over what it read) or not. Prints one line per editor and engine; exits non-zero when any
# check fails.
#   bench/edit-drill.sh [ROUNDS] [ENGINES] [EDITORS]
# ENGINES: "sqlite postgresql" (default); EDITORS: the names `zem_editdesk editors` lists (default all).
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-200}
engines=${2:-sqlite postgresql}
source bench/desk-drill-common.sh
cmake --build "$build" --target zem_editdesk >/dev/null
editdesk=$PWD/$build/bin/zem_editdesk
editors=${3:-$("$editdesk" editors | tr '\n' ' ')}

work=$(mktemp -d /tmp/zem-edit-drill.XXXXXX)
chmod 755 "$work" # the server's own user enters it
cleanup() {
    [ -d "$work/pg/data" ] && pg_stop "$work/pg" immediate 2>/dev/null || true
    [ "${ZEM_DRILL_KEEP:-0}" = 1 ] && echo "logs kept in $work" || rm -rf "$work"
}
trap cleanup EXIT

drill() {
    local engine=$1 data=$2 failed=0
    "$editdesk" create "$data" "$rounds" 2>"$work/$engine-create.err" || { cat "$work/$engine-create.err"; return 1; }
    for editor in $editors; do
        # Both desks start at the same moment, a little after both processes are up.
        local start=$(($(date +%s%3N) + 500))
        for desk in 1 2; do
            "$editdesk" run "$data" "desk$desk" "$editor" "$rounds" "$work/$engine-$editor-$desk.log" "$start" \
                >"$work/$engine-$editor-$desk.out" 2>"$work/$engine-$editor-$desk.err" &
        done
        wait || failed=1
        printf '%-10s ' "$engine"
        "$editdesk" check "$data" "$editor" "$work/$engine-$editor"-[12].log 2>>"$work/$engine-check.err" || failed=1
        # What the refusals and errors said, most frequent first.
        cut -d' ' -f4,6- "$work/$engine-$editor"-[12].log | grep -v '^saved' | sed -E 's/[0-9][0-9,.]*/N/g' |
            sort | uniq -c | sort -rn | head -3 | sed 's/^/    /'
    done
    return $failed
}

each_engine drill
