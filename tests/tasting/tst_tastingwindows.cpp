// The five tasting windows: what they show on opening, the mode rule, the
// write-back to the record and the main window's summary panels, the word
// lists of their fields and their reference texts.

#include "TastingFixture.h"
#include "cellar/EntryChecks.h"
#include "controls/Numedit.h"
#include "platform/Colors.h"
#include "tasting/CataConjunto.h"
#include "tasting/CataGen.h"
#include "tasting/CataGusto.h"
#include "tasting/CataOlfato.h"
#include "tasting/CataVista.h"
#include "tasting/TastingLists.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace caveto::tasting;

namespace {

const QStringList kWindows = { "TFormCataGen", "TFormCataVista", "TFormCataOlfato",
    "TFormCataGusto", "TFormCataConjunto" };
const QStringList kSummaryPanels
    = { "PSCatador", "PVistaCali", "POlfatoCali", "PGustoCali", "PCaliFinal" };

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
    if (className == QLatin1String("TFormCataConjunto"))
        return std::make_unique<TFormCataConjunto>(main);
    return {};
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

// A value that fits the field and is not one of its list's items.
QString sampleValue(const QString &field, int width)
{
    if (width <= 4)
        return QStringLiteral("12").left(width);
    return (QStringLiteral("Otro ") + field).left(width);
}

} // namespace

class TestTastingWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void frame_data();
    void frame();
    void fieldsShowTheRecord_data();
    void fieldsShowTheRecord();
    void writeBack_data();
    void writeBack();
    void modeRule_data();
    void modeRule();
    void focusStaysOnReactivation();
    void writeBackOncePerClosing();
    void sourKeepsItsBlank();
    void lists_data();
    void lists();
    void safeInput_data();
    void safeInput();
    void referenceTexts_data();
    void referenceTexts();
    void missingReferenceTextIsEmpty();

private:
    TTastingForm *open(const QString &className);
    std::unique_ptr<TastingFixture> m_fx;
    std::unique_ptr<TTastingForm> m_window;
};

void TestTastingWindows::initTestCase()
{
    m_fx = std::make_unique<TastingFixture>();
    QVERIFY(!m_fx->main->cancelled());
}

void TestTastingWindows::init()
{
    m_fx->reset();
}

void TestTastingWindows::cleanup()
{
    m_window.reset();
    QCOMPARE(m_fx->script.unexpected, QStringList());
}

TTastingForm *TestTastingWindows::open(const QString &className)
{
    m_window = makeWindow(className, m_fx->main.get());
    if (!m_window)
        return nullptr;
    m_window->show();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        return nullptr;
    return m_window.get();
}

void TestTastingWindows::frame_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("titleText");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("button");

    QTest::newRow("general") << "TFormCataGen"
                             << " Caveto  Cata de Vinos   DATOS GENERALES." << 623 << "PDatos"
                             << "Cata de Vinos   DATOS"
                             << "PDatosGen"
                             << "MDatosCata"
                             << "BOkDatos";
    QTest::newRow("sight") << "TFormCataVista"
                           << " Caveto  Cata de Vinos   VISTA." << 623 << "PVista"
                           << "Cata de Vinos   VISTA"
                           << "PDatosVista"
                           << "MVista"
                           << "BOkDatos";
    QTest::newRow("smell") << "TFormCataOlfato"
                           << " Caveto  Cata de Vinos   OLFATO." << 623 << "POlfato"
                           << "Cata de Vinos   OLFATO"
                           << "PDatosOlfato"
                           << "MOlfato"
                           << "BOkOlfato";
    QTest::newRow("taste") << "TFormCataGusto"
                           << " Caveto  Cata de Vinos   GUSTO." << 623 << "PGusto"
                           << "Cata de Vinos   GUSTO"
                           << "PDatosGusto"
                           << "MGusto"
                           << "BOkGusto";
    QTest::newRow("overall") << "TFormCataConjunto"
                             << " Caveto  Cata de Vinos   CONJUNTO." << 622 << "PConjunto"
                             << "Cata de Vinos   CONJUNTO"
                             << "PDatosConjunto"
                             << "MCalidad"
                             << "BOkConjunto";
}

