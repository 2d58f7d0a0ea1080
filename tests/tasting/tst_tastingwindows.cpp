// The five tasting windows: the checks of the tasting date and hour, the
// mode rule, the write-back to the record and the main window's summary
// panels, the word lists of their fields and their reference texts.

#include "support/CavetoFixture.h"

#include "cellar/EntryChecks.h"
#include "tasting/CataConjunto.h"
#include "tasting/CataGen.h"
#include "tasting/CataGusto.h"
#include "tasting/CataOlfato.h"
#include "tasting/CataVista.h"
#include "tasting/TastingLists.h"

#include <QCollator>
#include <QLabel>
#include <QPlainTextEdit>

using namespace caveto::tasting;
using namespace Qt::Literals::StringLiterals;

namespace {

template <class Form> std::unique_ptr<TTastingForm> make(TFormCavetoPas *main)
{
    return std::make_unique<Form>(main);
}

// Each window: the record fields it edits, in tab order (the last one, or
// the taster, is what its summary panel shows), and that panel.
struct Window
{
    QString name;
    QStringList fields;
    QString panel;
    std::unique_ptr<TTastingForm> (*create)(TFormCavetoPas *);
};
const QList<Window> kWindows = {
    { u"TFormCataGen"_s,
        { u"Catador"_s, u"FCataDD"_s, u"FCataMM"_s, u"FCataYY"_s, u"HoraIni"_s, u"HoraFin"_s,
            u"Botella"_s, u"Tapon"_s, u"Capsula"_s, u"Fermentacion"_s, u"Barrica"_s },
        u"PSCatador"_s, make<TFormCataGen> },
    { u"TFormCataVista"_s,
        { u"Limpieza"_s, u"Color"_s, u"Intensidad"_s, u"Viscosidad"_s, u"CaliVista"_s },
        u"PVistaCali"_s, make<TFormCataVista> },
    { u"TFormCataOlfato"_s,
        { u"Aroma1"_s, u"Aroma2"_s, u"Aroma3"_s, u"Aroma4"_s, u"Afrutado"_s, u"Bouquet"_s,
            u"CaliOlfato"_s },
        u"POlfatoCali"_s, make<TFormCataOlfato> },
    { u"TFormCataGusto"_s,
        { u"Dulzor"_s, u"Tanino"_s, u"Cuerpo"_s, u"Acidez"_s, u"Duracion"_s, u"Equilibrio"_s,
            u"CaliGusto"_s },
        u"PGustoCali"_s, make<TFormCataGusto> },
    { u"TFormCataConjunto"_s,
        { u"Conjunto1"_s, u"Conjunto2"_s, u"Conjunto3"_s, u"Conjunto4"_s, u"CaliConjunto"_s },
        u"PCaliFinal"_s, make<TFormCataConjunto> },
};

const QHash<QString, QString> kErrors = {
    { u"FCataDD"_s, u"Campo ( Dia de Cata ) Erroneo"_s },
    { u"FCataMM"_s, u"Campo ( Mes de Cata ) Erroneo"_s },
    { u"FCataYY"_s, u"Campo ( Año de Cata ) Erroneo"_s },
    { u"HoraIni"_s, u"Campo  ( Hora de Cata )  Erroneo"_s },
    { u"HoraFin"_s, u"Campo  ( Minutos de Cata )  Erroneo"_s },
};

const Window &windowNamed(const QString &name)
{
    for (const Window &w : kWindows) {
        if (w.name == name)
            return w;
    }
    qFatal("no tasting window %s", qPrintable(name));
}

QString ratedField(const Window &w)
{
    return w.name == u"TFormCataGen"_s ? u"Catador"_s : w.fields.last();
}

QString shownText(const QWidget *control)
{
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    return u"<not a field>"_s;
}

} // namespace

class TestTastingWindows : public QObject
{
    Q_OBJECT

    CavetoFixture m_f;
    TFormCavetoPas *m_main = nullptr;
    std::unique_ptr<TTastingForm> m_window;

    // A known wine in the header and an empty tasting, in the given mode.
    void reset(const QString &mode)
    {
        m_main->ModoActual = mode;
        m_main->NombreVino->setText(u"Viña Ardanza"_s);
        for (int i = 0; i < caveto::kFieldCount; ++i) {
            if (FixedText *t = m_main->tastingField(static_cast<caveto::Field>(i)))
                t->clear();
        }
        for (const Window &w : kWindows)
            m_main->findChild<QLabel *>(w.panel)->setText(u"Sin Datos"_s);
        m_f.messages();
    }

    // The record field edited by the control of that name.
    FixedText &field(const QString &name)
    {
        return *m_main->tastingField(static_cast<caveto::Field>(caveto::fieldIndex(name)));
    }

