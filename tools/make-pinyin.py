#!/usr/bin/env python3
"""Writes tracking/companypinyin.inc: for each company of the catalogue, in its order, the
pinyin of its name (one word a syllable, tones stripped; a run of Latin letters or of digits is a
word of its own) and its Latin names, which the company list's typing search matches.

Source: the Unihan database of Debian's unicode-data package, Unihan_Readings.txt.bz2, whose
kMandarin field gives a character's most common Mandarin reading (the first, where it gives two).
A character that reads otherwise in a company's name is corrected below, with the reason.

Run by hand from the top of the project after a change to the catalogue:
    python3 tools/make-pinyin.py [path/to/Unihan_Readings.txt.bz2]
The output depends only on the catalogue and the database, so a rerun gives the same file.
"""

import bz2
import os
import re
import sys
import unicodedata

UNIHAN = "/usr/share/unicode/Unihan_Readings.txt.bz2"
CATALOGUE = "tracking/catalogue.cpp"
OUTPUT = "tracking/companypinyin.inc"

# Every character of the names with more than one reading in the database was checked against
# its name; these are the ones whose most common reading is not the one the name uses.
CORRECTIONS = {
    # 长 is zhǎng most often; the company's own romanised name (its service code) is changtong.
    ("长通物流", "长"): "chang",
    # 成都, the city, is Chéngdū (the standard reading of the place name), not dōu.
    ("成都奔腾国际快递", "都"): "du",
    ("成都立即送快递", "都"): "du",
    # 天地 (heaven and earth) is tiāndì; kMandarin's first reading is the particle de.
    ("天地华宇物流", "地"): "di",
}

# Latin names the company goes by beside its Chinese name: its own brand names, as written on
# its parcels and its website. A Latin run inside a catalogue name (EMS, DHL, KCS) is one too.
BRANDS = {
    "顺丰快递": ["sf"],  # SF Express
    "申通快递": ["sto"],  # STO Express
    "圆通快递": ["yto"],  # YTO Express
    "中通快递": ["zto"],  # ZTO Express
    "宅急送快递": ["zjs"],  # ZJS Express
}


def plain(reading):
    """The reading in plain letters: tone marks gone, ü as v, as typed on a keyboard."""
    reading = reading.replace("ü", "v").replace("Ü", "v")
    decomposed = unicodedata.normalize("NFD", reading)
    return "".join(c for c in decomposed if unicodedata.category(c) != "Mn").lower()


def readings(path):
    found = {}
    with bz2.open(path, "rt", encoding="utf-8") as lines:
        for line in lines:
            fields = line.rstrip("\n").split("\t")
            if len(fields) == 3 and fields[1] == "kMandarin":
                found[chr(int(fields[0][2:], 16))] = plain(fields[2].split()[0])
    return found


def words(name, reading):
    result = []
    for run in re.findall(r"[A-Za-z]+|[0-9]+|[^\x00-\x7f]", name):
        if run.isascii():
            result.append(run.lower())
        elif unicodedata.category(run) == "Lo":
            result.append(CORRECTIONS.get((name, run)) or reading[run])
    return result


def main():
    reading = readings(sys.argv[1] if len(sys.argv) > 1 else UNIHAN)
    with open(CATALOGUE, encoding="utf-8") as source:
        names = re.findall(r'\{u"([^"]+)", "[a-z0-9]+"\}', source.read())
    unused = set(CORRECTIONS) - {(n, c) for n in names for c in n}
    unknown = set(BRANDS) - set(names)
    if unused or unknown:
        sys.exit(f"not in the catalogue: {sorted(unused)} {sorted(unknown)}")
    out = [
        "// Made by tools/make-pinyin.py from the Unihan database; edit the script, not this file.",
        "// Per company in catalogue order: its pinyin, a word a syllable, and its Latin names.",
    ]
    for name in names:
        latin = [run.lower() for run in re.findall(r"[A-Za-z]+", name)] + BRANDS.get(name, [])
        out.append(f'{{"{" ".join(words(name, reading))}", "{" ".join(latin)}"}}, // {name}')
    with open(OUTPUT, "w", encoding="utf-8", newline="\n") as target:
        target.write("\n".join(out) + "\n")
    print(f"{OUTPUT}: {len(names)} companies")


if __name__ == "__main__":
    main()
