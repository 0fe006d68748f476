#!/usr/bin/env python3
"""Draws Morvatek's icon: the binary digits 1011 on top, an arrow, and the bases 4, 8, 16 below,
designed on a 32 x 32 grid, with small versions drawn pixel by pixel for 24 x 24 (the same
picture in a smaller font) and 16 x 16 (101 becoming 5), where scaling would blur the digits.
Writes morvatek.png (32 x 32 RGBA), icons/morvatek-N.png at every size a desktop asks for (the
drawn sizes, and the 32 and 24 grids scaled with area sampling: crisp at their multiples),
morvatek.ico (16, 24, 32 and 48 pixels, 256 colours with a mask, for the Windows executable and
the installer) and morvatek.xpm (compiled into the program, which then shows its icon without
loading an image reader), and the hosted web app's icons (icons/web-*.png: 192 and 512 pixels,
and 512 with room to be cut round). Run it again after changing the drawing; the files are kept
in the repository."""
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
# A smaller font for the small icons, three pixels wide.
SMALL_GLYPHS = {
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "4": ["#.#", "#.#", "###", "..#", "..#"],
    "5": ["###", "#..", "###", "..#", "###"],
    "6": ["###", "#..", "###", "#.#", "###"],
    "8": ["###", "#.#", "###", "#.#", "###"],
}
CLEAR = None
BORDER = (64, 64, 128)
WINDOW = (192, 192, 255)
LABEL = (255, 192, 128)
GREEN = (128, 255, 128)
INK = (0, 0, 96)
ARROW = (200, 40, 40)


def canvas(size):
    """The window's colour inside a dark border with clipped corners."""
    pixels = [[WINDOW] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            if x in (0, size - 1) or y in (0, size - 1):
                pixels[y][x] = BORDER
    for x, y in [(0, 0), (size - 1, 0), (0, size - 1), (size - 1, size - 1)]:
        pixels[y][x] = CLEAR
    return pixels


def box(pixels, x0, y0, x1, y1, colour):
    for y in range(y0, y1):
        for x in range(x0, x1):
            pixels[y][x] = colour


def text(pixels, x, y, chars, colour, glyphs=GLYPHS):
    width = len(next(iter(glyphs.values()))[0])
    for char in chars:
        if char == " ":
            x += width - 1
            continue
        for dy, row in enumerate(glyphs[char]):
            for dx, bit in enumerate(row):
                if bit == "#":
                    pixels[y + dy][x + dx] = colour
        x += width + 1


def arrow(pixels, centre, top, shaft, head):
    """A downward arrow: a two-pixel shaft `shaft` rows long, then a head `head` rows deep."""
    box(pixels, centre - 1, top, centre + 1, top + shaft, ARROW)
    for dy in range(head):
        half = head - dy
        box(pixels, centre - half, top + shaft + dy, centre + half, top + shaft + dy + 1, ARROW)


def draw():
    pixels = canvas(SIZE)
    box(pixels, 2, 2, 30, 12, LABEL)
    text(pixels, 6, 3, "1011", INK)
    arrow(pixels, 16, 13, 3, 3)
    box(pixels, 2, 20, 30, 30, GREEN)
    text(pixels, 3, 21, "4 8 16", INK)
    return pixels


def draw24():
    pixels = canvas(24)
    box(pixels, 2, 2, 22, 9, LABEL)
    text(pixels, 5, 3, "1011", INK, SMALL_GLYPHS)
    arrow(pixels, 12, 10, 1, 3)
    box(pixels, 2, 15, 22, 22, GREEN)
    text(pixels, 3, 16, "4 8 16", INK, SMALL_GLYPHS)
    return pixels


def draw16():
    pixels = canvas(16)
    box(pixels, 1, 1, 15, 7, LABEL)
    text(pixels, 3, 1, "101", INK, SMALL_GLYPHS)
    arrow(pixels, 8, 7, 0, 2)
    box(pixels, 1, 9, 15, 15, GREEN)
    text(pixels, 6, 9, "5", INK, SMALL_GLYPHS)
    return pixels


DESKTOP_SIZES = (16, 24, 32, 48, 64, 128, 256)


def scaled(pixels, size, samples=8):
    """The drawing at `size` pixels: each pixel is the average of the grid cells it covers."""
    grid = len(pixels)
    out = []
    for y in range(size):
        row = []
        for x in range(size):
            r = g = b = a = 0
            for sy in range(samples):
                cy = int((y + (sy + 0.5) / samples) * grid / size)
                for sx in range(samples):
                    cx = int((x + (sx + 0.5) / samples) * grid / size)
                    p = pixels[cy][cx]
                    if p:
                        r, g, b, a = r + p[0], g + p[1], b + p[2], a + 1
            n = samples * samples
            row.append((round(r / a), round(g / a), round(b / a), round(255 * a / n)) if a else None)
        out.append(row)
    return out


def at_size(size):
    """The picture for one size: drawn where there is a drawing, else the nearest grid scaled."""
    drawn = {16: draw16(), 24: draw24(), SIZE: draw()}
    if size in drawn:
        return drawn[size]
    grid = 24 if size % 24 == 0 and size % SIZE != 0 else SIZE
    return scaled(drawn[grid], size)


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


def ico_image(pixels):
    """One image of the .ico: 256 colours bottom-up, then the transparency mask."""
    size = len(pixels)
    palette = [(0, 0, 0)]
    for row in pixels:
        for p in row:
            if p and p not in palette:
                palette.append(p)
    assert len(palette) <= 256
    palette += [(0, 0, 0)] * (256 - len(palette))
    rows = list(reversed(pixels))
    colour = b"".join(bytes(palette.index(p) if p else 0 for p in row) for row in rows)
    stride = (size + 31) // 32 * 4  # mask rows are padded to 32 bits
    mask = b""
    for row in rows:
        bits = 0
        for p in row:
            bits = (bits << 1) | (1 if p is None else 0)
        mask += (bits << (stride * 8 - size)).to_bytes(stride, "big")
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, len(colour) + len(mask), 0, 0, 256, 0)
    quads = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return header + quads + colour + mask


