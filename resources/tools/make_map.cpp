// Draws the map of Spain of the appellation map window, the 56 appellation
// pictures of the guide and the label mask the tests read, all from Natural
// Earth's province polygons (see map_geometry.mjs for the data step).
//
//   make_map <geometry.txt> <map_places.tsv> <resources dir> <label mask.png>
//            [--preview <dir>]
//
// The marker positions of the map window are fixed and were placed by eye on a
// stylised map, so the geography is bent to them, not the other way round:
// longitude and latitude are projected (longitude times the cosine of a middle
// latitude), an affine fit carries them to the marker centres, and a smoothing
// thin-plate spline takes up part of what is left. The smoothing keeps the
// spline gentle: interpolating every marker exactly folds the coast. Where a
// coastal marker still falls at sea or next to the shore, a smooth local shift
// of the drawing brings land under it. Mallorca, whose two markers lie four
// times further apart than their towns, is drawn on its own, larger; the
// Canary Islands are laid out island by island in an inset at the lower right.
// The program stops with an error if any marker ends off its own land.
//
// Everything is drawn at four times its final size and averaged down.

#include "guides/Appellations.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

using namespace caveto;

namespace {

constexpr int kSuper = 4;
constexpr double kPi = 3.14159265358979323846;
double rad(double deg)
{
    return deg * kPi / 180.0;
}

// ---------------------------------------------------------------------------
// Geometry as the data step wrote it

using Ring = QPolygonF; // lon, lat
using Polygon = std::vector<Ring>; // outer ring, then holes

struct Area
{
    QString country; // ESP, PRT, FRA ...
    QString code; // ISO 3166-2 of the province
    QString community;
    std::vector<Polygon> polygons;
    std::vector<QString> islands; // per polygon: the island it belongs to, or empty
};

struct Line
{
    QString kind; // coast, country, community, province
    QPolygonF points;
};

struct Geometry
{
    std::vector<Area> areas;
    std::vector<Line> lines;
};

QPolygonF parsePoints(const QStringList &fields, int from)
{
    QPolygonF out;
    out.reserve(fields.size() - from);
    for (int i = from; i < fields.size(); ++i) {
        const int comma = fields[i].indexOf(QLatin1Char(','));
        out.append(QPointF(fields[i].left(comma).toDouble(), fields[i].mid(comma + 1).toDouble()));
    }
    return out;
}

Geometry readGeometry(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(path));
    Geometry g;
    QTextStream in(&f);
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.isEmpty())
            continue;
        if (fields[0] == QLatin1String("A"))
            g.areas.push_back({ fields.value(1), fields.value(2), fields.value(3), {}, {} });
        else if (fields[0] == QLatin1String("P"))
            g.areas.back().polygons.emplace_back();
        else if (fields[0] == QLatin1String("R"))
            g.areas.back().polygons.back().push_back(parsePoints(fields, 1));
        else if (fields[0] == QLatin1String("L"))
            g.lines.push_back({ fields[1], parsePoints(fields, 2) });
    }
    return g;
}

// ---------------------------------------------------------------------------
// Islands: a point inside each; a polygon holding none of them (an islet)
// goes with the nearest.

struct Island
{
    const char *name;
    QPointF inside; // lon, lat
    int label; // value in the label mask
};

constexpr int kLabelSea = 0;
constexpr int kLabelSpain = 1; // mainland, Balearics, Ceuta and Melilla
constexpr int kLabelForeign = 2; // Portugal, France, Andorra, Gibraltar, Africa
constexpr int kLabelFrame = 9; // the inset's frame

const std::array<Island, 11> kIslands = { {
    { "El_Hierro", { -18.00, 27.75 }, 11 },
    { "La_Palma", { -17.86, 28.68 }, 12 },
    { "La_Gomera", { -17.23, 28.11 }, 13 },
    { "Tenerife", { -16.60, 28.28 }, 14 },
    { "Gran_Canaria", { -15.60, 27.95 }, 15 },
    { "Fuerteventura", { -14.00, 28.40 }, 16 },
    { "Lanzarote", { -13.65, 29.00 }, 17 },
    { "Mallorca", { 2.95, 39.60 }, kLabelSpain },
    { "Menorca", { 4.10, 39.95 }, kLabelSpain },
    { "Ibiza", { 1.40, 38.98 }, kLabelSpain },
    { "Formentera", { 1.45, 38.69 }, kLabelSpain },
} };

const Island *islandNamed(const QString &name)
{
    for (const Island &i : kIslands)
        if (name == QLatin1String(i.name))
            return &i;
    return nullptr;
}

bool isCanary(const Area &a)
{
    return a.code == QLatin1String("ES-TF") || a.code == QLatin1String("ES-GC");
}
bool isBalearic(const Area &a)
{
    return a.code == QLatin1String("ES-PM");
}

void nameIslands(Geometry &g)
{
    for (Area &a : g.areas) {
        a.islands.assign(a.polygons.size(), QString());
        if (!isCanary(a) && !isBalearic(a))
            continue;
        for (size_t k = 0; k < a.polygons.size(); ++k) {
            const Ring &outer = a.polygons[k].front();
            const QPointF c = outer.boundingRect().center();
            const Island *best = nullptr;
            double bestDistance = 1e9;
            for (const Island &i : kIslands) {
                if (outer.containsPoint(i.inside, Qt::OddEvenFill)) {
                    best = &i;
                    break;
                }
                const double d = std::hypot(i.inside.x() - c.x(), i.inside.y() - c.y());
                if (d < bestDistance) {
                    bestDistance = d;
                    best = &i;
                }
            }
            a.islands[k] = QString::fromLatin1(best->name);
        }
    }
}

// ---------------------------------------------------------------------------
// Places

struct Place
{
    QString name;
    QPointF lonLat;
    QString town;
    QStringList area; // province codes, or one island name
};

std::vector<Place> readPlaces(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(path));
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    std::vector<Place> byIndex(kAppellationCount);
    int found = 0;
    bool header = true;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(QLatin1Char('#')) || line.trimmed().isEmpty())
            continue;
        if (header) {
            header = false;
            continue;
        }
        const QStringList c = line.split(QLatin1Char('\t'));
        const int i = appellationIndex(c.value(0));
        if (i < 0 || c.size() < 5)
            qFatal("unknown or short place line: %s", qPrintable(line));
        byIndex[i] = { c[0], { c[1].toDouble(), c[2].toDouble() }, c[3],
            c[4].split(QLatin1Char(' '), Qt::SkipEmptyParts) };
        ++found;
    }
    if (found != kAppellationCount)
        qFatal("%d places for %d appellations", found, kAppellationCount);
    return byIndex;
}

bool isCanaryPlace(const Place &p)
{
    return p.lonLat.x() < -12.0;
}

// ---------------------------------------------------------------------------
// Linear algebra for the fits: small dense systems, Gaussian elimination with
// partial pivoting.

std::vector<double> solve(std::vector<std::vector<double>> a, std::vector<double> b)
{
    const size_t n = b.size();
    for (size_t col = 0; col < n; ++col) {
        size_t pivot = col;
        for (size_t r = col + 1; r < n; ++r)
            if (std::abs(a[r][col]) > std::abs(a[pivot][col]))
                pivot = r;
        std::swap(a[col], a[pivot]);
        std::swap(b[col], b[pivot]);
        if (std::abs(a[col][col]) < 1e-12)
            qFatal("singular fit");
        for (size_t r = col + 1; r < n; ++r) {
            const double m = a[r][col] / a[col][col];
            if (m == 0)
                continue;
            for (size_t k = col; k < n; ++k)
                a[r][k] -= m * a[col][k];
            b[r] -= m * b[col];
        }
    }
    std::vector<double> x(n);
    for (size_t i = n; i-- > 0;) {
        double s = b[i];
        for (size_t k = i + 1; k < n; ++k)
            s -= a[i][k] * x[k];
        x[i] = s / a[i][i];
    }
    return x;
}

