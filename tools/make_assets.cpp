// Makes the map's world pictures and coastline file from public sources:
//   make_assets DAY.jpg NIGHT.jpg LAND.json OUTDIR
// DAY and NIGHT are equirectangular pictures with 180 W at their left edge; LAND is a TopoJSON
// topology with a "land" object. Writes weltkarte1.jpg, weltkarte2.jpg, weltkarte3.jpg and
// worldmap.txt into OUTDIR. tools/make-assets fetches the sources and calls this.
#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 500;
constexpr int kJpegQuality = 90;
// Deviations below this (in pixels at 1000 x 500) from the simplified line are invisible.
constexpr double kTolerancePixels = 0.1;
// Islands smaller than this in both directions are below a pixel: not worth a polyline.
constexpr double kMinExtentPixels = 0.5;
// The sources put the cut at exactly +-180 and the pole at -89.999 after quantisation.
constexpr double kEdgeTolerance = 1e-6;
constexpr double kPoleLatitude = 89.99;

const QColor kSea(170, 205, 230);
const QColor kLand(222, 226, 188);
const QColor kCoast(96, 136, 168);

struct GeoPoint {
    double lon;
    double lat;
};
using Line = std::vector<GeoPoint>;
using Polygon = std::vector<Line>;  // outer ring first, then holes

QPointF toPixel(double lon, double lat) {
    return {(lon + 180.0) * kWidth / 360.0, (90.0 - lat) * kHeight / 180.0};
}

QJsonObject readJson(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read " + path.toStdString());
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (doc.isNull()) {
        throw std::runtime_error(path.toStdString() + ": " + error.errorString().toStdString());
    }
    return doc.object();
}

// Arcs of a quantised topology are integer deltas from the previous point; the transform maps
// the running sums back to degrees. Without a transform the positions are plain degrees.
std::vector<Line> decodeArcs(const QJsonObject& topology) {
    const QJsonObject transform = topology["transform"].toObject();
    const bool quantised = !transform.isEmpty();
    const QJsonArray scale = transform["scale"].toArray();
    const QJsonArray translate = transform["translate"].toArray();
    std::vector<Line> arcs;
    for (const QJsonValue& arcValue : topology["arcs"].toArray()) {
        Line arc;
        double x = 0;
        double y = 0;
        for (const QJsonValue& position : arcValue.toArray()) {
            const QJsonArray xy = position.toArray();
            if (quantised) {
                x += xy[0].toDouble();
                y += xy[1].toDouble();
                arc.push_back({x * scale[0].toDouble() + translate[0].toDouble(),
                               y * scale[1].toDouble() + translate[1].toDouble()});
            } else {
                arc.push_back({xy[0].toDouble(), xy[1].toDouble()});
            }
        }
        arcs.push_back(std::move(arc));
    }
    return arcs;
}

// A ring lists arc indices; a negative index ~i is arc i walked backwards. Consecutive arcs
// share their joining point, which is kept once.
Line assembleRing(const QJsonArray& indices, const std::vector<Line>& arcs) {
    Line ring;
    for (const QJsonValue& value : indices) {
        const int index = value.toInt();
        const std::size_t arcIndex = index >= 0 ? index : ~index;
        if (arcIndex >= arcs.size()) {
            throw std::runtime_error("arc index out of range");
        }
        Line arc = arcs[arcIndex];
        if (index < 0) {
            std::reverse(arc.begin(), arc.end());
        }
        ring.insert(ring.end(), arc.begin() + (ring.empty() ? 0 : 1), arc.end());
    }
    return ring;
}

Polygon assemblePolygon(const QJsonArray& rings, const std::vector<Line>& arcs) {
    Polygon polygon;
    for (const QJsonValue& ring : rings) {
        polygon.push_back(assembleRing(ring.toArray(), arcs));
    }
    return polygon;
}

void collectPolygons(const QJsonObject& geometry, const std::vector<Line>& arcs,
                     std::vector<Polygon>& polygons) {
    const QString type = geometry["type"].toString();
    if (type == "GeometryCollection") {
        for (const QJsonValue& member : geometry["geometries"].toArray()) {
            collectPolygons(member.toObject(), arcs, polygons);
        }
    } else if (type == "Polygon") {
        polygons.push_back(assemblePolygon(geometry["arcs"].toArray(), arcs));
    } else if (type == "MultiPolygon") {
        for (const QJsonValue& rings : geometry["arcs"].toArray()) {
            polygons.push_back(assemblePolygon(rings.toArray(), arcs));
        }
    }
}

std::vector<Polygon> loadLand(const QString& path) {
    const QJsonObject topology = readJson(path);
    const QJsonObject land = topology["objects"].toObject()["land"].toObject();
    if (land.isEmpty()) {
        throw std::runtime_error(path.toStdString() + " has no \"land\" object");
    }
    std::vector<Polygon> polygons;
    collectPolygons(land, decodeArcs(topology), polygons);
    return polygons;
}

