#!/usr/bin/env python3
"""Makes the program's Windows icon from its PNG pictures, one entry per picture.

    make-ico.py OUTPUT.ico PICTURE.png...

Pictures up to 48 pixels become 32-bit bitmap entries with their transparency mask, which every
icon reader takes; larger ones are kept as PNG entries, which Windows reads since Vista. The
pictures must be 8-bit RGB or RGBA PNG files, not interlaced, square, 256 pixels at most.
"""
import struct
import sys
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
LARGEST_BITMAP = 48


class PictureError(Exception):
    pass


def read_png(data, name):
    """The picture's width, height and rows of RGBA bytes, top row first."""
    if not data.startswith(PNG_SIGNATURE):
        raise PictureError(f"{name} is not a PNG file")
    pos = len(PNG_SIGNATURE)
    header = None
    compressed = bytearray()
    while pos + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if len(body) != length:
            raise PictureError(f"{name} is cut short")
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
        elif kind == b"IEND":
            break
    if header is None:
        raise PictureError(f"{name} has no header")
    width, height, depth, colour, _, _, interlace = header
    channels = {2: 3, 6: 4}.get(colour)
    if depth != 8 or channels is None or interlace != 0:
        raise PictureError(f"{name}: only 8-bit RGB or RGBA pictures without interlacing are read")
    try:
        raw = zlib.decompress(bytes(compressed))
    except zlib.error as e:
        raise PictureError(f"{name}: {e}") from e
    stride = width * channels
    if len(raw) != height * (stride + 1):
        raise PictureError(f"{name}: the pixel data is not the size its header says")
    rows = []
    previous = bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind = raw[start]
        row = bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = row[i - channels] if i >= channels else 0
            up = previous[i]
            upper_left = previous[i - channels] if i >= channels else 0
            if kind == 0:
                continue
            if kind == 1:
                predictor = left
            elif kind == 2:
                predictor = up
            elif kind == 3:
                predictor = (left + up) // 2
            elif kind == 4:
                p = left + up - upper_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - upper_left)
                predictor = left if pa <= pb and pa <= pc else up if pb <= pc else upper_left
            else:
                raise PictureError(f"{name}: unknown row filter {kind}")
            row[i] = (row[i] + predictor) & 0xFF
        previous = row
        if channels == 3:
            row = bytearray(b for k in range(width) for b in (*row[3 * k:3 * k + 3], 255))
        rows.append(row)
    return width, height, rows


def bitmap_entry(width, height, rows):
    """A 32-bit bottom-up bitmap with its AND mask, as an icon entry stores it."""
    pixels = bytearray()
    for row in reversed(rows):
        for k in range(width):
            r, g, b, a = row[4 * k:4 * k + 4]
            pixels += bytes((b, g, r, a))
    mask_stride = ((width + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for k in range(width):
            if row[4 * k + 3] < 128:  # transparent where alpha is not understood
                line[k // 8] |= 0x80 >> (k % 8)
        mask += line
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 32, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    return header + bytes(pixels) + bytes(mask)


def main(argv):
    if len(argv) < 3:
        print("usage: make-ico.py OUTPUT.ico PICTURE.png...", file=sys.stderr)
        return 2
    output, inputs = argv[1], argv[2:]
    entries = []
    try:
        for name in inputs:
            with open(name, "rb") as f:
                data = f.read()
            width, height, rows = read_png(data, name)
            if width != height or width > 256:
                raise PictureError(f"{name} is {width}x{height}: icons are square, 256 at most")
            image = data if width > LARGEST_BITMAP else bitmap_entry(width, height, rows)
            entries.append((width, image))
    except (OSError, PictureError) as e:
        print(f"make-ico.py: {e}", file=sys.stderr)
        return 1
    entries.sort(key=lambda entry: entry[0])
    directory = struct.pack("<HHH", 0, 1, len(entries))
    offset = len(directory) + 16 * len(entries)
    body = b""
    for width, image in entries:
        size_byte = width % 256  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", size_byte, size_byte, 0, 0, 1, 32, len(image),
                                 offset + len(body))
        body += image
    try:
        with open(output, "wb") as f:
            f.write(directory + body)
    except OSError as e:
        print(f"make-ico.py: cannot write {output}: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