// Smoothing thin-plate spline from projected degrees to picture pixels:
// f(p) = a0 + a1 x + a2 y + sum w_i U(|p - p_i|), U(r) = r^2 log r, with the
// weights found from (K + diag(lambda)) w + P a = t, P' w = 0; a larger
// lambda lets the spline pass further from its point. affineOnly gives the
// plain least-squares affine map.
class Warp
{
public:
    Warp() = default;
    Warp(std::vector<QPointF> source, const std::vector<QPointF> &target,
        const std::vector<double> &lambda, bool affineOnly = false)
        : m_source(std::move(source))
    {
        const size_t n = m_source.size();
        if (affineOnly) {
            // Least squares over [1 x y].
            std::vector<std::vector<double>> ata(3, std::vector<double>(3, 0.0));
            std::vector<double> atx(3, 0.0), aty(3, 0.0);
            for (size_t i = 0; i < n; ++i) {
                const double row[3] = { 1.0, m_source[i].x(), m_source[i].y() };
                for (int r = 0; r < 3; ++r) {
                    for (int c = 0; c < 3; ++c)
                        ata[r][c] += row[r] * row[c];
                    atx[r] += row[r] * target[i].x();
                    aty[r] += row[r] * target[i].y();
                }
            }
            const auto ax = solve(ata, atx), ay = solve(ata, aty);
            m_ax = { ax[0], ax[1], ax[2] };
            m_ay = { ay[0], ay[1], ay[2] };
            m_source.clear();
            return;
        }
        const size_t m = n + 3;
        std::vector<std::vector<double>> a(m, std::vector<double>(m, 0.0));
        for (size_t i = 0; i < n; ++i) {
            for (size_t j = 0; j < n; ++j)
                a[i][j] = kernel(m_source[i], m_source[j]);
            a[i][i] += lambda[i];
            const double p[3] = { 1.0, m_source[i].x(), m_source[i].y() };
            for (int k = 0; k < 3; ++k) {
                a[i][n + k] = p[k];
                a[n + k][i] = p[k];
            }
        }
        std::vector<double> bx(m, 0.0), by(m, 0.0);
        for (size_t i = 0; i < n; ++i) {
            bx[i] = target[i].x();
            by[i] = target[i].y();
        }
        const auto wx = solve(a, bx), wy = solve(a, by);
        m_wx.assign(wx.begin(), wx.begin() + n);
        m_wy.assign(wy.begin(), wy.begin() + n);
        m_ax = { wx[n], wx[n + 1], wx[n + 2] };
        m_ay = { wy[n], wy[n + 1], wy[n + 2] };
    }

    QPointF operator()(QPointF p) const
    {
        double x = m_ax[0] + m_ax[1] * p.x() + m_ax[2] * p.y();
        double y = m_ay[0] + m_ay[1] * p.x() + m_ay[2] * p.y();
        for (size_t i = 0; i < m_source.size(); ++i) {
            const double u = kernel(p, m_source[i]);
            x += m_wx[i] * u;
            y += m_wy[i] * u;
        }
        return { x, y };
    }

    // Smallest ratio of the local area scale to the affine part's over a grid:
    // below zero the map folds, near zero it squeezes.
    double smallestAreaRatio(QRectF box, double step) const
    {
        const double affine = m_ax[1] * m_ay[2] - m_ax[2] * m_ay[1];
        double smallest = 1e9;
        const double h = step / 4;
        for (double y = box.top(); y <= box.bottom(); y += step)
            for (double x = box.left(); x <= box.right(); x += step) {
                const QPointF fx
                    = ((*this)(QPointF(x + h, y)) - (*this)(QPointF(x - h, y))) / (2 * h);
                const QPointF fy
                    = ((*this)(QPointF(x, y + h)) - (*this)(QPointF(x, y - h))) / (2 * h);
                smallest = std::min(smallest, (fx.x() * fy.y() - fx.y() * fy.x()) / affine);
            }
        return smallest;
    }

private:
    static double kernel(QPointF a, QPointF b)
    {
        const double r2 = (a.x() - b.x()) * (a.x() - b.x()) + (a.y() - b.y()) * (a.y() - b.y());
        return r2 > 1e-18 ? 0.5 * r2 * std::log(r2) : 0.0;
    }

    std::vector<QPointF> m_source;
    std::vector<double> m_wx, m_wy;
    std::array<double, 3> m_ax {}, m_ay {};
};

// Longitude shrunk by the cosine of a middle latitude: degrees on both axes.
struct Projection
{
    double cosLat;
    QPointF operator()(QPointF lonLat) const { return { lonLat.x() * cosLat, lonLat.y() }; }
};

const Projection kMainlandProjection { std::cos(rad(40.0)) };
const Projection kCanaryProjection { std::cos(rad(28.3)) };

// ---------------------------------------------------------------------------
// Colours

QColor mix(const QColor &a, const QColor &b, double t)
{
    auto m = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()));
}

namespace pal {
const QColor Sea(166, 200, 226);
const QColor SeaShallow(190, 216, 236);
const QColor Land(243, 233, 201);
const QColor Foreign(222, 219, 210);
const QColor ForeignLine(146, 142, 134);
const QColor Coast(66, 100, 138);
const QColor Community(170, 138, 102);
const QColor Province(211, 194, 158);
const QColor Frame(31, 58, 88);
const QColor Wine(150, 12, 48);
const QColor Tint(226, 170, 160);
const QColor TintLine(176, 96, 90);
} // namespace pal

QPen pen(const QColor &c, double w)
{
    return QPen(QBrush(c), w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QImage boxDown(const QImage &big, int f)
{
    QImage out(big.width() / f, big.height() / f, QImage::Format_RGB32);
    const int n = f * f;
    for (int y = 0; y < out.height(); ++y) {
        auto *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int j = 0; j < f; ++j) {
                const auto *src
                    = reinterpret_cast<const QRgb *>(big.constScanLine(y * f + j)) + x * f;
                for (int i = 0; i < f; ++i) {
                    r += qRed(src[i]);
                    g += qGreen(src[i]);
                    b += qBlue(src[i]);
                }
            }
            dst[x] = qRgb((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n);
        }
    }
    return out;
}

// ---------------------------------------------------------------------------
// Where things go on the map

using ToPixel = std::function<QPointF(QPointF)>;

QPolygonF mapped(const QPolygonF &points, const ToPixel &to)
{
    QPolygonF out;
    out.reserve(points.size());
    for (QPointF p : points)
        out.append(to(p));
    return out;
}

QPainterPath polygonPath(const Polygon &polygon, const ToPixel &to)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const Ring &ring : polygon) {
        path.addPolygon(mapped(ring, to));
        path.closeSubpath();
    }
    return path;
}

bool lineIsCanary(const Line &l)
{
    return l.points.first().x() < -12.0 && l.points.first().y() < 30.0;
}
bool lineIsBalearic(const Line &l)
{
    const QPointF p = l.points.first();
    return p.x() > 1.1 && p.y() > 38.5 && p.y() < 40.2 && l.kind == QLatin1String("coast");
}

