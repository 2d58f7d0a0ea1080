// The reference texts (grape varieties, decalogue, tasting lexicon,
// introduction to tasting, dictionary): their structure, checked once each,
// and the windows that show them.

#include "guides/AcercaDe.h"
#include "guides/Decalogo.h"
#include "guides/DiccionarioAH.h"
#include "guides/GuideTexts.h"
#include "guides/Lexico.h"
#include "guides/Uvas.h"
#include "platform/FormStyle.h"
#include "platform/RichEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include <memory>

using caveto::guides::guideLines;

namespace {

const QString kSeparator = QStringLiteral(" ... ");

// A text's blocks: runs of non-empty lines between empty lines.
QList<QStringList> blocksOf(const QStringList &lines)
{
    QList<QStringList> blocks;
    QStringList current;
    for (const QString &line : lines) {
        if (line.isEmpty()) {
            if (!current.isEmpty())
                blocks.append(current);
            current.clear();
        } else {
            current.append(line);
        }
    }
    if (!current.isEmpty())
        blocks.append(current);
    return blocks;
}

QString headword(const QStringList &entry)
{
    return entry.first().section(kSeparator, 0, 0);
}

// Dictionary order: accents ignored, Ñ after N.
QString orderKey(const QString &word)
{
    QString folded = word.toUpper();
    folded.replace(QChar(0x00D1), QStringLiteral("N~"));
    folded = folded.normalized(QString::NormalizationForm_D);
    folded.remove(QRegularExpression(QStringLiteral("\\p{Mn}")));
    return folded;
}

bool isHeadword(const QString &word)
{
    return !word.isEmpty() && word == word.toUpper() && !word.startsWith(QLatin1Char(' '));
}

// The entries of one section: every block is a headword in capitals, the
// separator and its text, and the headwords stand in dictionary order.
QStringList checkEntries(const QList<QStringList> &entries)
{
    QStringList words;
    for (const QStringList &entry : entries) {
        const QString word = headword(entry);
        if (!entry.first().contains(kSeparator) || !isHeadword(word))
            return { QStringLiteral("<not an entry: %1>").arg(entry.first()) };
        if (!words.isEmpty() && orderKey(words.last()) >= orderKey(word))
            return { QStringLiteral("<out of order: %1, %2>").arg(words.last(), word) };
        words.append(word);
    }
    return words;
}

// The entries between a heading line and the next heading (or the end).
QList<QStringList> section(const QList<QStringList> &blocks, const QString &heading,
    const QString &nextHeading = QString())
{
    QList<QStringList> out;
    bool inside = false;
    for (const QStringList &block : blocks) {
        if (block.first() == heading) {
            inside = true;
            continue;
        }
        if (inside && !nextHeading.isEmpty() && block.first() == nextHeading)
            break;
        if (inside)
            out.append(block);
    }
    return out;
}

int indexOfLine(const QStringList &lines, const QString &line)
{
    return int(lines.indexOf(line));
}

struct WindowCase
{
    std::unique_ptr<QDialog> window;
    QAbstractScrollArea *text = nullptr;
};

WindowCase makeWindow(const QString &className)
{
    WindowCase c;
    if (className == QLatin1String("TFormUvas")) {
        auto *w = new TFormUvas;
        c.text = w->MUvas;
        c.window.reset(w);
    } else if (className == QLatin1String("TFormDecalogo")) {
        auto *w = new TFormDecalogo;
        c.text = w->Mdecalogo;
        c.window.reset(w);
    } else if (className == QLatin1String("TFormLexico")) {
        auto *w = new TFormLexico;
        c.text = w->MLexico;
        c.window.reset(w);
    } else if (className == QLatin1String("TFormAcercaDe")) {
        auto *w = new TFormAcercaDe;
        c.text = w->MCataVin;
        c.window.reset(w);
    } else {
        auto *w = new TFormDiccionarioAH;
        c.text = w->EditorNotas;
        c.window.reset(w);
    }
    return c;
}

QTextDocument *documentOf(QAbstractScrollArea *text)
{
    if (auto *plain = qobject_cast<QPlainTextEdit *>(text))
        return plain->document();
    return static_cast<QTextEdit *>(text)->document();
}

} // namespace

