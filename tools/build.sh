#!/usr/bin/env bash
# Configures and builds the program and its tests in build/ (the build tree has the shape of an installation).
set -euo pipefail
cd "$(dirname "$0")/.."
"$(dirname "$0")/ensure-packages.sh" cmake make g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libzstd-dev libgl-dev dpkg-dev libcurl4-openssl-dev qtkeychain-qt6-dev libsodium-dev pkg-config libsqlite3-dev libical-dev \
    qt6-l10n-tools qt6-tools-dev
# Qt's own texts for its standard buttons and dialogs, loaded at run time beside the program's translation.
"$(dirname "$0")/ensure-packages.sh" qt6-translations-l10n
# What the tests read their output back with: tidy and Python's html.parser (the booking page), pdftotext and
# pdfinfo from poppler-utils (printed documents), Python's csv module (the exports), the zstd command (backup archives).
"$(dirname "$0")/ensure-packages.sh" tidy python3 poppler-utils zstd python3-aiosmtpd openssl python3-icalendar dovecot-imapd
# The PostgreSQL runs of the tests: a private server (initdb, pg_ctl; btree_gist ships with it) and Qt's driver.
"$(dirname "$0")/ensure-packages.sh" postgresql libqt6sql6-psql
# ccache, where the machine has it, makes rebuilds after a checkout cheap; the build does not need it.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "${launcher[@]}" ${CMAKE_EXTRA_ARGS:-} >/dev/null
cmake --build build --parallel "$(nproc)"