    TTastingForm *open(const QString &name)
    {
        m_window = windowNamed(name).create(m_main);
        m_window->show();
        return QTest::qWaitForWindowActive(m_window.get()) ? m_window.get() : nullptr;
    }

private slots:
    void initTestCase()
    {
        m_f.start();
        m_main = m_f.window.get();
    }
    void init() { reset(u"ALTA"_s); }
    void cleanup()
    {
        m_window.reset();
        QCOMPARE(m_f.script->unexpected, QStringList());
    }

    // Day|month|year in the record; the field typed in, what is typed and
    // whether the window is then closed instead of tabbing on; then
    // day|month|year|hour|minute after the check, and the field holding the
    // focus: the typed one itself when its value was refused, none when the
    // window closed.
    void dateAndHourChecks_data()
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
    void dateAndHourChecks()
    {
        QFETCH(QString, before);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(bool, closing);
        QFETCH(QString, after);
        QFETCH(QString, focus);
        const QStringList date = before.split(u'|');
        m_main->FCataDD = date[0];
        m_main->FCataMM = date[1];
        m_main->FCataYY = date[2];
        auto record = [this] {
            return QStringList { m_main->FCataDD.text(), m_main->FCataMM.text(),
                m_main->FCataYY.text(), m_main->HoraIni.text(), m_main->HoraFin.text() }
                .join(u'|');
        };
        auto *w = static_cast<TFormCataGen *>(open(u"TFormCataGen"_s));
        QVERIFY(w);
        auto *edit = w->findChild<TNumEdit *>(field);
        CavetoFixture::retype(edit, typed);
        if (closing)
            w->close();
        else
            QTest::keyClick(edit, Qt::Key_Tab);

        const QStringList shown = { w->FCataDD->text(), w->FCataMM->text(), w->FCataYY->text(),
            w->HoraIni->text(), w->HoraFin->text() };
        QCOMPARE(shown.join(u'|'), after);
        QCOMPARE(w->isVisible(), !focus.isEmpty());
        if (!focus.isEmpty()) {
            QVERIFY(QApplication::focusWidget());
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        }
        const bool refused = focus == field;
        QCOMPARE(m_f.messageLines(),
            refused ? QStringList { u"Caveto Error | "_s + kErrors.value(field) } : QStringList());
        if (closing) {
            // Refused, nothing is written back while the window stays open;
            // closing again stores the emptied field with the rest.
            if (refused) {
                QCOMPARE(record(), before + u"||"_s);
                w->close();
                QVERIFY(!w->isVisible());
                QVERIFY(m_f.messages().isEmpty());
            }
            QCOMPARE(record(), after);
        }
    }

    void noCheckWhenWindowOnlyLosesActivation()
    {
        auto *w = static_cast<TFormCataGen *>(open(u"TFormCataGen"_s));
        QVERIFY(w);
        CavetoFixture::retype(w->FCataMM, u"14"_s);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        other.hide();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(QApplication::focusWidget(), w->FCataMM);
        QVERIFY(m_f.messages().isEmpty());
        QCOMPARE(w->FCataMM->text(), u"14"_s);

        // A real move afterwards still runs the check.
        QTest::keyClick(w->FCataMM, Qt::Key_Tab);
        QCOMPARE(m_f.messages().size(), 1);
        QCOMPARE(w->FCataMM->text(), QString());
    }