class TestReferenceTexts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { caveto::applyApplicationLook(); }

    void lineLengths_data();
    void lineLengths();
    void grapeVarieties();
    void decalogue();
    void lexicon();
    void introduction();
    void dictionary();
    void noSentenceRepeated();

    void windows_data();
    void windows();
    void linesFitTheirBox_data() { windows_data(); }
    void linesFitTheirBox();
};

// Line counts in lines of the file, lengths in characters, not bytes.
void TestReferenceTexts::lineLengths_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("lines");
    QTest::newRow("Uvas") << "Uvas" << 174;
    QTest::newRow("Decalogo") << "Decalogo" << 103;
    QTest::newRow("Lexico") << "Lexico" << 298;
    QTest::newRow("Introduccion") << "Introduccion" << 34;
    QTest::newRow("Diccionario") << "Diccionario" << 1124;
}

void TestReferenceTexts::lineLengths()
{
    QFETCH(QString, name);
    QFETCH(int, lines);
    const QStringList text = guideLines(name);
    QCOMPARE(text.size(), lines);
    QVERIFY(!text.first().isEmpty() && !text.last().isEmpty());
    for (const QString &line : text) {
        QVERIFY2(line.size() <= 112, qPrintable(line));
        QVERIFY2(!line.endsWith(QLatin1Char(' ')), qPrintable(line));
        QVERIFY2(!line.contains(QLatin1Char('\t')), qPrintable(line));
    }
    // Two empty lines in a row would read as a missing entry.
    for (int i = 1; i < text.size(); ++i)
        QVERIFY2(!(text.at(i).isEmpty() && text.at(i - 1).isEmpty()), qPrintable(name));
}

void TestReferenceTexts::grapeVarieties()
{
    const QStringList lines = guideLines(QStringLiteral("Uvas"));
    // The heading is centred with leading blanks.
    QVERIFY(lines.first().startsWith(QStringLiteral("    ")));
    QCOMPARE(lines.first().trimmed(), QStringLiteral("VARIEDADES DE UVA  ( VINOS ESPAÑOLES )"));

    const QList<QStringList> blocks = blocksOf(lines);
    const QStringList white
        = checkEntries(section(blocks, QStringLiteral("BLANCAS"), QStringLiteral("TINTAS")));
    const QStringList red = checkEntries(section(blocks, QStringLiteral("TINTAS")));
    QCOMPARE(white.size(), 20);
    QCOMPARE(white.mid(0, 3), QStringList({ "AIREN", "ALBARIÑO", "CHARDONNAY" }));
    QVERIFY(white.contains(QStringLiteral("LISTÁN")));
    QCOMPARE(red.size(), 18);
    QCOMPARE(red.mid(15), QStringList({ "TINTA DE TORO", "TINTO FINO", "ULL DE LLEBRE" }));
    QVERIFY(lines.contains(QStringLiteral("LISTÁN ... Véase Palomino Fino.")));
    QVERIFY(indexOfLine(lines, QStringLiteral("BLANCAS"))
        < indexOfLine(lines, QStringLiteral("TINTAS")));
}

