#!/usr/bin/python3
"""Composes the frames of a GIF animation of one colour table from giflib's dump (gifbuild -d)
and with Pillow, and fails unless both agree; prints the frames' transparent indices.
Usage: composed_frames.py FILE
"""
import re
import subprocess
import sys

import numpy as np
from PIL import Image, ImageSequence

gif = sys.argv[1]
dump = subprocess.run(["gifbuild", "-d", gif], capture_output=True, text=True, check=True).stdout
colours = np.array(re.findall(r"rgb (\d+) (\d+) (\d+)", dump), int).astype(np.uint8)
size = [int(re.search(f"screen {side} (\\d+)", dump)[1]) for side in ("height", "width")]
screen, frames, see_through = np.zeros(size + [3], np.uint8), [], []
for seen, left, top, width, height, rows in re.findall(
        r"transparent index (-?\d+).*?image left (\d+)\nimage top (\d+)\n"
        r"image bits (\d+) by (\d+) hex\n((?:[0-9a-f]+\n)+)", dump, re.S):
    index = np.frombuffer(bytes.fromhex(rows.replace("\n", "")), np.uint8)
    index = index.reshape(int(height), int(width))
    area = screen[int(top):int(top) + int(height), int(left):int(left) + int(width)]
    shown = index != int(seen)
    area[shown] = colours[index[shown]]
    frames.append(screen.copy())
    see_through.append(seen)
pillow = [np.asarray(f.convert("RGB")) for f in ImageSequence.Iterator(Image.open(gif))]
if len(pillow) != len(frames) or any((a != b).any() for a, b in zip(pillow, frames)):
    sys.exit("giflib and Pillow compose the frames differently")
print(*see_through)
