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

# Grain-oriented grades of the AISI designation, from a table of guaranteed figures that
# three suppliers' pages print alike (data/README.md, key CRGO): name, thickness, P1.5
# max, P1.7 max (W/kg, 50 Hz), guaranteed minimum induction at 800 A/m (T), and the
# stacking factor where the supplier states one (key EVG).
AISI_GO = (
    ("M-6 0.35", "0.35", "1.11", "1.57", "1.80", None),
    ("M-5 0.35", "0.35", "1.01", "1.45", "1.80", None),
    ("M-5 0.30", "0.30", "0.97", "1.39", "1.80", "0.965"),
    ("M-4 0.30", "0.30", "0.90", "1.32", "1.80", None),
    ("M-4 0.27", "0.27", "0.89", "1.27", "1.80", "0.96"),
)
# Their density: "an assumed density 7.65 kg/dm3" of the same table (EVG).
AISI_DENSITY = "7.65"
# M-6 typical DC permeability (EDCOR "M-6 steel lamination"): relative permeability
# 47,000 / 50,000 / 17,000 / 6,000 at 16,000 / 10,000 / 1,000 / 100 gauss, turned into
# peak field H = B / (μ0 · μr) at 1.6 / 1.0 / 0.1 / 0.01 T (rounded to 0.01 A/m below
# 10 A/m, else 0.1 A/m), and its saturation induction, 20,300 gauss.
EDCOR_M6 = {"B": ("0.01", "0.1", "1.0", "1.6"), "mu": (6000, 17000, 50000, 47000), "Bsat": "2.03"}
# The named maker's M800-50A curve, H against J from 0.5 to 1.9 T (STEMCURVE): the
# three points of the reference CSV and the rest of the same file.
STEM_M800_CURVE = {
    "B": ("0.5", "0.6", "0.7", "0.8", "0.9", "1.0", "1.1", "1.2", "1.3", "1.4", "1.5", "1.6",
          "1.7", "1.8", "1.9"),
    "H": ("130", "141", "153", "166", "181", "198", "221", "252", "304", "409", "680", "1540",
          "3789", "7752", "13730"),
}
MU0 = 4e-7 * 3.141592653589793


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
        self.curveB = ()
        self.curveH = ()
        self.B800 = self.Bsat = self.stacking = ""

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


def aisi_grades():
    out = []
    for name, thickness, p15, p17, b800, stacking in AISI_GO:
        g = Grade(name)
        g.family = "GO"
        g.thickness = thickness
        g.density = AISI_DENSITY
        g.max = {"15": p15, "17": p17}
        g.B800 = b800
        g.add_source("CRGO")
        g.add_source("EVG")
        if stacking:
            g.stacking = stacking
        if name == "M-6 0.35":
            hs = []
            for b, mu in zip(EDCOR_M6["B"], EDCOR_M6["mu"]):
                h = float(b) / (MU0 * mu)
                hs.append(f"{h:.2f}" if h < 10 else f"{h:.1f}")
            g.curveB, g.curveH = EDCOR_M6["B"], tuple(hs)
            g.Bsat = EDCOR_M6["Bsat"]
            g.add_source("EDCOR")
        out.append(g)
    return out


def build(source):
    rows = read_rows(source)
    names = []
    for r in rows:
        if r["grade"] not in names:
            names.append(r["grade"])
    grades = [grade_from(n, [r for r in rows if r["grade"] == n]) for n in names]
    for g in grades:
        if g.name == "M800-50A" and "STEM" in g.sources:
            # The reference's three points must be those of the whole curve.
            curve = dict(zip(STEM_M800_CURVE["B"], STEM_M800_CURVE["H"]))
            for p, b in zip(INDUCTIONS, ("1.0", "1.5", "1.7")):
                if g.H.get(p) != curve[b]:
                    fail(f"M800-50A: H at {b} T {g.H.get(p)} is not the curve's {curve[b]}")
            g.curveB, g.curveH = STEM_M800_CURVE["B"], STEM_M800_CURVE["H"]
            g.add_source("STEMCURVE")
    return grades + aisi_grades()


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
    if g.curveB:
        lines.append(("curveB_", "; ".join(comma(b) for b in g.curveB)))
        lines.append(("curveH_", "; ".join(comma(h) for h in g.curveH)))
    for key, value in (("B800min_", g.B800), ("Bsat_", g.Bsat), ("stacking_", g.stacking)):
        if value:
            lines.append((key, comma(value)))
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
        def listed(key):
            v = values.get(f"{key}{n}")
            return [float(x.replace(",", ".")) for x in v.split("; ")] if v else []

        cb, ch = listed("curveB_"), listed("curveH_")
        if len(cb) != len(ch) or any(v <= 0 for v in cb + ch) or \
                any(a >= b for a, b in zip(cb, cb[1:])) or any(a >= b for a, b in zip(ch, ch[1:])):
            fail(f"entry {n} ({g.name}): curve not positive, rising and paired")
        for key, most in (("B800min_", 2.5), ("Bsat_", 2.5), ("stacking_", 1.0)):
            v = num(key)
            if v is not None and not 0 < v <= most:
                fail(f"entry {n} ({g.name}): {key}{n} outside (0, {most}]")
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
