"""Reads one time step of a fine netCDF grid with netCDF4 and averages it onto 5-degree cells
by block means weighted with the cosine of latitude, as a script would; prints how many
seconds the read and the averaging took (the interpreter's start is timed by the caller).

Usage: numpy_block_mean.py FILE VARIABLE STEP
"""
import sys
import time

import netCDF4
import numpy


def main():
    name, variable, step = sys.argv[1], sys.argv[2], int(sys.argv[3])
    start = time.perf_counter()
    with netCDF4.Dataset(name) as data:
        field = data.variables[variable][step, :, :].astype(numpy.float64).filled(numpy.nan)
        latitudes = data.variables["lat"][:]
    rows, columns = field.shape
    per_row, per_column = rows // 36, columns // 72
    weights = numpy.cos(numpy.radians(latitudes))[:, None] * numpy.ones((1, columns))
    weights = numpy.where(numpy.isnan(field), 0.0, weights)
    sums = numpy.nan_to_num(field * weights).reshape(36, per_row, 72, per_column).sum(axis=(1, 3))
    covered = weights.reshape(36, per_row, 72, per_column).sum(axis=(1, 3))
    with numpy.errstate(invalid="ignore", divide="ignore"):
        means = sums / covered
    seconds = time.perf_counter() - start
    print(f"{seconds:.6f} {float(numpy.nanmean(means)):.3f}")


if __name__ == "__main__":
    main()
