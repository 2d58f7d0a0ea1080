// The five tasting windows: the checks of the tasting date and hour, the
// mode rule, the write-back to the record and the main window's summary
// panels, the word lists of their fields and their reference texts.

#include "app/Globals.h"
#include "cellar/Cavetopas.h"
#include "cellar/EntryChecks.h"
#include "controls/Numedit.h"
#include "platform/MessageBox.h"
#include "tasting/CataConjunto.h"
#include "tasting/CataGen.h"
#include "tasting/CataGusto.h"
#include "tasting/CataOlfato.h"
#include "tasting/CataVista.h"
#include "tasting/TastingLists.h"

#include <QCollator>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace caveto::tasting;

namespace {

const QStringList kWindows = { "TFormCataGen", "TFormCataVista", "TFormCataOlfato",
    "TFormCataGusto", "TFormCataConjunto" };
const QStringList kSummaryPanels
    = { "PSCatador", "PVistaCali", "POlfatoCali", "PGustoCali", "PCaliFinal" };
const QHash<QString, QString> kErrors = {
    { "FCataDD", "Campo ( Dia de Cata ) Erroneo" },
    { "FCataMM", "Campo ( Mes de Cata ) Erroneo" },
    { "FCataYY", "Campo ( Año de Cata ) Erroneo" },
    { "HoraIni", "Campo  ( Hora de Cata )  Erroneo" },
    { "HoraFin", "Campo  ( Minutos de Cata )  Erroneo" },
};

std::unique_ptr<TTastingForm> makeWindow(const QString &className, TFormCavetoPas *main)
{
    if (className == QLatin1String("TFormCataGen"))
        return std::make_unique<TFormCataGen>(main);
    if (className == QLatin1String("TFormCataVista"))
        return std::make_unique<TFormCataVista>(main);
    if (className == QLatin1String("TFormCataOlfato"))
        return std::make_unique<TFormCataOlfato>(main);
    if (className == QLatin1String("TFormCataGusto"))
        return std::make_unique<TFormCataGusto>(main);
    return std::make_unique<TFormCataConjunto>(main);
}

// The record fields each window edits, in tab order.
QStringList fieldsOf(const QString &className)
{
    if (className == QLatin1String("TFormCataGen"))
        return { "Catador", "FCataDD", "FCataMM", "FCataYY", "HoraIni", "HoraFin", "Botella",
            "Tapon", "Capsula", "Fermentacion", "Barrica" };
    if (className == QLatin1String("TFormCataVista"))
        return { "Limpieza", "Color", "Intensidad", "Viscosidad", "CaliVista" };
    if (className == QLatin1String("TFormCataOlfato"))
        return { "Aroma1", "Aroma2", "Aroma3", "Aroma4", "Afrutado", "Bouquet", "CaliOlfato" };
    if (className == QLatin1String("TFormCataGusto"))
        return { "Dulzor", "Tanino", "Cuerpo", "Acidez", "Duracion", "Equilibrio", "CaliGusto" };
    return { "Conjunto1", "Conjunto2", "Conjunto3", "Conjunto4", "CaliConjunto" };
}

// The field whose value the window's summary panel shows.
QString ratedField(const QString &className)
{
    return className == QLatin1String("TFormCataGen") ? QStringLiteral("Catador")
                                                      : fieldsOf(className).last();
}

// A value that fits the field and is not one of its list's items.
QString sampleValue(const QString &field, int width)
{
    return width <= 4 ? QStringLiteral("12").left(width)
                      : (QStringLiteral("Otro ") + field).left(width);
}

QString shownText(const QWidget *control)
{
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    return QStringLiteral("<not a field>");
}

// Replaces a control's text by typing, as a user would.
void typeInto(QWidget *control, const QString &text)
{
    auto *combo = qobject_cast<QComboBox *>(control);
    QLineEdit *edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(control);
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    // Qt Test maps only ASCII to keys; an accented letter arrives as its text,
    // as from a keyboard layout that has it.
    for (QChar c : text) {
        const char ascii = c.unicode() < 0x80 ? char(c.unicode()) : 0;
        QTest::sendKeyEvent(QTest::Click, edit, ascii ? QTest::asciiToKey(ascii) : Qt::Key_unknown,
            QString(c), Qt::NoModifier);
    }
}

} // namespace

class TestTastingWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { reset(QStringLiteral("ALTA")); }
    void cleanup();

    void dateAndHourChecks_data();
    void dateAndHourChecks();
    void noCheckWhenWindowOnlyLosesActivation();
    void writeBack_data();
    void writeBack();
    void modeRule_data();
    void modeRule();
    void sourKeepsItsBlank();
    void lists_data();
    void lists();
    void referenceTexts();

private:
    void reset(const QString &mode);
    FixedText &field(const QString &name);
    TTastingForm *open(const QString &className);

    QTemporaryDir m_dir;
    caveto::DialogScript m_script; // records the message boxes
    std::unique_ptr<TFormCavetoPas> m_main;
    std::unique_ptr<TTastingForm> m_window;
};

void TestTastingWindows::initTestCase()
{
    // The main window, built in a scratch application folder, past its splash.
    caveto::setAppFolderOverride(m_dir.path());
    m_script.clickNext(QStringLiteral("TFormInicio"), QStringLiteral("BEntrar"));
    m_main = std::make_unique<TFormCavetoPas>();
    QVERIFY(!m_main->cancelled());
}

void TestTastingWindows::cleanup()
{
    m_window.reset();
    QCOMPARE(m_script.unexpected, QStringList());
}

// A known wine in the header and an empty tasting, in the given mode.
void TestTastingWindows::reset(const QString &mode)
{
    m_main->ModoActual = mode;
    m_main->NombreVino->setText(QStringLiteral("Viña Ardanza"));
    for (int i = 0; i < caveto::kFieldCount; ++i) {
        if (FixedText *t = m_main->tastingField(static_cast<caveto::Field>(i)))
            t->clear();
    }
    for (const QString &panel : kSummaryPanels)
        m_main->findChild<QLabel *>(panel)->setText(QStringLiteral("Sin Datos"));
    m_script.takeMessages();
}

// The record field edited by the control of that name.
FixedText &TestTastingWindows::field(const QString &name)
{
    const int index = caveto::fieldIndex(name);
    FixedText *t = index < 0 ? nullptr : m_main->tastingField(static_cast<caveto::Field>(index));
    Q_ASSERT_X(t, "field", qPrintable(name));
    return *t;
}

TTastingForm *TestTastingWindows::open(const QString &className)
{
    m_window = makeWindow(className, m_main.get());
    m_window->show();
    return QTest::qWaitForWindowActive(m_window.get()) ? m_window.get() : nullptr;
}

// Day|month|year in the record; the field typed in, what is typed and
// whether the window is then closed instead of tabbing on; then
// day|month|year|hour|minute after the check, and the field holding the
// focus: the typed one itself when its value was refused, none when the
// window closed.
void TestTastingWindows::dateAndHourChecks_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("closing");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("focus");
    auto row = [](const char *tag, const char *before, const char *field, const char *typed,
                   const char *after, const char *focus, bool closing = false) {
        QTest::newRow(tag) << before << field << typed << closing << after << focus;
    };
    row("one-digit day gets a zero", "||", "FCataDD", "7", "07||||", "FCataMM");
    row("day 32 refused", "|05|2020", "FCataDD", "32", "|05|2020||", "FCataDD");
    row("empty day is allowed", "|05|", "FCataDD", "", "|05|||", "FCataMM");
    row("day 31 in April becomes 30", "|04|2021", "FCataDD", "31", "30|04|2021||", "FCataMM");
    row("month 13 refused", "15||2020", "FCataMM", "13", "15||2020||", "FCataMM");
    row("year 98 padded then refused", "01|01|", "FCataYY", "98", "01|01|||", "FCataYY");
    row("year 1800 accepted", "||", "FCataYY", "1800", "||1800||", "HoraIni");
    row("hour 7 gets a zero", "||", "HoraIni", "7", "|||07|", "HoraFin");
    row("hour 23 is the last", "||", "HoraIni", "23", "|||23|", "HoraFin");
    row("hour 24 refused", "||", "HoraIni", "24", "||||", "HoraIni");
    row("minute 59 is the last", "||", "HoraFin", "59", "||||59", "Botella");
    row("minute 60 refused", "||", "HoraFin", "60", "||||", "HoraFin");
    row("closing on a refused day", "11|04|", "FCataDD", "40", "|04|||", "FCataDD", true);
    row("closing on a refused minute", "||", "HoraFin", "75", "||||", "HoraFin", true);
    row("closing on April 31", "|04|", "FCataDD", "31", "30|04|||", "", true);
}

