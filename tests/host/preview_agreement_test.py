"""The preview draws what the macro does: for every end, pair and leg on the
rows of host_macro_test.py, the angles the stand-in host placed on a beam
and the angles of vpa-macro preview for the same row have the same ends,
faces, H, top and bottom, and each outline is drawn
(bottom - top) inches tall at the drawing's one scale.

python3 preview_agreement_test.py VPA_MACRO TEMPLATE_DIR"""

import itertools
import json
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

sys.dont_write_bytecode = True  # keep the source tree clean
from host_macro_test import ENDS, ROWS  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
BEAM = "W16"  # picked in the first script, long enough to tell its ends apart
TOLERANCE = 1e-9


def Flags(end, pair, leg, row):
    section = row[0]
    (h, _), (v1, _), (v2, _), (l, _) = row[1:]
    return ["--end", end, "--section", section, "--pair", pair, "--leg", leg,
            "--h", h, "--v1", v1, "--v2", v2, "--l", l]


def Placed(vpa_macro, folder, flags):
    """(end, face, h, top, bottom) of each angle the host placed on BEAM."""
    subprocess.run([vpa_macro, "--folder", folder, "write"] + flags,
                   check=True, capture_output=True)
    run = subprocess.run([sys.executable, os.path.join(HERE, "run_macro.py"),
                          os.path.join(folder, "0PY", "0.PY")],
                         check=True, capture_output=True, text=True)
    result = json.loads(run.stdout)
    length = result["members"][BEAM]["length"]
    placed = []
    for angle in result["scripts"]["three beams"]["angles"]:
        if angle["member"] != BEAM:
            continue
        (x, y1, z), (_, y2, _) = angle["point1"], angle["point2"]
        right = x > length / 2.0
        placed.append(("right" if right else "left", "near" if z > 0 else "far",
                       length - x if right else x, min(-y1, -y2), max(-y1, -y2)))
    return placed


def Drawn(vpa_macro, flags):
    """(end, face, h, top, bottom) of each angle in the preview, and the
    outlines whose drawn height is not their length at the scale."""
    run = subprocess.run([vpa_macro, "preview"] + flags, check=True,
                         capture_output=True, text=True)
    svg = ElementTree.fromstring(run.stdout)
    scale = float(svg.get("data-twips-per-inch"))
    drawn, wrong = [], []
    for element in svg.iter():
        if element.get("data-end") is None:
            continue
        top, bottom = float(element.get("data-top")), float(element.get("data-bottom"))
        drawn.append((element.get("data-end"), element.get("data-face"),
                      float(element.get("data-h")), top, bottom))
        want = max(15, (bottom - top) * scale)  # never thinner than a pixel
        if abs(float(element.get("height")) - want) > 1:
            wrong.append("%s %s drawn %s twips tall, want %.1f" % (
                drawn[-1][:2] + (element.get("height"), want)))
    return drawn, wrong


def Same(a, b):
    # The drawing goes left to right; the macro adds the right end first.
    a, b = sorted(a), sorted(b)
    return len(a) == len(b) and all(
        p[:2] == q[:2] and all(abs(x - y) < TOLERANCE for x, y in zip(p[2:], q[2:]))
        for p, q in zip(a, b))


def main():
    vpa_macro, template_dir = sys.argv[1:3]
    folder = tempfile.mkdtemp(prefix="vpa-preview-")
    failed = checked = 0
    try:
        shutil.copytree(template_dir, os.path.join(folder, "PythonFiles"))
        os.mkdir(os.path.join(folder, "0PY"))
        for end, pair, leg, row in itertools.product(
                ENDS, ("1", "2"), ("Long", "Short"), ROWS):
            flags = Flags(end, pair, leg, row)
            placed = Placed(vpa_macro, folder, flags)
            drawn, wrong = Drawn(vpa_macro, flags)
            checked += 1
            if not placed or not Same(placed, drawn) or wrong:
                failed += 1
                print("FAIL %s\n     host    %s\n     preview %s\n     %s"
                      % (" ".join(flags), placed, drawn, wrong))
    finally:
        shutil.rmtree(folder)
    print("preview against the host: %d rows, %d failed" % (checked, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