void TestReferenceTexts::decalogue()
{
    const QStringList lines = guideLines(QStringLiteral("Decalogo"));
    QCOMPARE(lines.first(), QStringLiteral("DECÁLOGO INTERNACIONAL DEL VINO"));
    const QList<QStringList> blocks = blocksOf(lines);

    // Ten rules, numbered in order, each its own block.
    int at = -1;
    for (int n = 1; n <= 10; ++n) {
        const QString number = QStringLiteral("%1 - ").arg(n, 2, 10, QLatin1Char('0'));
        int found = -1;
        for (int i = 0; i < lines.size(); ++i) {
            if (lines.at(i).startsWith(number)) {
                QVERIFY2(found < 0, qPrintable(number));
                found = i;
            }
        }
        QVERIFY2(found > at, qPrintable(number));
        QVERIFY(lines.at(found - 1).isEmpty());
        at = found;
    }
    QVERIFY(lines.contains(QStringLiteral("01 - Nunca debe agitarse una botella de vino.")));

    // The ageing classes, after the rules.
    const QStringList classes
        = { "TINTOS JÓVENES", "TINTOS CRIANZAS", "TINTOS RESERVAS", "GRANDES RESERVAS" };
    for (const QString &name : classes) {
        int found = -1;
        for (int i = 0; i < lines.size(); ++i) {
            if (lines.at(i).startsWith(name + kSeparator))
                found = i;
        }
        QVERIFY2(found > at, qPrintable(name));
        at = found;
    }

    // The serving temperatures, line by line with one empty line between.
    const QStringList temperatures = {
        "Blancos Secos ... de 6 a 8.",
        "Blancos Dulces o Semidulces ... de 4 a 6.",
        "Rosados ... de 8 a 10.",
        "Tintos Jóvenes ... de 12 a 14.",
        "Tintos de Crianza ... de 16 a 18.",
        "Tintos Reserva ... de 17 a 19.",
        "Tintos Gran Reserva ... de 18 a 19.",
        "Finos / Manzanilla ... de 6 a 7.",
        "Olorosos / Amontillados ... de 16 a 17.",
        "Espumosos Secos ... de 6 a 8.",
        "Espumosos Dulces ... de 3 a 5.",
    };
    const int table = indexOfLine(lines, QStringLiteral("TEMPERATURA DE SERVICIO ( ºC )"));
    QVERIFY(table > at);
    for (int i = 0; i < temperatures.size(); ++i) {
        QCOMPARE(lines.at(table + 1 + 2 * i), QString());
        QCOMPARE(lines.at(table + 2 + 2 * i), temperatures.at(i));
    }

    // The order of serving: four rules; the glasses: nine numbered rules.
    const int order = indexOfLine(lines, QStringLiteral("CADA VINO, EN SU MOMENTO"));
    const int glasses = indexOfLine(lines, QStringLiteral("COPA ADECUADA PARA CADA VINO"));
    QVERIFY(order > table && glasses > order);
    const QList<QStringList> orderRules = section(blocks,
        QStringLiteral("CADA VINO, EN SU MOMENTO"), QStringLiteral("COPA ADECUADA PARA CADA VINO"));
    QCOMPARE(orderRules.size(), 4);
    for (const QStringList &rule : orderRules)
        QVERIFY2(rule.first().startsWith(QStringLiteral("- ")), qPrintable(rule.first()));
    const QList<QStringList> glassRules
        = section(blocks, QStringLiteral("COPA ADECUADA PARA CADA VINO"));
    QCOMPARE(glassRules.size(), 9);
    for (int n = 0; n < glassRules.size(); ++n)
        QVERIFY2(glassRules.at(n).first().startsWith(QStringLiteral("%1 - ").arg(n + 1)),
            qPrintable(glassRules.at(n).first()));
}

