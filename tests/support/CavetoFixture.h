#pragma once
// A fresh application folder, a scripted splash and the main window, for
// tests that drive the program as a user would.

#include "app/Globals.h"
#include "cellar/Cavetopas.h"
#include "cellar/DataFile.h"
#include "cellar/RecordLine.h"
#include "platform/MessageBox.h"
#include "support/FileSizeLimit.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

struct CavetoFixture
{
    QTemporaryDir dir;
    std::unique_ptr<caveto::DialogScript> script = std::make_unique<caveto::DialogScript>();
    std::unique_ptr<TFormCavetoPas> window;

    QString dataFile() const { return dir.filePath(QStringLiteral("Datos/Caveto20.Datos")); }
    QString notesFile(const QString &name) const
    {
        return dir.filePath(QStringLiteral("Datos/") + name + QStringLiteral(".txt"));
    }

    // Writes a record file before the program starts.
    void writeDataFile(const QStringList &lines)
    {
        QDir().mkpath(dir.filePath(QStringLiteral("Datos")));
        QString error;
        QVERIFY2(caveto::writeRecordFile(dataFile(), lines, &error), qPrintable(error));
    }

    void writeRawDataFile(const QByteArray &bytes)
    {
        QDir().mkpath(dir.filePath(QStringLiteral("Datos")));
        QFile f(dataFile());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // Starts the program: the splash is answered with "Entrar".
    void start()
    {
        caveto::setAppFolderOverride(dir.path());
        script->clickNext(QStringLiteral("TFormInicio"), QStringLiteral("BEntrar"));
        window = std::make_unique<TFormCavetoPas>();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    // Ends the program the way the user does: closing the window.
    void quit()
    {
        if (window)
            window->close();
        window.reset();
    }

    QStringList fileLines() const
    {
        QStringList lines;
        QString error;
        if (!caveto::readRecordFile(dataFile(), &lines, &error))
            return { QStringLiteral("<unreadable: ") + error + QLatin1Char('>') };
        return lines;
    }

    QByteArray fileBytes() const
    {
        QFile f(dataFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QList<caveto::ShownMessage> messages() { return script->takeMessages(); }

    void answerSaveQuestion(const char *button)
    {
        script->clickNext(QStringLiteral("TFormAvisoProg"), QString::fromLatin1(button));
    }
};

// Moves the focus to another control as the Tab key does; that runs the
// exit rule of the field being left.
inline void moveFocus(QWidget *to)
{
    to->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
}

// Types text key by key, accented letters too (the test library's own
// typing knows only ASCII).
inline void typeText(QWidget *field, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            QTest::keyClick(field, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Types text into a control that first takes the focus.
inline void typeInto(QWidget *field, const QString &text)
{
    moveFocus(field);
    typeText(field, text);
}

// The line the add command writes for a wine with only its three required
// fields, column by column.
inline QString minimalLine(const QString &name, const QString &year, const QString &deno,
    const QString &notesName, QChar decimal = QLatin1Char(','))
{
    QString line = name.leftJustified(30) + QLatin1Char(' ') + year.leftJustified(4)
        + QLatin1Char(' ') + deno.leftJustified(30) + QLatin1Char(' ');
    line += QStringLiteral("Sin Datos").leftJustified(30) + QLatin1Char(' ');
    line += QStringLiteral("Sin Datos").leftJustified(30) + QLatin1Char(' ');
    line += QString(167 - line.size(), QLatin1Char(' '));
    line += (QStringLiteral("0") + decimal + QStringLiteral("00")).leftJustified(7);
    line += QStringLiteral("0").leftJustified(7);
    line += QStringLiteral("Sin Datos").leftJustified(15);
    line += QString(589 - line.size(), QLatin1Char(' '));
    line += notesName;
    line += QString(1015 - line.size(), QLatin1Char(' '));
    return line;
}
