#!/usr/bin/python3
"""Pillow writing the twelve frames bench_animation leaves in its folder (bench-frame-01.png to
-12.png) as one looping GIF at four frames a second, into memory, for comparison with our
writer: save_all with append_images, Pillow quantizing each frame itself. Prints the median
time and the size. Usage: python3 bench/pillow_animation.py build/bench-data [runs]
"""
import io
import os
import statistics
import sys
import time

from PIL import Image


def main():
    folder = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    frames = [Image.open(os.path.join(folder, f"bench-frame-{m:02d}.png")).convert("RGB")
              for m in range(1, 13)]
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        out = io.BytesIO()
        frames[0].save(out, "GIF", save_all=True, append_images=frames[1:], duration=250,
                       loop=0)
        times.append((time.perf_counter() - start) * 1000)
    print(f"pillow save_all 12 frames: median {statistics.median(times):.1f} ms, "
          f"{len(out.getvalue())} bytes")


if __name__ == "__main__":
    main()
