// The food pairing guide: the dish table with its list items, and the
// window that shows how well each kind of wine goes with the chosen dish.

#include "guides/Dishes.h"
#include "guides/Maridaje.h"
#include "platform/FormStyle.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace caveto::guides;

namespace {

const QStringList kLists
    = { "CApeTapas", "CVerduras", "CHuevos", "CSetas", "CSopas", "CPescado", "CCarne", "CQuesos" };
const QStringList kPanels = { "PGen", "PEsp", "PBsc", "PBcc", "PRos", "PTjo", "PTcr", "PDul" };

const QColor kRed(255, 0, 0), kOrange(255, 176, 98), kAqua(0, 255, 255), kLime(0, 255, 0);

QColor textColour(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

// The captions the eight result panels show for eight codes.
QStringList captionsFor(const QString &codes)
{
    static const QStringList names = { "No", "Aceptable", "Muy Bueno", "Excelente" };
    QStringList out;
    for (QChar c : codes)
        out << names.at(c.digitValue());
    return out;
}

} // namespace

class TestPairing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { caveto::applyApplicationLook(); }
    void init();
    void cleanup() { m_window.reset(); }

    // The table.
    void categories_data();
    void categories();
    void everyItemKeepsItsColumns();
    void longDescriptionIsCutBeforeTheCodes();
    void pairingLooks_data();
    void pairingLooks();

    // The window.
    void windowLayout();
    void panelsBeforeTheFirstDish();
    void opensWithTheFirstAppetiser();
    void choosingADish_data();
    void choosingADish();
    void keyboardChoice();
    void tabbingIntoAListShowsItsDish();
    void dishWithAllCodesZero();
    void unknownCodeLeavesItsPanel();
    void openListHidesTheCodes();
    void acceptCloses();

private:
    QComboBox *list(const QString &name) const { return m_window->findChild<QComboBox *>(name); }
    QLabel *label(const QString &name) const { return m_window->findChild<QLabel *>(name); }
    QStringList panelCaptions() const;
    void pick(QComboBox *combo, const QString &description);

    std::unique_ptr<TFormMaridaje> m_window;
};

void TestPairing::init()
{
    m_window = std::make_unique<TFormMaridaje>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

QStringList TestPairing::panelCaptions() const
{
    QStringList out;
    for (const QString &name : kPanels)
        out << label(name)->text();
    return out;
}

// Opens the list and clicks the dish, as the user does.
void TestPairing::pick(QComboBox *combo, const QString &description)
{
    int row = -1;
    for (int i = 0; i < combo->count(); ++i) {
        if (itemDescription(combo->itemText(i)) == description)
            row = i;
    }
    QVERIFY2(row >= 0, qPrintable(description));
    QTest::mouseClick(combo, Qt::LeftButton);
    QAbstractItemView *view = combo->view();
    QTRY_VERIFY(view->isVisible());
    // An open list ignores a release that comes as quickly as a double
    // click would: the release of the click that opened it.
    QTest::qWait(QApplication::doubleClickInterval() + 20);
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QCoreApplication::processEvents();
    // Items are as wide as their whole text; the user clicks what shows.
    const QPoint at(12, view->visualRect(index).center().y());
    QVERIFY(view->viewport()->rect().contains(at));
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(combo->currentIndex(), row);
}

// The dish count of each list, its first and last dish, the length of all
// its descriptions and the sum of the codes each wine kind gets in it: a
// dish missing, moved or mistyped changes one of them.
void TestPairing::categories_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("descriptionLength");
    QTest::addColumn<QList<int>>("kindSums");

    QTest::newRow("CApeTapas") << 0 << 22 << "Aceitunas"
                               << "Sobrasada" << 371
                               << QList<int> { 39, 22, 18, 19, 18, 39, 12, 3 };
    QTest::newRow("CVerduras") << 1 << 38 << "Aguacate con marisco"
                               << "Verduras con vinagreta" << 1186
                               << QList<int> { 1, 13, 28, 27, 23, 55, 17, 0 };
    QTest::newRow("CHuevos") << 2 << 17 << "Al plato"
                             << "Tortilla francesa" << 368
                             << QList<int> { 0, 2, 7, 14, 14, 32, 8, 0 };
    QTest::newRow("CSetas") << 3 << 12 << "Carpaccio de hongos"
                            << "Trufas o platos con trufa" << 292
                            << QList<int> { 0, 5, 5, 9, 11, 23, 10, 0 };
    QTest::newRow("CSopas") << 4 << 45 << "Sopa ajoblanco"
                            << "Pizza en general" << 867
                            << QList<int> { 1, 11, 38, 46, 47, 52, 8, 0 };
    QTest::newRow("CPescado") << 5 << 75 << "A la sal"
                              << "Zarzuela de pescado" << 1092
                              << QList<int> { 51, 73, 150, 114, 26, 45, 16, 0 };
    QTest::newRow("CCarne") << 6 << 64 << "Albóndigas en salsa"
                            << "Venado al horno o estofado" << 1515
                            << QList<int> { 10, 71, 4, 66, 39, 154, 124, 0 };
    QTest::newRow("CQuesos") << 7 << 49 << "Brie"
                             << "Postre turrón" << 911
                             << QList<int> { 9, 23, 22, 13, 13, 25, 22, 51 };
}

