#!/usr/bin/env bash
# Configures and builds the program and its tests in build/ (the build tree has the shape of an installation).
set -euo pipefail
cd "$(dirname "$0")/.."
# poppler-utils: the tests of printed documents read the PDF files back with pdftotext and pdfinfo.
"$(dirname "$0")/ensure-packages.sh" cmake make g++ qt6-base-dev libqt6sql6-sqlite libzstd-dev libgl-dev poppler-utils
# ccache, where the machine has it, makes rebuilds after a checkout cheap; the build does not need it.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "${launcher[@]}" ${CMAKE_EXTRA_ARGS:-} >/dev/null
cmake --build build --parallel "$(nproc)"
