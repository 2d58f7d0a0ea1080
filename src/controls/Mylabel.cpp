#include "controls/Mylabel.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

TmyLabel3d::TmyLabel3d(QWidget *parent)
    : QLabel(parent)
{
    init();
}

TmyLabel3d::TmyLabel3d(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    init();
}

void TmyLabel3d::init()
{
    // The label sits on panels and pictures: only the text is drawn.
    setAutoFillBackground(false);
    // Moves arrive without a button held, so the label sees the mouse go.
    setMouseTracking(true);
}

void TmyLabel3d::setAStyle3D(T3DEffect style)
{
    if (style == m_style)
        return;
    m_style = style;
    update();
}

void TmyLabel3d::setAShadeRightBottom(const QColor &colour)
{
    if (colour == m_shadeRightBottom)
        return;
    m_shadeRightBottom = colour;
    update();
}

void TmyLabel3d::setAShadeLeftTop(const QColor &colour)
{
    if (m_shadeLTSet || colour == m_shadeLeftTop)
        return;
    m_shadeLeftTop = colour;
    update();
}

void TmyLabel3d::setAHShadeOffSet(int pixels)
{
    if (pixels == m_hOffset)
        return;
    m_hOffset = pixels;
    update();
}

void TmyLabel3d::setAVShadeOffSet(int pixels)
{
    if (pixels == m_vOffset)
        return;
    m_vOffset = pixels;
    update();
}

void TmyLabel3d::setAShadeLTSet(bool on)
{
    // Only a real change swaps colours: turning the lock on twice must not
    // put white aside in place of the colour the user chose.
    if (on != m_shadeLTSet) {
        m_shadeLTSet = on;
        if (on) {
            m_keptLeftTop = m_shadeLeftTop;
            m_shadeLeftTop = Qt::white;
        } else {
            m_shadeLeftTop = m_keptLeftTop;
        }
    }
    update();
}

void TmyLabel3d::setTransparent(bool on)
{
    if (on == m_transparent)
        return;
    m_transparent = on;
    update();
}

QList<TmyLabel3d::Layer> TmyLabel3d::layers() const
{
    switch (m_style) {
    case Raised3d:
        return { { QPoint(1, 1), m_shadeRightBottom }, { QPoint(-1, -1), m_shadeLeftTop } };
    case Resit3d:
        return { { QPoint(1, 1), m_shadeLeftTop }, { QPoint(-1, -1), m_shadeRightBottom } };
    case Shadowed3d:
        return { { QPoint(m_hOffset, m_vOffset), m_shadeRightBottom } };
    case Normal3d:
        break;
    }
    return {};
}

QColor TmyLabel3d::captionColor() const
{
    if (!isEnabled())
        return QGuiApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
    return palette().color(QPalette::Active, QPalette::WindowText);
}

int TmyLabel3d::textFlags() const
{
    return int(alignment()) | Qt::TextWordWrap | Qt::TextExpandTabs | Qt::TextHideMnemonic;
}

void TmyLabel3d::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_transparent)
        painter.fillRect(rect(), palette().color(QPalette::Window));

    painter.setFont(font());
    const QRect area = contentsRect();
    const QString caption = text();
    const int flags = textFlags();
    for (const Layer &layer : layers()) {
        painter.setPen(layer.colour);
        painter.drawText(area.translated(layer.offset), flags, caption);
    }
    painter.setPen(captionColor());
    painter.drawText(area, flags, caption);
}

void TmyLabel3d::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (p.x() < 0 || p.y() < 0 || p.x() > width() || p.y() > height())
        endTracking();
    else
        m_tracking = true;
    QLabel::mouseMoveEvent(event);
}

void TmyLabel3d::enterEvent(QEnterEvent *event)
{
    m_tracking = true;
    QLabel::enterEvent(event);
}

void TmyLabel3d::leaveEvent(QEvent *event)
{
    endTracking();
    QLabel::leaveEvent(event);
}

void TmyLabel3d::endTracking()
{
    if (!m_tracking)
        return;
    m_tracking = false;
    emit OnMouseOut();
}

TmyLabel3d *make3dLabel(QWidget *parent, const QString &name, const QString &caption,
    const QFont &font, const QColor &colour, TmyLabel3d::T3DEffect effect, Qt::Alignment alignment,
    const QRect &geometry)
{
    auto *label = new TmyLabel3d(caption, parent);
    label->setObjectName(name);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAStyle3D(effect);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    return label;
}
