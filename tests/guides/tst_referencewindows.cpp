// The reference windows: the five texts, the dictionary's headword search,
// the food pairing and the about window with the two addresses it hands to
// the desktop (web and mail addresses only, never a file or a program).

#include "support/CavetoFixture.h"
#include "support/PickItem.h"

#include "controls/Blinklbl.h"
#include "controls/GIFImage.h"
#include "controls/HilightLabel.h"
#include "controls/Mylabel.h"
#include "guides/AcercaDe.h"
#include "guides/AcercaDe2.h"
#include "guides/Decalogo.h"
#include "guides/DiccionarioAH.h"
#include "guides/Dishes.h"
#include "guides/FindDialog.h"
#include "guides/GuideTexts.h"
#include "guides/Lexico.h"
#include "guides/Maridaje.h"
#include "guides/Uvas.h"
#include "platform/FormStyle.h"
#include "platform/OpenAddress.h"
#include "platform/RichEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>

using namespace caveto::guides;

namespace {

const QString kNoExiste = QStringLiteral("No Existe Definición ...........");

template <class W> std::unique_ptr<W> opened()
{
    auto window = std::make_unique<W>();
    window->show();
    if (!QTest::qWaitForWindowActive(window.get()))
        qFatal("%s did not show", W::staticMetaObject.className());
    return window;
}

// The codes the eight result panels show, read back from their captions and
// colours ('?' for a panel that shows no code).
QString shownCodes(const TFormMaridaje *window)
{
    QString codes;
    for (const QLabel *panel : window->resultPanels()) {
        QChar code = u'?';
        for (char c : { '0', '1', '2', '3' }) {
            const auto look = pairingLook(QLatin1Char(c));
            if (panel->text() == look->caption
                && panel->palette().color(QPalette::WindowText) == look->colour)
                code = QLatin1Char(c);
        }
        codes += code;
    }
    return codes;
}

int dishRow(const QComboBox *list, const QString &dish)
{
    for (int row = 0; row < list->count(); ++row)
        if (itemDescription(list->itemText(row)) == dish)
            return row;
    return -1;
}

} // namespace

class TestReferenceWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        caveto::applyApplicationLook();
        caveto::setAddressOpener([this](const QUrl &url) {
            m_opened.append(url);
            return true;
        });
    }
    void init() { m_opened.clear(); }

    void textWindows_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("resource");
        int window = 0;
        for (const char *name : { "Uvas", "Decalogo", "Lexico", "Introduccion", "Diccionario" })
            QTest::newRow(name) << window++ << QString::fromLatin1(name);
    }
    // The whole text, line for line, each on one line of its box (the word
    // wrap never has to break one), read-only, from the top, with the focus
    // so the keys page through it; "Aceptar" closes.
    void textWindows()
    {
        QFETCH(int, window);
        QFETCH(QString, resource);
        const auto made = [](QDialog *d) { return d; };
        const std::unique_ptr<QDialog> shown(window == 0 ? made(new TFormUvas)
                : window == 1                            ? made(new TFormDecalogo)
                : window == 2                            ? made(new TFormLexico)
                : window == 3                            ? made(new TFormAcercaDe)
                                                         : made(new TFormDiccionarioAH));
        shown->show();
        QVERIFY(QTest::qWaitForWindowActive(shown.get()));
        auto *text = qobject_cast<QAbstractScrollArea *>(QApplication::focusWidget());
        QVERIFY(text);
        auto *plain = qobject_cast<QPlainTextEdit *>(text);
        QTextDocument *document
            = plain ? plain->document() : static_cast<QTextEdit *>(text)->document();
        const QString whole = guideLines(resource).join(u'\n');
        QCOMPARE(document->toPlainText(), whole);
        QCOMPARE(text->verticalScrollBar()->value(), 0);
        QTest::keyClicks(text, QStringLiteral("xyz"));
        QTest::keyClick(text, Qt::Key_Delete);
        QCOMPARE(document->toPlainText(), whole);
        QTest::keyClick(text, Qt::Key_PageDown);
        QVERIFY(text->verticalScrollBar()->value() > 0);
        document->documentLayout()->documentSize();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            QVERIFY2(block.layout()->lineCount() <= 1, qPrintable(block.text()));
        QTest::mouseClick(
            shown->findChild<QPushButton *>(QStringLiteral("BOkDatos")), Qt::LeftButton);
        QVERIFY(!shown->isVisible());
    }

    // The find window stays beside the dictionary (modeless), its options
    // shown but fixed: any part of a word, downwards; "Buscar siguiente"
    // waits for a text. A lower-case query finds only the capitals of a
    // headword: "vendimia" stands in several definitions before its entry,
    // the last one. Past the last match every search fails, blinking its
    // message once a second, and the selection stays; a click into the text
    // starts again at the top. However the find window closes, the message
    // goes; opened again, it keeps its text; it closes with the dictionary.
    void dictionarySearch()
    {
        auto dictionary = opened<TFormDiccionarioAH>();
        TFindDialog *find = openFind(dictionary.get());
        QVERIFY(!find->isModal());
        QCOMPARE(QApplication::focusWidget(), find->EBuscar);
        for (QAbstractButton *option : std::initializer_list<QAbstractButton *> {
                 find->CPalabra, find->CMayusculas, find->RArriba })
            QTest::mouseClick(option, Qt::LeftButton);
        QVERIFY(!find->CPalabra->isChecked() && !find->CMayusculas->isChecked()
            && find->RAbajo->isChecked());
        QVERIFY(!find->BSiguiente->isEnabled());

        TRichEdit *text = dictionary->EditorNotas;
        search(dictionary.get(), QStringLiteral("vendimia"));
        QCOMPARE(text->textCursor().selectedText(), QStringLiteral("VENDIMIA"));
        const QTextBlock block = text->document()->findBlock(text->textCursor().selectionStart());
        QCOMPARE(block.position(), text->textCursor().selectionStart());
        QCOMPARE(block.blockNumber(), text->document()->blockCount() - 3);
        QCOMPARE(dictionary->focusWidget(), text);
        QVERIFY(text->viewport()->rect().contains(text->cursorRect().center()));
        TBlinkLabel *message = dictionary->LExiste;
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(find->EBuscar, Qt::Key_Return);
            QCOMPARE(message->text(), kNoExiste);
            QCOMPARE(text->textCursor().selectionStart(), block.position());
            QCOMPARE(text->textCursor().selectedText(), QStringLiteral("VENDIMIA"));
        }
        const bool shown = message->isVisible();
        QTRY_COMPARE_WITH_TIMEOUT(message->isVisible(), !shown, 1500);
        QTRY_COMPARE_WITH_TIMEOUT(message->isVisible(), shown, 1500);
        QCOMPARE(message->blinkTimer()->interval(), 1000);
        QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseClick(find->BSiguiente, Qt::LeftButton);
        QCOMPARE(text->textCursor().selectedText(), QStringLiteral("VENDIMIA"));
        QCOMPARE(message->text(), QString());

        for (int how = 0; how < 3; ++how) {
            search(dictionary.get(), QStringLiteral("no hay tal"));
            QCOMPARE(message->text(), kNoExiste);
            if (how == 0)
                QTest::mouseClick(find->BCancelar, Qt::LeftButton);
            else if (how == 1)
                QTest::keyClick(find->EBuscar, Qt::Key_Escape);
            else
                find->close();
            QVERIFY2(!find->isVisible() && message->text().isEmpty(), QByteArray::number(how));
            QCOMPARE(openFind(dictionary.get()), find);
            QCOMPARE(find->FindText(), QStringLiteral("no hay tal"));
        }
        QTest::mouseClick(dictionary->BOkDatos, Qt::LeftButton);
        QVERIFY(!dictionary->isVisible() && !find->isVisible());
    }

    // Each search starts after the selection, or at the top wherever the
    // caret stands, and finds the next capital occurrence, the first at the
    // start of its headword's line; accented letters match only as typed.
    void searchFinds_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("found");
        for (const auto &[typed, found] : { std::pair("abierto", "ABIERTO"), { "acido", "ACIDO" },
                 { "añada", "" }, { "AÑADA", "AÑADA" }, { "tipificaciÓn", "TIPIFICACIÓN" } })
            QTest::newRow(typed) << QString::fromUtf8(typed) << QString::fromUtf8(found);
    }
    void searchFinds()
    {
        QFETCH(QString, typed);
        QFETCH(QString, found);
        auto dictionary = opened<TFormDiccionarioAH>();
        TRichEdit *text = dictionary->EditorNotas;
        text->moveCursor(QTextCursor::End);
        QList<int> starts;
        search(dictionary.get(), typed);
        while (dictionary->LExiste->text().isEmpty() && starts.size() < 100) {
            QCOMPARE(text->textCursor().selectedText(), found);
            starts << text->textCursor().selectionStart();
            QTest::keyClick(dictionary->FindDialog1->EBuscar, Qt::Key_Return);
        }
        QCOMPARE(dictionary->LExiste->text(), kNoExiste);
        QCOMPARE(starts.size(), found.isEmpty() ? 0 : text->toPlainText().count(found));
        QVERIFY(std::adjacent_find(starts.begin(), starts.end(), std::greater_equal<int>())
            == starts.end());
        QVERIFY(starts.isEmpty() || text->document()->findBlock(starts[0]).position() == starts[0]);
    }

    // The window opens on the first appetiser, "Aceitunas"; every list shows
    // its first dish. The tab order runs through the lists; the focus moving
    // into a list shows its dish, and so does a choice with the keys.
    void pairing()
    {
        auto window = opened<TFormMaridaje>();
        QCOMPARE(window->PTipoPlato->text(), QStringLiteral("Aperitivos y Tapas"));
        QCOMPARE(window->PDescripcion->text(), QStringLiteral("Aceitunas"));
        QCOMPARE(shownCodes(window.get()), QStringLiteral("20000000"));
        for (QComboBox *list : window->findChildren<QComboBox *>())
            QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), window->CApeTapas);
        for (const char *name :
            { "CVerduras", "CHuevos", "CSetas", "CSopas", "CPescado", "CCarne", "CQuesos" }) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(name));
        }
        QCOMPARE(window->PTipoPlato->text(), QStringLiteral("Quesos y Postres"));
        QCOMPARE(window->PDescripcion->text(), QStringLiteral("Brie"));
        window->CHuevos->setFocus(Qt::TabFocusReason);
        QTest::keyClick(window->CHuevos, Qt::Key_Down);
        QCOMPARE(window->PTipoPlato->text(), QStringLiteral("Huevos"));
        QCOMPARE(window->PDescripcion->text(), QStringLiteral("De codorniz"));
        QCOMPARE(shownCodes(window.get()), QStringLiteral("02100000"));
        for (QLabel *picture : window->Panel1->findChildren<QLabel *>(QRegularExpression("^Image")))
            QVERIFY2(!picture->pixmap().isNull(), qPrintable(picture->objectName()));

        // A chosen dish shows its list's title, its name and its codes. A
        // character that is no code leaves its panel as it was; a dish whose
        // codes are all "0" shows "No" on every panel.
        for (const auto &[list, dish, shown] :
            { std::tuple(window->CApeTapas, "Chorizo", "Aperitivos y Tapas 21001320"),
                { window->CSopas, "Arroz a banda", "Sopas Arroces y Pasta 00112300" },
                { window->CCarne, "Pato asado", "Carne, Caza y Aves 01030230" } }) {
            QVERIFY(pickWithMouse(list, dishRow(list, QString::fromUtf8(dish))));
            QCOMPARE(window->PDescripcion->text(), QString::fromUtf8(dish));
            QCOMPARE(window->PTipoPlato->text() + u' ' + shownCodes(window.get()),
                QString::fromUtf8(shown));
        }
        window->CodigoMaridaje = { "3", "x", "3", " ", "3", "", "3", "9" };
        window->Crea_TipoVino();
        QCOMPARE(shownCodes(window.get()), QStringLiteral("31333230"));
        window->CHuevos->addItem(
            dishItem(QStringLiteral("Huevo de prueba"), QStringLiteral("00000000")));
        QVERIFY(pickWithMouse(window->CHuevos, window->CHuevos->count() - 1));
        QCOMPARE(shownCodes(window.get()), QStringLiteral("00000000"));
        // The open list is no wider than the field: the end of an item, its
        // codes, stays out of sight.
        QComboBox *verduras = window->CVerduras;
        QTest::mouseClick(verduras, Qt::LeftButton);
        QAbstractItemView *view = verduras->view();
        QTRY_VERIFY(view->isVisible());
        QVERIFY(view->window()->width() <= verduras->width());
        QVERIFY(view->fontMetrics().horizontalAdvance(verduras->itemText(0).left(74))
            > view->viewport()->width());
        verduras->hidePopup();
        QTest::mouseClick(window->BOkDatos, Qt::LeftButton);
        QVERIFY(!window->isVisible());
    }

    void openableAddresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("accepted");
        const auto row = [](const char *address, bool accepted) {
            QTest::newRow(address) << QString::fromLatin1(address) << accepted;
        };
        row("http://www.caveto.example", true);
        row("mailto:caveto@caveto.example", true);
        row("MAILTO:Caveto@Caveto.Example", true);
        row("mailto:caveto@caveto.example?attach=/etc/passwd", false);
        row("mailto:a@caveto.example,b@caveto.example", false);
        row("mailto:caveto", false);
        row("http://", false);
        row("file:///etc/passwd", false);
        row("/usr/bin/xterm", false);
        row("xterm -e sh", false);
        row("javascript:alert(1)", false);
        row("www.caveto.example", false);
        row("", false);
    }
    void openableAddresses()
    {
        QFETCH(QString, address);
        QFETCH(bool, accepted);
        QCOMPARE(caveto::openableAddress(address).isValid(), accepted);
    }

    // The picture in the application folder plays once and rests on its
    // last frame. The two links open the web page and a mail to the maker; a
    // press that ends outside a link is no click; a link whose text is no such
    // address opens nothing. Without the picture the panel stays empty, and no
    // message shows.
    void about()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("ApliGraf"));
        QVERIFY(QFile::copy(QStringLiteral(CAVETO_APLIGRAF_DIR "/Racimo.gif"),
            dir.filePath(QStringLiteral("ApliGraf/Racimo.gif"))));
        caveto::setAppFolderOverride(dir.path());
        auto window = opened<TFormAcercaDe2>();
        TGIFImage *gif = window->GIFImage1;
        QVERIFY(gif && gif->isAnimating() && gif->frameCount() > 1);
        QVERIFY(window->Panel2->contentsRect().contains(gif->geometry()));
        QTRY_VERIFY_WITH_TIMEOUT(!gif->isAnimating(), 20000);
        QCOMPARE(gif->CurrentFrame(), gif->frameCount() - 1);

        QTest::mouseClick(window->Http, Qt::LeftButton);
        QTest::mouseClick(window->HCorreo, Qt::LeftButton);
        QTest::mousePress(window->Http, Qt::LeftButton);
        QTest::mouseRelease(window->Http, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(m_opened,
            QList<QUrl>({ QUrl(QStringLiteral("http://www.caveto.example")),
                QUrl(QStringLiteral("mailto:caveto@caveto.example")) }));
        window->Http->setText(QStringLiteral("/usr/bin/xterm"));
        window->HCorreo->setText(QStringLiteral("x@caveto.example?attach=/home"));
        QTest::mouseClick(window->Http, Qt::LeftButton);
        QTest::mouseClick(window->HCorreo, Qt::LeftButton);
        QCOMPARE(m_opened.size(), 2);
        // The maker's name shows whole inside its panel.
        QVERIFY(window->myLabel3d2->fontMetrics().horizontalAdvance(window->myLabel3d2->text())
            <= window->myLabel3d2->width());
        QTest::mouseClick(window->BOkDatos, Qt::LeftButton);
        QVERIFY(!window->isVisible());

        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("ApliGraf/Racimo.gif"))));
        caveto::DialogScript script;
        window = opened<TFormAcercaDe2>();
        QVERIFY(!window->GIFImage1 && window->Panel2->findChildren<TGIFImage *>().isEmpty());
        QVERIFY(script.messages.isEmpty() && script.opened.isEmpty());
        caveto::setAppFolderOverride(QString());
    }

private:
    TFindDialog *openFind(TFormDiccionarioAH *dictionary)
    {
        QTest::mouseClick(dictionary->BBuscar, Qt::LeftButton);
        return QTest::qWaitForWindowExposed(dictionary->FindDialog1) ? dictionary->FindDialog1
                                                                     : nullptr;
    }
    // Types the query over the old one; Enter asks for the next match.
    void search(TFormDiccionarioAH *dictionary, const QString &typed)
    {
        TFindDialog *find
            = dictionary->FindDialog1->isVisible() ? dictionary->FindDialog1 : openFind(dictionary);
        QVERIFY(find);
        find->EBuscar->setFocus();
        find->EBuscar->selectAll();
        QTest::keyClick(find->EBuscar, Qt::Key_Backspace);
        typeText(find->EBuscar, typed);
        QTest::keyClick(find->EBuscar, Qt::Key_Return);
    }

    QList<QUrl> m_opened;
};

QTEST_MAIN(TestReferenceWindows)
#include "tst_referencewindows.moc"
