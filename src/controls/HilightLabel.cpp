#include "controls/HilightLabel.h"

#include <QEnterEvent>

THilightLabel::THilightLabel(QWidget *parent)
    : QLabel(parent)
{
}

THilightLabel::THilightLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
}

THilightLabel::TFontStyles THilightLabel::fontStyles(const QFont &font)
{
    TFontStyles styles;
    styles.setFlag(fsBold, font.weight() >= QFont::Bold);
    styles.setFlag(fsItalic, font.italic());
    styles.setFlag(fsUnderline, font.underline());
    styles.setFlag(fsStrikeOut, font.strikeOut());
    return styles;
}

QFont THilightLabel::withStyles(QFont font, TFontStyles styles)
{
    font.setWeight(styles.testFlag(fsBold) ? QFont::Bold : QFont::Normal);
    font.setItalic(styles.testFlag(fsItalic));
    font.setUnderline(styles.testFlag(fsUnderline));
    font.setStrikeOut(styles.testFlag(fsStrikeOut));
    return font;
}

void THilightLabel::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    // A second entry without a leave must not save the highlight as the
    // look to go back to.
    if (m_highlighted)
        return;
    m_highlighted = true;

    QPalette pal = palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        m_saved.text[group] = pal.brush(QPalette::ColorGroup(group), QPalette::WindowText);
    const QFont current = font();
    m_saved.weight = current.weight();
    m_saved.italic = current.italic();
    m_saved.underline = current.underline();
    m_saved.strikeOut = current.strikeOut();
    m_saved.ownCursor = testAttribute(Qt::WA_SetCursor);
    m_saved.cursor = cursor();

    pal.setColor(QPalette::WindowText, m_hiColor);
    setPalette(pal);
    setFont(withStyles(current, m_hiStyle));
    setCursor(m_hiCursor);
    update();
    emit OnMouseEnter();
}

void THilightLabel::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    if (!m_highlighted)
        return;
    m_highlighted = false;

    QPalette pal = palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        pal.setBrush(QPalette::ColorGroup(group), QPalette::WindowText, m_saved.text[group]);
    setPalette(pal);
    // Only the style comes back: a size or family set meanwhile stays.
    QFont restored = font();
    restored.setWeight(m_saved.weight);
    restored.setItalic(m_saved.italic);
    restored.setUnderline(m_saved.underline);
    restored.setStrikeOut(m_saved.strikeOut);
    setFont(restored);
    if (m_saved.ownCursor)
        setCursor(m_saved.cursor);
    else
        unsetCursor();
    update();
    emit OnMouseLeave();
}
