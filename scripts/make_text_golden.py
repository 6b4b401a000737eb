#!/usr/bin/env python3
"""Writes tests/texts/golden_ru.txt or golden_en.txt: random designs of every core
kind and what velmora-cli answers for each of them in that language (the JSON, the
text output and the report bytes). The files pin the texts, so that a change to how
they are rendered cannot alter a byte unnoticed. Regenerate one only when a text of
its language is meant to change, and check that the diff touches only those lines:

    scripts/make_text_golden.py path/to/velmora-cli data > tests/texts/golden_ru.txt
    scripts/make_text_golden.py path/to/velmora-cli data en > tests/texts/golden_en.txt
"""
import os
import random
import subprocess
import sys
import tempfile

LANG = []
KINDS = ["ПЭТ-155", "ПЭТВ-2", "МЭК 60317 тип 1", "МЭК 60317 тип 2", "AWG single", "AWG heavy"]


def num(rng, lo, hi, decimals):
    text = f"{rng.uniform(lo, hi):.{decimals}f}"
    return text.replace(".", ",") if rng.random() < 0.3 else text


def design(rng, n):
    core = n % 5
    s = {"core": str(core)}
    if core == 0:
        D = rng.uniform(30, 160)
        d = rng.uniform(0.35, 0.7) * D
        s.update(lst=f"{D:.0f}", hst=f"{d:.0f}", lok=f"{rng.uniform(10, 60):.0f}")
    else:
        a = rng.uniform(8, 40)
        s.update(lst=f"{a:.0f}", hst=f"{a * rng.uniform(1, 2):.0f}",
                 lok=f"{a * rng.uniform(0.6, 1.3):.0f}", hok=f"{a * rng.uniform(1.5, 3):.0f}")
    s["Bm"] = num(rng, 1.0, 1.8, 2)
    s["j"] = num(rng, 2.0, 5.0, 1)
    s["F"] = rng.choice(["50", "60", "400", "50"])
    u1 = rng.choice([110, 127, 220, 230, 240])
    s["U1nom"], s["U1max"] = str(u1), str(round(u1 * rng.uniform(1.0, 1.2)))
    s["megsl"] = num(rng, 0.02, 0.2, 2)
    s["megob"] = num(rng, 0.05, 0.5, 2)
    for i in range(1, 6):
        used = i == 1 or rng.random() < 0.3
        s[f"U2_{i}"] = num(rng, 3, 60, 1) if used else ""
        s[f"I2_{i}"] = num(rng, 0.05, 2.5, 2) if used else ""
        s[f"double2_{i}"] = "1" if used and rng.random() < 0.25 else "0"
        s[f"d2{i}"] = num(rng, 0.1, 2.0, 2) if rng.random() < 0.3 else ""
    s["d11"] = num(rng, 0.1, 1.5, 2) if rng.random() < 0.3 else ""
    s["use_d"] = "1" if rng.random() < 0.2 else "0"
    s["Conductor"] = rng.choice(KINDS)
    if rng.random() < 0.08:  # overfills
        s["I2_1"] = num(rng, 30, 300, 0)
    if rng.random() < 0.05:  # refusals
        s[rng.choice(["lst", "j", "F", "Bm", "U1nom"])] = rng.choice(["0", "-5", "abc"])
    if rng.random() < 0.05:  # a kind that is not there
        s["Conductor"] = "Нет такого"
    if rng.random() < 0.05:  # a text that is not wholly a number
        s["U2_1"] = rng.choice(["5O", "12 В", "1,2,3"])
    if rng.random() < 0.1:  # user-set bobbin sizes
        s["razmery"] = "1"
        s["hkar"], s["hkar1"], s["lkar"] = "30", "40", "35"
    return s


def run(cli, data, sets, extra):
    args = [cli, "--data", data] + LANG
    for k, v in sets.items():
        args += ["--set", f"{k}={v}"]
    return subprocess.run(args + extra, capture_output=True).stdout


def block(name, payload):
    sys.stdout.buffer.write(f"@@ {name} {len(payload)}\n".encode() + payload + b"\n")


def main():
    global LANG
    cli, data = sys.argv[1], sys.argv[2]
    LANG = ["--lang", sys.argv[3]] if len(sys.argv) > 3 else []
    rng = random.Random(1251)
    with tempfile.TemporaryDirectory() as tmp:
        report = os.path.join(tmp, "report.txt")
        for n in range(300):
            sets = design(rng, n)
            block("case", "".join(f"{k}={v}\n" for k, v in sets.items()).encode())
            block("json", run(cli, data, sets, ["--json"]))
            block("text", run(cli, data, sets, []))
            if os.path.exists(report):
                os.remove(report)
            run(cli, data, sets, ["--report", report])
            block("report", open(report, "rb").read() if os.path.exists(report) else b"")


main()
