#pragma once
// Chooses an item of a drop-down list as the user does: with the mouse (drop
// the list down, point at the item, click it) or with the keyboard (the focus
// moves into the list, the item's start is typed).

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QtTest>

// False when the list does not end on that row.
inline bool pickWithMouse(QComboBox *list, int row)
{
    if (row < 0)
        return false;
    QTest::mouseClick(list, Qt::LeftButton);
    QAbstractItemView *view = list->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); }))
        return false;
    const QModelIndex index = list->model()->index(row, 0);
    view->scrollTo(index);
    // An open list takes a click on an item only once the pointer has moved
    // over it. Items may be wider than the list: point near their start.
    const QPoint at(12, view->visualRect(index).center().y());
    QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    return QTest::qWaitFor([view] { return !view->isVisible(); }) && list->currentIndex() == row;
}

inline bool pickWithMouse(QComboBox *list, const QString &text)
{
    return pickWithMouse(list, list->findText(text, Qt::MatchExactly));
}

// True when the list ends on an item that starts with what was typed.
inline bool pickWithKeyboard(QComboBox *list, const QString &typed)
{
    list->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    // Characters typed soon after earlier ones would extend their search.
    QTest::qWait(QApplication::keyboardInputInterval() + 20);
    QTest::keyClicks(list, typed);
    return list->currentText().startsWith(typed);
}
