// Where the cellar lives: beside a portable program, in the user's own data
// folder when the program is installed or its folder is read-only. The
// program started is this test, linked into such a folder.

#include "app/Globals.h"
#include "app/Program.h"
#include "cellar/Cavetopas.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QDirIterator>
#include <QTimer>
#include <QtTest>

#include <grp.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr char kStartFlag[] = "--start-program";

// The child starts as a user does, closes, and prints where its record file
// and its picture are.
int startProgram(int argc, char **argv)
{
    QApplication app(argc, argv);
    caveto::DialogScript script;
    script.clickNext(QStringLiteral("TFormInicio"), QStringLiteral("BEntrar"));
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        TFormCavetoPas *window = TFormCavetoPas::instance();
        if (window && window->isVisible() && !QApplication::activeModalWidget())
            window->close();
    });
    closer.start(50);
    const int code = caveto::runProgram(app);
    std::printf("%s\n%s\n", qPrintable(caveto::dataFilePath()),
        qPrintable(caveto::apliGrafPath(QStringLiteral("Caveto3.gif"))));
    return code;
}

constexpr QFile::Permissions kReadOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
    | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
constexpr QFile::Permissions kOpen
    = kReadOnly | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;

} // namespace

class TestDataFolder : public QObject
{
    Q_OBJECT

private slots:
    // The program started from a folder as a user would, on a first start.
    void startFromFolders_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("cellar"); // a cellar already beside the program
        QTest::addColumn<bool>("beside");
        QTest::newRow("read-only") << u"solo-lectura"_s << true << false << false;
        QTest::newRow("portable") << u"portable"_s << false << false << true;
        QTest::newRow("installed, pictures in the share folder")
            << u"usr/bin"_s << false << false << false;
        // A cellar already beside the program is never left behind.
        QTest::newRow("read-only, cellar beside") << u"con-bodega"_s << true << true << true;
        QTest::newRow("installed, cellar beside") << u"usr/bin"_s << false << true << true;
    }
    void startFromFolders()
    {
        QFETCH(QString, folder);
        QFETCH(bool, readOnly);
        QFETCH(bool, cellar);
        QFETCH(bool, beside);
        QTemporaryDir dir;
        const QString home = dir.filePath(u"home"_s);
        const QString share = dir.filePath(u"usr/share/caveto/ApliGraf"_s);
        folder = dir.filePath(folder);
        QVERIFY(QDir().mkpath(home) && QDir().mkpath(folder) && QDir().mkpath(share));
        QVERIFY(!cellar || QDir().mkpath(folder + u"/Datos"_s));
        QVERIFY(QFile::copy(
            QStringLiteral(CAVETO_APLIGRAF_DIR "/Caveto3.gif"), share + u"/Caveto3.gif"_s));
        QFile::setPermissions(dir.path(), kOpen);
        QDirIterator all(
            dir.path(), QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (all.hasNext())
            QFile::setPermissions(all.next(), kOpen);

        // Placed there and run as an ordinary user: root could write into a
        // read-only folder.
        const QString program = folder + u"/caveto"_s;
        QVERIFY(::link(QFile::encodeName(QCoreApplication::applicationFilePath()).constData(),
                    QFile::encodeName(program).constData())
                == 0
            || QFile::copy(QCoreApplication::applicationFilePath(), program));
        QFile::setPermissions(folder, readOnly ? kReadOnly : kOpen);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_DATA_HOME"_s, home);
        env.insert(u"HOME"_s, home);
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        p.setProcessEnvironment(env);
        p.setChildProcessModifier([] {
            if (::geteuid() == 0) {
                ::setgroups(0, nullptr);
                if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                    ::_exit(125);
            }
        });
        p.start(program, { QString::fromLatin1(kStartFlag) });
        QVERIFY(p.waitForFinished(60000));
        QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0,
            p.readAllStandardError().constData());
        const QStringList out = QString::fromLocal8Bit(p.readAllStandardOutput()).split(u'\n');
        const QString book = (beside ? folder : home + u"/Caveto"_s) + u"/Datos/Caveto20.Datos"_s;
        QCOMPARE(out.value(0), book);
        QVERIFY(QFileInfo(book).isFile());
        QCOMPARE(QFileInfo::exists(folder + u"/Datos"_s), beside);
        if (folder.endsWith(u"/bin"_s))
            QCOMPARE(out.value(1), share + u"/Caveto3.gif"_s);
    }
};

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], kStartFlag) == 0)
        return startProgram(argc, argv);
    QApplication app(argc, argv);
    TestDataFolder test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_datafolder.moc"
