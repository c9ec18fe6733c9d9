#!/usr/bin/env python3
"""Writes the reference records of the document file into this folder.

The bytes come straight from the record layouts (little-endian 4-byte ints
and IEEE single floats; strings as a length byte and their CP932 bytes), not
from the program, so the tests that compare against them check the program's
field order and encoding. Run it again only when a layout changes.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


class Record:
    def __init__(self):
        self.data = b""

    def i(self, *values):
        for v in values:
            self.data += struct.pack("<i", v)

    def u(self, *values):
        for v in values:
            self.data += struct.pack("<I", v)

    def f(self, *values):
        for v in values:
            self.data += struct.pack("<f", v)

    def s(self, text):
        raw = text.encode("cp932")
        assert len(raw) < 255
        self.data += bytes([len(raw)]) + raw

    def save(self, name):
        with open(os.path.join(HERE, name), "wb") as out:
            out.write(self.data)


def folder():
    r = Record()
    r.s("フォルダ1")
    # noShadow, exportOn, editable, showOn, doubleIlluminate, noImage, noReflection
    r.i(1, 0, 0, 0, 1, 1, 1)
    for v in range(4):
        r.f(1.5 + v * 3, 2.0 + v * 3, 3.0 + v * 3)
    r.save("folder.bin")


def default_light():
    r = Record()
    r.s("light")
    r.f(5, 5, 5)
    r.f(0, 0, 0)
    r.i(0)  # type
    r.u(0xFFFFFF)  # colour
    r.f(30.0, 40.0)  # radius, falloff
    r.i(0)  # reserved
    r.i(0)  # fade on
    r.f(10.0, 1.0, 10.0)  # fade distance, fade power, tightness
    r.f(1, 0, 0)
    r.f(0, 1, 0)
    # sizes, shadowless, media attenuation, media interaction, enabled, shown,
    # area spotlight, jitter
    r.i(2, 2, 0, 0, 1, 1, 1, 0, 0)
    r.i(1, 1)  # adaptive, reserved
    r.i(0, 0, 0)  # parallel, circular, orient
    r.save("light_default.bin")


def global_settings():
    r = Record()
    r.s("global_settings")
    r.f(0.0039)
    r.u(0xFFFFFF)
    r.f(2.2)
    r.i(0)
    r.u(0x242E44)
    r.i(64, 10, 10)
    r.save("global_settings.bin")


def post_process_info():
    r = Record()
    r.s("post_process_info")
    r.i(0)
    r.f(5.0, 10.0, 6.0)  # focal blur
    r.i(0)
    r.f(1.0, 8.0)  # soft glow
    r.i(0)
    r.f(0.0, 100.0)  # depth
    r.i(0)
    r.f(0.05)  # stars density
    r.u(0x969696, 0xFFFFFF)
    r.i(0)
    r.i(1000, 1000, 1000)  # posterize
    r.i(0)  # normal
    r.i(0)
    r.u(0x960096, 0xFF14FF)  # clip colours
    r.i(0)  # invert
    r.i(0)
    r.f(1.0, 0.3, 0.15, 2.0, 1.0)  # find edges
    r.u(0)
    r.i(1)  # closing word
    r.save("post_process_info.bin")


# A material in which every element kind carries values unlike its defaults
# and unlike each other, so a field in the wrong place shows.
def pattern(r, p):
    r.i(1)
    r.i(p[0])
    r.f(p[1], p[2])
    r.i(p[3], p[4])
    r.f(p[5], p[6])
    r.i(*p[7])


def turbulence(r, t):
    r.i(1)
    r.f(*t[0])
    r.i(t[1])
    r.f(t[2], t[3], t[4], t[5])
    r.i(t[6])


def image_map(r, m):
    r.i(1)
    r.s(m[0])
    r.i(*m[1:])


def full_material():
    r = Record()
    r.i(1)  # material
    r.i(1, 0, 1)  # declared, use texture, use interior
    r.s("金属A")
    r.s("M_Decl")

    r.i(1)  # texture
    r.i(1, 0, 1, 1)  # declared, use pigment, use normal, use finish
    r.s("T_Decl")

    r.i(1)  # pigment
    for k in range(25):
        r.u(((k + 1) * 0x030507) & 0xFFFFFF)
        r.f(k * 0.25, k * 0.125)
        r.i(k * 40)
    r.i(5)  # count
    r.s("P_Decl")
    r.f(1.5, 2.5, 3.5)  # brick size
    r.f(0.75)  # mortar
    r.i(1, 4, 9)  # use turbulence, kind, option word
    pattern(r, (19, 0.25, 1.75, 33, 7, 0.125, 0.875, (1, -1, 0)))
    turbulence(r, ((0.5, 0.25, 0.75), 4, 0.375, 2.5, 3.0, 0.625, 2))
    image_map(r, ("maps/wood.png", 2, 5, 2, 1, 3, 1))

    r.i(1)  # normal
    r.f(0.5)  # bump size
    r.s("N_Decl")
    r.i(1, 4, 1, 1)  # kind, option word, use turbulence, use bump size
    pattern(r, (3, 0.75, 2.0, 12, 3, 0.25, 0.5, (0, 1, 0)))
    turbulence(r, ((1.0, 0.0, 0.5), 8, 0.25, 3.0, 0.5, 1.25, 3))
    image_map(r, ("bump.tga", 1, 1, 1, 0, 0, 0))

    r.i(1)  # finish
    r.f(0.5, 0.03125, 0.75, 60.0)  # specular, roughness, phong, phong_size
    ambient, reflection, irid = (0.25, 0.375, 0.5), (0.5, 0.625, 0.75), (0.8125, 0.875, 1.125)
    for c in range(3):
        r.f(ambient[c], reflection[c], irid[c])
    r.f(0.6875, 2.0)  # diffuse, brilliance
    r.i(1)  # use reflection
    r.f(0.0625)  # crand
    r.i(1)
    r.f(0.5)  # metallic
    r.i(1)
    r.f(0.34375, 0.4375)  # irid amount, thickness
    r.i(0)  # declared
    r.s("F_Decl")
    r.i(1, 1)  # MegaPOV, use blinn
    r.f(0.9375, 0.09375, 0.1875, 0.96875)  # blinn 1, reflection_min, blinn 2, reflection_max
    r.i(1)
    r.f(0.3125)  # reflection_blur
    r.i(12, 1, 1)  # samples, conserve_energy, use reflection_metallic
    r.f(0.65625)
    r.i(1, 2)  # use reflection type, reflection_type
    r.f(1.5)  # reflection_falloff

    r.i(1)  # interior
    r.f(1.5)
    r.i(1)
    r.f(0.8125)
    r.i(1)
    r.f(5.0, 3.0)
    r.i(0)
    r.s("I_Decl")
    r.i(1, 7, 8)
    r.save("material_full.bin")


if __name__ == "__main__":
    folder()
    default_light()
    global_settings()
    post_process_info()
    full_material()