void TestTastingWindows::frame()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(int, width);
    QFETCH(QString, title);
    QFETCH(QString, titleText);
    QFETCH(QString, panel);
    QFETCH(QString, reference);
    QFETCH(QString, button);

    TTastingForm *w = open(window);
    QVERIFY(w);
    QCOMPARE(w->objectName(), window);
    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), window);
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(w->size(), QSize(width, 320));
    QVERIFY(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));

    auto *titlePanel = w->findChild<QLabel *>(title);
    QVERIFY(titlePanel);
    QCOMPARE(titlePanel->text(), titleText);
    QVERIFY(titlePanel->font().bold());
    QCOMPARE(titlePanel->palette().color(QPalette::Window), caveto::tcolor(caveto::colors::Titulo));
    QVERIFY(w->findChild<QWidget *>(panel));
    QCOMPARE(w->dataPanel()->objectName(), panel);
    auto *ok = w->findChild<QPushButton *>(button);
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("&Aceptar"));
    auto *text = w->findChild<QPlainTextEdit *>(reference);
    QVERIFY(text);
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!text->toPlainText().isEmpty());

    // The header repeats the wine being tasted and the mode.
    const QList<QPair<const char *, QString>> header
        = { { "PNombreVino", "Viña Ardanza" }, { "PCosecha", "2016" }, { "PDenoOrigen", "Rioja" },
              { "PVino", "Tinto" }, { "PTipoVino", "Reserva" } };
    QVERIFY(w->findChild<QWidget *>(QStringLiteral("PDatosGenCab")));
    for (const auto &[name, expected] : header) {
        auto *p = w->PDatosGenCab->findChild<QLabel *>(QString::fromLatin1(name));
        QVERIFY2(p, name);
        QCOMPARE(p->text(), expected);
        QCOMPARE(p->palette().color(QPalette::Window), caveto::tcolor(caveto::colors::Titulo));
        QCOMPARE(p->palette().color(QPalette::WindowText), QColor(Qt::white));
    }
    for (const char *label :
        { "Nombre del Vino", "Año", "Denominación de Origen", "Vino", "Tipo" }) {
        bool found = false;
        for (QLabel *l : w->PDatosGenCab->findChildren<QLabel *>())
            found = found || l->text() == QString::fromUtf8(label);
        QVERIFY2(found, label);
    }
    QCOMPARE(w->LOpcion->text(), QStringLiteral("Alta"));
    QCOMPARE(w->LOpcion->objectName(), QStringLiteral("LOpcion"));

    // No two controls of the window overlap.
    const QList<QWidget *> placed
        = { w->PDatosGenCab, w->LOpcion, titlePanel, w->dataPanel(), text, ok };
    for (int i = 0; i < placed.size(); ++i) {
        QVERIFY(w->rect().contains(placed[i]->geometry()));
        for (int j = i + 1; j < placed.size(); ++j)
            QVERIFY2(!placed[i]->geometry().intersects(placed[j]->geometry()),
                qPrintable(placed[i]->objectName() + " / " + placed[j]->objectName()));
    }
    const QList<QWidget *> fields
        = w->dataPanel()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *f : fields)
        QVERIFY2(w->dataPanel()->rect().contains(f->geometry()), qPrintable(f->objectName()));
}

void TestTastingWindows::fieldsShowTheRecord_data()
{
    QTest::addColumn<QString>("window");
    for (const QString &name : kWindows)
        QTest::newRow(qPrintable(name)) << name;
}