void TestTastingWindows::dateAndHourChecks()
{
    QFETCH(QString, before);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(bool, closing);
    QFETCH(QString, after);
    QFETCH(QString, focus);

    const QStringList date = before.split(QLatin1Char('|'));
    m_main->FCataDD = date[0];
    m_main->FCataMM = date[1];
    m_main->FCataYY = date[2];
    auto record = [this] {
        return QStringList { m_main->FCataDD.text(), m_main->FCataMM.text(), m_main->FCataYY.text(),
            m_main->HoraIni.text(), m_main->HoraFin.text() }
            .join(QLatin1Char('|'));
    };
    auto *w = static_cast<TFormCataGen *>(open(QStringLiteral("TFormCataGen")));
    QVERIFY(w);
    auto *edit = w->findChild<TNumEdit *>(field);
    QVERIFY(edit);
    edit->setFocus(Qt::TabFocusReason);
    typeInto(edit, typed);
    if (closing)
        w->close();
    else
        QTest::keyClick(edit, Qt::Key_Tab);

    const QStringList shown = { w->FCataDD->text(), w->FCataMM->text(), w->FCataYY->text(),
        w->HoraIni->text(), w->HoraFin->text() };
    QCOMPARE(shown.join(QLatin1Char('|')), after);
    QCOMPARE(w->isVisible(), !focus.isEmpty());
    if (!focus.isEmpty()) {
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }
    const bool refused = focus == field;
    const auto messages = m_script.takeMessages();
    QCOMPARE(messages.size(), refused ? 1 : 0);
    if (refused) {
        QCOMPARE(messages[0].title, QStringLiteral("Caveto Error"));
        QCOMPARE(messages[0].text, kErrors.value(field));
    }
    if (closing) {
        // Refused, nothing is written back while the window stays open;
        // closing again stores the emptied field with the rest.
        if (refused) {
            QCOMPARE(record(), before + QStringLiteral("||"));
            w->close();
            QVERIFY(!w->isVisible());
            QCOMPARE(m_script.messages.size(), 0);
        }
        QCOMPARE(record(), after);
    }
}

void TestTastingWindows::noCheckWhenWindowOnlyLosesActivation()
{
    auto *w = static_cast<TFormCataGen *>(open(QStringLiteral("TFormCataGen")));
    QVERIFY(w);
    w->FCataMM->setFocus(Qt::TabFocusReason);
    typeInto(w->FCataMM, QStringLiteral("14"));

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    other.hide();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::focusWidget(), w->FCataMM);
    QCOMPARE(m_script.messages.size(), 0);
    QCOMPARE(w->FCataMM->text(), QStringLiteral("14"));

    // A real move afterwards still runs the check.
    QTest::keyClick(w->FCataMM, Qt::Key_Tab);
    QCOMPARE(m_script.takeMessages().size(), 1);
    QCOMPARE(w->FCataMM->text(), QString());
}

void TestTastingWindows::writeBack_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    auto row = [](const char *tag, const char *window, const char *way, const char *control,
                   const char *typed, const char *stored) {
        QTest::newRow(tag) << window << way << control << QString::fromUtf8(typed)
                           << QString::fromUtf8(stored);
    };
    row("taster", "TFormCataGen", "aceptar", "Catador", "Ana Pérez", "Ana Pérez");
    row("long taster", "TFormCataGen", "close", "Catador", "Bartolomé de las Casas y Mendoza",
        "Bartolomé de las Casas y Mendo");
    row("long cork", "TFormCataGen", "escape", "Tapon", "Corcho Natural Colmatado",
        "Corcho Natural Colma");
    row("25-character aroma", "TFormCataOlfato", "aceptar", "Aroma4", "Flores blancas de azahar.",
        "Flores blancas de az");
    row("12-character rating", "TFormCataVista", "close", "CaliVista", "Muy Bueno ++",
        "Muy Bueno ");
    row("taste rating", "TFormCataGusto", "escape", "CaliGusto", "Regular tirando", "Regular ti");
    row("final rating", "TFormCataConjunto", "aceptar", "CaliConjunto", "Excelente", "Excelente");
}