// Distance from p to the segment ab.
double segmentDistance(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double len2 = QPointF::dotProduct(ab, ab);
    double t = len2 > 0 ? QPointF::dotProduct(p - a, ab) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

// The map: a fit for the mainland and the Balearics, one transform per Canary
// island, and the inset frame.
struct MapLayout
{
    ToPixel mainland;
    QHash<QString, ToPixel> islands;
    QRectF inset;

    // Where a town of the mainland or the Balearics is drawn.
    QPointF forPoint(QPointF lonLat) const
    {
        if (islands.contains(QStringLiteral("Mallorca")) && lonLat.x() > 2.2 && lonLat.x() < 3.6
            && lonLat.y() > 39.2 && lonLat.y() < 40.0)
            return islands.value(QStringLiteral("Mallorca"))(lonLat);
        return mainland(lonLat);
    }

    ToPixel forPolygon(const Area &a, size_t k) const
    {
        if (isCanary(a) || (isBalearic(a) && islands.contains(a.islands[k])))
            return islands.value(a.islands[k]);
        return mainland;
    }
};

// A pale band of shallow water along every shore (`band` wide), then the
// land, layer by layer; a hairline of each fill colour closes the seams
// between its areas.
using LandLayer = std::pair<const std::vector<QPainterPath> *, QColor>;
void paintLand(QPainter &p, const std::vector<LandLayer> &layers, double band, double seam)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(pal::SeaShallow, band));
    for (const auto &layer : layers)
        for (const auto &path : *layer.first)
            p.drawPath(path);
    for (const auto &[list, colour] : layers) {
        p.setPen(pen(colour, seam));
        p.setBrush(colour);
        for (const auto &path : *list)
            p.drawPath(path);
    }
}

// Labels of the mask: one grey level an area.
int labelOf(const Area &a, size_t k)
{
    if (isCanary(a))
        return islandNamed(a.islands[k])->label;
    return a.country == QLatin1String("ESP") ? kLabelSpain : kLabelForeign;
}

enum class Paint { Map, Mask };

// Paints in picture pixels (the painter may scale). The mask is painted flat,
// without smoothing, one grey level an area.
void paintMap(
    QPainter &p, const Geometry &g, const MapLayout &layout, Paint what, bool withInset = true)
{
    const bool mask = what == Paint::Mask;
    auto flat = [&](int v) { return QColor(v, v, v); };
    p.fillRect(QRectF(0, 0, kMapWidth, kMapHeight), mask ? flat(kLabelSea) : pal::Sea);

    // Mainland and Balearics, with the neighbours.
    std::vector<QPainterPath> spain, foreign;
    // A polygon is painted at once on the mask; for the map it is kept, to
    // be painted in layers.
    auto take = [&](const Area &a, size_t k, std::vector<QPainterPath> &into) {
        const QPainterPath path = polygonPath(a.polygons[k], layout.forPolygon(a, k));
        if (!mask) {
            into.push_back(path);
            return;
        }
        p.setPen(Qt::NoPen);
        p.setBrush(flat(labelOf(a, k)));
        p.drawPath(path);
    };
    for (const Area &a : g.areas)
        for (size_t k = 0; k < a.polygons.size(); ++k)
            if (!isCanary(a))
                take(a, k, a.country == QLatin1String("ESP") ? spain : foreign);
    if (!mask) {
        paintLand(p, { { &foreign, pal::Foreign }, { &spain, pal::Land } }, 4.5, 0.4);
        auto stroke = [&](const char *kind, const QPen &withPen) {
            p.setPen(withPen);
            p.setBrush(Qt::NoBrush);
            for (const Line &l : g.lines)
                if (l.kind == QLatin1String(kind) && !lineIsCanary(l) && !lineIsBalearic(l))
                    p.drawPolyline(mapped(l.points, layout.mainland));
        };
        stroke("province", pen(pal::Province, 0.6));
        stroke("community", pen(pal::Community, 0.9));
        stroke("country", pen(pal::ForeignLine, 1.1));
        stroke("coast", pen(pal::Coast, 0.75));
        // The Balearics are outlined whole: Mallorca has a fit of its own.
        p.setBrush(Qt::NoBrush);
        for (const Area &a : g.areas)
            if (isBalearic(a))
                for (size_t k = 0; k < a.polygons.size(); ++k)
                    p.drawPath(polygonPath(a.polygons[k], layout.forPolygon(a, k)));
    }
    if (!withInset)
        return;

    // The Canary Islands in their frame.
    const QRectF box = layout.inset;
    if (mask) {
        p.setPen(Qt::NoPen);
        p.setBrush(flat(kLabelFrame));
        p.drawRect(box.adjusted(-1.5, -1.5, 1.5, 1.5));
        p.setBrush(flat(kLabelSea));
        p.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRect(box.translated(1.5, 1.5));
        p.setBrush(pal::Sea);
        p.setPen(pen(Qt::white, 2.0));
        p.drawRect(box);
        p.setPen(QPen(pal::Frame, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(box.adjusted(-1, -1, 1, 1));
    }
    p.save();
    p.setClipRect(box);
    std::vector<QPainterPath> isles;
    for (const Area &a : g.areas)
        for (size_t k = 0; k < a.polygons.size(); ++k)
            if (isCanary(a) && layout.islands.contains(a.islands[k]))
                take(a, k, isles);
    if (!mask) {
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(pal::SeaShallow, 4.5));
        for (const auto &path : isles)
            p.drawPath(path);
        p.setPen(pen(pal::Coast, 0.75));
        p.setBrush(pal::Land);
        for (const auto &path : isles)
            p.drawPath(path);
    }
    p.restore();
}

QImage drawMap(const Geometry &g, const MapLayout &layout)
{
    QImage big(kMapWidth * kSuper, kMapHeight * kSuper, QImage::Format_RGB32);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kSuper, kSuper);
        paintMap(p, g, layout, Paint::Map);
    }
    return boxDown(big, kSuper);
}

QImage drawMask(const Geometry &g, const MapLayout &layout, bool withInset = true)
{
    QImage rgb(kMapWidth, kMapHeight, QImage::Format_RGB32);
    {
        QPainter p(&rgb);
        paintMap(p, g, layout, Paint::Mask, withInset);
    }
    return rgb.convertToFormat(QImage::Format_Grayscale8);
}

// How many pixels from c to the nearest pixel of another label (up to limit).
int margin(const QImage &mask, QPoint c, int label, int limit = 12)
{
    int best = limit;
    for (int dy = -limit; dy <= limit; ++dy)
        for (int dx = -limit; dx <= limit; ++dx) {
            const int d2 = dx * dx + dy * dy;
            if (d2 >= best * best)
                continue;
            const QPoint q = c + QPoint(dx, dy);
            const bool other
                = !mask.rect().contains(q) || mask.constScanLine(q.y())[q.x()] != label;
            if (other)
                best = int(std::floor(std::sqrt(double(d2))));
        }
    return best;
}

int labelAt(const QImage &mask, QPoint c)
{
    return mask.constScanLine(c.y())[c.x()];
}

// ---------------------------------------------------------------------------
// The fits

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Errors
{
    double median = 0, largest = 0;
};

Errors errorsOf(const ToPixel &to, const std::vector<Place> &places, const std::vector<int> &which)
{
    std::vector<double> e;
    for (int i : which) {
        const QPointF d = to(places[i].lonLat) - QPointF(markerCentreOnMap(i));
        e.push_back(std::hypot(d.x(), d.y()));
    }
    return { median(e), *std::max_element(e.begin(), e.end()) };
}

