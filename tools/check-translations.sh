#!/usr/bin/env bash
# Every text the user reads goes through tr(), so Qt Linguist can translate the program: lupdate must read the
# sources without a complaint, and no caption, label, button, menu item or message is set from a bare literal.
# Prints every offending line and fails when there is one.
set -uo pipefail
cd "$(dirname "$0")/.."
status=0
fail() {
    echo "check-translations: $1" >&2
    status=1
}

lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
# lupdate reads a .ts that exists, so it writes a new one in a folder of its own.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
report=$("$lupdate" -recursive src -I src -extensions cpp,h -no-obsolete -locations none -ts "$scratch/zemharbour.ts" 2>&1)
complaints=$(grep -vE '^(Updating|Scanning directory|    Found|\s*$)' <<<"$report")
[ -n "$complaints" ] && fail "lupdate cannot read every text:"$'\n'"$complaints"

# A literal with a letter in it, handed straight to something the user sees.
literal='(QStringLiteral\(|u)"[^"]*[A-Za-z][^"]*"'
shown='(setWindowTitle|setText|setToolTip|setStatusTip|setWhatsThis|setPlaceholderText|setTitle|setSubTitle|setButtonText|setLabelText|addAction|addMenu|addTab|setTabText|setHeaderData|setHorizontalHeaderLabels)\(|new Q(Label|PushButton|CheckBox|RadioButton|GroupBox|Action|Menu)\('
hits=$(grep -rnE "($shown) *$literal" src --include='*.cpp' --include='*.h')
[ -n "$hits" ] && fail "texts the user sees that do not go through tr():"$'\n'"$hits"

# A helper that hands its argument to translate() hides a literal it is called with from lupdate: such a text is
# never translated. The literal must be marked (QT_TRANSLATE_NOOP) or given to translate() itself.
hidden=$(python3 - <<'PY'
import pathlib, re
forward = re.compile(r'(?:QString|auto) (\w+)(?: = \[\])?\(const char\* (\w+)\)[^{]*\{\s*return QCoreApplication::translate\("\w+", \2\);')
for path in sorted(pathlib.Path('src').rglob('*.[ch]*')):
    text = path.read_text(errors='replace')
    for name in {m.group(1) for m in forward.finditer(text)}:
        for number, line in enumerate(text.splitlines(), 1):
            if re.search(r'(?<![.\w:>])' + name + r'\(\s*"', line):
                print(f'{path}:{number}: {line.strip()}')
PY
)
[ -n "$hidden" ] && fail "texts lupdate cannot see (a helper is called with a bare literal):"$'\n'"$hidden"

[ $status -eq 0 ] && grep -E '^    Found' <<<"$report" | sed 's/^ */check-translations: /'
exit $status
