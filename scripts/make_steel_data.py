#!/usr/bin/env python3
"""Builds the steel catalogue data/Стали.txt from the steel reference tables.

    python3 scripts/make_steel_data.py [--source DIR] [--out DIR] [--check]

--source  folder of the reference CSVs (default: ../shared/steel-reference beside the
          repository)
--out     folder to write into (default: data/ of the repository)
--check   write nothing; fail when the file in --out differs from what would be written

The file is committed; the build never runs this script. It is Windows-1251 text with
CR LF line ends and decimal commas, one "key<TAB>= value" line per key, one entry per
grade (data/README.md, "The steel catalogue", names the keys and the rules below).
Figures are copied digit for digit; only the decimal point becomes a comma. The text
is read back and checked before it is written; any doubt stops the script.
"""

import argparse
import csv
import re
import sys
from pathlib import Path

OUT_NAME = "Стали.txt"
FILES = ("grain_oriented.csv", "non_oriented.csv")
MAX_FILE_BYTES = 9999
INDUCTIONS = ("10", "15", "17")
# EN 10106 / EN 10107 names: M<100 x max loss>-<100 x thickness><class>
EN_NAME = re.compile(r"^M(\d{3,4})-(\d{2,3})([A-Z])$")
NAME_POINT = {"A": "15", "S": "17", "P": "17"}  # induction of the encoded maximum
FAMILY = {"A": "NO", "S": "GO", "P": "GO"}
# Where the reference gives no density for a grade: the density of the named maker's
# M800-50A row (STEM). An assumption, listed in data/README.md.
ASSUMED_DENSITY = "7.65"
# Provenance order of the typical rows: a named maker, then a maker's data sheet
# whose maker is not named, then data files that name no maker.
RANK = ("STEM", "MSL", "PYL")
SOURCE_KEYS = {
    "StefanMathis/stem_test_database": "STEM",
    "modelica/ModelicaStandardLibrary": "MSL",
    "Eomys/pyleecan": "PYL",
}
NUMBER = re.compile(r"^[0-9]+(\.[0-9]+)?$")


class DataError(Exception):
    pass


def fail(msg):
    raise DataError(msg)


def read_rows(folder):
    rows = []
    for name in FILES:
        path = folder / name
        try:
            with open(path, encoding="utf-8", newline="") as f:
                part = list(csv.DictReader(f))
        except OSError as e:
            fail(f"{path}: {e.strerror}")
        for i, row in enumerate(part, start=2):
            row["_where"] = f"{name} line {i}"
            rows.append(row)
    if not rows:
        fail(f"{folder}: no rows")
    return rows


def figure(row, column):
    text = (row.get(column) or "").strip()
    if text and not NUMBER.match(text):
        fail(f"{row['_where']}: {column} is not a plain decimal figure: {text!r}")
    return text


def source_key(row):
    """The key of a typical row's single source."""
    for repo, key in SOURCE_KEYS.items():
        if row["source"].startswith(repo + ":"):
            return key
    fail(f"{row['_where']}: typical row from an unknown source {row['source']!r}")


def best(rows, wanted):
    """The row of highest provenance among those with every column of `wanted`."""
    usable = [r for r in rows if all(figure(r, c) for c in wanted)]
    return min(usable, key=lambda r: RANK.index(source_key(r))) if usable else None


class Grade:
    def __init__(self, name):
        self.name = name
        self.family = self.thickness = self.density = ""
        self.max = {}
        self.typ = {}
        self.H = {}
        self.sources = []
        self.density_assumed = False

    def add_source(self, key):
        if key not in self.sources:
            self.sources.append(key)


def grade_from(name, rows):
    m = EN_NAME.match(name)
    if not m:
        fail(f"{name}: not a name of the EN 10106 / EN 10107 form")
    cls = m.group(3)
    if cls not in FAMILY:
        fail(f"{name}: class {cls} unknown")
    g = Grade(name)
    g.family = FAMILY[cls]
    g.thickness = f"{int(m.group(2)) / 100:.2f}"
    maxima = [r for r in rows if r["kind_of_value"] == "max"]
    typical = [r for r in rows if r["kind_of_value"] == "typical"]
    if len(maxima) != 1:
        fail(f"{name}: {len(maxima)} rows of guaranteed maxima, expected one")
    mx = maxima[0]
    point = NAME_POINT[cls]
    value = figure(mx, f"p{point}_50_w_kg")
    if float(value) != int(m.group(1)) / 100 or figure(mx, "thickness_mm") != g.thickness:
        fail(f"{mx['_where']}: the maximum does not follow the name")
    g.max[point] = value
    g.add_source("RULE")

    # Typical losses only from a row whose own thickness is the grade's.
    same = [r for r in typical if figure(r, "thickness_mm") == g.thickness]
    loss_row = best(same, [f"p{p}_50_w_kg" for p in INDUCTIONS])
    if loss_row:
        g.typ = {p: figure(loss_row, f"p{p}_50_w_kg") for p in INDUCTIONS}
        g.add_source(source_key(loss_row))
    with_h = [r for r in typical if any(figure(r, f"h{p}_a_m") for p in INDUCTIONS)]
    h_row = min(with_h, key=lambda r: RANK.index(source_key(r))) if with_h else None
    if h_row:
        g.H = {p: figure(h_row, f"h{p}_a_m") for p in INDUCTIONS if figure(h_row, f"h{p}_a_m")}
        g.add_source(source_key(h_row))
    for row in (loss_row, h_row, best(typical, ["density_g_cm3"])):
        if row and figure(row, "density_g_cm3"):
            g.density = figure(row, "density_g_cm3")
            g.add_source(source_key(row))
            break
    if not g.density:
        g.density = ASSUMED_DENSITY
        g.density_assumed = True
        g.add_source("DENSITY")
    return g


