"""Runs one macro file under the stand-in host modules and prints, as JSON,
the beams it asked for and every angle it added, in member coordinates.
With --cancel the user right-clicks the beam prompt.
Runs under Python 2.7 and Python 3: python run_macro.py [--cancel] MACRO"""

import json
import os
import sys

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                "stand_in"))
import member  # noqa: E402
import rolled_section  # noqa: E402

member.cancel = sys.argv[1:2] == ["--cancel"]
path = sys.argv[-1]
with open(path, "rb") as macro:
    code = compile(macro.read(), path, "exec")
exec(code, {"__name__": "__main__"})

beam = member.beam
angles = []
for angle in rolled_section.added:
    angles.append({
        "member": "beam" if angle.Member is beam else repr(angle.Member),
        "point1": beam.ToLocal(angle.Point1),
        "point2": beam.ToLocal(angle.Point2),
        "section": angle.SectionSize,
        "leg": angle.IsLongLegVerticalMaterial,
        "toe": angle.ToeInOrOut,
        "legs": angle.Legs(),
        "length": angle.WorkpointSlopeDistance,
        "rotation": angle.rotation,
    })
json.dump({"located": len(member.located), "beam_length": beam.length,
           "tw": beam.tw, "angles": angles}, sys.stdout)
