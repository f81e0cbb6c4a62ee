#!/usr/bin/env python3
"""Fails on a Chinese string literal of the program's sources that is not given to Qt's translation
system (tr(), QCoreApplication::translate(), QT_TR_NOOP(), QT_TRANSLATE_NOOP()) and that
translations/untranslated.txt does not allow, with its reason; and on an allowance that no
literal needs any more. Run from the project's folder."""
import re
import subprocess
import sys

CHINESE = re.compile(r"[\u3000-\u303f\u3400-\u9fff\uff00-\uffef]")
OPENS = re.compile(r"(?:\btr|\btranslate|QT_TR_NOOP|QT_TRANSLATE_NOOP3?)\s*\(\s*(?:\"\"\s*,\s*)?$")
RAW = re.compile(r'(?:u8|u|U|L)?R"([^(]*)\(')


def literals(source):
    """Each string literal as (line, text, translated); one that continues the literal before it
    shares its verdict."""
    found, context, between, at = [], "", "", 0
    while at < len(source):
        if source.startswith("//", at) or source.startswith("/*", at):
            line = source[at + 1] == "/"
            end = source.find("\n" if line else "*/", at)
            at = len(source) if end < 0 else end + (0 if line else 2)
            continue
        raw = RAW.match(source, at)
        if raw and (at == 0 or not (source[at - 1].isalnum() or source[at - 1] == "_")):
            end = source.index(")" + raw.group(1) + '"', raw.end())
            text, after = source[raw.end():end], end + len(raw.group(1)) + 2
        elif source[at] in "\"'":
            end = at + 1
            while source[end] != source[at]:
                end += 2 if source[end] == "\\" else 1
            if source[at] == "'":
                between += " "
                at = end + 1
                continue
            text, after = source[at + 1:end], end + 1
        else:
            between += source[at]
            at += 1
            continue
        code = re.sub(r"(?:u8|u|U|L)$", "", between)
        if found and not code.strip():
            translated = found[-1][2]
        else:
            context = (context + code)[-200:]
            translated = bool(OPENS.search(context))
        found.append((source.count("\n", 0, at) + 1, text, translated))
        context, between, at = context + '""', "", after
    return found


def main():
    folders = [word for line in open("layers.txt") if not line.startswith("#") for word in line.split()]
    files = subprocess.run(["git", "ls-files", *folders], capture_output=True, text=True, check=True)
    allowed = {}
    for number, line in enumerate(open("translations/untranslated.txt", encoding="utf-8"), 1):
        if line.strip() and not line.startswith("#"):
            path, text, reason = (line.rstrip("\n").split("\t") + ["", ""])[:3]
            if not reason.strip():
                sys.exit(f"untranslated.txt:{number}: an allowance needs a file, a text and a reason")
            allowed[(path, text)] = False
    bad = []
    for path in files.stdout.split():
        if not path.endswith((".cpp", ".h")):
            continue
        for line, text, translated in literals(open(path, encoding="utf-8").read()):
            if translated or not CHINESE.search(text):
                continue
            for key in ((path, text), (path, "*")):
                if key in allowed:
                    allowed[key] = True
                    break
            else:
                bad.append(f"{path}:{line}: \"{text}\" is not translated")
    bad += [f"untranslated.txt: no literal \"{text}\" in {path} any more" for (path, text), used in allowed.items()
            if not used]
    for message in bad:
        print("check-translations:", message, file=sys.stderr)
    if bad:
        sys.exit("check-translations: give each text to tr(), or allow it with its reason in translations/untranslated.txt")


main()
