// The general-data window: the tasting date and hour are checked and
// normalised when the focus leaves them, and when the window is closed from
// them.

#include "TastingFixture.h"
#include "controls/Numedit.h"
#include "tasting/CataGen.h"

#include <QPushButton>
#include <QTest>

namespace {
const QString kDayError = QStringLiteral("Campo ( Dia de Cata ) Erroneo");
const QString kMonthError = QStringLiteral("Campo ( Mes de Cata ) Erroneo");
const QString kYearError = QStringLiteral("Campo ( Año de Cata ) Erroneo");
const QString kHourError = QStringLiteral("Campo  ( Hora de Cata )  Erroneo");
const QString kMinuteError = QStringLiteral("Campo  ( Minutos de Cata )  Erroneo");
} // namespace

class TestCataGen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void dateExit_data();
    void dateExit();
    void hourExit_data();
    void hourExit();
    void numberFieldsTakeDigitsOnly_data();
    void numberFieldsTakeDigitsOnly();
    void noCheckWhenWindowOnlyLosesActivation();
    void closingFromRefusedFieldKeepsWindowOpen_data();
    void closingFromRefusedFieldKeepsWindowOpen();
    void closingFromFieldStoresNormalisedValue();
    void acceptButtonStoresGeneralData();

private:
    TFormCataGen *openWindow();
    std::unique_ptr<TastingFixture> m_fx;
    std::unique_ptr<TFormCataGen> m_window;
};

void TestCataGen::initTestCase()
{
    m_fx = std::make_unique<TastingFixture>();
    QVERIFY(!m_fx->main->cancelled());
}

void TestCataGen::init()
{
    m_fx->reset();
}

void TestCataGen::cleanup()
{
    m_window.reset();
}

TFormCataGen *TestCataGen::openWindow()
{
    m_window = std::make_unique<TFormCataGen>(m_fx->main.get());
    m_window->show();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        return nullptr;
    return m_window.get();
}

// Starting values of day, month and year; the field typed in and what is
// typed; then the three fields after the focus moved on, the message and
// the field left holding the focus.
void TestCataGen::dateExit_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    const QStringList blank { QString(), QString(), QString() };
    QTest::newRow("one-digit day gets a zero") << blank << "FCataDD"
                                               << "7" << QStringList { "07", "", "" } << ""
                                               << "FCataMM";
    QTest::newRow("day 31 alone") << blank << "FCataDD"
                                  << "31" << QStringList { "31", "", "" } << ""
                                  << "FCataMM";
    QTest::newRow("day 32 refused")
        << QStringList { "", "05", "2020" } << "FCataDD"
        << "32" << QStringList { "", "05", "2020" } << kDayError << "FCataDD";
    QTest::newRow("day 99 refused") << blank << "FCataDD"
                                    << "99" << blank << kDayError << "FCataDD";
    QTest::newRow("empty day is allowed") << QStringList { "", "05", "" } << "FCataDD"
                                          << "" << QStringList { "", "05", "" } << ""
                                          << "FCataMM";
    QTest::newRow("day 31 in April becomes 30") << QStringList { "", "04", "2021" } << "FCataDD"
                                                << "31" << QStringList { "30", "04", "2021" } << ""
                                                << "FCataMM";
    QTest::newRow("month 2 cuts day 30 to 28") << QStringList { "30", "", "" } << "FCataMM"
                                               << "2" << QStringList { "28", "02", "" } << ""
                                               << "FCataYY";
    QTest::newRow("month 02 cuts day 29 to 28") << QStringList { "29", "", "2024" } << "FCataMM"
                                                << "02" << QStringList { "28", "02", "2024" } << ""
                                                << "FCataYY";
    QTest::newRow("month 11 cuts day 31 to 30") << QStringList { "31", "", "" } << "FCataMM"
                                                << "11" << QStringList { "30", "11", "" } << ""
                                                << "FCataYY";
    QTest::newRow("month 12 keeps day 31") << QStringList { "31", "", "" } << "FCataMM"
                                           << "12" << QStringList { "31", "12", "" } << ""
                                           << "FCataYY";
    QTest::newRow("month 13 refused")
        << QStringList { "15", "", "2020" } << "FCataMM"
        << "13" << QStringList { "15", "", "2020" } << kMonthError << "FCataMM";
    QTest::newRow("year 98 padded then refused")
        << QStringList { "01", "01", "" } << "FCataYY"
        << "98" << QStringList { "01", "01", "" } << kYearError << "FCataYY";
    QTest::newRow("year 1799 refused") << blank << "FCataYY"
                                       << "1799" << blank << kYearError << "FCataYY";
    QTest::newRow("year 1800 accepted") << blank << "FCataYY"
                                        << "1800" << QStringList { "", "", "1800" } << ""
                                        << "HoraIni";
    QTest::newRow("year 2023 accepted") << QStringList { "5", "6", "" } << "FCataYY"
                                        << "2023" << QStringList { "05", "06", "2023" } << ""
                                        << "HoraIni";
}

