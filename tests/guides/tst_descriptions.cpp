// The 56 appellation descriptions as compiled in: each built of free
// paragraphs and then the key lines in their order, within 14 to 36 lines;
// the keys carried by as many entries as the guide counts; Abona as it is
// given; no sentence of the free paragraphs repeated in another entry.

#include "guides/Appellations.h"
#include "guides/Descriptions.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

using namespace caveto;

namespace {

bool isSeparator(const QString &line)
{
    return line.isEmpty() || line == QLatin1String(" ");
}

// Rank of a key in the usual order; "JOVEN" and "JOVENES" share one.
int keyRank(const QString &key)
{
    const int i = int(descriptionKeys().indexOf(key));
    return i > descriptionKeys().indexOf(QStringLiteral("JOVEN")) ? i - 1 : i;
}

} // namespace

class TestDescriptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (int i = 0; i < kAppellationCount; ++i) {
            m_texts.append(appellationDescription(i));
            QVERIFY2(!m_texts.last().isEmpty(), appellations()[i].key);
        }
        QVERIFY(appellationDescription(-1).isEmpty());
        QVERIFY(appellationDescription(kAppellationCount).isEmpty());
    }

    // Free paragraphs first, then key lines; empty lines between them
    // (the first separator may hold one blank); nothing after the last key.
    void everyEntryHasTheGuideShape()
    {
        static const QRegularExpression keyLike(QStringLiteral("^[A-ZÁÉÍÓÚÑ ]+ = "));
        for (int i = 0; i < kAppellationCount; ++i) {
            const QStringList &lines = m_texts[i];
            const QByteArray name = appellations()[i].name;
            QVERIFY2(lines.size() >= 14 && lines.size() <= 36,
                name + " has " + QByteArray::number(lines.size()) + " lines");
            QVERIFY2(!isSeparator(lines.first()) && !descriptionKey(lines.last()).isEmpty(), name);

            bool inKeys = false;
            int lastRank = -1;
            int blankSeparators = 0;
            for (int n = 0; n < lines.size(); ++n) {
                const QString &line = lines[n];
                const QByteArray where = name + " line " + QByteArray::number(n + 1);
                QVERIFY2(!line.contains(QLatin1Char('\t')) && !line.contains(QChar(0xFFFD)), where);
                if (isSeparator(line)) {
                    // A separator stands between two lines of text.
                    QVERIFY2(n > 0 && !isSeparator(lines[n - 1]), where);
                    QVERIFY2(n + 1 < lines.size() && !isSeparator(lines[n + 1]), where);
                    if (line == QLatin1String(" "))
                        ++blankSeparators;
                    continue;
                }
                QVERIFY2(line == line.trimmed(), where);
                const QString key = descriptionKey(line);
                // Any line written like a key line carries one of the keys.
                QVERIFY2(!keyLike.match(line).hasMatch() || !key.isEmpty(), where);
                if (key.isEmpty()) {
                    QVERIFY2(!inKeys, where + ": a paragraph among the key lines");
                    continue;
                }
                // Key lines stand alone, each between empty lines.
                QVERIFY2(isSeparator(lines[n - 1]), where);
                inKeys = true;
                QVERIFY2(keyRank(key) >= lastRank, where + ": key out of order");
                lastRank = keyRank(key);
                QVERIFY2(line.size() > key.size() + 3, where + ": key without a value");
            }
            QVERIFY2(inKeys, name);
            // Only the first separator may be a blank.
            QVERIFY2(blankSeparators <= 1, name);
        }
    }

    // How many entries carry each key, and the key lines over all entries.
    void keyCounts()
    {
        QHash<QString, int> entries;
        int keyLines = 0, withFullStop = 0;
        for (const QStringList &lines : std::as_const(m_texts)) {
            QSet<QString> keys;
            for (const QString &line : lines) {
                const QString key = descriptionKey(line);
                if (key.isEmpty())
                    continue;
                keys.insert(key);
                ++keyLines;
                if (line.endsWith(QLatin1Char('.')))
                    ++withFullStop;
            }
            for (const QString &key : std::as_const(keys))
                ++entries[key];
        }
        QCOMPARE(entries.value(QStringLiteral("UVA AUTORIZADA TINTAS")), 53);
        QCOMPARE(entries.value(QStringLiteral("UVA AUTORIZADA BLANCAS")), 56);
        QCOMPARE(entries.value(QStringLiteral("TIPOS DE VINO")), 56);
        QCOMPARE(entries.value(QStringLiteral("GRADUACIÓN ALCOHÓLICA")), 55);
        QCOMPARE(
            entries.value(QStringLiteral("JOVEN")) + entries.value(QStringLiteral("JOVENES")), 3);
        QCOMPARE(entries.value(QStringLiteral("CRIANZA")), 55);
        QCOMPARE(entries.value(QStringLiteral("RESERVA")), 21);
        QCOMPARE(entries.value(QStringLiteral("GRAN RESERVA")), 17);
        QCOMPARE(keyLines, 323);
        QCOMPARE(withFullStop, 304);
    }

    void abonaAsGiven()
    {
        const QStringList &abona = m_texts[appellationIndex(QStringLiteral("Abona"))];
        QCOMPARE(abona.size(), 17);
        const QStringList expected = {
            "Situada en el sur de Tenerife. Acoge las localidades de Adeje, Arona, San Miguel de "
            "Abona, Granadilla, Arico y Fasnia.",
            " ",
            "Superficie de viñedo de más de 1.000 hectáreas altitudes que van de los 300 a los "
            "1.750 metros, siendo en las zonas más altas donde se cultivan las uvas de mayor "
            "calidad.",
            "",
            "Los vinos blancos que producen, son de color amarillo pálido, con aromas afrutados, "
            "secos y equilibrados. Los rosados son frescos, ligeros y afrutados.",
            "",
            "", // the soils, checked below
            "",
            "UVA AUTORIZADA TINTAS = Tintas 20% Listan Negro, Negramoll.",
            "",
            "UVA AUTORIZADA BLANCAS = Blancas 80% Listan Blanco, Verdello, Malvasía, Sabro, "
            "Bermejuelo.",
            "",
            "TIPOS DE VINO = Blancos, Rosados.",
            "",
            "GRADUACIÓN ALCOHÓLICA = Blancos Mín. 13%, Rosados Mín. 13%.",
            "",
            "CRIANZA = Solo elaboran vinos jóvenes.",
        };
        for (int n = 0; n < expected.size(); ++n)
            if (n != 6)
                QCOMPARE(abona[n], expected[n]);
        QVERIFY(abona[6].contains(QStringLiteral("arenosos"))
            && abona[6].contains(QStringLiteral("volcánico")));
    }

    void montillaHasOnlyGrapesAndTypes()
    {
        QStringList keys;
        for (const QString &line : m_texts[appellationIndex(QStringLiteral("Montilla Moriles"))])
            if (!descriptionKey(line).isEmpty())
                keys << descriptionKey(line);
        QCOMPARE(keys, QStringList({ "UVA AUTORIZADA BLANCAS", "TIPOS DE VINO" }));
    }

    // The vintage table rates no Jerez harvest; its entry says why.
    void jerezExplainsItsUnratedVintages()
    {
        const QString text = m_texts[appellationIndex(QStringLiteral("Jerez"))].join(u'\n');
        QVERIFY(text.contains(QStringLiteral("tabla de añadas")));
        QVERIFY(text.contains(QStringLiteral("soleras")));
    }

    // No sentence of the free paragraphs appears in two entries.
    void noSentenceRepeatedAcrossEntries()
    {
        QHash<QString, int> seen;
        static const QRegularExpression end(QStringLiteral("(?<=[.;:])\\s+"));
        for (int i = 0; i < kAppellationCount; ++i) {
            for (const QString &line : std::as_const(m_texts[i])) {
                if (isSeparator(line) || !descriptionKey(line).isEmpty())
                    continue;
                for (const QString &sentence : line.split(end, Qt::SkipEmptyParts)) {
                    if (sentence.size() < 30)
                        continue;
                    const auto it = seen.constFind(sentence);
                    QVERIFY2(it == seen.constEnd() || *it == i,
                        qPrintable(QString::fromUtf8(appellations()[i].name) + QLatin1String(": ")
                            + sentence));
                    seen.insert(sentence, i);
                }
            }
        }
    }

private:
    QList<QStringList> m_texts;
};

QTEST_GUILESS_MAIN(TestDescriptions)
#include "tst_descriptions.moc"
