"""The area-weighted mean over the cells with data of every month, for the globe and for a box,
as a researcher would write it with netCDF4 and numpy. The benchmark times the whole process.

Usage: numpy_series.py FILE.nc WEST SOUTH EAST NORTH
"""
import sys

import numpy
from netCDF4 import Dataset


def main():
    name = sys.argv[1]
    west, south, east, north = (float(v) for v in sys.argv[2:6])
    with Dataset(name) as data:
        lat = data.variables["latitude"][:]
        lon = data.variables["longitude"][:]
        field = data.variables["tas_mean"][:]
    # A cell's area follows the sines of its edge latitudes.
    area = numpy.sin(numpy.radians(lat + 2.5)) - numpy.sin(numpy.radians(lat - 2.5))
    weights = numpy.broadcast_to(area[:, None], field.shape[1:])
    missing = numpy.ma.getmaskarray(field)
    values = field.filled(0.0)

    def mean(inside):
        w = numpy.where(missing | ~inside, 0.0, weights)
        with numpy.errstate(invalid="ignore", divide="ignore"):
            return (values * w).sum(axis=(1, 2)) / w.sum(axis=(1, 2))

    box = ((lat[:, None] >= south) & (lat[:, None] <= north)
           & (lon[None, :] >= west) & (lon[None, :] <= east))
    world = mean(numpy.ones(box.shape, bool))
    region = mean(box)
    print(world[-1], region[-1])


if __name__ == "__main__":
    main()