void TestTastingWindows::fieldsShowTheRecord()
{
    QFETCH(QString, window);
    const QStringList fields = fieldsOf(window);
    // Every other field holds a value that is not a list item, the rest stay
    // empty: an empty field must not show the first item of its list.
    for (int i = 0; i < fields.size(); ++i) {
        FixedText &f = m_fx->field(fields[i]);
        f = i % 2 == 0 ? sampleValue(fields[i], f.capacity()) : QString();
    }
    TTastingForm *w = open(window);
    QVERIFY(w);
    QString listField;
    for (const QString &name : fields) {
        auto *control = w->dataPanel()->findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(shownText(control), m_fx->field(name).text());
        if (auto *combo = qobject_cast<QComboBox *>(control)) {
            QCOMPARE(combo->currentIndex(), -1);
            if (listField.isEmpty())
                listField = name;
        }
    }
    QVERIFY(!listField.isEmpty());

    // A value that is one of the list's items is its current item.
    m_window.reset();
    m_fx->field(listField) = QStringLiteral("Excelente"); // not in every list
    const QStringList items = [&] {
        auto probe = makeWindow(window, m_fx->main.get());
        auto *combo = probe->dataPanel()->findChild<QComboBox *>(listField);
        QStringList out;
        for (int i = 0; i < combo->count(); ++i)
            out << combo->itemText(i);
        return out;
    }();
    m_fx->field(listField) = items.last();
    w = open(window);
    QVERIFY(w);
    auto *combo = w->dataPanel()->findChild<QComboBox *>(listField);
    QCOMPARE(combo->currentIndex(), items.size() - 1);
    QCOMPARE(combo->currentText(), items.last());
}

void TestTastingWindows::writeBack_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("summary");

    struct Row
    {
        const char *tag, *window, *control, *typed, *stored, *summary;
    };
    const Row rows[] = {
        { "taster", "TFormCataGen", "Catador", "Ana Pérez", "Ana Pérez", "PSCatador" },
        { "long taster", "TFormCataGen", "Catador", "Bartolomé de las Casas y Mendoza",
            "Bartolomé de las Casas y Mendo", "PSCatador" },
        { "bottle", "TFormCataGen", "Botella", "Magnum", "Magnum", "" },
        { "long cork", "TFormCataGen", "Tapon", "Corcho Natural Colmatado", "Corcho Natural Colma",
            "" },
        { "colour", "TFormCataVista", "Color", "Rojo Piel de Cebolla", "Rojo Piel de Cebolla", "" },
        { "sight rating", "TFormCataVista", "CaliVista", "Excelente", "Excelente", "PVistaCali" },
        { "long sight rating", "TFormCataVista", "CaliVista", "Muy Bueno ++", "Muy Bueno ",
            "PVistaCali" },
        { "long aroma", "TFormCataOlfato", "Aroma1", "Fruta roja muy madura y",
            "Fruta roja muy madur", "" },
        { "25-character aroma", "TFormCataOlfato", "Aroma4", "Flores blancas de azahar.",
            "Flores blancas de az", "" },
        { "smell rating", "TFormCataOlfato", "CaliOlfato", "Sobresaliente", "Sobresalie",
            "POlfatoCali" },
        { "balance", "TFormCataGusto", "Equilibrio", "Muy Bueno y Largo", "Muy Bueno y Largo", "" },
        { "acidity", "TFormCataGusto", "Acidez", "Refrescante", "Refrescante", "" },
        { "taste rating", "TFormCataGusto", "CaliGusto", "Regular tirando", "Regular ti",
            "PGustoCali" },
        { "overall term", "TFormCataConjunto", "Conjunto3", "Bien Constituido", "Bien Constituido",
            "" },
        { "final rating", "TFormCataConjunto", "CaliConjunto", "Excelente!!!", "Excelente!",
            "PCaliFinal" },
    };
    for (const char *way : { "aceptar", "close", "escape" }) {
        for (const Row &r : rows) {
            QTest::addRow("%s by %s", r.tag, way)
                << r.window << way << r.control << QString::fromUtf8(r.typed)
                << QString::fromUtf8(r.stored) << r.summary;
        }
    }
}