void TestTastingWindows::writeBack()
{
    QFETCH(QString, window);
    QFETCH(QString, way);
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, stored);

    TTastingForm *w = open(window);
    QVERIFY(w);
    auto *c = w->dataPanel()->findChild<QWidget *>(control);
    QVERIFY(c);
    c->setFocus(Qt::TabFocusReason);
    typeInto(c, typed);
    if (way == QLatin1String("aceptar"))
        QTest::mouseClick(w->acceptButton(), Qt::LeftButton);
    else if (way == QLatin1String("close"))
        QVERIFY(w->close());
    else
        QTest::keyClick(w, Qt::Key_Escape);
    QVERIFY(!w->isVisible());
    QCOMPARE(field(control).text(), stored);

    // Only the window's own summary panel changes: it shows all that could be
    // typed when its field was the one typed in.
    const QString own = kSummaryPanels[kWindows.indexOf(window)];
    const QString rated = ratedField(window);
    for (const QString &panel : kSummaryPanels) {
        const QString text = m_main->findChild<QLabel *>(panel)->text();
        if (panel != own)
            QCOMPARE(text, QStringLiteral("Sin Datos"));
        else
            QCOMPARE(text, control == rated ? typed.left(30) : field(rated).text());
    }
    QCOMPARE(m_script.messages.size(), 0);
}

// Only adding and modifying let the fields be changed; otherwise the
// reference text takes the focus.
void TestTastingWindows::modeRule_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<QString>("focus");
    auto row
        = [](const char *tag, const char *window, const char *mode, bool editable,
              const char *focus) { QTest::newRow(tag) << window << mode << editable << focus; };
    row("general ALTA", "TFormCataGen", "ALTA", true, "Catador");
    row("general MODI", "TFormCataGen", "MODI", true, "Catador");
    row("smell ALTA", "TFormCataOlfato", "ALTA", true, "Aroma1");
    row("general BAJA", "TFormCataGen", "BAJA", false, "MDatosCata");
    row("general CONS", "TFormCataGen", "CONS", false, "MDatosCata");
    row("sight CONS", "TFormCataVista", "CONS", false, "MVista");
    row("smell CONS", "TFormCataOlfato", "CONS", false, "MOlfato");
    row("taste CONS", "TFormCataGusto", "CONS", false, "MGusto");
    row("overall CONS", "TFormCataConjunto", "CONS", false, "MCalidad");
}

void TestTastingWindows::modeRule()
{
    QFETCH(QString, window);
    QFETCH(QString, mode);
    QFETCH(bool, editable);
    QFETCH(QString, focus);

    // Every other field holds a value that is not a list item, the rest stay
    // empty: an empty list field must not show the first item of its list.
    reset(mode);
    const QStringList fields = fieldsOf(window);
    QStringList values;
    for (int i = 0; i < fields.size(); ++i) {
        FixedText &f = field(fields[i]);
        f = i % 2 == 0 ? sampleValue(fields[i], f.capacity()) : QString();
        values << f.text();
    }
    TTastingForm *w = open(window);
    QVERIFY(w);
    QCOMPARE(w->PNombreVino->text(), QStringLiteral("Viña Ardanza"));
    for (int i = 0; i < fields.size(); ++i)
        QCOMPARE(shownText(w->dataPanel()->findChild<QWidget *>(fields[i])), values[i]);
    QCOMPARE(w->dataPanel()->isEnabled(), editable);
    QVERIFY(w->referenceText()->isEnabled());
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);

    // Closing writes the same values back; the summary panel shows its own.
    QVERIFY(w->close());
    for (int i = 0; i < fields.size(); ++i)
        QCOMPARE(field(fields[i]).text(), values[i]);
    auto *panel = m_main->findChild<QLabel *>(kSummaryPanels[kWindows.indexOf(window)]);
    QCOMPARE(panel->text(), field(ratedField(window)).text());
}

void TestTastingWindows::sourKeepsItsBlank()
{
    auto *w = static_cast<TFormCataOlfato *>(open(QStringLiteral("TFormCataOlfato")));
    QVERIFY(w);
    // Picked from the list with the keyboard: "Acacia", then "Agrio ".
    w->Aroma2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w->Aroma2, Qt::Key_Down);
    QTest::keyClick(w->Aroma2, Qt::Key_Down);
    QCOMPARE(w->Aroma2->currentText(), QStringLiteral("Agrio "));
    QTest::mouseClick(w->BOkOlfato, Qt::LeftButton);
    QCOMPARE(m_main->Aroma2.text(), QStringLiteral("Agrio "));
}

