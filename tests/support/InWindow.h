#pragma once
// Running a test's steps inside the next modal window, and showing a record
// of the cellar book the way the user picks it.

#include "support/CavetoFixture.h"

#include <QDialog>
#include <QPointer>
#include <QToolButton>

#include <functional>

// Runs `body` in the next modal window of class `Form`. A window the body
// leaves open is then closed without its closing questions, as if the
// process ended, so a failed check never hangs the test.
template <class Form> void inNext(CavetoFixture &f, std::function<void(Form *)> body)
{
    f.script->onNext(QString::fromLatin1(Form::staticMetaObject.className()), [body](QDialog *d) {
        QPointer<QDialog> guard(d);
        body(static_cast<Form *>(d));
        if (guard && guard->isVisible())
            guard->done(QDialog::Rejected);
    });
}

// Shows row `row` of the record list in the mode of `modeButton`: the list
// shows a record when it gets the focus.
inline void showRecord(CavetoFixture &f, QToolButton *modeButton, int row = 0)
{
    QTest::mouseClick(modeButton, Qt::LeftButton);
    f.window->Csalida->setCurrentIndex(row);
    moveFocus(f.window->BMenu);
    moveFocus(f.window->Csalida);
    QVERIFY(f.window->recordSelected());
}
