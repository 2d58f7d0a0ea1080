#include "controls/ALed.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <cmath>

ThhALed::ThhALed(QWidget *parent)
    : QWidget(parent)
{
    m_borderColor = palette().color(QPalette::Button);
    resize(16, 16);
    preparePictures();
}

ThhALed::~ThhALed()
{
    stopBlinking();
}

QSize ThhALed::styleSize(TLEDStyle style)
{
    switch (style) {
    case LEDSmall:
    case LEDSqSmall:
        return QSize(16, 16);
    case LEDLarge:
    case LEDSqLarge:
        return QSize(22, 22);
    case LEDVertical:
        return QSize(16, 22);
    case LEDHorizontal:
        return QSize(22, 16);
    }
    return QSize(16, 16);
}

QImage ThhALed::picture(TLEDStyle style, bool bordered)
{
    const QSize size = styleSize(style);
    QImage image(size, QImage::Format_RGB32);
    image.fill(SurroundColour);

    if (bordered) {
        const int right = size.width() - 1;
        const int bottom = size.height() - 1;
        for (int x = 0; x <= right; ++x) {
            image.setPixel(x, 0, Highlight);
            image.setPixel(x, bottom, RimGrey);
        }
        for (int y = 0; y <= bottom; ++y) {
            image.setPixel(0, y, Highlight);
            image.setPixel(right, y, RimGrey);
        }
    }

    // The lamp body, two pixels in from the edge; bars are 6 pixels thick.
    QRect body = QRect(QPoint(0, 0), size).adjusted(2, 2, -2, -2);
    if (style == LEDVertical)
        body = QRect(size.width() / 2 - 3, 2, 6, size.height() - 4);
    else if (style == LEDHorizontal)
        body = QRect(2, size.height() / 2 - 3, size.width() - 4, 6);
    const bool round = style == LEDSmall || style == LEDLarge;
    const double cx = body.x() + body.width() / 2.0;
    const double cy = body.y() + body.height() / 2.0;
    const double rx = body.width() / 2.0;
    const double ry = body.height() / 2.0;

    auto inside = [&](int x, int y) {
        if (!body.contains(x, y))
            return false;
        if (!round)
            return true;
        const double dx = (x + 0.5 - cx) / rx;
        const double dy = (y + 0.5 - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    };

    // Body pixels touching the outside (4-neighbours) form the rim, so the
    // rim closes the face off from the surround for a 4-connected fill.
    for (int y = body.top(); y <= body.bottom(); ++y) {
        for (int x = body.left(); x <= body.right(); ++x) {
            if (!inside(x, y))
                continue;
            const bool rim
                = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            if (!rim)
                image.setPixel(x, y, FaceColour);
            else
                // Shade from the upper left: dark there, lighter below right.
                image.setPixel(x, y, (x + 0.5 - cx) + (y + 0.5 - cy) < 0 ? RimDark : RimGrey);
        }
    }

    // A small glint in the upper left of the face.
    const QRect face = body.adjusted(1, 1, -1, -1);
    QPoint glint;
    if (round)
        glint = QPoint(int(std::floor(cx - rx / 2)), int(std::floor(cy - ry / 2)));
    else
        glint = face.topLeft() + QPoint(1, 1);
    image.setPixel(glint, Highlight);
    if (style == LEDVertical)
        image.setPixel(glint + QPoint(0, 1), Highlight);
    else if (style == LEDHorizontal)
        image.setPixel(glint + QPoint(1, 0), Highlight);
    else {
        image.setPixel(glint + QPoint(1, 0), Highlight);
        image.setPixel(glint + QPoint(0, 1), Highlight);
    }
    return image;
}

void ThhALed::floodFill(QImage &image, const QPoint &start, const QColor &colour)
{
    if (!image.rect().contains(start))
        return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);

    QRgb fill = colour.rgba();
    if (image.format() == QImage::Format_RGB32)
        fill |= 0xFF000000;
    const QRgb target = image.pixel(start);
    if (target == fill)
        return;

    const int width = image.width();
    const int height = image.height();
    // Scanline fill: each stacked point starts a run that is filled whole,
    // then the rows above and below are searched for runs to continue.
    QList<QPoint> pending { start };
    while (!pending.isEmpty()) {
        const QPoint p = pending.takeLast();
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(p.y()));
        if (line[p.x()] != target)
            continue;
        int left = p.x();
        while (left > 0 && line[left - 1] == target)
            --left;
        int right = p.x();
        while (right < width - 1 && line[right + 1] == target)
            ++right;
        for (int x = left; x <= right; ++x)
            line[x] = fill;
        for (int y : { p.y() - 1, p.y() + 1 }) {
            if (y < 0 || y >= height)
                continue;
            const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            bool inRun = false;
            for (int x = left; x <= right; ++x) {
                const bool match = row[x] == target;
                if (match && !inRun)
                    pending.append(QPoint(x, y));
                inRun = match;
            }
        }
    }
}

