#!/usr/bin/env python3
"""unfilter-png.py FOLDER...: rewrites every PNG under the folders (also those inside .ico files)
with no row filter, keeping the pixels, the colour type and every other chunk.

The client decodes its pictures at start; undoing the Paeth and average filters ImageMagick
picks was about a third of that work, and the files grow only a little."""
import pathlib
import struct
import sys
import zlib

CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}


def chunks(data):
    pos = 8
    while pos < len(data):
        (size,) = struct.unpack(">I", data[pos:pos + 4])
        yield data[pos + 4:pos + 8], data[pos + 8:pos + 8 + size]
        pos += 12 + size


def unfilter(raw, height, bpp, stride):
    rows, prev, pos = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[pos], bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + ((a + b) >> 1)) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(bytes(line))
        prev = line
    return rows


def png_without_filters(data):
    parts = list(chunks(data))
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", parts[0][1])
    if interlace:
        return data
    bits = depth * CHANNELS[colour]
    stride = (width * bits + 7) // 8
    raw = zlib.decompress(b"".join(body for kind, body in parts if kind == b"IDAT"))
    plain = b"".join(b"\0" + row for row in unfilter(raw, height, max(1, bits // 8), stride))
    out, written = bytearray(data[:8]), False
    for kind, body in parts:
        if kind == b"IDAT":
            if written:
                continue
            body, written = zlib.compress(plain, 9), True
        out += struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    return bytes(out)


def ico_without_filters(data):
    count = struct.unpack("<H", data[4:6])[0]
    entries = [list(struct.unpack("<BBBBHHII", data[6 + 16 * i:22 + 16 * i])) for i in range(count)]
    images = []
    for entry in entries:
        image = data[entry[7]:entry[7] + entry[6]]
        images.append(png_without_filters(image) if image.startswith(b"\x89PNG") else image)
    out = bytearray(data[:6])
    offset = 6 + 16 * count
    for entry, image in zip(entries, images):
        entry[6], entry[7] = len(image), offset
        out += struct.pack("<BBBBHHII", *entry)
        offset += len(image)
    return bytes(out + b"".join(images))


for folder in sys.argv[1:]:
    for path in sorted(pathlib.Path(folder).rglob("*")):
        data = path.read_bytes() if path.suffix in (".png", ".ico") else b""
        if data.startswith(b"\x89PNG"):
            path.write_bytes(png_without_filters(data))
        elif path.suffix == ".ico":
            path.write_bytes(ico_without_filters(data))