bool onDateLine(const GeoPoint& p) {
    return std::abs(p.lon) >= 180.0 - kEdgeTolerance;
}
bool atPole(const GeoPoint& p) {
    return std::abs(p.lat) >= kPoleLatitude;
}

// Where a ring was cut open at the date line or closed round a pole it runs along the edge of
// the map: that is no coast.
bool alongMapEdge(const GeoPoint& p, const GeoPoint& q) {
    return (onDateLine(p) && onDateLine(q)) || (atPole(p) && atPole(q));
}

bool crossesDateLine(const GeoPoint& p, const GeoPoint& q) {
    return std::abs(q.lon - p.lon) > 180.0;
}

bool breaksLine(const GeoPoint& p, const GeoPoint& q) {
    return alongMapEdge(p, q) || crossesDateLine(p, q);
}

bool samePoint(const GeoPoint& p, const GeoPoint& q) {
    return p.lon == q.lon && p.lat == q.lat;
}

void appendPoint(Line& line, const GeoPoint& p) {
    if (line.empty() || !samePoint(line.back(), p)) {
        line.push_back(p);
    }
}

void finishLine(Line& line, std::vector<Line>& lines) {
    if (line.size() >= 2) {
        lines.push_back(std::move(line));
    }
    line.clear();
}

// Latitude at which the straight segment from p to q, taken the short way round, meets the
// date line.
double dateLineLatitude(const GeoPoint& p, const GeoPoint& q) {
    const double edge = p.lon > 0 ? 180.0 : -180.0;
    const double unwrappedLon = q.lon + 2.0 * edge;
    const double t = (edge - p.lon) / (unwrappedLon - p.lon);
    return p.lat + t * (q.lat - p.lat);
}

// Splits a closed ring into the polylines a straight-line plotter can draw: dropped where the
// ring runs along the map's edge, and cut where it crosses the date line, each side then
// ending on the edge at the interpolated latitude.
std::vector<Line> coastOfRing(const Line& ring) {
    const std::size_t n = ring.size() - 1;  // the last point repeats the first
    std::size_t start = 0;
    while (start < n && !breaksLine(ring[start], ring[start + 1])) {
        ++start;
    }
    if (start == n) {
        return {ring};  // an island clear of the date line, closed as it is
    }
    // The walk begins and ends at the same break, so that the piece round the ring's first
    // point stays one line: at the start only the far side of the break is taken, at the end
    // only the near side.
    std::vector<Line> lines;
    Line line;
    for (std::size_t k = 0; k <= n; ++k) {
        const GeoPoint& p = ring[(start + k) % n];
        const GeoPoint& q = ring[(start + k + 1) % n];
        if (!breaksLine(p, q)) {
            appendPoint(line, q);
            continue;
        }
        const bool crossing = !alongMapEdge(p, q);
        const double edge = p.lon > 0 ? 180.0 : -180.0;
        const double lat = crossing ? dateLineLatitude(p, q) : 0.0;
        if (crossing) {
            appendPoint(line, {edge, lat});
        }
        finishLine(line, lines);
        if (k == n) {
            break;
        }
        if (crossing) {
            line.push_back({-edge, lat});
        }
        appendPoint(line, q);
    }
    return lines;
}

std::vector<Line> coastlines(const std::vector<Polygon>& polygons) {
    std::vector<Line> lines;
    for (const Polygon& polygon : polygons) {
        for (const Line& ring : polygon) {
            if (ring.size() < 4) {
                continue;
            }
            for (Line& line : coastOfRing(ring)) {
                lines.push_back(std::move(line));
            }
        }
    }
    return lines;
}

QPointF pixelOf(const GeoPoint& p) {
    return toPixel(p.lon, p.lat);
}

double distanceToChord(const QPointF& point, const QPointF& a, const QPointF& b) {
    const QPointF chord = b - a;
    const double length = std::hypot(chord.x(), chord.y());
    const QPointF offset = point - a;
    if (length == 0) {
        return std::hypot(offset.x(), offset.y());  // a closed ring's chord is a point
    }
    return std::abs(chord.x() * offset.y() - chord.y() * offset.x()) / length;
}

// Drops the points that stay within kTolerancePixels of the straight line the kept ones draw
// (recursive chord splitting). Both ends stay, so closed rings stay closed and split lines still
// reach the map's edge.
Line simplify(const Line& line) {
    std::vector<bool> keep(line.size(), false);
    keep.front() = keep.back() = true;
    std::vector<std::pair<std::size_t, std::size_t>> spans{{0, line.size() - 1}};
    while (!spans.empty()) {
        const auto [first, last] = spans.back();
        spans.pop_back();
        double farthest = 0;
        std::size_t split = first;
        for (std::size_t i = first + 1; i < last; ++i) {
            const double d =
                distanceToChord(pixelOf(line[i]), pixelOf(line[first]), pixelOf(line[last]));
            if (d > farthest) {
                farthest = d;
                split = i;
            }
        }
        if (farthest > kTolerancePixels) {
            keep[split] = true;
            spans.push_back({first, split});
            spans.push_back({split, last});
        }
    }
    Line kept;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (keep[i]) {
            kept.push_back(line[i]);
        }
    }
    return kept;
}

