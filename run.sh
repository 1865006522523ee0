#!/usr/bin/env bash
# Builds Zem Harbour and starts it on its default database (build/data/DB.sqlite), creating that database when
# it is missing. Extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"
tools/build.sh
mkdir -p build/data
if [ ! -f build/data/DB.sqlite ]; then
    build/bin/zemharbour --create-database build/data/DB.sqlite ${ZEM_DEMO:+--demo}
fi
exec build/bin/zemharbour "$@"