// Shores and borders in projected degrees, for moving a point inland.
struct Shore
{
    std::vector<std::pair<QPointF, QPointF>> segments;

    double distance(QPointF p) const
    {
        double best = 1e9;
        for (const auto &[a, b] : segments)
            best = std::min(best, segmentDistance(p, a, b));
        return best;
    }
};

Shore shoreOf(const Geometry &g, const Projection &proj, bool canary)
{
    Shore s;
    for (const Line &l : g.lines) {
        if (lineIsCanary(l) != canary || lineIsBalearic(l)
            || (l.kind != QLatin1String("coast") && l.kind != QLatin1String("country")))
            continue;
        for (int k = 0; k + 1 < l.points.size(); ++k)
            s.segments.emplace_back(proj(l.points[k]), proj(l.points[k + 1]));
    }
    return s;
}

// ---------------------------------------------------------------------------
// Islands drawn on their own

// The outer rings of an island, projected.
std::vector<QPolygonF> islandRings(const Geometry &g, const QString &island, const Projection &proj)
{
    std::vector<QPolygonF> out;
    for (const Area &a : g.areas)
        for (size_t k = 0; k < a.polygons.size(); ++k)
            if (a.islands[k] == island) {
                QPolygonF ring;
                for (QPointF p : a.polygons[k].front())
                    ring.append(proj(p));
                out.push_back(ring);
            }
    return out;
}

double ringArea(const QPolygonF &r)
{
    double a = 0;
    for (int i = 0; i + 1 < r.size(); ++i)
        a += r[i].x() * r[i + 1].y() - r[i + 1].x() * r[i].y();
    return std::abs(a) / 2;
}

const QPolygonF &largest(const std::vector<QPolygonF> &rings)
{
    return *std::max_element(rings.begin(), rings.end(),
        [](const QPolygonF &a, const QPolygonF &b) { return ringArea(a) < ringArea(b); });
}

QPointF centroid(const QPolygonF &r)
{
    double a = 0, x = 0, y = 0;
    for (int i = 0; i + 1 < r.size(); ++i) {
        const double c = r[i].x() * r[i + 1].y() - r[i + 1].x() * r[i].y();
        a += c;
        x += (r[i].x() + r[i + 1].x()) * c;
        y += (r[i].y() + r[i + 1].y()) * c;
    }
    return { x / (3 * a), y / (3 * a) };
}

// The points of a fine grid over the ring that lie at least `inside` from its
// shore (projected degrees).
std::vector<QPointF> interiorPoints(const QPolygonF &ring, double inside)
{
    const QRectF box = ring.boundingRect();
    std::vector<QPointF> out;
    const double step = std::min(box.width(), box.height()) / 80;
    for (double y = box.top(); y <= box.bottom(); y += step)
        for (double x = box.left(); x <= box.right(); x += step) {
            const QPointF q(x, y);
            if (!ring.containsPoint(q, Qt::OddEvenFill))
                continue;
            double shore = 1e9;
            for (int i = 0; i + 1 < ring.size() && shore >= inside; ++i)
                shore = std::min(shore, segmentDistance(q, ring[i], ring[i + 1]));
            if (shore >= inside)
                out.push_back(q);
        }
    if (out.empty())
        out.push_back(centroid(ring));
    return out;
}

// The point of the ring nearest to p that lies at least `inside` from its
// shore.
QPointF nearestInterior(const QPolygonF &ring, QPointF p, double inside)
{
    const std::vector<QPointF> points = interiorPoints(ring, inside);
    return *std::min_element(points.begin(), points.end(), [&](QPointF a, QPointF b) {
        return std::hypot(a.x() - p.x(), a.y() - p.y()) < std::hypot(b.x() - p.x(), b.y() - p.y());
    });
}

// Draws lon/lat at scale s (pixels a projected degree), with `from` (projected)
// landing on `at`.
ToPixel similarity(const Projection &proj, double s, QPointF from, QPointF at)
{
    return [=](QPointF lonLat) {
        const QPointF q = proj(lonLat);
        return QPointF(at.x() + s * (q.x() - from.x()), at.y() - s * (q.y() - from.y()));
    };
}

// Pixels between a marker's centre and the shore: on the mainland, and on the
// islands, of which El Hierro is drawn hardly 20 px across.
// The fit aims at kLandMargin; the rías and El Hierro allow no more than
// kLeastMargin, the least any marker may have.
constexpr int kLandMargin = 5;
constexpr int kIslandMargin = 3;
constexpr int kLeastMargin = 3;

// A smooth shift of the drawing around a centre (pixels): `amount` along
// `direction` at the centre, fading as a Gaussian of the given radius.
struct Push
{
    QPointF centre;
    QPointF direction;
    double amount = 0;
    double radius = 0;
};

constexpr double kPushRadius = 44.0;

QPointF pushed(QPointF x, const std::vector<Push> &pushes)
{
    QPointF out = x;
    for (const Push &p : pushes) {
        const QPointF d = x - p.centre;
        out += p.direction * p.amount
            * std::exp(-(d.x() * d.x() + d.y() * d.y()) / (p.radius * p.radius));
    }
    return out;
}

struct MainlandFit
{
    std::vector<Push> pushes;
    Errors splineOnly; // the spline alone, over the markers it was fitted to
    Warp warp;
    Errors affine, spline;
    double smallestAreaRatio = 0;
    std::vector<int> heldOff; // appellations whose shore had to be held off
    int shorePoints = 0;
    double mallorcaScale = 0, mainlandScale = 0; // px a projected degree
    double smallestPushRatio = 1e9;
};

// Depth of a pixel point inside a ring drawn by `to` (inverse given), in
// pixels: negative outside.
double depthInside(const QPolygonF &ring, QPointF q, double scale)
{
    double d = 1e9;
    for (int k = 0; k + 1 < ring.size(); ++k)
        d = std::min(d, segmentDistance(q, ring[k], ring[k + 1]));
    return (ring.containsPoint(q, Qt::OddEvenFill) ? d : -d) * scale;
}

struct Placement
{
    double scale;
    QPointF at; // pixel of the ring's centroid
    double depth; // of the shallowest marker
};

// The smallest scale from `from` up at which a similarity (no turn) puts every
// marker at least `need` pixels inside the ring, and the place for it.
Placement placeOver(
    const QPolygonF &ring, const std::vector<QPointF> &markers, double from, double need)
{
    const QPointF c = centroid(ring);
    QPointF mean;
    for (QPointF m : markers)
        mean += m / double(markers.size());
    Placement best { from, mean, -1e9 };
    for (double scale = from; scale < 4 * from; scale += 1.0) {
        Placement here { scale, mean, -1e9 };
        for (int dy = -30; dy <= 30; ++dy)
            for (int dx = -30; dx <= 30; ++dx) {
                const QPointF at = mean + QPointF(dx, dy);
                double d = 1e9;
                for (QPointF m : markers) {
                    const QPointF q
                        = c + QPointF((m.x() - at.x()) / scale, (at.y() - m.y()) / scale);
                    d = std::min(d, depthInside(ring, q, scale));
                    if (d < here.depth)
                        break;
                }
                if (d > here.depth)
                    here = { scale, at, d };
            }
        best = here;
        if (here.depth >= need)
            break;
    }
    return best;
}