void TestTastingWindows::writeBack()
{
    QFETCH(QString, window);
    QFETCH(QString, way);
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, summary);

    // Another field of the window keeps its value through the write-back.
    const QStringList fields = fieldsOf(window);
    const QString other = fields.first() == control ? fields.last() : fields.first();
    m_fx->field(other) = QStringLiteral("12");
    m_fx->field(control) = QStringLiteral("12");

    TTastingForm *w = open(window);
    QVERIFY(w);
    auto *c = w->dataPanel()->findChild<QWidget *>(control);
    QVERIFY(c);
    c->setFocus(Qt::TabFocusReason);
    typeInto(c, typed);
    QCOMPARE(shownText(c), typed.left(30));

    if (way == QLatin1String("aceptar"))
        QTest::mouseClick(w->acceptButton(), Qt::LeftButton);
    else if (way == QLatin1String("close"))
        QVERIFY(w->close());
    else
        QTest::keyClick(w, Qt::Key_Escape);
    QVERIFY(!w->isVisible());

    QCOMPARE(m_fx->field(control).text(), stored);
    QCOMPARE(m_fx->field(other).text(), QStringLiteral("12"));

    // The window's own summary panel shows its rating (or taster): the whole
    // typed text when that was the field typed in. The others are untouched.
    const QString rated
        = window == QLatin1String("TFormCataGen") ? QStringLiteral("Catador") : fields.last();
    const QString own = kSummaryPanels[kWindows.indexOf(window)];
    QCOMPARE(summary.isEmpty(), control != rated);
    if (!summary.isEmpty())
        QCOMPARE(summary, own);
    for (const QString &panel : kSummaryPanels) {
        auto *p = m_fx->main->findChild<QLabel *>(panel);
        QVERIFY(p);
        if (panel != own)
            QCOMPARE(p->text(), QStringLiteral("Sin Datos"));
        else if (control == rated)
            QCOMPARE(p->text(), typed.left(30)); // all that could be typed
        else
            QCOMPARE(p->text(), m_fx->field(rated).text());
    }
    QCOMPARE(m_fx->script.messages.size(), 0);
}

void TestTastingWindows::modeRule_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<QString>("first");

    const QStringList firsts = { "Catador", "Limpieza", "Aroma1", "Dulzor", "Conjunto1" };
    for (int i = 0; i < kWindows.size(); ++i) {
        for (const char *mode : { "ALTA", "MODI", "BAJA", "CONS" }) {
            const bool editable = QByteArray(mode) == "ALTA" || QByteArray(mode) == "MODI";
            QTest::addRow("%s %s", qPrintable(kWindows[i]), mode)
                << kWindows[i] << mode << editable << firsts[i];
        }
    }
}

void TestTastingWindows::modeRule()
{
    QFETCH(QString, window);
    QFETCH(QString, mode);
    QFETCH(bool, editable);
    QFETCH(QString, first);

    m_fx->reset(mode);
    const QStringList fields = fieldsOf(window);
    for (const QString &name : fields) {
        FixedText &f = m_fx->field(name);
        f = sampleValue(name, f.capacity());
    }
    TTastingForm *w = open(window);
    QVERIFY(w);
    QPlainTextEdit *text = w->referenceText();
    QCOMPARE(w->dataPanel()->isEnabled(), editable);
    QVERIFY(text->isEnabled());
    QCOMPARE(QApplication::focusWidget(),
        editable ? w->dataPanel()->findChild<QWidget *>(first) : static_cast<QWidget *>(text));

    if (!editable) {
        // Nothing in the panel takes typing; the text still scrolls.
        auto *control = w->dataPanel()->findChild<QWidget *>(fields.last());
        QVERIFY(!control->isEnabled());
        QTest::keyClicks(control, QStringLiteral("99"));
        QCOMPARE(shownText(control), m_fx->field(fields.last()).text());
        QScrollBar *bar = text->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        const int before = bar->value();
        QTest::keyClick(text, Qt::Key_PageDown);
        QVERIFY(bar->value() > before);
    }

    QVERIFY(w->close());
    QVERIFY(!w->isVisible());
    for (const QString &name : fields) {
        FixedText &f = m_fx->field(name);
        QCOMPARE(f.text(), sampleValue(name, f.capacity()));
    }
    // The summary panel shows the (unchanged) rating or taster.
    auto *panel = m_fx->main->findChild<QLabel *>(kSummaryPanels[kWindows.indexOf(window)]);
    const QString rated
        = window == QLatin1String("TFormCataGen") ? QStringLiteral("Catador") : fields.last();
    QCOMPARE(panel->text(), m_fx->field(rated).text());
}

