// Draws every picture Caveto ships: the animated GIFs read at run time from
// ApliGraf/ and the PNG button pictures compiled in under :/icons/.
//
// Rerun with resources/tools/make_pictures.sh, which builds this file in /tmp
// (g++ and Qt 6 Gui) and writes the pictures over resources/ApliGraf and
// resources/icons. "make_pictures <resources dir> [--preview <dir>]" also
// writes each GIF's intended frames as PNGs into <dir>, for comparing with what
// a decoder composes.
//
// Everything is drawn at four times its final size and averaged down, so the
// edges are smooth without blurring. Light comes from the top left; outlines
// are a darker shade of the fill; the palette keeps to burgundy, gold, navy,
// greens and the cream of the entry fields.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numeric>
#include <tuple>
#include <vector>

namespace {

constexpr int kSuper = 4;
constexpr qreal kPi = 3.14159265358979323846;

qreal rad(qreal degrees)
{
    return degrees * kPi / 180.0;
}

// ---------------------------------------------------------------------------
// Palette

namespace pal {
const QColor Burgundy(128, 0, 32);
const QColor BurgundyDark(70, 0, 18);
const QColor Wine(150, 12, 48);
const QColor WineDark(88, 0, 26);
const QColor WineLight(200, 70, 104);
const QColor Gold(214, 170, 56);
const QColor GoldLight(250, 222, 130);
const QColor GoldDark(128, 90, 18);
const QColor Navy(31, 58, 88);
const QColor NavyLight(84, 122, 164);
const QColor NavyDark(14, 28, 44);
const QColor Green(52, 160, 64);
const QColor GreenLight(150, 222, 110);
const QColor GreenDark(18, 84, 30);
const QColor Red(214, 44, 40);
const QColor RedLight(250, 130, 110);
const QColor RedDark(118, 10, 12);
const QColor Cream(254, 245, 216);
const QColor CreamDark(212, 192, 146);
const QColor Paper(120, 100, 66); // outline of cream things
const QColor Silver(192, 192, 192);
const QColor Steel(120, 128, 140);
const QColor Grape(112, 36, 104);
const QColor GrapeLight(206, 150, 204);
const QColor GrapeDark(46, 8, 44);
const QColor Leaf(84, 150, 52);
const QColor LeafLight(168, 210, 96);
const QColor LeafDark(30, 76, 20);
const QColor Wood(150, 92, 40);
const QColor WoodDark(74, 40, 12);
} // namespace pal

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    auto m = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()),
        m(a.alpha(), b.alpha()));
}
QColor lighter(const QColor &c, qreal t)
{
    return mix(c, QColor(255, 255, 255, c.alpha()), t);
}
QColor darker(const QColor &c, qreal t)
{
    return mix(c, QColor(0, 0, 0, c.alpha()), t);
}
QColor alpha(QColor c, int a)
{
    c.setAlpha(a);
    return c;
}

// ---------------------------------------------------------------------------
// Drawing at four times the size

QImage boxDown(const QImage &big, int f)
{
    QImage out(big.width() / f, big.height() / f, QImage::Format_ARGB32_Premultiplied);
    const int n = f * f;
    for (int y = 0; y < out.height(); ++y) {
        auto *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int j = 0; j < f; ++j) {
                const auto *src
                    = reinterpret_cast<const QRgb *>(big.constScanLine(y * f + j)) + x * f;
                for (int i = 0; i < f; ++i) {
                    a += qAlpha(src[i]);
                    r += qRed(src[i]);
                    g += qGreen(src[i]);
                    b += qBlue(src[i]);
                }
            }
            dst[x] = qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n);
        }
    }
    return out;
}

using Painting = std::function<void(QPainter &)>;