// The affine fit, then the smoothing spline. Where the smoothing leaves a
// marker's centre at sea or too near the shore, the nearest shore point is
// given a target a few pixels seaward of the marker and the spline is fitted
// again, until every marker sits on land.
MainlandFit fitMainland(const Geometry &g, const std::vector<Place> &places,
    const std::vector<int> &which, double lambda, MapLayout &layout)
{
    const Projection proj = kMainlandProjection;
    std::vector<QPointF> source, target;
    for (int i : which) {
        source.push_back(proj(places[i].lonLat));
        target.push_back(QPointF(markerCentreOnMap(i)));
    }
    MainlandFit fit;
    const Warp affine(source, target, std::vector<double>(source.size(), 0.0), true);
    fit.affine = errorsOf([&](QPointF p) { return affine(proj(p)); }, places, which);
    {
        const QPointF a0 = affine(QPointF(0, 0)), a1 = affine(QPointF(1, 0)),
                      a2 = affine(QPointF(0, 1));
        const QPointF ex = a1 - a0, ey = a2 - a0;
        fit.mainlandScale = std::sqrt(std::abs(ex.x() * ey.y() - ex.y() * ey.x()));
    }

    // Mallorca's two markers lie four times further apart than their towns:
    // the island is drawn on its own, larger, where both sit inside it.
    const std::vector<int> all = which;
    std::vector<QPointF> onMallorca;
    std::vector<int> rest;
    for (size_t k = 0; k < all.size(); ++k) {
        if (places[all[k]].area.value(0) == QLatin1String("Mallorca"))
            onMallorca.push_back(target[k]);
        else
            rest.push_back(int(k));
    }
    {
        const QPolygonF ring = largest(islandRings(g, QStringLiteral("Mallorca"), proj));
        const Placement m = placeOver(ring, onMallorca, fit.mainlandScale, kLandMargin);
        fit.mallorcaScale = m.scale;
        layout.islands[QStringLiteral("Mallorca")]
            = similarity(proj, m.scale, centroid(ring), m.at);
    }
    {
        std::vector<QPointF> s, t;
        std::vector<int> w;
        for (int k : rest) {
            s.push_back(source[k]);
            t.push_back(target[k]);
            w.push_back(all[k]);
        }
        source = s;
        target = t;
    }
    std::vector<int> fitted;
    for (int k : rest)
        fitted.push_back(all[k]);

    const Shore shore = shoreOf(g, proj, false);
    std::vector<QPointF> shoreVertices;
    for (const auto &seg : shore.segments)
        shoreVertices.push_back(seg.first);
    fit.warp = Warp(source, target, std::vector<double>(source.size(), lambda));
    {
        const Warp w = fit.warp;
        fit.splineOnly = errorsOf([&](QPointF p) { return w(proj(p)); }, places, fitted);
    }

    // Where the smoothing leaves a marker's centre at sea or near the shore,
    // the drawing is shifted there a little: a smooth bump that moves the
    // land under the marker out towards the sea. It is wide for its height,
    // so it cannot fold the map.
    std::vector<Push> pushes(fitted.size());
    for (int round = 0;; ++round) {
        std::vector<Push> active;
        for (const Push &p : pushes)
            if (p.radius > 0)
                active.push_back(p);
        const Warp warp = fit.warp;
        layout.mainland = [warp, proj, active](QPointF p) { return pushed(warp(proj(p)), active); };
        fit.pushes = active;
        const QImage mask = drawMask(g, layout, false);
        bool allOnLand = true;
        for (size_t k = 0; k < fitted.size(); ++k) {
            const QPoint m = markerCentreOnMap(fitted[k]);
            const bool onLand = labelAt(mask, m) == kLabelSpain;
            const int room = onLand ? margin(mask, m, kLabelSpain) : 0;
            if (onLand && room >= kLandMargin)
                continue;
            allOnLand = false;
            if (pushes[k].radius > 0) {
                if (pushes[k].amount < kPushRadius / 2) {
                    pushes[k].amount += 1.5;
                    continue;
                }
                if (round == 40)
                    std::printf("  cannot move land under %s\n", appellations()[fitted[k]].name);
                continue;
            }
            // Which way the shore lies: the mean offset of the pixels of the
            // other kind nearby (sea or foreign land seen from a marker on
            // land, Spain seen from one at sea), and how far the nearest is.
            QPointF towards;
            int best = 1 << 30;
            for (int dy = -20; dy <= 20; ++dy)
                for (int dx = -20; dx <= 20; ++dx) {
                    const QPoint q = m + QPoint(dx, dy);
                    if (dx * dx + dy * dy > 400 || !mask.rect().contains(q)
                        || (labelAt(mask, q) == kLabelSpain) == onLand)
                        continue;
                    towards += QPointF(dx, dy);
                    best = std::min(best, dx * dx + dy * dy);
                }
            QPointF out = onLand ? towards : -towards;
            out /= std::max(1e-9, std::hypot(out.x(), out.y()));
            const double amount
                = onLand ? kLandMargin + 1 - room : std::sqrt(double(best)) + kLandMargin + 1;
            pushes[k] = Push { QPointF(m), out, std::min(amount, kPushRadius / 2), kPushRadius };
            ++fit.shorePoints;
        }
        if (allOnLand)
            break;
        if (round == 40) {
            std::printf("markers still at sea after %d rounds\n", round);
            break;
        }
    }
    for (size_t k = 0; k < fitted.size(); ++k)
        if (pushes[k].radius > 0)
            fit.heldOff.push_back(fitted[k]);
    // Mallorca's towns as its own fit draws them.
    fit.spline = errorsOf([&](QPointF p) { return layout.forPoint(p); }, places, which);
    const QRectF box(proj(QPointF(-9.3, 43.8)), proj(QPointF(4.3, 36.0)));
    fit.smallestAreaRatio = fit.warp.smallestAreaRatio(box.normalized(), 0.1);
    // The bumps: the smallest area scale they leave, over the picture.
    for (int y = 0; y < kMapHeight; y += 2)
        for (int x = 0; x < kMapWidth; x += 2) {
            const QPointF c(x, y);
            const QPointF fx = (pushed(c + QPointF(0.5, 0), fit.pushes)
                - pushed(c - QPointF(0.5, 0), fit.pushes));
            const QPointF fy = (pushed(c + QPointF(0, 0.5), fit.pushes)
                - pushed(c - QPointF(0, 0.5), fit.pushes));
            fit.smallestPushRatio
                = std::min(fit.smallestPushRatio, fx.x() * fy.y() - fx.y() * fy.x());
        }
    return fit;
}

// ---------------------------------------------------------------------------
// The Canary inset

struct CanaryFit
{
    Errors affine; // one similarity for the whole archipelago
    Errors placed; // as drawn
    double tenerifeAreaRatio = 0;
};

