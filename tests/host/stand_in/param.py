"""Stand-in of the host's param module: only the unit setting."""

__all__ = ["Units"]

units = None


def Units(name):
    """The host takes "feet" to mean distances in inches as floats."""
    global units
    if name != "feet":
        raise ValueError("unexpected units %r" % (name,))
    units = name