// Paints in final-pixel units; returns the picture at its final size.
QImage render(int w, int h, const Painting &paint)
{
    QImage big(w * kSuper, h * kSuper, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHints(
            QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        p.scale(kSuper, kSuper);
        paint(p);
    }
    return boxDown(big, kSuper);
}

QPen pen(const QColor &c, qreal w, Qt::PenCapStyle cap = Qt::RoundCap)
{
    return QPen(QBrush(c), w, Qt::SolidLine, cap, Qt::RoundJoin);
}

void outlineFill(
    QPainter &p, const QPainterPath &path, const QBrush &fill, const QColor &line, qreal lw)
{
    p.setPen(lw > 0 ? pen(line, lw) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawPath(path);
}

// Lit from the top left: light, the colour, then a darker shade.
QBrush litBrush(const QColor &c, qreal light = 0.45, qreal dark = 0.35)
{
    QLinearGradient g(0, 0, 1, 1);
    g.setCoordinateMode(QGradient::ObjectBoundingMode);
    g.setColorAt(0.0, lighter(c, light));
    g.setColorAt(0.45, c);
    g.setColorAt(1.0, darker(c, dark));
    return QBrush(g);
}

// A ball lit from the top left.
QBrush ballBrush(QPointF c, qreal r, const QColor &light, const QColor &mid, const QColor &dark)
{
    QRadialGradient g(c, r * 1.25, QPointF(c.x() - 0.4 * r, c.y() - 0.45 * r));
    g.setColorAt(0.0, light);
    g.setColorAt(0.45, mid);
    g.setColorAt(1.0, dark);
    return QBrush(g);
}

QPainterPath circle(QPointF c, qreal r)
{
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

// Text as an outline, scaled so its capitals are capHeight tall and centred on c.
QPainterPath textPath(
    const QString &text, const QString &family, int weight, bool italic, QPointF c, qreal capHeight)
{
    QFont font(family);
    font.setPixelSize(200);
    font.setWeight(QFont::Weight(weight));
    font.setItalic(italic);
    font.setKerning(true);
    QPainterPath raw;
    raw.addText(0, 0, font, text);
    QPainterPath cap;
    cap.addText(0, 0, font, QStringLiteral("H"));
    const qreal s = capHeight / cap.boundingRect().height();
    const QRectF box = raw.boundingRect();
    QTransform t;
    t.translate(c.x(), c.y());
    t.scale(s, s);
    t.translate(-box.center().x(), -box.center().y());
    return t.map(raw);
}

QPainterPath starPath(QPointF c, qreal r, qreal waist = 0.22)
{
    QPainterPath s;
    for (int i = 0; i < 8; ++i) {
        const qreal a = rad(i * 45.0 - 90.0);
        const qreal len = (i % 2 == 0) ? r : r * waist;
        const QPointF pt(c.x() + len * std::cos(a), c.y() + len * std::sin(a));
        if (i == 0)
            s.moveTo(pt);
        else
            s.lineTo(pt);
    }
    s.closeSubpath();
    return s;
}

// A four-pointed glint, white at the heart and gold at the tips.
void drawSparkle(QPainter &p, QPointF c, qreal r, int opacity = 255)
{
    if (r <= 0.1)
        return;
    p.save();
    p.setOpacity(opacity / 255.0);
    QRadialGradient g(c, r);
    g.setColorAt(0.0, QColor(255, 255, 255));
    g.setColorAt(0.3, QColor(255, 240, 160));
    g.setColorAt(1.0, pal::Gold);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(starPath(c, r));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(c, r * 0.16, r * 0.16);
    p.restore();
}

// ---------------------------------------------------------------------------
// Wine bottle: upright, origin at the middle of its base, h tall.

QPainterPath bottlePath(qreal h)
{
    const qreal bw = 0.17 * h, nw = 0.062 * h, r = 0.04 * h;
    const qreal ys = 0.56 * h, yn = 0.76 * h;
    QPainterPath b;
    b.moveTo(-bw, -ys);
    b.lineTo(-bw, -r);
    b.quadTo(-bw, 0, -bw + r, 0);
    b.lineTo(bw - r, 0);
    b.quadTo(bw, 0, bw, -r);
    b.lineTo(bw, -ys);
    b.cubicTo(bw, -(ys + 0.10 * h), nw, -(yn - 0.07 * h), nw, -yn);
    b.lineTo(nw, -h);
    b.lineTo(-nw, -h);
    b.lineTo(-nw, -yn);
    b.cubicTo(-nw, -(yn - 0.07 * h), -bw, -(ys + 0.10 * h), -bw, -ys);
    b.closeSubpath();
    return b;
}

struct BottleLook
{
    bool crest = false; // a little gold bunch on the label
    bool capsule = true; // gold foil over the neck
    bool open = false; // uncorked: the foil is cut below the glass lip
};

void drawBottle(QPainter &p, qreal h, qreal lw, const BottleLook &look = {})
{
    const qreal bw = 0.17 * h, nw = 0.062 * h;
    const QPainterPath body = bottlePath(h);

    QLinearGradient glass(-bw, 0, bw, 0);
    glass.setColorAt(0.0, QColor(58, 4, 20));
    glass.setColorAt(0.20, QColor(150, 34, 66));
    glass.setColorAt(0.42, QColor(104, 10, 38));
    glass.setColorAt(1.0, QColor(34, 0, 10));
    outlineFill(p, body, glass, QColor(30, 0, 8), lw);

    // Light on the glass, down the left of the body and the neck.
    p.save();
    p.setClipPath(body);
    p.setPen(pen(QColor(255, 225, 235, 150), std::max(0.05 * h, 0.8)));
    p.drawLine(QPointF(-0.52 * bw, -0.08 * h), QPointF(-0.52 * bw, -0.50 * h));
    p.setPen(pen(QColor(255, 225, 235, 110), std::max(0.025 * h, 0.6)));
    p.drawLine(QPointF(-0.45 * nw, -0.66 * h), QPointF(-0.45 * nw, -0.78 * h));
    p.restore();

    // Label
    const QRectF label(-bw + lw * 0.5, -0.44 * h, 2 * bw - lw, 0.27 * h);
    QLinearGradient paper(label.left(), 0, label.right(), 0);
    paper.setColorAt(0.0, QColor(255, 252, 236));
    paper.setColorAt(0.45, pal::Cream);
    paper.setColorAt(1.0, pal::CreamDark);
    p.setPen(pen(pal::Paper, lw * 0.6, Qt::FlatCap));
    p.setBrush(paper);
    p.drawRect(label);
    if (h >= 30) {
        const qreal band = std::max(0.025 * h, 0.8);
        p.setPen(Qt::NoPen);
        p.setBrush(pal::Burgundy);
        p.drawRect(QRectF(label.left(), label.top() + 0.035 * h, label.width(), band));
        p.drawRect(QRectF(label.left(), label.bottom() - 0.035 * h - band, label.width(), band));
    }
    if (look.crest && h >= 30) {
        const qreal gr = 0.022 * h;
        const QPointF c(0, label.center().y() + 0.005 * h);
        p.setPen(Qt::NoPen);
        p.setBrush(pal::GoldDark);
        const QPointF offs[] = { { -1.6, -1.1 }, { 0, -1.1 }, { 1.6, -1.1 }, { -0.8, 0.3 },
            { 0.8, 0.3 }, { 0, 1.7 } };
        for (const auto &o : offs)
            p.drawEllipse(c + o * gr, gr, gr);
    }

    if (look.capsule) {
        const qreal cw = nw + 0.012 * h;
        const qreal capTop = look.open ? 0.95 * h : h;
        const QRectF cap(-cw, -capTop, 2 * cw, capTop - 0.80 * h);
        QLinearGradient foil(-cw, 0, cw, 0);
        foil.setColorAt(0.0, pal::GoldDark);
        foil.setColorAt(0.3, pal::GoldLight);
        foil.setColorAt(0.6, pal::Gold);
        foil.setColorAt(1.0, pal::GoldDark);
        QPainterPath capPath;
        capPath.addRoundedRect(cap, 0.02 * h, 0.02 * h);
        outlineFill(p, capPath, foil, darker(pal::GoldDark, 0.3), lw * 0.8);
        if (h >= 30 && !look.open) {
            p.setPen(pen(darker(pal::GoldDark, 0.2), lw * 0.6, Qt::FlatCap));
            p.drawLine(QPointF(-cw, -h + 0.05 * h), QPointF(cw, -h + 0.05 * h));
        }
        if (look.open) {
            QLinearGradient lip(-cw, 0, cw, 0);
            lip.setColorAt(0.0, QColor(58, 4, 20));
            lip.setColorAt(0.3, QColor(150, 34, 66));
            lip.setColorAt(1.0, QColor(34, 0, 10));
            QPainterPath ring;
            ring.addRoundedRect(QRectF(-cw, -h, 2 * cw, 0.045 * h), 0.015 * h, 0.015 * h);
            outlineFill(p, ring, lip, QColor(30, 0, 8), lw * 0.8);
        }
    }
}

// ---------------------------------------------------------------------------
// Wine glass: upright, origin at the middle of its foot, h tall.

struct GlassShape
{
    QPainterPath bowl;
    qreal rimY, bottomY, rimW, bellyW;
};

GlassShape glassShape(qreal h)
{
    GlassShape s;
    s.bottomY = -0.40 * h;
    s.rimY = -h;
    s.bellyW = 0.24 * h;
    s.rimW = 0.175 * h;
    const qreal H = s.bottomY - s.rimY;
    QPainterPath b;
    b.moveTo(-s.rimW, s.rimY);
    b.cubicTo(-s.bellyW * 1.16, s.rimY + 0.30 * H, -s.bellyW * 1.04, s.bottomY, 0, s.bottomY);
    b.cubicTo(s.bellyW * 1.04, s.bottomY, s.bellyW * 1.16, s.rimY + 0.30 * H, s.rimW, s.rimY);
    b.closeSubpath();
    s.bowl = b;
    return s;
}

struct Pour
{
    qreal level = 0.55; // share of the bowl's height the wine fills
    qreal surfaceAngle = 0; // tilt of the wine's surface on the page, degrees
    QColor wine = pal::Wine;
    bool ripple = false; // a ring on the surface where a stream falls in
    qreal rippleX = 0; // where, in the glass's own units
};

// Draws the glass with "place" mapping its own units onto the page.
void drawGlass(QPainter &p, const QTransform &place, qreal h, qreal lw, const Pour &pour)
{
    const GlassShape s = glassShape(h);
    const QTransform page = p.worldTransform();
    p.setWorldTransform(place * page);

    // Stem and foot
    const qreal stemW = std::max(0.022 * h, 0.45);
    const qreal footW = 0.25 * h, footH = 0.055 * h;
    QPainterPath stem;
    stem.moveTo(-stemW, s.bottomY + 0.02 * h);
    stem.lineTo(-stemW, -footH * 0.8);
    stem.quadTo(-stemW, -footH * 0.5, -footW, -footH * 0.35);
    stem.quadTo(-footW - footH * 0.5, 0, -footW * 0.9, 0);
    stem.lineTo(footW * 0.9, 0);
    stem.quadTo(footW + footH * 0.5, 0, footW, -footH * 0.35);
    stem.quadTo(stemW, -footH * 0.5, stemW, -footH * 0.8);
    stem.lineTo(stemW, s.bottomY + 0.02 * h);
    stem.closeSubpath();
    QLinearGradient stemFill(-footW, 0, footW, 0);
    stemFill.setColorAt(0.0, QColor(236, 240, 246, 235));
    stemFill.setColorAt(0.5, QColor(204, 212, 222, 235));
    stemFill.setColorAt(1.0, QColor(150, 160, 175, 235));
    const QColor line(78, 88, 104, 235);
    outlineFill(p, stem, stemFill, line, lw);

    // The bowl's glass, faintly tinted
    QLinearGradient tint(-s.bellyW, 0, s.bellyW, 0);
    tint.setColorAt(0.0, QColor(255, 255, 255, 70));
    tint.setColorAt(0.5, QColor(235, 242, 250, 40));
    tint.setColorAt(1.0, QColor(200, 210, 225, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(tint);
    p.drawPath(s.bowl);

    // Wine: everything in the bowl under a line level on the page
    if (pour.level > 0) {
        p.save();
        p.setClipPath(s.bowl);
        const qreal H = s.bottomY - s.rimY;
        const QPointF levelPt = (place * page).map(QPointF(0, s.bottomY - pour.level * H));
        p.setWorldTransform(page);
        const QPointF lp = page.inverted().map(levelPt);
        p.translate(lp);
        p.rotate(pour.surfaceAngle);
        const qreal big = 4 * h;
        QLinearGradient wine(0, 0, 0, pour.level * H);
        wine.setColorAt(0.0, lighter(pour.wine, 0.12));
        wine.setColorAt(1.0, darker(pour.wine, 0.38));
        p.setPen(Qt::NoPen);
        p.setBrush(wine);
        p.drawRect(QRectF(-big, 0, 2 * big, big));
        // the surface, seen a little from above
        const qreal sw = s.bellyW * 1.1, sh = std::max(0.035 * h, 0.6);
        p.setBrush(lighter(pour.wine, 0.30));
        p.drawEllipse(QPointF(0, 0), sw, sh);
        if (pour.ripple) {
            p.setPen(pen(lighter(pour.wine, 0.6), std::max(0.018 * h, 0.5)));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(pour.rippleX, 0), 0.09 * h, 0.022 * h);
        }
        p.restore();
    }

    // Outline, rim and light on the glass
    p.setPen(pen(line, lw));
    p.setBrush(Qt::NoBrush);
    p.drawPath(s.bowl);
    p.setPen(pen(QColor(110, 120, 138, 235), lw * 0.8));
    p.drawEllipse(QPointF(0, s.rimY), s.rimW, std::max(0.035 * h, 0.5));
    QPainterPath shine;
    const qreal H = s.bottomY - s.rimY;
    shine.moveTo(-s.rimW * 0.72, s.rimY + 0.14 * H);
    shine.quadTo(-s.bellyW * 0.98, s.rimY + 0.45 * H, -s.bellyW * 0.62, s.rimY + 0.78 * H);
    p.setPen(pen(QColor(255, 255, 255, 230), std::max(0.05 * h, 0.9)));
    p.drawPath(shine);
    p.setPen(pen(QColor(255, 255, 255, 200), std::max(0.03 * h, 0.7)));
    p.drawLine(
        QPointF(s.bellyW * 0.70, s.rimY + 0.30 * H), QPointF(s.bellyW * 0.76, s.rimY + 0.42 * H));

    p.setWorldTransform(page);
}

QTransform at(QPointF pos, qreal angle = 0)
{
    QTransform t;
    t.translate(pos.x(), pos.y());
    t.rotate(angle);
    return t;
}

// ---------------------------------------------------------------------------
// Grapes and vine leaves

// shade darkens the grapes further back in a bunch.
void drawGrape(QPainter &p, QPointF c, qreal r, qreal lw, qreal shade = 0)
{
    outlineFill(p, circle(c, r),
        ballBrush(c, r, darker(pal::GrapeLight, shade), darker(pal::Grape, shade),
            darker(pal::GrapeDark, shade)),
        darker(pal::GrapeDark, 0.2), lw);
    if (r >= 3.5) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(QPointF(c.x() - 0.38 * r, c.y() - 0.40 * r), 0.22 * r, 0.16 * r);
    }
}

// A vine leaf pointing up, centred on c, about 2*r across.
QPainterPath leafPath(QPointF c, qreal r)
{
    static const QPointF half[] = {
        { 0.00, 0.62 },
        { -0.30, 0.88 },
        { -0.80, 0.66 },
        { -0.62, 0.30 },
        { -1.00, -0.10 },
        { -0.56, -0.22 },
        { -0.56, -0.78 },
        { -0.18, -0.54 },
        { 0.00, -1.00 },
    };
    QPolygonF poly;
    for (const auto &pt : half)
        poly << c + pt * r;
    for (int i = int(std::size(half)) - 2; i >= 1; --i)
        poly << c + QPointF(-half[i].x(), half[i].y()) * r;
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

void drawLeaf(QPainter &p, QPointF c, qreal r, qreal angle, qreal lw)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    const QPainterPath leaf = leafPath(QPointF(0, 0), r);
    outlineFill(p, leaf, litBrush(pal::Leaf, 0.4, 0.3), pal::LeafDark, lw);
    p.setPen(pen(alpha(pal::LeafDark, 200), lw * 0.7));
    const QPointF base(0, 0.50 * r);
    const QPointF tips[]
        = { { 0, -0.85 }, { -0.85, -0.10 }, { 0.85, -0.10 }, { -0.62, 0.55 }, { 0.62, 0.55 } };
    for (const auto &t : tips)
        p.drawLine(base, t * r * 0.85);
    p.restore();
}

// ---------------------------------------------------------------------------
// Small things shared by the buttons

void drawBadgeDisc(QPainter &p, QPointF c, qreal r, const QColor &light, const QColor &mid,
    const QColor &dark, qreal lw)
{
    // a white ring keeps the badge apart from whatever it sits on
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(c, r + lw, r + lw);
    outlineFill(p, circle(c, r), ballBrush(c, r, light, mid, dark), darker(dark, 0.35), lw);
}

void drawPlusBadge(QPainter &p, QPointF c, qreal r, qreal lw)
{
    drawBadgeDisc(p, c, r, pal::GreenLight, pal::Green, pal::GreenDark, lw);
    const qreal arm = 0.56 * r, w = 0.34 * r;
    p.setPen(pen(QColor(255, 255, 255), w, Qt::FlatCap));
    p.drawLine(QPointF(c.x() - arm, c.y()), QPointF(c.x() + arm, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - arm), QPointF(c.x(), c.y() + arm));
}

void drawCrossBadge(QPainter &p, QPointF c, qreal r, qreal lw)
{
    drawBadgeDisc(p, c, r, pal::RedLight, pal::Red, pal::RedDark, lw);
    const qreal arm = 0.40 * r, w = 0.30 * r;
    p.setPen(pen(QColor(255, 255, 255), w, Qt::RoundCap));
    p.drawLine(QPointF(c.x() - arm, c.y() - arm), QPointF(c.x() + arm, c.y() + arm));
    p.drawLine(QPointF(c.x() + arm, c.y() - arm), QPointF(c.x() - arm, c.y() + arm));
}

// A thick stroke with an outline: the outline first, then the colour on top,
// so crossings stay clean.
void drawOutlinedStrokes(QPainter &p, const std::vector<QPainterPath> &strokes, qreal w,
    const QBrush &fill, const QColor &line, qreal lw)
{
    p.setBrush(Qt::NoBrush);
    for (const auto &s : strokes) {
        p.setPen(pen(line, w + 2 * lw));
        p.drawPath(s);
    }
    for (const auto &s : strokes) {
        p.setPen(QPen(fill, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(s);
    }
}

QPainterPath polyline(std::initializer_list<QPointF> pts)
{
    QPainterPath path;
    bool first = true;
    for (const auto &pt : pts) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    return path;
}

// A tick inside box (square), drawn thick.
void drawTick(QPainter &p, const QRectF &box, qreal lw, const QColor &light = pal::GreenLight,
    const QColor &mid = pal::Green, const QColor &dark = pal::GreenDark)
{
    auto pt = [&](qreal x, qreal y) {
        return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
    };
    const QPainterPath tick = polyline({ pt(0.12, 0.54), pt(0.40, 0.82), pt(0.88, 0.18) });
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0.0, light);
    g.setColorAt(0.5, mid);
    g.setColorAt(1.0, darker(mid, 0.25));
    drawOutlinedStrokes(p, { tick }, 0.19 * box.width(), QBrush(g), darker(dark, 0.2), lw);
}

void drawCross(QPainter &p, const QRectF &box, qreal lw)
{
    auto pt = [&](qreal x, qreal y) {
        return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
    };
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0.0, pal::RedLight);
    g.setColorAt(0.5, pal::Red);
    g.setColorAt(1.0, darker(pal::Red, 0.25));
    drawOutlinedStrokes(p,
        { polyline({ pt(0.2, 0.2), pt(0.8, 0.8) }), polyline({ pt(0.8, 0.2), pt(0.2, 0.8) }) },
        0.19 * box.width(), QBrush(g), darker(pal::RedDark, 0.2), lw);
}

// Magnifier with the lens centred on c; the handle runs to the bottom right.
void drawMagnifier(QPainter &p, QPointF c, qreal r, qreal lw)
{
    const QPointF dir(0.7071, 0.7071);
    const QPointF h0 = c + dir * (r * 1.05), h1 = c + dir * (r * 2.05);
    QLinearGradient handle(h0 + QPointF(-r, r) * 0.3, h0 + QPointF(r, -r) * 0.3);
    handle.setColorAt(0.0, pal::NavyLight);
    handle.setColorAt(1.0, pal::Navy);
    drawOutlinedStrokes(p, { polyline({ h0, h1 }) }, 0.52 * r, QBrush(handle), pal::NavyDark, lw);

    // lens
    QRadialGradient lens(c, r, c - QPointF(r, r) * 0.35);
    lens.setColorAt(0.0, QColor(240, 248, 255, 170));
    lens.setColorAt(1.0, QColor(170, 205, 235, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(lens);
    p.drawEllipse(c, r, r);
    p.setPen(pen(QColor(255, 255, 255, 230), std::max(0.16 * r, 0.8)));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 0.62 * r, c.y() - 0.62 * r, 1.24 * r, 1.24 * r), 100 * 16, 70 * 16);

    // gold ring
    const qreal ring = std::max(0.24 * r, 1.2);
    QPainterPath annulus;
    annulus.addEllipse(c, r + ring / 2, r + ring / 2);
    annulus.addEllipse(c, r - ring / 2, r - ring / 2);
    QLinearGradient gold(c - QPointF(r, r), c + QPointF(r, r));
    gold.setColorAt(0.0, pal::GoldLight);
    gold.setColorAt(0.5, pal::Gold);
    gold.setColorAt(1.0, pal::GoldDark);
    outlineFill(p, annulus, gold, darker(pal::GoldDark, 0.35), lw * 0.9);
}

// Pencil lying from tip to end.
void drawPencil(QPainter &p, QPointF tip, QPointF end, qreal width, qreal lw)
{
    const QPointF d = end - tip;
    const qreal len = std::hypot(d.x(), d.y());
    p.save();
    p.translate(tip);
    p.rotate(std::atan2(d.y(), d.x()) * 180.0 / kPi);
    const qreal w = width / 2, cone = 0.24 * len, ferrule = 0.10 * len, rubber = 0.12 * len;
    const QColor line(60, 40, 16);
    // wood cone and lead
    QPainterPath wood = polyline({ { 0, 0 }, { cone, -w }, { cone, w } });
    wood.closeSubpath();
    outlineFill(p, wood, QColor(242, 214, 164), line, lw);
    QPainterPath lead
        = polyline({ { 0, 0 }, { cone * 0.36, -w * 0.36 }, { cone * 0.36, w * 0.36 } });
    lead.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 46, 44));
    p.drawPath(lead);
    // painted body
    QLinearGradient paint(0, -w, 0, w);
    paint.setColorAt(0.0, QColor(255, 226, 120));
    paint.setColorAt(0.5, QColor(240, 180, 40));
    paint.setColorAt(1.0, QColor(176, 112, 10));
    QPainterPath body;
    body.addRect(QRectF(cone, -w, len - cone - ferrule - rubber, 2 * w));
    outlineFill(p, body, paint, line, lw);
    // ferrule and rubber
    QLinearGradient metal(0, -w, 0, w);
    metal.setColorAt(0.0, QColor(235, 238, 242));
    metal.setColorAt(1.0, QColor(130, 136, 146));
    QPainterPath fer;
    fer.addRect(QRectF(len - ferrule - rubber, -w, ferrule, 2 * w));
    outlineFill(p, fer, metal, line, lw);
    QPainterPath rub;
    rub.addRoundedRect(QRectF(len - rubber, -w, rubber, 2 * w), w * 0.6, w * 0.6);
    QLinearGradient pink(0, -w, 0, w);
    pink.setColorAt(0.0, QColor(250, 170, 170));
    pink.setColorAt(1.0, QColor(196, 84, 96));
    outlineFill(p, rub, pink, line, lw);
    p.restore();
}

// A sheet of paper with a folded corner and ruled lines.
void drawSheet(QPainter &p, const QRectF &r, qreal fold, qreal lw, int lines, qreal lineGap)
{
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    QLinearGradient paper(r.topLeft(), r.bottomRight());
    paper.setColorAt(0.0, QColor(255, 253, 242));
    paper.setColorAt(0.6, pal::Cream);
    paper.setColorAt(1.0, mix(pal::Cream, pal::CreamDark, 0.6));
    outlineFill(p, sheet, paper, pal::Paper, lw);
    QPainterPath corner = polyline({ { r.right() - fold, r.top() },
        { r.right() - fold, r.top() + fold }, { r.right(), r.top() + fold } });
    corner.closeSubpath();
    outlineFill(p, corner, pal::CreamDark, pal::Paper, lw);
    p.setPen(pen(QColor(96, 112, 140), lw, Qt::FlatCap));
    for (int i = 0; i < lines; ++i) {
        const qreal y = r.top() + fold + lineGap * (i + 0.5) + 0.5;
        const qreal right = (i == lines - 1) ? r.left() + r.width() * 0.55 : r.right() - 2.5;
        p.drawLine(
            QPointF(r.left() + 2.5, std::floor(y) + 0.5), QPointF(right, std::floor(y) + 0.5));
    }
}

// ---------------------------------------------------------------------------
// GIF writing: one palette for the whole file, frames cut down to what
// changes, disposal chosen so each frame is as small as it can be.

struct GifFrame
{
    QImage image; // premultiplied, the size of the canvas
    int delayMs = 100;
};

struct GifOptions
{
    QColor matte = pal::Silver; // what the half-covered edge pixels are blended with
    bool transparent = true; // the picture's background is see-through
    bool preferRestorePrevious = false; // pick "restore previous" when it costs the same
    QByteArray comment = "Caveto - Morvent Software";
};

struct Rect
{
    int x = 0, y = 0, w = 0, h = 0;
    bool empty() const { return w <= 0 || h <= 0; }
    int area() const { return empty() ? 0 : w * h; }
    Rect united(const Rect &o) const
    {
        if (empty())
            return o;
        if (o.empty())
            return *this;
        const int x0 = std::min(x, o.x), y0 = std::min(y, o.y);
        const int x1 = std::max(x + w, o.x + o.w), y1 = std::max(y + h, o.y + o.h);
        return { x0, y0, x1 - x0, y1 - y0 };
    }
    bool contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

using Indexed = std::vector<uint8_t>; // 0 = see-through, otherwise a palette entry

struct ColorCount
{
    int r, g, b;
    long n;
};

long distance2(int r1, int g1, int b1, int r2, int g2, int b2)
{
    const long dr = r1 - r2, dg = g1 - g2, db = b1 - b2;
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

// Median cut on the colours actually used, split where the error is largest,
// then a few rounds of nudging each entry to the mean of what it stands for.
std::vector<QRgb> buildPalette(std::vector<ColorCount> colours, int maxColours)
{
    std::vector<QRgb> palette;
    if (int(colours.size()) <= maxColours) {
        for (const auto &c : colours)
            palette.push_back(qRgb(c.r, c.g, c.b));
        return palette;
    }
    struct Box
    {
        int begin, end;
        double error;
        int axis;
    };
    auto measure = [&](Box &box) {
        double sum[3] = { 0, 0, 0 }, sq[3] = { 0, 0, 0 }, n = 0;
        for (int i = box.begin; i < box.end; ++i) {
            const auto &c = colours[i];
            const int v[3] = { c.r, c.g, c.b };
            for (int k = 0; k < 3; ++k) {
                sum[k] += double(v[k]) * c.n;
                sq[k] += double(v[k]) * v[k] * c.n;
            }
            n += c.n;
        }
        const double weight[3] = { 3, 4, 2 };
        double best = -1;
        box.error = 0;
        for (int k = 0; k < 3; ++k) {
            const double var = (sq[k] - sum[k] * sum[k] / n) * weight[k];
            box.error += var;
            if (var > best) {
                best = var;
                box.axis = k;
            }
        }
        if (box.end - box.begin < 2)
            box.error = 0;
    };
    std::vector<Box> boxes { { 0, int(colours.size()), 0, 0 } };
    measure(boxes[0]);
    while (int(boxes.size()) < maxColours) {
        auto it = std::max_element(boxes.begin(), boxes.end(),
            [](const Box &a, const Box &b) { return a.error < b.error; });
        if (it->error <= 0)
            break;
        Box box = *it;
        const int axis = box.axis;
        auto key = [axis](const ColorCount &c) { return axis == 0 ? c.r : axis == 1 ? c.g : c.b; };
        std::sort(colours.begin() + box.begin, colours.begin() + box.end,
            [&](const ColorCount &a, const ColorCount &b) { return key(a) < key(b); });
        long total = 0;
        for (int i = box.begin; i < box.end; ++i)
            total += colours[i].n;
        long acc = 0;
        int split = box.begin + 1;
        for (int i = box.begin; i < box.end - 1; ++i) {
            acc += colours[i].n;
            split = i + 1;
            if (acc * 2 >= total)
                break;
        }
        Box a { box.begin, split, 0, 0 }, b { split, box.end, 0, 0 };
        measure(a);
        measure(b);
        *it = a;
        boxes.push_back(b);
    }
    std::vector<std::array<double, 4>> means(boxes.size());
    for (size_t k = 0; k < boxes.size(); ++k) {
        double s[4] = { 0, 0, 0, 0 };
        for (int i = boxes[k].begin; i < boxes[k].end; ++i) {
            const auto &c = colours[i];
            s[0] += double(c.r) * c.n;
            s[1] += double(c.g) * c.n;
            s[2] += double(c.b) * c.n;
            s[3] += c.n;
        }
        means[k] = { s[0] / s[3], s[1] / s[3], s[2] / s[3], s[3] };
    }
    for (int round = 0; round < 4; ++round) {
        std::vector<std::array<double, 4>> acc(means.size(), { 0, 0, 0, 0 });
        for (const auto &c : colours) {
            size_t best = 0;
            long bestD = -1;
            for (size_t k = 0; k < means.size(); ++k) {
                const long d = distance2(
                    c.r, c.g, c.b, int(means[k][0]), int(means[k][1]), int(means[k][2]));
                if (bestD < 0 || d < bestD) {
                    bestD = d;
                    best = k;
                }
            }
            acc[best][0] += double(c.r) * c.n;
            acc[best][1] += double(c.g) * c.n;
            acc[best][2] += double(c.b) * c.n;
            acc[best][3] += c.n;
        }
        for (size_t k = 0; k < means.size(); ++k)
            if (acc[k][3] > 0)
                means[k] = { acc[k][0] / acc[k][3], acc[k][1] / acc[k][3], acc[k][2] / acc[k][3],
                    acc[k][3] };
    }
    for (const auto &m : means)
        palette.push_back(
            qRgb(int(std::lround(m[0])), int(std::lround(m[1])), int(std::lround(m[2]))));
    return palette;
}

// LZW with the code width growing from minCode+1 to 12 bits, cleared when full.
QByteArray lzw(const Indexed &pixels, int minCode)
{
    QByteArray bytes;
    uint32_t acc = 0;
    int bits = 0;
    int width = minCode + 1;
    auto put = [&](int code) {
        acc |= uint32_t(code) << bits;
        bits += width;
        while (bits >= 8) {
            bytes.append(char(acc & 0xFF));
            acc >>= 8;
            bits -= 8;
        }
    };
    const int clear = 1 << minCode, eoi = clear + 1;
    std::vector<int16_t> table(4096 * 256, -1);
    int next = eoi + 1;
    put(clear);
    int prefix = pixels.empty() ? 0 : pixels[0];
    for (size_t i = 1; i < pixels.size(); ++i) {
        const int k = pixels[i];
        const int16_t found = table[prefix * 256 + k];
        if (found >= 0) {
            prefix = found;
            continue;
        }
        put(prefix);
        if (next < 4096) {
            if (next == (1 << width) && width < 12)
                ++width;
            table[prefix * 256 + k] = int16_t(next++);
        } else {
            put(clear);
            std::fill(table.begin(), table.end(), int16_t(-1));
            next = eoi + 1;
            width = minCode + 1;
        }
        prefix = k;
    }
    put(prefix);
    put(eoi);
    if (bits > 0)
        bytes.append(char(acc & 0xFF));
    return bytes;
}

void put16(QByteArray &out, int v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

void putBlocks(QByteArray &out, const QByteArray &data)
{
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype n = std::min<qsizetype>(255, data.size() - at);
        out.append(char(n));
        out.append(data.mid(at, n));
    }
    out.append(char(0));
}

struct GifStats
{
    int frames = 0, bytes = 0, colours = 0;
};

GifStats writeGif(const QString &fileName, std::vector<GifFrame> frames, const GifOptions &opt,
    const QString &previewDir)
{
    const int W = frames.front().image.width(), H = frames.front().image.height();
    const int N = W * H;
    const int mr = opt.matte.red(), mg = opt.matte.green(), mb = opt.matte.blue();

    // Flatten: see-through below half cover, otherwise blended onto the matte.
    std::vector<std::vector<QRgb>> flat; // 0 marks see-through (real colours get alpha 255)
    QHash<QRgb, long> histogram;
    for (const auto &f : frames) {
        std::vector<QRgb> px(N);
        for (int y = 0; y < H; ++y) {
            const auto *src = reinterpret_cast<const QRgb *>(f.image.constScanLine(y));
            for (int x = 0; x < W; ++x) {
                const QRgb s = src[x];
                const int a = qAlpha(s);
                if (opt.transparent && a < 128) {
                    px[y * W + x] = 0;
                    continue;
                }
                const int r = std::min(255, qRed(s) + (255 - a) * mr / 255);
                const int g = std::min(255, qGreen(s) + (255 - a) * mg / 255);
                const int b = std::min(255, qBlue(s) + (255 - a) * mb / 255);
                px[y * W + x] = qRgb(r, g, b);
                histogram[qRgb(r, g, b)] += 1;
            }
        }
        flat.push_back(std::move(px));
    }
    // Equal neighbours become one longer frame.
    std::vector<int> delays;
    {
        std::vector<std::vector<QRgb>> merged;
        for (size_t i = 0; i < flat.size(); ++i) {
            if (!merged.empty() && merged.back() == flat[i]) {
                delays.back() += frames[i].delayMs;
                continue;
            }
            merged.push_back(flat[i]);
            delays.push_back(frames[i].delayMs);
        }
        flat.swap(merged);
    }

    std::vector<ColorCount> colours;
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        colours.push_back({ qRed(it.key()), qGreen(it.key()), qBlue(it.key()), it.value() });
    std::sort(colours.begin(), colours.end(), [](const ColorCount &a, const ColorCount &b) {
        return std::tie(a.r, a.g, a.b) < std::tie(b.r, b.g, b.b);
    });
    const std::vector<QRgb> entries = buildPalette(colours, 255);
    int tableBits = 1;
    while ((1 << tableBits) < int(entries.size()) + 1)
        ++tableBits;
    const int tableSize = 1 << tableBits;
    std::vector<QRgb> palette(tableSize, qRgb(0, 0, 0));
    palette[0] = opt.matte.rgb(); // the see-through entry shows the matte where it is ignored
    for (size_t i = 0; i < entries.size(); ++i)
        palette[i + 1] = entries[i];

    QHash<QRgb, uint8_t> lookup;
    auto indexOf = [&](QRgb c) -> uint8_t {
        if (c == 0)
            return 0;
        auto it = lookup.constFind(c);
        if (it != lookup.cend())
            return it.value();
        int best = 1;
        long bestD = -1;
        for (int i = 1; i <= int(entries.size()); ++i) {
            const long d = distance2(qRed(c), qGreen(c), qBlue(c), qRed(palette[i]),
                qGreen(palette[i]), qBlue(palette[i]));
            if (bestD < 0 || d < bestD) {
                bestD = d;
                best = i;
            }
        }
        lookup.insert(c, uint8_t(best));
        return uint8_t(best);
    };
    std::vector<Indexed> targets;
    for (const auto &px : flat) {
        Indexed ix(N);
        for (int i = 0; i < N; ++i)
            ix[i] = indexOf(px[i]);
        targets.push_back(std::move(ix));
    }

    auto diffBox = [&](const Indexed &a, const Indexed &b) {
        int x0 = W, y0 = H, x1 = -1, y1 = -1;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if (a[y * W + x] != b[y * W + x]) {
                    x0 = std::min(x0, x);
                    y0 = std::min(y0, y);
                    x1 = std::max(x1, x);
                    y1 = std::max(y1, y);
                }
        return x1 < 0 ? Rect {} : Rect { x0, y0, x1 - x0 + 1, y1 - y0 + 1 };
    };
    // Would showing "state" and then drawing "next" over it need any pixel wiped?
    auto needsWipe = [&](const Indexed &state, const Indexed &next) {
        for (int i = 0; i < N; ++i)
            if (state[i] != 0 && next[i] == 0)
                return true;
        return false;
    };
    auto cleared = [&](Indexed state, const Rect &r) {
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x)
                state[y * W + x] = 0;
        return state;
    };

    const Indexed blank(N, 0);
    QByteArray out("GIF89a");
    put16(out, W);
    put16(out, H);
    out.append(char(0x80 | (7 << 4) | (tableBits - 1)));
    const int background = opt.transparent ? 0 : indexOf(opt.matte.rgb() | 0xFF000000u);
    out.append(char(background));
    out.append(char(0));
    for (int i = 0; i < tableSize; ++i) {
        out.append(char(qRed(palette[i])));
        out.append(char(qGreen(palette[i])));
        out.append(char(qBlue(palette[i])));
    }
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19); // loop for ever
    if (!opt.comment.isEmpty()) {
        out.append("\x21\xFE", 2);
        putBlocks(out, opt.comment);
    }

    const int minCode = std::max(2, tableBits);
    Indexed canvas = blank;
    const int count = int(targets.size());
    for (int k = 0; k < count; ++k) {
        const Indexed &target = targets[k];
        // A see-through picture is wiped clean before it loops, so it starts
        // again the same whether or not a decoder clears the canvas itself.
        const Indexed &next = (k + 1 < count) ? targets[k + 1]
            : opt.transparent                 ? blank
                                              : targets[0];
        Rect rect = diffBox(canvas, target);
        if (k == 0 && !opt.transparent)
            rect = { 0, 0, W, H };
        if (rect.empty())
            rect = { 0, 0, 1, 1 };

        // 1 keeps this frame, 2 wipes its rectangle, 3 goes back to before it.
        struct Choice
        {
            int disposal;
            Rect rect;
            Indexed after;
            long cost;
        };
        std::vector<Choice> choices;
        if (!needsWipe(target, next))
            choices.push_back({ 1, rect, target, 0 });
        {
            int x0 = W, y0 = H, x1 = -1, y1 = -1;
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x)
                    if (target[y * W + x] != 0 && next[y * W + x] == 0) {
                        x0 = std::min(x0, x);
                        y0 = std::min(y0, y);
                        x1 = std::max(x1, x);
                        y1 = std::max(y1, y);
                    }
            const Rect wipe = x1 < 0 ? Rect {} : Rect { x0, y0, x1 - x0 + 1, y1 - y0 + 1 };
            const Rect r2 = rect.united(wipe);
            choices.push_back({ 2, r2, cleared(target, r2), r2.area() - rect.area() });
        }
        // The first frame has nothing before it to go back to.
        if (k > 0 && !needsWipe(canvas, next))
            choices.push_back({ 3, rect, canvas, 0 });
        for (auto &c : choices)
            c.cost += diffBox(c.after, next).area();
        auto rank = [&](int d) {
            if (opt.preferRestorePrevious)
                return d == 3 ? 0 : d;
            return d;
        };
        const Choice &pick = *std::min_element(
            choices.begin(), choices.end(), [&](const Choice &a, const Choice &b) {
                return a.cost != b.cost ? a.cost < b.cost : rank(a.disposal) < rank(b.disposal);
            });

        Indexed data;
        data.reserve(pick.rect.area());
        for (int y = pick.rect.y; y < pick.rect.y + pick.rect.h; ++y)
            for (int x = pick.rect.x; x < pick.rect.x + pick.rect.w; ++x) {
                const int i = y * W + x;
                data.push_back(target[i] == canvas[i] ? 0 : target[i]);
            }
        const int delay = (delays[k] + 5) / 10;
        out.append("\x21\xF9\x04", 3);
        out.append(char((pick.disposal << 2) | 1));
        put16(out, delay);
        out.append(char(0));
        out.append(char(0));
        out.append(char(0x2C));
        put16(out, pick.rect.x);
        put16(out, pick.rect.y);
        put16(out, pick.rect.w);
        put16(out, pick.rect.h);
        out.append(char(0));
        out.append(char(minCode));
        putBlocks(out, lzw(data, minCode));
        canvas = pick.after;

        if (!previewDir.isEmpty()) {
            QImage shown(W, H, QImage::Format_ARGB32);
            for (int i = 0; i < N; ++i)
                shown.setPixel(
                    i % W, i / W, target[i] == 0 ? 0u : (palette[target[i]] | 0xFF000000u));
            const QString base = QFileInfo(fileName).completeBaseName();
            shown.save(
                QStringLiteral("%1/%2-%3.png").arg(previewDir, base).arg(k, 2, 10, QChar('0')));
        }
    }
    out.append(char(0x3B));

    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(fileName));
        std::exit(1);
    }
    return { count, int(out.size()), int(entries.size()) };
}

