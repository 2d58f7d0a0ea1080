#include "support/CavetoFixture.h"

#include "app/Inicio.h"
#include "app/Program.h"
#include "cellar/BookLock.h"
#include "cellar/StatusPanels.h"
#include "controls/GIFImage.h"

#include <QPushButton>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void cancelEndsWithExitCodeOneAndLoadsNothing()
    {
        QTemporaryDir dir;
        caveto::setAppFolderOverride(dir.path());
        caveto::DialogScript script;
        script.clickNext(QStringLiteral("TFormInicio"), QStringLiteral("BCancelar"));
        QCOMPARE(caveto::runProgram(*qApp), 1);
        QCOMPARE(caveto::program().EntradaSplash, QStringLiteral("N"));
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("Datos"))));
        QVERIFY(!TFormCavetoPas::instance());
    }

    void closeBoxCountsAsCancel()
    {
        QTemporaryDir dir;
        caveto::setAppFolderOverride(dir.path());
        caveto::DialogScript script;
        script.onNext(QStringLiteral("TFormInicio"), [](QDialog *d) { d->close(); });
        QCOMPARE(caveto::runProgram(*qApp), 1);
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("Datos"))));

        // Escape too.
        script.onNext(
            QStringLiteral("TFormInicio"), [](QDialog *d) { QTest::keyClick(d, Qt::Key_Escape); });
        QCOMPARE(caveto::runProgram(*qApp), 1);
    }

    void enterRunsUntilTheWindowCloses()
    {
        QTemporaryDir dir;
        caveto::setAppFolderOverride(dir.path());
        caveto::DialogScript script;
        script.clickNext(QStringLiteral("TFormInicio"), QStringLiteral("BEntrar"));
        bool sawWindow = false;
        QTimer::singleShot(200, [&] {
            TFormCavetoPas *w = TFormCavetoPas::instance();
            sawWindow = w && w->isVisible() && w->windowTitle() == QStringLiteral(" Caveto 2.5 ");
            if (w)
                w->close();
        });
        QCOMPARE(caveto::runProgram(*qApp), 0);
        QVERIFY(sawWindow);
        QCOMPARE(caveto::program().EntradaSplash, QStringLiteral("S"));
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("Datos/Caveto20.Datos"))));
    }

    // A second program on the same cellar says so and ends at once, before
    // reading or writing anything.
    void secondProgramOnTheSameCellarEnds()
    {
        QTemporaryDir dir;
        caveto::setAppFolderOverride(dir.path());
        const QString data = dir.filePath(QStringLiteral("Datos"));
        QVERIFY(QDir().mkpath(data));
        caveto::BookLock first(data);
        QVERIFY(first.tryLock());
        caveto::DialogScript script;
        script.clickNext(QStringLiteral("TFormInicio"), QStringLiteral("BEntrar"));
        QCOMPARE(caveto::runProgram(*qApp), caveto::kExitAlreadyOpen);
        const auto shown = script.takeMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Caveto Error."));
        QVERIFY(shown[0].text.startsWith(QStringLiteral("Caveto ya está abierto con esta bodega")));
        QVERIFY(!QFileInfo::exists(QDir(data).filePath(QStringLiteral("Caveto20.Datos"))));
    }

    void splashWithoutItsPicture()
    {
        QTemporaryDir dir;
        caveto::setAppFolderOverride(dir.path());
        TFormInicio splash;
        // Without its picture the splash leaves it out.
        splash.show();
        QVERIFY(!splash.findChild<TGIFImage *>());
    }

    void picturesAreOptional()
    {
        {
            CavetoFixture f;
            f.start();
            QVERIFY(!f.window->GIFImage1);
            // Activating again does not fail.
            f.window->activateWindow();
            QCoreApplication::processEvents();
            QVERIFY(!f.window->GIFImage1);
        }
        {
            CavetoFixture f;
            QDir().mkpath(f.dir.filePath(QStringLiteral("ApliGraf")));
            QVERIFY(QFile::copy(QStringLiteral(CAVETO_APLIGRAF_DIR "/Caveto3.gif"),
                f.dir.filePath(QStringLiteral("ApliGraf/Caveto3.gif"))));
            QVERIFY(QFile::copy(QStringLiteral(CAVETO_APLIGRAF_DIR "/CopasDeVino2.gif"),
                f.dir.filePath(QStringLiteral("ApliGraf/CopasDeVino2.gif"))));
            f.script->onNext(QStringLiteral("TFormInicio"), [](QDialog *d) {
                auto *splash = static_cast<TFormInicio *>(d);
                QVERIFY(splash->GIFImage1);
                QVERIFY(splash->GIFImage1->frameCount() > 1);
                QVERIFY(splash->GIFImage1->Animate());
                splash->BEntrar->click();
            });
            caveto::setAppFolderOverride(f.dir.path());
            TFormCavetoPas w;
            QVERIFY(w.loaded());
            QVERIFY(w.GIFImage1);
            QVERIFY(w.GIFImage1->frameCount() > 1);
            QVERIFY(w.GIFImage1->isAnimating());
        }
    }

    void clockTexts()
    {
        QCOMPARE(caveto::clockDateText(QDate(2026, 12, 5)), QStringLiteral("5-12-2026"));
        QCOMPARE(caveto::clockDateText(QDate(2026, 1, 15)), QStringLiteral("15-1-2026"));
        const QTime t(9, 7, 3);
        for (const QLocale &locale : { QLocale(QLocale::Spanish, QLocale::Spain),
                 QLocale(QLocale::English, QLocale::UnitedStates),
                 QLocale(QLocale::German, QLocale::Germany), QLocale::c() }) {
            const QString text = caveto::clockTimeText(t, locale);
            QVERIFY2(text.contains(QStringLiteral("07:03")), qPrintable(text));
            QVERIFY2(!text.contains(QLatin1Char('(')) && !text.contains(QStringLiteral("CET"))
                    && !text.contains(QStringLiteral("UTC")) && !text.endsWith(QLatin1Char(' ')),
                qPrintable(text));
        }
    }

    void clockValuesFollowTheTimer()
    {
        CavetoFixture f;
        f.start();
        caveto::program().clock = {};
        QTRY_VERIFY(caveto::program().clock.year != 0);
        const caveto::ClockValues c = caveto::program().clock;
        const QDate today = QDate::currentDate();
        QCOMPARE(int(c.year), today.year());
        QCOMPARE(int(c.month), today.month());
        QCOMPARE(int(c.day), today.day());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
