// Where the cellar lives: beside a portable program, in the user's own data
// folder when the program is installed or its folder is read-only. The end-
// to-end cases start the program from a copy of this test placed in such a
// folder and let it create its data as on a first start.

#include "app/Globals.h"
#include "app/Program.h"
#include "cellar/Cavetopas.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>

#include <grp.h>
#include <unistd.h>

using caveto::DataPlace;
Q_DECLARE_METATYPE(caveto::DataPlace)

namespace {

constexpr char kStartFlag[] = "--start-program";

// The child: the program starts as a user starts it (the splash answered),
// then closes; it prints where its record file and its picture are.
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

struct Started
{
    int exitCode = -1;
    QString dataFile;
    QString picture;
    QString errors;
};

// Puts the program (a link to this test) into `folder`.
void placeProgram(const QString &folder)
{
    const QString program = folder + QStringLiteral("/caveto");
    if (::link(QFile::encodeName(QCoreApplication::applicationFilePath()).constData(),
            QFile::encodeName(program).constData())
        != 0)
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
}

// Runs the program placed in `folder` as an ordinary user: root could
// write into a read-only folder.
Started startFrom(const QString &folder, const QString &userData)
{
    const QString program = folder + QStringLiteral("/caveto");
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), userData);
    env.insert(QStringLiteral("HOME"), userData);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.setChildProcessModifier([] {
        if (::geteuid() == 0) {
            ::setgroups(0, nullptr);
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(125);
        }
    });
    p.start(program, { QString::fromLatin1(kStartFlag) });
    p.waitForFinished(60000);
    const QStringList out
        = QString::fromLocal8Bit(p.readAllStandardOutput()).split(QLatin1Char('\n'));
    return { p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, out.value(0), out.value(1),
        QString::fromLocal8Bit(p.readAllStandardError()) };
}

void setMode(const QString &path, QFile::Permissions permissions)
{
    QVERIFY(QFile::setPermissions(path, permissions));
}

constexpr QFile::Permissions kOpen = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
    | QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther
    | QFile::ExeOther;
constexpr QFile::Permissions kReadOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
    | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

} // namespace

class TestDataFolder : public QObject
{
    Q_OBJECT

private slots:
    void choice_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("dataBeside");
        QTest::addColumn<DataPlace>("place");
        QTest::newRow("portable, writable") << true << false << false << DataPlace::BesideProgram;
        QTest::newRow("portable, read-only") << false << false << false << DataPlace::UserFolder;
        QTest::newRow("installed, read-only") << false << true << false << DataPlace::UserFolder;
        // Installed where the user may write (a home prefix, or root).
        QTest::newRow("installed, writable") << true << true << false << DataPlace::UserFolder;
        // A cellar already beside the program is never left behind.
        QTest::newRow("read-only, cellar beside")
            << false << false << true << DataPlace::BesideProgram;
        QTest::newRow("installed, cellar beside")
            << true << true << true << DataPlace::BesideProgram;
    }

    void choice()
    {
        QFETCH(bool, writable);
        QFETCH(bool, installed);
        QFETCH(bool, dataBeside);
        QFETCH(DataPlace, place);
        QCOMPARE(caveto::chooseDataPlace({ writable, installed, dataBeside }), place);
    }

    void startFromFolders()
    {
        QTemporaryDir dir;
        setMode(dir.path(), kOpen);
        const QString userData = dir.filePath(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(userData));
        setMode(userData, kOpen);
        const QString userBook = userData + QStringLiteral("/Caveto/Datos/Caveto20.Datos");

        // Read-only folder: the data go to the user's folder, made on the spot.
        const QString readOnly = dir.filePath(QStringLiteral("solo-lectura"));
        QVERIFY(QDir().mkpath(readOnly));
        placeProgram(readOnly);
        setMode(readOnly, kReadOnly);
        Started s = startFrom(readOnly, userData);
        QVERIFY2(s.exitCode == 0, qPrintable(s.errors));
        QCOMPARE(s.dataFile, userBook);
        QVERIFY(QFileInfo(userBook).isFile());
        QVERIFY(!QFileInfo::exists(readOnly + QStringLiteral("/Datos")));

        // Writable portable folder: beside the program, as always.
        const QString portable = dir.filePath(QStringLiteral("portable"));
        QVERIFY(QDir().mkpath(portable));
        setMode(portable, kOpen);
        placeProgram(portable);
        s = startFrom(portable, userData);
        QVERIFY2(s.exitCode == 0, qPrintable(s.errors));
        QCOMPARE(s.dataFile, portable + QStringLiteral("/Datos/Caveto20.Datos"));
        QVERIFY(QFileInfo(s.dataFile).isFile());

        // Installed (pictures in the share folder): the user's folder, and
        // the pictures are found where they were installed.
        const QString prefix = dir.filePath(QStringLiteral("usr"));
        QVERIFY(QDir().mkpath(prefix + QStringLiteral("/bin")));
        QVERIFY(QDir().mkpath(prefix + QStringLiteral("/share/caveto/ApliGraf")));
        QVERIFY(QFile::copy(QStringLiteral(CAVETO_APLIGRAF_DIR "/Caveto3.gif"),
            prefix + QStringLiteral("/share/caveto/ApliGraf/Caveto3.gif")));
        for (const char *sub : { "", "/bin", "/share", "/share/caveto", "/share/caveto/ApliGraf" })
            setMode(prefix + QLatin1String(sub), kOpen);
        placeProgram(prefix + QStringLiteral("/bin"));
        s = startFrom(prefix + QStringLiteral("/bin"), userData);
        QVERIFY2(s.exitCode == 0, qPrintable(s.errors));
        QCOMPARE(s.dataFile, userBook);
        QCOMPARE(s.picture, prefix + QStringLiteral("/share/caveto/ApliGraf/Caveto3.gif"));
        QVERIFY(!QFileInfo::exists(prefix + QStringLiteral("/bin/Datos")));
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