void savePng(const QImage &img, const QString &fileName)
{
    if (!img.convertToFormat(QImage::Format_ARGB32).save(fileName, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(fileName));
        std::exit(1);
    }
}

} // namespace

// ---------------------------------------------------------------------------
// Shortcut buttons, 22 x 22

namespace icons22 {

constexpr qreal lw = 1.0;

void dictionary(QPainter &p) // BAH: an open book with A and Z
{
    // cover under the pages
    QPainterPath cover;
    cover.moveTo(1, 6);
    cover.lineTo(1, 18.5);
    cover.quadTo(6, 18.5, 11, 20.5);
    cover.quadTo(16, 18.5, 21, 18.5);
    cover.lineTo(21, 6);
    cover.closeSubpath();
    outlineFill(p, cover, litBrush(pal::Navy, 0.3, 0.3), pal::NavyDark, lw);
    auto page = [&](qreal side) {
        QPainterPath pg;
        pg.moveTo(11, 5.5);
        pg.quadTo(11 - side * 4.5, 3, 11 - side * 9, 4);
        pg.lineTo(11 - side * 9, 17);
        pg.quadTo(11 - side * 4.5, 16.2, 11, 18.5);
        pg.closeSubpath();
        QLinearGradient g(11 - side * 9, 0, 11, 0);
        g.setColorAt(0.0, QColor(255, 252, 240));
        g.setColorAt(0.8, pal::Cream);
        g.setColorAt(1.0, pal::CreamDark);
        outlineFill(p, pg, g, pal::Paper, lw * 0.9);
    };
    page(1);
    page(-1);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::Burgundy);
    p.drawPath(textPath("A", "DejaVu Sans", 700, false, QPointF(6.4, 11.0), 7.0));
    p.drawPath(textPath("Z", "DejaVu Sans", 700, false, QPointF(15.6, 11.0), 7.0));
    p.drawRect(QRectF(9.9, 10.4, 2.2, 1.3));
}

