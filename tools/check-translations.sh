#!/usr/bin/env bash
# Holds translations/quillon_en.ts to the sources: lupdate, run over a copy of it, must find no
# text shown to a person that the file lacks, and none the file keeps that the sources no longer
# have; and every text of the file must be translated. Prints each offending text with its context.
# Then tools/untranslated.py: a Chinese literal of the sources outside tr() must be allowed, with its
# reason, in translations/untranslated.txt.
# Keep the file with Qt Linguist's tools: after changing a text in the sources, run
#   lupdate -locations none -no-obsolete -I . -source-language zh_CN -target-language en \
#       $(grep -v '^#' layers.txt) -ts translations/quillon_en.ts
# from the project's folder, then translate what it marks unfinished (linguist, or by hand).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
[ -x "$lupdate" ] || { echo "check-translations: lupdate is not installed (qt6-l10n-tools)" >&2 && exit 1; }
read -ra folders <<<"$(grep -v '^#' layers.txt | tr '\n' ' ')"
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
cp translations/quillon_en.ts "$work/"
"$lupdate" -silent -locations none -I . -source-language zh_CN -target-language en "${folders[@]}" \
    -ts "$work/quillon_en.ts"
python3 - "$work/quillon_en.ts" <<'PY'
import sys, xml.etree.ElementTree as ET
bad = []
for context in ET.parse(sys.argv[1]).getroot().iter("context"):
    for message in context.iter("message"):
        translation = message.find("translation")
        state = translation.get("type")
        texts = [form.text for form in translation.iter("numerusform")] or [translation.text]
        if state is not None or not all((text or "").strip() for text in texts):
            bad.append(f"{context.findtext('name')}: {message.findtext('source')!r} ({state or 'empty'})")
for line in bad:
    print("check-translations:", line, file=sys.stderr)
if bad:
    sys.exit("check-translations: translations/quillon_en.ts is not in step with the sources (see its header)")
PY
python3 tools/untranslated.py
echo "check-translations: every text of the sources has its English translation"