    // Typed, then the window left by its button, its close box or Escape:
    // the record holds what its field takes, and only the window's own
    // summary panel changes, showing all that was typed in its field.
    void writeBack_data()
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
        row("25-character aroma", "TFormCataOlfato", "aceptar", "Aroma4",
            "Flores blancas de azahar.", "Flores blancas de az");
        row("12-character rating", "TFormCataVista", "close", "CaliVista", "Muy Bueno ++",
            "Muy Bueno ");
        row("taste rating", "TFormCataGusto", "escape", "CaliGusto", "Regular tirando",
            "Regular ti");
        row("final rating", "TFormCataConjunto", "aceptar", "CaliConjunto", "Excelente",
            "Excelente");
    }
    void writeBack()
    {
        QFETCH(QString, window);
        QFETCH(QString, way);
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        TTastingForm *w = open(window);
        QVERIFY(w);
        CavetoFixture::retype(w->dataPanel()->findChild<QWidget *>(control), typed);
        if (way == u"aceptar"_s)
            QTest::mouseClick(w->acceptButton(), Qt::LeftButton);
        else if (way == u"close"_s)
            QVERIFY(w->close());
        else
            QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!w->isVisible());
        QCOMPARE(field(control).text(), stored);
        const Window &own = windowNamed(window);
        for (const Window &other : kWindows) {
            const QString text = m_main->findChild<QLabel *>(other.panel)->text();
            if (&other != &own)
                QCOMPARE(text, u"Sin Datos"_s);
            else
                QCOMPARE(text,
                    control == ratedField(own) ? typed.left(30) : field(ratedField(own)).text());
        }
        QVERIFY(m_f.messages().isEmpty());
    }

    // Only adding and modifying let the fields be changed; otherwise the
    // reference text takes the focus.
    void modeRule_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("focus");
        QTest::newRow("general ALTA") << u"TFormCataGen"_s << u"ALTA"_s << u"Catador"_s;
        QTest::newRow("general MODI") << u"TFormCataGen"_s << u"MODI"_s << u"Catador"_s;
        QTest::newRow("smell ALTA") << u"TFormCataOlfato"_s << u"ALTA"_s << u"Aroma1"_s;
        QTest::newRow("general BAJA") << u"TFormCataGen"_s << u"BAJA"_s << u"MDatosCata"_s;
        const char *texts[] = { "MDatosCata", "MVista", "MOlfato", "MGusto", "MCalidad" };
        for (int i = 0; i < 5; ++i)
            QTest::addRow("%s CONS", qPrintable(kWindows[i].name))
                << kWindows[i].name << u"CONS"_s << QString::fromLatin1(texts[i]);
    }
    void modeRule()
    {
        QFETCH(QString, window);
        QFETCH(QString, mode);
        QFETCH(QString, focus);
        // Every other field holds a value that is not a list item, the rest
        // stay empty: an empty list field must not show the first item of
        // its list.
        reset(mode);
        const QStringList fields = windowNamed(window).fields;
        QStringList values;
        for (int i = 0; i < fields.size(); ++i) {
            FixedText &f = field(fields[i]);
            f = i % 2 ? QString() : (u"12Otro "_s + fields[i]).left(f.capacity());
            values << f.text();
        }
        TTastingForm *w = open(window);
        QVERIFY(w);
        QCOMPARE(w->PNombreVino->text(), u"Viña Ardanza"_s);
        for (int i = 0; i < fields.size(); ++i)
            QCOMPARE(shownText(w->dataPanel()->findChild<QWidget *>(fields[i])), values[i]);
        QCOMPARE(w->dataPanel()->isEnabled(), mode == u"ALTA"_s || mode == u"MODI"_s);
        QVERIFY(w->referenceText()->isEnabled());
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);

        // Closing writes the same values back; the summary panel shows its own.
        QVERIFY(w->close());
        for (int i = 0; i < fields.size(); ++i)
            QCOMPARE(field(fields[i]).text(), values[i]);
        QCOMPARE(m_main->findChild<QLabel *>(windowNamed(window).panel)->text(),
            field(ratedField(windowNamed(window))).text());
    }

    void sourKeepsItsBlank()
    {
        auto *w = static_cast<TFormCataOlfato *>(open(u"TFormCataOlfato"_s));
        QVERIFY(w);
        // Picked from the list with the keyboard: "Acacia", then "Agrio ".
        moveFocus(w->Aroma2);
        QTest::keyClick(w->Aroma2, Qt::Key_Down);
        QTest::keyClick(w->Aroma2, Qt::Key_Down);
        QTest::mouseClick(w->BOkOlfato, Qt::LeftButton);
        QCOMPARE(m_main->Aroma2.text(), u"Agrio "_s);
    }

    // The list fields with the list each shows and its length; all but the
    // rating scale are in Spanish alphabetical order.
    void lists_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("controls");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("size");
        auto row = [](const char *window, const QStringList &controls, const QStringList &items,
                       int size) {
            QTest::addRow("%s", qPrintable(controls.first()))
                << window << controls << items << size;
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
        row("TFormCataConjunto", { "Conjunto1", "Conjunto2", "Conjunto3", "Conjunto4" },
            conjuntoList(), 28);
    }
    void lists()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, controls);
        QFETCH(QStringList, items);
        QFETCH(int, size);
        const auto w = windowNamed(window).create(m_main);
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
    void referenceTexts()
    {
        QHash<QString, QStringList> linesOf; // by the reference text's name
        for (const Window &window : kWindows) {
            const auto w = window.create(m_main);
            QStringList lines = w->referenceText()->toPlainText().split(u'\n');
            for (QString &l : lines) {
                while (l.endsWith(u' '))
                    l.chop(1);
            }
            linesOf.insert(w->referenceText()->objectName(), lines);
        }
        QFile file(QStringLiteral(CAVETO_TASTING_EXPECTED));
        QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
        QSet<QString> covered;
        for (const QString &entry :
            QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList parts = entry.split(u'\t');
            QCOMPARE(parts.size(), 2);
            const QString name = QString(parts[0]).remove(u".txt"_s);
            QVERIFY2(linesOf.value(name).contains(parts[1]), qPrintable(entry));
            covered.insert(name);
        }
        QCOMPARE(covered.size(), linesOf.size());
    }
};

QTEST_MAIN(TestTastingWindows)
#include "tst_tastingwindows.moc"
