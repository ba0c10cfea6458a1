"""Stand-in of the host's member module: members of different types,
places, lengths and webs, placed askew in space so that a macro mixing up
local and global axes is caught, and a user who picks them as the test
scripts say. A member carries a Type and a number as the host's do, where
the table gives them; a member the table gives none of has none."""

from point import Point

CANCEL = "right click"
ESC = "Esc"  # what Esc does is not documented: here an error of its own
NOTHING = "nothing"  # "OK" with nothing picked: a pick that cannot be read
located = []  # the prompts MemberLocate was called with
picks = []  # what each call meets in turn: a member's name, None, or one of the above


class error(Exception):
    """What the host raises when a member selection is cancelled."""


class Escape(Exception):
    """Stand-in only: not member.error, and nothing a macro could name."""


class _End(object):
    def __init__(self, location):
        self.Location = location


class Member(object):
    def __init__(self, name, left, x_axis, y_axis, length, depth, **more):
        self.name = name
        self.axes = (x_axis, y_axis, _Cross(x_axis, y_axis))
        self.LeftEnd = _End(left)
        self.RightEnd = _End(left + Point(*[c * length for c in _Xyz(x_axis)]))
        self.length, self.depth = length, depth
        for attribute, value in more.items():  # tw, Type, number
            setattr(self, attribute, value)

    def TranslateToGlobal(self, x, y, z):
        return Point(*[x * a + y * b + z * c
                       for a, b, c in zip(*[_Xyz(e) for e in self.axes])])

    def ToLocal(self, point):
        """Stand-in only: a global point in member coordinates."""
        return self.ToLocalVector(point - self.LeftEnd.Location)

    def ToLocalVector(self, vector):
        """Stand-in only: a global vector in member coordinates."""
        return [vector.Dot(e) for e in self.axes]


class _Nothing(object):
    """What a pick hands back when it holds no member: every read fails."""

    def __getattr__(self, name):
        raise error("no member selected")


def _Xyz(p):
    return (p.x, p.y, p.z)


def _Cross(a, b):
    return Point(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z,
                 a.x * b.y - a.y * b.x)


_UP = Point(0.0, 0.0, 1.0)
_W16 = (Point(120.0, -48.0, 216.0), Point(0.6, 0.8, 0.0), _UP)
# name: (left end, x axis, y axis), length, depth, then what the host gives.
# "branch" starts at the work point where "W16" starts, so only both ends
# together tell the two apart; "twin" has both of W16's work points, so
# only the numbers do. "legacy" has neither a Type nor a number.
MEMBERS = {
    "W16": (_W16, 300.0, 16.0, dict(tw=0.375, Type="Beam", number=101)),
    "W21": ((Point(-500.0, 300.0, 144.0), Point(0.0, -1.0, 0.0), _UP),
            240.0, 21.1, dict(tw=0.5, Type="Beam", number=102)),
    "sloped": ((Point(0.0, 0.0, 120.0), Point(0.8, 0.0, 0.6),
                Point(-0.6, 0.0, 0.8)), 180.0, 12.0,
               dict(tw=0.23, Type="Beam", number=103)),
    "branch": ((Point(120.0, -48.0, 216.0), Point(-0.8, 0.6, 0.0), _UP),
               144.0, 10.0, dict(tw=0.25, Type="Beam", number=104)),
    "twin": (_W16, 300.0, 12.0, dict(tw=0.3, Type="Beam", number=105)),
    "legacy": ((Point(40.0, 40.0, 96.0), Point(1.0, 0.0, 0.0), _UP),
               200.0, 8.0, dict(tw=0.17)),
    "column": ((Point(0.0, 0.0, 0.0), Point(0.0, 0.0, 1.0),
                Point(1.0, 0.0, 0.0)), 168.0, 14.0,
               dict(tw=0.44, Type="Column", number=201)),
    "joist": ((Point(300.0, 0.0, 216.0), Point(0.0, 1.0, 0.0), _UP),
              360.0, 24.0, dict(Type="Joist", number=301)),
    "built-up": ((Point(0.0, 600.0, 216.0), Point(1.0, 0.0, 0.0), _UP),
                 480.0, 48.0, dict(tw=None, Type="Beam", number=401)),
}


def Pick(name):
    """A new Member object each time, as each pick of the host gives."""
    (left, x_axis, y_axis), length, depth, more = MEMBERS[name]
    return Member(name, left, x_axis, y_axis, length, depth, **more)


def MemberLocate(prompt):
    if not isinstance(prompt, str) or not prompt:
        raise TypeError("MemberLocate takes a prompt text")
    located.append(prompt)
    if len(located) > len(picks):
        raise AssertionError("MemberLocate asked again after the last pick")
    pick = picks[len(located) - 1]
    if pick == CANCEL:
        raise error("Member selection is canceled")
    if pick == ESC:
        raise Escape("selection escaped")
    if pick == NOTHING:
        return _Nothing()
    return None if pick is None else Pick(pick)
