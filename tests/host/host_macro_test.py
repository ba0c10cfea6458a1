"""Writes the macro for every end, pair and leg choice on several rows with
vpa-macro and the shipped templates, runs it under the stand-in host modules
for every script of pick_sequences.py and checks what it does: no traceback
ever; a prompt that names the end; the section looked up once before any
angle; the highlight cleared once, after the picking and before any angle;
the right angles on the right beams (the heel at H from the end's work point
on the right face of the web, the depths V to V + L, a rotation that follows
the work line, one leg flat on the web and one standing out away from it,
the long leg where the row says, pairs mirrored about the web and ends about
mid-span), none on a member that is not a beam and none past a refusal; and
one closing message when, and only when, a member got no angle, a beam was
refused or the job lacks the section, naming each of them.

python3 host_macro_test.py VPA_MACRO TEMPLATE_DIR [--python2]
runs the macros under this Python 3; with --python2, under a Python 2.7: the
one VPA_PYTHON2 names, python2.7 or python2 on PATH, or one that pyenv
installed. Without one it says so and exits 77, which ctest shows as
skipped. The closing table gives each script's passes and failures by end
and pair."""

import glob
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
from pick_sequences import PROMPT, REASONS, SCRIPTS, WHERE, RefusedAngle  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
TOKENS = ("ANGLESHAPE", "zzL", "zzH", "zzV1", "FSV01", "VT.")
ENDS = ("Right End", "Left End", "BOTH Ends")
SKIP = 77  # ctest's SKIP_RETURN_CODE for this test

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
    """(interpreter, where it was looked for): the first that runs as 2.7."""
    root = os.environ.get("PYENV_ROOT") or os.path.expanduser("~/.pyenv")
    candidates = ([os.environ.get("VPA_PYTHON2"), "python2.7", "python2"] +
                  sorted(glob.glob(os.path.join(root, "versions", "2.7*", "bin",
                                                "python2.7")), reverse=True))
    for candidate in filter(None, candidates):
        try:
            subprocess.run([candidate, "-c",
                            "import sys; assert sys.version_info[:2] == (2, 7)"],
                           check=True, capture_output=True)
            return candidate, None
        except (OSError, subprocess.CalledProcessError):
            pass
    return None, ("VPA_PYTHON2, python2.7 and python2 on PATH, and %s"
                  % os.path.join(root, "versions", "2.7*"))


def RunMacro(python, macro):
    """(result, failure) of the macro's runs under the stand-in."""
    run = subprocess.run([python, os.path.join(HERE, "run_macro.py"), macro],
                         capture_output=True, text=True)
    if run.returncode != 0 or run.stderr:
        return None, "%s: %s" % (python, run.stderr.strip().splitlines()[-1:])
    return json.loads(run.stdout), None


def Stops(script, angles):
    """member: the index of the angle the host refuses it, past the last if
    none; and the members whose refused angle stays added but unturned."""
    stops, unturned = {}, []
    for name in script["beams"]:
        call, at = script["refuse"].get(name, (None, angles + 1))
        stops[name] = RefusedAngle(at, angles) - 1
        if call == "Rotate" and stops[name] < angles:
            unturned.append(name)
    return stops, unturned


def Label(members, name):
    """How the message names a member: by its number, where it has one."""
    number = members[name].get("number")
    return None if number is None else "member %d" % number


def MessageFailures(got, script, members, section, stops):
    """One message at the very end when something needs telling, none else."""
    refused = [b for b in script["beams"] if b in script["refuse"]]
    needed = script["told"] or refused or script["lacking"]
    if not needed:
        return ["a message where none is needed: %r" % (got["warned"],)] if got["warned"] else []
    if len(got["warned"]) != 1:
        return ["%d messages, want one" % len(got["warned"])]
    text, added = got["warned"][0]
    failures = []
    if added != len(got["angles"]) + len(got["unturned"]):
        failures.append("the message came before the last angle")
    if script["lacking"]:
        if section not in text or "No angles" not in text:
            failures.append("message %r does not name the section %s" % (text, section))
        return failures
    count = re.search(r"(\d+) vertical angles? added, on (\d+) beams?", text)
    beams = set(a["member"] for a in got["angles"])
    if not count or count.groups() != (str(len(got["angles"])), str(len(beams))):
        failures.append("message %r does not count %d angles on %d beams"
                        % (text, len(got["angles"]), len(beams)))
    for name in script["told"]:
        if Label(members, name) not in text:
            failures.append("message %r does not name %s" % (text, name))
    lines = text.splitlines()
    for name in refused:
        line = [l for l in lines if Label(members, name) in l]
        placed = r"\b%d angles?\b" % stops[name]
        why = REASONS[script["refuse"][name][0]]
        if len(line) != 1 or not re.search(placed, line[0]) or why not in line[0]:
            failures.append("message %r does not say %s got %d angles and why"
                            % (text, name, stops[name]))
    for name in set(script["beams"]) - set(refused):
        if Label(members, name) and Label(members, name) in text:
            failures.append("message %r names %s, which got its angles" % (text, name))
    return failures


