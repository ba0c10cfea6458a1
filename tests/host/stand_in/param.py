"""Stand-in of the host's param module: the unit setting, the clearing of
the picked members' highlight (left out of the star import by a test), and
the message the detailer must read and close with OK."""

import member
import rolled_section

__all__ = ["Units", "ClearSelection", "Warning"]

units = None
cleared = []  # (MemberLocate calls, sections added) at each ClearSelection
warned = []  # (text, sections added) at each Warning


def Units(name):
    """The host takes "feet" to mean distances in inches as floats."""
    global units
    if name != "feet":
        raise ValueError("unexpected units %r" % (name,))
    units = name


def ClearSelection():
    cleared.append((len(member.located), len(rolled_section.added)))


def Warning(text):
    if not isinstance(text, str) or not text:
        raise TypeError("Warning takes a message text")
    warned.append((text, len(rolled_section.added)))
