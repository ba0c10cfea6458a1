"""The picks the stand-in user makes at the beam prompt, what the stand-in
host refuses, and what each script must leave: how often the macro asks,
which members get angles, in the order picked, and which the closing
message names. CANCEL, ESC and NOTHING are as stand_in/member.py names
them."""

CANCEL = "right click"
ESC = "Esc"
NOTHING = "nothing"
CAP = 1000
PROMPT = "Locate a beam for the vertical angles at %s (right click when done)"
WHERE = {"Right End": "the right end", "Left End": "the left end",
         "BOTH Ends": "both ends"}
PART_WAY = "part way"  # the angle refused: the first past half the macro's
REASONS = {"Add": "the member is locked", "Rotate": "no rotation for this material"}


def RefusedAngle(at, angles):
    """Which of a beam's angles the host refuses: a number, or PART_WAY (the
    1st of 1, 2nd of 2, 3rd of 4, so that a pair at both ends has later
    blocks left to skip the beam)."""
    return angles // 2 + 1 if at == PART_WAY else at


def Script(name, picks, located, beams, clear=True, told=(), refuse=None,
           lacking=False):
    """picks: what each MemberLocate meets; located: how often the macro must
    ask; beams: the members that get angles; clear: whether the host exports
    ClearSelection; told: the members the message must name as getting no
    angle; refuse: {member: ("Add" or "Rotate", angle)}; lacking: whether
    the job's material file lacks the row's section."""
    return dict(name=name, picks=picks, located=located, beams=beams,
                clear=clear, told=list(told), refuse=refuse or {},
                lacking=lacking)


SCRIPTS = [
    Script("three beams", ["W16", "W21", "sloped", CANCEL], 4,
           ["W16", "W21", "sloped"]),
    Script("W16 and W21 picked twice",
           ["W16", "W21", "W16", "branch", "W21", CANCEL], 6,
           ["W16", "W21", "branch"], clear=False),
    Script("None ends the picking", ["sloped", "W16", None, "W21"], 3,
           ["sloped", "W16"]),
    Script("right click at once", [CANCEL], 1, []),
    Script("None at once", [None], 1, [], clear=False),
    Script("past the cap", ["W16", "W21"] * (CAP // 2) + ["sloped", CANCEL],
           CAP, ["W16", "W21"]),
    Script("a column and a joist", ["W16", "column", "joist", "W21", "column",
                                    CANCEL], 6, ["W16", "W21"],
           told=["column", "joist"]),
    Script("no web thickness; no Type, no number",
           ["built-up", "legacy", "W16", "legacy", CANCEL], 5,
           ["legacy", "W16"], told=["built-up"]),
    Script("a pick that cannot be read", ["W16", NOTHING, "W21"], 2, ["W16"]),
    Script("Esc ends the picking", ["sloped", ESC, "W21"], 2, ["sloped"],
           clear=False),
    Script("two members on the same work points",
           ["W16", "twin", "W16", "twin", CANCEL], 5, ["W16", "twin"]),
    Script("the host refuses two beams",
           ["W16", "W21", "sloped", CANCEL], 4, ["W16", "W21", "sloped"],
           refuse={"W21": ("Add", PART_WAY), "sloped": ("Rotate", 1)}),
    Script("a section the job lacks", ["W16", CANCEL], 0, [], lacking=True),
]
