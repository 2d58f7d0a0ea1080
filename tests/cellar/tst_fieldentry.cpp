// The entry fields of the cellar book, typed into and left with the focus
// as a user does, in a new wine ("Alta"): the purchase date, the grape
// percentages, the bottle count, the numeric keys and what a record can
// hold. The new-value marks of the list fields are in tst_mainwindow.

#include "support/CavetoFixture.h"

#include "platform/Colors.h"
#include "platform/FormStyle.h"

#include <QClipboard>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

class TestFieldEntry : public QObject
{
    Q_OBJECT

    std::unique_ptr<CavetoFixture> f;
    TFormCavetoPas *w = nullptr;

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        f = std::make_unique<CavetoFixture>();
        f->start();
        w = f->window.get();
        QTest::mouseClick(w->BMenuAlta, Qt::LeftButton);
    }
    void cleanup() { f.reset(); }

    // The date typed, then the focus moves to "Bodega": the date as the
    // fields show it, and the message of a refused part, which keeps the
    // focus in its field. The rule itself is in tst_entrychecks.
    void purchaseDate_data()
    {
        QTest::addColumn<QStringList>("typed"); // day, month, year
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("refused");
        QTest::newRow("one-digit day gets a zero")
            << QStringList { u"5"_s } << u"05||"_s << QString();
        QTest::newRow("month 13") << QStringList { u"12"_s, u"13"_s } << u"12||"_s << u"Mes"_s;
        QTest::newRow("year 99") << QStringList { QString(), QString(), u"99"_s } << u"||"_s
                                 << u"Año"_s;
    }
    void purchaseDate()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, shown);
        QFETCH(QString, refused);
        TNumEdit *fields[] = { w->FCompraDD, w->FCompraMM, w->FCompraYY };
        for (int i = 0; i < typed.size(); ++i) {
            if (!typed[i].isEmpty())
                typeInto(fields[i], typed[i]);
        }
        moveFocus(w->Bodega);
        QCOMPARE(QStringList({ w->FCompraDD->text(), w->FCompraMM->text(), w->FCompraYY->text() })
                     .join(u'|'),
            shown);
        if (refused.isEmpty()) {
            QCOMPARE(f->messageLines(), QStringList());
            QVERIFY(w->Bodega->hasFocus());
        } else {
            QCOMPARE(f->messageLines(),
                QStringList { u"Caveto Error | Campo ( %1 de Compra ) Erroneo"_s.arg(refused) });
            QVERIFY(fields[typed.size() - 1]->hasFocus());
        }
    }

    // A day the record file holds but the date does not allow (another
    // program wrote it) is checked on leaving any field of the date's row,
    // and not when the window only loses the activation.
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
        f->restart({ CavetoFixture::wineLine(u"Pesquera"_s, u"2016"_s, u"Ribera del Duero"_s,
            { { caveto::Field::FCompraDD, u"45"_s } }) });
        w = f->window.get();
        QTest::mouseClick(w->BMenuModi, Qt::LeftButton);
        f->pickRow(0);
        auto *exited = w->findChild<TNumEdit *>(field);
        moveFocus(exited);
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(exited, &out);
        QVERIFY(f->messages().isEmpty());
        moveFocus(w->Consumo);
        QCOMPARE(
            f->messageLines(), QStringList { u"Caveto Error | Campo ( Dia de Compra ) Erroneo"_s });
        QCOMPARE(w->FCompraDD->text(), QString());
        QVERIFY(w->FCompraDD->hasFocus());
    }

    void percentageNeedsItsGrape()
    {
        typeInto(w->Porcen2, u"50"_s);
        moveFocus(w->TipoUva3);
        QCOMPARE(w->Porcen2->text(), QString());
        typeInto(w->TipoUva1, u"Tempranillo"_s);
        typeInto(w->Porcen1, u"9991"_s);
        moveFocus(w->TipoUva2);
        QCOMPARE(w->Porcen1->text(), u"999"_s); // three digits at most
    }

    // Leaving the bottle count fills in a blank one and paints no bottles
    // in the warning colour, until the mode is left.
    void bottleCount_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("warning");
        QTest::newRow("blank") << QString() << u"0"_s << true;
        QTest::newRow("ten") << u"10"_s << u"10"_s << false;
    }
    void bottleCount()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, warning);
        typeInto(w->NumBotellas, typed);
        moveFocus(w->Estante);
        QCOMPARE(w->NumBotellas->text(), shown);
        QCOMPARE(caveto::fieldColor(w->NumBotellas),
            warning ? caveto::colors::CampoAviso : caveto::colors::CampoNormal);
        f->answerSaveQuestion("BNo");
        QTest::mouseClick(w->BMenu, Qt::LeftButton);
        QCOMPARE(caveto::fieldColor(w->NumBotellas), caveto::colors::CampoNormal);
    }

    void numericKeysUnderTwoLocales()
    {
        typeInto(w->Precio, u"12.5,.x"_s);
        QCOMPARE(w->Precio->text(), u"12,5"_s);
        QTest::keyClick(w->Precio, Qt::Key_Escape);
        QCOMPARE(w->Precio->text(), QString());
        QVERIFY(w->isVisible());

        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        typeInto(w->Grados, u"13,5"_s);
        QCOMPARE(w->Grados->text(), u"13.5"_s);
        typeInto(w->NumBotellas, u"1,2.3a"_s);
        QCOMPARE(w->NumBotellas->text(), u"123"_s);
        QTest::keyClick(w->NumBotellas, Qt::Key_Backspace);
        QTest::keyClick(w->NumBotellas, Qt::Key_Home);
        QTest::keyClick(w->NumBotellas, Qt::Key_Delete);
        QCOMPARE(w->NumBotellas->text(), u"2"_s);

        // A minus only right after the first character; a vintage has four.
        typeInto(w->Cosecha, u"-1-234"_s);
        QCOMPARE(w->Cosecha->text(), u"1-23"_s);
    }

    // Typed or pasted, text loses what a record cannot hold and is held to
    // the field's width.
    void typedAndPasted_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::newRow("typed, outside the code page")
            << u"NombreVino"_s << u"Viña Łódź 中"_s << false << u"Viña ód "_s;
        QTest::newRow("too long") << u"Consumo"_s << QString(45, u'x') << true << QString(20, u'x');
        QTest::newRow("list field")
            << u"DenoOrigen"_s << u"Rioja\nAlta"_s << true << u"RiojaAlta"_s;
        QTest::newRow("numeric field") << u"NumBotellas"_s << u"12\n"_s << true << u"12"_s;
    }
    void typedAndPasted()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(bool, pasted);
        QFETCH(QString, shown);
        QWidget *control = w->findChild<QWidget *>(field);
        auto *combo = qobject_cast<QComboBox *>(control);
        auto *edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(control);
        moveFocus(control);
        if (pasted) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        } else {
            typeText(edit, text);
        }
        QCOMPARE(edit->text(), shown);
    }
};

QTEST_MAIN(TestFieldEntry)
#include "tst_fieldentry.moc"