void TestTastingWindows::focusStaysOnReactivation()
{
    auto *w = static_cast<TFormCataOlfato *>(open(QStringLiteral("TFormCataOlfato")));
    QVERIFY(w);
    QCOMPARE(QApplication::focusWidget(), w->Aroma1);
    w->Aroma3->setFocus(Qt::TabFocusReason);

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    other.hide();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::focusWidget(), w->Aroma3);
    QVERIFY(w->PDatosOlfato->isEnabled());
}

void TestTastingWindows::writeBackOncePerClosing()
{
    auto *w = static_cast<TFormCataVista *>(open(QStringLiteral("TFormCataVista")));
    QVERIFY(w);
    w->CaliVista->setEditText(QStringLiteral("Bueno"));
    QTest::mouseClick(w->BOkDatos, Qt::LeftButton);
    QVERIFY(!w->isVisible());
    QCOMPARE(m_fx->main->CaliVista.text(), QStringLiteral("Bueno"));

    // The window is closed: a second close request writes nothing more.
    w->CaliVista->setEditText(QStringLiteral("Regular"));
    w->close();
    w->reject();
    QCOMPARE(m_fx->main->CaliVista.text(), QStringLiteral("Bueno"));
    QCOMPARE(m_fx->main->PVistaCali->text(), QStringLiteral("Bueno"));

    // Shown again, it writes back again when it closes.
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w));
    w->close();
    QCOMPARE(m_fx->main->CaliVista.text(), QStringLiteral("Regular"));
    QCOMPARE(m_fx->main->PVistaCali->text(), QStringLiteral("Regular"));
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
    QCOMPARE(m_fx->main->Aroma2.text(), QStringLiteral("Agrio "));
}

void TestTastingWindows::lists_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("items");

    auto row = [](const char *window, const char *control, const QStringList &items) {
        QTest::addRow("%s", control) << window << control << items;
    };
    row("TFormCataGen", "Botella", botellaList());
    row("TFormCataGen", "Tapon", taponList());
    row("TFormCataGen", "Capsula", capsulaList());
    row("TFormCataGen", "Fermentacion", fermentacionList());
    row("TFormCataVista", "Limpieza", limpiezaList());
    row("TFormCataVista", "Color", colorList());
    row("TFormCataVista", "Intensidad", intensidadList());
    row("TFormCataVista", "Viscosidad", viscosidadList());
    row("TFormCataVista", "CaliVista", ratingScale());
    for (const char *aroma : { "Aroma1", "Aroma2", "Aroma3", "Aroma4" })
        row("TFormCataOlfato", aroma, aromaList());
    row("TFormCataOlfato", "Afrutado", afrutadoList());
    row("TFormCataOlfato", "Bouquet", bouquetList());
    row("TFormCataOlfato", "CaliOlfato", ratingScale());
    row("TFormCataGusto", "Dulzor", dulzorList());
    row("TFormCataGusto", "Tanino", taninoList());
    row("TFormCataGusto", "Cuerpo", cuerpoList());
    row("TFormCataGusto", "Acidez", acidezList());
    row("TFormCataGusto", "Duracion", duracionList());
    row("TFormCataGusto", "Equilibrio", ratingScale());
    row("TFormCataGusto", "CaliGusto", ratingScale());
    for (const char *term : { "Conjunto1", "Conjunto2", "Conjunto3", "Conjunto4" })
        row("TFormCataConjunto", term, conjuntoList());
    row("TFormCataConjunto", "CaliConjunto", ratingScale());
}

