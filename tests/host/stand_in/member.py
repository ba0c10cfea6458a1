"""Stand-in of the host's member module: one beam, placed askew in space so
that a macro mixing up local and global axes is caught."""

from point import Point

located = []  # the prompts MemberLocate was called with
cancel = False  # set by the runner: the user right-clicks the prompt


class error(Exception):
    """What the host raises when a member selection is cancelled."""


class _End(object):
    def __init__(self, location):
        self.Location = location


class Member(object):
    def __init__(self, left, x_axis, y_axis, length, depth, tw):
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


# A W16 beam 25 feet long, running askew in plan, its left end off the origin.
beam = Member(Point(120.0, -48.0, 216.0), Point(0.6, 0.8, 0.0),
              Point(0.0, 0.0, 1.0), 300.0, 16.0, 0.375)


def MemberLocate(prompt):
    if not isinstance(prompt, str) or not prompt:
        raise TypeError("MemberLocate takes a prompt text")
    located.append(prompt)
    if cancel:
        raise error("Member selection is canceled")
    return beam