void TestCataGen::dateExit()
{
    QFETCH(QStringList, before);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QStringList, after);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    TFormCataGen *w = openWindow();
    QVERIFY(w);
    w->FCataDD->setText(before[0]);
    w->FCataMM->setText(before[1]);
    w->FCataYY->setText(before[2]);
    auto *edit = w->findChild<TNumEdit *>(field);
    QVERIFY(edit);
    edit->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), edit);
    typeInto(edit, typed);
    QTest::keyClick(edit, Qt::Key_Tab);

    QCOMPARE(w->FCataDD->text(), after[0]);
    QCOMPARE(w->FCataMM->text(), after[1]);
    QCOMPARE(w->FCataYY->text(), after[2]);
    const auto messages = m_fx->script.takeMessages();
    if (message.isEmpty()) {
        QCOMPARE(messages.size(), 0);
    } else {
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].title, QStringLiteral("Caveto Error"));
        QCOMPARE(messages[0].text, message);
    }
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void TestCataGen::hourExit_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("hour 7 gets a zero") << "HoraIni"
                                        << "7"
                                        << "07"
                                        << ""
                                        << "HoraFin";
    QTest::newRow("hour 00") << "HoraIni"
                             << "00"
                             << "00"
                             << ""
                             << "HoraFin";
    QTest::newRow("hour 23 is the last") << "HoraIni"
                                         << "23"
                                         << "23"
                                         << ""
                                         << "HoraFin";
    QTest::newRow("hour 24 refused") << "HoraIni"
                                     << "24"
                                     << "" << kHourError << "HoraIni";
    QTest::newRow("hour 59 refused") << "HoraIni"
                                     << "59"
                                     << "" << kHourError << "HoraIni";
    QTest::newRow("empty hour") << "HoraIni"
                                << ""
                                << ""
                                << ""
                                << "HoraFin";
    QTest::newRow("minute 5 gets a zero") << "HoraFin"
                                          << "5"
                                          << "05"
                                          << ""
                                          << "Botella";
    QTest::newRow("minute 59 is the last") << "HoraFin"
                                           << "59"
                                           << "59"
                                           << ""
                                           << "Botella";
    QTest::newRow("minute 60 refused") << "HoraFin"
                                       << "60"
                                       << "" << kMinuteError << "HoraFin";
    QTest::newRow("minute 99 refused") << "HoraFin"
                                       << "99"
                                       << "" << kMinuteError << "HoraFin";
}

void TestCataGen::hourExit()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    TFormCataGen *w = openWindow();
    QVERIFY(w);
    auto *edit = w->findChild<TNumEdit *>(field);
    QVERIFY(edit);
    edit->setFocus(Qt::TabFocusReason);
    typeInto(edit, typed);
    QTest::keyClick(edit, Qt::Key_Tab);

    QCOMPARE(edit->text(), after);
    const auto messages = m_fx->script.takeMessages();
    QCOMPARE(messages.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(messages[0].title, QStringLiteral("Caveto Error"));
        QCOMPARE(messages[0].text, message);
    }
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void TestCataGen::numberFieldsTakeDigitsOnly_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("day stops at two digits") << "FCataDD"
                                             << "123"
                                             << "12";
    QTest::newRow("year stops at four digits") << "FCataYY"
                                               << "202345"
                                               << "2023";
    QTest::newRow("no decimal separator") << "HoraIni"
                                          << "1,5"
                                          << "15";
    QTest::newRow("no letters") << "HoraFin"
                                << "a3b"
                                << "3";
}

void TestCataGen::numberFieldsTakeDigitsOnly()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    TFormCataGen *w = openWindow();
    QVERIFY(w);
    auto *edit = w->findChild<TNumEdit *>(field);
    QVERIFY(edit);
    QVERIFY(!edit->Float());
    edit->setFocus(Qt::TabFocusReason);
    typeInto(edit, typed);
    QCOMPARE(edit->text(), shown);
}

void TestCataGen::noCheckWhenWindowOnlyLosesActivation()
{
    TFormCataGen *w = openWindow();
    QVERIFY(w);
    w->FCataMM->setFocus(Qt::TabFocusReason);
    typeInto(w->FCataMM, QStringLiteral("14"));

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(m_fx->script.messages.size(), 0);
    QCOMPARE(w->FCataMM->text(), QStringLiteral("14"));

    other.hide();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::focusWidget(), w->FCataMM);
    QCOMPARE(m_fx->script.messages.size(), 0);

    // A real move afterwards still runs the check.
    QTest::keyClick(w->FCataMM, Qt::Key_Tab);
    QCOMPARE(m_fx->script.takeMessages().size(), 1);
    QCOMPARE(w->FCataMM->text(), QString());
}

void TestCataGen::closingFromRefusedFieldKeepsWindowOpen_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    QTest::newRow("day") << "FCataDD"
                         << "40" << kDayError;
    QTest::newRow("month") << "FCataMM"
                           << "13" << kMonthError;
    QTest::newRow("year") << "FCataYY"
                          << "950" << kYearError;
    QTest::newRow("hour") << "HoraIni"
                          << "25" << kHourError;
    QTest::newRow("minute") << "HoraFin"
                            << "75" << kMinuteError;
}