// The list fields with the list each shows and its length; all but the
// rating scale are in Spanish alphabetical order.
void TestTastingWindows::lists_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("controls");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("size");
    auto row = [](const char *window, const QStringList &controls, const QStringList &items,
                   int size) {
        QTest::addRow("%s", qPrintable(controls.first())) << window << controls << items << size;
    };
    row("TFormCataGen", { "Botella" }, botellaList(), 7);
    row("TFormCataGen", { "Tapon" }, taponList(), 8);
    row("TFormCataGen", { "Capsula" }, capsulaList(), 5);
    row("TFormCataGen", { "Fermentacion" }, fermentacionList(), 4);
    row("TFormCataVista", { "Limpieza" }, limpiezaList(), 10);
    row("TFormCataVista", { "Color" }, colorList(), 37);
    row("TFormCataVista", { "Intensidad" }, intensidadList(), 8);
    row("TFormCataVista", { "Viscosidad" }, viscosidadList(), 5);
    row("TFormCataOlfato", { "Aroma1", "Aroma2", "Aroma3", "Aroma4" }, aromaList(), 81);
    row("TFormCataOlfato", { "Afrutado" }, afrutadoList(), 4);
    row("TFormCataOlfato", { "Bouquet" }, bouquetList(), 4);
    row("TFormCataGusto", { "Dulzor" }, dulzorList(), 14);
    row("TFormCataGusto", { "Tanino" }, taninoList(), 11);
    row("TFormCataGusto", { "Cuerpo" }, cuerpoList(), 5);
    row("TFormCataGusto", { "Acidez" }, acidezList(), 19);
    row("TFormCataGusto", { "Duracion" }, duracionList(), 4);
    row("TFormCataGusto", { "Equilibrio", "CaliGusto" }, ratingScale(), 5);
    row("TFormCataConjunto", { "Conjunto1", "Conjunto2", "Conjunto3", "Conjunto4" }, conjuntoList(),
        28);
}

void TestTastingWindows::lists()
{
    QFETCH(QString, window);
    QFETCH(QStringList, controls);
    QFETCH(QStringList, items);
    QFETCH(int, size);

    const auto w = makeWindow(window, m_main.get());
    for (const QString &name : controls) {
        auto *combo = w->dataPanel()->findChild<QComboBox *>(name);
        QVERIFY2(combo, qPrintable(name));
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        QCOMPARE(shown, items);
    }
    QCOMPARE(items.size(), size);
    QCOMPARE(QSet<QString>(items.cbegin(), items.cend()).size(), size);
    // Every item fits a 20-column term field as it is.
    for (const QString &word : items) {
        QVERIFY2(!word.isEmpty() && word.size() <= 20, qPrintable(word));
        QCOMPARE(caveto::storableText(word), word);
    }
    if (items == ratingScale()) {
        QCOMPARE(
            items, QStringList({ "Deficiente", "Regular", "Bueno", "Muy Bueno", "Excelente" }));
        return;
    }
    // Accents do not move a word: "Níscalo" sits between "Narciso" and "Nuez".
    QCollator collator { QLocale(QLocale::Spanish, QLocale::Spain) };
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (qsizetype i = 1; i < items.size(); ++i)
        QVERIFY2(collator.compare(items[i - 1], items[i]) < 0, qPrintable(items[i]));
}

// Every heading listed in the expected file, as a line of its window's text.
void TestTastingWindows::referenceTexts()
{
    QHash<QString, QStringList> linesOf; // by the reference text's name
    for (const QString &className : kWindows) {
        const auto w = makeWindow(className, m_main.get());
        QStringList lines = w->referenceText()->toPlainText().split(QLatin1Char('\n'));
        for (QString &l : lines) {
            while (l.endsWith(QLatin1Char(' ')))
                l.chop(1);
        }
        linesOf.insert(w->referenceText()->objectName(), lines);
    }
    QFile file(QStringLiteral(CAVETO_TASTING_EXPECTED));
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
    QSet<QString> covered;
    for (const QString &entry :
        QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(QLatin1Char('\t'));
        QCOMPARE(parts.size(), 2);
        const QString name = QString(parts[0]).remove(QLatin1String(".txt"));
        QVERIFY2(linesOf.value(name).contains(parts[1]), qPrintable(entry));
        covered.insert(name);
    }
    QCOMPARE(covered.size(), linesOf.size());
}

QTEST_MAIN(TestTastingWindows)
#include "tst_tastingwindows.moc"
