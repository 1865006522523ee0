#!/usr/bin/env bash
# Builds the benchmarks (Release) in build-bench/ and runs them all; arguments go to every benchmark binary.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/ensure-packages.sh cmake make g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libzstd-dev libgl-dev libbenchmark-dev libsodium-dev pkg-config zstd python3-aiosmtpd \
    postgresql libqt6sql6-psql sqlite3
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DZEM_BENCHMARKS=ON >/dev/null
cmake --build build-bench --parallel "$(nproc)"
for b in build-bench/bin/bench_*; do
    echo "== $(basename "$b")"
    QT_QPA_PLATFORM=offscreen "$b" "$@"
done