void TestCataGen::closingFromRefusedFieldKeepsWindowOpen()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);

    FixedText &stored = m_fx->field(field);
    stored = QStringLiteral("11");
    m_fx->main->Catador = QStringLiteral("Ana");
    TFormCataGen *w = openWindow();
    QVERIFY(w);
    auto *edit = w->findChild<TNumEdit *>(field);
    QVERIFY(edit);
    edit->setFocus(Qt::TabFocusReason);
    typeInto(edit, typed);
    w->Catador->setText(QStringLiteral("Beatriz"));

    w->close();
    QVERIFY(w->isVisible());
    auto messages = m_fx->script.takeMessages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].text, message);
    QCOMPARE(edit->text(), QString());
    QCOMPARE(QApplication::focusWidget(), edit);
    // Nothing was written back while the window stayed open.
    QCOMPARE(stored.text(), QStringLiteral("11"));
    QCOMPARE(m_fx->main->Catador.text(), QStringLiteral("Ana"));

    // Closing again stores the emptied field with the rest.
    w->close();
    QVERIFY(!w->isVisible());
    QCOMPARE(m_fx->script.messages.size(), 0);
    QCOMPARE(stored.text(), QString());
    QCOMPARE(m_fx->main->Catador.text(), QStringLiteral("Beatriz"));
}

void TestCataGen::closingFromFieldStoresNormalisedValue()
{
    m_fx->main->FCataMM = QStringLiteral("04");
    TFormCataGen *w = openWindow();
    QVERIFY(w);
    w->FCataDD->setFocus(Qt::TabFocusReason);
    typeInto(w->FCataDD, QStringLiteral("31"));
    QTest::keyClick(w, Qt::Key_Escape);
    QVERIFY(!w->isVisible());
    QCOMPARE(m_fx->script.messages.size(), 0);
    QCOMPARE(m_fx->main->FCataDD.text(), QStringLiteral("30"));
    QCOMPARE(m_fx->main->FCataMM.text(), QStringLiteral("04"));
}

void TestCataGen::acceptButtonStoresGeneralData()
{
    m_fx->main->Botella = QStringLiteral("Magnum");
    m_fx->main->Tapon = QStringLiteral("Tapón de Rosca"); // not in the list
    TFormCataGen *w = openWindow();
    QVERIFY(w);
    QCOMPARE(QApplication::focusWidget(), w->Catador);
    QCOMPARE(w->Botella->currentText(), QStringLiteral("Magnum"));
    QCOMPARE(w->Tapon->currentText(), QStringLiteral("Tapón de Rosca"));
    QCOMPARE(w->Capsula->currentText(), QString());

    typeInto(w->Catador, QStringLiteral("Ana Pérez"));
    QTest::keyClick(w->Catador, Qt::Key_Tab);
    QTest::keyClicks(w->FCataDD, QStringLiteral("3"));
    QTest::keyClick(w->FCataDD, Qt::Key_Tab);
    QTest::keyClicks(w->FCataMM, QStringLiteral("9"));
    QTest::keyClick(w->FCataMM, Qt::Key_Tab);
    QTest::keyClicks(w->FCataYY, QStringLiteral("2022"));
    QTest::keyClick(w->FCataYY, Qt::Key_Tab);
    QTest::keyClicks(w->HoraIni, QStringLiteral("9"));
    QTest::keyClick(w->HoraIni, Qt::Key_Tab);
    QTest::keyClicks(w->HoraFin, QStringLiteral("30"));
    QTest::keyClick(w->HoraFin, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w->Botella);
    w->Capsula->setCurrentIndex(w->Capsula->findText(QStringLiteral("Plomo / Estaño")));
    typeInto(w->Barrica, QStringLiteral("Roble francés de Allier")); // 23 typed, 20 kept
    QCOMPARE(w->Barrica->text(), QStringLiteral("Roble francés de All"));
    QCOMPARE(m_fx->script.messages.size(), 0);

    QTest::mouseClick(w->BOkDatos, Qt::LeftButton);
    QVERIFY(!w->isVisible());
    TFormCavetoPas *main = m_fx->main.get();
    QCOMPARE(main->Catador.text(), QStringLiteral("Ana Pérez"));
    QCOMPARE(main->PSCatador->text(), QStringLiteral("Ana Pérez"));
    QCOMPARE(main->FCataDD.text(), QStringLiteral("03"));
    QCOMPARE(main->FCataMM.text(), QStringLiteral("09"));
    QCOMPARE(main->FCataYY.text(), QStringLiteral("2022"));
    QCOMPARE(main->HoraIni.text(), QStringLiteral("09"));
    QCOMPARE(main->HoraFin.text(), QStringLiteral("30"));
    QCOMPARE(main->Botella.text(), QStringLiteral("Magnum"));
    QCOMPARE(main->Tapon.text(), QStringLiteral("Tapón de Rosca"));
    QCOMPARE(main->Capsula.text(), QStringLiteral("Plomo / Estaño"));
    QCOMPARE(main->Fermentacion.text(), QString());
    QCOMPARE(main->Barrica.text(), QStringLiteral("Roble francés de All"));
}

QTEST_MAIN(TestCataGen)
#include "tst_catagen.moc"
