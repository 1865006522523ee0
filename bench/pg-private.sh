# Sourced by the drills: a private PostgreSQL server in a temporary folder, listening on a Unix socket there only
# (as the postgres system user when run as root, since the server refuses root).
pg_bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)
[ -n "$pg_bin" ] || pg_bin=$(pg_config --bindir)

as_postgres() {
    if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

# pg_start DIR: a new cluster in DIR/data, its socket in DIR; prints the address of database "harbour".
pg_start() {
    local dir=$1
    chmod 755 "$dir"
    [ "$(id -u)" = 0 ] && chown postgres "$dir"
    as_postgres "$pg_bin/initdb" -D "$dir/data" -U postgres -A trust -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1
    pg_resume "$dir"
    as_postgres "$pg_bin/createdb" -h "$dir" -p 5432 -U postgres harbour
    echo "postgresql://postgres@/harbour?host=$(python3 -c 'import sys, urllib.parse; print(urllib.parse.quote(sys.argv[1], safe=""))' "$dir")&port=5432"
}

pg_resume() {
    as_postgres "$pg_bin/pg_ctl" -D "$1/data" -l "$1/server.log" -w -o "-k $1 -c listen_addresses= -p 5432" start \
        >/dev/null
}

pg_stop() {
    as_postgres "$pg_bin/pg_ctl" -D "$1/data" -m "${2:-fast}" -w stop >/dev/null
}
