#pragma once
// A link-like label: another colour, font style and cursor under the mouse.

#include <QBrush>
#include <QColor>
#include <QCursor>
#include <QFlags>
#include <QFont>
#include <QLabel>

class THilightLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QColor HiLightColor READ HiLightColor WRITE setHiLightColor)
    Q_PROPERTY(TFontStyles HiLightStyle READ HiLightStyle WRITE setHiLightStyle)
    Q_PROPERTY(Qt::CursorShape HiLightCursor READ HiLightCursor WRITE setHiLightCursor)

public:
    enum TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
    Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
    Q_FLAG(TFontStyles)

    explicit THilightLabel(QWidget *parent = nullptr);
    explicit THilightLabel(const QString &text, QWidget *parent = nullptr);

    // These take effect at the next time the mouse enters.
    QColor HiLightColor() const { return m_hiColor; }
    void setHiLightColor(const QColor &colour) { m_hiColor = colour; }
    TFontStyles HiLightStyle() const { return m_hiStyle; }
    void setHiLightStyle(TFontStyles styles) { m_hiStyle = styles; }
    Qt::CursorShape HiLightCursor() const { return m_hiCursor; }
    void setHiLightCursor(Qt::CursorShape shape) { m_hiCursor = shape; }

    bool isHighlighted() const { return m_highlighted; }

    // The styles a font carries, and a font with its styles replaced.
    static TFontStyles fontStyles(const QFont &font);
    static QFont withStyles(QFont font, TFontStyles styles);

signals:
    void OnMouseEnter();
    void OnMouseLeave();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    // What the label looked like before the mouse came in.
    struct Saved
    {
        QBrush text[QPalette::NColorGroups];
        QFont::Weight weight = QFont::Normal;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        bool ownCursor = false;
        QCursor cursor;
    };

    QColor m_hiColor { 0, 0, 128 };
    TFontStyles m_hiStyle { fsBold | fsUnderline };
    Qt::CursorShape m_hiCursor = Qt::PointingHandCursor;
    bool m_highlighted = false;
    Saved m_saved;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(THilightLabel::TFontStyles)
