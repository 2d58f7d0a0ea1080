#include "controls/Gradient.h"

#include <QEvent>
#include <QPainter>

#include <cstdlib>

TGradiente::TGradiente(QWidget *parent)
    : QWidget(parent)
{
    resize(100, 100);
    // Every pixel is painted by the bands: nothing underneath to show.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGradiente::setDireccion(TDireccion direccion)
{
    if (direccion == m_direccion)
        return;
    m_direccion = direccion;
    update();
}

void TGradiente::setColorDesde(const QColor &colour)
{
    if (colour == m_desde)
        return;
    m_desde = colour;
    update();
}

void TGradiente::setColorHasta(const QColor &colour)
{
    if (colour == m_hasta)
        return;
    m_hasta = colour;
    update();
}

int TGradiente::mulDiv(int x, int y, int z)
{
    if (z == 0)
        return -1;
    const long long product = static_cast<long long>(x) * y;
    const long long divisor = z;
    const bool negative = (product < 0) != (divisor < 0);
    const long long magnitude
        = (std::llabs(product) + std::llabs(divisor) / 2) / std::llabs(divisor);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

QColor TGradiente::bandColor(const QColor &from, const QColor &to, int i)
{
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    auto channel = [i](int start, int end) {
        const int difference = std::abs(end - start);
        const int sign = start < end ? 1 : -1;
        return start + mulDiv(i, difference, BandCount - 1) * sign;
    };
    return QColor(
        channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

QRect TGradiente::bandRect(TDireccion direccion, const QSize &size, int i)
{
    if (direccion == dHorizontal) {
        const int top = mulDiv(i, size.height(), BandCount);
        const int bottom = mulDiv(i + 1, size.height(), BandCount);
        return QRect(0, top, size.width(), bottom - top);
    }
    const int left = mulDiv(i, size.width(), BandCount);
    const int right = mulDiv(i + 1, size.width(), BandCount);
    return QRect(left, 0, right - left, size.height());
}

void TGradiente::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (int i = 0; i < BandCount; ++i) {
        const QRect band = bandRect(m_direccion, size(), i);
        if (!band.isEmpty())
            painter.fillRect(band, bandColor(m_desde, m_hasta, i));
    }
}

void TGradiente::setFillParent(bool on)
{
    if (on == m_fillParent)
        return;
    m_fillParent = on;
    if (QWidget *parent = parentWidget()) {
        if (on)
            parent->installEventFilter(this);
        else
            parent->removeEventFilter(this);
    }
    followParent();
}

void TGradiente::followParent()
{
    if (m_fillParent && parentWidget())
        setGeometry(parentWidget()->rect());
}

bool TGradiente::event(QEvent *event)
{
    if (m_fillParent) {
        if (event->type() == QEvent::ParentAboutToChange && parentWidget())
            parentWidget()->removeEventFilter(this);
        else if (event->type() == QEvent::ParentChange && parentWidget()) {
            parentWidget()->installEventFilter(this);
            followParent();
        }
    }
    return QWidget::event(event);
}

bool TGradiente::eventFilter(QObject *watched, QEvent *event)
{
    if (m_fillParent && watched == parentWidget() && event->type() == QEvent::Resize)
        followParent();
    return QWidget::eventFilter(watched, event);
}
