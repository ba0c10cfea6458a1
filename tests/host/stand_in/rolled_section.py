"""Stand-in of the host's rolled_section module: records every section a
macro adds and works out, as the host would, where an angle's legs go.
Setting an attribute that no host-saved macro uses fails (a misspelt name
too), and so does a long-leg or toe setting that no host macro uses. The
host refuses what a test script says: an Add() or a Rotate() of a given
angle on a given member, as a locked member would, and every Add() of a
section the job's material file lacks."""

import math

added = []  # every RolledSection after Add(), in order
refuse = {}  # member name: ("Add" or "Rotate", the angle on it that fails, why)
tries = {}  # member name: the Add() calls made for it

_ATTRIBUTES = (
    "Member", "Point1", "Point2", "SectionSize", "MaterialGrade", "Centered",
    "IsLongLegVerticalMaterial", "ToeInOrOut", "WorkpointSlopeDistance",
    "MaterialSetbackLeftEnd", "MaterialSetbackRightEnd", "OrderLength",
    "MaterialType", "SurfaceFinish", "MaterialColor3d", "ReferencePointOffset")
_LONG_LEG = ("VT.", "HZ.")
_TOE = {"In": 1.0, "Out": -1.0}  # the side of own z the other leg runs to


class RolledSection(object):
    def __init__(self):
        object.__setattr__(self, "rotation", None)

    def __setattr__(self, name, value):
        if name not in _ATTRIBUTES:
            raise AttributeError("the host has no RolledSection.%s" % name)
        object.__setattr__(self, name, value)

    def Add(self):
        missing = [a for a in _ATTRIBUTES if not hasattr(self, a)]
        if missing or self in added:
            raise AssertionError("Add() with %s unset or twice" % missing)
        if self.IsLongLegVerticalMaterial not in _LONG_LEG:
            raise ValueError("long-leg setting %r, not one of %s"
                             % (self.IsLongLegVerticalMaterial, _LONG_LEG))
        if self.ToeInOrOut not in _TOE:
            raise ValueError("toe setting %r" % (self.ToeInOrOut,))
        import shape  # here, since shape reads what was added
        if shape.lacking[0]:
            raise RuntimeError("section %s not in the material file" % self.SectionSize)
        name = self.Member.name
        tries[name] = tries.get(name, 0) + 1
        object.__setattr__(self, "count", tries[name])
        if refuse.get(name, ())[:2] == ("Add", tries[name]):
            raise RuntimeError(refuse[name][2])
        added.append(self)

    def Rotate(self, member, angles):
        if self not in added or member is not self.Member or len(angles) != 3:
            raise AssertionError("Rotate() before Add() or on another member")
        if refuse.get(member.name, ())[:2] == ("Rotate", self.count):
            raise RuntimeError(refuse[member.name][2])
        object.__setattr__(self, "rotation", tuple(float(a) for a in angles))

    def Legs(self):
        """Stand-in only: the material's own length axis and its two legs,
        each a direction in member coordinates and a size in inches."""
        length = _Turned(self.rotation, (1.0, 0.0, 0.0))
        vertical = _Turned(self.rotation, (0.0, -1.0, 0.0))
        other = _Turned(self.rotation, (0.0, 0.0, _TOE[self.ToeInOrOut]))
        sizes = sorted(LegSizes(self.SectionSize), reverse=True)
        if self.IsLongLegVerticalMaterial != "VT.":
            sizes.reverse()
        return {"length": length,
                "vertical": {"direction": vertical, "size": sizes[0]},
                "other": {"direction": other, "size": sizes[1]}}


def LegSizes(section):
    """The two leg sizes of an angle section such as "L5x3 1/2x5/8"."""
    if not section.startswith("L") or section.count("x") != 2:
        raise ValueError("no angle section: %r" % (section,))
    return [_Inches(leg) for leg in section[1:].split("x")[:2]]


def _Inches(text):
    whole, _, fraction = text.partition(" ")
    if "/" in whole:
        whole, fraction = "0", whole
    value = float(whole)
    if fraction:
        numerator, denominator = fraction.split("/")
        value += float(numerator) / float(denominator)
    return value


def _Turned(rotation, vector):
    """A vector of the material's own frame in member coordinates: turned
    about x, then y, then z, by the rotation's degrees."""
    if rotation is None:
        raise AssertionError("an angle added without Rotate()")
    for axis, degrees in enumerate(rotation):
        vector = _TurnAbout(axis, degrees, vector)
    return [round(c, 12) + 0.0 for c in vector]


def _TurnAbout(axis, degrees, vector):
    # A positive turn takes the next axis toward the one after it (x toward
    # y about z, y toward z about x, z toward x about y).
    a, b = (axis + 1) % 3, (axis + 2) % 3
    c, s = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))
    turned = list(vector)
    turned[a] = c * vector[a] - s * vector[b]
    turned[b] = s * vector[a] + c * vector[b]
    return turned