void TestPairing::categories()
{
    QFETCH(int, category);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(int, descriptionLength);
    QFETCH(QList<int>, kindSums);

    const auto table = dishes(category);
    QCOMPARE(int(table.size()), count);
    QCOMPARE(QString::fromUtf8(table.front().description), first);
    QCOMPARE(QString::fromUtf8(table.back().description), last);
    int length = 0;
    QList<int> sums(kWineKindCount, 0);
    for (const Dish &dish : table) {
        length += int(QString::fromUtf8(dish.description).size());
        for (int k = 0; k < kWineKindCount; ++k)
            sums[k] += dish.codes[k] - '0';
    }
    QCOMPARE(length, descriptionLength);
    QCOMPARE(sums, kindSums);
}

void TestPairing::everyItemKeepsItsColumns()
{
    int total = 0;
    for (int category = 0; category < kDishCategoryCount; ++category) {
        const QStringList items = dishItems(category);
        const auto table = dishes(category);
        QCOMPARE(items.size(), qsizetype(table.size()));
        for (qsizetype i = 0; i < items.size(); ++i) {
            const QString &item = items.at(i);
            const QString description = QString::fromUtf8(table[std::size_t(i)].description);
            const QString codes = QString::fromLatin1(table[std::size_t(i)].codes);
            const QByteArray where = description.toUtf8();
            QVERIFY2(item.size() == 82, where);
            QVERIFY2(description.size() <= 70 && description == description.trimmed(), where);
            QVERIFY2(!description.contains(QLatin1Char(';')), where);
            QCOMPARE(item.left(70), description.leftJustified(70));
            QCOMPARE(item.mid(70, 4), QStringLiteral("    "));
            QVERIFY2(
                QRegularExpression(QStringLiteral("^[0-3]{8}$")).match(codes).hasMatch(), where);
            QCOMPARE(item.mid(74), codes);
            QCOMPARE(itemDescription(item), description);
            for (int k = 0; k < kWineKindCount; ++k)
                QCOMPARE(itemCode(item, k), codes.at(k));
            ++total;
        }
    }
    QCOMPARE(total, 322);
}

void TestPairing::longDescriptionIsCutBeforeTheCodes()
{
    const QString item = dishItem(QString(75, QLatin1Char('x')), QStringLiteral("12301230"));
    QCOMPARE(item.size(), 82);
    QCOMPARE(item.mid(70, 4), QStringLiteral("    "));
    QCOMPARE(item.mid(74), QStringLiteral("12301230"));
    QCOMPARE(itemCode(item, 8), QLatin1Char(' '));
    QCOMPARE(itemCode(QStringLiteral("Corto"), 0), QLatin1Char(' '));
}

