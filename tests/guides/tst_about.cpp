// The about window and the opening of its two addresses: only web and mail
// addresses reach the desktop, never a file or a program named by a text.

#include "app/Globals.h"
#include "controls/GIFImage.h"
#include "controls/HilightLabel.h"
#include "controls/Mylabel.h"
#include "guides/AcercaDe2.h"
#include "platform/FormStyle.h"
#include "platform/MessageBox.h"
#include "platform/OpenAddress.h"

#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void openableAddresses_data();
    void openableAddresses();
    void onlyAcceptedAddressesReachTheDesktop();

    void layout();
    void pictureMovesOnceThenRests();
    void missingPictureLeavesThePanelEmpty();
    void linksOpenTheirAddresses();
    void aLinkNeverRunsAProgram();
    void linksLightUpUnderTheMouse();
    void acceptCloses();

private:
    std::unique_ptr<TFormAcercaDe2> open();

    QTemporaryDir m_dir;
    QList<QUrl> m_opened;
    caveto::AddressOpener m_previous;
};

void TestAbout::initTestCase()
{
    caveto::applyApplicationLook();
    m_previous = caveto::setAddressOpener([this](const QUrl &url) {
        m_opened.append(url);
        return true;
    });
}

void TestAbout::init()
{
    m_opened.clear();
    // A fresh application folder with the about window's picture.
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).mkpath(QStringLiteral("ApliGraf"));
    const QString picture = m_dir.filePath(QStringLiteral("ApliGraf/Racimo.gif"));
    QFile::remove(picture);
    QVERIFY(QFile::copy(QStringLiteral(CAVETO_APLIGRAF_DIR "/Racimo.gif"), picture));
    caveto::setAppFolderOverride(m_dir.path());
}

void TestAbout::cleanup()
{
    caveto::setAppFolderOverride(QString());
}

std::unique_ptr<TFormAcercaDe2> TestAbout::open()
{
    auto window = std::make_unique<TFormAcercaDe2>();
    window->show();
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

void TestAbout::openableAddresses_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("web page") << "http://www.caveto.example" << true;
    QTest::newRow("secure page with a path") << "https://www.caveto.example/vinos?d=rioja" << true;
    QTest::newRow("mail") << "mailto:caveto@caveto.example" << true;
    QTest::newRow("mail in capitals") << "MAILTO:Caveto@Caveto.Example" << true;
    QTest::newRow("mail with an attachment")
        << "mailto:caveto@caveto.example?attach=/etc/passwd" << false;
    QTest::newRow("mail to two") << "mailto:a@caveto.example,b@caveto.example" << false;
    QTest::newRow("mail without a host") << "mailto:caveto" << false;
    QTest::newRow("web without a host") << "http://" << false;
    QTest::newRow("local file") << "file:///etc/passwd" << false;
    QTest::newRow("program path") << "/usr/bin/xterm" << false;
    QTest::newRow("windows program") << "C:\\Windows\\System32\\calc.exe" << false;
    QTest::newRow("command line") << "xterm -e sh" << false;
    QTest::newRow("script") << "javascript:alert(1)" << false;
    QTest::newRow("other scheme") << "smb://servidor/compartido" << false;
    QTest::newRow("bare host") << "www.caveto.example" << false;
    QTest::newRow("blanks inside") << "http://www.caveto .example" << false;
    QTest::newRow("empty") << "" << false;
}

void TestAbout::openableAddresses()
{
    QFETCH(QString, address);
    QFETCH(bool, accepted);
    QCOMPARE(caveto::openableAddress(address).isValid(), accepted);
}

void TestAbout::onlyAcceptedAddressesReachTheDesktop()
{
    QVERIFY(caveto::openAddress(QStringLiteral("https://www.caveto.example")));
    QVERIFY(!caveto::openAddress(QStringLiteral("file:///bin/sh")));
    QVERIFY(!caveto::openAddress(QStringLiteral("sh")));
    QCOMPARE(m_opened, QList<QUrl>({ QUrl(QStringLiteral("https://www.caveto.example")) }));
}

