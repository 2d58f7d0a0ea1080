// The reference content as compiled in: each text in the build the guides
// give it, no sentence said twice, every map marker on its own land.

#include "guides/Appellations.h"
#include "guides/Descriptions.h"
#include "guides/GuideTexts.h"

#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

using namespace caveto;
using caveto::guides::guideLines;

namespace {

const QString kSeparator = QStringLiteral(" ... ");
const QRegularExpression kSentenceEnd(QStringLiteral("(?<=[.;:])\\s+"));

bool isSeparator(const QString &line)
{
    return line.isEmpty() || line == QLatin1String(" ");
}

// A text's blocks: runs of lines between empty lines.
QList<QStringList> blocksOf(const QStringList &lines)
{
    QList<QStringList> blocks(1);
    for (const QString &line : lines) {
        if (!line.isEmpty())
            blocks.last().append(line);
        else if (!blocks.last().isEmpty())
            blocks.append(QStringList());
    }
    if (blocks.last().isEmpty())
        blocks.removeLast();
    return blocks;
}

// The blocks after the one that is the heading, up to the next heading.
QList<QStringList> section(
    const QStringList &lines, const QString &heading, const QString &nextHeading = QString())
{
    const QList<QStringList> blocks = blocksOf(lines);
    QList<QStringList> out;
    qsizetype i = 0;
    while (i < blocks.size() && blocks[i].first() != heading)
        ++i;
    while (++i < blocks.size() && blocks[i].first() != nextHeading)
        out.append(blocks[i]);
    return out;
}

// Dictionary order: accents ignored, Ñ after N.
QString orderKey(QString word)
{
    word.replace(QChar(0x00D1), QStringLiteral("N~"));
    return word.normalized(QString::NormalizationForm_D)
        .remove(QRegularExpression(QStringLiteral("\\p{Mn}")));
}

// The headwords of blocks that must all be entries: a headword in
// capitals, the separator, its text; headwords in dictionary order.
QStringList headwords(const QList<QStringList> &entries)
{
    QStringList words;
    for (const QStringList &entry : entries) {
        const QString word = entry.first().section(kSeparator, 0, 0);
        if (!entry.first().contains(kSeparator) || word != word.toUpper() || word.startsWith(u' '))
            return { QStringLiteral("<not an entry: %1>").arg(entry.first()) };
        if (!words.isEmpty() && orderKey(words.last()) >= orderKey(word))
            return { QStringLiteral("<out of order: %1, %2>").arg(words.last(), word) };
        words.append(word);
    }
    return words;
}

// Rank of a description key in the usual order; "JOVEN" and "JOVENES" share one.
int keyRank(const QString &key)
{
    const int i = int(descriptionKeys().indexOf(key));
    return i > descriptionKeys().indexOf(QStringLiteral("JOVEN")) ? i - 1 : i;
}

// The first sentence of some length that was seen before somewhere else.
QString saidBefore(QHash<QString, QString> &seen, const QString &where, const QString &text)
{
    for (const QString &sentence : text.simplified().split(kSentenceEnd)) {
        const QString before = seen.value(sentence, where);
        if (sentence.size() >= 25 && before != where)
            return before + QLatin1String(" / ") + where + QLatin1String(": ") + sentence;
        seen.insert(sentence, where);
    }
    return {};
}

// The mean colour of the 3 x 3 pixels around p, which evens out JPEG noise.
// Land is a warm cream, the sea blue.
int warmth(const QImage &image, QPoint p)
{
    int w = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            w += qRed(image.pixel(p + QPoint(dx, dy))) - qBlue(image.pixel(p + QPoint(dx, dy)));
    return w / 9;
}

} // namespace

