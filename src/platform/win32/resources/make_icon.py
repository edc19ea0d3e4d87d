"""Writes the program's icon: a white padlock on a blue rounded square, at 16, 32 and 48 pixels.

    python3 make_icon.py OUTPUT.ico
"""
import struct
import sys

SIZES = (16, 32, 48)
BLUE = (0x1E, 0x88, 0xE5)
WHITE = (0xFF, 0xFF, 0xFF)


def inside_rounded_square(x, y, size):
    radius = size * 0.2
    nearest_x = min(max(x, radius), size - radius)
    nearest_y = min(max(y, radius), size - radius)
    return (x - nearest_x) ** 2 + (y - nearest_y) ** 2 <= radius ** 2


def inside_padlock(x, y, size):
    u, v = x / size, y / size
    body = 0.25 <= u <= 0.75 and 0.45 <= v <= 0.8
    centre_u, centre_v = 0.5, 0.45
    distance = ((u - centre_u) ** 2 + (v - centre_v) ** 2) ** 0.5
    shackle = v <= 0.45 and 0.13 <= distance <= 0.2
    keyhole = abs(u - 0.5) <= 0.04 and 0.55 <= v <= 0.7
    return (body or shackle) and not keyhole


def pixel(x, y, size):
    """(blue, green, red, alpha) of the pixel whose centre is at (x, y), top row first."""
    if not inside_rounded_square(x, y, size):
        return (0, 0, 0, 0)
    red, green, blue = WHITE if inside_padlock(x, y, size) else BLUE
    return (blue, green, red, 0xFF)


def image(size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for row in reversed(range(size)):  # bitmaps run bottom-up
        rows.append(b"".join(bytes(pixel(column + 0.5, row + 0.5, size)) for column in range(size)))
    mask_row = bytes(((size + 31) // 32) * 4)  # the alpha channel decides; the mask stays clear
    return header + b"".join(rows) + mask_row * size


def icon():
    images = [image(size) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as output:
        output.write(icon())
