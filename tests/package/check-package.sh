#!/usr/bin/env bash
# Builds the .deb from the build tree, unpacks it into a scratch root and starts the unpacked program once,
# offscreen, as a user who cannot write the installation root: the program must make its database in that user's
# data folder and keep its settings in the user's configuration folder.
# Usage: check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
runner=()
cleanup() {
    if [ -n "${pid:-}" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    chmod -R u+w "$scratch" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack -G DEB"; }
deb=$(ls "$scratch"/out/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6sql6 libqt6sql6-sqlite qt6-qpa-plugins qt6-translations-l10n; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done

root="$scratch/root"
dpkg -x "$deb" "$root"
install_root="$root/usr/lib/zemharbour"
for file in bin/zemharbour bin/TipOfTheDay.txt bin/help/index.html translations/zemharbour_{de,nl,fr,it,es}.qm; do
    [ -f "$install_root/$file" ] || fail "$file is not installed"
done
[ -f "$root/usr/share/applications/zemharbour.desktop" ] || fail "no desktop entry"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/zemharbour.svg" ] || fail "no icon"
[ "$(readlink -f "$root/usr/bin/zemharbour")" = "$(readlink -f "$install_root/bin/zemharbour")" ] ||
    fail "usr/bin/zemharbour does not lead to the program"

# A system-wide installation: nobody but root writes it. Root writes everything, so as root the program runs as
# the unprivileged user "nobody".
home="$scratch/home"
mkdir -p "$home"
chmod -R a-w "$root"
chmod 755 "$scratch"
chmod 777 "$home"
if [ "$(id -u)" -eq 0 ]; then
    runner=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
program=(env -i PATH=/usr/bin:/bin HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config"
    XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
    "${runner[@]}" "$root/usr/bin/zemharbour")
run() { "${program[@]}" "$@"; }
user_data="$home/data/Zem Software/Zem Harbour"

# A normal start: splash, database, event log, main window (and the tip of the day, which waits for a person).
# The subshell becomes the program (exec, and env and setpriv exec in turn), so $! is the program's own PID and the
# kill below ends the program, not a shell around it.
(exec "${program[@]}") >"$scratch/run.log" 2>&1 &
pid=$!
for _ in $(seq 1 60); do
    compgen -G "$user_data/traces/*/events.Log" >/dev/null && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.5
done
kill "$pid" 2>/dev/null || { cat "$scratch/run.log" >&2; fail "the program ended by itself"; }
wait "$pid" 2>/dev/null || true
pid=
# Nothing started here is left running.
left=$(pgrep -f "$root/usr/" || true)
[ -z "$left" ] || { kill $left 2>/dev/null; fail "the program is still running after its kill: $left"; }
[ -f "$user_data/data/DB.sqlite" ] || { cat "$scratch/run.log" >&2; fail "no database in the user's data folder"; }
compgen -G "$user_data/traces/*/events.Log" >/dev/null || fail "no event log in the user's data folder"
grep -q "Application started" "$user_data"/traces/*/events.Log || fail "the start was not logged"
# Everything the program made for the user is the user's alone: files 0600, folders 0700.
open_to_others=$(find "$home/data" -mindepth 1 \( \( -type f ! -perm 600 \) -o \( -type d ! -perm 700 \) \) \
    -printf '%m %p; ')
[ -z "$open_to_others" ] || fail "readable by others: $open_to_others"

# The check an installer can run reports the same database and leaves it as it is.
shown=$(run --check-database) || fail "--check-database"
[ "$shown" = "$user_data/data/DB.sqlite" ] || fail "--check-database shows $shown"
[ -z "$(find "$root" -newer "$deb" -not -type d -print -quit)" ] || fail "the program wrote into the installation"
echo "package layout and first start: ok"
