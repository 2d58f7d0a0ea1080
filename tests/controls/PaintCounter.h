#pragma once
// Counts the paint events a widget receives, to tell whether a setter
// asked for a redraw.

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget)
        : QObject(widget)
    {
        widget->installEventFilter(this);
    }

    int count = 0;

    // Lets pending update requests turn into paint events, then returns
    // how many arrived since the last call.
    int settle()
    {
        QApplication::processEvents();
        QApplication::sendPostedEvents();
        QApplication::processEvents();
        const int seen = count;
        count = 0;
        return seen;
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};
