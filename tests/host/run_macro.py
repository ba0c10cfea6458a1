"""Runs one macro file under the stand-in host modules once for each test
script and prints, as JSON by script, what the user was asked, when the
highlight was cleared, the section looked up, the messages shown, any
error, every angle added and turned, in the coordinates of the member it
was added to, and the members of any angle added but left unturned.
Runs under Python 2.7 and Python 3: python run_macro.py MACRO"""

import json
import os
import re
import sys
import traceback

sys.dont_write_bytecode = True  # keep the source tree clean
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "stand_in"))
import member  # noqa: E402
import param  # noqa: E402
import rolled_section  # noqa: E402
import shape  # noqa: E402
from pick_sequences import REASONS, SCRIPTS, RefusedAngle  # noqa: E402


def Angle(angle):
    beam = angle.Member
    return {
        "member": getattr(beam, "name", repr(beam)),
        "point1": beam.ToLocal(angle.Point1),
        "point2": beam.ToLocal(angle.Point2),
        "section": angle.SectionSize,
        "leg": angle.IsLongLegVerticalMaterial,
        "toe": angle.ToeInOrOut,
        "legs": angle.Legs(),
        "length": angle.WorkpointSlopeDistance,
        "rotation": angle.rotation,
        "colour": angle.MaterialColor3d,
    }


def Run(code, script, angles):
    member.picks[:] = script["picks"]
    for record in (member.located, param.cleared, param.warned,
                   rolled_section.added, shape.looked_up):
        del record[:]
    rolled_section.tries.clear()
    rolled_section.refuse.clear()
    for name, (call, at) in script["refuse"].items():
        rolled_section.refuse[name] = (call, RefusedAngle(at, angles), REASONS[call])
    shape.lacking[0] = script["lacking"]
    param.__all__ = ["Units", "Warning"] + (["ClearSelection"] if script["clear"] else [])
    try:
        exec(code, {"__name__": "__main__"})
        error = None
    except BaseException:
        error = traceback.format_exc().strip().splitlines()[-1]
    turned = [a for a in rolled_section.added if a.rotation is not None]
    return {"located": len(member.located),
            "prompts": sorted(set(member.located)),
            "cleared": param.cleared[:], "warned": param.warned[:],
            "looked_up": shape.looked_up[:], "error": error,
            "angles": [Angle(a) for a in turned],
            "unturned": [a.Member.name for a in rolled_section.added
                         if a.rotation is None]}


path = sys.argv[-1]
with open(path, "rb") as macro:
    source = macro.read()
code = compile(source, path, "exec")
# One angle on each beam from each block: a block opens with its header.
blocks = len(re.findall(br"\r\n# (?:Right|Left) end, (?:near|far) face: ", source))
results = dict((script["name"], Run(code, script, blocks)) for script in SCRIPTS)
members = dict((name, dict(length=length, **more))
               for name, (_, length, _, more) in member.MEMBERS.items())
json.dump({"scripts": results, "members": members}, sys.stdout)
