#include "controls/Numedit.h"

#include "cellar/EntryChecks.h"
#include "platform/SafeInput.h"

#include <QKeyEvent>
#include <QLocale>

TNumEdit::TNumEdit(QWidget *parent)
    : QLineEdit(parent)
{
    // Pasted text is not held to the number rules, but nothing that a record
    // cannot store gets in.
    caveto::installSafeInput(this);
}

void TNumEdit::keyPressEvent(QKeyEvent *event)
{
    // Shortcuts and keys that type nothing (arrows, Delete, Home) keep their
    // usual meaning.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QChar key;
    switch (event->key()) {
    case Qt::Key_Backspace:
        key = QChar(caveto::kBackspace);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        key = QChar(caveto::kReturn);
        break;
    case Qt::Key_Escape:
        key = QChar(caveto::kEscape);
        break;
    default:
        // Delete, arrows and the like type no character (Delete comes with
        // the text "\x7f" on some systems).
        if (event->text().size() != 1 || event->text().at(0).unicode() < 0x20
            || event->text().at(0).unicode() == 0x7F) {
            QLineEdit::keyPressEvent(event);
            return;
        }
        key = event->text().at(0);
    }

    const QLocale locale;
    caveto::NumericFormat format;
    format.isFloat = m_float;
    format.negative = m_negative;
    const QString group = locale.groupSeparator();
    const QString decimal = locale.decimalPoint();
    format.thousandsSeparator = group.size() == 1 ? group.at(0) : QChar(0xFFFF);
    format.decimalSeparator = decimal.size() == 1 ? decimal.at(0) : QLatin1Char('.');

    const caveto::NumericKeyResult result = caveto::filterNumericKey(key, text(), format);
    if (result.clearField)
        clear();
    if (!result.accepted() || key.unicode() == caveto::kEscape) {
        // Nothing to insert; an escape must not close the window either.
        event->accept();
        return;
    }
    if (result.key != key) {
        insert(QString(result.key));
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
