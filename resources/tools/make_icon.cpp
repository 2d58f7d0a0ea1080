// Draws Caveto's desktop icon: a glass of red wine in front of a bottle with
// a cream label, on a navy tile. The picture is a handful of filled shapes
// on a 256-unit square; the same shapes are painted into the PNG sizes of
// the hicolor theme and written out as the scalable SVG, so the two never
// drift apart.
//
//   make_icon <dist folder> <icon name>
//
// writes <dist>/icons/hicolor/scalable/apps/<name>.svg and
// <dist>/icons/hicolor/<N>x<N>/apps/<name>.png for each size.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>
#include <vector>

namespace {

struct Shape
{
    QPainterPath path;
    QColor top; // fill: a vertical gradient from top to bottom of the shape
    QColor bottom;
    QColor stroke; // invalid: no outline
    qreal strokeWidth = 0;
};

QPainterPath roundedRect(const QRectF &r, qreal radius)
{
    QPainterPath p;
    p.addRoundedRect(r, radius, radius);
    return p;
}

QPainterPath bottlePath()
{
    // Neck, shoulders and body of a Bordeaux bottle, centred on x = 92.
    QPainterPath p;
    p.moveTo(80, 30);
    p.lineTo(104, 30);
    p.lineTo(104, 86);
    p.cubicTo(104, 104, 128, 108, 128, 132);
    p.lineTo(128, 210);
    p.quadTo(128, 218, 120, 218);
    p.lineTo(64, 218);
    p.quadTo(56, 218, 56, 210);
    p.lineTo(56, 132);
    p.cubicTo(56, 108, 80, 104, 80, 86);
    p.closeSubpath();
    return p;
}

QPainterPath bowlPath()
{
    // The bowl of a tulip glass, open at the top.
    QPainterPath p;
    p.moveTo(124, 84);
    p.lineTo(212, 84);
    p.cubicTo(216, 126, 204, 166, 168, 170);
    p.cubicTo(132, 166, 120, 126, 124, 84);
    p.closeSubpath();
    return p;
}

QPainterPath stemAndFoot()
{
    QPainterPath p;
    p.addRect(QRectF(164, 168, 8, 40));
    p.addEllipse(QRectF(136, 202, 64, 16));
    p.setFillRule(Qt::WindingFill);
    return p.simplified();
}

std::vector<Shape> shapes()
{
    std::vector<Shape> s;
    const QColor cream(254, 245, 216);
    const QColor gold(214, 170, 56);
    s.push_back({ roundedRect(QRectF(12, 12, 232, 232), 44), QColor(58, 96, 140),
        QColor(14, 28, 44), {}, 0 });
    s.push_back({ bottlePath(), QColor(40, 92, 52), QColor(10, 34, 16), QColor(6, 20, 10), 3 });
    s.push_back({ roundedRect(QRectF(62, 140, 60, 46), 4), cream, QColor(228, 212, 170),
        QColor(128, 90, 18), 2 });
    s.push_back({ roundedRect(QRectF(62, 152, 60, 10), 0), QColor(150, 12, 48), QColor(120, 6, 36),
        {}, 0 });
    s.push_back({ roundedRect(QRectF(80, 30, 24, 16), 3), gold, QColor(128, 90, 18), {}, 0 });
    // The wine fills the bowl from a little below its rim.
    QPainterPath level;
    level.addRect(QRectF(100, 112, 140, 80));
    s.push_back({ bowlPath().intersected(level), QColor(200, 40, 76), QColor(88, 0, 26), {}, 0 });
    s.push_back({ bowlPath(), QColor(255, 255, 255, 40), QColor(255, 255, 255, 20),
        QColor(250, 246, 236), 5 });
    s.push_back({ stemAndFoot(), QColor(250, 246, 236), QColor(206, 200, 186), {}, 0 });
    // A glint on the glass.
    QPainterPath glint;
    glint.moveTo(136, 94);
    glint.cubicTo(134, 118, 138, 136, 148, 150);
    glint.cubicTo(142, 134, 140, 116, 142, 94);
    glint.closeSubpath();
    s.push_back({ glint, QColor(255, 255, 255, 190), QColor(255, 255, 255, 60), {}, 0 });
    return s;
}

QLinearGradient gradientFor(const Shape &shape)
{
    const QRectF box = shape.path.boundingRect();
    QLinearGradient g(box.center().x(), box.top(), box.center().x(), box.bottom());
    g.setColorAt(0, shape.top);
    g.setColorAt(1, shape.bottom);
    return g;
}

QImage paint(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    for (const Shape &s : shapes()) {
        p.setBrush(gradientFor(s));
        if (s.stroke.isValid())
            p.setPen(QPen(s.stroke, s.strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        else
            p.setPen(Qt::NoPen);
        p.drawPath(s.path);
    }
    p.end();
    return image;
}

QString number(qreal v)
{
    return QString::number(v, 'f', 2).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

QString svgColor(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

QString svgPathData(const QPainterPath &path)
{
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            if (i > 0)
                d += QStringLiteral("Z");
            d += QStringLiteral("M%1 %2").arg(number(e.x), number(e.y));
        } else if (e.isLineTo()) {
            d += QStringLiteral("L%1 %2").arg(number(e.x), number(e.y));
        } else if (e.isCurveTo()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                     .arg(number(e.x), number(e.y), number(c2.x), number(c2.y), number(end.x),
                         number(end.y));
            i += 2;
        }
    }
    return d + QStringLiteral("Z");
}

QString svg()
{
    QString out;
    QTextStream t(&out);
    t << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<!-- Caveto's icon, drawn by resources/tools/make_icon.cpp -->\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
         "viewBox=\"0 0 256 256\">\n  <defs>\n";
    const std::vector<Shape> all = shapes();
    for (size_t i = 0; i < all.size(); ++i) {
        const Shape &s = all[i];
        const QRectF box = s.path.boundingRect();
        t << "    <linearGradient id=\"g" << i << "\" gradientUnits=\"userSpaceOnUse\" x1=\""
          << number(box.center().x()) << "\" y1=\"" << number(box.top()) << "\" x2=\""
          << number(box.center().x()) << "\" y2=\"" << number(box.bottom()) << "\">\n"
          << "      <stop offset=\"0\" stop-color=\"" << svgColor(s.top) << "\" stop-opacity=\""
          << number(s.top.alphaF()) << "\"/>\n"
          << "      <stop offset=\"1\" stop-color=\"" << svgColor(s.bottom) << "\" stop-opacity=\""
          << number(s.bottom.alphaF()) << "\"/>\n"
          << "    </linearGradient>\n";
    }
    t << "  </defs>\n";
    for (size_t i = 0; i < all.size(); ++i) {
        const Shape &s = all[i];
        t << "  <path fill=\"url(#g" << i << ")\" fill-rule=\""
          << (s.path.fillRule() == Qt::OddEvenFill ? "evenodd" : "nonzero") << "\"";
        if (s.stroke.isValid())
            t << " stroke=\"" << svgColor(s.stroke) << "\" stroke-width=\"" << number(s.strokeWidth)
              << "\" stroke-linejoin=\"round\"";
        t << " d=\"" << svgPathData(s.path) << "\"/>\n";
    }
    t << "</svg>\n";
    return out;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icon <dist folder> <icon name>\n");
        return 2;
    }
    const QString dist = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QString themes = dist + QStringLiteral("/icons/hicolor/");
    if (!writeFile(themes + QStringLiteral("scalable/apps/") + name + QStringLiteral(".svg"),
            svg().toUtf8()))
        return 1;
    for (int size : { 16, 22, 24, 32, 48, 64, 128, 256 }) {
        const QString folder = QStringLiteral("%1%2x%2/apps/").arg(themes).arg(size);
        QDir().mkpath(folder);
        if (!paint(size).save(folder + name + QStringLiteral(".png")))
            return 1;
    }
    return 0;
}
