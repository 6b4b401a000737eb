#!/usr/bin/env python3
"""Builds the wire catalogue in data/ from the wire reference tables.

    python3 scripts/make_wire_data.py [--source DIR] [--out DIR] [--check]

--source  folder of the reference CSVs (default: ../shared/wire-reference beside the
          repository)
--out     folder to write into (default: data/ of the repository)
--check   write nothing; fail when a file in --out differs from what would be written

The generated files are committed; the build never runs this script. Every file is
Windows-1251 text with CR LF line ends and decimal commas, one "key<TAB>= value" line
per key. A size file holds only d1, diz1, m1, d2, ... in ascending copper diameter.
Figures are copied digit for digit from the reference; only the decimal point becomes
a comma. Each file is read back and checked before it is written; any doubt stops
the script with a message and nothing is written.
"""

import argparse
import csv
import math
import re
import sys
from pathlib import Path

COPPER_DENSITY = 8.89   # g/cm3; 1 mm2 x 1 m = 1 cm3
ENAMEL_DENSITY = 1.30   # g/cm3, the reference's assumption for its computed masses
MAX_MASS_RATIO = 1.15   # enamel adds at most 15 % to the copper
MAX_BUILD = 0.2         # mm, largest plausible diameter increase by the enamel
MIN_COPPER = 0.001      # mm
MAX_FILE_BYTES = 9999   # every text file of the format stays within this

KIND_LIST = "Провода.txt"


class DataError(Exception):
    pass


def fail(msg):
    raise DataError(msg)


class Entry:
    """One standard size: the figures as text (point decimals), and why diz is an estimate."""

    def __init__(self, d, diz, m, estimate=None):
        self.d, self.diz, self.m = d, diz, m
        self.estimate = estimate  # None when diz is a published maximum


NUMBER = re.compile(r"^[0-9]+\.[0-9]+$")
NEIGHBOUR_RULE = re.compile(r"neighbour-increment rule gives about ([0-9]+\.[0-9]+)")


def read_csv(folder, name):
    path = folder / name
    try:
        with open(path, encoding="utf-8", newline="") as f:
            rows = list(csv.DictReader(f))
    except OSError as e:
        fail(f"{path}: {e.strerror}")
    if not rows:
        fail(f"{path}: no rows")
    for i, row in enumerate(rows, start=2):
        row["_where"] = f"{name} line {i}"
    return rows


def figure(row, column):
    text = (row.get(column) or "").strip()
    if not NUMBER.match(text):
        fail(f"{row['_where']}: {column} is not a plain decimal figure: {text!r}")
    return text


def neighbour_estimate(row):
    m = NEIGHBOUR_RULE.search(row["note"])
    if not m:
        fail(f"{row['_where']}: overall diameter empty and the note gives no estimate")
    return m.group(1)


def iec_entries(rows):
    out = []
    for row in rows:
        d, m = figure(row, "copper_mm"), figure(row, "mass_g_per_m")
        if row["overall_max_mm"].strip():
            out.append(Entry(d, figure(row, "overall_max_mm"), m))
        else:
            out.append(Entry(d, neighbour_estimate(row), m, "neighbour-increment rule"))
    return out


def russian_entries(rows, grade2):
    """The grade 2 proxy column; where it is empty, the grade 2 estimate of the same size."""
    by_size = {e.d: e for e in grade2}
    out = []
    for row in rows:
        d, m = figure(row, "copper_mm"), figure(row, "mass_g_per_m")
        if row["overall_max_mm"].strip():
            fail(f"{row['_where']}: a grade's own maximum appeared; decide how to use it")
        g2 = by_size.get(d)
        if g2 is None:
            fail(f"{row['_where']}: no grade 2 size {d} to stand in for it")
        if row["proxy_overall_max_mm"].strip():
            diz = figure(row, "proxy_overall_max_mm")
            if g2.estimate or diz != g2.diz:
                fail(f"{row['_where']}: proxy {diz} is not the grade 2 maximum {g2.diz}")
            out.append(Entry(d, diz, m))
        else:
            if not g2.estimate:
                fail(f"{row['_where']}: proxy empty though grade 2 has a maximum {g2.diz}")
            out.append(Entry(d, g2.diz, m, "grade 2 neighbour-increment rule"))
    return out


