"""Stand-in of the host's rolled_section module: records every section a
macro adds. Setting an attribute the host does not know fails."""

added = []  # every RolledSection after Add(), in order

_ATTRIBUTES = (
    "Member", "Point1", "Point2", "SectionSize", "MaterialGrade", "Centered",
    "IsLongLegVerticalMaterial", "ToeInOrOut", "WorkpointSlopeDistance",
    "MaterialSetbackLeftEnd", "MaterialSetbackRightEnd", "OrderLength",
    "MaterialType", "SurfaceFinish", "MaterialColor3d", "ReferencePointOffset")


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
        added.append(self)

    def Rotate(self, member, angles):
        if self not in added or member is not self.Member or len(angles) != 3:
            raise AssertionError("Rotate() before Add() or on another member")
        object.__setattr__(self, "rotation", tuple(float(a) for a in angles))