class TestGuideContent : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (int i = 0; i < kAppellationCount; ++i)
            m_descriptions.append(appellationDescription(i));
        QVERIFY(appellationDescription(kAppellationCount).isEmpty());
        m_map = QImage(QStringLiteral(":/guides/Mapa.jpg")).convertToFormat(QImage::Format_RGB32);
        m_mask = QImage(QStringLiteral(CAVETO_SAMPLES_DIR "/map/land-mask.png"))
                     .convertToFormat(QImage::Format_Grayscale8);
        QCOMPARE(m_map.size(), QSize(kMapWidth, kMapHeight));
        QCOMPARE(m_mask.size(), m_map.size());
    }

    // 14 to 36 lines: free paragraphs, then the key lines in the usual
    // order, each alone between empty lines (the first separator may hold a
    // blank); nothing after the last key. How many entries carry each key.
    void descriptionsHaveTheGuideShape()
    {
        static const QRegularExpression keyLike(QStringLiteral("^[A-ZÁÉÍÓÚÑ ]+ = "));
        QHash<int, int> entries;
        int keyLines = 0;
        for (int i = 0; i < kAppellationCount; ++i) {
            const QStringList &lines = m_descriptions[i];
            const QByteArray name = appellations()[i].name;
            QVERIFY2(lines.size() >= 14 && lines.size() <= 36, name);
            QVERIFY2(!isSeparator(lines.first()) && !descriptionKey(lines.last()).isEmpty(), name);
            int lastRank = -1, blanks = 0;
            QSet<int> keys;
            for (int n = 1; n < lines.size(); ++n) {
                const QString &line = lines[n];
                const QByteArray where = name + " line " + QByteArray::number(n + 1);
                if (isSeparator(line)) {
                    QVERIFY2(!isSeparator(lines[n - 1]) && !isSeparator(lines[n + 1]), where);
                    blanks += line == QLatin1String(" ");
                    continue;
                }
                const QString key = descriptionKey(line);
                QVERIFY2(line == line.trimmed() && !line.contains(u'\t'), where);
                QVERIFY2(!keyLike.match(line).hasMatch() || !key.isEmpty(), where);
                QVERIFY2(key.isEmpty() ? lastRank < 0 : isSeparator(lines[n - 1]), where);
                if (key.isEmpty())
                    continue;
                QVERIFY2(keyRank(key) >= lastRank && line.size() > key.size() + 3, where);
                keys.insert(lastRank = keyRank(key));
                ++keyLines;
            }
            QVERIFY2(blanks <= 1, name);
            for (int key : std::as_const(keys))
                ++entries[key];
        }
        QString counts;
        for (int key = 0; key < 8; ++key)
            counts += QStringLiteral("%1 ").arg(entries.value(key));
        QCOMPARE(counts, QStringLiteral("53 56 56 55 3 55 21 17 "));
        QCOMPARE(keyLines, 323);
    }

    // Abona as it is given; Montilla Moriles with only its grapes and wine
    // types; Jerez saying why the vintage table rates none of its harvests.
    void descriptionsAsGiven()
    {
        const QStringList &abona = m_descriptions[0];
        QCOMPARE(abona.mid(8).join(u'|'),
            QStringLiteral(
                "UVA AUTORIZADA TINTAS = Tintas 20% Listan Negro, Negramoll.||UVA AUTORIZADA "
                "BLANCAS = Blancas 80% Listan Blanco, Verdello, Malvasía, Sabro, Bermejuelo.||"
                "TIPOS DE VINO = Blancos, Rosados.||GRADUACIÓN ALCOHÓLICA = Blancos Mín. 13%, "
                "Rosados Mín. 13%.||CRIANZA = Solo elaboran vinos jóvenes."));
        QStringList montilla;
        for (const QString &line :
            m_descriptions[appellationIndex(QStringLiteral("Montilla Moriles"))])
            montilla << descriptionKey(line);
        montilla.removeAll(QString());
        QCOMPARE(montilla, QStringList({ "UVA AUTORIZADA BLANCAS", "TIPOS DE VINO" }));
        const QString jerez = m_descriptions[appellationIndex(QStringLiteral("Jerez"))].join(u'\n');
        QVERIFY(jerez.contains(QStringLiteral("tabla de añadas"))
            && jerez.contains(QStringLiteral("soleras")));
    }

    // Lines in lines of the file, lengths in characters, not bytes; no two
    // empty lines in a row, which would read as a missing entry.
    void textLines()
    {
        for (const char *name : { "Uvas", "Decalogo", "Lexico", "Introduccion", "Diccionario" }) {
            const QStringList text = guideLines(QString::fromLatin1(name));
            QVERIFY2(text.size() > 30 && !text.first().isEmpty() && text.first().size() <= 112
                    && !text.last().isEmpty(),
                name);
            for (qsizetype i = 1; i < text.size(); ++i) {
                const QString &line = text[i];
                QVERIFY2(line.size() <= 112 && !line.endsWith(u' ') && !line.contains(u'\t'),
                    qPrintable(line));
                QVERIFY2(!line.isEmpty() || !text[i - 1].isEmpty(), qPrintable(text[i - 1]));
            }
        }
    }

    // Every block of a glossary's sections is an entry, headwords in
    // dictionary order.
    void glossaries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("headings");
        QTest::addColumn<QList<int>>("entries");
        QTest::newRow("grapes") << "Uvas" << QStringList { "BLANCAS", "TINTAS" }
                                << QList { 20, 18 };
        QTest::newRow("lexicon") << "Lexico"
                                 << QStringList { "LÉXICO DEL VINO ( ASPECTO - COLOR - VISTA ).",
                                        "LÉXICO DEL VINO ( AROMAS - OLFATO ).",
                                        "LÉXICO DEL VINO ( GUSTO - SENSACIÓN TÁCTIL - CONJUNTO )." }
                                 << QList { 23, 46, 69 };
        QTest::newRow("dictionary") << "Diccionario" << QStringList() << QList { 368 };
    }
    void glossaries()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, headings);
        const QStringList lines = guideLines(name);
        QList<int> entries;
        if (headings.isEmpty())
            entries << int(headwords(blocksOf(lines)).size());
        for (qsizetype i = 0; i < headings.size(); ++i)
            entries << int(headwords(section(lines, headings[i], headings.value(i + 1))).size());
        QTEST(entries, "entries");
    }

    // The rules, the ageing classes, the serving temperatures (each line
    // alone), the order of serving and the glasses, block by block.
    void decalogue()
    {
        const QStringList lines = guideLines(QStringLiteral("Decalogo"));
        static const QRegularExpression rule(QStringLiteral("^(\\d+ )?- "));
        QStringList skeleton;
        for (const QStringList &block : blocksOf(lines)) {
            const QString &first = block.first();
            const auto number = rule.match(first);
            skeleton << (number.hasMatch()                      ? number.captured().trimmed()
                    : first.contains(QLatin1String(" ... de ")) ? first
                                                                : first.section(kSeparator, 0, 0));
        }
        QCOMPARE(skeleton.join(u'|'),
            QStringLiteral(
                "DECÁLOGO INTERNACIONAL DEL VINO|01 -|02 -|03 -|04 -|05 -|06 -|07 -|08 -|"
                "09 -|10 -|TINTOS JÓVENES|TINTOS CRIANZAS|TINTOS RESERVAS|GRANDES RESERVAS|"
                "TEMPERATURA DE SERVICIO ( ºC )|Blancos Secos ... de 6 a 8.|"
                "Blancos Dulces o Semidulces ... de 4 a 6.|Rosados ... de 8 a 10.|"
                "Tintos Jóvenes ... de 12 a 14.|Tintos de Crianza ... de 16 a 18.|"
                "Tintos Reserva ... de 17 a 19.|Tintos Gran Reserva ... de 18 a 19.|"
                "Finos / Manzanilla ... de 6 a 7.|Olorosos / Amontillados ... de 16 a 17.|"
                "Espumosos Secos ... de 6 a 8.|Espumosos Dulces ... de 3 a 5.|"
                "CADA VINO, EN SU MOMENTO|-|-|-|-|COPA ADECUADA PARA CADA VINO|"
                "1 -|2 -|3 -|4 -|5 -|6 -|7 -|8 -|9 -"));
    }

    // Every paragraph and explanation says something of its own: no
    // sentence of some length comes twice, within or across the texts, nor
    // in two appellation descriptions.
    void noSentenceRepeated()
    {
        QHash<QString, QString> seen;
        QString repeated;
        for (const char *name : { "Uvas", "Decalogo", "Lexico", "Introduccion", "Diccionario" }) {
            for (const QStringList &block : blocksOf(guideLines(QString::fromLatin1(name)))) {
                const QString text = block.join(u' ');
                repeated += saidBefore(seen, QString::fromLatin1(name),
                    text.contains(kSeparator) ? text.section(kSeparator, 1) : text);
            }
        }
        seen.clear();
        for (int i = 0; i < kAppellationCount; ++i)
            for (const QString &line : std::as_const(m_descriptions[i]))
                if (descriptionKey(line).isEmpty())
                    repeated += saidBefore(seen, appellationName(i), line);
        QVERIFY2(repeated.isEmpty(), qPrintable(repeated));
    }

    // Every marker's centre lies on its own land, in the label mask the map
    // generator drew and in the picture the window shows: the Canary
    // markers each on their island.
    void markersSitOnTheirLand()
    {
        const QHash<QString, int> islands = { { "Abona", 14 }, { "Tacoronte Acentejo", 14 },
            { "Valle de Guimar", 14 }, { "Valle de la Oratava", 14 }, { "Ycoden Daute Isora", 14 },
            { "El Hierro", 11 }, { "La Palma", 12 }, { "Lanzarote", 17 } };
        const auto label = [this](QPoint p) { return m_mask.constScanLine(p.y())[p.x()]; };
        for (int i = 0; i < kAppellationCount; ++i) {
            const QPoint c = markerCentreOnMap(i);
            const QByteArray name = appellations()[i].name;
            QVERIFY2(QRect(2, 2, kMapWidth - 4, kMapHeight - 4).contains(c), name);
            QVERIFY2(label(c) == islands.value(appellationName(i), 1), name);
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    QVERIFY2(label(c + QPoint(dx, dy)) == label(c), name);
            QVERIFY2(warmth(m_map, c) > 20, name);
        }
    }

private:
    QList<QStringList> m_descriptions;
    QImage m_map, m_mask;
};

QTEST_GUILESS_MAIN(TestGuideContent)
#include "tst_guidecontent.moc"
