#include "grid/NetcdfReader.h"

#include <H5Epublic.h>
#include <netcdf.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <span>
#include <string>

#include "grid/GridAxes.h"
#include "grid/TimeUnits.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"

namespace {

constexpr std::size_t ROWS = 36;
constexpr std::size_t COLUMNS = 72;

// The library keeps global state without locks of its own; the export reads on its own thread.
std::mutex& libraryLock() {
    static std::mutex lock;
    return lock;
}

// HDF5 prints its error stack for every failed look-up (netCDF-4 asks for attributes that may
// not be there) unless told not to, and that setting holds for one thread only; netCDF tells
// only the thread that opens the first file. Reasons the reader needs come as netCDF statuses.
void quietOnThisThread() {
    thread_local bool quiet = false;
    if (!quiet) {
        H5Eset_auto2(H5E_DEFAULT, nullptr, nullptr);
        quiet = true;
    }
}

// A text attribute, written as characters or (netCDF-4) as a string; nothing when there is none.
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

// The values of a numeric attribute; empty when there is none or it holds text.
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

bool isFloating(nc_type type) {
    return type == NC_FLOAT || type == NC_DOUBLE;
}

// Packed values (with scale_factor and add_offset) come as whole numbers.
bool isNumber(nc_type type) {
    return isFloating(type) || type == NC_SHORT || type == NC_INT;
}

// What the library writes where nothing was written, when the variable names no fill value.
double defaultFill(nc_type type) {
    switch (type) {
        case NC_FLOAT:
            return NC_FILL_FLOAT;
        case NC_SHORT:
            return NC_FILL_SHORT;
        case NC_INT:
            return NC_FILL_INT;
        default:
            return NC_FILL_DOUBLE;
    }
}

std::int64_t yearOfMonth(std::int64_t month) {
    return month >= 0 ? month / 12 : (month - 11) / 12;
}

unsigned monthOfYear(std::int64_t month) {
    return static_cast<unsigned>(month - yearOfMonth(month) * 12 + 1);
}

}  // namespace

NetcdfReader::NetcdfReader(const ZString& path, const ZString& name) : name_(name) {
    // An absolute path: the library would take a name beginning "http:" for a web address.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path.str(), error);
    const std::lock_guard lock(libraryLock());
    quietOnThisThread();
    const int status = nc_open(error ? path.c_str() : absolute.c_str(), NC_NOWRITE, &ncid_);
    if (status != NC_NOERR) {
        ncid_ = -1;
        throw ZException(ZFormattedString("Die netCDF-Datei \"%s\" kann nicht geöffnet werden: %s",
                                          name_.c_str(), nc_strerror(status)),
                         0);
    }
    try {
        inspect();
    } catch (...) {
        nc_close(ncid_);
        ncid_ = -1;
        throw;
    }
}

NetcdfReader::~NetcdfReader() {
    if (ncid_ != -1) {
        const std::lock_guard lock(libraryLock());
        nc_close(ncid_);
    }
}

bool NetcdfReader::hasSignature(const ZFile& file) {
    char head[8] = {};
    if (file.readAt(0, head, 8) && std::memcmp(head, "\x89HDF\r\n\x1a\n", 8) == 0) {
        return true;
    }
    return file.readAt(0, head, 4) && std::memcmp(head, "CDF", 3) == 0 &&
           (head[3] == 1 || head[3] == 2 || head[3] == 5);
}

void NetcdfReader::fail(const char* what) const {
    throw ZException(ZFormattedString("Die Datei \"%s\" ist kein netCDF-Datensatz mit "
                                      "Monatswerten im 5-Grad-Gitter: %s.",
                                      name_.c_str(), what),
                     0);
}

void NetcdfReader::inspect() {
    findVariable();
    readAxes();
    readMissingMarkers();
    readTimes();
    floats_.resize(ROWS * COLUMNS);
    doubles_.resize(ROWS * COLUMNS);
}

