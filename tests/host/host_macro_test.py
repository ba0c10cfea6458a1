"""Writes the macro for every end, pair and leg choice with vpa-macro and the
shipped templates, runs it under the stand-in host modules and checks the
angles it adds: how many at which end, H from the end's work point, the
depths V to V + L, the face of the web, the section and the leg setting.

python3 host_macro_test.py VPA_MACRO TEMPLATE_DIR
A working Python 2 (VPA_PYTHON2, or python2.7 / python2 on PATH) runs every
macro as well; without one that check is skipped."""

import json
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
TOKENS = ("ANGLESHAPE", "zzL", "zzH", "zzV1", "FSV01", "VT.")

# end, pair, leg, section, then (entry, inches) for H, V1, V2 and L.
CASES = [
    ("Right End", "1", "Long", "L4x4x1/2",
     ("1-0 1/2", 12.5), ("6", 6), ("9", 9), ("120", 120)),
    ("Right End", "1", "Short", "L2 1/2x2x3/16",
     ("-1.50", -1.5), ("3/4", 0.75), ("0", 0), ("2-6", 30)),
    ("Right End", "2", "Long", "L6x4x3/8",
     ("3", 3), ("1 1/2", 1.5), ("10-6 1/2", 126.5), ("1-0", 12)),
    ("Right End", "2", "Short", "L8x8x1 1/8",
     ("-0-6", -6), ("-1.50", -1.5), ("-3/4", -0.75), ("1-2", 14)),
    ("Left End", "1", "Long", "L6x4x3/8",
     ("2-6", 30), ("6", 6), ("0", 0), ("36", 36)),
    ("Left End", "1", "Short", "L3x3x1/4",
     ("12.5", 12.5), ("-1.50", -1.5), ("1", 1), ("1.5-6", 24)),
    ("Left End", "2", "Long", "L1x1x1/8",
     ("-1 1/2", -1.5), ("4", 4), ("8.25", 8.25), ("48", 48)),
    ("Left End", "2", "Short", "L5x3 1/2x5/8",
     ("0", 0), ("-1-0 1/2", -12.5), ("-1.50", -1.5), ("18", 18)),
    ("BOTH Ends", "1", "Long", "L4x3x5/16",
     ("1-", 12), ("5 3/0", 5), ("7", 7), ("10", 10)),
    ("BOTH Ends", "1", "Short", "L7x4x1/2",
     ("-1.50", -1.5), ("-1.50", -1.5), ("-1.50", -1.5), ("1.50", 1.5)),
    ("BOTH Ends", "2", "Long", "L4x4x1/2",
     ("1-0 1/2", 12.5), ("6", 6), ("9", 9), ("120", 120)),
    ("BOTH Ends", "2", "Short", "L8x6x1",
     ("4", 4), ("-1.50", -1.5), ("2 1/4", 2.25), ("3/4", 0.75)),
]


def Python2():
    candidates = [os.environ.get("VPA_PYTHON2"), "python2.7", "python2"]
    for candidate in filter(None, candidates):
        try:
            subprocess.run([candidate, "-c", "import sys; assert sys.version_info[0] == 2"],
                           check=True, capture_output=True)
            return candidate
        except (OSError, subprocess.CalledProcessError):
            pass
    return None


def Expected(end, pair, h, v1, v2, length, beam_length, tw):
    """(x, first depth, second depth, z) of the work line of each angle."""
    angles = []
    ends = {"Right End": [True], "Left End": [False], "BOTH Ends": [True, False]}
    for right in ends[end]:
        x = beam_length - h if right else h
        for v, z in [(v1, tw / 2), (v2, -tw / 2)][:int(pair)]:
            # Right ends run up from V + L, left ends down from V.
            depths = (v + length, v) if right else (v, v + length)
            angles.append((x, depths, z))
    return angles


def Close(a, b):
    return abs(a - b) < 1e-9


