"""Reads the month blocks of a dataset file with numpy's loadtxt, one block at a time, the way a
script would, and prints how many seconds the reading alone took.

Usage: numpy_read_blocks.py FILE BLOCK_BYTES FIRST_BLOCK COUNT
"""
import io
import sys
import time

import numpy


def main():
    name, block, first, count = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
    total = 0.0
    with open(name, "rb") as data:
        start = time.perf_counter()
        for k in range(first, first + count):
            data.seek(k * block)
            text = data.read(block)
            grid = numpy.loadtxt(io.BytesIO(text), skiprows=1)
            total += float(numpy.nanmean(numpy.where(numpy.abs(grid) < 99.0, grid, numpy.nan)))
        seconds = time.perf_counter() - start
    print(f"{seconds:.6f} {total:.3f}")


if __name__ == "__main__":
    main()
