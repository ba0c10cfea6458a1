"""The picks the stand-in user makes at the beam prompt, and what each
sequence must leave: how often the macro asks, and which beams get angles,
in the order picked. CANCEL is the right click, as stand_in/member.py
names it."""

CANCEL = "right click"
CAP = 1000
PROMPT = "Locate a beam for the vertical angles (right click when done)"

# name, picks, ClearSelection in the host, MemberLocate calls, beams
SEQUENCES = [
    ("three beams", ["W16", "W21", "sloped", CANCEL], True,
     4, ["W16", "W21", "sloped"]),
    ("W16 and W21 picked twice", ["W16", "W21", "W16", "branch", "W21", CANCEL],
     False, 6, ["W16", "W21", "branch"]),
    ("None ends the picking", ["sloped", "W16", None, "W21"], True,
     3, ["sloped", "W16"]),
    ("right click at once", [CANCEL], True, 1, []),
    ("None at once", [None], False, 1, []),
    ("past the cap", ["W16", "W21"] * (CAP // 2) + ["sloped", CANCEL], True,
     CAP, ["W16", "W21"]),
]
