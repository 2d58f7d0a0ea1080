#pragma once
// Every message box and every modal window of the program goes through here,
// so that tests can record the messages and answer the windows without a
// dialog ever waiting for a person.

#include <QList>
#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace caveto {

// A message box with one OK button and no icon.
void showMessage(const QString &title, const QString &text, QWidget *parent = nullptr);

// Shows a modal window and returns its exec() result.
int execModal(QDialog *dialog);

struct ShownMessage
{
    QString title;
    QString text;
};

// While a DialogScript exists, message boxes are recorded instead of shown,
// and every modal window runs the next action queued for its class name
// (for instance "TFormAvisoProg") once it is on screen. A modal window with no
// queued action is recorded as unexpected and closed, so a test never hangs.
class DialogScript
{
public:
    using Action = std::function<void(QDialog *)>;

    DialogScript();
    ~DialogScript();
    DialogScript(const DialogScript &) = delete;
    DialogScript &operator=(const DialogScript &) = delete;

    // Queues an action for the next modal window of that class.
    void onNext(const QString &className, Action action);
    // Queues a click on the button with that objectName in the next window of that class.
    void clickNext(const QString &className, const QString &buttonName);

    QList<ShownMessage> messages; // every message box, in order
    QStringList opened; // class names of the modal windows shown
    QStringList unexpected; // modal windows that had no queued action
    int pendingActions() const;

    // Returns the messages recorded so far and forgets them.
    QList<ShownMessage> takeMessages();

private:
    friend int execModal(QDialog *);
    Action take(const QString &className);
    QList<QPair<QString, Action>> m_queue;
};

} // namespace caveto
