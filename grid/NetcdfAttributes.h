#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <vector>

// The netCDF library keeps global state without locks of its own and the export reads on its
// own thread: every call into it holds this lock.
std::mutex& netcdfLock();
// Keeps HDF5 from printing its error stack on this thread (netCDF-4 asks for attributes that may
// not be there); the reasons the reader needs come as netCDF statuses.
void quietNetcdfOnThisThread();

// A text attribute, written as characters or (netCDF-4) as a string; nothing when there is none.
std::optional<std::string> textAttribute(int ncid, int varid, const char* name);
// The values of a numeric attribute; empty when there is none or it holds text.
std::vector<double> numberAttribute(int ncid, int varid, const char* name);
