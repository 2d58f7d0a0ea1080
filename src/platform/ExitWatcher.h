#pragma once
// Runs a field's exit rule when the focus really moves from it to another
// control: not when the window only loses activation (a message box, a
// modal window, a menu, a list's popup), and not for a control that never
// really received the focus.

#include <QHash>
#include <QObject>
#include <functional>

class QWidget;

namespace caveto {

class ExitWatcher : public QObject
{
    Q_OBJECT
public:
    explicit ExitWatcher(QObject *parent = nullptr);

    void watch(QWidget *field, std::function<void()> onExit);
    // Runs when the field gets the focus by a real move (the list's entry).
    void watchEntry(QWidget *field, std::function<void()> onEntry);

    bool isWatched(const QWidget *field) const;
    // Runs a field's exit rule while the focus stays in it (a command started
    // from the keyboard, or a window closing).
    void runExit(QWidget *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry
    {
        std::function<void()> onExit;
        std::function<void()> onEntry;
        bool entered = false;
    };
    QHash<QObject *, Entry> m_fields;
};

} // namespace caveto