def awg_entries(rows, nominal_gauges):
    """Gauge order reversed into ascending copper; the nominal diameter only where allowed."""
    out = []
    for row in reversed(rows):
        d, m = figure(row, "copper_mm"), figure(row, "mass_g_per_m")
        gauge = int(row["awg"])
        if row["overall_max_mm"].strip():
            out.append(Entry(d, figure(row, "overall_max_mm"), m))
        elif gauge in nominal_gauges:
            out.append(Entry(d, figure(row, "overall_nom_mm"), m, f"nominal (AWG {gauge})"))
        else:
            fail(f"{row['_where']}: AWG {gauge} has no maximum and no agreed substitute")
    return out


def reference_mass(d, de):
    """The reference's formula for a computed mass, g/m."""
    q = math.pi / 4
    return COPPER_DENSITY * q * d * d + ENAMEL_DENSITY * q * (de * de - d * d)


def check_computed_masses(rows, entries, mean_diameter):
    """A computed mass must follow the reference's formula to its 4 figures, with the
    diameter we ship; this catches a row taken from the wrong size or estimate."""
    for row, e in zip(rows, entries):
        if not row["mass_kind"].startswith("computed"):
            continue
        d = float(e.d)
        expect = float(f"{reference_mass(d, mean_diameter(row, e)):.4g}")
        if expect != float(e.m):
            fail(f"{row['_where']}: mass {e.m} does not follow from d {e.d}, diz {e.diz}")


def iec_mean(row, e):
    d = float(e.d)
    return d + 0.8 * (float(e.diz) - d)


def awg_mean(row, e):
    return float(row["overall_nom_mm"])


def size_file_text(entries):
    lines = []
    for n, e in enumerate(entries, start=1):
        for key, value in (("d", e.d), ("diz", e.diz), ("m", e.m)):
            lines.append(f"{key}{n}\t= {value.replace('.', ',')}\r\n")
    return "".join(lines)


def kind_list_text(kinds):
    return "".join(f"Conductor{n}\t= {k}\r\n" for n, k in enumerate(kinds, start=1))


def parse_back(name, data, key_order):
    """Reads a written file as the program would: every line "key\\t= value"."""
    if len(data) > MAX_FILE_BYTES:
        fail(f"{name}: {len(data)} bytes, more than {MAX_FILE_BYTES}")
    text = data.decode("cp1251")
    if not text.endswith("\r\n") or "\n" in text.replace("\r\n", ""):
        fail(f"{name}: not CR LF lines")
    pairs = []
    for line in text[:-2].split("\r\n"):
        key, sep, value = line.partition("\t= ")
        if not sep or not value:
            fail(f"{name}: bad line {line!r}")
        pairs.append((key, value))
    keys = [k for k, _ in pairs]
    if keys != key_order(len(pairs)):
        fail(f"{name}: keys out of order")
    return [v for _, v in pairs]


