"""Reads a DXF drawing of the section sheet with ezdxf and checks it.

usage: check_dxf.py drawing.dxf wall.txt [--used LAYER ...] [--text TEXT ...]

wall.txt holds the expected wall, one "x y" point a line. Each layer after
--used must have entities on it; each text after --text must be among the
drawing's texts as a reader shows them. Prints what is wrong and exits 1, or
exits 0.
"""
import argparse
import sys

import ezdxf

LAYERS = {"0", "wall", "faces", "ledges", "ground", "dimensions", "text", "detail", "frame"}


def main(path, wall_path, used_layers, texts):
    problems = []
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    problems += [f"audit error: {e.message}" for e in auditor.errors]
    problems += [f"audit fix: {f.message}" for f in auditor.fixes]
    if doc.dxfversion != "AC1009":
        problems.append(f"version {doc.dxfversion}, not AC1009")

    defined = {layer.dxf.name for layer in doc.layers}
    missing = LAYERS - defined
    if missing:
        problems.append(f"layers not defined: {sorted(missing)}")
    msp = doc.modelspace()
    used = {entity.dxf.layer for entity in msp}
    if not used <= LAYERS:
        problems.append(f"entities on unknown layers: {sorted(used - LAYERS)}")
    for name in used_layers:
        if name not in used:
            problems.append(f"nothing on layer {name}")
    if "DASHED" not in doc.linetypes:
        problems.append("no DASHED line type")

    with open(wall_path) as f:
        expected = [tuple(float(v) for v in line.split()) for line in f if line.strip()]
    walls = msp.query('POLYLINE[layer=="wall"]')
    if len(walls) != 1:
        problems.append(f"{len(walls)} wall polylines, not 1")
    else:
        points = [(v.dxf.location.x, v.dxf.location.y) for v in walls[0].vertices]
        if points != expected:
            diff = next((i for i, (a, b) in enumerate(zip(points, expected)) if a != b), None)
            problems.append(
                f"wall has {len(points)} points, expected {len(expected)}; first difference at {diff}"
            )

    shown = {t.plain_text() for t in msp.query("TEXT")}
    for text in texts:
        if text not in shown:
            problems.append(f"no text {text!r}")

    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("drawing")
    parser.add_argument("wall")
    parser.add_argument("--used", nargs="*", default=[])
    parser.add_argument("--text", nargs="*", default=[])
    args = parser.parse_args()
    sys.exit(main(args.drawing, args.wall, args.used, args.text))
