"""Writes the macro for every end, pair and leg choice on several rows with
vpa-macro and the shipped templates, runs it under the stand-in host modules
and checks what it adds: how many angles at which end, the heel at H from
the end's work point on the right face of the web, the depths V to V + L,
a rotation that follows the work line, one leg flat on the web and one
standing out away from it, the long leg where the row says, pairs mirrored
about the web and ends about mid-span. Each macro runs for every pick
sequence of pick_sequences.py: every beam picked gets the row's angles once,
a beam picked again nothing more, a right click or None ends the picking,
and so does the cap; with no beam picked nothing is added and nothing fails.

python3 host_macro_test.py VPA_MACRO TEMPLATE_DIR
A working Python 2 (VPA_PYTHON2, or python2.7 / python2 on PATH) runs every
macro as well; without one that check is skipped."""

import itertools
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # keep the source tree clean
from angle_checks import AngleFailures, Expected, HeaderFailures  # noqa: E402
from pick_sequences import PROMPT, SEQUENCES  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
TOKENS = ("ANGLESHAPE", "zzL", "zzH", "zzV1", "FSV01", "VT.")
ENDS = ("Right End", "Left End", "BOTH Ends")

# section, then (entry, inches) for H, V1, V2 and L.
ROWS = [
    ("L4x4x1/2", ("1-0 1/2", 12.5), ("6", 6), ("9", 9), ("120", 120)),
    ("L6x4x3/8", ("3", 3), ("1 1/2", 1.5), ("10-6 1/2", 126.5), ("1-0", 12)),
    ("L2 1/2x2x3/16",
     ("-1.50", -1.5), ("3/4", 0.75), ("0", 0), ("2-6", 30)),
    ("L8x6x1", ("-0-6", -6), ("-1.50", -1.5), ("-3/4", -0.75), ("1-2", 14)),
    ("L5x3 1/2x5/8",
     ("1-", 12), ("5 0/3", 5), ("-1.50", -1.5), ("1.5-6", 24)),
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


def RunMacro(python, macro):
    """(result, failure) of the macro's runs under the stand-in."""
    run = subprocess.run([python, os.path.join(HERE, "run_macro.py"), macro],
                         capture_output=True, text=True)
    if run.returncode != 0 or run.stderr:
        return None, "%s: %s" % (python, run.stderr.strip().splitlines()[-1:])
    return json.loads(run.stdout), None


def PickFailures(got, clear_selection, located):
    """The prompt, how often it was asked, and the highlight cleared once
    after the picking and before any angle."""
    failures = []
    if got["error"]:
        failures.append("ended with %s" % got["error"])
    if got["located"] != located or got["prompts"] != [PROMPT]:
        failures.append("asked %d times %s, want %d times %r"
                        % (got["located"], got["prompts"], located, PROMPT))
    cleared = [[located, 0]] if clear_selection else []
    if got["cleared"] != cleared:
        failures.append("highlight cleared at %s, want %s" % (got["cleared"], cleared))
    return failures


def SequenceFailures(result, want, section, leg, length):
    """Each block adds its angle to every beam picked, in the order picked;
    each beam's angles stand on it as the row says."""
    failures = []
    for name, _, clear_selection, located, beams in SEQUENCES:
        got = result["sequences"][name]
        these = PickFailures(got, clear_selection, located)
        order = [a["member"] for a in got["angles"]]
        if order != [b for _ in want for b in beams]:
            these.append("angles on %s, want each block on %s" % (order, beams))
        these += ["colour %r" % a["colour"] for a in got["angles"]
                  if a["colour"] != "Medium_beam"][:1]
        for beam in beams:
            on_beam = dict(result["beams"][beam], angles=[
                a for a in got["angles"] if a["member"] == beam])
            these += ["on %s: %s" % (beam, f) for f in
                      AngleFailures(on_beam, want, section, leg, length)]
        failures += ["%s: %s" % (name, f) for f in these]
    return failures


def Check(vpa_macro, folder, pythons, end, pair, leg, row):
    section = row[0]
    (h, h_in), (v1, v1_in), (v2, v2_in), (l, l_in) = row[1:]
    name = "%s, pair %s, %s leg, %s H %r V1 %r V2 %r L %r" % (
        end, pair, leg, section, h, v1, v2, l)
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
    want = Expected(end, pair, h_in, v1_in, v2_in, l_in)
    failures += HeaderFailures(text, want, section)
    results = []
    for python in pythons:
        result, failure = RunMacro(python, macro)
        if failure:
            failures.append(failure)
        else:
            results.append(result)
    if any(r != results[0] for r in results):
        failures.append("Python 2 and Python 3 disagree")
    if results:
        failures += SequenceFailures(results[0], want, section, leg, l_in)
    return name, failures


def CheckTemplates(template_dir):
    """Each token bound once to a name and written nowhere else; no line
    indented with spaces."""
    failures = []
    for name in sorted(os.listdir(template_dir)):
        with open(os.path.join(template_dir, name), "rb") as f:
            lines = f.read().decode("ascii").split("\r\n")
        for token in TOKENS:
            binding = re.compile(r'^[a-z_]+ = (float\()?"%s"\)?$' % re.escape(token))
            bound = [line for line in lines if binding.match(line)]
            stray = [line for line in lines if token in line and line not in bound]
            if len(bound) != 1 or stray:
                failures.append("%s: %s bound %d times, also in %s"
                                % (name, token, len(bound), stray))
        if any(line.startswith(" ") for line in lines):
            failures.append("%s: a line indented with spaces" % name)
    return failures


def main():
    vpa_macro, template_dir = sys.argv[1:3]
    python2 = Python2()
    pythons = [sys.executable] + ([python2] if python2 else [])
    failed = passed = 0
    bad_templates = CheckTemplates(template_dir)
    for failure in bad_templates:
        print("FAIL templates: " + failure)
    folder = tempfile.mkdtemp(prefix="vpa-host-")
    try:
        shutil.copytree(template_dir, os.path.join(folder, "PythonFiles"))
        os.mkdir(os.path.join(folder, "0PY"))
        for end, pair, leg, row in itertools.product(
                ENDS, ("1", "2"), ("Long", "Short"), ROWS):
            name, failures = Check(vpa_macro, folder, pythons, end, pair, leg, row)
            failed += bool(failures)
            passed += not failures
            print(("FAIL " if failures else "ok   ") + name)
            for failure in failures:
                print("     " + failure)
    finally:
        shutil.rmtree(folder)
    if not python2:
        print("no Python 2 found (Debian bookworm has none): Python 2.7 run skipped")
    failed += bool(bad_templates)
    passed += not bad_templates
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
