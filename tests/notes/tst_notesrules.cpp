// The rules behind the notes editor and the photo window: the two blocks
// the editor inserts, the picture fit, the JPEG reduction and the LED.

#include "notes/NotesBlocks.h"
#include "notes/PhotoRules.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using caveto::Field;
using namespace caveto::notes;
using namespace caveto::photo;

Q_DECLARE_METATYPE(caveto::photo::Led)

namespace {

// A wine with every field filled, each value telling which field it is.
caveto::CellarRecord fullRecord()
{
    caveto::CellarRecord r;
    for (int i = 0; i < caveto::kFieldCount; ++i)
        r.value(i) = QString::fromLatin1(caveto::recordLayout()[i].name);
    r[Field::NombreVino] = QStringLiteral("Viña Tondonia");
    r[Field::Precio] = QStringLiteral("24,50");
    return r;
}

const Stamp kStamp { QStringLiteral("5-12-2026"), QStringLiteral("9:07:03") };

} // namespace

class TestNotesRules : public QObject
{
    Q_OBJECT

private slots:
    // The header is the record block's head, under its own title (three
    // blanks before the first asterisk, where the record block has two).
    void headerBlockLines()
    {
        const QStringList header = headerBlock(fullRecord(), kStamp);
        const QStringList record = recordBlock(fullRecord(), kStamp);
        QCOMPARE(header.size(), 11);
        QCOMPARE(
            header.first(), QStringLiteral("Caveto   LIBRO DE BODEGA   *   DATOS DEL VINO   *"));
        QCOMPARE(header.mid(1, 9), record.mid(1, 9));
        QCOMPARE(header.last(), QStringLiteral(" "));
    }

    // The whole record block, line by line, for a record whose every field
    // names itself: a label, a field or a separator out of place shows here.
    void recordBlockLines()
    {
        const QStringList lines = recordBlock(fullRecord(), kStamp);
        const QStringList expected = {
            "Caveto   LIBRO DE BODEGA  *   DATOS DEL VINO   *",
            " ",
            " ",
            "Fecha / Hora ...... 5-12-2026  9:07:03",
            " ",
            "Nombre del Vino ... Viña Tondonia",
            "Cosecha ........... Cosecha",
            "Denominación ...... DenoOrigen",
            "Vino .............. Vino",
            "Tipo .............. TipoVino",
            "Tratante .......... Bodega",
            "Fecha de Compra ... FCompraDD / FCompraMM / FCompraYY",
            "Importe ........... 24,50",
            "Num. Botellas ..... NumBotellas",
            "Estante ........... Estante",
            "Grados ............ Grados",
            "Temp. de Consumo .. TempeINI y TempeFin",
            "Cons. Preferente .. Consumo",
            "Tipo de Uva 1 ..... Porcen1 %  TipoUva1",
            "Tipo de Uva 2 ..... Porcen2 %  TipoUva2",
            "Tipo de Uva 3 ..... Porcen3 %  TipoUva3",
            "Tipo de Uva 4 ..... Porcen4 %  TipoUva4",
            " ",
            "Caveto   CATA DE VINOS   *  DATOS GENERALES  *",
            "Catador ........... Catador",
            "Fecha de Cata ..... FCataDD / FCataMM / FCataYY",
            "Hora de Cata ...... HoraIni : HoraFin",
            "Tipo Botella ...... Botella",
            "Tipo Tapón ........ Tapon",
            "Tipo Capsula ...... Capsula",
            "Tp. Fermentación .. Fermentacion",
            "Barrica ........... Barrica",
            " ",
            "Caveto   CATA DE VINOS   *  DATOS VISTA  *",
            "Limpieza .......... Limpieza",
            "Color ............. Color",
            "Intensidad ........ Intensidad",
            "Viscosidad ........ Viscosidad",
            "Calif. Vista ...... CaliVista",
            " ",
            "Caveto   CATA DE VINOS   *  DATOS OLFATO  *",
            "Aroma 1 ........... Aroma1",
            "Aroma 2 ........... Aroma2",
            "Aroma 3 ........... Aroma3",
            "Aroma 4 ........... Aroma4",
            "Afrutado .......... Afrutado",
            "Bouquet ........... Bouquet",
            "Calif. Olfato ..... CaliOlfato",
            " ",
            "Caveto   CATA DE VINOS   *  DATOS GUSTO  *",
            "Dulzor ............ Dulzor",
            "Tanino ............ Tanino",
            "Cuerpo ............ Cuerpo",
            "Acidez ............ Acidez",
            "Duración .......... Duracion",
            "Equilibrio ........ Equilibrio",
            "Calif. Gusto ...... CaliGusto",
            " ",
            "Caveto   CATA DE VINOS   *  DATOS CONJUNTO  *",
            "Conjunto 1 ........ Conjunto1",
            "Conjunto 2 ........ Conjunto2",
            "Conjunto 3 ........ Conjunto3",
            "Conjunto 4 ........ Conjunto4",
            "Calif. Conjunto ... CaliConjunto",
            " ",
        };
        QCOMPARE(lines.size(), 65);
        for (qsizetype i = 0; i < expected.size(); ++i)
            QCOMPARE(lines.at(i), expected.at(i));
        // Every label is 20 columns, so the values line up.
        for (const QString &l : lines) {
            if (l.contains(QLatin1String(" ..")))
                QCOMPARE(l.mid(18, 2), QStringLiteral(". "));
        }
    }

