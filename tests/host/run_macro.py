"""Runs one macro file under the stand-in host modules once for each pick
sequence and prints, as JSON by sequence, what the user was asked, when the
highlight was cleared, any error, and every angle added, in the coordinates
of the beam it was added to.
Runs under Python 2.7 and Python 3: python run_macro.py MACRO"""

import json
import os
import sys
import traceback

sys.dont_write_bytecode = True  # keep the source tree clean
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "stand_in"))
import member  # noqa: E402
import param  # noqa: E402
import rolled_section  # noqa: E402
from pick_sequences import SEQUENCES  # noqa: E402


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


def Run(code, picks, clear_selection):
    member.picks[:] = picks
    for record in (member.located, param.cleared, rolled_section.added):
        del record[:]
    param.__all__ = ["Units"] + (["ClearSelection"] if clear_selection else [])
    try:
        exec(code, {"__name__": "__main__"})
        error = None
    except Exception:
        error = traceback.format_exc().strip().splitlines()[-1]
    return {"located": len(member.located),
            "prompts": sorted(set(member.located)),
            "cleared": param.cleared[:], "error": error,
            "angles": [Angle(a) for a in rolled_section.added]}


path = sys.argv[-1]
with open(path, "rb") as macro:
    code = compile(macro.read(), path, "exec")
results = dict((name, Run(code, picks, clear))
               for name, picks, clear, _, _ in SEQUENCES)
beams = dict((name, {"length": shape[3], "tw": shape[5]})
             for name, shape in member.BEAMS.items())
json.dump({"sequences": results, "beams": beams}, sys.stdout)
