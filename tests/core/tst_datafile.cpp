#include "cellar/DataFile.h"
#include "cellar/RecordLine.h"

#include <QtTest>

using namespace caveto;

namespace {
QString recordLine(const QString &name, const QString &year, const QString &deno,
    const QString &vino = QStringLiteral("Tinto"), const QString &estante = QString())
{
    CellarRecord r;
    r[Field::NombreVino] = name;
    r[Field::Cosecha] = year;
    r[Field::DenoOrigen] = deno;
    r[Field::Vino] = vino;
    r[Field::TipoVino] = QStringLiteral("Crianza");
    r[Field::Estante] = estante;
    r[Field::EFichero] = QStringLiteral("1");
    r.pad();
    return r.buildLine();
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeAll(const QString &path, const QByteArray &data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}
} // namespace

class TestDataFile : public QObject
{
    Q_OBJECT

private slots:
    void recordListSkipsEmptyLinesAndSorts()
    {
        const QStringList image { recordLine(QStringLiteral("Viña Sol"), QStringLiteral("2020"),
                                      QStringLiteral("Penedès")),
            QString(),
            recordLine(QStringLiteral("alión"), QStringLiteral("2015"),
                QStringLiteral("Ribera del Duero")),
            recordLine(QStringLiteral("Alion"), QStringLiteral("2014"),
                QStringLiteral("Ribera del Duero")) };
        int calls = 0;
        const QStringList list = buildRecordList(image, [&](qsizetype) { ++calls; });
        QCOMPARE(calls, 4);
        QCOMPARE(list.size(), 3);
        QVERIFY(list[0].startsWith(QStringLiteral("Alion")));
        QVERIFY(list[1].startsWith(QStringLiteral("alión")));
        QVERIFY(list[2].startsWith(QStringLiteral("Viña Sol")));
        // Lines stay whole.
        QCOMPARE(list[2].size(), kRecordLength);
    }

    void valueListsFoldLetterCase()
    {
        const QStringList image { recordLine(QStringLiteral("A"), QStringLiteral("1"),
                                      QStringLiteral("rioja")),
            recordLine(QStringLiteral("B"), QStringLiteral("1"), QStringLiteral("RIOJA")),
            recordLine(QStringLiteral("C"), QStringLiteral("1"), QStringLiteral("Rioja")),
            recordLine(QStringLiteral("D"), QStringLiteral("1"), QStringLiteral("Bierzo")) };
        const QStringList denos = buildValueList(image, Field::DenoOrigen);
        QCOMPARE(denos,
            (QStringList { QStringLiteral("Bierzo").leftJustified(30),
                QStringLiteral("RIOJA").leftJustified(30) }));
        QVERIFY(valueListContains(denos, u"  rioja "));
        QVERIFY(!valueListContains(denos, u"Ribeiro"));
    }

    void blankValueIsAnEntryThatSortsFirst()
    {
        const QStringList image { recordLine(QStringLiteral("A"), QStringLiteral("1"),
                                      QStringLiteral("Toro"), QStringLiteral("Blanco")),
            recordLine(QStringLiteral("B"), QStringLiteral("1"), QStringLiteral("Toro"), QString()),
            QStringLiteral("short line") };
        const QStringList wines = buildValueList(image, Field::Vino);
        QCOMPARE(wines.size(), 2);
        QCOMPARE(wines[0], QString(30, QLatin1Char(' ')));
        QCOMPARE(wines[1], QStringLiteral("Blanco").leftJustified(30));
        const QStringList shelves = buildValueList(image, Field::Estante);
        QCOMPARE(shelves, QStringList { QString(15, QLatin1Char(' ')) });
    }

    void blankKeysAndInsertPositions()
    {
        QVERIFY(hasBlankKey(QString(40, QLatin1Char(' ')) + QStringLiteral("x")));
        QVERIFY(!hasBlankKey(QString(39, QLatin1Char(' ')) + QStringLiteral("x")));
        const QStringList sorted { QStringLiteral("Alba"), QStringLiteral("Rioja"),
            QStringLiteral("Toro") };
        QCOMPARE(sortedInsertPosition(sorted, u"Bierzo"), 1);
        QCOMPARE(sortedInsertPosition(sorted, u"rioja"), 2);
        QCOMPARE(sortedInsertPosition(sorted, u"Zamora"), 3);
        QCOMPARE(sortedInsertPosition({}, u"x"), 0);
    }

    void writtenFileReadsBackLineForLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Caveto20.Datos"));
        QStringList lines { recordLine(QStringLiteral("Marqués de Cáceres"), QStringLiteral("1998"),
                                QStringLiteral("Rioja")),
            recordLine(QStringLiteral("{Llaves} \\ y barras"), QStringLiteral("2001"),
                QStringLiteral("Cariñena")),
            recordLine(QStringLiteral("Œil de Perdrix — “rosé” €"), QStringLiteral("2019"),
                QStringLiteral("Navarra")) };
        QString error;
        QVERIFY(writeRecordFile(path, lines, &error));
        const QByteArray bytes = readAll(path);
        QVERIFY(bytes.startsWith("{\\rtf1"));
        // Single-byte text: nothing outside 7-bit ASCII in the file itself.
        for (char c : bytes)
            QVERIFY(uchar(c) < 0x80);
        QStringList back;
        QVERIFY(readRecordFile(path, &back, &error));
        QCOMPARE(back, lines);
        for (const QString &line : back)
            QCOMPARE(line.size(), kRecordLength);
    }

    void damagedRtfIsNeverReadAsPlainText()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("damaged.Datos"));
        QString error;
        const QStringList lines { recordLine(QStringLiteral("Uno"), QStringLiteral("2000"),
                                      QStringLiteral("Toro")),
            recordLine(QStringLiteral("Dos"), QStringLiteral("2001"), QStringLiteral("Toro")) };
        QVERIFY(writeRecordFile(path, lines, &error));
        QByteArray bytes = readAll(path);
        bytes.chop(
            bytes.size() - bytes.lastIndexOf("Dos") - 40); // cut in the middle of the last record
        writeAll(path, bytes);
        QStringList back;
        QVERIFY(readRecordFile(path, &back, &error));
        QVERIFY(!back.isEmpty());
        QCOMPARE(back.first(), lines.first());
        for (const QString &line : back)
            QVERIFY2(!line.contains(QLatin1Char('\\')) && !line.contains(QLatin1Char('{')),
                qPrintable(line));
        QVERIFY(back.last().startsWith(QStringLiteral("Dos")));
    }

    void missingFileIsAnError()
    {
        QStringList lines { QStringLiteral("kept") };
        QString error;
        QVERIFY(!readRecordFile(QStringLiteral("/nonexistent/Caveto20.Datos"), &lines, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(lines, QStringList { QStringLiteral("kept") });
    }
};

QTEST_APPLESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