def ScriptFailures(got, script, want, end, section, leg, length, members):
    """Everything one script must leave for one macro."""
    angles = len(want)
    stops, unturned = Stops(script, angles)
    failures = []
    if got["error"]:
        failures.append("ended with %s" % got["error"])
    located = script["located"]
    prompts = [PROMPT % WHERE[end]] if located else []
    if got["located"] != located or got["prompts"] != prompts:
        failures.append("asked %d times %s, want %d times %s"
                        % (got["located"], got["prompts"], located, prompts))
    cleared = [[located, 0]] if script["clear"] else []
    if got["cleared"] != cleared:
        failures.append("highlight cleared at %s, want %s" % (got["cleared"], cleared))
    if got["looked_up"] != [[section, 0]]:
        failures.append("section looked up %s, want once before any angle"
                        % (got["looked_up"],))
    order = [a["member"] for a in got["angles"]]
    should = [b for j in range(angles) for b in script["beams"] if j < stops[b]]
    if order != should:
        failures.append("angles on %s, want %s" % (order, should))
    if got["unturned"] != unturned:
        failures.append("unturned angles on %s, want on %s" % (got["unturned"], unturned))
    failures += ["colour %r" % a["colour"] for a in got["angles"]
                 if a["colour"] != "Medium_beam"][:1]
    for beam in script["beams"]:
        on_beam = dict(members[beam], angles=[
            a for a in got["angles"] if a["member"] == beam])
        failures += ["on %s: %s" % (beam, f) for f in
                     AngleFailures(on_beam, want[:stops[beam]], section, leg, length)]
    return failures + MessageFailures(got, script, members, section, stops)


def Check(vpa_macro, folder, python, end, pair, leg, row):
    """(name, failures of the macro itself, {script: its failures})."""
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
    result, failure = RunMacro(python, macro)
    if failure:
        return name, failures + [failure], {}
    scripts = dict((script["name"], ScriptFailures(
        result["scripts"][script["name"]], script, want, end, section, leg,
        l_in, result["members"])) for script in SCRIPTS)
    return name, failures, scripts


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


def Table(outcomes):
    """Each script's passed/failed macros, by end and pair."""
    columns = list(itertools.product(ENDS, ("1", "2")))
    width = max(len(script["name"]) for script in SCRIPTS)
    lines = ["%-*s  %s" % (width, "script", "  ".join(
        "%-10s" % ("%s %s" % (end.split()[0], "pair" if pair == "2" else "one"))
        for end, pair in columns))]
    for script in SCRIPTS:
        cells = []
        for column in columns:
            got = outcomes[script["name"]][column]
            cells.append("%-10s" % ("ok %d" % got[0] if not got[1] else
                                   "FAIL %d/%d" % (got[1], sum(got))))
        lines.append("%-*s  %s" % (width, script["name"], "  ".join(cells)))
    return lines


def main():
    vpa_macro, template_dir = sys.argv[1:3]
    if "--python2" in sys.argv[3:]:
        python, looked = Python2()
        if not python:
            print("*** NO PYTHON 2.7 FOUND: the macros were not run under Python 2.7 "
                  "(looked for %s) ***" % looked)
            return SKIP
    else:
        python = sys.executable
    version = subprocess.run([python, "-c", "import sys; print(sys.version.split()[0])"],
                             check=True, capture_output=True, text=True).stdout.strip()
    print("Running the macros under Python %s: %s" % (version, python))
    failed = passed = 0
    bad_templates = CheckTemplates(template_dir)
    for failure in bad_templates:
        print("FAIL templates: " + failure)
    # script: (end, pair): [macros passed, macros failed]
    outcomes = dict((script["name"], dict(
        (column, [0, 0]) for column in itertools.product(ENDS, ("1", "2"))))
        for script in SCRIPTS)
    folder = tempfile.mkdtemp(prefix="vpa-host-")
    try:
        shutil.copytree(template_dir, os.path.join(folder, "PythonFiles"))
        os.mkdir(os.path.join(folder, "0PY"))
        for end, pair, leg, row in itertools.product(
                ENDS, ("1", "2"), ("Long", "Short"), ROWS):
            name, failures, scripts = Check(vpa_macro, folder, python, end, pair, leg, row)
            print(("FAIL " if failures or any(scripts.values()) else "ok   ") + name)
            for failure in failures:
                print("     " + failure)
            for script in SCRIPTS:
                these = failures + scripts.get(script["name"], ["not run"])
                outcomes[script["name"]][(end, pair)][bool(these)] += 1
                failed += bool(these)
                passed += not these
                for failure in scripts.get(script["name"], []):
                    print("     %s: %s" % (script["name"], failure))
    finally:
        shutil.rmtree(folder)
    print("")
    print("Each script on the %d macros of each end and pair (legs and rows), "
          "under Python %s:" % (2 * len(ROWS), version))
    for line in Table(outcomes):
        print("  " + line)
    failed += bool(bad_templates)
    passed += not bad_templates
    print("host: %d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