bool visibleAtMapSize(const Line& line) {
    double west = 180, east = -180, south = 90, north = -90;
    for (const GeoPoint& p : line) {
        west = std::min(west, p.lon);
        east = std::max(east, p.lon);
        south = std::min(south, p.lat);
        north = std::max(north, p.lat);
    }
    const QPointF extent = toPixel(east, south) - toPixel(west, north);
    return extent.x() >= kMinExtentPixels || extent.y() >= kMinExtentPixels;
}

std::string fraction(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6);
    return std::string(text, result.ptr);
}

// One point per line as fractions of the full circle: from 180 W eastwards, and from the south
// pole northwards (so 0 to 0.5). "2 0" lifts the pen between polylines.
void writeWorldmap(const std::string& path, const std::vector<Line>& lines) {
    std::ofstream out(path, std::ios::binary);
    bool first = true;
    std::size_t points = 0;
    for (const Line& line : lines) {
        if (!visibleAtMapSize(line)) {
            continue;
        }
        if (!first) {
            out << "2 0\n";
        }
        first = false;
        for (const GeoPoint& p : simplify(line)) {
            out << fraction((p.lon + 180.0) / 360.0) << ' ' << fraction((p.lat + 90.0) / 360.0)
                << '\n';
            ++points;
        }
    }
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
    std::printf("%s: %zu points\n", path.c_str(), points);
}

// A ring that crosses the date line is made continuous in longitude and drawn once more a full
// turn to either side, so that both its halves land on the map. A ring that goes round a pole
// (Antarctica) does not close after unwrapping: it is closed along the pole it encloses.
void addRing(QPainterPath& path, const Line& ring) {
    std::vector<GeoPoint> unwrapped;
    double shift = 0;
    double latitudeSum = 0;
    for (const GeoPoint& p : ring) {
        if (!unwrapped.empty()) {
            const double step = p.lon + shift - unwrapped.back().lon;
            shift -= 360.0 * std::round(step / 360.0);
        }
        unwrapped.push_back({p.lon + shift, p.lat});
        latitudeSum += p.lat;
    }
    if (std::abs(unwrapped.back().lon - unwrapped.front().lon) > 180.0) {
        const double pole = latitudeSum < 0 ? -90.0 : 90.0;
        unwrapped.push_back({unwrapped.back().lon, pole});
        unwrapped.push_back({unwrapped.front().lon, pole});
    }
    for (const double offset : {-360.0, 0.0, 360.0}) {
        QPolygonF shape;
        for (const GeoPoint& p : unwrapped) {
            shape << toPixel(p.lon + offset, p.lat);
        }
        path.addPolygon(shape);
        path.closeSubpath();
    }
}

void saveJpeg(const QImage& image, const QString& path) {
    if (!image.save(path, "JPEG", kJpegQuality)) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
    std::printf("%s: %d x %d\n", qPrintable(path), image.width(), image.height());
}

// Land and water: the land polygons filled over the sea, the coast stroked thinly on top along
// the same lines that go into worldmap.txt, so the map's edges carry no stroke.
QImage paintLandAndWater(const std::vector<Polygon>& polygons, const std::vector<Line>& coast) {
    QPainterPath land;
    land.setFillRule(Qt::OddEvenFill);
    for (const Polygon& polygon : polygons) {
        for (const Line& ring : polygon) {
            addRing(land, ring);
        }
    }
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kSea);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(land, kLand);
    painter.setPen(QPen(kCoast, 0.6));
    for (const Line& line : coast) {
        QPolygonF shape;
        for (const GeoPoint& p : line) {
            shape << toPixel(p.lon, p.lat);
        }
        painter.drawPolyline(shape);
    }
    return image;
}

// The sources are already equirectangular from 180 W; only the size changes.
void scalePicture(const QString& source, const QString& target) {
    QImage picture(source);
    if (picture.isNull()) {
        throw std::runtime_error("cannot read " + source.toStdString());
    }
    if (picture.width() != 2 * picture.height()) {
        throw std::runtime_error(source.toStdString() + " is not a 2:1 world picture");
    }
    saveJpeg(picture.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                 .convertToFormat(QImage::Format_RGB32),
             target);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: make_assets DAY.jpg NIGHT.jpg LAND.json OUTDIR\n");
        return 2;
    }
    const QString out = args[4] + "/";
    try {
        scalePicture(args[1], out + "weltkarte1.jpg");
        scalePicture(args[2], out + "weltkarte2.jpg");
        const std::vector<Polygon> land = loadLand(args[3]);
        const std::vector<Line> coast = coastlines(land);
        saveJpeg(paintLandAndWater(land, coast), out + "weltkarte3.jpg");
        writeWorldmap((out + "worldmap.txt").toStdString(), coast);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_assets: %s\n", e.what());
        return 1;
    }
    return 0;
}
