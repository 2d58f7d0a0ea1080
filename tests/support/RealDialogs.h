#pragma once
// Real mouse presses and real modal windows, for the flows where a message
// box or a question opens in the middle of a click. The presses go through
// the window system layer, as a pointer's do (the focus moves first, then the
// press reaches the control), and the modal windows run their own event loop
// until the robot answers them as a user would.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <functional>

// Presses and releases the left button over `pos` of a widget.
inline void realClick(QWidget *widget, QPoint pos)
{
    QWidget *top = widget->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, widget->mapTo(top, pos));
}

inline void realClick(QWidget *widget)
{
    realClick(widget, widget->rect().center());
}

// A list field's drop-down arrow.
inline void realClickArrow(QWidget *combo)
{
    realClick(combo, QPoint(combo->width() - 8, combo->height() / 2));
}

// Answers the modal windows that open, one queued answer each, in order.
// A window with no answer queued is noted and closed, so a test never hangs.
class ModalRobot : public QObject
{
public:
    struct Seen
    {
        QString className;
        QString title;
        QString text; // a message box's text
    };
    using Answer = std::function<void(QWidget *)>;

    ModalRobot()
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, &ModalRobot::poll);
        m_timer.start();
    }

    // Presses a button of the next modal window by its objectName, or the
    // message box's OK when the name is empty.
    void press(const QString &buttonName = QString())
    {
        m_answers.append([buttonName](QWidget *modal) {
            QAbstractButton *button = nullptr;
            if (buttonName.isEmpty()) {
                if (auto *box = qobject_cast<QMessageBox *>(modal))
                    button = box->button(QMessageBox::Ok);
            } else {
                button = modal->findChild<QAbstractButton *>(buttonName);
            }
            if (button)
                realClick(button);
            else
                modal->close();
        });
    }
    // Types keys into the next modal window (Tab, Enter, Escape), each into
    // whichever control holds the focus then.
    void keys(const QList<Qt::Key> &keys)
    {
        m_answers.append([keys](QWidget *modal) {
            QPointer<QWidget> guard(modal);
            for (Qt::Key key : keys) {
                if (!guard)
                    return;
                QWidget *target = modal->focusWidget() ? modal->focusWidget() : modal;
                QTest::keyClick(target, key);
            }
        });
    }

    // Any other answer: runs `answer` on the next modal window.
    void then(Answer answer) { m_answers.append(std::move(answer)); }

    QList<Seen> seen;
    QStringList unexpected;
    int pending() const { return int(m_answers.size()); }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_handled)
            return;
        m_handled = modal;
        Seen s { QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle(), {} };
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            s.text = box->text();
        seen.append(s);
        QPointer<QWidget> guard(modal);
        if (m_answers.isEmpty()) {
            unexpected.append(s.className);
            QTimer::singleShot(0, modal, [guard] {
                if (guard)
                    guard->close();
            });
            return;
        }
        Answer answer = m_answers.takeFirst();
        QTimer::singleShot(0, modal, [guard, answer] {
            if (guard)
                answer(guard.data());
        });
    }

    QTimer m_timer;
    QList<Answer> m_answers;
    QPointer<QWidget> m_handled;
};