void TestPairing::pairingLooks_data()
{
    QTest::addColumn<QChar>("code");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("0") << QChar(u'0') << "No" << kRed;
    QTest::newRow("1") << QChar(u'1') << "Aceptable" << kOrange;
    QTest::newRow("2") << QChar(u'2') << "Muy Bueno" << kAqua;
    QTest::newRow("3") << QChar(u'3') << "Excelente" << kLime;
    QTest::newRow("4") << QChar(u'4') << QString() << QColor();
    QTest::newRow("blank") << QChar(u' ') << QString() << QColor();
}

void TestPairing::pairingLooks()
{
    QFETCH(QChar, code);
    QFETCH(QString, caption);
    QFETCH(QColor, colour);
    const auto look = pairingLook(code);
    QCOMPARE(look.has_value(), !caption.isEmpty());
    if (look) {
        QCOMPARE(look->caption, caption);
        QCOMPARE(look->colour, colour);
    }
}

void TestPairing::windowLayout()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral(" Caveto  Maridaje  El Vino y la Comida."));
    QCOMPARE(m_window->size(), QSize(668, 348));
    QCOMPARE(label("LOpcion")->text(), QStringLiteral("Maridaje"));
    QCOMPARE(label("LOpcion")->geometry(), QRect(276, 8, 121, 25));

    const QList<QPoint> places = { { 10, 54 }, { 173, 54 }, { 336, 54 }, { 499, 54 }, { 10, 93 },
        { 173, 93 }, { 336, 93 }, { 499, 93 } };
    const QList<int> rows = { 10, 6, 6, 6, 7, 7, 7, 7 };
    const QStringList labels = { "LApeTapas", "LVerduras", "LHuevos", "Lsetas", "LSopas",
        "LPescados", "Lcarne", "LQuesos" };
    const QStringList captions = { "Aperitivos y Tapas", "Verd., Legumb. y Ensaladas", "Huevos",
        "Setas y Tubérculos", "Sopas, Arroces y Pasta", "Pescados y Marisco", "Carne, Caza y Aves",
        "Quesos y Postres" };
    for (int i = 0; i < kLists.size(); ++i) {
        QComboBox *combo = list(kLists.at(i));
        QVERIFY2(combo, qPrintable(kLists.at(i)));
        QCOMPARE(combo->pos(), places.at(i));
        QCOMPARE(combo->width(), 160);
        QCOMPARE(combo->maxVisibleItems(), rows.at(i));
        QVERIFY(!combo->isEditable());
        QCOMPARE(combo->count(), qsizetype(dishes(i).size()));
        QCOMPARE(combo->palette().color(QPalette::Base), QColor(254, 246, 216));
        QCOMPARE(label(labels.at(i))->text(), captions.at(i));
        QCOMPARE(label(labels.at(i))->pos(), places.at(i) - QPoint(0, 14));
    }

    // The tab order runs through the lists in their order.
    list("CApeTapas")->setFocus(Qt::TabFocusReason);
    for (int i = 1; i < kLists.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), kLists.at(i));
    }

    const QList<QPoint> panelPlaces = { { 68, 17 }, { 226, 17 }, { 396, 17 }, { 569, 17 },
        { 68, 48 }, { 227, 48 }, { 396, 48 }, { 570, 48 } };
    for (int k = 0; k < kPanels.size(); ++k) {
        QLabel *panel = label(kPanels.at(k));
        QCOMPARE(panel->parentWidget()->objectName(), QStringLiteral("Panel1"));
        QCOMPARE(panel->geometry(), QRect(panelPlaces.at(k), QSize(63, 20)));
        QCOMPARE(panel->palette().color(QPalette::Window), QColor(Qt::black));
    }
    // Every wine kind has its picture, a small one, between label and panel.
    const QStringList kindLabels
        = { "LGenerosos", "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7" };
    const QStringList images
        = { "Image3", "Image4", "Image7", "Image8", "Image2", "Image1", "Image5", "Image6" };
    for (int k = 0; k < kPanels.size(); ++k) {
        QLabel *image = label(images.at(k));
        const QPixmap picture = image->pixmap();
        QVERIFY2(!picture.isNull(), qPrintable(images.at(k)));
        QVERIFY(picture.width() >= 9 && picture.width() <= 13);
        QVERIFY(picture.height() >= 21 && picture.height() <= 24);
        QVERIFY(picture.hasAlphaChannel());
        QVERIFY(label(kindLabels.at(k))->x() < image->x());
        QVERIFY(image->geometry().right() < label(kPanels.at(k))->x());
    }

    QCOMPARE(m_window->PLargo->geometry(), QRect(10, 138, 648, 70));
    QCOMPARE(m_window->Panel1->geometry(), QRect(10, 212, 648, 89));
    QCOMPARE(m_window->PTipoPlato->geometry(), QRect(10, 26, 197, 28));
    QCOMPARE(m_window->PDescripcion->geometry(), QRect(213, 26, 420, 28));
    for (QLabel *navy : { m_window->PTipoPlato, m_window->PDescripcion }) {
        QCOMPARE(navy->palette().color(QPalette::Window), QColor(31, 58, 88));
        QCOMPARE(navy->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(navy->font().bold());
    }
    QCOMPARE(m_window->BOkDatos->text(), QStringLiteral("&Aceptar"));
    QCOMPARE(m_window->BOkDatos->geometry(), QRect(296, 308, 75, 28));
    QCOMPARE(m_window->BOkDatos->cursor().shape(), Qt::PointingHandCursor);
}