void NetcdfReader::findVariable() {
    if (nc_inq_varid(ncid_, "tas_mean", &varid_) != NC_NOERR &&
        nc_inq_varid(ncid_, "temperature_anomaly", &varid_) != NC_NOERR) {
        // Otherwise the one field over three dimensions the file holds.
        int count = 0;
        nc_inq_nvars(ncid_, &count);
        int found = 0;
        for (int v = 0; v < count; ++v) {
            int dims = 0;
            nc_type type = 0;
            if (nc_inq_varndims(ncid_, v, &dims) == NC_NOERR && dims == 3 &&
                nc_inq_vartype(ncid_, v, &type) == NC_NOERR && isFloating(type)) {
                varid_ = v;
                ++found;
            }
        }
        if (found != 1) {
            fail(
                "Sie enthält weder \"tas_mean\" noch \"temperature_anomaly\" noch genau eine "
                "dreidimensionale Gleitkommavariable");
        }
    }
    char name[NC_MAX_NAME + 1] = {};
    nc_type type = 0;
    int dims = 0;
    int ids[NC_MAX_VAR_DIMS] = {};
    nc_inq_var(ncid_, varid_, name, &type, &dims, ids, nullptr);
    type_ = type;
    if (!isNumber(type)) {
        fail(ZFormattedString("Die Variable \"%s\" enthält keine Zahlen", name).c_str());
    }
    std::string found;
    for (int d = 0; d < dims; ++d) {
        char dimension[NC_MAX_NAME + 1] = {};
        nc_inq_dimname(ncid_, ids[d], dimension);
        found += (d ? ", " : "") + std::string(dimension);
    }
    std::copy_n(ids, 3, dimensions_);
    auto named = [&](int d, const char* a, const char* b) {
        char dimension[NC_MAX_NAME + 1] = {};
        nc_inq_dimname(ncid_, dimensions_[d], dimension);
        return std::strcmp(dimension, a) == 0 || (b && std::strcmp(dimension, b) == 0);
    };
    if (dims != 3 || !named(0, "time", nullptr) || !named(1, "latitude", "lat") ||
        !named(2, "longitude", "lon")) {
        fail(ZFormattedString("Die Variable \"%s\" hat die Dimensionen (%s) statt (time, "
                              "latitude, longitude)",
                              name, found.c_str())
                 .c_str());
    }
    std::size_t rows = 0;
    std::size_t columns = 0;
    nc_inq_dimlen(ncid_, dimensions_[1], &rows);
    nc_inq_dimlen(ncid_, dimensions_[2], &columns);
    if (rows != ROWS || columns != COLUMNS) {
        fail(ZFormattedString("Das Gitter hat %zu x %zu statt 36 x 72 Zellen zu 5 Grad", rows,
                              columns)
                 .c_str());
    }
}

void NetcdfReader::readAxes() {
    // The coordinate variable of a dimension carries its name and runs along it alone.
    auto coordinate = [&](int d, std::size_t n) {
        char dimension[NC_MAX_NAME + 1] = {};
        nc_inq_dimname(ncid_, dimensions_[d], dimension);
        int varid = -1;
        int dims = 0;
        int along = -1;
        std::vector<double> values(n);
        if (nc_inq_varid(ncid_, dimension, &varid) != NC_NOERR ||
            nc_inq_varndims(ncid_, varid, &dims) != NC_NOERR || dims != 1 ||
            nc_inq_vardimid(ncid_, varid, &along) != NC_NOERR || along != dimensions_[d] ||
            nc_get_var_double(ncid_, varid, values.data()) != NC_NOERR) {
            fail(ZFormattedString("Die Koordinate \"%s\" fehlt oder ist keine Zahlenreihe",
                                  dimension)
                     .c_str());
        }
        return values;
    };
    const std::vector<std::uint32_t> rows = rowsOfLatitudes(coordinate(1, ROWS));
    if (rows.empty()) {
        fail(
            "Die Breiten sind nicht die Mitten der 36 Bänder zu 5 Grad (87,5 bis -87,5 oder "
            "-87,5 bis 87,5)");
    }
    const std::vector<std::uint32_t> columns = columnsOfLongitudes(coordinate(2, COLUMNS));
    if (columns.empty()) {
        fail(
            "Die Längen sind nicht die Mitten der 72 Bänder zu 5 Grad (-177,5 bis 177,5 oder "
            "2,5 bis 357,5)");
    }
    cellOf_.resize(ROWS * COLUMNS);
    for (std::size_t j = 0; j < ROWS; ++j) {
        for (std::size_t i = 0; i < COLUMNS; ++i) {
            cellOf_[j * COLUMNS + i] = rows[j] * COLUMNS + columns[i];
        }
    }
}

void NetcdfReader::readMissingMarkers() {
    missing_ = numberAttribute(ncid_, varid_, "_FillValue");
    if (missing_.empty()) {
        missing_.push_back(defaultFill(type_));
    }
    for (double marker : numberAttribute(ncid_, varid_, "missing_value")) {
        missing_.push_back(marker);
    }
    const std::vector<double> scale = numberAttribute(ncid_, varid_, "scale_factor");
    const std::vector<double> offset = numberAttribute(ncid_, varid_, "add_offset");
    packed_ = !scale.empty() || !offset.empty();
    scale_ = scale.empty() ? 1.0 : scale[0];
    offset_ = offset.empty() ? 0.0 : offset[0];
}