def Check(vpa_macro, folder, python2, case):
    end, pair, leg, section = case[:4]
    (h, h_in), (v1, v1_in), (v2, v2_in), (l, l_in) = case[4:]
    name = "%s, pair %s, %s leg, H %r V1 %r V2 %r L %r" % (
        end, pair, leg, h, v1, v2, l)
    subprocess.run([vpa_macro, "--folder", folder, "write", "--end", end,
                    "--section", section, "--pair", pair, "--leg", leg,
                    "--h", h, "--v1", v1, "--v2", v2, "--l", l],
                   check=True, capture_output=True)
    macro = os.path.join(folder, "0PY", "0.PY")
    with open(macro, "rb") as f:
        text = f.read().decode("ascii")
    failures = []
    if "\n" in text.replace("\r\n", "") or "\r" in text.replace("\r\n", ""):
        failures.append("line ends other than CR LF")
    failures += ["token %s left in the macro" % t for t in TOKENS[:-1] if t in text]
    runs = [sys.executable] + ([python2] if python2 else [])
    results = []
    for python in runs:
        run = subprocess.run([python, os.path.join(HERE, "run_macro.py"), macro],
                             capture_output=True, text=True)
        if run.returncode != 0:
            failures.append("%s: %s" % (python, run.stderr.strip().splitlines()[-1:]))
        else:
            results.append(json.loads(run.stdout))
    if results and any(r != results[0] for r in results):
        failures.append("Python 2 and Python 3 disagree")
    if results:
        got = results[0]
        if got["located"] != 1:
            failures.append("MemberLocate asked %d times" % got["located"])
        want = Expected(end, pair, h_in, v1_in, v2_in, l_in,
                        got["beam_length"], got["tw"])
        if len(got["angles"]) != len(want):
            failures.append("%d angles, want %d" % (len(got["angles"]), len(want)))
        for i, (angle, (x, (d1, d2), z)) in enumerate(zip(got["angles"], want)):
            p1, p2 = angle["point1"], angle["point2"]
            checks = [
                ("x", [p1[0], p2[0]], [x, x]),
                ("depths", [-p1[1], -p2[1]], [d1, d2]),
                ("face", [p1[2], p2[2]], [z, z]),
                ("length", [angle["length"]], [abs(l_in)]),
                ("turn", [angle["rotation"][0] % 360], [0 if z > 0 else 180]),
            ]
            for what, have, should in checks:
                if not all(Close(a, b) for a, b in zip(have, should)):
                    failures.append("angle %d %s %s, want %s" % (i + 1, what, have, should))
            if angle["section"] != section or angle["member"] != "beam":
                failures.append("angle %d section %r on %s" % (i + 1, angle["section"], angle["member"]))
            if angle["leg"] != ("Hz." if leg == "Short" else "VT."):
                failures.append("angle %d leg %r" % (i + 1, angle["leg"]))
    return name, failures


def CheckTemplates(template_dir):
    """Each token once in each template, and no line indented with spaces."""
    failures = []
    for name in sorted(os.listdir(template_dir)):
        with open(os.path.join(template_dir, name), "rb") as f:
            text = f.read().decode("ascii")
        for token in TOKENS:
            if text.count(token) != 1:
                failures.append("%s: %s %d times" % (name, token, text.count(token)))
        if any(line.startswith(" ") for line in text.split("\r\n")):
            failures.append("%s: a line indented with spaces" % name)
    return failures


def main():
    vpa_macro, template_dir = sys.argv[1:3]
    python2 = Python2()
    failed = 0
    bad_templates = CheckTemplates(template_dir)
    for failure in bad_templates:
        print("FAIL templates: " + failure)
    folder = tempfile.mkdtemp(prefix="vpa-host-")
    try:
        shutil.copytree(template_dir, os.path.join(folder, "PythonFiles"))
        os.mkdir(os.path.join(folder, "0PY"))
        for case in CASES:
            name, failures = Check(vpa_macro, folder, python2, case)
            failed += bool(failures)
            print(("FAIL " if failures else "ok   ") + name)
            for failure in failures:
                print("     " + failure)
    finally:
        shutil.rmtree(folder)
    if not python2:
        print("no Python 2 found (Debian bookworm has none): Python 2.7 run skipped")
    failed += bool(bad_templates)
    print("%d passed, %d failed" % (len(CASES) + 1 - failed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
