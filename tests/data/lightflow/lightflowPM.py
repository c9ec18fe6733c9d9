# A stand-in for the Lightflow module: every call a script makes is printed
# as one line, so a test can count what the script asked for.


def _record(name, *args):
    print(name, len(args))


class vector3:
    def __init__(self, x, y, z):
        self.xyz = (x, y, z)


class vector3array:
    def __init__(self):
        self.points = []

    def setSize(self, n):
        self.points = [None] * n

    def set(self, i, v):
        if not isinstance(v, vector3):
            raise TypeError("set takes a vector3")
        self.points[i] = v


class transform:
    def translation(self, v):
        if not isinstance(v, vector3):
            raise TypeError("translation takes a vector3")
        return self


def BezierStep():
    return "step"


def BezierBasis():
    return "basis"


def _pairs(name, options):
    # Options alternate a quoted name and its value(s); a bare word would have
    # failed before we got here.
    if not isinstance(options[0], str):
        raise TypeError(name + ": the options must begin with a name")


class scene:
    def newLight(self, kind, options):
        _pairs("newLight", options)
        _record("newLight " + kind)
        return kind

    def lightOn(self, light):
        _record("lightOn")

    def newMaterial(self, kind, options):
        _pairs("newMaterial", options)
        _record("newMaterial " + kind)
        return kind

    def materialBegin(self, material):
        _record("materialBegin")

    def materialEnd(self):
        _record("materialEnd")

    def newObject(self, kind, options):
        _pairs("newObject", options)
        points = options[options.index("points") + 1]
        if None in points.points:
            raise ValueError("a patch point was never set")
        return kind

    def addObject(self, obj):
        _record("addObject " + obj)

    def newImager(self, kind, options):
        _record("newImager " + options[1])
        return kind

    def imagerBegin(self, imager):
        _record("imagerBegin")

    def imagerEnd(self):
        _record("imagerEnd")

    def newCamera(self, kind, options):
        _pairs("newCamera", options)
        _record("newCamera " + kind)
        return kind

    def transformBegin(self, t):
        _record("transformBegin")

    def transformEnd(self):
        _record("transformEnd")

    def render(self, camera, width, height):
        print("render", width, height)
