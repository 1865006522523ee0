#!/usr/bin/env bash
# The code's shape, checked: only windows ask or tell the user, each table's statements live with its owner, and
# names say what a thing is. Prints every offending line and fails when there is one.
set -uo pipefail
cd "$(dirname "$0")/.."
status=0
fail() {
    echo "check-layers: $1" >&2
    status=1
}

# The window layer: files named for a window, the shared widgets in core/ui, the program's start. The seams'
# own declarations aside.
window_layer='(Window|Dialog|Wizard|WizardPages|Page|Register|Editor|Viewer|Entry|Menu|Menus|Manager|Widgets|Panel)\.(cpp|h):|^src/core/ui/|^src/app/|^src/shell/Startup\.cpp:|^src/core/Seams\.h:'
asking='QMessageBox|QFileDialog|QInputDialog|IMessageBox|IFileDialog|\b(services|m_services)\.(messages|files)\b'
hits=$(grep -rnE "$asking" src --include='*.cpp' --include='*.h' | grep -vE "$window_layer")
[ -n "$hits" ] && fail "a message box or file dialog below the windows:"$'\n'"$hits"

# Bookings and their berth rows are read and written by the bookings folder only (the schema and its upgrades
# aside).
hits=$(grep -rnE '(FROM|JOIN|INTO|UPDATE) +(Booking|BookingBerth)\b' src --include='*.cpp' --include='*.h' |
    grep -vE '^src/bookings/|^src/core/(Database|Dialect|SchemaUpgrades)\.cpp:')
[ -n "$hits" ] && fail "statements on Booking or BookingBerth outside the bookings folder:"$'\n'"$hits"

# Names say what a thing is: no type prefixes on files or classes.
hits=$(find src -name '*.cpp' -o -name '*.h' | grep -E '/(frm|fm|mod|ctl|MDI|c[A-Z])[A-Za-z]*\.(cpp|h)$')
[ -n "$hits" ] && fail "files named with a type prefix:"$'\n'"$hits"
hits=$(grep -rnE '^(class|struct|namespace) +(frm|fm|mod|ctl|MDI|c[A-Z])[A-Za-z_]*\b' src)
[ -n "$hits" ] && fail "types named with a type prefix:"$'\n'"$hits"

exit $status