void TestAbout::layout()
{
    auto window = open();
    QVERIFY(window);
    QCOMPARE(window->objectName(), QStringLiteral("TFormAcercaDe2"));
    QCOMPARE(window->windowTitle(), QStringLiteral(" Caveto   Acerda de...."));
    QCOMPARE(window->size(), QSize(248, 188));
    QCOMPARE(window->Panel1->geometry(), QRect(10, 9, 228, 142));
    QCOMPARE(window->Panel2->geometry(), QRect(14, 8, 87, 72));
    QCOMPARE(window->Panel2->parentWidget(), window->Panel1);

    QCOMPARE(window->Label1->text(), QStringLiteral("Caveto"));
    QCOMPARE(window->Label1->pos(), QPoint(135, 12));
    QCOMPARE(window->Label1->font().pointSize(), 16);
    QCOMPARE(window->Label2->text(), QStringLiteral("Versión . 2.5"));
    QCOMPARE(window->Label2->pos(), QPoint(123, 40));
    QCOMPARE(window->Label2->font().pointSize(), 10);
    QCOMPARE(window->Label2->palette().color(QPalette::WindowText), QColor(0, 0, 128));

    TmyLabel3d *maker = window->myLabel3d2;
    QCOMPARE(maker->text(), QStringLiteral("Morvent Software"));
    QCOMPARE(maker->pos(), QPoint(115, 63));
    QCOMPARE(maker->AStyle3D(), TmyLabel3d::Resit3d);
    QVERIFY(maker->Transparent());
    QVERIFY(maker->alignment() & Qt::AlignHCenter);
    QCOMPARE(maker->font().pointSize(), 10);
    // The whole caption shows inside the panel.
    QVERIFY(maker->fontMetrics().horizontalAdvance(maker->text()) <= maker->width());
    QVERIFY(maker->geometry().right() < window->Panel1->width());

    // The maker's addresses are under the reserved example domain.
    QCOMPARE(window->Http->text(), QStringLiteral("http://www.caveto.example"));
    QCOMPARE(window->Http->pos(), QPoint(22, 90));
    QCOMPARE(window->HCorreo->text(), QStringLiteral("caveto@caveto.example"));
    QCOMPARE(window->HCorreo->pos(), QPoint(56, 109));
    for (THilightLabel *link : { window->Http, window->HCorreo }) {
        QVERIFY(link->font().bold() && link->font().underline());
        QCOMPARE(link->HiLightColor(), QColor(0, 0, 128));
        QCOMPARE(link->HiLightStyle(), THilightLabel::fsBold | THilightLabel::fsUnderline);
        QCOMPARE(link->HiLightCursor(), Qt::PointingHandCursor);
        QVERIFY(link->geometry().right() < window->Panel1->width());
    }

    QCOMPARE(window->BOkDatos->text(), QStringLiteral("&Aceptar"));
    QCOMPARE(window->BOkDatos->geometry(), QRect(85, 157, 75, 25));
    QCOMPARE(window->BOkDatos->cursor().shape(), Qt::PointingHandCursor);
}

void TestAbout::pictureMovesOnceThenRests()
{
    auto window = open();
    QVERIFY(window);
    TGIFImage *gif = window->GIFImage1;
    QVERIFY(gif);
    QCOMPARE(gif->parentWidget(), window->Panel2);
    QCOMPARE(gif->pos(), QPoint(3, 3));
    QVERIFY(gif->Animate());
    QVERIFY(!gif->Loop());
    QVERIFY(gif->AutoSize() && !gif->Center() && !gif->Stretch());
    QVERIFY(gif->frameCount() > 1);
    QCOMPARE(gif->size(), gif->pictureSize());
    // The picture fits the box it is shown in.
    QVERIFY(window->Panel2->contentsRect().contains(gif->geometry()));
    QVERIFY(gif->isAnimating());
    int total = 0;
    for (int i = 0; i < gif->frameCount(); ++i)
        total += gif->frameDelay(i);
    QTRY_VERIFY_WITH_TIMEOUT(!gif->isAnimating(), total + 2000);
    QCOMPARE(gif->CurrentFrame(), gif->frameCount() - 1);
}

void TestAbout::missingPictureLeavesThePanelEmpty()
{
    QVERIFY(QFile::remove(m_dir.filePath(QStringLiteral("ApliGraf/Racimo.gif"))));
    caveto::DialogScript script; // records any message box
    auto window = open();
    QVERIFY(window);
    QVERIFY(!window->GIFImage1);
    QVERIFY(window->Panel2->findChildren<TGIFImage *>().isEmpty());
    QVERIFY(script.messages.isEmpty());
    QVERIFY(script.opened.isEmpty());
}

void TestAbout::linksOpenTheirAddresses()
{
    auto window = open();
    QVERIFY(window);
    QTest::mouseClick(window->Http, Qt::LeftButton);
    QTest::mouseClick(window->HCorreo, Qt::LeftButton);
    QCOMPARE(m_opened,
        QList<QUrl>({ QUrl(QStringLiteral("http://www.caveto.example")),
            QUrl(QStringLiteral("mailto:caveto@caveto.example")) }));
    // A press that ends outside the link is no click.
    QTest::mousePress(window->Http, Qt::LeftButton);
    QTest::mouseRelease(window->Http, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(m_opened.size(), 2);
}

void TestAbout::aLinkNeverRunsAProgram()
{
    auto window = open();
    QVERIFY(window);
    window->Http->setText(QStringLiteral("/usr/bin/xterm"));
    window->HCorreo->setText(QStringLiteral("x@caveto.example?attach=/home"));
    QTest::mouseClick(window->Http, Qt::LeftButton);
    QTest::mouseClick(window->HCorreo, Qt::LeftButton);
    QVERIFY(m_opened.isEmpty());
}

void TestAbout::linksLightUpUnderTheMouse()
{
    auto window = open();
    QVERIFY(window);
    THilightLabel *link = window->Http;
    const QColor before = link->palette().color(QPalette::WindowText);
    const QPointF at(2, 2);
    QEnterEvent enter(at, at, link->mapToGlobal(at));
    QApplication::sendEvent(link, &enter);
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    QCOMPARE(link->palette().color(QPalette::WindowText), before);
}

void TestAbout::acceptCloses()
{
    auto window = open();
    QVERIFY(window);
    QTest::mouseClick(window->BOkDatos, Qt::LeftButton);
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
