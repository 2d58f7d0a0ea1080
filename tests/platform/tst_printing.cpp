// The printing layer: the orientation the window asks for, the whole
// document over its pages, long lines wrapped, a cancelled dialog printing
// nothing, and a file that cannot be written reported.

#include "platform/MessageBox.h"
#include "platform/Printing.h"
#include "support/PdfText.h"

#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextOption>
#include <QtTest>

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void wholeDocumentInItsOrientation_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::newRow("portrait") << int(QPageLayout::Portrait);
        QTest::newRow("landscape") << int(QPageLayout::Landscape);
    }
    void wholeDocumentInItsOrientation()
    {
        QFETCH(int, orientation);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("listado.pdf"));
        QStringList lines { QStringLiteral("Caveto   *   LISTADO   *") }, words;
        for (int i = 1; i <= 150; ++i)
            lines << QStringLiteral("Renglón %1 del listado").arg(i);
        // A line longer than the page wraps on paper, though the control showing
        // it does not wrap.
        for (int i = 1; i <= 60; ++i)
            words << QStringLiteral("palabra%1").arg(i);
        QTextDocument document(lines.join(QLatin1Char('\n')) + u'\n' + words.join(u' '));
        QTextOption noWrap;
        noWrap.setWrapMode(QTextOption::NoWrap);
        document.setDefaultTextOption(noWrap);
        // Reports print in a fixed-pitch font, so their blanks read back as written.
        QFont font(QStringLiteral("Courier New"), 9);
        font.setStyleHint(QFont::TypeWriter);
        document.setDefaultFont(font);
        caveto::PrintScript script;
        script.cancelNext();
        script.printNextTo(pdf);
        QVERIFY(!caveto::printDocument(&document, QPageLayout::Orientation(orientation), nullptr));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
        QVERIFY(caveto::printDocument(&document, QPageLayout::Orientation(orientation), nullptr));
        const QString text = pdfText(pdf);
        QVERIFY(text.contains(QStringLiteral("Caveto   *   LISTADO   *")));
        QVERIFY(text.contains(QStringLiteral("Renglón 150 del listado")));
        QVERIFY(text.contains(QStringLiteral("palabra60")));
        QVERIFY(!text.contains(QRegularExpression(QStringLiteral("palabra1 [^\n]*palabra60"))));
        QVERIFY(pdfPageCount(pdf) >= 2);
        const QSize page = pdfPageSize(pdf);
        QCOMPARE(page.width() > page.height(), orientation == int(QPageLayout::Landscape));

        caveto::DialogScript dialogs;
        script.printNextTo(QStringLiteral("/nonexistent-folder/listado.pdf"));
        QVERIFY(!caveto::printDocument(&document, QPageLayout::Orientation(orientation), nullptr));
        const auto shown = dialogs.takeMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].title, QStringLiteral("Caveto Error."));
        QVERIFY(shown[0].text.contains(QStringLiteral("/nonexistent-folder/listado.pdf")));
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
