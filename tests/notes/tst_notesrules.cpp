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

namespace {

// The record block of a wine whose every field holds its own name, so that
// a label, a field or a separator out of place shows; blank lines are one
// blank, written "_" here.
const char kRecordBlock[] = R"(Caveto   LIBRO DE BODEGA  *   DATOS DEL VINO   *
_
_
Fecha / Hora ...... 5-12-2026  9:07:03
_
Nombre del Vino ... NombreVino
Cosecha ........... Cosecha
Denominación ...... DenoOrigen
Vino .............. Vino
Tipo .............. TipoVino
Tratante .......... Bodega
Fecha de Compra ... FCompraDD / FCompraMM / FCompraYY
Importe ........... Precio
Num. Botellas ..... NumBotellas
Estante ........... Estante
Grados ............ Grados
Temp. de Consumo .. TempeINI y TempeFin
Cons. Preferente .. Consumo
Tipo de Uva 1 ..... Porcen1 %  TipoUva1
Tipo de Uva 2 ..... Porcen2 %  TipoUva2
Tipo de Uva 3 ..... Porcen3 %  TipoUva3
Tipo de Uva 4 ..... Porcen4 %  TipoUva4
_
Caveto   CATA DE VINOS   *  DATOS GENERALES  *
Catador ........... Catador
Fecha de Cata ..... FCataDD / FCataMM / FCataYY
Hora de Cata ...... HoraIni : HoraFin
Tipo Botella ...... Botella
Tipo Tapón ........ Tapon
Tipo Capsula ...... Capsula
Tp. Fermentación .. Fermentacion
Barrica ........... Barrica
_
Caveto   CATA DE VINOS   *  DATOS VISTA  *
Limpieza .......... Limpieza
Color ............. Color
Intensidad ........ Intensidad
Viscosidad ........ Viscosidad
Calif. Vista ...... CaliVista
_
Caveto   CATA DE VINOS   *  DATOS OLFATO  *
Aroma 1 ........... Aroma1
Aroma 2 ........... Aroma2
Aroma 3 ........... Aroma3
Aroma 4 ........... Aroma4
Afrutado .......... Afrutado
Bouquet ........... Bouquet
Calif. Olfato ..... CaliOlfato
_
Caveto   CATA DE VINOS   *  DATOS GUSTO  *
Dulzor ............ Dulzor
Tanino ............ Tanino
Cuerpo ............ Cuerpo
Acidez ............ Acidez
Duración .......... Duracion
Equilibrio ........ Equilibrio
Calif. Gusto ...... CaliGusto
_
Caveto   CATA DE VINOS   *  DATOS CONJUNTO  *
Conjunto 1 ........ Conjunto1
Conjunto 2 ........ Conjunto2
Conjunto 3 ........ Conjunto3
Conjunto 4 ........ Conjunto4
Calif. Conjunto ... CaliConjunto
_)";

QString shown(QStringList lines)
{
    return lines.replaceInStrings(QRegularExpression(QStringLiteral("^ $")), QStringLiteral("_"))
        .join(u'\n');
}

} // namespace

class TestNotesRules : public QObject
{
    Q_OBJECT

private slots:
    // The header is the record block's head under its own title, with three
    // blanks before the first asterisk where the record block has two.
    void blocks()
    {
        caveto::CellarRecord r;
        for (int i = 0; i < caveto::kFieldCount; ++i)
            r.value(i) = QString::fromLatin1(caveto::recordLayout()[i].name);
        const Stamp stamp { QStringLiteral("5-12-2026"), QStringLiteral("9:07:03") };
        const QStringList record = recordBlock(r, stamp);
        QCOMPARE(shown(record), QString::fromUtf8(kRecordBlock));
        QCOMPARE(shown(headerBlock(r, stamp)),
            shown(QStringList { "Caveto   LIBRO DE BODEGA   *   DATOS DEL VINO   *" }
                + record.mid(1, 9) + QStringList { " " }));
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
        QTest::newRow("150x120") << QSize(150, 120) << false << 1;
        QTest::newRow("200x200") << QSize(200, 200) << false << 1;
        QTest::newRow("201 wide") << QSize(201, 10) << true << 1;
        QTest::newRow("200x300") << QSize(200, 300) << true << 1;
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

    void ledAndModeWord()
    {
        QTemporaryDir dir;
        const QString photo = dir.filePath(QStringLiteral("botella.jpg"));
        QVERIFY(QFile(photo).open(QIODevice::WriteOnly));
        QList<Led> leds;
        for (const QString &path : { QString(), QStringLiteral("   "), photo,
                 QStringLiteral("  ") + photo + QStringLiteral("  "),
                 dir.filePath(QStringLiteral("otra.jpg")), dir.path() })
            leds << ledForPath(path);
        QCOMPARE(
            leds, QList<Led>({ Led::Off, Led::Off, Led::Green, Led::Green, Led::Red, Led::Red }));
        QStringList words;
        for (const char *mode : { "ALTA", "BAJA", "MODI", "CONS", "" })
            words << modeWord(QString::fromLatin1(mode));
        QCOMPARE(words.join(u'|'), QStringLiteral("Alta|Baja|Modificación|Consulta|"));
    }
};

QTEST_GUILESS_MAIN(TestNotesRules)
#include "tst_notesrules.moc"
