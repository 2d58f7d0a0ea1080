#pragma once
// An LED lamp: lit or dark, and blinking while lit.

#include <QColor>
#include <QImage>
#include <QWidget>

class QTimer;

class ThhALed : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor TrueColor READ TrueColor WRITE setTrueColor)
    Q_PROPERTY(QColor FalseColor READ FalseColor WRITE setFalseColor)
    Q_PROPERTY(QColor BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(bool Blink READ Blink WRITE setBlink)
    Q_PROPERTY(bool Bordered READ Bordered WRITE setBordered)
    Q_PROPERTY(bool Value READ Value WRITE setValue)
    Q_PROPERTY(int Interval READ Interval WRITE setInterval)
    Q_PROPERTY(TLEDStyle LEDStyle READ LEDStyle WRITE setLEDStyle)

public:
    enum TLEDStyle { LEDSmall, LEDLarge, LEDSqSmall, LEDSqLarge, LEDVertical, LEDHorizontal };
    Q_ENUM(TLEDStyle)

    // The colours the drawn pictures use; the face and the surround are
    // flood-filled with the LED's own colours.
    static constexpr QRgb FaceColour = 0xFF00FF00; // lime
    static constexpr QRgb SurroundColour = 0xFFC0C0C0; // silver
    static constexpr QRgb RimDark = 0xFF000000;
    static constexpr QRgb RimGrey = 0xFF808080;
    static constexpr QRgb Highlight = 0xFFFFFFFF;

    explicit ThhALed(QWidget *parent = nullptr);
    ~ThhALed() override;

    QColor TrueColor() const { return m_trueColor; }
    void setTrueColor(const QColor &colour);
    QColor FalseColor() const { return m_falseColor; }
    void setFalseColor(const QColor &colour);
    QColor BorderColor() const { return m_borderColor; }
    void setBorderColor(const QColor &colour);
    bool Blink() const { return m_blink; }
    void setBlink(bool on);
    bool Bordered() const { return m_bordered; }
    void setBordered(bool on);
    bool Value() const { return m_value; }
    void setValue(bool on);
    // Blink half-period in milliseconds.
    int Interval() const { return m_interval; }
    void setInterval(int ms);
    TLEDStyle LEDStyle() const { return m_style; }
    void setLEDStyle(TLEDStyle style);

    bool isBlinking() const { return m_timer != nullptr; }
    // 0: the lit picture is shown, 1: the dark one.
    int phase() const { return m_phase; }
    QImage litImage() const { return m_lit; }
    QImage darkImage() const { return m_dark; }
    // The running blink timer, or null.
    const QTimer *blinkTimer() const { return m_timer; }

    // Size of the control for a style.
    static QSize styleSize(TLEDStyle style);
    // The picture of a style before any colouring: a lime face with white
    // highlights and a black and grey rim on a silver surround, and a raised
    // frame around it all when bordered.
    static QImage picture(TLEDStyle style, bool bordered);
    // Replaces the 4-connected area of pixels of exactly the colour found at
    // start with colour. The image is turned into a 32-bit one if needed.
    static void floodFill(QImage &image, const QPoint &start, const QColor &colour);

signals:
    void OnTimer();
    void OnMouseEnter();
    void OnMouseLeave();
    void OnClick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void preparePictures();
    void startBlinking();
    void stopBlinking();
    void tick();
    void colourChanged(QColor &field, const QColor &colour);

    QColor m_trueColor { 0, 255, 0 };
    QColor m_falseColor { 192, 192, 192 };
    QColor m_borderColor;
    bool m_blink = true;
    bool m_bordered = true;
    bool m_value = false;
    int m_interval = 1000;
    TLEDStyle m_style = LEDSmall;

    QImage m_lit;
    QImage m_dark;
    QTimer *m_timer = nullptr;
    int m_phase = 1;
    bool m_pressed = false;
};

using TLEDStyle = ThhALed::TLEDStyle;
using enum ThhALed::TLEDStyle;