void TestReferenceTexts::lexicon()
{
    const QStringList lines = guideLines(QStringLiteral("Lexico"));
    const QStringList headings = {
        "LÉXICO DEL VINO ( ASPECTO - COLOR - VISTA ).",
        "LÉXICO DEL VINO ( AROMAS - OLFATO ).",
        "LÉXICO DEL VINO ( GUSTO - SENSACIÓN TÁCTIL - CONJUNTO ).",
    };
    QCOMPARE(lines.first(), headings.at(0));
    const QList<QStringList> blocks = blocksOf(lines);
    const QStringList sight = checkEntries(section(blocks, headings.at(0), headings.at(1)));
    const QStringList smell = checkEntries(section(blocks, headings.at(1), headings.at(2)));
    const QStringList taste = checkEntries(section(blocks, headings.at(2)));
    QCOMPARE(sight.size(), 23);
    QCOMPARE(smell.size(), 46);
    QCOMPARE(taste.size(), 69);
    QCOMPARE(sight.mid(0, 3), QStringList({ "ABIERTO", "ACERADO", "ALTERADO" }));
    QCOMPARE(taste.mid(66), QStringList({ "UNTUOSO", "VEGETAL", "VOLUMEN" }));
}

void TestReferenceTexts::introduction()
{
    const QList<QStringList> paragraphs = blocksOf(guideLines(QStringLiteral("Introduccion")));
    QCOMPARE(paragraphs.size(), 10);
    QCOMPARE(paragraphs.last(),
        QStringList { QStringLiteral("DE LA PRACTICA NACERÁ LA EXPERIENCIA ....") });
}

void TestReferenceTexts::dictionary()
{
    const QStringList lines = guideLines(QStringLiteral("Diccionario"));
    const QStringList words = checkEntries(blocksOf(lines));
    QCOMPARE(words.size(), 368);
    QCOMPARE(words.first(), QStringLiteral("ABIERTO"));
    QCOMPARE(words.last(), QStringLiteral("VENDIMIA"));
    QVERIFY(lines.contains(QStringLiteral("AEROMETRO ... Ver densímetro.")));
    QVERIFY(words.contains(QStringLiteral("ACEITE ESENCIAL")));
    QVERIFY(words.contains(QStringLiteral("V.C.P.R.D.")));
    QStringList beyondAscii;
    for (const QString &word : words) {
        if (std::any_of(word.cbegin(), word.cend(), [](QChar c) { return c.unicode() > 0x7F; }))
            beyondAscii.append(word);
    }
    QCOMPARE(beyondAscii,
        QStringList(
            { "AÑADA", "AÑEJO", "ARAÑA ROJA", "CAÑA", "DEGÜELLE", "TERRUÑO", "TIPIFICACIÓN" }));
}

// Every explanation says something of its own: no sentence of some length
// comes twice, within a text or across the texts.
void TestReferenceTexts::noSentenceRepeated()
{
    QHash<QString, QString> seen;
    const QRegularExpression sentenceEnd(QStringLiteral("(?<=[.;:])\\s+"));
    const QStringList names = { "Uvas", "Decalogo", "Lexico", "Introduccion", "Diccionario" };
    for (const QString &name : names) {
        for (const QStringList &block : blocksOf(guideLines(name))) {
            QString text = block.join(QLatin1Char(' ')).simplified();
            if (text.contains(kSeparator))
                text = text.section(kSeparator, 1);
            for (const QString &sentence : text.split(sentenceEnd)) {
                if (sentence.size() < 25)
                    continue;
                QVERIFY2(!seen.contains(sentence),
                    qPrintable(
                        QStringLiteral("%1 / %2: %3").arg(seen.value(sentence), name, sentence)));
                seen.insert(sentence, name);
            }
        }
    }
}

