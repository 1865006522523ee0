#!/usr/bin/env bash
# Builds Zem Harbour and starts it on its default database (build/data/DB.sqlite), creating that database when
# it is missing. "./run.sh --demo" starts it instead on a sample harbour (build/data/Demo.sqlite, made the first
# time) with settings of its own (build/demo.ini). Other arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"
tools/build.sh
mkdir -p build/data
if [ "${1:-}" = "--demo" ]; then
    shift
    if [ ! -f build/data/Demo.sqlite ]; then
        build/bin/zemharbour --create-database build/data/Demo.sqlite --demo
    fi
    if [ ! -f build/demo.ini ]; then
        printf '[General]\ndata=%s\n' "$PWD/build/data/Demo.sqlite" > build/demo.ini
    fi
    export ZEMHARBOUR_SETTINGS="$PWD/build/demo.ini"
elif [ ! -f build/data/DB.sqlite ]; then
    build/bin/zemharbour --create-database build/data/DB.sqlite
fi
exec build/bin/zemharbour "$@"