void grapes(QPainter &p) // BUvas: a bunch of grapes
{
    drawLeaf(p, QPointF(15.2, 4.6), 4.2, 35, lw * 0.8);
    p.setPen(pen(pal::WoodDark, 1.4));
    p.drawLine(QPointF(10.5, 7.5), QPointF(11.8, 2.0));
    const qreal r = 2.5;
    const QPointF pts[] = { { 4.4, 8.4 }, { 9.1, 8.0 }, { 13.8, 8.4 }, { 18.2, 9.2 }, { 6.7, 12.3 },
        { 11.4, 12.1 }, { 16.0, 12.7 }, { 8.9, 16.2 }, { 13.6, 16.3 }, { 11.2, 19.9 } };
    for (const auto &c : pts)
        drawGrape(p, c, r, lw * 0.9);
}

void tablets(QPainter &p) // BDecalogo: two stone tablets with lines
{
    auto tablet = [&](qreal x0, qreal x1, qreal top, qreal bottom) {
        const qreal r = (x1 - x0) / 2;
        QPainterPath t;
        t.moveTo(x0, bottom);
        t.lineTo(x0, top + r);
        t.arcTo(QRectF(x0, top, 2 * r, 2 * r), 180, -180);
        t.lineTo(x1, bottom);
        t.closeSubpath();
        outlineFill(p, t, litBrush(QColor(206, 196, 170), 0.5, 0.3), QColor(92, 80, 58), lw);
        p.setPen(pen(QColor(110, 96, 70), 1.0, Qt::FlatCap));
        for (int i = 0; i < 4; ++i) {
            const qreal y = top + r + 1.5 + i * 2.5;
            if (y > bottom - 1.5)
                break;
            p.drawLine(QPointF(x0 + 2, std::floor(y) + 0.5), QPointF(x1 - 2, std::floor(y) + 0.5));
        }
    };
    tablet(1.5, 11, 2.5, 20.5);
    tablet(11, 20.5, 2.5, 20.5);
}