void TestPairing::panelsBeforeTheFirstDish()
{
    TFormMaridaje fresh;
    QCOMPARE(fresh.PGen->text(), QStringLiteral("Muy Bueno"));
    QCOMPARE(textColour(fresh.PGen), kAqua);
    QCOMPARE(fresh.PBcc->text(), QStringLiteral("No "));
    for (QLabel *panel : { fresh.PEsp, fresh.PBsc, fresh.PRos, fresh.PTjo, fresh.PTcr, fresh.PDul })
        QCOMPARE(panel->text(), QStringLiteral("No"));
    for (QLabel *panel : fresh.resultPanels())
        QVERIFY(panel == fresh.PGen || textColour(panel) == kRed);
}

void TestPairing::opensWithTheFirstAppetiser()
{
    QCOMPARE(m_window->PTipoPlato->text(), QStringLiteral("Aperitivos y Tapas"));
    QCOMPARE(m_window->PDescripcion->text(), QStringLiteral("Aceitunas"));
    QCOMPARE(panelCaptions(), captionsFor(QStringLiteral("20000000")));
    QCOMPARE(textColour(m_window->PGen), kAqua);
    for (int k = 1; k < kPanels.size(); ++k)
        QCOMPARE(textColour(label(kPanels.at(k))), kRed);
    // Every list shows its first dish; selecting them showed nothing else.
    for (const QString &name : kLists)
        QCOMPARE(list(name)->currentIndex(), 0);
    QCOMPARE(QApplication::focusWidget(), list("CApeTapas"));
}

void TestPairing::choosingADish_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("dish");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("codes");

    QTest::newRow("chorizo") << "CApeTapas"
                             << "Chorizo"
                             << "Aperitivos y Tapas"
                             << "21001320";
    QTest::newRow("far down a long list") << "CPescado"
                                          << "Zamburiñas en salsa"
                                          << "Pescados y Marisco"
                                          << "01311000";
    QTest::newRow("sopas title") << "CSopas"
                                 << "Arroz a banda"
                                 << "Sopas Arroces y Pasta"
                                 << "00112300";
    QTest::newRow("sweet wine") << "CQuesos"
                                << "Postre con yogur"
                                << "Quesos y Postres"
                                << "00000003";
    QTest::newRow("every step") << "CCarne"
                                << "Pato asado"
                                << "Carne, Caza y Aves"
                                << "01030230";
}

