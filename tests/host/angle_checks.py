"""What the angles of one macro must be, checked against what the stand-in
host recorded: places, rotation, legs and the mirror relations between the
angles of a pair and between the two ends."""

import re

TOLERANCE = 1e-9


def Expected(end, pair, h, v1, v2, length):
    """(right end?, near face?, H, V, L) of each angle, in macro order."""
    ends = {"Right End": [True], "Left End": [False], "BOTH Ends": [True, False]}
    return [(right, near, h, v, length)
            for right in ends[end]
            for v, near in [(v1, True), (v2, False)][:int(pair)]]


def HeaderFailures(text, want, section):
    """Each block opens with a comment naming its end and face, in order."""
    headers = re.findall(r"\r\n# (Right|Left) end, (near|far) face: ", text)
    should = [("Right" if right else "Left", "near" if near else "far")
              for right, near, _, _, _ in want]
    if headers != should:
        return ["headers %s, want %s" % (headers, should)]
    return []


def Close(a, b):
    return all(abs(x - y) < TOLERANCE for x, y in zip(a, b)) and len(a) == len(b)


def Shape(angle, beam_length):
    """The angle as a detailer sees it: heel x, depth span, face, and the
    direction and size of the leg along the beam and of the one across it."""
    p1, p2 = angle["point1"], angle["point2"]
    legs = [angle["legs"]["vertical"], angle["legs"]["other"]]
    flat = [g for g in legs if Close([abs(c) for c in g["direction"]], [1, 0, 0])]
    out = [g for g in legs if Close([abs(c) for c in g["direction"]], [0, 0, 1])]
    return {"x": p1[0], "x2": p2[0], "span": sorted([-p1[1], -p2[1]]),
            "z": p1[2], "z2": p2[2], "flat": flat, "out": out,
            "mid": beam_length / 2.0}


def AngleFailures(got, want, section, leg, length):
    failures = []
    if len(got["angles"]) != len(want):
        failures.append("%d angles, want %d" % (len(got["angles"]), len(want)))
    shapes = []
    for i, (angle, place) in enumerate(zip(got["angles"], want)):
        shape = Shape(angle, got["length"])
        shapes.append(shape)
        failures += ["angle %d %s" % (i + 1, f) for f in
                     OneAngle(angle, shape, place, got, section, leg)]
    failures += MirrorFailures(shapes, want)
    return failures


def OneAngle(angle, shape, place, got, section, leg):
    right, near, h, v, length = place
    x = got["length"] - h if right else h
    z = got["tw"] / 2.0 * (1 if near else -1)
    failures = []
    checks = [
        ("heel x", [shape["x"], shape["x2"]], [x, x]),
        ("depths", shape["span"], sorted([v, v + length])),
        ("face", [shape["z"], shape["z2"]], [z, z]),
        ("length", [angle["length"]], [abs(length)]),
    ]
    for what, have, should in checks:
        if not Close(have, should):
            failures.append("%s %s, want %s" % (what, have, should))
    failures += RotationFailures(angle)
    if len(shape["flat"]) != 1 or len(shape["out"]) != 1:
        return failures + ["legs %s, want one along the beam and one across"
                           % angle["legs"]]
    # The flat leg runs from the heel towards mid-span; the other stands out
    # from the face, away from the web.
    inwards = -1 if right else 1
    if not Close(shape["flat"][0]["direction"], [inwards, 0, 0]):
        failures.append("flat leg points %s" % shape["flat"][0]["direction"])
    if not Close(shape["out"][0]["direction"], [0, 0, 1 if near else -1]):
        failures.append("outstanding leg points %s, into the web"
                        % shape["out"][0]["direction"])
    sizes = (shape["out"][0]["size"], shape["flat"][0]["size"])
    if (leg == "Long") != (sizes[0] >= sizes[1]) and sizes[0] != sizes[1]:
        failures.append("outstanding leg %g, the other %g, for %s" % (sizes + (leg,)))
    if angle["leg"] != ("HZ." if leg == "Long" else "VT."):
        failures.append("long-leg setting %r for %s" % (angle["leg"], leg))
    if angle["section"] != section:
        failures.append("section %r" % (angle["section"],))
    return failures


def RotationFailures(angle):
    """Only half turns about the length, and the length along the work line."""
    rx, ry, rz = angle["rotation"]
    failures = []
    if rx % 180 != 0 or ry % 360 != 0 or rz % 90 != 0:
        failures.append("rotation %s" % (angle["rotation"],))
    p1, p2 = angle["point1"], angle["point2"]
    line = [b - a for a, b in zip(p1, p2)]
    size = sum(c * c for c in line) ** 0.5
    if size == 0 or not Close(angle["legs"]["length"], [c / size for c in line]):
        failures.append("rotation %s lays the length along %s, the work line runs %s"
                        % (angle["rotation"], angle["legs"]["length"], line))
    return failures


def MirrorFailures(shapes, want):
    """A pair's second angle mirrors the first about the web; a left-end
    angle mirrors the right-end one of the same place about mid-span."""
    failures = []
    by_place = dict(((right, near), s) for (right, near, _, _, _), s in zip(want, shapes)
                    if len(s["flat"]) == 1 and len(s["out"]) == 1)
    for right in (True, False):
        near, far = by_place.get((right, True)), by_place.get((right, False))
        if near and far and not Mirrored(near, far, 2, about=0.0):
            failures.append("%s end: the pair is not mirrored about the web"
                            % ("right" if right else "left"))
    for near in (True, False):
        r, l = by_place.get((True, near)), by_place.get((False, near))
        if r and l and not Mirrored(r, l, 0, about=r["mid"]):
            failures.append("%s face: the ends are not mirrored about mid-span"
                            % ("near" if near else "far"))
    return failures


def Mirrored(a, b, axis, about):
    """b is a reflected in the plane across `axis` at `about`."""
    def Flip(direction):
        return [-c if i == axis else c for i, c in enumerate(direction)]
    place = {0: ("x", "x2"), 2: ("z", "z2")}[axis]
    same_span = axis != 0 or Close(a["span"], b["span"])
    return (same_span and all(abs(a[k] + b[k] - 2 * about) < TOLERANCE for k in place) and
            Close(Flip(a["flat"][0]["direction"]), b["flat"][0]["direction"]) and
            Close(Flip(a["out"][0]["direction"]), b["out"][0]["direction"]) and
            a["flat"][0]["size"] == b["flat"][0]["size"] and
            a["out"][0]["size"] == b["out"][0]["size"])