void lexicon(QPainter &p) // BLexico: a glass and a speech bubble
{
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(9.5, 1.5, 11.5, 8.5), 3, 3);
    QPainterPath tail = polyline({ { 12, 9 }, { 10.5, 12.5 }, { 15, 9.5 } });
    tail.closeSubpath();
    bubble = bubble.united(tail);
    outlineFill(p, bubble, litBrush(QColor(255, 255, 255), 0.0, 0.12), pal::Navy, lw);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::Burgundy);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(12.25 + i * 3.0, 5.75), 0.95, 0.95);
    Pour pour;
    pour.level = 0.5;
    drawGlass(p, at(QPointF(6.5, 21.3)), 17, lw, pour);
}

void bottle(QPainter &p) // BVinos: a wine bottle
{
    p.save();
    p.translate(11, 21.5);
    drawBottle(p, 20.5, lw);
    p.restore();
}

void calendar(QPainter &p) // BCosechas: a calendar page
{
    QPainterPath page;
    page.addRoundedRect(QRectF(1.5, 3.5, 19, 17), 1.5, 1.5);
    outlineFill(p, page, litBrush(pal::Cream, 0.5, 0.15), pal::Paper, lw);
    QPainterPath head;
    head.addRoundedRect(QRectF(1.5, 3.5, 19, 5), 1.5, 1.5);
    head.addRect(QRectF(1.5, 6, 19, 2.5));
    head.setFillRule(Qt::WindingFill);
    outlineFill(p, head.simplified(), litBrush(pal::Burgundy, 0.35, 0.3), pal::BurgundyDark, lw);
    for (qreal x : { 6.0, 16.0 }) {
        QPainterPath ring;
        ring.addRoundedRect(QRectF(x - 1, 1, 2, 5), 1, 1);
        outlineFill(p, ring, litBrush(pal::Gold), pal::GoldDark, lw * 0.7);
    }
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col) {
            const QRectF cell(3.5 + col * 4, 10 + row * 3.5, 3, 2.5);
            p.setPen(Qt::NoPen);
            p.setBrush((row == 1 && col == 2) ? pal::Burgundy : QColor(120, 134, 158));
            p.drawRect(cell);
        }
}

// The outline of mainland Spain, longitude and latitude, clockwise from Galicia.
const QPointF kSpain[] = {
    { -9.3, 43.0 },
    { -8.0, 43.7 },
    { -7.0, 43.55 },
    { -5.8, 43.6 },
    { -3.8, 43.45 },
    { -1.8, 43.4 },
    { -1.4, 43.1 },
    { 0.0, 42.7 },
    { 1.5, 42.45 },
    { 3.2, 42.35 },
    { 3.2, 41.9 },
    { 2.2, 41.4 },
    { 0.9, 41.0 },
    { 0.2, 40.1 },
    { -0.3, 39.4 },
    { 0.2, 38.75 },
    { -0.5, 38.3 },
    { -0.7, 37.6 },
    { -1.6, 37.25 },
    { -2.1, 36.73 },
    { -3.0, 36.75 },
    { -4.4, 36.7 },
    { -5.3, 36.15 },
    { -5.6, 36.0 },
    { -6.3, 36.5 },
    { -6.4, 36.85 },
    { -7.4, 37.2 },
    { -7.5, 37.5 },
    { -7.0, 38.2 },
    { -7.3, 39.0 },
    { -7.0, 39.6 },
    { -6.9, 40.2 },
    { -6.8, 41.0 },
    { -6.2, 41.6 },
    { -6.6, 41.95 },
    { -8.1, 41.85 },
    { -8.9, 41.9 },
    { -8.9, 42.25 },
    { -9.1, 42.6 },
};
const QPointF kPortugal[] = {
    { -8.9, 41.9 },
    { -8.1, 41.85 },
    { -6.6, 41.95 },
    { -6.2, 41.6 },
    { -6.8, 41.0 },
    { -6.9, 40.2 },
    { -7.0, 39.6 },
    { -7.3, 39.0 },
    { -7.0, 38.2 },
    { -7.5, 37.5 },
    { -7.4, 37.2 },
    { -8.0, 37.0 },
    { -9.0, 37.05 },
    { -8.8, 38.2 },
    { -9.5, 38.75 },
    { -9.0, 39.6 },
    { -8.7, 40.6 },
    { -8.8, 41.5 },
};

QPolygonF mapShape(const QPointF *pts, int n, const QRectF &frame)
{
    // lon -9.6..3.4, lat 35.9..43.9, squeezed by cos 40 degrees across
    const qreal k = std::cos(rad(40));
    const qreal w = 13.0 * k, h = 8.0;
    const qreal s = std::min(frame.width() / w, frame.height() / h);
    const QPointF o(frame.center().x() - s * w / 2, frame.center().y() - s * h / 2);
    QPolygonF poly;
    for (int i = 0; i < n; ++i)
        poly << QPointF(o.x() + (pts[i].x() + 9.6) * k * s, o.y() + (43.9 - pts[i].y()) * s);
    return poly;
}

void drawMapPin(QPainter &p, QPointF tip, qreal r, qreal lw)
{
    const QPointF c(tip.x(), tip.y() - 2.2 * r);
    QPainterPath pin;
    pin.moveTo(tip);
    pin.cubicTo(QPointF(tip.x() - 0.4 * r, tip.y() - 0.9 * r), QPointF(c.x() - r, c.y() + 0.9 * r),
        QPointF(c.x() - r, c.y()));
    pin.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 180, -180);
    pin.cubicTo(
        QPointF(c.x() + r, c.y() + 0.9 * r), QPointF(tip.x() + 0.4 * r, tip.y() - 0.9 * r), tip);
    outlineFill(p, pin, ballBrush(c, r, pal::RedLight, pal::Red, pal::RedDark),
        darker(pal::RedDark, 0.3), lw);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(c, 0.38 * r, 0.38 * r);
}

void map(QPainter &p) // BMapa: Spain with a pin
{
    QPainterPath sea;
    sea.addRoundedRect(QRectF(0.5, 1.5, 21, 19), 2.5, 2.5);
    QLinearGradient water(0, 1.5, 0, 20.5);
    water.setColorAt(0, QColor(206, 230, 246));
    water.setColorAt(1, QColor(140, 186, 222));
    outlineFill(p, sea, water, QColor(60, 96, 130), lw);
    const QRectF frame(1.6, 2.8, 18.8, 16.4);
    const QPolygonF portugal = mapShape(kPortugal, int(std::size(kPortugal)), frame);
    const QPolygonF spain = mapShape(kSpain, int(std::size(kSpain)), frame);
    QPainterPath pt, sp;
    pt.addPolygon(portugal);
    pt.closeSubpath();
    sp.addPolygon(spain);
    sp.closeSubpath();
    outlineFill(p, pt, QColor(214, 214, 196), QColor(110, 104, 80), lw * 0.7);
    outlineFill(p, sp, litBrush(QColor(236, 204, 120), 0.4, 0.2), QColor(118, 84, 24), lw * 0.8);
    // Valdepenas, in the middle of La Mancha's vineyards
    const QPolygonF pin
        = mapShape(std::array<QPointF, 1> { QPointF(-3.4, 38.77) }.data(), 1, frame);
    drawMapPin(p, pin[0], 2.1, lw * 0.8);
}

void drawFork(QPainter &p, qreal x, qreal top, qreal bottom, qreal lw)
{
    QPainterPath f;
    const qreal tw = 2.0; // half width of the tines
    f.moveTo(x - tw, top);
    f.lineTo(x - tw, top + 4);
    f.quadTo(x - tw, top + 6, x - 0.6, top + 6.8);
    f.lineTo(x - 0.8, bottom - 0.8);
    f.quadTo(x, bottom + 0.4, x + 0.8, bottom - 0.8);
    f.lineTo(x + 0.6, top + 6.8);
    f.quadTo(x + tw, top + 6, x + tw, top + 4);
    f.lineTo(x + tw, top);
    f.closeSubpath();
    QLinearGradient metal(x - tw, 0, x + tw, 0);
    metal.setColorAt(0, QColor(246, 248, 252));
    metal.setColorAt(1, QColor(150, 158, 172));
    outlineFill(p, f, metal, QColor(70, 78, 92), lw);
    p.setPen(pen(QColor(70, 78, 92), 0.8, Qt::FlatCap));
    p.drawLine(QPointF(x - 0.7, top), QPointF(x - 0.7, top + 3.6));
    p.drawLine(QPointF(x + 0.7, top), QPointF(x + 0.7, top + 3.6));
}

