"""Stand-in of the host's point module: a 3-D point that is also a vector."""

import math


class Point(object):
    def __init__(self, x, y, z):
        self.x, self.y, self.z = float(x), float(y), float(z)

    def __add__(self, other):
        return Point(self.x + other.x, self.y + other.y, self.z + other.z)

    def __sub__(self, other):
        return Point(self.x - other.x, self.y - other.y, self.z - other.z)

    def Dot(self, other):
        return self.x * other.x + self.y * other.y + self.z * other.z

    def Distance(self, other):
        d = self - other
        return math.sqrt(d.Dot(d))


def PointLocate(prompt):
    raise AssertionError("the macros never ask for a point")
