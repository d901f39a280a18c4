#!/usr/bin/python3
"""Reads converted vCards with vobject, a reader that is not ours, and compares the values it
finds with those we expect.

usage: vobject_check.py CARDS.vcf EXPECTED.json

EXPECTED holds one object per card: "FN", "EMAIL", "TEL" lists of texts, "N" and "ADR" lists of
lists of parts. Exits 0 when every card reads and every value agrees, 1 otherwise."""
import json
import sys

import vobject


def text(value):
    if isinstance(value, list):
        return ",".join(value).strip()
    return str(value).strip()


def values(card, name):
    return card.contents.get(name, [])


def parts(value, fields):
    return [text(getattr(value, field)) for field in fields]


NAME_FIELDS = ["family", "given", "additional", "prefix", "suffix"]
ADDRESS_FIELDS = ["box", "extended", "street", "city", "region", "code", "country"]


def read(card):
    return {
        "FN": [text(line.value) for line in values(card, "fn")],
        "EMAIL": [text(line.value) for line in values(card, "email")],
        "TEL": [text(line.value) for line in values(card, "tel")],
        "N": [parts(line.value, NAME_FIELDS) for line in values(card, "n")],
        "ADR": [parts(line.value, ADDRESS_FIELDS) for line in values(card, "adr")],
    }


def main():
    with open(sys.argv[1], encoding="utf-8", newline="") as cards_file:
        cards = list(vobject.readComponents(cards_file.read()))
    with open(sys.argv[2], encoding="utf-8") as expected_file:
        expected = json.load(expected_file)
    if len(cards) != len(expected):
        print(f"vobject read {len(cards)} cards; {len(expected)} were written")
        return 1
    failures = 0
    for number, (card, wanted) in enumerate(zip(cards, expected), start=1):
        found = read(card)
        for name, value in wanted.items():
            if found[name] != value:
                failures += 1
                print(f"card {number} {name}: vobject {found[name]!r}, ours {value!r}")
    print(f"{len(cards)} cards read by vobject, {failures} values differ")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
