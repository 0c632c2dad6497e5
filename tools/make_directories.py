#!/usr/bin/env python3
"""Builds the directory files shipped beside the program from Debian's iso-codes package:

  data/Oksm.xml           every country of ISO 3166-1 (the numeric codes are the ОКСМ codes),
                          with its Russian name upper-cased;
  data/CurrencyRates.xml  every currency of ISO 4217 with its numeric code and Russian name,
                          plus the currencies in use in 2014 that have since been withdrawn;
                          no rates (`kvor import-rates` adds them from the Central Bank's files).

Both are Windows-1251 XML with CR LF line ends. Run from the repository root:
  python3 tools/make_directories.py [ISO_CODES_JSON_DIR] [LOCALE_DIR]
The output is committed; run it again only when the iso-codes data should be taken anew.
"""
import gettext
import json
import os
import sys
from xml.sax.saxutils import escape, quoteattr

JSON_DIR = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/iso-codes/json"
LOCALE_DIR = sys.argv[2] if len(sys.argv) > 2 else "/usr/share/locale"
OUT_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")

# Names the Russian translation lacks or gives wrongly, and the country name the program uses
# for Russia.
COUNTRY_NAMES = {
    "643": "Россия",
    "792": "Турция",
}
CURRENCY_NAMES = {
    "944": "Азербайджанский манат",
    "981": "Лари",
    "324": "Гвинейский франк",
    "174": "Франк Комор",
    "418": "Кип",
    "984": "Мвдол",
    "947": "WIR-евро",
    "948": "WIR-франк",
    "990": "Условная расчётная единица Чили",
    "970": "Единица реальной стоимости (Колумбия)",
    "979": "Мексиканская инвестиционная единица",
    "997": "Доллар США следующего дня",
    "940": "Уругвайское песо в индексированных единицах",
    "927": "Единица номинальной заработной платы (Уругвай)",
    "926": "Цифровой боливар",
    "928": "Боливар соберано",
}
# Entries of the ISO 4217 list that are not currencies.
NOT_CURRENCIES = {"963", "999"}  # XTS (testing), XXX (no currency)
# Currencies in use in 2014 that the list no longer carries.
WITHDRAWN_CURRENCIES = [
    ("974", "Белорусский рубль"),
    ("428", "Латвийский лат"),
    ("440", "Литовский лит"),
    ("478", "Угия"),
    ("678", "Добра"),
    ("937", "Боливар фуэрте"),
]


def translation(domain):
    return gettext.translation(domain, localedir=LOCALE_DIR, languages=["ru"])


def russian(text, tr, overrides, code):
    if code in overrides:
        return overrides[code]
    name = tr.gettext(text)
    if name == text:
        sys.exit(f"no Russian name for {code} {text!r}: add it to the overrides")
    return name


def write(name, root, rows):
    lines = ['<?xml version="1.0" encoding="windows-1251"?>', f"<{root}>"]
    lines += ["\t" + row for row in rows]
    lines.append(f"</{root}>")
    text = "\r\n".join(lines) + "\r\n"
    with open(os.path.join(OUT_DIR, name), "wb") as out:
        out.write(text.encode("cp1251"))


def countries():
    tr = translation("iso_3166-1")
    with open(os.path.join(JSON_DIR, "iso_3166-1.json"), encoding="utf-8") as f:
        entries = json.load(f)["3166-1"]
    rows = []
    for entry in sorted(entries, key=lambda e: e["numeric"]):
        code = entry["numeric"]
        name = russian(entry["name"], tr, COUNTRY_NAMES, code).upper()
        rows.append(f"<Country Code={quoteattr(code)}>{escape(name)}</Country>")
    write("Oksm.xml", "Oksm", rows)
    return len(rows)


def currencies():
    tr = translation("iso_4217")
    with open(os.path.join(JSON_DIR, "iso_4217.json"), encoding="utf-8") as f:
        entries = json.load(f)["4217"]
    named = {}
    for entry in entries:
        code = entry.get("numeric")
        if not code or code in NOT_CURRENCIES:
            continue
        named[code] = russian(entry["name"], tr, CURRENCY_NAMES, code)
    for code, name in WITHDRAWN_CURRENCIES:
        named.setdefault(code, name)
    rows = [f"<Currency Code={quoteattr(code)} Name={quoteattr(named[code])}/>"
            for code in sorted(named)]
    write("CurrencyRates.xml", "CurrencyRates", rows)
    return len(rows)


if __name__ == "__main__":
    print(f"Oksm.xml: {countries()} countries")
    print(f"CurrencyRates.xml: {currencies()} currencies")
