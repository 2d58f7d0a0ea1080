#include "controls/Blinklbl.h"

#include <QTimer>

TBlinkLabel::TBlinkLabel(QWidget *parent)
    : QLabel(parent)
{
    init();
}

TBlinkLabel::TBlinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    init();
}

void TBlinkLabel::init()
{
    // A hidden label keeps its place, so a layout around it does not jump at
    // every blink; the label never takes the focus, so hiding it moves none.
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
    setFocusPolicy(Qt::NoFocus);

    m_timer = new QTimer(this);
    m_timer->setInterval(m_velocidad);
    connect(m_timer, &QTimer::timeout, this, &TBlinkLabel::tick);
    m_timer->start();
}

void TBlinkLabel::tick()
{
    if (!m_timer->isActive())
        return;
    // Invert the label's own flag: a label inside a hidden window still
    // alternates, and shows up in the right phase when the window appears.
    setVisible(isHidden());
}

void TBlinkLabel::setVelocidad(int ms)
{
    if (ms == m_velocidad)
        return;
    if (ms < 0)
        ms = 0;
    m_velocidad = ms;
    m_timer->setInterval(ms);
    if (ms != 0)
        m_timer->start();
    else
        m_timer->stop();
    setVisible(true);
}
