#pragma once
// A label whose caption is drawn raised, sunken or with a drop shadow.

#include <QColor>
#include <QLabel>
#include <QList>
#include <QPoint>

class TmyLabel3d : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(T3DEffect AStyle3D READ AStyle3D WRITE setAStyle3D)
    Q_PROPERTY(QColor AShadeRightBottom READ AShadeRightBottom WRITE setAShadeRightBottom)
    Q_PROPERTY(QColor AShadeLeftTop READ AShadeLeftTop WRITE setAShadeLeftTop)
    Q_PROPERTY(int AHShadeOffSet READ AHShadeOffSet WRITE setAHShadeOffSet)
    Q_PROPERTY(int AVShadeOffSet READ AVShadeOffSet WRITE setAVShadeOffSet)
    Q_PROPERTY(bool AShadeLTSet READ AShadeLTSet WRITE setAShadeLTSet)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)

public:
    // Resit3d is the sunken look.
    enum T3DEffect { Normal3d, Resit3d, Raised3d, Shadowed3d };
    Q_ENUM(T3DEffect)

    // One copy of the caption drawn under the real one.
    struct Layer
    {
        QPoint offset;
        QColor colour;
        bool operator==(const Layer &other) const = default;
    };

    explicit TmyLabel3d(QWidget *parent = nullptr);
    explicit TmyLabel3d(const QString &text, QWidget *parent = nullptr);

    T3DEffect AStyle3D() const { return m_style; }
    void setAStyle3D(T3DEffect style);
    QColor AShadeRightBottom() const { return m_shadeRightBottom; }
    void setAShadeRightBottom(const QColor &colour);
    QColor AShadeLeftTop() const { return m_shadeLeftTop; }
    void setAShadeLeftTop(const QColor &colour);
    int AHShadeOffSet() const { return m_hOffset; }
    void setAHShadeOffSet(int pixels);
    int AVShadeOffSet() const { return m_vOffset; }
    void setAVShadeOffSet(int pixels);
    // While on, AShadeLeftTop is white; the colour it had comes back when
    // the lock is turned off.
    bool AShadeLTSet() const { return m_shadeLTSet; }
    void setAShadeLTSet(bool on);
    // Off: the label fills its area with its window colour before drawing.
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool on);

    // The shade layers drawn under the caption, first one first.
    QList<Layer> layers() const;
    // The colour of the caption itself: the font colour, grey when disabled.
    QColor captionColor() const;
    // Flags the caption is drawn with: word wrap, tabs, the alignment; an
    // "&" marks an accelerator and is not shown ("&&" shows one "&").
    int textFlags() const;

signals:
    void OnMouseOut();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void init();
    void endTracking();

    T3DEffect m_style = Normal3d;
    QColor m_shadeRightBottom { 128, 128, 128 };
    QColor m_shadeLeftTop { 255, 255, 255 };
    QColor m_keptLeftTop { 255, 255, 255 };
    int m_hOffset = 5;
    int m_vOffset = -5;
    bool m_shadeLTSet = false;
    bool m_transparent = true;
    bool m_tracking = false;
};

using T3DEffect = TmyLabel3d::T3DEffect;
using enum TmyLabel3d::T3DEffect;

// A 3-D caption as the windows place them: font, colour, effect, alignment
// and geometry in one call.
TmyLabel3d *make3dLabel(QWidget *parent, const QString &name, const QString &caption,
    const QFont &font, const QColor &colour, TmyLabel3d::T3DEffect effect, Qt::Alignment alignment,
    const QRect &geometry);
