# Sourced by the desk drills (concurrency-drill.sh, kill-drill.sh) from the repository's root: the packages, the
# zem_desk build ($desk), and a private PostgreSQL server in a temporary folder, listening on a Unix socket there
# only (as the postgres system user when run as root, since the server refuses root).
tools/ensure-packages.sh cmake make g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libqt6sql6-psql libbenchmark-dev \
    postgresql postgresql-contrib >/dev/null
# ZEM_BUILD names another build folder (the drills count outcomes and do not time the code, so a debug build does).
build=${ZEM_BUILD:-build-bench}
[ "$build" = build-bench ] && cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DZEM_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target zem_desk >/dev/null
desk=$PWD/$build/bin/zem_desk

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

# each_engine FUNCTION: runs FUNCTION ENGINE DATA for each engine of $engines, on $work/drill.sqlite or on a fresh
# server in $work/pg; fails when any run does.
each_engine() {
    local status=0 engine
    for engine in $engines; do
        case $engine in
        sqlite) "$1" sqlite "$work/drill.sqlite" || status=1 ;;
        postgresql)
            mkdir "$work/pg"
            "$1" postgresql "$(pg_start "$work/pg")" || status=1
            ;;
        esac
    done
    return $status
}
