#!/usr/bin/python3
"""Reads every frame of an animated GIF with Pillow and prints what the tests compare: the
number of frames, their delays in milliseconds, the loop count ("none" when the file plays
once) and the size. Usage: gif_frames.py FILE.gif"""
import sys

from PIL import Image, ImageSequence


def main():
    with Image.open(sys.argv[1]) as gif:
        loop = gif.info.get("loop", "none")
        durations = []
        for frame in ImageSequence.Iterator(gif):
            frame.load()
            durations.append(str(frame.info.get("duration")))
        print(f"frames {len(durations)}")
        print("durations " + ",".join(durations))
        print(f"loop {loop}")
        print(f"size {gif.width}x{gif.height}")


if __name__ == "__main__":
    main()
