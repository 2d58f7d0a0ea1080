#pragma once
// A hidden working field that keeps its whole text, however long: a line
// edit holds at most 32,767 characters, and a record line with a long photo
// path would lose its end on the next modify. When shown, it shows the
// head of the text; text() always gives the whole of it.

#include <QLineEdit>

class TLongEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TLongEdit(QWidget *parent = nullptr)
        : QLineEdit(parent)
    {
    }

    // These hide QLineEdit's own: use the field through a TLongEdit pointer.
    QString text() const { return m_text; }
    void setText(const QString &text)
    {
        m_text = text;
        QLineEdit::setText(text.left(maxLength()));
    }
    void clear() { setText(QString()); }

private:
    QString m_text;
};
