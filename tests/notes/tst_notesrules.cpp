// The rules behind the notes editor and the photo window: the two blocks
// the editor inserts, the picture fit and JPEG reduction, the LED and the
// mode word.

#include "notes/NotesBlocks.h"
#include "notes/PhotoRules.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace caveto::notes;
using namespace caveto::photo;

class TestNotesRules : public QObject
{
    Q_OBJECT

private slots:
    // The record block: titles, blank lines (written "_" here) and the
    // values under labels dotted out to 20 columns. The header is its head
    // under its own title, with three blanks before the first asterisk where
    // the record block has two.
    void blocks()
    {
        caveto::CellarRecord r;
        for (int i = 0; i < caveto::kFieldCount; ++i)
            r.value(i) = QString::fromLatin1(caveto::recordLayout()[i].name);
        const Stamp stamp { QStringLiteral("5-12-2026"), QStringLiteral("9:07:03") };
        const QStringList record = recordBlock(r, stamp);
        static const QRegularExpression label(QStringLiteral("^\\S.*\\S \\.+ $"));
        QStringList shown;
        for (const QString &line : record) {
            if (line.startsWith(QLatin1String("Caveto ")) || line == QLatin1String(" "))
                shown << (line == QLatin1String(" ") ? QStringLiteral("_") : line);
            else if (label.match(line.left(20)).hasMatch())
                shown << line.mid(20);
            else
                shown << QStringLiteral("<") + line + u'>';
        }
        QCOMPARE(shown.join(u'|'),
            QStringLiteral(
                "Caveto   LIBRO DE BODEGA  *   DATOS DEL VINO   *|_|_|5-12-2026  9:07:03|_|"
                "NombreVino|Cosecha|DenoOrigen|Vino|TipoVino|Bodega|FCompraDD / FCompraMM "
                "/ FCompraYY|Precio|NumBotellas|Estante|Grados|TempeINI y TempeFin|Consumo"
                "|Porcen1 %  TipoUva1|Porcen2 %  TipoUva2|Porcen3 %  TipoUva3|Porcen4 %  "
                "TipoUva4|_|Caveto   CATA DE VINOS   *  DATOS GENERALES  *|Catador|FCataDD "
                "/ FCataMM / FCataYY|HoraIni : HoraFin|Botella|Tapon|Capsula|Fermentacion|"
                "Barrica|_|Caveto   CATA DE VINOS   *  DATOS VISTA  *|Limpieza|Color|"
                "Intensidad|Viscosidad|CaliVista|_|Caveto   CATA DE VINOS   *  DATOS "
                "OLFATO  *|Aroma1|Aroma2|Aroma3|Aroma4|Afrutado|Bouquet|CaliOlfato|_|Caveto"
                "   CATA DE VINOS   *  DATOS GUSTO  *|Dulzor|Tanino|Cuerpo|Acidez|Duracion|"
                "Equilibrio|CaliGusto|_|Caveto   CATA DE VINOS   *  DATOS CONJUNTO  *|"
                "Conjunto1|Conjunto2|Conjunto3|Conjunto4|CaliConjunto|_"));
        QCOMPARE(record.at(5), QStringLiteral("Nombre del Vino ... NombreVino"));
        QCOMPARE(headerBlock(r, stamp),
            QStringList { "Caveto   LIBRO DE BODEGA   *   DATOS DEL VINO   *" } + record.mid(1, 9)
                + QStringList { " " });
        // An empty value leaves its label alone on the line.
        QCOMPARE(recordBlock({}, stamp).at(24), QStringLiteral("Catador ........... "));
    }

    // Both sides at most 200 pixels: shown as it is; otherwise stretched
    // over the box. A JPEG is decoded at the largest reduction that still
    // covers the box on both sides.
    void picture_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<bool>("stretched");
        QTest::addColumn<int>("reduction");
        QTest::newRow("200x200") << QSize(200, 200) << false << 1;
        QTest::newRow("201 wide") << QSize(201, 10) << true << 1;
        QTest::newRow("640x480") << QSize(640, 480) << true << 2;
        QTest::newRow("799 rounds up") << QSize(799, 799) << true << 4;
        QTest::newRow("24 megapixels") << QSize(6000, 4000) << true << 8;
        QTest::newRow("panorama") << QSize(8000, 300) << true << 1;
    }
    void picture()
    {
        QFETCH(QSize, picture);
        QFETCH(bool, stretched);
        const Fit fit = fitInBox(picture);
        QCOMPARE(fit.stretched, stretched);
        QCOMPARE(fit.shown, stretched ? QSize(200, 200) : picture);
        QTEST(jpegReduction(picture, QSize(200, 200)), "reduction");
    }

    // Off without a path, green for a file, red for anything else.
    void ledAndModeWord()
    {
        QTemporaryDir dir;
        const QString photo = dir.filePath(QStringLiteral("botella.jpg"));
        QVERIFY(QFile(photo).open(QIODevice::WriteOnly));
        QCOMPARE(QList<Led>({ ledForPath(QStringLiteral("   ")), ledForPath("  " + photo + "  "),
                     ledForPath(dir.path()) }),
            QList<Led>({ Led::Off, Led::Green, Led::Red }));
        QCOMPARE(modeWord(QStringLiteral("MODI")), QStringLiteral("Modificación"));
    }
};

QTEST_GUILESS_MAIN(TestNotesRules)
#include "tst_notesrules.moc"
