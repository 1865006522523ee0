#!/usr/bin/env bash
# The PostgreSQL server the benchmarks compare against: one cluster in /tmp/zem-bench-pg (kept between runs, so the
# 2,000,000-booking database is loaded once), reached only through a Unix socket in that folder, run as the
# postgres system user when we are root. Configured as a harbour office's server would be (see README.md).
#
#   bench/pg-server.sh start             start the server (initdb the first time)
#   bench/pg-server.sh load <sqlite> <n> copy the generated file into database zem_busy_<n> unless it is there
#   bench/pg-server.sh uri <n>           the address of that database
#   bench/pg-server.sh empty <name>      make database zem_<name> with the schema unless it is there; its address
#   bench/pg-server.sh scratch <n> <name> a fresh copy of zem_busy_<n> as zem_scratch_<name> (made from a copy of it
#                                        kept as zem_template_<n>); its address
#   bench/pg-server.sh stop              stop the server (the folder stays; rm -rf it to start afresh)
set -euo pipefail

DIR=${ZEM_BENCH_PG_DIR:-/tmp/zem-bench-pg}
PORT=${ZEM_BENCH_PG_PORT:-5439}
SCHEMA="$(cd "$(dirname "$0")/.." && pwd)/resources/schema-postgresql.sql"
BIN=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -x "$BIN/initdb" ] || BIN=$(pg_config --bindir)

as_server() {
    if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}
sql() { # database, then psql arguments
    local db=$1
    shift
    psql -X -q -v ON_ERROR_STOP=1 -h "$DIR" -p "$PORT" -U postgres -d "$db" "$@"
}

start() {
    if [ ! -f "$DIR/data/PG_VERSION" ]; then
        mkdir -p "$DIR"
        [ "$(id -u)" = 0 ] && chown postgres: "$DIR"
        (cd "$DIR" && as_server "$BIN/initdb" -D "$DIR/data" -A trust -U postgres -E UTF8 --locale=C.UTF-8 >/dev/null)
        # A small office server: the defaults, with a quarter of a gigabyte of shared buffers and the planner told
        # the data is on an SSD with the operating system's cache beside it. work_mem stays at its default (4MB).
        cat >>"$DIR/data/postgresql.conf" <<EOF
listen_addresses = ''
unix_socket_directories = '$DIR'
port = $PORT
shared_buffers = 256MB
effective_cache_size = 2GB
random_page_cost = 1.1
max_wal_size = 4GB
EOF
    fi
    if ! as_server "$BIN/pg_ctl" -D "$DIR/data" status >/dev/null 2>&1; then
        (cd "$DIR" && as_server "$BIN/pg_ctl" -D "$DIR/data" -l "$DIR/log" -w start >/dev/null)
    fi
}

uri_of() {
    echo "postgresql://postgres@/$1?host=$(echo "$DIR" | sed 's|/|%2F|g')&port=$PORT"
}
uri() { uri_of "zem_busy_$1"; }

empty() {
    local db="zem_$1"
    start
    if [ "$(sql postgres -At -c "SELECT count(*) FROM pg_database WHERE datname = '$db'")" != 1 ]; then
        sql postgres -c "DROP DATABASE IF EXISTS ${db}_part" -c "CREATE DATABASE ${db}_part"
        sql "${db}_part" -f "$SCHEMA" >/dev/null
        sql postgres -c "ALTER DATABASE ${db}_part RENAME TO $db"
    fi
    uri_of "$db"
}

# The server copies a database only while nobody is connected to it. The first copy of zem_busy_<n> becomes
# zem_template_<n>, which takes no connections; every scratch copy is made from that, so only the first waits (a
# while, not failing at once) for other runs' benchmarks to leave zem_busy_<n>.
scratch() {
    local source="zem_busy_$1" template="zem_template_$1" db="zem_scratch_$2" tries=0
    start
    if [ "$(sql postgres -At -c "SELECT count(*) FROM pg_database WHERE datname = '$template'")" != 1 ]; then
        sql postgres -c "DROP DATABASE IF EXISTS ${template}_part"
        until sql postgres -c "CREATE DATABASE ${template}_part TEMPLATE $source" 2>/dev/null; do
            tries=$((tries + 1))
            if [ "$tries" -ge 30 ]; then
                echo "cannot copy $source: other sessions keep it open" >&2
                return 1
            fi
            sleep 2
        done
        sql postgres -c "ALTER DATABASE ${template}_part RENAME TO $template" \
            -c "ALTER DATABASE $template WITH IS_TEMPLATE true ALLOW_CONNECTIONS false"
    fi
    sql postgres -c "DROP DATABASE IF EXISTS $db" -c "CREATE DATABASE $db TEMPLATE $template"
    uri_of "$db"
}

