// What the cellar book keeps whatever the input: a photo path longer than a
// line edit holds survives a modify.

#include "support/CavetoFixture.h"

#include "controls/Numedit.h"

#include <QComboBox>
#include <QPushButton>
#include <QToolButton>

using caveto::Field;

class TestReliability : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }

    void longPhotoPathSurvivesAModify()
    {
        const QString photo
            = QStringLiteral("/fotos/") + QString(40000, QLatin1Char('x')) + QStringLiteral(".jpg");
        caveto::CellarRecord r;
        r[Field::NombreVino] = QStringLiteral("Pesquera");
        r[Field::Cosecha] = QStringLiteral("2016");
        r[Field::DenoOrigen] = QStringLiteral("Ribera del Duero");
        r[Field::Precio] = QStringLiteral("12,50");
        r[Field::Imagen] = photo;
        r.pad();
        CavetoFixture f;
        f.writeDataFile({ r.buildLine() });
        f.start();
        TFormCavetoPas *w = f.window.get();
        QTest::mouseClick(w->BMenuModi, Qt::LeftButton);
        moveFocus(w->Csalida);
        QTest::keyClick(w->Csalida, Qt::Key_Down);
        QCOMPARE(w->Imagen->text(), photo);
        typeInto(w->Precio, QStringLiteral("15"));
        QTest::mouseClick(w->BModifica, Qt::LeftButton);
        QCOMPARE(f.messages().size(), 0);
        const QStringList lines = f.fileLines();
        QCOMPARE(lines.size(), 1);
        const caveto::CellarRecord stored = caveto::CellarRecord::parse(lines[0]);
        QCOMPARE(stored[Field::Precio], QStringLiteral("15"));
        QCOMPARE(stored[Field::Imagen], photo);
    }
};

QTEST_MAIN(TestReliability)
#include "tst_reliability.moc"