void TestReferenceTexts::windows_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("textName");
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QPoint>("textAt");
    QTest::addColumn<QPoint>("buttonAt");

    QTest::newRow("uvas") << "TFormUvas"
                          << " Caveto  Tipos de Uva."
                          << "Tipos de Uva"
                          << "MUvas"
                          << "Uvas" << QSize(633, 315) << QPoint(3, 40) << QPoint(279, 281);
    QTest::newRow("decalogo") << "TFormDecalogo"
                              << " Caveto  Decálogo."
                              << "Decálogo"
                              << "Mdecalogo"
                              << "Decalogo" << QSize(635, 315) << QPoint(4, 40) << QPoint(279, 281);
    QTest::newRow("lexico") << "TFormLexico"
                            << " Caveto  Léxico."
                            << "Léxico"
                            << "MLexico"
                            << "Lexico" << QSize(634, 315) << QPoint(3, 40) << QPoint(279, 281);
    QTest::newRow("introduccion") << "TFormAcercaDe"
                                  << " Caveto"
                                  << "Caveto"
                                  << "MCataVin"
                                  << "Introduccion" << QSize(634, 315) << QPoint(3, 40)
                                  << QPoint(279, 281);
    QTest::newRow("diccionario") << "TFormDiccionarioAH"
                                 << " Caveto  Diccionario."
                                 << "Diccionario"
                                 << "EditorNotas"
                                 << "Diccionario" << QSize(634, 315) << QPoint(3, 40)
                                 << QPoint(338, 281);
}

void TestReferenceTexts::windows()
{
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QFETCH(QString, title);
    QFETCH(QString, textName);
    QFETCH(QString, resource);
    QFETCH(QSize, client);
    QFETCH(QPoint, textAt);
    QFETCH(QPoint, buttonAt);

    WindowCase c = makeWindow(className);
    QDialog *window = c.window.get();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(window->objectName(), className);
    QCOMPARE(QString::fromLatin1(window->metaObject()->className()), className);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), client);
    QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));

    auto *titlePanel = window->findChild<QLabel *>(QStringLiteral("LOpcion"));
    QCOMPARE(titlePanel->text(), title);
    QCOMPARE(titlePanel->geometry(), QRect(233, 8, 166, 25));
    QCOMPARE(titlePanel->palette().color(QPalette::Window), QColor(31, 58, 88));
    QCOMPARE(titlePanel->palette().color(QPalette::WindowText), QColor(Qt::white));
    QVERIFY(titlePanel->font().bold());
    QCOMPARE(titlePanel->font().pointSize(), 10);

    QAbstractScrollArea *text = c.text;
    QCOMPARE(text->objectName(), textName);
    QCOMPARE(text->geometry(), QRect(textAt, QSize(625, 230)));
    QCOMPARE(text->palette().color(QPalette::Base), QColor(254, 246, 216));
    QCOMPARE(text->palette().color(QPalette::Text), QColor(Qt::black));
    QVERIFY(text->font().bold());
    QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(QApplication::focusWidget(), text);

    // The whole text, line for line, read-only, starting at the top.
    const QStringList lines = guideLines(resource);
    QTextDocument *document = documentOf(text);
    QCOMPARE(document->blockCount(), int(lines.size()));
    QCOMPARE(document->toPlainText(), lines.join(QLatin1Char('\n')));
    QCOMPARE(text->verticalScrollBar()->value(), 0);
    QTest::keyClicks(text, QStringLiteral("xyz"));
    QTest::keyClick(text, Qt::Key_Delete);
    QCOMPARE(document->toPlainText(), lines.join(QLatin1Char('\n')));
    // The keys page through it.
    QTest::keyClick(text, Qt::Key_PageDown);
    QVERIFY(text->verticalScrollBar()->value() > 0);

    auto *button = window->findChild<QPushButton *>(QStringLiteral("BOkDatos"));
    QCOMPARE(button->text(), QStringLiteral("&Aceptar"));
    QCOMPARE(button->pos(), buttonAt);
    QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!window->isVisible());
}

// Every line of a text shows on one line of its box: the word wrap never
// has to break one, so the text reads as it was laid out.
void TestReferenceTexts::linesFitTheirBox()
{
    QFETCH(QString, className);
    WindowCase c = makeWindow(className);
    c.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(c.window.get()));
    QTextDocument *document = documentOf(c.text);
    document->documentLayout()->documentSize(); // lays out the whole text
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QVERIFY2(block.layout() && block.layout()->lineCount() <= 1, qPrintable(block.text()));
    }
}

QTEST_MAIN(TestReferenceTexts)
#include "tst_referencetexts.moc"