# Columns of a table both the file and the server have, in the server's order (names with spaces quoted).
common_columns() {
    local file=$1 db=$2 table=$3
    local lite
    lite=$(sqlite3 "$file" "SELECT lower(name) FROM pragma_table_info('$table')")
    sql "$db" -At -c "SELECT column_name FROM information_schema.columns WHERE table_name = lower('$table')
                      ORDER BY ordinal_position" | while read -r c; do
        if grep -qxF "$c" <<<"$lite"; then
            if [[ $c == *" "* ]]; then printf '"%s"\n' "$c"; else printf '%s\n' "$c"; fi
        fi
    done | paste -sd, -
}

load() {
    local file=$1 n=$2 db="zem_busy_$2"
    start
    if [ "$(sql postgres -At -c "SELECT count(*) FROM pg_database WHERE datname = '$db'")" = 1 ]; then
        return 0
    fi
    echo "copying $file into $db ..." >&2
    local t0=$SECONDS
    sql postgres -c "DROP DATABASE IF EXISTS ${db}_part" -c "CREATE DATABASE ${db}_part"
    sql "${db}_part" -f "$SCHEMA" >/dev/null
    # Rows go in as they are in the file, triggers off (session_replication_role); the period index is then
    # written for every booking in one statement, the same one the triggers run per booking, and the figures'
    # totals per month from it and the bookings.
    local tables="Company Settings BerthType PaymentMethod Customer Owner Berth Booking BookingBerth Payment"
    for t in $tables; do
        local cols
        cols=$(common_columns "$file" "${db}_part" "$t")
        sqlite3 -csv "$file" "SELECT ${cols} FROM $t ORDER BY rowid" |
            sql "${db}_part" -c "SET session_replication_role = replica" -c "DELETE FROM $t" \
                -c "\\copy $t ($cols) FROM STDIN (FORMAT csv)"
    done
    # The customers' search words are the program's own folding of their texts, copied as the file has them.
    sqlite3 -csv "$file" "SELECT rowid, Words FROM CustomerText ORDER BY rowid" |
        sql "${db}_part" -c "SET session_replication_role = replica" -c "DELETE FROM CustomerText" \
            -c "\\copy CustomerText (CustomerID, Words) FROM STDIN (FORMAT csv)"
    sql "${db}_part" >/dev/null <<'EOF'
SET session_replication_role = replica;
INSERT INTO BookingPeriod (ID, BookingID, BerthID, FromMinute, ToMinute, Period)
SELECT E.ID * 2147483648 + E.BerthID, E.ID, E.BerthID,
       greatest(-2147483648, least(2147483647, least(E.F, E.T))),
       greatest(-2147483648, least(2147483647, greatest(E.F, E.T))),
       tsrange(least(E.FromTime, E.ToTime), greatest(E.FromTime, E.ToTime))
FROM (SELECT S.ID, S.BerthID, S.FromTime, S.ToTime,
             floor((extract(epoch FROM S.FromTime) - 946684800) / 60) AS F,
             ceil((extract(epoch FROM S.ToTime) - 946684800) / 60) AS T
      FROM (SELECT DISTINCT B.ID, coalesce(BB.BerthID, 0) AS BerthID, zem_wall_time(B.FromDate) AS FromTime,
                   zem_wall_time(B.ToDate) AS ToTime
            FROM Booking B LEFT JOIN BookingBerth BB ON BB.BookingID = B.ID) S
      WHERE S.FromTime IS NOT NULL AND S.ToTime IS NOT NULL) E
WHERE E.ID BETWEEN 1 AND 4294967295 AND E.BerthID BETWEEN 0 AND 2147483647;
SELECT zem_fill_figures();
SELECT setval(pg_get_serial_sequence('customer', 'id'), greatest(1, coalesce((SELECT max(id) FROM customer), 1)));
SELECT setval(pg_get_serial_sequence('owner', 'id'), greatest(1, coalesce((SELECT max(id) FROM owner), 1)));
SELECT setval(pg_get_serial_sequence('berth', 'id'), greatest(1, coalesce((SELECT max(id) FROM berth), 1)));
SELECT setval(pg_get_serial_sequence('booking', 'id'), greatest(1, coalesce((SELECT max(id) FROM booking), 1)));
SELECT setval(pg_get_serial_sequence('payment', 'id'), greatest(1, coalesce((SELECT max(id) FROM payment), 1)));
SELECT setval(pg_get_serial_sequence('bookingberth', 'rowseq'),
              greatest(1, coalesce((SELECT max(rowseq) FROM bookingberth), 1)));
EOF
    sql "${db}_part" -c "VACUUM (ANALYZE)"
    sql postgres -c "ALTER DATABASE ${db}_part RENAME TO $db"
    echo "copied in $((SECONDS - t0)) s" >&2
}

case "${1:-}" in
start) start ;;
stop) as_server "$BIN/pg_ctl" -D "$DIR/data" -m fast stop >/dev/null ;;
load) load "$2" "$3" ;;
uri) uri "$2" ;;
empty) empty "$2" ;;
scratch) scratch "$2" "$3" ;;
*)
    echo "usage: $0 start | stop | load <sqlite file> <bookings> | uri <bookings> | empty <name> | scratch <bookings> <name>" >&2
    exit 2
    ;;
esac
