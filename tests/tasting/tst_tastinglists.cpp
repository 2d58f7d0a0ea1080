// The word lists of the tasting fields: complete, in order, and storable in
// the 20-column term fields of a record.

#include "cellar/EntryChecks.h"
#include "tasting/TastingLists.h"

#include <QCollator>
#include <QLocale>
#include <QSet>
#include <QTest>

using namespace caveto::tasting;

Q_DECLARE_METATYPE(const QStringList *)

class TestTastingLists : public QObject
{
    Q_OBJECT

private slots:
    void sizes_data() { addLists(); }
    void sizes();
    void alphabetical_data() { addLists(); }
    void alphabetical();
    void storableInATermField_data() { addLists(); }
    void storableInATermField();
    void ratingScaleRunsWorstToBest();
    void sourIsTheOnlyItemWithATrailingBlank();
    void accentedWordsKeepTheirAccents();

private:
    static void addLists();
};

// Every list with its expected length; the rating scale is not alphabetical.
void TestTastingLists::addLists()
{
    QTest::addColumn<const QStringList *>("list");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("sorted");

    QTest::newRow("Botella") << &botellaList() << 7 << true;
    QTest::newRow("Tapon") << &taponList() << 8 << true;
    QTest::newRow("Capsula") << &capsulaList() << 5 << true;
    QTest::newRow("Fermentacion") << &fermentacionList() << 4 << true;
    QTest::newRow("Limpieza") << &limpiezaList() << 10 << true;
    QTest::newRow("Color") << &colorList() << 37 << true;
    QTest::newRow("Intensidad") << &intensidadList() << 8 << true;
    QTest::newRow("Viscosidad") << &viscosidadList() << 5 << true;
    QTest::newRow("Aroma") << &aromaList() << 81 << true;
    QTest::newRow("Afrutado") << &afrutadoList() << 4 << true;
    QTest::newRow("Bouquet") << &bouquetList() << 4 << true;
    QTest::newRow("Dulzor") << &dulzorList() << 14 << true;
    QTest::newRow("Tanino") << &taninoList() << 11 << true;
    QTest::newRow("Cuerpo") << &cuerpoList() << 5 << true;
    QTest::newRow("Acidez") << &acidezList() << 19 << true;
    QTest::newRow("Duracion") << &duracionList() << 4 << true;
    QTest::newRow("Conjunto") << &conjuntoList() << 28 << true;
    QTest::newRow("Calificacion") << &ratingScale() << 5 << false;
}

void TestTastingLists::sizes()
{
    QFETCH(const QStringList *, list);
    QFETCH(int, size);
    QCOMPARE(list->size(), size);
    // No word twice: a repeated item would stand where a missing one belongs.
    const QSet<QString> distinct(list->cbegin(), list->cend());
    QCOMPARE(distinct.size(), list->size());
}

void TestTastingLists::alphabetical()
{
    QFETCH(const QStringList *, list);
    QFETCH(bool, sorted);
    if (!sorted)
        QSKIP("shown in rating order");
    // Spanish order: accents do not move a word ("Níscalo" sits between
    // "Narciso" and "Nuez").
    QCollator collator { QLocale(QLocale::Spanish, QLocale::Spain) };
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (qsizetype i = 1; i < list->size(); ++i) {
        if (collator.compare(list->at(i - 1), list->at(i)) >= 0)
            QFAIL(qPrintable(
                QStringLiteral("\"%1\" comes before \"%2\"").arg(list->at(i - 1), list->at(i))));
    }
}

void TestTastingLists::storableInATermField()
{
    QFETCH(const QStringList *, list);
    for (const QString &word : *list) {
        QVERIFY2(!word.isEmpty() && word.size() <= 20, qPrintable(word));
        QVERIFY2(!word.startsWith(QLatin1Char(' ')), qPrintable(word));
        QVERIFY2(!word.contains(QLatin1String("  ")), qPrintable(word));
        QCOMPARE(caveto::storableText(word), word);
    }
}

void TestTastingLists::ratingScaleRunsWorstToBest()
{
    QCOMPARE(ratingScale(),
        (QStringList { "Deficiente", "Regular", "Bueno", "Muy Bueno", "Excelente" }));
}

void TestTastingLists::sourIsTheOnlyItemWithATrailingBlank()
{
    QVERIFY(aromaList().contains(QStringLiteral("Agrio ")));
    QVERIFY(!aromaList().contains(QStringLiteral("Agrio")));
    QCOMPARE(aromaList().indexOf(QStringLiteral("Agrio ")), 1);
    const QList<const QStringList *> all = { &botellaList(), &taponList(), &capsulaList(),
        &fermentacionList(), &limpiezaList(), &colorList(), &intensidadList(), &viscosidadList(),
        &aromaList(), &afrutadoList(), &bouquetList(), &dulzorList(), &taninoList(), &cuerpoList(),
        &acidezList(), &duracionList(), &conjuntoList(), &ratingScale() };
    int withBlank = 0;
    for (const QStringList *list : all) {
        for (const QString &word : *list)
            withBlank += word.endsWith(QLatin1Char(' ')) ? 1 : 0;
    }
    QCOMPARE(withBlank, 1);
}

void TestTastingLists::accentedWordsKeepTheirAccents()
{
    for (const char *word : { "Anís", "Café", "Confitería", "Jazmín", "Limón", "Melocotón",
             "Melocotón Confitado", "Níscalo", "Orégano", "Plástico", "Químicos", "Té" })
        QVERIFY2(aromaList().contains(QString::fromUtf8(word)), word);
    QVERIFY(botellaList().contains(QStringLiteral("Borgoñesa")));
    QVERIFY(taponList().contains(QStringLiteral("Corcho Leñoso")));
    QVERIFY(capsulaList().contains(QStringLiteral("Plomo / Estaño")));
    QVERIFY(colorList().contains(QStringLiteral("Rojo Castaño")));
    QCOMPARE(colorList().first(), QStringLiteral("Albaricoque"));
    QCOMPARE(colorList().last(), QStringLiteral("Rosa Violeta"));
    QCOMPARE(aromaList().last(), QStringLiteral("Violeta"));
    QCOMPARE(conjuntoList().last(), QStringLiteral("Suelto"));
}

QTEST_GUILESS_MAIN(TestTastingLists)
#include "tst_tastinglists.moc"