void drawKnife(QPainter &p, qreal x, qreal top, qreal bottom, qreal lw)
{
    QPainterPath k;
    k.moveTo(x - 1.0, bottom - 0.8);
    k.lineTo(x - 1.0, top + 2);
    k.quadTo(x - 1.0, top, x + 0.6, top);
    k.quadTo(x + 1.6, top + 3, x + 1.4, top + 9);
    k.lineTo(x + 0.9, top + 9.5);
    k.lineTo(x + 0.9, bottom - 0.8);
    k.quadTo(x, bottom + 0.4, x - 1.0, bottom - 0.8);
    k.closeSubpath();
    QLinearGradient metal(x - 1, 0, x + 1.6, 0);
    metal.setColorAt(0, QColor(246, 248, 252));
    metal.setColorAt(1, QColor(150, 158, 172));
    outlineFill(p, k, metal, QColor(70, 78, 92), lw);
}

void pairing(QPainter &p) // BMaridaje: fork, glass and knife
{
    drawFork(p, 3.5, 1.5, 20.5, lw);
    drawKnife(p, 18.5, 1.5, 20.5, lw);
    Pour pour;
    pour.level = 0.55;
    drawGlass(p, at(QPointF(11, 20.8)), 17.5, lw, pour);
}

void printer(QPainter &p) // BInformes: a printer printing a list
{
    // the paper waiting at the back
    QPainterPath back;
    back.addRect(QRectF(5.5, 1.5, 11, 8));
    outlineFill(p, back, litBrush(pal::Cream, 0.5, 0.1), pal::Paper, lw);
    QPainterPath body;
    body.addRoundedRect(QRectF(1.5, 7.5, 19, 8.5), 2, 2);
    QLinearGradient g(0, 7.5, 0, 16);
    g.setColorAt(0, QColor(172, 190, 214));
    g.setColorAt(0.5, QColor(110, 136, 170));
    g.setColorAt(1, pal::Navy);
    outlineFill(p, body, g, pal::NavyDark, lw);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 230, 110));
    p.drawEllipse(QPointF(17.5, 10.5), 1.0, 1.0);
    // the list coming out
    drawSheet(p, QRectF(4.5, 12.5, 13, 8.5), 0, lw, 3, 2.0);
    p.setPen(pen(pal::NavyDark, 1.0, Qt::FlatCap));
    p.drawLine(QPointF(3.5, 12.5), QPointF(18.5, 12.5));
}

} // namespace icons22

// ---------------------------------------------------------------------------
// Wine kinds of the pairing guide, 11 x 23: a bottle of clear glass showing
// the colour of its wine, except the sparkling wine's green cava bottle.

namespace wineKinds {

struct KindLook
{
    QColor wine; // the wine seen through the glass
    QColor foil; // capsule over the neck
    qreal level = 0.60; // wine up to this share of the height
    bool greenGlass = false; // dark glass: the wine does not show
    bool longFoil = false; // the sparkling wine's foil down to the shoulder
    qreal slim = 1.0; // narrower body (the sweet wine's half bottle)
};

void drawKind(QPainter &p, const KindLook &look)
{
    const qreal h = 22.0, lw = 0.8;
    p.translate(5.5, 22.6);
    p.scale(look.slim, 1.0);
    const QPainterPath body = bottlePath(h);
    const qreal bw = 0.17 * h;

    if (look.greenGlass) {
        QLinearGradient glass(-bw, 0, bw, 0);
        glass.setColorAt(0.0, QColor(10, 50, 24));
        glass.setColorAt(0.25, QColor(60, 130, 70));
        glass.setColorAt(0.5, QColor(24, 84, 40));
        glass.setColorAt(1.0, QColor(6, 30, 14));
        outlineFill(p, body, glass, QColor(4, 24, 10), lw);
    } else {
        // Clear glass, faintly grey, with the wine standing in it.
        outlineFill(p, body, QColor(236, 240, 238, 210), QColor(70, 74, 78), lw);
        p.save();
        p.setClipPath(body);
        p.setPen(Qt::NoPen);
        p.setBrush(litBrush(look.wine, 0.35, 0.30));
        p.drawRect(QRectF(-bw, -look.level * h, 2 * bw, look.level * h));
        p.restore();
        p.setPen(pen(QColor(70, 74, 78), lw));
        p.setBrush(Qt::NoBrush);
        p.drawPath(body);
    }

    // A glint down the left of the body.
    p.save();
    p.setClipPath(body);
    p.setPen(pen(QColor(255, 255, 255, 150), 0.9));
    p.drawLine(QPointF(-0.55 * bw, -0.10 * h), QPointF(-0.55 * bw, -0.46 * h));
    p.restore();

    // A small cream label.
    const QRectF label(-bw + 0.9, -0.36 * h, 2 * bw - 1.8, 0.17 * h);
    p.setPen(pen(pal::Paper, 0.5, Qt::FlatCap));
    p.setBrush(pal::Cream);
    p.drawRect(label);

    // The capsule.
    const qreal nw = 0.062 * h + 0.3;
    const qreal foilBottom = look.longFoil ? 0.66 * h : 0.84 * h;
    QPainterPath cap;
    cap.addRect(QRectF(-nw, -h, 2 * nw, h - foilBottom));
    QLinearGradient foil(-nw, 0, nw, 0);
    foil.setColorAt(0.0, darker(look.foil, 0.35));
    foil.setColorAt(0.35, lighter(look.foil, 0.45));
    foil.setColorAt(1.0, darker(look.foil, 0.45));
    outlineFill(p, cap, foil, darker(look.foil, 0.6), 0.5);
}

void secos(QPainter &p)
{
    drawKind(p, { QColor(240, 220, 128), pal::GoldDark, 0.60 });
}
void espumoso(QPainter &p)
{
    drawKind(p, { QColor(), pal::Gold, 0, true, true });
}
void blancoJoven(QPainter &p)
{
    drawKind(p, { QColor(226, 230, 140), QColor(150, 190, 120), 0.60 });
}
void blancoCrianza(QPainter &p)
{
    drawKind(p, { QColor(214, 150, 30), pal::Gold, 0.60 });
}
void rosado(QPainter &p)
{
    drawKind(p, { QColor(240, 112, 136), QColor(200, 200, 206), 0.60 });
}
void tintoJoven(QPainter &p)
{
    drawKind(p, { QColor(128, 20, 92), pal::Wine, 0.60 });
}
void tintoCrianza(QPainter &p)
{
    drawKind(p, { QColor(132, 18, 28), pal::Burgundy, 0.60 });
}
void dulce(QPainter &p)
{
    drawKind(p, { QColor(164, 76, 16), pal::GoldDark, 0.60, false, false, 0.8 });
}

} // namespace wineKinds

// ---------------------------------------------------------------------------
// Mode buttons of the menu panel, 48 x 48

namespace icons48 {

constexpr qreal lw = 1.5;

void bottle(QPainter &p, qreal x = 19)
{
    p.save();
    p.translate(x, 46);
    BottleLook look;
    look.crest = true;
    drawBottle(p, 44, lw, look);
    p.restore();
}

void add(QPainter &p)
{
    bottle(p);
    drawPlusBadge(p, QPointF(34.5, 34.5), 10.5, lw);
}

void remove(QPainter &p)
{
    bottle(p);
    drawCrossBadge(p, QPointF(34.5, 34.5), 10.5, lw);
}

void modify(QPainter &p)
{
    bottle(p, 17);
    drawPencil(p, QPointF(24, 45), QPointF(45.5, 19.5), 6.5, lw);
}

void consult(QPainter &p)
{
    bottle(p, 17);
    drawMagnifier(p, QPointF(30.5, 28.5), 8.5, lw);
}

// An arrow pointing right, its tip at tip.
QPainterPath arrowPath(QPointF tip, qreal length, qreal shaft, qreal head, qreal headLen)
{
    const qreal x0 = tip.x() - length, y = tip.y();
    QPainterPath a;
    a.moveTo(x0, y - shaft / 2);
    a.lineTo(tip.x() - headLen, y - shaft / 2);
    a.lineTo(tip.x() - headLen, y - head / 2);
    a.lineTo(tip);
    a.lineTo(tip.x() - headLen, y + head / 2);
    a.lineTo(tip.x() - headLen, y + shaft / 2);
    a.lineTo(x0, y + shaft / 2);
    a.closeSubpath();
    return a;
}

void drawDoorway(QPainter &p, const QRectF &r, qreal frame, qreal lw)
{
    QPainterPath outer;
    outer.addRect(r);
    // stone, so the doorway shows on the navy and on the silver of the panel
    outlineFill(p, outer, litBrush(QColor(150, 144, 134), 0.45, 0.35), QColor(52, 48, 44), lw);
    const QRectF inner = r.adjusted(frame, frame, -frame, 0);
    QLinearGradient light(inner.topLeft(), inner.bottomLeft());
    light.setColorAt(0, QColor(255, 246, 206));
    light.setColorAt(1, QColor(246, 200, 110));
    p.setPen(pen(QColor(52, 48, 44), lw * 0.7));
    p.setBrush(light);
    p.drawRect(inner);
}

void exit(QPainter &p)
{
    const QRectF doorway(5.5, 4.5, 24, 41);
    drawDoorway(p, doorway, 3, lw);
    // the door, swung open into the room
    QPainterPath door;
    door.moveTo(8.5, 7.5);
    door.lineTo(19, 11);
    door.lineTo(19, 48);
    door.lineTo(8.5, 45.5);
    door.closeSubpath();
    outlineFill(p, door, litBrush(pal::Wood, 0.3, 0.35), pal::WoodDark, lw);
    p.setPen(pen(alpha(pal::WoodDark, 160), 1.0));
    p.drawLine(QPointF(11, 14), QPointF(16.5, 16));
    p.drawLine(QPointF(11, 40), QPointF(16.5, 41.5));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::Gold);
    p.drawEllipse(QPointF(17, 29.5), 1.3, 1.3);
    const QPainterPath arrow = arrowPath(QPointF(46.5, 26), 24, 7, 17, 10);
    outlineFill(p, arrow, litBrush(pal::Green, 0.45, 0.3), pal::GreenDark, lw);
}

} // namespace icons48

// ---------------------------------------------------------------------------
// Command buttons, 24 x 24