void TestTastingWindows::lists()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QStringList, items);

    TTastingForm *w = open(window);
    QVERIFY(w);
    auto *combo = w->dataPanel()->findChild<QComboBox *>(control);
    QVERIFY(combo);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    QCOMPARE(shown, items);
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
    QVERIFY(!combo->completer());
    QCOMPARE(combo->lineEdit()->maxLength(), 30);

    // Typing a word that is not in the list neither adds nor completes it.
    combo->setFocus(Qt::TabFocusReason);
    typeInto(combo, QStringLiteral("Ac"));
    QTest::keyClick(combo, Qt::Key_Return);
    QCOMPARE(combo->currentText(), QStringLiteral("Ac"));
    QCOMPARE(combo->count(), items.size());
}

void TestTastingWindows::safeInput_data()
{
    QTest::addColumn<QString>("window");
    for (const QString &name : kWindows)
        QTest::newRow(qPrintable(name)) << name;
}

void TestTastingWindows::safeInput()
{
    QFETCH(QString, window);
    TTastingForm *w = open(window);
    QVERIFY(w);
    // Pasted text: a tab, a line break and a character outside Windows-1252
    // are dropped; the euro sign is kept.
    const QString pasted = QStringLiteral("1\t2\n3\u4E2D4\u20AC");
    const QList<QLineEdit *> edits = w->dataPanel()->findChildren<QLineEdit *>();
    QCOMPARE(edits.size(), fieldsOf(window).size());
    for (QLineEdit *edit : edits) {
        edit->clear();
        edit->insert(pasted);
        // The paste is first cut to the room left, then cleaned.
        QCOMPARE(edit->text(), caveto::storableText(pasted.left(edit->maxLength())));
        if (edit->maxLength() >= 30)
            QCOMPARE(edit->text(), QStringLiteral("1234\u20AC"));
    }
}

void TestTastingWindows::referenceTexts_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("line");

    QFile file(QStringLiteral(CAVETO_TASTING_EXPECTED));
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file.fileName()));
    const QHash<QString, QString> windowOf = { { "MDatosCata", "TFormCataGen" },
        { "MVista", "TFormCataVista" }, { "MOlfato", "TFormCataOlfato" },
        { "MGusto", "TFormCataGusto" }, { "MCalidad", "TFormCataConjunto" } };
    QSet<QString> covered;
    int n = 0;
    for (const QString &raw : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString entry = QString(raw).remove(QLatin1Char('\r'));
        if (entry.trimmed().isEmpty())
            continue;
        const qsizetype tab = entry.indexOf(QLatin1Char('\t'));
        QVERIFY2(tab > 0, qPrintable(entry));
        QString name = entry.left(tab);
        name.remove(QLatin1String(".txt"));
        QVERIFY2(windowOf.contains(name), qPrintable(name));
        covered.insert(name);
        QTest::addRow("%d %s", ++n, qPrintable(entry.mid(tab + 1)))
            << windowOf.value(name) << entry.mid(tab + 1);
    }
    QCOMPARE(covered.size(), windowOf.size());
}

void TestTastingWindows::referenceTexts()
{
    QFETCH(QString, window);
    QFETCH(QString, line);

    TTastingForm *w = open(window);
    QVERIFY(w);
    QStringList lines = w->referenceText()->toPlainText().split(QLatin1Char('\n'));
    for (QString &l : lines) {
        while (l.endsWith(QLatin1Char(' ')))
            l.chop(1);
    }
    QVERIFY2(lines.contains(line), qPrintable(line));
}

void TestTastingWindows::missingReferenceTextIsEmpty()
{
    QCOMPARE(caveto::loadTastingText(QStringLiteral("NoSuchText")), QString());
    const QString vista = caveto::loadTastingText(QStringLiteral("MVista"));
    QVERIFY(vista.startsWith(QStringLiteral("VISTA")));
    QVERIFY(!vista.contains(QLatin1Char('\r')));
    QVERIFY(vista.contains(QStringLiteral("Calificación"), Qt::CaseInsensitive));
}

QTEST_MAIN(TestTastingWindows)
#include "tst_tastingwindows.moc"