def build(source):
    rows = read_rows(source)
    names = []
    for r in rows:
        if r["grade"] not in names:
            names.append(r["grade"])
    grades = [grade_from(n, [r for r in rows if r["grade"] == n]) for n in names]
    return grades


def comma(text):
    return text.replace(".", ",")


def entry_lines(n, g):
    lines = [("grade", g.name), ("family", g.family), ("thickness", comma(g.thickness)),
             ("density", comma(g.density))]
    for kind, values in (("max", g.max), ("typ", g.typ)):
        for p in INDUCTIONS:
            if p in values:
                lines.append((f"P{p}{kind}_", comma(values[p])))
    for p in INDUCTIONS:
        if p in g.H:
            lines.append((f"H{p}_", comma(g.H[p])))
    lines.append(("source", "; ".join(g.sources)))
    return "".join(f"{key}{n}\t= {value}\r\n" for key, value in lines)


def catalogue_text(grades):
    return "".join(entry_lines(n, g) for n, g in enumerate(grades, start=1))


def check_text(data, grades):
    """Reads the written bytes back as the program would and checks every entry."""
    if len(data) > MAX_FILE_BYTES:
        fail(f"{OUT_NAME}: {len(data)} bytes, more than {MAX_FILE_BYTES}")
    text = data.decode("cp1251")
    if not text.endswith("\r\n") or "\n" in text.replace("\r\n", ""):
        fail(f"{OUT_NAME}: not CR LF lines")
    values = {}
    for line in text[:-2].split("\r\n"):
        key, sep, value = line.partition("\t= ")
        if not sep or not value or key in values:
            fail(f"{OUT_NAME}: bad or repeated line {line!r}")
        values[key] = value
    for n, g in enumerate(grades, start=1):
        def num(key):
            v = values.get(f"{key}{n}")
            return float(v.replace(",", ".")) if v is not None else None

        if values.get(f"grade{n}") != g.name or values.get(f"family{n}") not in ("GO", "NO"):
            fail(f"entry {n}: name or family lost")
        if not 0.05 <= num("thickness") <= 1.5 or not 7.0 <= num("density") <= 8.0:
            fail(f"entry {n} ({g.name}): thickness or density implausible")
        for kind in ("max", "typ", None):
            pts = [num(f"P{p}{kind}_") if kind else num(f"H{p}_") for p in INDUCTIONS]
            pts = [v for v in pts if v is not None]
            if any(v <= 0 for v in pts) or any(a >= b for a, b in zip(pts, pts[1:])):
                fail(f"entry {n} ({g.name}): {kind or 'H'} points not positive and rising")
        for p in INDUCTIONS:
            mx, ty = num(f"P{p}max_"), num(f"P{p}typ_")
            if mx is not None and ty is not None and ty > mx:
                fail(f"entry {n} ({g.name}): typical {ty} above the maximum {mx} at {p}")
        if not values.get(f"source{n}"):
            fail(f"entry {n} ({g.name}): no source")
    if f"grade{len(grades) + 1}" in values:
        fail(f"{OUT_NAME}: more entries than grades")


def main():
    repo = Path(__file__).resolve().parent.parent
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--source", type=Path, default=repo.parent / "shared" / "steel-reference")
    ap.add_argument("--out", type=Path, default=repo / "data")
    ap.add_argument("--check", action="store_true")
    args = ap.parse_args()

    try:
        grades = build(args.source)
        data = catalogue_text(grades).encode("cp1251")
        check_text(data, grades)
    except DataError as e:
        print(f"make_steel_data: {e}", file=sys.stderr)
        return 1

    target = args.out / OUT_NAME
    if args.check:
        if not target.is_file() or target.read_bytes() != data:
            print(f"make_steel_data: {target} differs from the reference", file=sys.stderr)
            return 1
        return 0
    for g in grades:
        typ = ", typical " + "/".join(g.typ[p] for p in INDUCTIONS) if g.typ else ""
        h = ", H " + "/".join(g.H.get(p, "-") for p in INDUCTIONS) if g.H else ""
        dens = " (assumed)" if g.density_assumed else ""
        print(f"{g.name} {g.family} {g.thickness} mm, {g.density} g/cm3{dens}, "
              f"max {g.max}{typ}{h}")
    args.out.mkdir(parents=True, exist_ok=True)
    target.write_bytes(data)
    print(f"wrote {len(grades)} grades to {target}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