void NetcdfReader::readTimes() {
    int varid = -1;
    int dims = 0;
    int along = -1;
    if (nc_inq_varid(ncid_, "time", &varid) != NC_NOERR ||
        nc_inq_varndims(ncid_, varid, &dims) != NC_NOERR || dims != 1 ||
        nc_inq_vardimid(ncid_, varid, &along) != NC_NOERR || along != dimensions_[0]) {
        fail("Die Zeitkoordinate \"time\" fehlt oder läuft nicht entlang der Zeit");
    }
    const std::optional<std::string> units = textAttribute(ncid_, varid, "units");
    if (!units) {
        fail("Die Zeitkoordinate hat keine Einheit (units)");
    }
    const std::optional<TimeUnits> time = TimeUnits::parse(*units);
    if (!time) {
        fail(ZFormattedString("Die Zeiteinheit \"%s\" ist nicht lesbar (erwartet etwa \"days "
                              "since 1850-01-01 00:00:00\" oder \"hours since ...\")",
                              units->c_str())
                 .c_str());
    }
    const std::string calendar = textAttribute(ncid_, varid, "calendar").value_or("");
    if (!TimeUnits::isGregorian(calendar)) {
        fail(ZFormattedString("Der Kalender \"%s\" wird nicht unterstützt (nur standard, "
                              "gregorian und proleptic_gregorian)",
                              calendar.c_str())
                 .c_str());
    }
    nc_inq_dimlen(ncid_, dimensions_[0], &steps_);
    if (steps_ == 0) {
        fail("Sie enthält keinen Zeitschritt");
    }
    std::vector<double> values(steps_);
    if (nc_get_var_double(ncid_, varid, values.data()) != NC_NOERR) {
        fail("Die Zeitwerte sind nicht lesbar");
    }
    for (std::uint64_t k = 0; k < steps_; ++k) {
        const std::optional<std::int64_t> month = time->monthOf(values[k]);
        if (!month) {
            fail(ZFormattedString("Der Zeitschritt %llu hat keinen gültigen Zeitwert",
                                  static_cast<unsigned long long>(k + 1))
                     .c_str());
        }
        if (k == 0) {
            firstMonth_ = *month;
        } else if (*month != firstMonth_ + static_cast<std::int64_t>(k)) {
            const std::int64_t expected = firstMonth_ + static_cast<std::int64_t>(k);
            fail(ZFormattedString("Die Zeitschritte folgen nicht Monat für Monat aufeinander: "
                                  "Schritt %llu fällt in %02u/%lld statt in %02u/%lld",
                                  static_cast<unsigned long long>(k + 1), monthOfYear(*month),
                                  static_cast<long long>(yearOfMonth(*month)),
                                  monthOfYear(expected),
                                  static_cast<long long>(yearOfMonth(expected)))
                     .c_str());
        }
    }
}

std::optional<std::uint64_t> NetcdfReader::stepOf(std::uint64_t year, std::int64_t month) const {
    if (month < 1 || month > 12) {
        return std::nullopt;
    }
    const std::int64_t k = static_cast<std::int64_t>(year) * 12 + (month - 1) - firstMonth_;
    if (k < 0 || static_cast<std::uint64_t>(k) >= steps_) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(k);
}

bool NetcdfReader::addStep(std::uint64_t k, double* sums, std::uint32_t* counts) {
    const std::size_t start[3] = {k, 0, 0};
    const std::size_t count[3] = {1, ROWS, COLUMNS};
    int status = NC_NOERR;
    {
        const std::lock_guard lock(libraryLock());
        quietOnThisThread();
        status = type_ == NC_FLOAT
                     ? nc_get_vara_float(ncid_, varid_, start, count, floats_.data())
                     : nc_get_vara_double(ncid_, varid_, start, count, doubles_.data());
    }
    if (status != NC_NOERR) {
        const std::int64_t month = firstMonth_ + static_cast<std::int64_t>(k);
        problem_ = ZFormattedString(
            "Der Monat %02u/%lld kann aus \"%s\" nicht gelesen werden: %s. Es werden keine "
            "Daten gezeigt.",
            monthOfYear(month), static_cast<long long>(yearOfMonth(month)), name_.c_str(),
            nc_strerror(status));
        return false;
    }
    for (std::size_t i = 0; i < ROWS * COLUMNS; ++i) {
        const double raw = type_ == NC_FLOAT ? floats_[i] : doubles_[i];
        bool marker = false;
        for (double missing : missing_) {
            marker |= raw == missing;
        }
        // The value as the text files give it: a float, data only inside (-99, 99), so NaN and
        // infinities never count.
        const float value = static_cast<float>(packed_ ? raw * scale_ + offset_ : raw);
        if (!marker && value > -99.0f && value < 99.0f) {
            sums[cellOf_[i]] += value;
            ++counts[cellOf_[i]];
        }
    }
    return true;
}
