// The five tasting windows: what the date and hour checks do to the window,
// the mode rule, the write-back and summary panels, word lists and texts.

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
#include <QRegularExpression>

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
    return *std::find_if(
        kWindows.cbegin(), kWindows.cend(), [&](const Window &w) { return w.name == name; });
}

QString ratedField(const Window &w)
{
    return w.name == u"TFormCataGen"_s ? u"Catador"_s : w.fields.last();
}

QString shownText(const QWidget *control)
{
    const QVariant list = control->property("currentText");
    return list.isValid() ? list.toString() : control->property("text").toString();
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

    // With 11-04-2021 in the record: the field typed in, what is typed, then
    // day|month|year|hour|minute shown and the field with the focus (the
    // refused one itself; none once closed), tabbing on or closing.
    void dateAndHourChecks_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("closing");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("focus");
        auto row = [](const char *tag, const char *field, const char *typed, const char *after,
                       const char *focus, bool closing = false) {
            QTest::newRow(tag) << field << typed << closing << after << focus;
        };
        row("day 32 refused", "FCataDD", "32", "|04|2021||", "FCataDD");
        row("day 31 in April becomes 30", "FCataDD", "31", "30|04|2021||", "FCataMM");
        row("month 13 refused", "FCataMM", "13", "11||2021||", "FCataMM");
        row("year 98 refused", "FCataYY", "98", "11|04|||", "FCataYY");
        row("hour 23 is the last", "HoraIni", "23", "11|04|2021|23|", "HoraFin");
        row("hour 24 refused", "HoraIni", "24", "11|04|2021||", "HoraIni");
        row("minute 59 is the last", "HoraFin", "59", "11|04|2021||59", "Botella");
        row("minute 60 refused", "HoraFin", "60", "11|04|2021||", "HoraFin");
        row("closing on a refused day", "FCataDD", "40", "|04|2021||", "FCataDD", true);
        row("closing on a refused minute", "HoraFin", "75", "11|04|2021||", "HoraFin", true);
        row("closing on April 31", "FCataDD", "31", "30|04|2021||", "", true);
    }
    void dateAndHourChecks()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(bool, closing);
        QFETCH(QString, after);
        QFETCH(QString, focus);
        m_main->FCataDD = u"11"_s;
        m_main->FCataMM = u"04"_s;
        m_main->FCataYY = u"2021"_s;
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
        if (!focus.isEmpty())
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        const bool refused = focus == field;
        QCOMPARE(m_f.messageLines(),
            refused ? QStringList { u"Caveto Error | "_s + kErrors.value(field) } : QStringList());
        if (closing) {
            // Refused: nothing written back until closed again.
            if (refused) {
                QCOMPARE(record(), u"11|04|2021||"_s);
                w->close();
                QVERIFY(!w->isVisible());
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
    }

    // Every other field of the window holds a value no list has. Opened in a
    // mode: only adding lets the fields change, else the text has the focus.
    // Then (if given) one field retyped and the window left by its button,
    // close box or Escape: the record holds what each field takes, and only
    // the window's own summary panel changes, showing all that was typed.
    void openEditLeave_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("way");
        auto row = [](const char *tag, const char *window, const char *mode, const char *focus,
                       const char *control, const char *typed, const char *stored,
                       const char *way) {
            QTest::newRow(tag) << window << mode << focus << control << QString::fromUtf8(typed)
                               << QString::fromUtf8(stored) << way;
        };
        row("taster", "TFormCataGen", "ALTA", "Catador", "Catador", "Ana Pérez", "Ana Pérez",
            "aceptar");
        row("long cork", "TFormCataGen", "ALTA", "Catador", "Tapon", "Corcho Natural Colmatado",
            "Corcho Natural Colma", "escape");
        row("general, deleting", "TFormCataGen", "BAJA", "MDatosCata", "", "", "", "close");
        row("25-character aroma", "TFormCataOlfato", "ALTA", "Aroma1", "Aroma4",
            "Flores blancas de azahar.", "Flores blancas de az", "aceptar");
        row("12-character rating", "TFormCataVista", "ALTA", "Limpieza", "CaliVista",
            "Muy Bueno ++", "Muy Bueno ", "close");
        row("taste, consulting", "TFormCataGusto", "CONS", "MGusto", "", "", "", "escape");
        row("final rating", "TFormCataConjunto", "ALTA", "Conjunto1", "CaliConjunto", "Excelente",
            "Excelente", "aceptar");
    }
    void openEditLeave()
    {
        QFETCH(QString, window);
        QFETCH(QString, mode);
        QFETCH(QString, focus);
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, way);
        reset(mode);
        const Window &own = windowNamed(window);
        QStringList values;
        for (int i = 0; i < own.fields.size(); ++i) {
            FixedText &f = field(own.fields[i]);
            f = i % 2 ? QString() : (u"12Otro "_s + own.fields[i]).left(f.capacity());
            values << f.text();
        }
        TTastingForm *w = open(window);
        QVERIFY(w);
        QCOMPARE(w->PNombreVino->text(), u"Viña Ardanza"_s);
        for (int i = 0; i < own.fields.size(); ++i)
            QCOMPARE(shownText(w->dataPanel()->findChild<QWidget *>(own.fields[i])), values[i]);
        QCOMPARE(w->dataPanel()->isEnabled(), mode == u"ALTA"_s);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);

        if (!control.isEmpty()) {
            CavetoFixture::retype(w->dataPanel()->findChild<QWidget *>(control), typed);
            values[own.fields.indexOf(control)] = stored;
        }
        if (way == u"aceptar"_s)
            QTest::mouseClick(w->acceptButton(), Qt::LeftButton);
        else if (way == u"close"_s)
            QVERIFY(w->close());
        else
            QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(!w->isVisible());
        for (int i = 0; i < own.fields.size(); ++i)
            QCOMPARE(field(own.fields[i]).text(), values[i]);
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

    // The list each list field shows; all but the rating scale in Spanish
    // alphabetical order, every item fitting a 20-column field as it is.
    void lists_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("controls");
        QTest::addColumn<QStringList>("items");
        auto row = [](const char *window, const QStringList &controls, const QStringList &items) {
            QTest::addRow("%s", qPrintable(controls.first())) << window << controls << items;
        };
        row("TFormCataGen", { "Botella" }, botellaList());
        row("TFormCataGen", { "Tapon" }, taponList());
        row("TFormCataGen", { "Capsula" }, capsulaList());
        row("TFormCataGen", { "Fermentacion" }, fermentacionList());
        row("TFormCataVista", { "Limpieza" }, limpiezaList());
        row("TFormCataVista", { "Color" }, colorList());
        row("TFormCataVista", { "Intensidad" }, intensidadList());
        row("TFormCataVista", { "Viscosidad" }, viscosidadList());
        row("TFormCataOlfato", { "Aroma1", "Aroma2", "Aroma3", "Aroma4" }, aromaList());
        row("TFormCataOlfato", { "Afrutado" }, afrutadoList());
        row("TFormCataOlfato", { "Bouquet" }, bouquetList());
        row("TFormCataGusto", { "Dulzor" }, dulzorList());
        row("TFormCataGusto", { "Tanino" }, taninoList());
        row("TFormCataGusto", { "Cuerpo" }, cuerpoList());
        row("TFormCataGusto", { "Acidez" }, acidezList());
        row("TFormCataGusto", { "Duracion" }, duracionList());
        row("TFormCataGusto", { "Equilibrio", "CaliGusto" }, ratingScale());
        row("TFormCataConjunto", { "Conjunto1", "Conjunto2", "Conjunto3", "Conjunto4" },
            conjuntoList());
    }
    void lists()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, controls);
        QFETCH(QStringList, items);
        const auto w = windowNamed(window).create(m_main);
        for (const QString &name : controls) {
            auto *combo = w->dataPanel()->findChild<QComboBox *>(name);
            QStringList shown;
            for (int i = 0; i < combo->count(); ++i)
                shown << combo->itemText(i);
            QCOMPARE(shown, items);
        }
        for (const QString &word : items) {
            QVERIFY2(!word.isEmpty() && word.size() <= 20, qPrintable(word));
            QCOMPARE(caveto::storableText(word), word);
        }
        if (items == ratingScale()) {
            QCOMPARE(
                items, QStringList({ "Deficiente", "Regular", "Bueno", "Muy Bueno", "Excelente" }));
            return;
        }
        QCollator collator { QLocale(QLocale::Spanish, QLocale::Spain) };
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        for (qsizetype i = 1; i < items.size(); ++i)
            QVERIFY2(collator.compare(items[i - 1], items[i]) < 0, qPrintable(items[i]));
    }

    // Every heading listed in the expected file, as a line of its window's text.
    void referenceTexts()
    {
        QHash<QString, QStringList> linesOf;
        for (const Window &window : kWindows) {
            const auto w = window.create(m_main);
            const QRegularExpression trailing(u" +$"_s, QRegularExpression::MultilineOption);
            linesOf.insert(w->referenceText()->objectName(),
                w->referenceText()->toPlainText().remove(trailing).split(u'\n'));
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
