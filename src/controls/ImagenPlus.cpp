#include "controls/ImagenPlus.h"

#include <QPainter>

TImagenPlus::TImagenPlus(QWidget *parent)
    : QLabel(parent)
{
}

void TImagenPlus::setPicture(const QImage &picture)
{
    m_picture = picture;
    fitToPicture();
    update();
}

void TImagenPlus::setStretch(bool on)
{
    if (on == m_stretch)
        return;
    m_stretch = on;
    update();
}

void TImagenPlus::setCenter(bool on)
{
    if (on == m_center)
        return;
    m_center = on;
    update();
}

void TImagenPlus::setAutoSize(bool on)
{
    if (on == m_autoSize)
        return;
    m_autoSize = on;
    fitToPicture();
}

void TImagenPlus::fitToPicture()
{
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.size());
}

QRect TImagenPlus::pictureRect(const QSize &controlSize) const
{
    if (m_picture.isNull())
        return QRect();
    if (m_stretch)
        return QRect(QPoint(0, 0), controlSize);
    QRect area(QPoint(0, 0), m_picture.size());
    if (m_center)
        area.moveTopLeft(QPoint((controlSize.width() - m_picture.width()) / 2,
            (controlSize.height() - m_picture.height()) / 2));
    return area;
}

void TImagenPlus::paintEvent(QPaintEvent *event)
{
    if (m_picture.isNull()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, m_stretch);
    painter.drawImage(pictureRect(size()), m_picture);
}