// The eight Canary markers cannot sit on their islands at any one scale:
// Tenerife's five are spread wider than the island is at the scale the other
// three allow. So the inset is laid out island by island, each in its own
// shape. Tenerife is drawn larger than the rest and turned a quarter of a
// right angle, which lines its long axis up with its five markers: a
// similarity placed where they sit deepest inside it, with a gentle spline
// that carries the markers still near its shore a few pixels inland. La Palma, El Hierro and
// Lanzarote, at the inset's scale, are put where their marker falls on them
// nearest their town. La Gomera, Gran Canaria and Fuerteventura go where an
// affine fit of the placed islands' centres puts them, nudged apart where they
// would touch.
CanaryFit layCanaries(const Geometry &g, const std::vector<Place> &places,
    const std::vector<int> &which, MapLayout &layout)
{
    const Projection proj = kCanaryProjection;
    // Pixels a projected degree: the inset's scale, and Tenerife's, the
    // smallest at which a similarity brings its five markers to its shore.
    const double scale = 72.0;
    const double tenerifeScale = 160.0;
    const double inside = kIslandMargin + 2; // px
    // How far Tenerife keeps from another island's marker: room for that
    // island around it.
    const double kIslandClearance = 14.0;
    CanaryFit fit;

    std::vector<QPointF> allSource, allTarget;
    for (int i : which) {
        allSource.push_back(proj(places[i].lonLat));
        allTarget.push_back(QPointF(markerCentreOnMap(i)));
    }
    {
        const Warp w(allSource, allTarget, std::vector<double>(which.size(), 0.0), true);
        fit.affine = errorsOf([&](QPointF p) { return w(proj(p)); }, places, which);
    }
    auto islandOf = [&](int i) { return places[i].area.value(0); };
    auto ringOf = [&](const char *name) {
        return largest(islandRings(g, QString::fromLatin1(name), proj));
    };

    // Tenerife: the similarity whose markers sit deepest inside the island.
    {
        const QPolygonF ring = ringOf("Tenerife");
        const QPointF centre = centroid(ring);
        std::vector<int> ti;
        for (int i : which)
            if (islandOf(i) == QLatin1String("Tenerife"))
                ti.push_back(i);
        const double turn = rad(-25.0);
        const double c = std::cos(turn), sn = std::sin(turn);
        // Projected degrees to pixels: turned about the centre, scaled, placed at `at`.
        auto base = [&](QPointF q, QPointF at) {
            const QPointF d = q - centre;
            return QPointF(at.x() + tenerifeScale * (c * d.x() - sn * d.y()),
                at.y() - tenerifeScale * (sn * d.x() + c * d.y()));
        };
        auto unbase = [&](QPointF px, QPointF at) {
            const double x = (px.x() - at.x()) / tenerifeScale,
                         y = (at.y() - px.y()) / tenerifeScale;
            return centre + QPointF(c * x + sn * y, -sn * x + c * y);
        };
        auto depth = [&](QPointF px, QPointF at) {
            const QPointF q = unbase(px, at);
            double d = 1e9;
            for (int k = 0; k + 1 < ring.size(); ++k)
                d = std::min(d, segmentDistance(q, ring[k], ring[k + 1]));
            return (ring.containsPoint(q, Qt::OddEvenFill) ? d : -d) * tenerifeScale;
        };
        QPointF meanMarker;
        for (int i : ti)
            meanMarker += QPointF(markerCentreOnMap(i)) / double(ti.size());
        double bestDepth = -1e9;
        QPointF at = meanMarker;
        for (int dy = -20; dy <= 20; ++dy)
            for (int dx = -20; dx <= 20; ++dx) {
                const QPointF o = meanMarker + QPointF(dx, dy);
                double d = 1e9;
                for (int i : ti)
                    d = std::min(d, depth(QPointF(markerCentreOnMap(i)), o));
                // ... and stays well clear of the other islands' markers.
                for (int i : which)
                    if (islandOf(i) != QLatin1String("Tenerife"))
                        d = std::min(
                            d, -depth(QPointF(markerCentreOnMap(i)), o) - kIslandClearance);
                if (d > bestDepth) {
                    bestDepth = d;
                    at = o;
                }
            }
        // Each marker's spot on the island: where the similarity puts it, or
        // the nearest point deep enough inside.
        std::vector<QPointF> source, target;
        for (int i : ti) {
            const QPointF m(markerCentreOnMap(i));
            source.push_back(nearestInterior(ring, unbase(m, at), (inside + 1) / tenerifeScale));
            target.push_back(m);
        }
        // Points around the shore stay where the similarity has them, so the
        // spline bends the island only near the markers.
        const int anchors = 12;
        for (int k = 0; k < anchors; ++k) {
            const QPointF q = ring[k * (ring.size() - 1) / anchors];
            bool nearMarker = false;
            for (QPointF s : source)
                nearMarker |= std::hypot(s.x() - q.x(), s.y() - q.y()) < 0.12;
            if (nearMarker)
                continue;
            source.push_back(q);
            target.push_back(base(q, at));
        }
        const Warp warp(source, target, std::vector<double>(source.size(), 0.0001));
        layout.islands[QStringLiteral("Tenerife")]
            = [warp, proj](QPointF p) { return warp(proj(p)); };
        const QRectF box = ring.boundingRect();
        fit.tenerifeAreaRatio = warp.smallestAreaRatio(box, box.width() / 40);
        std::printf("Tenerife: deepest similarity leaves %.1f px\n", bestDepth);
    }

    // The islands with one marker each.
    QHash<QString, QPointF> geoCentre, drawnCentre;
    for (const Island &island : kIslands)
        if (island.label >= 10)
            geoCentre[QString::fromLatin1(island.name)] = centroid(ringOf(island.name));
    auto unproject = [&](QPointF q) { return QPointF(q.x() / proj.cosLat, q.y()); };
    drawnCentre[QStringLiteral("Tenerife")] = layout.islands[QStringLiteral("Tenerife")](
        unproject(geoCentre[QStringLiteral("Tenerife")]));
    QHash<QString, QPainterPath> drawn;
    auto pathOf = [&](const QString &name) {
        QPainterPath path;
        for (const QPolygonF &r : islandRings(g, name, proj)) {
            QPolygonF px;
            for (QPointF q : r)
                px.append(layout.islands[name](unproject(q)));
            path.addPolygon(px);
        }
        return path;
    };
    QPainterPathStroker widen;
    widen.setWidth(8.0);
    auto clear = [&](const QPainterPath &path) {
        const QPainterPath grown = path.united(widen.createStroke(path));
        for (const QPainterPath &other : drawn)
            if (grown.intersects(other))
                return false;
        return true;
    };
    drawn[QStringLiteral("Tenerife")] = pathOf(QStringLiteral("Tenerife"));
    for (int i : which) {
        const QString name = islandOf(i);
        if (name == QLatin1String("Tenerife"))
            continue;
        // The spot under the marker: nearest the town of those that keep the
        // island clear of Tenerife.
        const QPolygonF ring = largest(islandRings(g, name, proj));
        const QPointF town = proj(places[i].lonLat);
        std::vector<QPointF> spots = interiorPoints(ring, inside / scale);
        std::sort(spots.begin(), spots.end(), [&](QPointF a, QPointF b) {
            return std::hypot(a.x() - town.x(), a.y() - town.y())
                < std::hypot(b.x() - town.x(), b.y() - town.y());
        });
        for (QPointF from : spots) {
            layout.islands[name] = similarity(proj, scale, from, QPointF(markerCentreOnMap(i)));
            if (clear(pathOf(name)))
                break;
        }
        drawn[name] = pathOf(name);
        drawnCentre[name] = layout.islands[name](unproject(geoCentre[name]));
    }

    // The rest, where the placed islands' centres put them.
    const Warp arrangement = [&] {
        std::vector<QPointF> s, t;
        for (auto it = drawnCentre.cbegin(); it != drawnCentre.cend(); ++it) {
            s.push_back(geoCentre[it.key()]);
            t.push_back(it.value());
        }
        return Warp(s, t, std::vector<double>(s.size(), 0.0), true);
    }();
    const QRectF room(318, 300, kMapWidth - 6 - 318, kMapHeight - 6 - 300);
    for (const char *name : { "Fuerteventura", "Gran_Canaria", "La_Gomera" }) {
        const QString n = QString::fromLatin1(name);
        QPointF at = arrangement(geoCentre[n]);
        for (int step = 0; step < 80; ++step) {
            layout.islands[n] = similarity(proj, scale, geoCentre[n], at);
            const QPainterPath path = pathOf(n);
            const QPainterPath grown = path.united(widen.createStroke(path));
            QPointF push;
            for (auto it = drawn.cbegin(); it != drawn.cend(); ++it)
                if (grown.intersects(it.value())) {
                    const QPointF away = at - it.value().boundingRect().center();
                    push += away / std::max(1.0, std::hypot(away.x(), away.y()));
                }
            const QRectF box = path.boundingRect();
            if (box.left() < room.left())
                push.rx() += 1;
            if (box.right() > room.right())
                push.rx() -= 1;
            if (box.top() < room.top())
                push.ry() += 1;
            if (box.bottom() > room.bottom())
                push.ry() -= 1;
            if (push.isNull())
                break;
            at += push / std::max(1.0, std::hypot(push.x(), push.y()));
        }
        drawn[n] = pathOf(n);
    }

    // The frame: every island with a margin, inside the picture.
    QRectF box;
    for (const QPainterPath &path : drawn)
        box |= path.boundingRect();
    box.adjust(-6, -6, 6, 6);
    box.setRight(std::min(box.right(), kMapWidth - 3.5));
    box.setBottom(std::min(box.bottom(), kMapHeight - 3.5));
    layout.inset = QRectF(std::round(box.left()) + 0.5, std::round(box.top()) + 0.5,
        std::round(box.width()), std::round(box.height()));

    // How far each marker is from its town as drawn.
    std::vector<double> e;
    for (int i : which) {
        const QPointF d
            = layout.islands[islandOf(i)](places[i].lonLat) - QPointF(markerCentreOnMap(i));
        e.push_back(std::hypot(d.x(), d.y()));
    }
    fit.placed = { median(e), *std::max_element(e.begin(), e.end()) };
    return fit;
}

