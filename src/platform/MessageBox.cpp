#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <QTimer>

namespace caveto {

namespace {
DialogScript *g_script = nullptr;
}

void showMessage(const QString &title, const QString &text, QWidget *parent)
{
    if (g_script) {
        g_script->messages.append({title, text});
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok,
                    parent ? parent : QApplication::activeWindow());
    box.exec();
}

int execModal(QDialog *dialog)
{
    if (g_script) {
        const QString name = QString::fromLatin1(dialog->metaObject()->className());
        g_script->opened.append(name);
        DialogScript::Action action = g_script->take(name);
        QPointer<QDialog> guard(dialog);
        if (!action) {
            g_script->unexpected.append(name);
            QTimer::singleShot(0, dialog, [guard] {
                if (guard)
                    guard->close();
            });
        } else {
            QTimer::singleShot(0, dialog, [guard, action] {
                if (guard)
                    action(guard.data());
            });
        }
    }
    // The window that was active gets the activation back when the modal
    // window closes, so focus moves made meanwhile take effect.
    QPointer<QWidget> previous = QApplication::activeWindow();
    if (!previous && dialog->parentWidget())
        previous = dialog->parentWidget()->window();
    const int result = dialog->exec();
    if (previous && previous->isVisible() && previous != dialog)
        previous->activateWindow();
    return result;
}

DialogScript::DialogScript()
{
    g_script = this;
}

DialogScript::~DialogScript()
{
    if (g_script == this)
        g_script = nullptr;
}

DialogScript *DialogScript::current()
{
    return g_script;
}

void DialogScript::onNext(const QString &className, Action action)
{
    m_queue.append({className, std::move(action)});
}

void DialogScript::clickNext(const QString &className, const QString &buttonName)
{
    onNext(className, [buttonName](QDialog *dialog) {
        if (auto *button = dialog->findChild<QAbstractButton *>(buttonName))
            button->click();
        else
            dialog->close();
    });
}

int DialogScript::pendingActions() const
{
    return m_queue.size();
}

QList<ShownMessage> DialogScript::takeMessages()
{
    QList<ShownMessage> out;
    out.swap(messages);
    return out;
}

DialogScript::Action DialogScript::take(const QString &className)
{
    for (qsizetype i = 0; i < m_queue.size(); ++i) {
        if (m_queue[i].first == className)
            return m_queue.takeAt(i).second;
    }
    return {};
}

} // namespace caveto