void ThhALed::preparePictures()
{
    resize(styleSize(m_style));
    m_lit = picture(m_style, m_bordered);
    m_dark = m_lit;
    const QPoint centre(m_lit.width() / 2, m_lit.height() / 2);
    floodFill(m_lit, centre, m_trueColor);
    floodFill(m_dark, centre, m_falseColor);
    if (!m_bordered) {
        floodFill(m_lit, QPoint(0, 0), m_borderColor);
        floodFill(m_dark, QPoint(0, 0), m_borderColor);
    }
}

void ThhALed::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(rect(), m_phase == 0 ? m_lit : m_dark);
}

void ThhALed::startBlinking()
{
    if (m_timer)
        return;
    m_phase = 0;
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &ThhALed::tick);
    m_timer->setInterval(m_interval);
    if (m_interval > 0)
        m_timer->start();
}

void ThhALed::stopBlinking()
{
    delete m_timer;
    m_timer = nullptr;
}

void ThhALed::tick()
{
    m_phase = 1 - m_phase;
    update();
    emit OnTimer();
}

void ThhALed::setValue(bool on)
{
    if (on == m_value)
        return;
    m_value = on;
    if (on) {
        m_phase = 0;
        if (m_blink)
            startBlinking();
    } else {
        stopBlinking();
        m_phase = 1;
    }
    update();
}

void ThhALed::setBlink(bool on)
{
    if (on == m_blink)
        return;
    m_phase = m_value ? 0 : 1;
    update();
    m_blink = on;
    if (m_blink && m_value)
        startBlinking();
    else
        stopBlinking();
}

void ThhALed::colourChanged(QColor &field, const QColor &colour)
{
    if (colour == field)
        return;
    const bool blink = m_blink;
    if (blink)
        setBlink(false);
    field = colour;
    preparePictures();
    if (blink)
        setBlink(true);
    update();
}

void ThhALed::setTrueColor(const QColor &colour)
{
    colourChanged(m_trueColor, colour);
}

void ThhALed::setFalseColor(const QColor &colour)
{
    colourChanged(m_falseColor, colour);
}

void ThhALed::setBorderColor(const QColor &colour)
{
    colourChanged(m_borderColor, colour);
}

void ThhALed::setBordered(bool on)
{
    if (on == m_bordered)
        return;
    m_bordered = on;
    preparePictures();
    update();
}

void ThhALed::setLEDStyle(TLEDStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    preparePictures();
    update();
}

void ThhALed::setInterval(int ms)
{
    m_interval = ms;
    if (!m_timer)
        return;
    // A timer with no interval stands still, as a zero-interval timer
    // would otherwise fire at every pass of the event loop.
    m_timer->setInterval(qMax(ms, 0));
    if (ms > 0)
        m_timer->start();
    else
        m_timer->stop();
}

void ThhALed::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    emit OnMouseEnter();
}

void ThhALed::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    emit OnMouseLeave();
}

void ThhALed::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QWidget::mousePressEvent(event);
}

void ThhALed::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        emit OnClick();
}
