#include "platform/ExitWatcher.h"

#include <QEvent>
#include <QFocusEvent>
#include <QWidget>

namespace caveto {

namespace {
bool isRealMove(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
        && reason != Qt::MenuBarFocusReason;
}
} // namespace

ExitWatcher::ExitWatcher(QObject *parent)
    : QObject(parent)
{
}

void ExitWatcher::watch(QWidget *field, std::function<void()> onExit)
{
    m_fields[field].onExit = std::move(onExit);
    field->installEventFilter(this);
}

void ExitWatcher::watchEntry(QWidget *field, std::function<void()> onEntry)
{
    m_fields[field].onEntry = std::move(onEntry);
    field->installEventFilter(this);
}

bool ExitWatcher::isWatched(const QWidget *field) const
{
    const auto it = m_fields.constFind(const_cast<QWidget *>(field));
    return it != m_fields.cend() && it->onExit;
}

void ExitWatcher::runExit(QWidget *field)
{
    const auto it = m_fields.constFind(field);
    if (it == m_fields.cend() || !it->onExit)
        return;
    auto onExit = it->onExit;
    onExit();
}

bool ExitWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return false;
    auto it = m_fields.find(watched);
    if (it == m_fields.end())
        return false;
    const auto reason = static_cast<QFocusEvent *>(event)->reason();
    if (event->type() == QEvent::FocusIn) {
        const bool wasEntered = it->entered;
        it->entered = true;
        if (!wasEntered && isRealMove(reason) && it->onEntry) {
            auto onEntry = it->onEntry;
            onEntry();
        }
        return false;
    }
    if (!isRealMove(reason) || !it->entered)
        return false;
    it->entered = false;
    if (it->onExit) {
        auto onExit = it->onExit; // the handler may change the watch list
        onExit();
    }
    return false;
}

} // namespace caveto
