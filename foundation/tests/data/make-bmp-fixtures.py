#!/usr/bin/env python3
"""Writes the run-length encoded and OS/2 BMP fixtures of the bitmap tests, and beside each the
pixels another decoder (ImageMagick) reads from it, as a binary PPM. gdk-pixbuf decodes each
file too, and the two must agree. Run it from this folder."""
import os
import struct
import subprocess

PALETTE = [(0, 0, 0), (255, 0, 0), (0, 160, 0), (0, 0, 255), (200, 100, 50), (255, 255, 255),
           (10, 20, 30), (90, 0, 90), (0, 90, 90), (128, 128, 0), (30, 200, 220), (250, 180, 0),
           (60, 60, 60), (120, 240, 120), (5, 5, 250), (222, 111, 0)]


def rle_file(info_of, ops):
    # ImageMagick reads two bytes beyond the end mark; encoders pad the data to a 32-bit
    # boundary anyway.
    ops += b"\0" * (2 + (-len(ops) - 2) % 4)
    return file_with(info_of(len(ops)), ops)


def file_with(info, bits):
    offset = 14 + len(info)
    return b"BM" + struct.pack("<IHHI", offset + len(bits), 0, 0, offset) + info + bits


def windows_info(width, height, depth, compression, colours, image_size):
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, depth, compression, image_size, 2835,
                         2835, len(colours), 0)
    return header + b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)


def os2_info(width, height, depth, colours):
    header = struct.pack("<IHHHH", 12, width, height, 1, depth)
    return header + b"".join(struct.pack("<BBB", b, g, r) for r, g, b in colours)


def rle8():
    # 13 x 7, bottom row first: runs, literal runs of odd length (padded), a jump, a short row
    # and the end mark before the last row is full. Pixels no run reaches stay colour 0.
    ops = bytes([5, 1, 0, 3, 2, 3, 4, 0, 5, 5, 0, 0,
                 0, 13] + [i % 6 for i in range(13)] + [0, 0, 0,
                 4, 2, 0, 2, 3, 1, 6, 3, 0, 0,
                 13, 4, 0, 0,
                 0, 4, 5, 4, 3, 2, 0, 0,
                 2, 1, 0, 1])
    return rle_file(lambda size: windows_info(13, 7, 8, 1, PALETTE[:6], size), ops)


def rle4():
    # 11 x 5: runs of two alternating colours, literal runs of odd and even length, a jump.
    ops = bytes([7, 0x12, 0, 4, 0x34, 0x51, 0, 0,
                 0, 5, 0x12, 0x34, 0x50, 0, 6, 0x55, 0, 0,
                 0, 2, 2, 1, 3, 0x30, 0, 0,
                 11, 0x45, 0, 1])
    return rle_file(lambda size: windows_info(11, 5, 4, 2, PALETTE, size), ops)


def rows(width, height, depth, pixel):
    stride = (width * depth + 31) // 32 * 4
    out = b""
    for y in range(height):
        bits = 0
        row = bytearray()
        if depth == 24:
            for x in range(width):
                row += bytes(pixel(x, y))
        else:
            for x in range(width):
                bits = bits << depth | pixel(x, y)
                if (x + 1) * depth % 8 == 0:
                    row.append(bits)
                    bits = 0
            if width * depth % 8:
                row.append(bits << (8 - width * depth % 8))
        out += bytes(row) + b"\0" * (stride - len(row))
    return out


def os2(depth, width, height):
    colours = [] if depth == 24 else (PALETTE * 16)[: 1 << depth]
    if depth == 24:
        bits = rows(width, height, 24, lambda x, y: (x * 40 % 256, y * 90 % 256, (x + y) * 25 % 256))
    else:
        bits = rows(width, height, depth, lambda x, y: (x + 3 * y) % (1 << depth))
    return file_with(os2_info(width, height, depth, colours), bits)


def pixbuf_rgb(name):
    # Pixels gdk-pixbuf leaves transparent (where no run reaches) are black, as colour 0 is.
    subprocess.run(["gdk-pixbuf-pixdata", name, name + ".pixdata"], check=True)
    with open(name + ".pixdata", "rb") as f:
        data = f.read()
    os.remove(name + ".pixdata")
    kind, stride, width, height = struct.unpack(">IIII", data[8:24])
    channels = 4 if kind & 0xFF == 2 else 3
    out = bytearray()
    for y in range(height):
        for x in range(width):
            at = 24 + y * stride + x * channels
            out += data[at:at + 3]
    return width, height, bytes(out)


def main():
    fixtures = {"rle8.bmp": rle8(), "rle4.bmp": rle4(), "os2-1.bmp": os2(1, 10, 2),
                "os2-4.bmp": os2(4, 7, 3), "os2-8.bmp": os2(8, 5, 3), "os2-24.bmp": os2(24, 5, 3)}
    for name, data in fixtures.items():
        with open(name, "wb") as f:
            f.write(data)
        ppm = name[:-4] + ".ppm"
        subprocess.run(["/usr/bin/convert", name, "-depth", "8", "ppm:" + ppm], check=True)
        with open(ppm, "rb") as f:
            magic, size, depth, pixels = f.read().split(b"\n", 3)
        width, height = map(int, size.split())
        if pixbuf_rgb(name) != (width, height, pixels):
            raise SystemExit(name + ": ImageMagick and gdk-pixbuf read different pixels")
        print(name, width, height)


main()
