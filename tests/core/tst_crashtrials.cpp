// A save killed at any moment (kill -9, a power cut to the program) leaves
// the old book or the new one, never a partial file, and no temporary file.

#include "cellar/DataFile.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <signal.h>

class TestCrashTrials : public QObject
{
    Q_OBJECT

private slots:
    void killedSavesLeaveAWholeBook()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Caveto20.Datos"));
        constexpr int kLines = 3000; // about 3 MB: a save takes a while
        QStringList a, b;
        for (int i = 0; i < kLines; ++i) {
            a << QStringLiteral("Vino A %1").arg(i).leftJustified(1015, QLatin1Char('.'));
            b << QStringLiteral("Vino B %1").arg(i).leftJustified(1015, QLatin1Char(','));
        }
        QRandomGenerator random(20261206);
        int sawA = 0, sawB = 0;
        for (int trial = 0; trial < 10; ++trial) {
            QProcess saver;
            saver.start(QStringLiteral(CAVETO_SAVE_LOOP), { path, QString::number(kLines) });
            QVERIFY(saver.waitForStarted());
            QVERIFY(saver.waitForReadyRead(30000)); // the first save is done
            QTest::qWait(int(random.bounded(20, 300)));
            ::kill(pid_t(saver.processId()), SIGKILL);
            QVERIFY(saver.waitForFinished());

            QStringList lines;
            QString error;
            QVERIFY2(caveto::readRecordFile(path, &lines, &error), qPrintable(error));
            QVERIFY2(lines == a || lines == b,
                qPrintable(QStringLiteral("trial %1: %2 lines").arg(trial).arg(lines.size())));
            (lines == a ? sawA : sawB)++;
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                QStringList { QStringLiteral("Caveto20.Datos") });
        }
        QCOMPARE(sawA + sawB, 10);
    }
};

QTEST_GUILESS_MAIN(TestCrashTrials)
#include "tst_crashtrials.moc"
