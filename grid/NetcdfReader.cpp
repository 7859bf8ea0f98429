#include "grid/NetcdfReader.h"

#include <netcdf.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <limits>

#include "grid/CellAggregation.h"
#include "grid/NetcdfAttributes.h"
#include "grid/TimeUnits.h"
#include "toolkit/ZException.h"
#include "toolkit/ZFormattedString.h"
#include "toolkit/ZLanguage.h"

namespace {

// Tried in this order before any variable is guessed.
constexpr std::array KNOWN_VARIABLES{"tas_mean", "temperature_anomaly", "tas", "t2m",
                                     "air",      "temperature"};
// The first two are anomalies whatever their units say.
constexpr std::size_t KNOWN_ANOMALIES = 2;
// Values read at once when the file's chunks leave it open.
constexpr std::size_t BAND_VALUES = std::size_t{1} << 18;

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

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The unit's letters without blanks, underscores and "degree(s)": "K", "kelvin", "degC",
// "degrees_Celsius" and "°C" become "k", "kelvin", "c", "celsius" and "°c".
std::string unitWord(const std::string& units) {
    std::string word;
    for (char c : lowered(units)) {
        if (c != ' ' && c != '_') {
            word += c;
        }
    }
    for (const char* prefix : {"degrees", "degree", "deg"}) {
        if (word.rfind(prefix, 0) == 0 && word.size() > std::strlen(prefix)) {
            return word.substr(std::strlen(prefix));
        }
    }
    return word;
}

std::string dimensionName(int ncid, int dimension) {
    char name[NC_MAX_NAME + 1] = {};
    nc_inq_dimname(ncid, dimension, name);
    return name;
}

std::string variableName(int ncid, int varid) {
    char name[NC_MAX_NAME + 1] = {};
    nc_inq_varname(ncid, varid, name);
    return name;
}

std::vector<int> dimensionsOf(int ncid, int varid) {
    int count = 0;
    nc_inq_varndims(ncid, varid, &count);
    std::vector<int> ids(static_cast<std::size_t>(count));
    nc_inq_vardimid(ncid, varid, ids.data());
    return ids;
}

// Whether a variable (a coordinate, or a dimension's coordinate variable) names latitudes or
// longitudes, by its name, standard_name or units.
bool namesAxis(int ncid, int varid, const std::string& name, bool latitude) {
    const std::string lower = lowered(name);
    if (lower == (latitude ? "lat" : "lon") || lower == (latitude ? "latitude" : "longitude")) {
        return true;
    }
    if (varid < 0) {
        return false;
    }
    if (lowered(textAttribute(ncid, varid, "standard_name").value_or("")) ==
        (latitude ? "latitude" : "longitude")) {
        return true;
    }
    const std::string units = unitWord(textAttribute(ncid, varid, "units").value_or(""));
    return latitude ? units == "north" || units == "n" : units == "east" || units == "e";
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
    const std::lock_guard lock(netcdfLock());
    quietNetcdfOnThisThread();
    const int status = nc_open(error ? path.c_str() : absolute.c_str(), NC_NOWRITE, &ncid_);
    if (status != NC_NOERR) {
        ncid_ = -1;
        throw ZException(
            ZFormattedString(ztr("Die netCDF-Datei \"%s\" kann nicht geöffnet werden: %s").c_str(),
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
        const std::lock_guard lock(netcdfLock());
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

void NetcdfReader::fail(const std::string& what) const {
    throw ZException(
        ZFormattedString(ztr("Die Datei \"%s\" ist kein netCDF-Datensatz mit "
                             "Monatswerten in einem regelmäßigen Längen-Breiten-Gitter: "
                             "%s.")
                             .c_str(),
                         name_.c_str(), what.c_str()),
        0);
}

void NetcdfReader::inspect() {
    findVariable();
    refuseOtherGrids();
    findAxes();
    readMissingMarkers();
    readUnits();
    readTimes();
    chooseBands();
}

void NetcdfReader::findVariable() {
    for (const char* known : KNOWN_VARIABLES) {
        if (nc_inq_varid(ncid_, known, &varid_) == NC_NOERR) {
            break;
        }
    }
    if (varid_ < 0) {
        // Otherwise the one field over three dimensions the file holds, or the one of several
        // that holds temperatures.
        int count = 0;
        nc_inq_nvars(ncid_, &count);
        std::vector<int> fields;
        std::vector<int> temperatures;
        for (int v = 0; v < count; ++v) {
            int dims = 0;
            nc_type type = 0;
            if (nc_inq_varndims(ncid_, v, &dims) == NC_NOERR && dims == 3 &&
                nc_inq_vartype(ncid_, v, &type) == NC_NOERR && isFloating(type)) {
                fields.push_back(v);
                const std::string standard = textAttribute(ncid_, v, "standard_name").value_or("");
                if (standard.find("temperature") != std::string::npos) {
                    temperatures.push_back(v);
                }
            }
        }
        if (fields.size() == 1) {
            varid_ = fields[0];
        } else if (temperatures.size() == 1) {
            varid_ = temperatures[0];
        } else {
            fail(ztr("Sie enthält keine der Variablen \"tas_mean\", \"temperature_anomaly\", "
                     "\"tas\", "
                     "\"t2m\", \"air\", \"temperature\" und nicht genau eine dreidimensionale "
                     "Gleitkommavariable")
                     .str());
        }
    }
    variable_ = variableName(ncid_, varid_);
    nc_type type = 0;
    nc_inq_vartype(ncid_, varid_, &type);
    type_ = type;
    if (!isNumber(type)) {
        fail(ZFormattedString(ztr("Die Variable \"%s\" enthält keine Zahlen").c_str(),
                              variable_.c_str())
                 .str());
    }
    dimensions_ = dimensionsOf(ncid_, varid_);
}

void NetcdfReader::refuseOtherGrids() {
    // A rotated pole is named by the grid mapping, or shows in the axes' names.
    bool rotated = false;
    if (const auto mapping = textAttribute(ncid_, varid_, "grid_mapping")) {
        int mappingId = -1;
        if (nc_inq_varid(ncid_, mapping->c_str(), &mappingId) == NC_NOERR &&
            textAttribute(ncid_, mappingId, "grid_mapping_name").value_or("") ==
                "rotated_latitude_longitude") {
            rotated = true;
        }
    }
    for (int dimension : dimensions_) {
        const std::string name = lowered(dimensionName(ncid_, dimension));
        rotated |= name == "rlat" || name == "rlon";
    }
    if (rotated) {
        fail(ztr("Das Gitter ist gedreht (rotated_pole), kein Gitter mit Nordpol oben").str());
    }
    // Curvilinear: latitudes and longitudes that vary along two axes.
    std::vector<std::string> candidates{"lat", "lon", "latitude", "longitude"};
    const std::string coordinates = textAttribute(ncid_, varid_, "coordinates").value_or("");
    for (std::size_t start = 0; start < coordinates.size();) {
        const std::size_t end = std::min(coordinates.find(' ', start), coordinates.size());
        if (end > start) {
            candidates.push_back(coordinates.substr(start, end - start));
        }
        start = end + 1;
    }
    for (const std::string& candidate : candidates) {
        int id = -1;
        int dims = 0;
        if (nc_inq_varid(ncid_, candidate.c_str(), &id) == NC_NOERR &&
            nc_inq_varndims(ncid_, id, &dims) == NC_NOERR && dims == 2 &&
            (namesAxis(ncid_, id, candidate, true) || namesAxis(ncid_, id, candidate, false))) {
            fail(ZFormattedString(ztr("Das Gitter ist krummlinig: Die Koordinate \"%s\" ist "
                                      "zweidimensional")
                                      .c_str(),
                                  candidate.c_str())
                     .str());
        }
    }
}

std::vector<double> NetcdfReader::coordinate(int dimension, std::string& bounds) {
    // The coordinate variable of a dimension carries its name and runs along it alone.
    const std::string name = dimensionName(ncid_, dimension);
    std::size_t n = 0;
    nc_inq_dimlen(ncid_, dimension, &n);
    int varid = -1;
    std::vector<double> values(n);
    if (nc_inq_varid(ncid_, name.c_str(), &varid) != NC_NOERR ||
        dimensionsOf(ncid_, varid) != std::vector<int>{dimension} ||
        nc_get_var_double(ncid_, varid, values.data()) != NC_NOERR) {
        fail(ZFormattedString(ztr("Die Koordinate \"%s\" fehlt oder ist keine Zahlenreihe").c_str(),
                              name.c_str())
                 .str());
    }
    bounds = textAttribute(ncid_, varid, "bounds").value_or("");
    return values;
}

void NetcdfReader::findAxes() {
    auto axis = [&](int dimension, bool latitude) {
        const std::string name = dimensionName(ncid_, dimension);
        int varid = -1;
        nc_inq_varid(ncid_, name.c_str(), &varid);
        return namesAxis(ncid_, varid, name, latitude);
    };
    std::string found;
    for (int dimension : dimensions_) {
        found += (found.empty() ? "" : ", ") + dimensionName(ncid_, dimension);
    }
    const bool spatial = dimensions_.size() == 3;
    if (spatial && axis(dimensions_[1], true) && axis(dimensions_[2], false)) {
        latitudeOuter_ = true;
    } else if (spatial && axis(dimensions_[1], false) && axis(dimensions_[2], true)) {
        latitudeOuter_ = false;
    } else {
        fail(
            ZFormattedString(ztr("Die Variable \"%s\" hat die Dimensionen (%s), keine Zeit, Breite "
                                 "und Länge: Das Gitter ist unstrukturiert oder kein "
                                 "Längen-Breiten-Gitter")
                                 .c_str(),
                             variable_.c_str(), found.c_str())
                .str());
    }
    // The bounds are taken when the coordinate names them, or by the usual names.
    auto cells = [&](int dimension, bool latitude) {
        std::string boundsName;
        const std::vector<double> centres = coordinate(dimension, boundsName);
        std::vector<double> bounds;
        int boundsId = -1;
        for (const std::string& name :
             {boundsName, std::string(latitude ? "lat_bnds" : "lon_bnds"),
              std::string(latitude ? "latitude_bnds" : "longitude_bnds")}) {
            std::vector<int> along;
            if (!name.empty() && nc_inq_varid(ncid_, name.c_str(), &boundsId) == NC_NOERR &&
                (along = dimensionsOf(ncid_, boundsId)).size() == 2 && along[0] == dimension) {
                bounds.resize(centres.size() * 2);
                if (nc_get_var_double(ncid_, boundsId, bounds.data()) != NC_NOERR) {
                    bounds.clear();
                }
                break;
            }
        }
        std::vector<CellSpan> spans =
            latitude ? latitudeCells(centres, bounds) : longitudeCells(centres, bounds);
        if (spans.empty()) {
            fail(latitude ? ztr("Die Breiten laufen nicht stetig in eine Richtung oder liegen "
                                "außerhalb von -90 bis 90 Grad")
                                .str()
                          : ztr("Die Längen laufen nicht stetig in eine Richtung oder überdecken "
                                "die Erde mehr als einmal")
                                .str());
        }
        return spans;
    };
    rows_ = cells(latitudeOuter_ ? dimensions_[1] : dimensions_[2], true);
    columns_ = cells(latitudeOuter_ ? dimensions_[2] : dimensions_[1], false);
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

void NetcdfReader::readUnits() {
    // Temperatures themselves, unless the variable's names call it an anomaly: the files of
    // anomalies often give their units as kelvin too.
    const bool knownAnomaly =
        std::find(KNOWN_VARIABLES.begin(), KNOWN_VARIABLES.begin() + KNOWN_ANOMALIES, variable_) !=
        KNOWN_VARIABLES.begin() + KNOWN_ANOMALIES;
    const std::string named =
        lowered(variable_ + " " + textAttribute(ncid_, varid_, "long_name").value_or("") + " " +
                textAttribute(ncid_, varid_, "standard_name").value_or(""));
    const std::string unit = unitWord(textAttribute(ncid_, varid_, "units").value_or(""));
    const bool kelvin = unit == "k" || unit == "kelvin";
    const bool celsius = unit == "c" || unit == "celsius" || unit == "°c";
    absolute_ = !knownAnomaly && named.find("anomal") == std::string::npos && (kelvin || celsius);
    kelvin_ = absolute_ && kelvin ? 273.15 : 0.0;
}

void NetcdfReader::readTimes() {
    const int dimension = dimensions_[0];
    const std::string name = dimensionName(ncid_, dimension);
    int varid = -1;
    if (nc_inq_varid(ncid_, name.c_str(), &varid) != NC_NOERR ||
        dimensionsOf(ncid_, varid) != std::vector<int>{dimension}) {
        fail(ZFormattedString(
                 ztr("Die Zeitkoordinate \"%s\" fehlt oder läuft nicht entlang der Zeit").c_str(),
                 name.c_str())
                 .str());
    }
    const std::optional<std::string> units = textAttribute(ncid_, varid, "units");
    if (!units) {
        fail(ztr("Die Zeitkoordinate hat keine Einheit (units)").str());
    }
    const std::optional<TimeUnits> time = TimeUnits::parse(*units);
    if (!time) {
        fail(ZFormattedString(ztr("Die Zeiteinheit \"%s\" ist nicht lesbar (erwartet etwa \"days "
                                  "since 1850-01-01 00:00:00\" oder \"hours since ...\")")
                                  .c_str(),
                              units->c_str())
                 .str());
    }
    const std::string calendar = textAttribute(ncid_, varid, "calendar").value_or("");
    if (!TimeUnits::isGregorian(calendar)) {
        fail(ZFormattedString(ztr("Der Kalender \"%s\" wird nicht unterstützt (nur standard, "
                                  "gregorian und proleptic_gregorian)")
                                  .c_str(),
                              calendar.c_str())
                 .str());
    }
    nc_inq_dimlen(ncid_, dimension, &steps_);
    if (steps_ == 0) {
        fail(ztr("Sie enthält keinen Zeitschritt").str());
    }
    std::vector<double> values(steps_);
    if (nc_get_var_double(ncid_, varid, values.data()) != NC_NOERR) {
        fail(ztr("Die Zeitwerte sind nicht lesbar").str());
    }
    std::vector<std::int64_t> months(steps_);
    for (std::uint64_t k = 0; k < steps_; ++k) {
        const std::optional<std::int64_t> month = time->monthOf(values[k]);
        if (!month) {
            fail(ZFormattedString(ztr("Der Zeitschritt %llu hat keinen gültigen Zeitwert").c_str(),
                                  static_cast<unsigned long long>(k + 1))
                     .str());
        }
        months[k] = *month;
    }
    if (steps_ > 1 && months[1] == months[0]) {
        fail(ztr("Die Zeitschritte sind Tage oder kürzer, keine Monate").str());
    }
    if (steps_ > 1 && months[1] == months[0] + 12) {
        fail(ztr("Die Zeitschritte sind Jahre, keine Monate").str());
    }
    firstMonth_ = months[0];
    for (std::uint64_t k = 1; k < steps_; ++k) {
        const std::int64_t expected = firstMonth_ + static_cast<std::int64_t>(k);
        if (months[k] != expected) {
            fail(ZFormattedString(ztr("Die Zeitschritte folgen nicht Monat für Monat aufeinander: "
                                      "Schritt %llu fällt in %02u/%lld statt in %02u/%lld")
                                      .c_str(),
                                  static_cast<unsigned long long>(k + 1), monthOfYear(months[k]),
                                  static_cast<long long>(yearOfMonth(months[k])),
                                  monthOfYear(expected),
                                  static_cast<long long>(yearOfMonth(expected)))
                     .str());
        }
    }
}

void NetcdfReader::chooseBands() {
    const std::size_t outer = latitudeOuter_ ? rows_.size() : columns_.size();
    const std::size_t inner = latitudeOuter_ ? columns_.size() : rows_.size();
    // Whole chunks along the outer axis, so that no chunk is unpacked twice for one month.
    int storage = NC_CONTIGUOUS;
    std::size_t chunks[3] = {1, 1, 1};
    std::size_t chunk = 1;
    if (nc_inq_var_chunking(ncid_, varid_, &storage, chunks) == NC_NOERR && storage == NC_CHUNKED) {
        chunk = std::max<std::size_t>(chunks[1], 1);
    }
    band_ = chunk;
    while (band_ < outer && (band_ + chunk) * inner <= BAND_VALUES) {
        band_ += chunk;
    }
    band_ = std::min(band_, outer);
    if (type_ == NC_FLOAT) {
        floats_.resize(band_ * inner);
    } else {
        doubles_.resize(band_ * inner);
    }
    values_.resize(inner);
}

template <typename Raw>
void NetcdfReader::valuesOf(const Raw* raw, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const double stored = raw[i];
        bool marker = false;
        for (double missing : missing_) {
            marker |= stored == missing;
        }
        // The value as the text files give it: a float, data only inside (-99, 99), so NaN and
        // infinities never count.
        const float value =
            static_cast<float>((packed_ ? stored * scale_ + offset_ : stored) - kelvin_);
        values_[i] = !marker && value > -99.0f && value < 99.0f
                         ? value
                         : std::numeric_limits<float>::quiet_NaN();
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

bool NetcdfReader::readStep(std::uint64_t k, CellAggregation& cells) {
    const std::size_t outer = latitudeOuter_ ? rows_.size() : columns_.size();
    const std::size_t inner = latitudeOuter_ ? columns_.size() : rows_.size();
    cells.begin();
    for (std::size_t first = 0; first < outer; first += band_) {
        const std::size_t count = std::min(band_, outer - first);
        const std::size_t start[3] = {k, first, 0};
        const std::size_t counts[3] = {1, count, inner};
        int status = NC_NOERR;
        {
            const std::lock_guard lock(netcdfLock());
            quietNetcdfOnThisThread();
            status = type_ == NC_FLOAT
                         ? nc_get_vara_float(ncid_, varid_, start, counts, floats_.data())
                         : nc_get_vara_double(ncid_, varid_, start, counts, doubles_.data());
        }
        if (status != NC_NOERR) {
            const std::int64_t month = firstMonth_ + static_cast<std::int64_t>(k);
            problem_ = ZFormattedString(
                ztr("Der Monat %02u/%lld kann aus \"%s\" nicht gelesen werden: %s. Es werden keine "
                    "Daten gezeigt.")
                    .c_str(),
                monthOfYear(month), static_cast<long long>(yearOfMonth(month)), name_.c_str(),
                nc_strerror(status));
            return false;
        }
        for (std::size_t a = 0; a < count; ++a) {
            type_ == NC_FLOAT ? valuesOf(&floats_[a * inner], inner)
                              : valuesOf(&doubles_[a * inner], inner);
            const auto along = static_cast<std::uint32_t>(first + a);
            if (latitudeOuter_) {
                cells.addRow(along, values_.data());
                continue;
            }
            for (std::size_t b = 0; b < inner; ++b) {
                if (values_[b] == values_[b]) {
                    cells.add(static_cast<std::uint32_t>(b), along, values_[b]);
                }
            }
        }
    }
    return true;
}
