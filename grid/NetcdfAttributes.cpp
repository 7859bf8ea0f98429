#include "grid/NetcdfAttributes.h"

#include <H5Epublic.h>
#include <netcdf.h>

std::mutex& netcdfLock() {
    static std::mutex lock;
    return lock;
}

void quietNetcdfOnThisThread() {
    // The setting holds for one thread only; netCDF tells only the thread that opens the first
    // file.
    thread_local bool quiet = false;
    if (!quiet) {
        H5Eset_auto2(H5E_DEFAULT, nullptr, nullptr);
        quiet = true;
    }
}

std::optional<std::string> textAttribute(int ncid, int varid, const char* name) {
    nc_type type = 0;
    std::size_t length = 0;
    if (nc_inq_att(ncid, varid, name, &type, &length) != NC_NOERR) {
        return std::nullopt;
    }
    if (type == NC_CHAR) {
        std::string text(length, '\0');
        if (nc_get_att_text(ncid, varid, name, text.data()) != NC_NOERR) {
            return std::nullopt;
        }
        // Some writers count the closing zero byte.
        return text.substr(0, text.find('\0'));
    }
    if (type == NC_STRING && length == 1) {
        char* value = nullptr;
        if (nc_get_att_string(ncid, varid, name, &value) != NC_NOERR) {
            return std::nullopt;
        }
        std::string text = value ? value : "";
        nc_free_string(1, &value);
        return text;
    }
    return std::nullopt;
}

std::vector<double> numberAttribute(int ncid, int varid, const char* name) {
    nc_type type = 0;
    std::size_t length = 0;
    if (nc_inq_att(ncid, varid, name, &type, &length) != NC_NOERR || type == NC_CHAR ||
        type == NC_STRING || length == 0) {
        return {};
    }
    std::vector<double> values(length);
    if (nc_get_att_double(ncid, varid, name, values.data()) != NC_NOERR) {
        return {};
    }
    return values;
}
