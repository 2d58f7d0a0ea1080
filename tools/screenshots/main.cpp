// caveto-screenshots: opens Caveto's main windows on a small sample cellar
// and takes a picture of each as the window manager shows it (frame and
// title included). Run under an X server with a window manager; see
// tools/screenshots.sh, which gives it both.
//
//   caveto-screenshots OUTPUT_FOLDER

#include "app/Globals.h"
#include "cellar/Cavetopas.h"
#include "cellar/DataFile.h"
#include "cellar/RecordLine.h"
#include "platform/FormStyle.h"
#include "platform/MessageBox.h"
#include "search/Buscar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

#include <cstdio>

using caveto::Field;

namespace {

QString g_output;
int g_failures = 0;

void settle(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The window with its frame, from the screen.
void shoot(QWidget *window, const QString &name)
{
    window->raise();
    window->activateWindow();
    settle(600);
    const QRect frame = window->frameGeometry();
    const QPixmap shot
        = window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    const QString path = QDir(g_output).filePath(name + QStringLiteral(".png"));
    if (shot.isNull() || !shot.save(path)) {
        std::fprintf(stderr, "caveto-screenshots: could not write %s\n", qPrintable(path));
        ++g_failures;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

template <class T> T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found) {
        std::fprintf(stderr, "caveto-screenshots: no %s\n", name);
        ++g_failures;
    }
    return found;
}

void click(QWidget *window, const char *name)
{
    if (QAbstractButton *b = child<QAbstractButton>(window, name))
        b->click();
}

struct Wine
{
    const char *name, *year, *deno, *vino, *tipo, *bodega, *precio, *botellas, *estante, *grados,
        *consumo, *uva1, *porcen1, *uva2, *porcen2;
};

// A small cellar of well-known Spanish wines.
QStringList sampleCellar()
{
    static const Wine wines[] = {
        { "Viña Tondonia Reserva", "2011", "Rioja", "Tinto", "Reserva", "R. López de Heredia",
            "38,50", "6", "A-1", "13,5", "2022-2040", "Tempranillo", "75", "Garnacha", "15" },
        { "Alión", "2018", "Ribera del Duero", "Tinto", "Crianza", "Bodegas Alión", "69,00", "3",
            "A-2", "14,5", "2024-2038", "Tinto Fino", "100", "", "" },
        { "Pazo de Señorans", "2022", "Rías Baixas", "Blanco", "Joven", "Pazo de Señorans", "17,90",
            "12", "B-1", "12,5", "2023-2027", "Albariño", "100", "", "" },
        { "Clos Mogador", "2019", "Priorato", "Tinto", "Crianza", "Clos Mogador", "72,00", "2",
            "A-3", "14,5", "2025-2040", "Garnacha", "40", "Cariñena", "25" },
        { "Gramona III Lustros", "2015", "Cava", "Espumoso", "Gran Reserva", "Gramona", "42,00",
            "6", "C-1", "12,0", "2023-2030", "Xarel·lo", "70", "Macabeo", "30" },
        { "Pago de Carraovejas", "2020", "Ribera del Duero", "Tinto", "Crianza",
            "Pago de Carraovejas", "45,00", "4", "A-2", "14,5", "2024-2035", "Tinto Fino", "93",
            "Cabernet Sauvignon", "7" },
    };
    QStringList lines;
    int n = 0;
    for (const Wine &w : wines) {
        caveto::CellarRecord r;
        const auto set = [&r](Field f, const char *v) { r[f] = QString::fromUtf8(v); };
        set(Field::NombreVino, w.name);
        set(Field::Cosecha, w.year);
        set(Field::DenoOrigen, w.deno);
        set(Field::Vino, w.vino);
        set(Field::TipoVino, w.tipo);
        set(Field::Bodega, w.bodega);
        set(Field::Precio, w.precio);
        set(Field::NumBotellas, w.botellas);
        set(Field::Estante, w.estante);
        set(Field::Grados, w.grados);
        set(Field::TempeINI, "16");
        set(Field::TempeFin, "18");
        set(Field::Consumo, w.consumo);
        set(Field::TipoUva1, w.uva1);
        set(Field::Porcen1, w.porcen1);
        set(Field::TipoUva2, w.uva2);
        set(Field::Porcen2, w.porcen2);
        set(Field::FCompraDD, "14");
        set(Field::FCompraMM, "03");
        set(Field::FCompraYY, "2024");
        set(Field::Catador, "Ana");
        set(Field::CaliVista, "Muy Bueno");
        set(Field::CaliOlfato, "Excelente");
        set(Field::CaliGusto, "Muy Bueno");
        set(Field::CaliConjunto, "Excelente");
        r[Field::EFichero] = QStringLiteral("14320241012%1").arg(++n, 5, 10, QLatin1Char('0'));
        r.pad();
        lines << r.buildLine();
    }
    return lines;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: caveto-screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    g_output = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_output);
    QApplication::setApplicationName(QStringLiteral("Caveto"));
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    caveto::applyApplicationLook();

    // A cellar of its own, with the pictures beside it as in a portable copy.
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Datos"));
    QDir(folder.path()).mkpath(QStringLiteral("ApliGraf"));
    for (const QString &gif : QDir(QStringLiteral(CAVETO_APLIGRAF_DIR)).entryList({ "*.gif" }))
        QFile::copy(QStringLiteral(CAVETO_APLIGRAF_DIR "/") + gif,
            folder.filePath(QStringLiteral("ApliGraf/") + gif));
    QString error;
    if (!caveto::writeRecordFile(
            folder.filePath(QStringLiteral("Datos/Caveto20.Datos")), sampleCellar(), &error)) {
        std::fprintf(stderr, "caveto-screenshots: %s\n", qPrintable(error));
        return 1;
    }
    caveto::setAppFolderOverride(folder.path());

    caveto::DialogScript script;
    script.onNext(QStringLiteral("TFormInicio"), [](QDialog *splash) {
        shoot(splash, QStringLiteral("inicio"));
        click(splash, "BEntrar");
    });
    TFormCavetoPas window;
    if (!window.loaded())
        return 1;
    settle(800);
    shoot(&window, QStringLiteral("menu"));

    // Consulting the cellar, one wine on show.
    click(&window, "BMenuCons");
    settle(200);
    window.Csalida->setFocus();
    window.Csalida->setCurrentIndex(4);
    window.CsalidaChange();
    settle(200);
    shoot(&window, QStringLiteral("cavetopas"));

    // The search window: the red wines of Ribera del Duero.
    script.onNext(QStringLiteral("TFormBuscar"), [](QDialog *d) {
        auto *search = static_cast<TFormBuscar *>(d);
        search->CDenominacion->setCurrentText(QStringLiteral("Ribera del Duero"));
        click(search, "BBuscar");
        shoot(search, QStringLiteral("buscar"));
        d->reject();
    });
    click(&window, "BBuscar");
    settle(200);
    click(&window, "BMenu");
    settle(200);

    // The food pairing guide and the dictionary.
    script.onNext(QStringLiteral("TFormMaridaje"), [](QDialog *d) {
        shoot(d, QStringLiteral("maridaje"));
        d->reject();
    });
    window.Maridaje1Click();
    script.onNext(QStringLiteral("TFormDiccionarioAH"), [](QDialog *d) {
        shoot(d, QStringLiteral("diccionario"));
        d->reject();
    });
    window.Diccionario1Click();

    // The appellation guide on Rioja 1994, and the map on Rioja.
    script.onNext(QStringLiteral("TFormVinos"), [](QDialog *d) {
        auto *deno = d->findChild<QComboBox *>(QStringLiteral("DENO"));
        auto *year = d->findChild<QComboBox *>(QStringLiteral("EJER"));
        deno->setFocus();
        settle(50);
        deno->setCurrentIndex(deno->findText(QStringLiteral("Rioja")));
        year->setFocus();
        settle(50);
        year->setCurrentIndex(year->findText(QStringLiteral("1994")));
        settle(200);
        shoot(d, QStringLiteral("vinos"));
        d->reject();
    });
    window.Vinos1Click();
    script.onNext(QStringLiteral("TFormMapa"), [](QDialog *d) {
        auto *deno = d->findChild<QComboBox *>(QStringLiteral("DenoOrigen"));
        deno->setCurrentIndex(deno->findText(QStringLiteral("Rioja")));
        settle(300);
        shoot(d, QStringLiteral("mapa"));
        d->reject();
    });
    window.MapaDO1Click();

    for (const caveto::ShownMessage &m : script.takeMessages())
        std::fprintf(stderr, "caveto-screenshots: message %s\n", qPrintable(m.text));
    for (const QString &name : script.unexpected) {
        std::fprintf(stderr, "caveto-screenshots: unexpected window %s\n", qPrintable(name));
        ++g_failures;
    }
    window.hide();
    return g_failures ? 1 : 0;
}
