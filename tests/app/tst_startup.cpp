// Start-up: the splash's answers and the exit codes they give, one program
// per cellar, the optional pictures and the clock.

#include "support/CavetoFixture.h"

#include "app/Inicio.h"
#include "app/Program.h"
#include "cellar/BookLock.h"
#include "cellar/StatusPanels.h"
#include "controls/GIFImage.h"

#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    // "Cancelar", the close box and Escape end the program with 1, before
    // anything is read or written.
    void cancelLoadsNothing_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Cancelar") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("Escape") << 2;
    }
    void cancelLoadsNothing()
    {
        QFETCH(int, way);
        QTemporaryDir dir;
        caveto::setAppFolderOverride(dir.path());
        caveto::DialogScript script;
        script.onNext(u"TFormInicio"_s, [way](QDialog *d) {
            if (way == 0)
                d->findChild<QPushButton *>(u"BCancelar"_s)->click();
            else if (way == 1)
                d->close();
            else
                QTest::keyClick(d, Qt::Key_Escape);
        });
        QCOMPARE(caveto::runProgram(*qApp), 1);
        QVERIFY(!QFileInfo::exists(dir.filePath(u"Datos"_s)));
    }

    void enterRunsUntilTheWindowCloses()
    {
        QTemporaryDir dir;
        caveto::setAppFolderOverride(dir.path());
        caveto::DialogScript script;
        script.clickNext(u"TFormInicio"_s, u"BEntrar"_s);
        bool sawWindow = false;
        QTimer::singleShot(200, [&] {
            TFormCavetoPas *w = TFormCavetoPas::instance();
            sawWindow = w && w->isVisible() && w->close();
        });
        QCOMPARE(caveto::runProgram(*qApp), 0);
        QVERIFY(sawWindow);
    }

    // A second program on the same cellar says so and ends at once, before
    // reading or writing anything.
    void secondProgramOnTheSameCellarEnds()
    {
        QTemporaryDir dir;
        caveto::setAppFolderOverride(dir.path());
        const QString data = dir.filePath(u"Datos"_s);
        QVERIFY(QDir().mkpath(data));
        caveto::BookLock first(data);
        QVERIFY(first.tryLock());
        caveto::DialogScript script;
        script.clickNext(u"TFormInicio"_s, u"BEntrar"_s);
        QCOMPARE(caveto::runProgram(*qApp), caveto::kExitAlreadyOpen);
        const auto shown = script.takeMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, u"Caveto Error."_s);
        QVERIFY(!QFileInfo::exists(QDir(data).filePath(u"Caveto20.Datos"_s)));
    }

    // Without their pictures the splash and the window leave them out, even
    // when activated again; with them, both animate.
    void picturesAreOptional()
    {
        {
            CavetoFixture f;
            f.start();
            QVERIFY(!f.window->GIFImage1);
            f.window->activateWindow();
            QCoreApplication::processEvents();
            QVERIFY(!f.window->GIFImage1);
            TFormInicio splash;
            splash.show();
            QVERIFY(!splash.findChild<TGIFImage *>());
        }
        CavetoFixture f;
        QDir().mkpath(f.dir.filePath(u"ApliGraf"_s));
        for (const QString &gif : { u"Caveto3.gif"_s, u"CopasDeVino2.gif"_s })
            QVERIFY(QFile::copy(QStringLiteral(CAVETO_APLIGRAF_DIR "/") + gif,
                f.dir.filePath(u"ApliGraf/"_s + gif)));
        f.script->onNext(u"TFormInicio"_s, [](QDialog *d) {
            auto *splash = static_cast<TFormInicio *>(d);
            QVERIFY(splash->GIFImage1 && splash->GIFImage1->Animate());
            splash->BEntrar->click();
        });
        caveto::setAppFolderOverride(f.dir.path());
        TFormCavetoPas w;
        QVERIFY(w.loaded());
        QVERIFY(w.GIFImage1 && w.GIFImage1->isAnimating());
    }

    // The date as shown, the time with seconds and no time zone in any
    // locale; the clock values follow the timer.
    void clock()
    {
        QCOMPARE(caveto::clockDateText(QDate(2026, 1, 5)), u"5-1-2026"_s);
        for (const QLocale &locale : { QLocale(QLocale::Spanish, QLocale::Spain),
                 QLocale(QLocale::English, QLocale::UnitedStates),
                 QLocale(QLocale::German, QLocale::Germany), QLocale::c() }) {
            const QString text = caveto::clockTimeText(QTime(9, 7, 3), locale);
            QVERIFY2(text.contains(u"07:03"_s), qPrintable(text));
            QVERIFY2(!text.contains(u'(') && !text.contains(u"CET"_s) && !text.contains(u"UTC"_s)
                    && !text.endsWith(u' '),
                qPrintable(text));
        }
        CavetoFixture f;
        f.start();
        caveto::program().clock = {};
        QTRY_VERIFY(caveto::program().clock.year != 0);
        const QDate today = QDate::currentDate();
        QCOMPARE(QDate(caveto::program().clock.year, caveto::program().clock.month,
                     caveto::program().clock.day),
            today);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
