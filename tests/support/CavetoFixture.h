#pragma once
// A fresh application folder, a scripted splash and the main window, for
// tests that drive the program as a user would.

#include "app/Globals.h"
#include "cellar/Cavetopas.h"
#include "cellar/DataFile.h"
#include "cellar/RecordLine.h"
#include "controls/Numedit.h"
#include "platform/MessageBox.h"
#include "support/FileSizeLimit.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <initializer_list>
#include <memory>
#include <utility>

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

    // The messages shown since the last call, each as "title | text".
    QStringList messageLines()
    {
        QStringList lines;
        for (const caveto::ShownMessage &m : script->takeMessages())
            lines << m.title + QStringLiteral(" | ") + m.text;
        return lines;
    }

    bool saveQuestionAsked() const
    {
        return script->opened.contains(QStringLiteral("TFormAvisoProg"));
    }

    // Starts the program again on a record file of these lines.
    void restart(const QStringList &lines)
    {
        window.reset();
        writeDataFile(lines);
        start();
    }

    // Selects a row of the record list with the keyboard, one step at a
    // time, as the user does.
    void pickRow(int row)
    {
        QComboBox *list = window->Csalida;
        moveFocus(list);
        while (list->currentIndex() < row)
            QTest::keyClick(list, Qt::Key_Down);
        while (list->currentIndex() > row)
            QTest::keyClick(list, Qt::Key_Up);
    }

    // Types the three required fields of a wine and clicks "Alta".
    void addWine(const QString &name, const QString &year, const QString &deno)
    {
        typeInto(window->NombreVino, name);
        typeInto(window->Cosecha, year);
        typeInto(window->DenoOrigen, deno);
        QTest::mouseClick(window->BAlta, Qt::LeftButton);
    }

    // Writes a file (a notes file, a photo) as another program would.
    static void writeFile(const QString &path, const QByteArray &bytes = {})
    {
        QFile file(path);
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
        file.write(bytes);
    }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Replaces a field's text with the keyboard: its characters erased one
    // by one, then the new text typed. The field's exit rule runs only when
    // the focus moves on.
    static void retype(QWidget *field, const QString &text)
    {
        auto *combo = qobject_cast<QComboBox *>(field);
        QWidget *edit = combo && combo->lineEdit() ? combo->lineEdit() : field;
        moveFocus(field);
        auto *line = qobject_cast<QLineEdit *>(edit);
        QTest::keyClick(edit, Qt::Key_End);
        for (qsizetype n = line ? line->text().size() : 0; n > 0; --n)
            QTest::keyClick(edit, Qt::Key_Backspace);
        typeText(edit, text);
    }

    // The line of a wine, as the program writes it: the three required
    // fields, then the given ones; wine, type and shelf are "Tinto",
    // "Crianza" and "A-1" unless given.
    static QString wineLine(const QString &name, const QString &year, const QString &deno,
        std::initializer_list<std::pair<caveto::Field, QString>> more = {})
    {
        caveto::CellarRecord r;
        r[caveto::Field::NombreVino] = name;
        r[caveto::Field::Cosecha] = year;
        r[caveto::Field::DenoOrigen] = deno;
        r[caveto::Field::Vino] = QStringLiteral("Tinto");
        r[caveto::Field::TipoVino] = QStringLiteral("Crianza");
        r[caveto::Field::Estante] = QStringLiteral("A-1");
        for (const auto &[field, value] : more)
            r[field] = value;
        r.pad();
        return r.buildLine();
    }
};

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
