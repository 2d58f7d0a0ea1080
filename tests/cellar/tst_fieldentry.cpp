#include "support/CavetoFixture.h"

#include "controls/Numedit.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

// The entry fields of the cellar book, driven by keyboard and focus as a
// user drives them.
class TestFieldEntry : public QObject
{
    Q_OBJECT

private:
    CavetoFixture *m_f = nullptr;
    TFormCavetoPas *w = nullptr;

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        m_f = new CavetoFixture;
        m_f->start();
        w = m_f->window.get();
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
    }

    void cleanup()
    {
        delete m_f;
        m_f = nullptr;
        w = nullptr;
    }

    void purchaseDateIsNormalisedOnLeaving()
    {
        typeInto(w->FCompraDD, QStringLiteral("5"));
        moveFocus(w->FCompraMM);
        QCOMPARE(w->FCompraDD->text(), QStringLiteral("05"));
        w->FCompraDD->setText(QStringLiteral("31"));
        typeInto(w->FCompraMM, QStringLiteral("11"));
        moveFocus(w->FCompraYY);
        QCOMPARE(w->FCompraDD->text(), QStringLiteral("30"));
        QCOMPARE(w->FCompraMM->text(), QStringLiteral("11"));
        w->FCompraDD->setText(QStringLiteral("30"));
        w->FCompraMM->setText(QStringLiteral("2"));
        typeInto(w->FCompraYY, QStringLiteral("2024"));
        moveFocus(w->Precio);
        QCOMPARE(w->FCompraDD->text(), QStringLiteral("28"));
        QCOMPARE(w->FCompraMM->text(), QStringLiteral("02"));
        QVERIFY(m_f->messages().isEmpty());
    }

    void purchaseDateErrors()
    {
        typeInto(w->FCompraDD, QStringLiteral("32"));
        moveFocus(w->FCompraMM);
        auto shown = m_f->messages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Caveto Error"));
        QCOMPARE(shown[0].text, QStringLiteral("Campo ( Dia de Compra ) Erroneo"));
        QCOMPARE(w->FCompraDD->text(), QString());
        QVERIFY(w->FCompraDD->hasFocus());

        // Day 40 hides a bad month; only the day is reported.
        w->FCompraMM->setText(QStringLiteral("13"));
        typeInto(w->FCompraDD, QStringLiteral("40"));
        moveFocus(w->Bodega);
        shown = m_f->messages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("Campo ( Dia de Compra ) Erroneo"));
        QCOMPARE(w->FCompraMM->text(), QStringLiteral("13"));

        typeInto(w->FCompraDD, QStringLiteral("12"));
        moveFocus(w->FCompraYY);
        shown = m_f->messages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("Campo ( Mes de Compra ) Erroneo"));
        QCOMPARE(w->FCompraMM->text(), QString());
        QVERIFY(w->FCompraMM->hasFocus());

        typeInto(w->FCompraYY, QStringLiteral("99"));
        moveFocus(w->Precio);
        shown = m_f->messages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("Campo ( Año de Compra ) Erroneo"));
        QCOMPARE(w->FCompraYY->text(), QString());
        QVERIFY(w->FCompraYY->hasFocus());

        typeInto(w->FCompraYY, QStringLiteral("1800"));
        moveFocus(w->Precio);
        QVERIFY(m_f->messages().isEmpty());
        QCOMPARE(w->FCompraYY->text(), QStringLiteral("1800"));
    }

    void everyDateExitChecksTheDay_data()
    {
        QTest::addColumn<QString>("field");
        for (const char *name :
            { "FCompraDD", "FCompraMM", "FCompraYY", "Precio", "Grados", "TempeINI", "TempeFin" })
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void everyDateExitChecksTheDay()
    {
        QFETCH(QString, field);
        auto *edit = w->findChild<TNumEdit *>(field);
        QVERIFY(edit);
        w->FCompraDD->setText(QStringLiteral("45"));
        moveFocus(edit);
        moveFocus(w->Consumo);
        const auto shown = m_f->messages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("Campo ( Dia de Compra ) Erroneo"));
        QVERIFY(w->FCompraDD->hasFocus());
    }

    void checksDoNotRunWhenTheWindowOnlyLosesActivation()
    {
        typeInto(w->FCompraDD, QStringLiteral("45"));
        // A menu or another window takes the activation, not the focus.
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(w->FCompraDD, &out);
        QVERIFY(m_f->messages().isEmpty());
        QCOMPARE(w->FCompraDD->text(), QStringLiteral("45"));
    }

    void percentageNeedsItsGrape()
    {
        typeInto(w->Porcen2, QStringLiteral("50"));
        moveFocus(w->TipoUva3);
        QCOMPARE(w->Porcen2->text(), QString());
        w->TipoUva1->setEditText(QStringLiteral("Tempranillo"));
        typeInto(w->Porcen1, QStringLiteral("999"));
        moveFocus(w->TipoUva2);
        QCOMPARE(w->Porcen1->text(), QStringLiteral("999"));
        moveFocus(w->Porcen1);
        QTest::keyClick(w->Porcen1, Qt::Key_End);
        typeText(w->Porcen1, QStringLiteral("1"));
        QCOMPARE(w->Porcen1->text(), QStringLiteral("999")); // three digits at most
    }

    void bottleCountColour()
    {
        moveFocus(w->NumBotellas);
        moveFocus(w->Estante);
        QCOMPARE(w->NumBotellas->text(), QStringLiteral("0"));
        QCOMPARE(caveto::fieldColor(w->NumBotellas), caveto::colors::CampoAviso);
        w->NumBotellas->setText(QStringLiteral("0000"));
        moveFocus(w->NumBotellas);
        moveFocus(w->Estante);
        QCOMPARE(caveto::fieldColor(w->NumBotellas), caveto::colors::CampoAviso);
        w->NumBotellas->setText(QStringLiteral("10"));
        moveFocus(w->NumBotellas);
        moveFocus(w->Estante);
        QCOMPARE(caveto::fieldColor(w->NumBotellas), caveto::colors::CampoNormal);
        // Leaving the mode brings the normal colour back.
        w->NumBotellas->setText(QStringLiteral("0"));
        moveFocus(w->NumBotellas);
        moveFocus(w->Estante);
        m_f->answerSaveQuestion("BNo");
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QCOMPARE(caveto::fieldColor(w->NumBotellas), caveto::colors::CampoNormal);
    }

    void numericKeysUnderTwoLocales()
    {
        typeInto(w->Precio, QStringLiteral("12.5"));
        QCOMPARE(w->Precio->text(), QStringLiteral("12,5"));
        typeText(w->Precio, QStringLiteral(",.x"));
        QCOMPARE(w->Precio->text(), QStringLiteral("12,5"));
        QTest::keyClick(w->Precio, Qt::Key_Escape);
        QCOMPARE(w->Precio->text(), QString());
        QVERIFY(w->isVisible());

        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        typeInto(w->Grados, QStringLiteral("13,5"));
        QCOMPARE(w->Grados->text(), QStringLiteral("13.5"));

        typeInto(w->NumBotellas, QStringLiteral("1,2.3a"));
        QCOMPARE(w->NumBotellas->text(), QStringLiteral("123"));
        QTest::keyClick(w->NumBotellas, Qt::Key_Backspace);
        QCOMPARE(w->NumBotellas->text(), QStringLiteral("12"));
        QTest::keyClick(w->NumBotellas, Qt::Key_Home);
        QTest::keyClick(w->NumBotellas, Qt::Key_Delete);
        QCOMPARE(w->NumBotellas->text(), QStringLiteral("2"));
        QTest::keyClick(w->NumBotellas, Qt::Key_Escape);
        QCOMPARE(w->NumBotellas->text(), QString());

        // A minus only right after the first character.
        typeInto(w->Cosecha, QStringLiteral("-1-"));
        QCOMPARE(w->Cosecha->text(), QStringLiteral("1-"));
        QCOMPARE(w->Precio->maxLength(), 7);
        QCOMPARE(w->Cosecha->maxLength(), 4);
        QVERIFY(!w->NumBotellas->Float());
        QVERIFY(w->Precio->Float());
        QCOMPARE(w->FCompraDD->toolTip(), QStringLiteral("Fecha de Compra Dia."));
    }

    void fieldsRefuseWhatARecordCannotHold()
    {
        typeInto(w->NombreVino, QString::fromUtf8("Viña Łódź 中"));
        QCOMPARE(w->NombreVino->text(), QString::fromUtf8("Viña ód "));

        QGuiApplication::clipboard()->setText(QString::fromUtf8("Marqués de\r\nRiscal\tReserva"));
        w->Bodega->clear();
        moveFocus(w->Bodega);
        w->Bodega->paste();
        QCOMPARE(w->Bodega->text(), QString::fromUtf8("Marqués deRiscalReserva"));

        // Pasted text is held to the field's length.
        QGuiApplication::clipboard()->setText(QString(45, QLatin1Char('x')));
        w->Consumo->clear();
        w->Consumo->paste();
        QCOMPARE(w->Consumo->text().size(), 20);

        // The list fields and the numeric fields too.
        QGuiApplication::clipboard()->setText(QStringLiteral("Rioja\nAlta"));
        moveFocus(w->DenoOrigen);
        w->DenoOrigen->lineEdit()->paste();
        QCOMPARE(w->DenoOrigen->currentText(), QStringLiteral("RiojaAlta"));
        QGuiApplication::clipboard()->setText(QStringLiteral("12\n"));
        w->NumBotellas->clear();
        w->NumBotellas->paste();
        QCOMPARE(w->NumBotellas->text(), QStringLiteral("12"));
        QCOMPARE(w->DenoOrigen->lineEdit()->maxLength(), 30);
        QCOMPARE(w->Estante->lineEdit()->maxLength(), 15);
    }

    void grapeListsOfferTheVarieties()
    {
        for (QComboBox *grape : { w->TipoUva1, w->TipoUva2, w->TipoUva3, w->TipoUva4 }) {
            QCOMPARE(grape->count(), 83);
            QCOMPARE(grape->itemText(0), QString::fromUtf8("Albariño"));
            QCOMPARE(grape->itemText(82), QStringLiteral("Zinfandel"));
            QCOMPARE(grape->currentText(), QString());
            QVERIFY(grape->isEditable());
        }
    }
};

QTEST_MAIN(TestFieldEntry)
#include "tst_fieldentry.moc"
