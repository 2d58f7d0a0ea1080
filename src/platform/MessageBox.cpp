#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace caveto {

namespace {
DialogScript *g_script = nullptr;

// A mouse press first moves the focus, and the control being left may run a
// check that opens a message or a question; only then does the press reach
// the control under the pointer. Once that window has closed, the press must
// not go on to open a list or push a button the user never got to click, so
// it is dropped. The guard is armed only until the event loop next runs.
class InterruptedPressGuard : public QObject
{
public:
    static InterruptedPressGuard &instance()
    {
        static auto *guard = [] {
            auto *g = new InterruptedPressGuard;
            qApp->installEventFilter(g);
            return g;
        }();
        return *guard;
    }

    void arm()
    {
        m_armed = true;
        QTimer::singleShot(0, this, [this] { m_armed = false; });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_armed || !watched->isWidgetType())
            return false;
        if (event->type() != QEvent::MouseButtonPress
            && event->type() != QEvent::MouseButtonDblClick)
            return false;
        m_armed = false;
        return true;
    }

private:
    bool m_armed = false;
};

// True while a mouse button is down: a window opened now interrupts a press.
bool insideMousePress()
{
    return QGuiApplication::mouseButtons() != Qt::NoButton;
}

void dropInterruptedPress(bool interrupted)
{
    if (interrupted && qApp)
        InterruptedPressGuard::instance().arm();
}
} // namespace

void showMessage(const QString &title, const QString &text, QWidget *parent)
{
    const bool interrupted = insideMousePress();
    if (g_script) {
        g_script->messages.append({ title, text });
    } else {
        QPointer<QWidget> previous = QApplication::activeWindow();
        if (!previous && parent)
            previous = parent->window();
        QMessageBox box(
            QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent ? parent : previous.data());
        box.setObjectName(QStringLiteral("MessageBox"));
        box.exec();
        // The window the message interrupted is active again, so the focus
        // the check gave its field takes effect.
        if (previous && previous->isVisible())
            previous->activateWindow();
    }
    dropInterruptedPress(interrupted);
}

int execModal(QDialog *dialog)
{
    const bool interrupted = insideMousePress();
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
    dropInterruptedPress(interrupted);
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

void DialogScript::onNext(const QString &className, Action action)
{
    m_queue.append({ className, std::move(action) });
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
