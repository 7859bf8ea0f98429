#!/usr/bin/python3
"""Pillow on the picture bench_image leaves in its folder (bench-map.png), for comparison.

'one call' is quantize(FASTOCTREE, dither=FLOYDSTEINBERG): Pillow ignores the dither argument
when it makes the palette itself, so that picture is not dithered. 'octree + dither' first
makes the octree palette and then maps the picture onto it with Floyd-Steinberg, which is
what our GIF saver does. Both include the GIF encoding into memory. Prints median times.
Usage: python3 bench/pillow_gif.py build/bench-data/bench-map.png [runs]
"""
import io
import statistics
import sys
import time

from PIL import Image


def one_call(picture):
    return picture.quantize(256, method=Image.Quantize.FASTOCTREE,
                            dither=Image.Dither.FLOYDSTEINBERG)


def octree_and_dither(picture):
    palette = picture.quantize(256, method=Image.Quantize.FASTOCTREE)
    return picture.quantize(palette=palette, dither=Image.Dither.FLOYDSTEINBERG)


def main():
    picture = Image.open(sys.argv[1]).convert("RGB")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 21
    for name, reduce in (("one call", one_call), ("octree + dither", octree_and_dither)):
        times = []
        for _ in range(runs):
            start = time.perf_counter()
            out = io.BytesIO()
            reduce(picture).save(out, "GIF")
            times.append((time.perf_counter() - start) * 1000)
        print(f"pillow {name}: median {statistics.median(times):.2f} ms, "
              f"{len(out.getvalue())} bytes")


if __name__ == "__main__":
    main()
