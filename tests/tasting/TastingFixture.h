#pragma once
// A main window to open the tasting windows against: built in a scratch
// application folder, with the splash answered and message boxes recorded.

#include "app/Globals.h"
#include "cellar/Cavetopas.h"
#include "controls/Numedit.h"
#include "platform/MessageBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TastingFixture
{
public:
    TastingFixture()
    {
        caveto::setAppFolderOverride(m_dir.path());
        script.clickNext(QStringLiteral("TFormInicio"), QStringLiteral("BEntrar"));
        main = std::make_unique<TFormCavetoPas>();
    }
    ~TastingFixture()
    {
        main.reset();
        caveto::setAppFolderOverride(QString());
    }

    // A known wine in the header and an empty tasting, in the given mode.
    void reset(const QString &mode = QStringLiteral("ALTA"))
    {
        main->ModoActual = mode;
        main->LOpcion->setText(
            mode == QLatin1String("CONS") ? QStringLiteral("Consulta") : QStringLiteral("Alta"));
        main->NombreVino->setText(QStringLiteral("Viña Ardanza"));
        main->Cosecha->setText(QStringLiteral("2016"));
        main->DenoOrigen->setEditText(QStringLiteral("Rioja"));
        main->Vino->setEditText(QStringLiteral("Tinto"));
        main->TipoVino->setEditText(QStringLiteral("Reserva"));
        for (int i = 0; i < caveto::kFieldCount; ++i) {
            if (FixedText *t = main->tastingField(static_cast<caveto::Field>(i)))
                t->clear();
        }
        for (QLabel *p : { main->PSCatador, main->PVistaCali, main->POlfatoCali, main->PGustoCali,
                 main->PCaliFinal })
            p->setText(QStringLiteral("Sin Datos"));
        script.takeMessages();
    }

    // The record field edited by the control of that name.
    FixedText &field(const QString &name)
    {
        const int index = caveto::fieldIndex(name);
        FixedText *t = index < 0 ? nullptr : main->tastingField(static_cast<caveto::Field>(index));
        Q_ASSERT_X(t, "TastingFixture::field", qPrintable(name));
        return *t;
    }

    caveto::DialogScript script;
    std::unique_ptr<TFormCavetoPas> main;

private:
    QTemporaryDir m_dir;
};

// The text a data control shows.
inline QString shownText(const QWidget *control)
{
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    return QStringLiteral("<not a field>");
}

// Replaces a control's text by typing, as a user would.
inline void typeInto(QWidget *control, const QString &text)
{
    QLineEdit *edit = qobject_cast<QLineEdit *>(control);
    if (auto *combo = qobject_cast<QComboBox *>(control))
        edit = combo->lineEdit();
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(edit, char(c.unicode()));
        } else {
            // Qt Test only maps ASCII to keys; an accented letter arrives as
            // its text, as from a keyboard layout that has it.
            QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}
