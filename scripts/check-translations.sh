#!/usr/bin/env bash
# Checks that every translation is complete: lupdate reads the product sources into temporary
# copies of translations/*.ts (the files themselves stay untouched), then every language's
# unfinished and untranslated messages are counted and listed.
# Exit code 0: every translation complete, 1: something is unfinished, 2: lupdate is missing.
set -euo pipefail

cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-}
if [ -z "$lupdate" ]; then
    for candidate in /usr/lib/qt6/bin/lupdate lupdate6 lupdate; do
        if command -v "$candidate" >/dev/null 2>&1; then
            lupdate=$candidate
            break
        fi
    done
fi
if [ -z "$lupdate" ]; then
    echo "check-translations: lupdate not found (Debian: qt6-l10n-tools)" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp translations/*.ts "$work"/

# The same folders the build's update_translations target reads.
folders=(cli diary editing exchange images model notifier printing progress settings stats
         translations widgets)
"$lupdate" -silent -no-obsolete -locations none -I . "${folders[@]}" -ts "$work"/*.ts \
    2>"$work/warnings"
# tr() in a class without Q_OBJECT looks its text up under the base class's name at run time, so
# its translation is never found: lupdate warns, and the check fails.
status=0
if grep -q "lacks Q_OBJECT" "$work/warnings"; then
    echo "texts that cannot be found at run time (the class lacks Q_OBJECT; use Q_DECLARE_TR_FUNCTIONS or QCoreApplication::translate):"
    sort -u "$work/warnings" | grep "lacks Q_OBJECT" | sed 's/^/    /'
    status=1
fi

if python3 - "$work"/*.ts <<'PYTHON'
import sys
import xml.etree.ElementTree as ET

failed = False
for path in sys.argv[1:]:
    root = ET.parse(path).getroot()
    language = root.get("language")
    total = 0
    open_messages = []
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            kind = translation.get("type")
            if kind in ("obsolete", "vanished"):
                continue
            total += 1
            forms = [form.text for form in translation.iter("numerusform")] or [translation.text]
            if kind == "unfinished" or not all(forms):
                open_messages.append((name, message.findtext("source")))
    state = "complete" if not open_messages else f"{len(open_messages)} unfinished"
    print(f"{language}: {total} messages, {state}")
    for name, source in open_messages:
        print(f"    {name}: {source!r}")
    failed = failed or bool(open_messages)
sys.exit(1 if failed else 0)
PYTHON
then
    exit "$status"
fi
exit 1
