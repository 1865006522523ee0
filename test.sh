#!/usr/bin/env bash
# Builds Zem Harbour and runs every test through CTest (offscreen: no display needed).
set -euo pipefail
cd "$(dirname "$0")"
tools/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 "$@"