void TestPairing::choosingADish()
{
    QFETCH(QString, list);
    QFETCH(QString, dish);
    QFETCH(QString, title);
    QFETCH(QString, codes);

    pick(this->list(list), dish);
    QCOMPARE(m_window->PTipoPlato->text(), title);
    QCOMPARE(m_window->PDescripcion->text(), dish);
    QCOMPARE(panelCaptions(), captionsFor(codes));
    const QList<QColor> colours = { kRed, kOrange, kAqua, kLime };
    for (int k = 0; k < kPanels.size(); ++k) {
        QCOMPARE(textColour(label(kPanels.at(k))), colours.at(codes.at(k).digitValue()));
        QCOMPARE(m_window->CodigoMaridaje[std::size_t(k)], QString(codes.at(k)));
    }
}

void TestPairing::keyboardChoice()
{
    // The arrow keys change the dish of a closed list, and show it at once.
    QComboBox *huevos = list("CHuevos");
    huevos->setFocus(Qt::TabFocusReason);
    QTest::keyClick(huevos, Qt::Key_Down);
    QCOMPARE(m_window->PTipoPlato->text(), QStringLiteral("Huevos"));
    QCOMPARE(m_window->PDescripcion->text(), QStringLiteral("De codorniz"));
    QCOMPARE(panelCaptions(), captionsFor(QStringLiteral("02100000")));
}

void TestPairing::tabbingIntoAListShowsItsDish()
{
    pick(list("CApeTapas"), QStringLiteral("Chorizo"));
    QCOMPARE(QApplication::focusWidget(), list("CApeTapas"));
    QTest::keyClick(list("CApeTapas"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), list("CVerduras"));
    QCOMPARE(m_window->PTipoPlato->text(), QStringLiteral("Verd., Legumbres y Ensaladas"));
    QCOMPARE(m_window->PDescripcion->text(), QStringLiteral("Aguacate con marisco"));
    QCOMPARE(panelCaptions(), captionsFor(QStringLiteral("01201000")));

    // A click into another list shows its dish before anything is chosen.
    QComboBox *quesos = list("CQuesos");
    QTest::mouseClick(quesos, Qt::LeftButton);
    QCOMPARE(m_window->PTipoPlato->text(), QStringLiteral("Quesos y Postres"));
    QCOMPARE(m_window->PDescripcion->text(), QStringLiteral("Brie"));
    quesos->hidePopup();
}

void TestPairing::dishWithAllCodesZero()
{
    // No dish of the table has all its codes "0"; one added to a list shows
    // "No" on every panel, whatever they showed before.
    pick(list("CCarne"), QStringLiteral("Pato asado"));
    QComboBox *huevos = list("CHuevos");
    huevos->addItem(dishItem(QStringLiteral("Huevo de prueba"), QStringLiteral("00000000")));
    pick(huevos, QStringLiteral("Huevo de prueba"));
    QCOMPARE(panelCaptions(), QStringList(8, QStringLiteral("No")));
    for (const QString &name : kPanels)
        QCOMPARE(textColour(label(name)), kRed);
}

void TestPairing::unknownCodeLeavesItsPanel()
{
    m_window->CodigoMaridaje = { "3", "x", "3", " ", "3", "", "3", "9" };
    m_window->Crea_TipoVino();
    QCOMPARE(panelCaptions(),
        QStringList(
            { "Excelente", "No", "Excelente", "No", "Excelente", "No", "Excelente", "No" }));
    QCOMPARE(textColour(m_window->PEsp), kRed);
}

void TestPairing::openListHidesTheCodes()
{
    // The open list is no wider than the field, so the end of an item,
    // where its codes are, stays out of sight as it does in the field.
    QComboBox *verduras = list("CVerduras");
    QTest::mouseClick(verduras, Qt::LeftButton);
    QAbstractItemView *view = verduras->view();
    QTRY_VERIFY(view->isVisible());
    QVERIFY(view->window()->width() <= verduras->width());
    QCOMPARE(view->textElideMode(), Qt::ElideNone);
    const int codesAt = view->fontMetrics().horizontalAdvance(verduras->itemText(0).left(74));
    QVERIFY(codesAt > view->viewport()->width());
    verduras->hidePopup();
}

void TestPairing::acceptCloses()
{
    QTest::mouseClick(m_window->BOkDatos, Qt::LeftButton);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->result(), int(QDialog::Rejected));
}

QTEST_MAIN(TestPairing)
#include "tst_pairing.moc"
