#pragma once
// A two-colour gradient background drawn as 256 bands.

#include <QColor>
#include <QRect>
#include <QWidget>

class TGradiente : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(TDireccion Direccion READ Direccion WRITE setDireccion)
    Q_PROPERTY(QColor ColorDesde READ ColorDesde WRITE setColorDesde)
    Q_PROPERTY(QColor ColorHasta READ ColorHasta WRITE setColorHasta)

public:
    // dHorizontal: horizontal bands stacked downwards; dVertical: vertical
    // bands side by side from left to right.
    enum TDireccion { dHorizontal, dVertical };
    Q_ENUM(TDireccion)

    static constexpr int BandCount = 256;

    explicit TGradiente(QWidget *parent = nullptr);

    TDireccion Direccion() const { return m_direccion; }
    void setDireccion(TDireccion direccion);
    QColor ColorDesde() const { return m_desde; }
    void setColorDesde(const QColor &colour);
    QColor ColorHasta() const { return m_hasta; }
    void setColorHasta(const QColor &colour);

    // While on, the gradient covers its parent's whole client area and
    // follows it when the parent is resized.
    bool fillParent() const { return m_fillParent; }
    void setFillParent(bool on);

    // x * y / z rounded to the nearest integer, halves away from zero;
    // -1 when z is 0.
    static int mulDiv(int x, int y, int z);
    // Colour of band i (0..255): band 0 is exactly `from`, band 255 `to`.
    static QColor bandColor(const QColor &from, const QColor &to, int i);
    // Area band i covers in a control of the given size; empty when the band
    // is thinner than a pixel.
    static QRect bandRect(TDireccion direccion, const QSize &size, int i);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followParent();

    TDireccion m_direccion = dHorizontal;
    QColor m_desde { 0, 0, 255 };
    QColor m_hasta { 0, 0, 0 };
    bool m_fillParent = false;
};

using TDireccion = TGradiente::TDireccion;
using enum TGradiente::TDireccion;