namespace icons24 {

constexpr qreal lw = 1.0;

void enter(QPainter &p)
{
    icons48::drawDoorway(p, QRectF(12.5, 2.5, 10, 19), 2, lw);
    const QPainterPath arrow = icons48::arrowPath(QPointF(18.5, 12), 17, 4.5, 11, 6.5);
    outlineFill(p, arrow, litBrush(pal::Green, 0.45, 0.3), pal::GreenDark, lw);
}

void cancel(QPainter &p)
{
    drawCross(p, QRectF(1, 1, 22, 22), lw);
}
void accept(QPainter &p)
{
    drawTick(p, QRectF(1, 1, 22, 22), lw);
}

void record(QPainter &p)
{
    drawSheet(p, QRectF(2.5, 1.5, 15, 20), 4, lw, 5, 2.6);
}

void add(QPainter &p)
{
    record(p);
    drawPlusBadge(p, QPointF(17, 17), 5.6, lw);
}

void remove(QPainter &p)
{
    record(p);
    drawCrossBadge(p, QPointF(17, 17), 5.6, lw);
}

void modify(QPainter &p)
{
    record(p);
    drawPencil(p, QPointF(11, 22.5), QPointF(23, 8), 4.4, lw);
}

void menu(QPainter &p) // back to the menu: a house
{
    QPainterPath walls;
    walls.addRect(QRectF(5, 11, 14, 10.5));
    outlineFill(p, walls, litBrush(pal::Cream, 0.5, 0.2), pal::Paper, lw);
    QPainterPath door;
    door.addRect(QRectF(10, 14.5, 4, 7));
    outlineFill(p, door, litBrush(pal::Navy, 0.3, 0.2), pal::NavyDark, lw * 0.8);
    QPainterPath chimney;
    chimney.addRect(QRectF(15.5, 3.5, 2.5, 5));
    outlineFill(p, chimney, litBrush(pal::Burgundy, 0.3, 0.2), pal::BurgundyDark, lw);
    QPainterPath roof = polyline({ { 1.5, 12.5 }, { 12, 2.5 }, { 22.5, 12.5 } });
    roof.closeSubpath();
    outlineFill(p, roof, litBrush(pal::Burgundy, 0.4, 0.3), pal::BurgundyDark, lw);
}

void search(QPainter &p)
{
    drawMagnifier(p, QPointF(9.5, 9.5), 6.5, lw);
}

void camera(QPainter &p)
{
    QPainterPath hump;
    hump.addRoundedRect(QRectF(7.5, 3.5, 8, 4), 1, 1);
    outlineFill(p, hump, litBrush(pal::Navy, 0.3, 0.2), pal::NavyDark, lw);
    QPainterPath button;
    button.addRect(QRectF(3.5, 4.5, 3, 2));
    outlineFill(p, button, pal::Burgundy, pal::BurgundyDark, lw * 0.8);
    QPainterPath body;
    body.addRoundedRect(QRectF(1.5, 6.5, 21, 14), 2, 2);
    QLinearGradient g(0, 6.5, 0, 20.5);
    g.setColorAt(0, QColor(120, 146, 180));
    g.setColorAt(0.4, QColor(64, 92, 126));
    g.setColorAt(1, pal::NavyDark);
    outlineFill(p, body, g, pal::NavyDark, lw);
    const QPointF c(12, 13.5);
    QPainterPath ring = circle(c, 5.3);
    QLinearGradient gold(c - QPointF(5, 5), c + QPointF(5, 5));
    gold.setColorAt(0, pal::GoldLight);
    gold.setColorAt(1, pal::GoldDark);
    outlineFill(p, ring, gold, darker(pal::GoldDark, 0.4), lw);
    QRadialGradient lens(c, 3.6, c - QPointF(1.2, 1.2));
    lens.setColorAt(0, QColor(150, 196, 240));
    lens.setColorAt(0.5, QColor(40, 70, 120));
    lens.setColorAt(1, QColor(10, 20, 40));
    outlineFill(p, circle(c, 3.6), lens, QColor(10, 20, 40), lw * 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(QPointF(c.x() - 1.2, c.y() - 1.3), 1.0, 0.8);
    p.setBrush(pal::Cream);
    p.drawRect(QRectF(18, 8.5, 2.5, 2));
}

void yes(QPainter &p)
{
    drawBadgeDisc(p, QPointF(12, 12), 10.2, pal::GreenLight, pal::Green, pal::GreenDark, lw);
    const QPainterPath tick = polyline({ { 7, 12.3 }, { 10.5, 15.8 }, { 17, 8.2 } });
    p.setPen(pen(QColor(255, 255, 255), 2.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

void no(QPainter &p)
{
    drawBadgeDisc(p, QPointF(12, 12), 10.2, pal::RedLight, pal::Red, pal::RedDark, lw);
    p.setPen(pen(QColor(255, 255, 255), 2.8));
    p.drawLine(QPointF(8, 8), QPointF(16, 16));
    p.drawLine(QPointF(16, 8), QPointF(8, 16));
}

} // namespace icons24

// ---------------------------------------------------------------------------
// Still picture of the menu panel, 140 x 110: red, rose and white wine

void glassesStill(QPainter &p)
{
    Pour white;
    white.wine = QColor(232, 196, 84);
    white.level = 0.50;
    Pour rose;
    rose.wine = QColor(232, 108, 124);
    rose.level = 0.52;
    Pour red;
    red.level = 0.55;
    drawGlass(p, at(QPointF(29, 103), -4), 86, 1.5, white);
    drawGlass(p, at(QPointF(111, 103), 4), 86, 1.5, rose);
    drawGlass(p, at(QPointF(70, 108)), 100, 1.6, red);
    drawSparkle(p, QPointF(91, 12), 9.5);
    drawSparkle(p, QPointF(15, 19), 6.5);
}

// ---------------------------------------------------------------------------
// Animations

// Splash window: two glasses of red wine meet with a clink, on silver.
std::vector<GifFrame> clinkingGlasses()
{
    const int W = 120, H = 100;
    // The glasses are lifted a little and lean in until the bowls touch.
    const qreal h = 74, footY = 96, x0 = 35, x1 = 85, slide = 1.5, lift = 5;
    auto placeLeft = [&](qreal q, qreal angle) {
        return at(QPointF(x0 + q * slide, footY - q * lift), angle * q);
    };
    auto placeRight = [&](qreal q, qreal angle) {
        return at(QPointF(x1 - q * slide, footY - q * lift), -angle * q);
    };
    // How far the glasses lean in before the bowls touch.
    const GlassShape shape = glassShape(h);
    auto touching = [&](qreal angle) {
        return placeLeft(1, angle).map(shape.bowl).intersects(placeRight(1, angle).map(shape.bowl));
    };
    qreal lo = 0, hi = 30;
    for (int i = 0; i < 40; ++i) {
        const qreal mid = (lo + hi) / 2;
        (touching(mid) ? hi : lo) = mid;
    }
    const qreal lean = hi + 0.15;
    const QRectF contact = placeLeft(1, lean)
                               .map(shape.bowl)
                               .intersected(placeRight(1, lean).map(shape.bowl))
                               .boundingRect();
    const QPointF spark = contact.center();

    struct Step
    {
        qreal q, slosh, sparkle;
    };
    const Step steps[] = { { 0, 0, 0 }, { 0, 1.5, 0 }, { 0, 0, 0 }, { 0, -1.5, 0 }, { 0.2, 3, 0 },
        { 0.5, 5, 0 }, { 0.8, 4, 0 }, { 1, -6, 8 }, { 1, -9, 12 }, { 0.9, -4, 6 }, { 0.7, 2, 3 },
        { 0.45, 4, 0 }, { 0.2, 3, 0 }, { 0.05, 0, 0 }, { 0, -2, 0 }, { 0, 1, 0 } };
    std::vector<GifFrame> frames;
    for (const auto &s : steps) {
        frames.push_back(
            { render(W, H,
                  [&](QPainter &p) {
                      p.fillRect(QRectF(0, 0, W, H), pal::Silver);
                      p.setPen(Qt::NoPen);
                      p.setBrush(QColor(0, 0, 0, 40));
                      p.drawEllipse(QPointF(x0 + s.q * slide + 3, footY + 0.5), 19 - 3 * s.q, 2.2);
                      p.drawEllipse(QPointF(x1 - s.q * slide + 3, footY + 0.5), 19 - 3 * s.q, 2.2);
                      Pour left, right;
                      left.level = right.level = 0.52;
                      left.surfaceAngle = s.slosh;
                      right.surfaceAngle = -s.slosh;
                      drawGlass(p, placeLeft(s.q, lean), h, 1.3, left);
                      drawGlass(p, placeRight(s.q, lean), h, 1.3, right);
                      if (s.sparkle > 0) {
                          // the clink: short rays over the point where the glasses meet
                          const QPointF top = spark + QPointF(0, -6);
                          p.setPen(pen(pal::GoldDark, 1.6));
                          for (qreal a : { -50.0, -90.0, -130.0 }) {
                              const QPointF d(std::cos(rad(a)), std::sin(rad(a)));
                              const qreal from = 6 + s.sparkle * 0.3, to = from + s.sparkle * 0.6;
                              p.drawLine(top + d * from, top + d * to);
                          }
                          drawSparkle(p, spark, s.sparkle);
                      }
                  }),
                100 });
    }
    return frames;
}

// Menu panel: a bottle pours into a glass above the name of the program, on a
// see-through background (the panel behind runs from navy to silver).
std::vector<GifFrame> pouringBottle()
{
    const int W = 140, H = 110;
    const qreal bottleLen = 84, tilt = 108; // pointing right, 18 degrees below level
    const QPointF mouth(87, 45);
    const QPointF axis(std::sin(rad(tilt)), -std::cos(rad(tilt)));
    const QPointF base = mouth - axis * bottleLen;
    const qreal glassH = 55;
    const QPointF foot(103, 108);
    const GlassShape shape = glassShape(glassH);
    const qreal bowlTop = foot.y() + shape.rimY, bowlBottom = foot.y() + shape.bottomY;

    // The stream leaves the mouth along the bottle and falls.
    const QPointF v0 = axis * 14.0;
    const qreal g = 60.0;
    auto along = [&](qreal t) { return mouth + v0 * t + QPointF(0, 0.5 * g * t * t); };
    auto landing = [&](qreal level) {
        const qreal y = bowlBottom - level * (bowlBottom - bowlTop);
        const qreal a = 0.5 * g, b = v0.y(), c = mouth.y() - y;
        return (-b + std::sqrt(b * b - 4 * a * c)) / (2 * a);
    };

    struct Step
    {
        qreal head, tail; // how far down the stream its ends are, 0 at the mouth, 1 in the wine
        qreal level;
        bool ripple;
        qreal sparkle;
        int delay;
    };
    const Step steps[] = {
        { 0, 0, 0, false, 0, 600 },
        { 0.10, 0, 0, false, 0, 100 },
        { 0.40, 0, 0, false, 0, 100 },
        { 0.75, 0, 0, false, 0, 100 },
        { 1, 0, 0.05, true, 0, 100 },
        { 1, 0, 0.14, true, 0, 100 },
        { 1, 0, 0.24, true, 0, 100 },
        { 1, 0, 0.34, true, 0, 100 },
        { 1, 0, 0.43, true, 0, 100 },
        { 1, 0, 0.51, true, 0, 100 },
        { 1, 0.35, 0.56, true, 0, 100 },
        { 1, 0.75, 0.59, true, 0, 100 },
        { 0, 0, 0.60, true, 0, 100 },
        { 0, 0, 0.60, false, 4, 100 },
        { 0, 0, 0.60, false, 6.5, 100 },
        { 0, 0, 0.60, false, 3, 1200 },
    };
    const QPainterPath word = textPath("Caveto", "P052", 700, true, QPointF(40, 90), 16.5);

    std::vector<GifFrame> frames;
    int n = 0;
    for (const auto &s : steps) {
        ++n;
        frames.push_back(
            { render(W, H,
                  [&](QPainter &p) {
                      // the name
                      QLinearGradient gold(0, 80, 0, 100);
                      gold.setColorAt(0, QColor(255, 236, 160));
                      gold.setColorAt(0.6, pal::Gold);
                      gold.setColorAt(1, mix(pal::Gold, pal::GoldDark, 0.5));
                      outlineFill(p, word, gold, pal::NavyDark, 1.4);

                      Pour pour;
                      pour.level = s.level;
                      const qreal tEnd = landing(std::max(s.level, 0.0));
                      const QPointF hit = along(tEnd);
                      pour.ripple = s.ripple;
                      pour.rippleX = hit.x() - foot.x();
                      // glass first: the stream goes in behind its front
                      if (s.head > 0 && s.head > s.tail) {
                          QPainterPath stream;
                          const int steps = 24;
                          for (int i = 0; i <= steps; ++i) {
                              const qreal t = tEnd * (s.tail + (s.head - s.tail) * i / steps);
                              const QPointF pt = along(t) + QPointF(0.35 * std::sin(t * 40 + n), 0);
                              if (i == 0)
                                  stream.moveTo(pt);
                              else
                                  stream.lineTo(pt);
                          }
                          drawGlass(p, at(foot), glassH, 1.3, pour);
                          p.setBrush(Qt::NoBrush);
                          p.setPen(pen(pal::WineDark, 3.0));
                          p.drawPath(stream);
                          p.setPen(pen(pal::Wine, 2.0));
                          p.drawPath(stream);
                          p.setPen(pen(alpha(pal::WineLight, 200), 0.7));
                          p.drawPath(stream.translated(-0.5, 0));
                          if (s.head >= 1 && s.tail == 0) {
                              p.setPen(Qt::NoPen);
                              p.setBrush(pal::Wine);
                              p.drawEllipse(hit + QPointF(-3.2, -2.2), 0.9, 0.9);
                              p.drawEllipse(hit + QPointF(3.0, -3.0), 0.8, 0.8);
                          }
                      } else {
                          drawGlass(p, at(foot), glassH, 1.3, pour);
                      }
                      // the bottle over it all
                      p.save();
                      p.translate(base);
                      p.rotate(tilt);
                      BottleLook look;
                      look.crest = true;
                      look.open = true;
                      drawBottle(p, bottleLen, 1.4, look);
                      p.restore();
                      if (s.head > 0 && s.head < 0.2) {
                          p.setPen(Qt::NoPen);
                          p.setBrush(pal::Wine);
                          p.drawEllipse(along(tEnd * s.head), 1.5, 1.7);
                      }
                      if (s.sparkle > 0)
                          drawSparkle(
                              p, QPointF(foot.x() + shape.rimW - 1, bowlTop - 1), s.sparkle);
                  }),
                s.delay });
    }
    return frames;
}

// About window: a bunch of grapes swaying on its stalk, catching the light.
std::vector<GifFrame> swayingGrapes()
{
    // The about window shows it in an 80 x 65 box: the bunch is drawn at
    // its full size and scaled down to fit.
    const int W = 80, H = 65;
    const qreal fit = 0.68;
    const QPointF pivot(40, 2);
    const qreal r = 6.2;
    const int rows[] = { 4, 5, 4, 4, 3, 2, 2, 1 };
    struct Berry
    {
        QPointF c;
        qreal depth; // 0 at the back of the bunch, 1 at the front
    };
    std::vector<Berry> grapes;
    for (int row = 0; row < int(std::size(rows)); ++row)
        for (int i = 0; i < rows[row]; ++i) {
            const qreal x = (i - (rows[row] - 1) / 2.0) * 11.0;
            const qreal jx = std::sin(row * 3.1 + i * 1.7) * 1.0,
                        jy = std::cos(row * 2.3 + i * 2.9) * 1.0;
            const qreal depth = 0.5 + 0.5 * std::sin(row * 5.3 + i * 2.1 + 0.7);
            grapes.push_back({ QPointF(x + jx, 21 + row * 9.0 + jy), depth });
        }
    // the glints sit on grapes at the front
    const int glint1 = 6, glint2 = 20;
    grapes[glint1].depth = grapes[glint2].depth = 1.0;
    std::vector<int> order(grapes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
        [&](int a, int b) { return grapes[a].depth < grapes[b].depth; });
    struct Glint
    {
        int grape;
        qreal size[12];
    };
    const Glint glints[] = { { glint1, { 0, 0, 3, 6.5, 4.5, 2, 0, 0, 0, 0, 0, 0 } },
        { glint2, { 0, 0, 0, 0, 0, 0, 0, 3, 6, 4, 1.5, 0 } } };

    std::vector<GifFrame> frames;
    for (int f = 0; f < 12; ++f) {
        const qreal sway = 3.0 * std::sin(2 * kPi * f / 12.0);
        frames.push_back(
            { render(W, H,
                  [&](QPainter &p) {
                      p.translate(pivot);
                      p.scale(fit, fit);
                      p.rotate(sway);
                      // tendril
                      QPainterPath tendril;
                      tendril.moveTo(0, 6);
                      tendril.cubicTo(-6, 2, -13, 4, -13, 9);
                      tendril.cubicTo(-13, 13, -8, 13, -8.5, 10);
                      p.setPen(pen(pal::LeafDark, 1.0));
                      p.setBrush(Qt::NoBrush);
                      p.drawPath(tendril);
                      drawLeaf(p, QPointF(17, 10), 14, 50, 1.2);
                      QPainterPath stalk;
                      stalk.moveTo(0, 0);
                      stalk.quadTo(1.5, 8, 0, 16);
                      p.setPen(pen(pal::WoodDark, 3.2));
                      p.drawPath(stalk);
                      p.setPen(pen(pal::Wood, 1.6));
                      p.drawPath(stalk);
                      for (int i : order)
                          drawGrape(p, grapes[i].c, r, 1.1, 0.35 * (1 - grapes[i].depth));
                      for (const auto &gl : glints)
                          if (gl.size[f] > 0)
                              drawSparkle(p, grapes[gl.grape].c + QPointF(-0.38 * r, -0.40 * r),
                                  gl.size[f]);
                  }),
                100 });
    }
    return frames;
}

// Search window: an indicator light that glows and dims.
std::vector<GifFrame> indicatorLight(const QColor &light, const QColor &mid, const QColor &dark)
{
    const qreal glow[] = { 0, 0.4, 0.75, 1, 0.75, 0.4 };
    const int delay[] = { 200, 100, 100, 200, 100, 100 };
    std::vector<GifFrame> frames;
    for (int f = 0; f < 6; ++f) {
        const qreal k = glow[f];
        frames.push_back({ render(24, 24,
                               [&](QPainter &p) {
                                   const QPointF c(12, 12);
                                   QLinearGradient bezel(2, 2, 22, 22);
                                   bezel.setColorAt(0, QColor(246, 247, 250));
                                   bezel.setColorAt(1, QColor(104, 110, 122));
                                   outlineFill(p, circle(c, 10.5), bezel, QColor(56, 60, 70), 1.0);
                                   QLinearGradient inner(2, 2, 22, 22);
                                   inner.setColorAt(0, QColor(96, 102, 114));
                                   inner.setColorAt(1, QColor(236, 238, 242));
                                   p.setPen(Qt::NoPen);
                                   p.setBrush(inner);
                                   p.drawEllipse(c, 8.3, 8.3);
                                   // light spilling onto the bezel when lit
                                   QRadialGradient spill(c, 10.4);
                                   spill.setColorAt(0.68, alpha(light, int(210 * k)));
                                   spill.setColorAt(1.0, alpha(light, 0));
                                   p.setBrush(spill);
                                   p.drawEllipse(c, 10.4, 10.4);
                                   const QColor hot(255, 252, 230);
                                   QRadialGradient lens(c, 7.4, c - QPointF(1.2, 1.2));
                                   lens.setColorAt(0.0, mix(darker(mid, 0.15), hot, k));
                                   lens.setColorAt(0.35, mix(darker(mid, 0.3), light, k));
                                   lens.setColorAt(0.75, mix(darker(mid, 0.5), mid, k));
                                   lens.setColorAt(1.0, mix(darker(dark, 0.5), dark, k));
                                   outlineFill(p, circle(c, 7.3), lens, darker(dark, 0.6), 0.8);
                                   p.setBrush(QColor(255, 255, 255, 150 + int(80 * k)));
                                   p.drawEllipse(QPointF(9.6, 9.0), 2.4, 1.6);
                               }),
            delay[f] });
    }
    return frames;
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: make_pictures <resources dir> [--preview <dir>]\n");
        return 2;
    }
    const QDir resources(args.at(1));
    QString preview;
    if (args.size() >= 4 && args.at(2) == QLatin1String("--preview")) {
        preview = args.at(3);
        QDir().mkpath(preview);
    }
    const QString gifDir = resources.filePath(QStringLiteral("ApliGraf"));
    const QString iconDir = resources.filePath(QStringLiteral("icons"));
    QDir().mkpath(gifDir);
    QDir().mkpath(iconDir);

    struct Icon
    {
        const char *name;
        int w, h;
        Painting paint;
    };
    const std::vector<Icon> icons = {
        { "BAH", 22, 22, icons22::dictionary },
        { "BUvas", 22, 22, icons22::grapes },
        { "BDecalogo", 22, 22, icons22::tablets },
        { "BLexico", 22, 22, icons22::lexicon },
        { "BVinos", 22, 22, icons22::bottle },
        { "BCosechas", 22, 22, icons22::calendar },
        { "BMapa", 22, 22, icons22::map },
        { "BMaridaje", 22, 22, icons22::pairing },
        { "BInformes", 22, 22, icons22::printer },
        { "BMenuAlta", 48, 48, icons48::add },
        { "BMenuBaja", 48, 48, icons48::remove },
        { "BMenuModi", 48, 48, icons48::modify },
        { "BMenuCons", 48, 48, icons48::consult },
        { "BMenuSalir", 48, 48, icons48::exit },
        { "BEntrar", 24, 24, icons24::enter },
        { "BCancelar", 24, 24, icons24::cancel },
        { "BAlta", 24, 24, icons24::add },
        { "BBaja", 24, 24, icons24::remove },
        { "BModifica", 24, 24, icons24::modify },
        { "BMenu", 24, 24, icons24::menu },
        { "BBuscar", 24, 24, icons24::search },
        { "BImagen", 24, 24, icons24::camera },
        { "BAceptar", 24, 24, icons24::accept },
        { "BSi", 24, 24, icons24::yes },
        { "BNo", 24, 24, icons24::no },
        { "PCopas", 140, 110, glassesStill },
        { "VinoSecos", 11, 23, wineKinds::secos },
        { "VinoEspumoso", 11, 23, wineKinds::espumoso },
        { "VinoBlancoJoven", 11, 23, wineKinds::blancoJoven },
        { "VinoBlancoCrianza", 11, 23, wineKinds::blancoCrianza },
        { "VinoRosado", 11, 23, wineKinds::rosado },
        { "VinoTintoJoven", 11, 23, wineKinds::tintoJoven },
        { "VinoTintoCrianza", 11, 23, wineKinds::tintoCrianza },
        { "VinoDulce", 11, 23, wineKinds::dulce },
    };
    for (const auto &icon : icons) {
        const QString file = QStringLiteral("%1/%2.png").arg(iconDir, QLatin1String(icon.name));
        savePng(render(icon.w, icon.h, icon.paint), file);
        std::printf("%-28s %3dx%-3d %6lld bytes\n", qPrintable(QFileInfo(file).fileName()), icon.w,
            icon.h, QFileInfo(file).size());
    }

    struct Anim
    {
        const char *name;
        std::vector<GifFrame> frames;
        GifOptions options;
    };
    GifOptions onSilver;
    onSilver.transparent = false;
    GifOptions overPanel;
    overPanel.matte = QColor(96, 100, 150); // between the panel's navy and its silver
    GifOptions light;
    light.preferRestorePrevious = true;
    std::vector<Anim> anims;
    anims.push_back({ "CopasDeVino2", clinkingGlasses(), onSilver });
    anims.push_back({ "Caveto3", pouringBottle(), overPanel });
    anims.push_back({ "BotonNar",
        indicatorLight(QColor(255, 214, 120), QColor(250, 140, 20), QColor(160, 64, 0)), light });
    anims.push_back({ "BotonVer",
        indicatorLight(QColor(210, 255, 170), QColor(60, 200, 60), QColor(12, 96, 24)), light });
    anims.push_back({ "Racimo", swayingGrapes(), GifOptions() });
    for (const auto &a : anims) {
        const QString file = QStringLiteral("%1/%2.gif").arg(gifDir, QLatin1String(a.name));
        const GifStats st = writeGif(file, a.frames, a.options, preview);
        std::printf("%-28s %3dx%-3d %6d bytes, %d frames, %d colours\n",
            qPrintable(QFileInfo(file).fileName()), a.frames.front().image.width(),
            a.frames.front().image.height(), st.bytes, st.frames, st.colours);
    }
    return 0;
}
