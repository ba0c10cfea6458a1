"""Stand-in of the host's param module: the unit setting, and the clearing
of the picked members' highlight (left out of the star import by a test)."""

import member
import rolled_section

__all__ = ["Units", "ClearSelection"]

units = None
cleared = []  # (MemberLocate calls, sections added) at each ClearSelection


def Units(name):
    """The host takes "feet" to mean distances in inches as floats."""
    global units
    if name != "feet":
        raise ValueError("unexpected units %r" % (name,))
    units = name


def ClearSelection():
    cleared.append((len(member.located), len(rolled_section.added)))