// ---------------------------------------------------------------------------
// The appellation pictures: the provinces (or the island) of the appellation
// tinted on a plain map of the region around them, its town marked.

constexpr int kPictureHeight = 70;

struct PictureView
{
    Projection proj;
    QRectF extent; // projected degrees, y up
    int width;
};

bool inPictureArea(const Area &a, size_t k, const QStringList &area)
{
    return a.islands[k].isEmpty() ? area.contains(a.code) : area.contains(a.islands[k]);
}

QRectF tintedExtent(const Geometry &g, const QStringList &area, const Projection &proj)
{
    QRectF box;
    for (const Area &a : g.areas) {
        double biggest = 0;
        for (size_t k = 0; k < a.polygons.size(); ++k)
            if (inPictureArea(a, k, area))
                biggest = std::max(biggest, ringArea(a.polygons[k].front()));
        for (size_t k = 0; k < a.polygons.size(); ++k) {
            // Islets far off a province (Alborán, the Columbretes) do not widen the view.
            if (!inPictureArea(a, k, area) || ringArea(a.polygons[k].front()) < biggest * 0.02)
                continue;
            QPolygonF r;
            for (QPointF p : a.polygons[k].front())
                r.append(proj(p));
            box |= r.boundingRect();
        }
    }
    return box;
}

// The view of each picture: the tinted areas with a margin. The pictures are
// square but for the four whose areas are the tallest for their width (the
// guide has room for four narrower ones): those keep their shape, 55 to 68
// wide.
constexpr int kNarrowPictures = 4;

std::vector<PictureView> pictureViews(const Geometry &g, const std::vector<Place> &places)
{
    std::vector<PictureView> views;
    std::vector<std::pair<double, int>> aspects;
    for (const Place &place : places) {
        const QRectF geo = tintedExtent(g, place.area, Projection { 1.0 });
        const Projection proj { std::cos(rad(geo.center().y())) };
        QRectF box = tintedExtent(g, place.area, proj);
        const double pad = 0.16 * std::max(box.width(), box.height());
        box.adjust(-pad, -pad, pad, pad);
        aspects.emplace_back(box.width() / box.height(), int(views.size()));
        views.push_back({ proj, box, kPictureHeight });
    }
    std::sort(aspects.begin(), aspects.end());
    if (!(aspects[kNarrowPictures - 1].first < aspects[kNarrowPictures].first - 0.01))
        qFatal("no clear four tallest pictures");
    for (int k = 0; k < kNarrowPictures; ++k)
        views[aspects[k].second].width
            = std::clamp(int(std::lround(kPictureHeight * aspects[k].first)), 55, 68);
    for (PictureView &view : views) {
        // Grow the short side to the picture's shape.
        QRectF &box = view.extent;
        const double want = double(view.width) / kPictureHeight;
        if (box.width() / box.height() < want) {
            const double w = box.height() * want;
            box.adjust(-(w - box.width()) / 2, 0, (w - box.width()) / 2, 0);
        } else {
            const double h = box.width() / want;
            box.adjust(0, -(h - box.height()) / 2, 0, (h - box.height()) / 2);
        }
    }
    for (int k = 0; k < kNarrowPictures + 3; ++k)
        std::printf("  %s: %.2f wide for its height%s\n",
            places[aspects[k].second].name.toUtf8().constData(), aspects[k].first,
            k < kNarrowPictures ? ", narrower picture" : "");
    return views;
}

