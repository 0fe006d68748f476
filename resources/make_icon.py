#!/usr/bin/env python3
"""Draws Morvatek's icon: the binary digits 1011 on top, an arrow, and the bases 4, 8, 16 below,
designed on a 32 x 32 grid. Writes morvatek.png (32 x 32 RGBA), icons/morvatek-N.png at every
size a desktop asks for (the grid scaled with area sampling: crisp at multiples of 32),
morvatek.ico (32 x 32, 256 colours with a mask, for the Windows executable) and morvatek.xpm
(compiled into the program, which then shows its icon without loading an image reader). Run it
again after changing the drawing; the files are kept in the repository."""
import struct
import zlib
from pathlib import Path

SIZE = 32
GLYPHS = {
    "0": [".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."],
    "1": ["..#.", ".##.", "..#.", "..#.", "..#.", "..#.", ".###"],
    "4": ["..#.", ".##.", "#.#.", "#.#.", "####", "..#.", "..#."],
    "6": [".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."],
    "8": [".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."],
}
CLEAR = None
BORDER = (64, 64, 128)
WINDOW = (192, 192, 255)
LABEL = (255, 192, 128)
GREEN = (128, 255, 128)
INK = (0, 0, 96)
ARROW = (200, 40, 40)


def draw():
    pixels = [[WINDOW] * SIZE for _ in range(SIZE)]
    for y in range(SIZE):
        for x in range(SIZE):
            if x in (0, SIZE - 1) or y in (0, SIZE - 1):
                pixels[y][x] = BORDER
    for x, y in [(0, 0), (SIZE - 1, 0), (0, SIZE - 1), (SIZE - 1, SIZE - 1)]:
        pixels[y][x] = CLEAR

    def box(x0, y0, x1, y1, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                pixels[y][x] = colour

    def text(x, y, chars, colour):
        for char in chars:
            if char == " ":
                x += 3
                continue
            for dy, row in enumerate(GLYPHS[char]):
                for dx, bit in enumerate(row):
                    if bit == "#":
                        pixels[y + dy][x + dx] = colour
            x += 5

    box(2, 2, 30, 12, LABEL)
    text(6, 3, "1011", INK)
    box(15, 13, 17, 16, ARROW)  # shaft
    for dy, half in enumerate([3, 2, 1]):  # head
        box(16 - half, 16 + dy, 16 + half, 17 + dy, ARROW)
    box(2, 20, 30, 30, GREEN)
    text(3, 21, "4 8 16", INK)
    return pixels


DESKTOP_SIZES = (16, 24, 32, 48, 64, 128, 256)


def scaled(pixels, size, samples=8):
    """The design at `size` pixels: each pixel is the average of the grid cells it covers."""
    out = []
    for y in range(size):
        row = []
        for x in range(size):
            r = g = b = a = 0
            for sy in range(samples):
                cy = int((y + (sy + 0.5) / samples) * SIZE / size)
                for sx in range(samples):
                    cx = int((x + (sx + 0.5) / samples) * SIZE / size)
                    p = pixels[cy][cx]
                    if p:
                        r, g, b, a = r + p[0], g + p[1], b + p[2], a + 1
            n = samples * samples
            row.append((round(r / a), round(g / a), round(b / a), round(255 * a / n)) if a else None)
        out.append(row)
    return out


def png(pixels):
    size = len(pixels)
    raw = b"".join(
        b"\0" + b"".join(bytes(p if len(p) == 4 else (*p, 255)) if p else b"\0\0\0\0" for p in row)
        for row in pixels
    )

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def ico(pixels):
    palette = [(0, 0, 0)]
    for row in pixels:
        for p in row:
            if p and p not in palette:
                palette.append(p)
    assert len(palette) <= 256
    palette += [(0, 0, 0)] * (256 - len(palette))
    rows = list(reversed(pixels))  # bottom-up
    colour = b"".join(bytes(palette.index(p) if p else 0 for p in row) for row in rows)
    mask = b""
    for row in rows:
        bits = 0
        for p in row:
            bits = (bits << 1) | (1 if p is None else 0)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0, len(colour) + len(mask), 0, 0, 256, 0)
    quads = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    image = header + quads + colour + mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 22)
    return directory + image


def xpm(pixels):
    colours = sorted({p for row in pixels for p in row if p})
    keys = {None: " "}
    keys.update({colour: chr(ord("a") + n) for n, colour in enumerate(colours)})
    lines = ['"%d %d %d 1",' % (SIZE, SIZE, len(keys)), '"  c None",']
    lines += ['"%s c #%02x%02x%02x",' % (keys[c], *c) for c in colours]
    lines += ['"%s",' % "".join(keys[p] for p in row) for row in pixels]
    return "/* XPM */\nstatic const char* const morvatek_xpm[] = {\n" + "\n".join(lines) + "\n};\n"


if __name__ == "__main__":
    here = Path(__file__).resolve().parent
    picture = draw()
    (here / "morvatek.png").write_bytes(png(picture))
    (here / "icons").mkdir(exist_ok=True)
    for size in DESKTOP_SIZES:
        (here / "icons" / f"morvatek-{size}.png").write_bytes(png(scaled(picture, size)))
    (here / "morvatek.ico").write_bytes(ico(picture))
    (here / "morvatek.xpm").write_text(xpm(picture))
