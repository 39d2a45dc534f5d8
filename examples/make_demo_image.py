#!/usr/bin/env python3
"""Draws demo/ecran.bmp, the 16-colour picture of the main window of the
fictional "Carnet" program shown by the demo help project."""
import os
import struct

WIDTH, HEIGHT = 200, 120

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, SILVER, GREY, YELLOW, WHITE = 0, 4, 7, 8, 11, 15

pixels = [[SILVER] * WIDTH for _ in range(HEIGHT)]


def box(x0, y0, x1, y1, colour):
    for y in range(y0, y1):
        for x in range(x0, x1):
            pixels[y][x] = colour


def frame(x0, y0, x1, y1, colour):
    box(x0, y0, x1, y0 + 1, colour)
    box(x0, y1 - 1, x1, y1, colour)
    box(x0, y0, x0 + 1, y1, colour)
    box(x1 - 1, y0, x1, y1, colour)


frame(0, 0, WIDTH, HEIGHT, BLACK)
box(1, 1, WIDTH - 1, 12, NAVY)                 # title bar
box(4, 4, 60, 9, WHITE)                        # its caption
for i, x in enumerate(range(4, 120, 24)):      # menu bar
    box(x, 15, x + 16 + (i % 2) * 2, 19, BLACK)
box(3, 23, 62, HEIGHT - 3, WHITE)              # list of notes
frame(3, 23, 62, HEIGHT - 3, GREY)
for row, y in enumerate(range(27, HEIGHT - 8, 9)):
    if row == 2:
        box(4, y - 2, 61, y + 6, NAVY)         # the selected note
        box(7, y, 50, y + 3, WHITE)
    else:
        box(7, y, 40 + (row * 7) % 18, y + 3, GREY)
box(65, 23, WIDTH - 3, HEIGHT - 3, WHITE)      # the note being edited
frame(65, 23, WIDTH - 3, HEIGHT - 3, GREY)
box(70, 28, 150, 33, BLACK)                    # its title
for row, y in enumerate(range(40, HEIGHT - 10, 7)):
    box(70, y, WIDTH - 10 - (row * 13) % 40, y + 3, GREY)
box(WIDTH - 30, HEIGHT - 22, WIDTH - 10, HEIGHT - 10, YELLOW)  # a sticky tag

row_bytes = (WIDTH * 4 + 31) // 32 * 4
data = bytearray()
for y in reversed(range(HEIGHT)):              # bottom-up rows
    row = bytearray()
    for x in range(0, WIDTH, 2):
        row.append(pixels[y][x] << 4 | pixels[y][x + 1])
    row.extend(b"\0" * (row_bytes - len(row)))
    data += row

palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
offset = 14 + 40 + len(palette)
header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 4, 0, len(data), 2835, 2835, 16, 0)
out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "demo", "ecran.bmp")
with open(out, "wb") as f:
    f.write(header + info + palette + data)
