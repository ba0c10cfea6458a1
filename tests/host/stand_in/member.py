"""Stand-in of the host's member module: beams of different places, lengths
and webs, placed askew in space so that a macro mixing up local and global
axes is caught, and a user who picks them as the test scripts."""

from point import Point

CANCEL = "right click"
located = []  # the prompts MemberLocate was called with
picks = []  # what each call meets in turn: a beam's name, None or CANCEL


class error(Exception):
    """What the host raises when a member selection is cancelled."""


class _End(object):
    def __init__(self, location):
        self.Location = location


class Member(object):
    def __init__(self, name, left, x_axis, y_axis, length, depth, tw):
        self.name = name
        self.axes = (x_axis, y_axis, _Cross(x_axis, y_axis))
        self.LeftEnd = _End(left)
        self.RightEnd = _End(left + Point(*[c * length for c in _Xyz(x_axis)]))
        self.length, self.depth, self.tw = length, depth, tw

    def TranslateToGlobal(self, x, y, z):
        return Point(*[x * a + y * b + z * c
                       for a, b, c in zip(*[_Xyz(e) for e in self.axes])])

    def ToLocal(self, point):
        """Stand-in only: a global point in member coordinates."""
        return self.ToLocalVector(point - self.LeftEnd.Location)

    def ToLocalVector(self, vector):
        """Stand-in only: a global vector in member coordinates."""
        return [vector.Dot(e) for e in self.axes]


def _Xyz(p):
    return (p.x, p.y, p.z)


def _Cross(a, b):
    return Point(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z,
                 a.x * b.y - a.y * b.x)


_UP = Point(0.0, 0.0, 1.0)
# name: left end, x axis, y axis, length, depth, web thickness. "branch"
# starts at the work point where "W16" starts, so only both ends together
# tell the two apart.
BEAMS = {
    "W16": (Point(120.0, -48.0, 216.0), Point(0.6, 0.8, 0.0), _UP,
            300.0, 16.0, 0.375),
    "W21": (Point(-500.0, 300.0, 144.0), Point(0.0, -1.0, 0.0), _UP,
            240.0, 21.1, 0.5),
    "sloped": (Point(0.0, 0.0, 120.0), Point(0.8, 0.0, 0.6),
               Point(-0.6, 0.0, 0.8), 180.0, 12.0, 0.23),
    "branch": (Point(120.0, -48.0, 216.0), Point(-0.8, 0.6, 0.0), _UP,
               144.0, 10.0, 0.25),
}


def Beam(name):
    """A new Member object each time, as each pick of the host gives."""
    return Member(name, *BEAMS[name])


def MemberLocate(prompt):
    if not isinstance(prompt, str) or not prompt:
        raise TypeError("MemberLocate takes a prompt text")
    located.append(prompt)
    if len(located) > len(picks):
        raise AssertionError("MemberLocate asked again after the last pick")
    pick = picks[len(located) - 1]
    if pick == CANCEL:
        raise error("Member selection is canceled")
    return None if pick is None else Beam(pick)