def check_size_file(name, data):
    def order(count):
        if count % 3:
            fail(f"{name}: {count} lines, not whole entries")
        return [f"{k}{n}" for n in range(1, count // 3 + 1) for k in ("d", "diz", "m")]

    values = parse_back(name, data, order)
    if not values:
        fail(f"{name}: no entry")
    previous = 0.0
    for i in range(0, len(values), 3):
        n = i // 3 + 1
        texts = values[i:i + 3]
        if any(not re.match(r"^[0-9]+,[0-9]+$", t) for t in texts):
            fail(f"{name} entry {n}: not a decimal-comma figure: {texts}")
        d, diz, m = (float(t.replace(",", ".")) for t in texts)
        if not all(math.isfinite(x) for x in (d, diz, m)):
            fail(f"{name} entry {n}: not finite")
        if d < MIN_COPPER or d <= previous:
            fail(f"{name} entry {n}: copper {d} not positive and ascending after {previous}")
        build = diz - d
        if diz < d or not 0 < build <= MAX_BUILD:
            fail(f"{name} entry {n}: enamel build {build:.4f} mm out of (0, {MAX_BUILD}]")
        copper = COPPER_DENSITY * math.pi / 4 * d * d
        if not copper <= m <= MAX_MASS_RATIO * copper:
            fail(f"{name} entry {n}: mass {m} g/m outside {copper:.5g} .. x{MAX_MASS_RATIO}")
        previous = d
    return len(values) // 3


def build(source):
    g1_rows = read_csv(source, "iec60317_grade1.csv")
    g2_rows = read_csv(source, "iec60317_grade2.csv")
    pet_rows = read_csv(source, "pet-155.csv")
    petv_rows = read_csv(source, "petv-2.csv")
    single_rows = read_csv(source, "awg_single_build.csv")
    heavy_rows = read_csv(source, "awg_heavy_build.csv")

    grade1, grade2 = iec_entries(g1_rows), iec_entries(g2_rows)
    pet, petv = russian_entries(pet_rows, grade2), russian_entries(petv_rows, grade2)
    single = awg_entries(single_rows, range(10, 14))
    heavy = awg_entries(heavy_rows, range(10, 24))

    for rows, entries, mean in ((g1_rows, grade1, iec_mean), (g2_rows, grade2, iec_mean),
                                (pet_rows, pet, iec_mean), (petv_rows, petv, iec_mean),
                                (list(reversed(single_rows)), single, awg_mean),
                                (list(reversed(heavy_rows)), heavy, awg_mean)):
        check_computed_masses(rows, entries, mean)

    # Order of the kind list; the program sorts the names itself.
    return [("ПЭТ-155", pet), ("ПЭТВ-2", petv),
            ("МЭК 60317 тип 1", grade1), ("МЭК 60317 тип 2", grade2),
            ("AWG single", single), ("AWG heavy", heavy)]


def main():
    repo = Path(__file__).resolve().parent.parent
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--source", type=Path, default=repo.parent / "shared" / "wire-reference")
    ap.add_argument("--out", type=Path, default=repo / "data")
    ap.add_argument("--check", action="store_true")
    args = ap.parse_args()

    try:
        kinds = build(args.source)
        files = {KIND_LIST: kind_list_text([k for k, _ in kinds]).encode("cp1251")}
        parse_back(KIND_LIST, files[KIND_LIST],
                   lambda count: [f"Conductor{n}" for n in range(1, count + 1)])
        for kind, entries in kinds:
            name = kind + ".txt"
            files[name] = size_file_text(entries).encode("cp1251")
            count = check_size_file(name, files[name])
            estimates = [e for e in entries if e.estimate]
            if args.check:
                continue
            print(f"{name}: {count} sizes, {entries[0].d}..{entries[-1].d} mm, "
                  f"{len(estimates)} estimated diz")
            for e in estimates:
                print(f"    d {e.d}: diz {e.diz} ({e.estimate})")
    except DataError as e:
        print(f"make_wire_data: {e}", file=sys.stderr)
        return 1

    if args.check:
        stale = [n for n, data in files.items()
                 if not (args.out / n).is_file() or (args.out / n).read_bytes() != data]
        for n in stale:
            print(f"make_wire_data: {args.out / n} differs from the reference", file=sys.stderr)
        return 1 if stale else 0

    args.out.mkdir(parents=True, exist_ok=True)
    for name, data in files.items():
        (args.out / name).write_bytes(data)
    print(f"wrote {len(files)} files to {args.out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