def ico(pictures):
    """The .ico with one image per picture, smallest first."""
    images = [ico_image(p) for p in pictures]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for pixels, image in zip(pictures, images):
        size = len(pixels)
        directory += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


def xpm(pixels):
    colours = sorted({p for row in pixels for p in row if p})
    keys = {None: " "}
    keys.update({colour: chr(ord("a") + n) for n, colour in enumerate(colours)})
    lines = ['"%d %d %d 1",' % (SIZE, SIZE, len(keys)), '"  c None",']
    lines += ['"%s c #%02x%02x%02x",' % (keys[c], *c) for c in colours]
    lines += ['"%s",' % "".join(keys[p] for p in row) for row in pixels]
    return "/* XPM */\nstatic const char* const morvatek_xpm[] = {\n" + "\n".join(lines) + "\n};\n"


WINDOWS_SIZES = (16, 24, 32, 48)


def enlarged(pixels, factor):
    """Each grid cell as a square of factor x factor pixels: crisp at any multiple."""
    return [[p for p in row for _ in range(factor)] for row in pixels for _ in range(factor)]


def maskable(pixels, size):
    """For launchers that cut the icon to a circle or a rounded square: the drawing enlarged to
    three quarters of `size`, inside the safe zone, on the window's colour to the edges."""
    factor = size * 3 // 4 // len(pixels)
    inner = enlarged(pixels, factor)
    margin = (size - len(inner)) // 2
    out = [[WINDOW] * size for _ in range(size)]
    for y, row in enumerate(inner):
        for x, p in enumerate(row):
            out[margin + y][margin + x] = p or WINDOW
    return out


def opaque(pixels):
    """Scaled pictures blend their edges; the .ico's 256 colours with a mask take them opaque."""
    return [[(p[0], p[1], p[2]) if p and (len(p) == 3 or p[3] >= 128) else None for p in row] for row in pixels]


if __name__ == "__main__":
    here = Path(__file__).resolve().parent
    picture = draw()
    (here / "morvatek.png").write_bytes(png(picture))
    (here / "icons").mkdir(exist_ok=True)
    for size in DESKTOP_SIZES:
        (here / "icons" / f"morvatek-{size}.png").write_bytes(png(at_size(size)))
    (here / "morvatek.ico").write_bytes(ico([opaque(at_size(size)) for size in WINDOWS_SIZES]))
    (here / "morvatek.xpm").write_text(xpm(picture))
    # The hosted web app's icons (build-web/site): 24 x 8 = 192, 32 x 16 = 512.
    (here / "icons" / "web-192.png").write_bytes(png(enlarged(draw24(), 8)))
    (here / "icons" / "web-512.png").write_bytes(png(enlarged(picture, 16)))
    (here / "icons" / "web-maskable-512.png").write_bytes(png(maskable(picture, 512)))