QImage drawPicture(const Geometry &g, const Place &place, const PictureView &view)
{
    const double s = view.width / view.extent.width();
    const ToPixel to = [&](QPointF lonLat) {
        const QPointF q = view.proj(lonLat);
        return QPointF((q.x() - view.extent.left()) * s, (view.extent.bottom() - q.y()) * s);
    };
    QImage big(view.width * kSuper, kPictureHeight * kSuper, QImage::Format_RGB32);
    big.fill(pal::Sea);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kSuper, kSuper);
        std::vector<QPainterPath> spain, foreign, tinted;
        for (const Area &a : g.areas)
            for (size_t k = 0; k < a.polygons.size(); ++k) {
                const QPainterPath path = polygonPath(a.polygons[k], to);
                if (!path.boundingRect().intersects(QRectF(0, 0, view.width, kPictureHeight)))
                    continue;
                (a.country == QLatin1String("ESP") ? spain : foreign).push_back(path);
                if (inPictureArea(a, k, place.area))
                    tinted.push_back(path);
            }
        paintLand(p, { { &foreign, pal::Foreign }, { &spain, pal::Land }, { &tinted, pal::Tint } },
            3.0, 0.3);
        auto stroke = [&](const char *kind, const QPen &withPen) {
            p.setPen(withPen);
            for (const Line &l : g.lines)
                if (l.kind == QLatin1String(kind))
                    p.drawPolyline(mapped(l.points, to));
        };
        stroke("province", pen(mix(pal::Province, pal::Community, 0.3), 0.5));
        stroke("community", pen(pal::Community, 0.75));
        stroke("country", pen(pal::ForeignLine, 0.9));
        stroke("coast", pen(pal::Coast, 0.6));
        // Island outlines (the Canaries have no lines of their own drawn).
        p.setBrush(Qt::NoBrush);
        for (const Area &a : g.areas)
            for (size_t k = 0; k < a.polygons.size(); ++k)
                if (isCanary(a))
                    p.drawPath(polygonPath(a.polygons[k], to));

        // The town: a wine-red dot with a white ring.
        const QPointF c = to(place.lonLat);
        p.setPen(pen(Qt::white, 1.3));
        p.setBrush(pal::Wine);
        p.drawEllipse(c, 3.0, 3.0);

        p.setPen(QPen(pal::Frame, 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, view.width - 1, kPictureHeight - 1));
    }
    return boxDown(big, kSuper);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr,
            "usage: make_map <geometry.txt> <map_places.tsv> <resources dir> "
            "<label mask.png> [--preview <dir>]\n");
        return 2;
    }
    Geometry geometry = readGeometry(args[1]);
    nameIslands(geometry);
    const std::vector<Place> places = readPlaces(args[2]);
    const QDir resources(args[3]);
    const QString maskPath = args[4];
    const int previewAt = args.indexOf(QStringLiteral("--preview"));
    const QString preview = previewAt > 0 ? args.value(previewAt + 1) : QString();

    std::vector<int> mainland, canary;
    for (int i = 0; i < kAppellationCount; ++i)
        (isCanaryPlace(places[i]) ? canary : mainland).push_back(i);

    MapLayout layout;
    const MainlandFit main = fitMainland(geometry, places, mainland, 1.0, layout);
    const CanaryFit isles = layCanaries(geometry, places, canary, layout);

    std::printf("Mainland and Balearics, %zu markers: affine median %.1f px, largest %.1f px; "
                "as drawn median %.1f px, largest %.1f px\n",
        mainland.size(), main.affine.median, main.affine.largest, main.spline.median,
        main.spline.largest);
    std::printf("  the spline alone, %zu markers off Mallorca: median %.1f px, largest %.1f px; "
                "smallest area ratio %.2f\n",
        mainland.size() - 2, main.splineOnly.median, main.splineOnly.largest,
        main.smallestAreaRatio);
    std::printf(
        "Canaries, %zu markers: one similarity median %.1f px, largest %.1f px; "
        "as laid out median %.1f px, largest %.1f px; Tenerife's smallest area ratio %.2f\n",
        canary.size(), isles.affine.median, isles.affine.largest, isles.placed.median,
        isles.placed.largest, isles.tenerifeAreaRatio);
    std::printf("  Mallorca drawn at %.0f px a degree, the mainland at %.0f\n", main.mallorcaScale,
        main.mainlandScale);
    std::printf("  smallest area scale of the shifts %.2f\n", main.smallestPushRatio);
    std::printf("  %d shifts of the land under the markers of", main.shorePoints);
    for (int i : main.heldOff)
        std::printf(" %s,", appellations()[i].name);
    std::printf("\n");
    std::printf("Inset frame: (%.1f, %.1f) %.0f x %.0f\n", layout.inset.left(), layout.inset.top(),
        layout.inset.width(), layout.inset.height());

    // The map, its mask, and the check that every marker sits on its land.
    const QImage map = drawMap(geometry, layout);
    const QImage mask = drawMask(geometry, layout);
    int failures = 0;
    for (int i = 0; i < kAppellationCount; ++i) {
        const QPoint c = markerCentreOnMap(i);
        const Place &pl = places[i];
        const int want = isCanaryPlace(pl) ? islandNamed(pl.area.value(0))->label : kLabelSpain;
        const int got = labelAt(mask, c);
        const int room = margin(mask, c, want);
        const QRect led(appellations()[i].marker - kMapPictureOrigin, QSize(22, 16));
        const bool underInset = !isCanaryPlace(pl) && led.intersects(layout.inset.toAlignedRect());
        if (got != want || room < kLeastMargin || underInset) {
            std::printf("  NOT ON ITS LAND: %s (label %d, want %d, margin %d%s)\n",
                appellations()[i].name, got, want, room, underInset ? ", under the inset" : "");
            ++failures;
        }
    }

    // Islands must not touch each other.
    {
        QImage seen(kMapWidth, kMapHeight, QImage::Format_Grayscale8);
        seen.fill(0);
        int overlap = 0;
        for (const Area &a : geometry.areas)
            for (size_t k = 0; k < a.polygons.size(); ++k) {
                if (!isCanary(a))
                    continue;
                QImage one(kMapWidth, kMapHeight, QImage::Format_RGB32);
                one.fill(Qt::black);
                QPainter p(&one);
                p.setPen(QPen(Qt::white, 3.0));
                p.setBrush(Qt::white);
                p.drawPath(polygonPath(a.polygons[k], layout.forPolygon(a, k)));
                p.end();
                const int label = labelOf(a, k);
                for (int y = 0; y < kMapHeight; ++y)
                    for (int x = 0; x < kMapWidth; ++x)
                        if (qRed(one.pixel(x, y)) > 0) {
                            uchar &s = seen.scanLine(y)[x];
                            if (s && s != label)
                                ++overlap;
                            s = uchar(label);
                        }
            }
        if (overlap)
            std::printf("  Islands closer than 3 px: %d pixels\n", overlap);
    }

    resources.mkpath(QStringLiteral("guides/pictures"));
    if (!map.save(resources.filePath(QStringLiteral("guides/Mapa.jpg")), "JPEG", 92))
        qFatal("cannot write the map");
    QDir().mkpath(QFileInfo(maskPath).absolutePath());
    if (!mask.save(maskPath, "PNG"))
        qFatal("cannot write the mask");

    // Pictures.
    const std::vector<PictureView> views = pictureViews(geometry, places);
    int narrow = 0;
    for (int i = 0; i < kAppellationCount; ++i) {
        const QImage picture = drawPicture(geometry, places[i], views[i]);
        if (views[i].width < kPictureHeight) {
            ++narrow;
            std::printf("  narrow picture: %s, %d wide\n", appellations()[i].name, views[i].width);
        }
        const QString path = resources.filePath(
            QStringLiteral("guides/pictures/%1.png").arg(QLatin1String(appellations()[i].key)));
        if (!picture.convertToFormat(QImage::Format_RGB888).save(path, "PNG"))
            qFatal("cannot write %s", qPrintable(path));
    }
    std::printf(
        "%d pictures, %d of them narrower than %d\n", kAppellationCount, narrow, kPictureHeight);

    if (!preview.isEmpty()) {
        QImage look = map.copy();
        QPainter p(&look);
        for (int i = 0; i < kAppellationCount; ++i) {
            const Appellation &a = appellations()[i];
            const QRect led(a.marker - kMapPictureOrigin, QSize(22, 16));
            p.setPen(QColor(0, 0, 128));
            p.setBrush(QColor(0, 255, 0, 110));
            p.drawRect(led.adjusted(0, 0, -1, -1));
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::red);
            p.drawRect(QRect(markerCentreOnMap(i) - QPoint(1, 1), QSize(3, 3)));
            // Where the place itself landed.
            const QPointF at = isCanaryPlace(places[i])
                ? layout.islands.value(places[i].area.value(0))(places[i].lonLat)
                : layout.mainland(places[i].lonLat);
            p.setPen(QPen(QColor(200, 0, 160), 1.0));
            p.drawLine(QPointF(markerCentreOnMap(i)), at);
        }
        p.end();
        look.save(preview + QStringLiteral("/map-markers.png"));
        QImage scaled = mask.copy();
        for (int y = 0; y < scaled.height(); ++y)
            for (int x = 0; x < scaled.width(); ++x)
                scaled.scanLine(y)[x] = uchar(std::min(255, scaled.scanLine(y)[x] * 14));
        scaled.save(preview + QStringLiteral("/mask-bright.png"));
    }
    return failures ? 1 : 0;
}