    void emptyValuesLeaveTheLabels()
    {
        const QStringList lines = recordBlock(caveto::CellarRecord(), { "1-1-2027", "0:00:00" });
        QCOMPARE(lines.at(11), QStringLiteral("Fecha de Compra ...  /  / "));
        QCOMPARE(lines.at(16), QStringLiteral("Temp. de Consumo ..  y "));
        QCOMPARE(lines.at(18), QStringLiteral("Tipo de Uva 1 .....  %  "));
        QCOMPARE(lines.at(25), QStringLiteral("Fecha de Cata .....  /  / "));
        QCOMPARE(lines.at(26), QStringLiteral("Hora de Cata ......  : "));
        QCOMPARE(lines.at(24), QStringLiteral("Catador ........... "));
    }

    // Both below 201 pixels: shown as it is; otherwise stretched over the box.
    void fit_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<bool>("stretched");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("150x120") << QSize(150, 120) << false << QSize(150, 120);
        QTest::newRow("200x200") << QSize(200, 200) << false << QSize(200, 200);
        QTest::newRow("201 wide") << QSize(201, 10) << true << QSize(200, 200);
        QTest::newRow("640x480") << QSize(640, 480) << true << QSize(200, 200);
        QTest::newRow("200x300") << QSize(200, 300) << true << QSize(200, 200);
        QTest::newRow("1x1") << QSize(1, 1) << false << QSize(1, 1);
    }
    void fit()
    {
        QFETCH(QSize, picture);
        const Fit f = fitInBox(picture);
        QTEST(f.stretched, "stretched");
        QTEST(f.shown, "shown");
    }

    // The reduction keeps both sides at least as large as the box.
    void jpegReduction_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("reduction");
        QTest::newRow("fits") << QSize(150, 120) << 1;
        QTest::newRow("tall, narrow") << QSize(200, 300) << 1;
        QTest::newRow("640x480") << QSize(640, 480) << 2;
        QTest::newRow("799 rounds up") << QSize(799, 799) << 4;
        QTest::newRow("24 megapixels") << QSize(6000, 4000) << 8;
        QTest::newRow("panorama") << QSize(8000, 300) << 1;
    }
    void jpegReduction()
    {
        QFETCH(QSize, picture);
        QTEST(caveto::photo::jpegReduction(picture, QSize(200, 200)), "reduction");
    }

    void led()
    {
        QTemporaryDir dir;
        const QString photo = dir.filePath(QStringLiteral("botella.jpg"));
        QFile f(photo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(ledForPath(QString()), Led::Off);
        QCOMPARE(ledForPath(QStringLiteral("   ")), Led::Off);
        QCOMPARE(ledForPath(photo), Led::Green);
        QCOMPARE(ledForPath(QStringLiteral("  ") + photo + QStringLiteral("  ")), Led::Green);
        QCOMPARE(ledForPath(dir.filePath(QStringLiteral("otra.jpg"))), Led::Red);
        // A folder is no picture.
        QCOMPARE(ledForPath(dir.path()), Led::Red);
        QCOMPARE(ledForFile(true), Led::Green);
        QCOMPARE(ledForFile(false), Led::Red);
    }

    void modeWords()
    {
        QCOMPARE(modeWord(QStringLiteral("ALTA")), QStringLiteral("Alta"));
        QCOMPARE(modeWord(QStringLiteral("BAJA")), QStringLiteral("Baja"));
        QCOMPARE(modeWord(QStringLiteral("MODI")), QStringLiteral("Modificación"));
        QCOMPARE(modeWord(QStringLiteral("CONS")), QStringLiteral("Consulta"));
        QCOMPARE(modeWord(QString()), QString());
    }
};

QTEST_GUILESS_MAIN(TestNotesRules)
#include "tst_notesrules.moc"
