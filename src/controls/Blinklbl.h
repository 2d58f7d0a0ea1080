#pragma once
// A label that blinks by showing and hiding itself.

#include <QLabel>

class QTimer;

class TBlinkLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(int Velocidad READ Velocidad WRITE setVelocidad)

public:
    explicit TBlinkLabel(QWidget *parent = nullptr);
    explicit TBlinkLabel(const QString &text, QWidget *parent = nullptr);

    // Half-period of the blinking in milliseconds; 0 keeps the label still.
    int Velocidad() const { return m_velocidad; }
    void setVelocidad(int ms);

    // The blink timer, for tests and for windows that need to pause it.
    QTimer *blinkTimer() const { return m_timer; }

private:
    void init();
    void tick();

    QTimer *m_timer = nullptr;
    int m_velocidad = 400;
};
