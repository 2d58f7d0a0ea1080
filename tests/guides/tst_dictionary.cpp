// The dictionary's headword search, driven through its find window as the
// user drives it: the query raised to capitals letter by letter (a to z
// only), the search downwards from the end of the selection, no
// wrap-around, and the blinking message when nothing is found.

#include "controls/Blinklbl.h"
#include "guides/DiccionarioAH.h"
#include "guides/FindDialog.h"
#include "guides/GuideTexts.h"
#include "platform/FormStyle.h"
#include "platform/RichEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {
const QString kNoExiste = QStringLiteral("No Existe Definición ...........");

// Types key by key; letters beyond ASCII arrive as their text, as from a
// keyboard layout that has them.
void typeText(QWidget *field, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(field, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}
} // namespace

class TestDictionary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { caveto::applyApplicationLook(); }
    void init();
    void cleanup() { m_window.reset(); }

    void headwordQuery_data();
    void headwordQuery();
    void findWindow();
    void messageLabel();
    void vendimiaFoundOnceAndNoWrapAround();
    void abocadoFindsItsHeadword();
    void accentedHeadwords_data();
    void accentedHeadwords();
    void searchStartsAtTheTopWhereverTheCaret();
    void searchGoesOnAfterTheSelection();
    void closingTheFindWindowEmptiesTheMessage_data();
    void closingTheFindWindowEmptiesTheMessage();
    void findWindowGoesWithTheDictionary();

private:
    TFindDialog *openFind();
    // Types the query over the old one and asks for the next match.
    void search(const QString &typed);
    QString selected() const { return m_window->EditorNotas->textCursor().selectedText(); }
    int selectionStart() const { return m_window->EditorNotas->textCursor().selectionStart(); }

    std::unique_ptr<TFormDiccionarioAH> m_window;
};

void TestDictionary::init()
{
    m_window = std::make_unique<TFormDiccionarioAH>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

TFindDialog *TestDictionary::openFind()
{
    QTest::mouseClick(m_window->BBuscar, Qt::LeftButton);
    TFindDialog *find = m_window->FindDialog1;
    if (!QTest::qWaitForWindowExposed(find))
        return nullptr;
    return find;
}

void TestDictionary::search(const QString &typed)
{
    TFindDialog *find = m_window->FindDialog1;
    if (!find->isVisible())
        find = openFind();
    QVERIFY(find);
    find->EBuscar->setFocus();
    find->EBuscar->selectAll();
    QTest::keyClick(find->EBuscar, Qt::Key_Backspace);
    typeText(find->EBuscar, typed);
    // Enter presses the default button, "Buscar siguiente".
    QTest::keyClick(find->EBuscar, Qt::Key_Return);
}

void TestDictionary::headwordQuery_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("query");
    QTest::newRow("plain") << "vendimia"
                           << "VENDIMIA";
    QTest::newRow("capitals kept") << "ViNo"
                                   << "VINO";
    QTest::newRow("eñe stays") << "añada"
                               << "AñADA";
    QTest::newRow("accents stay") << "tipificación"
                                  << "TIPIFICACIóN";
    QTest::newRow("digits and points") << "v.c.p.r.d. 2"
                                       << "V.C.P.R.D. 2";
    QTest::newRow("empty") << ""
                           << "";
}

void TestDictionary::headwordQuery()
{
    QFETCH(QString, typed);
    QFETCH(QString, query);
    QCOMPARE(caveto::guides::headwordQuery(typed), query);
}

void TestDictionary::findWindow()
{
    QCOMPARE(m_window->BBuscar->text(), QStringLiteral("&Buscar Definicion"));
    QCOMPARE(m_window->BBuscar->geometry(), QRect(200, 281, 120, 25));
    TFindDialog *find = openFind();
    QVERIFY(find);
    QCOMPARE(find->windowTitle(), QStringLiteral("Buscar"));
    // Modeless: the dictionary stays usable while it is open.
    QVERIFY(!find->isModal());
    QCOMPARE(find->windowModality(), Qt::NonModal);
    QCOMPARE(find->parentWidget(), m_window.get());
    QCOMPARE(QApplication::focusWidget(), find->EBuscar);

    // The options are there but fixed: any part of a word, downwards.
    QVERIFY(find->CPalabra->isVisible() && !find->CPalabra->isEnabled());
    QVERIFY(!find->CPalabra->isChecked());
    QVERIFY(find->CMayusculas->isVisible() && !find->CMayusculas->isEnabled());
    QVERIFY(!find->CMayusculas->isChecked());
    QVERIFY(!find->GDireccion->isEnabled());
    QVERIFY(find->RAbajo->isChecked() && !find->RArriba->isChecked());
    QTest::mouseClick(find->RArriba, Qt::LeftButton);
    QVERIFY(find->RAbajo->isChecked());

    // "Buscar siguiente" waits for something to look for.
    QVERIFY(!find->BSiguiente->isEnabled());
    QTest::keyClicks(find->EBuscar, QStringLiteral("a"));
    QVERIFY(find->BSiguiente->isEnabled());
    QVERIFY(find->BSiguiente->isDefault());

    // A second press of the button brings the same window back, text kept.
    find->close();
    QVERIFY(openFind() == find);
    QCOMPARE(find->FindText(), QStringLiteral("a"));
}

void TestDictionary::messageLabel()
{
    TBlinkLabel *label = m_window->LExiste;
    QCOMPARE(label->text(), QString());
    QCOMPARE(label->pos(), QPoint(6, 287));
    QCOMPARE(label->Velocidad(), 1000);
    QVERIFY(label->font().bold());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(128, 0, 0));

    search(QStringLiteral("zzzz"));
    QCOMPARE(label->text(), kNoExiste);
    // It blinks once a second: shown, then hidden, then shown again.
    QVERIFY(label->blinkTimer()->isActive());
    QCOMPARE(label->blinkTimer()->interval(), 1000);
    const bool shown = label->isVisible();
    QTRY_COMPARE_WITH_TIMEOUT(label->isVisible(), !shown, 1500);
    QTRY_COMPARE_WITH_TIMEOUT(label->isVisible(), shown, 1500);
}

void TestDictionary::vendimiaFoundOnceAndNoWrapAround()
{
    // The word stands in lower case in several definitions before its
    // entry, the last one; only the capitals of the headword match.
    const QString text = m_window->EditorNotas->toPlainText();
    QVERIFY(text.indexOf(QStringLiteral("vendimia")) < text.indexOf(QStringLiteral("VENDIMIA")));

    search(QStringLiteral("vendimia"));
    QCOMPARE(selected(), QStringLiteral("VENDIMIA"));
    const QTextBlock block = m_window->EditorNotas->document()->findBlock(selectionStart());
    QCOMPARE(block.position(), selectionStart());
    QVERIFY(block.text().startsWith(QStringLiteral("VENDIMIA ... ")));
    QCOMPARE(block.blockNumber(), m_window->EditorNotas->document()->blockCount() - 3);
    QCOMPARE(m_window->focusWidget(), m_window->EditorNotas);
    QCOMPARE(m_window->LExiste->text(), QString());

    // Past the last match every search fails and the selection stays.
    for (int i = 0; i < 2; ++i) {
        QTest::keyClick(m_window->FindDialog1->EBuscar, Qt::Key_Return);
        QCOMPARE(m_window->LExiste->text(), kNoExiste);
        QCOMPARE(selected(), QStringLiteral("VENDIMIA"));
        QCOMPARE(selectionStart(), block.position());
    }

    // A click into the text drops the selection: the next search starts
    // again at the top.
    QTest::mouseClick(m_window->EditorNotas->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(!m_window->EditorNotas->textCursor().hasSelection());
    QTest::mouseClick(m_window->FindDialog1->BSiguiente, Qt::LeftButton);
    QCOMPARE(selected(), QStringLiteral("VENDIMIA"));
    QCOMPARE(m_window->LExiste->text(), QString());
}

void TestDictionary::abocadoFindsItsHeadword()
{
    search(QStringLiteral("abocado"));
    QCOMPARE(selected(), QStringLiteral("ABOCADO"));
    const QTextBlock block = m_window->EditorNotas->document()->findBlock(selectionStart());
    QCOMPARE(block.position(), selectionStart());
    QVERIFY(block.text().startsWith(QStringLiteral("ABOCADO ... ")));
    // The selected headword is in view.
    const QRect caret = m_window->EditorNotas->cursorRect();
    QVERIFY(m_window->EditorNotas->viewport()->rect().contains(caret.center()));
}

void TestDictionary::accentedHeadwords_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found");
    QTest::newRow("añada") << "añada"
                           << "";
    QTest::newRow("AÑADA") << "AÑADA"
                           << "AÑADA";
    QTest::newRow("aÑada") << "aÑada"
                           << "AÑADA";
    QTest::newRow("tipificación") << "tipificación"
                                  << "";
    QTest::newRow("tipificaciÓn") << "tipificaciÓn"
                                  << "TIPIFICACIÓN";
    QTest::newRow("degÜelle") << "degÜelle"
                              << "DEGÜELLE";
}

void TestDictionary::accentedHeadwords()
{
    QFETCH(QString, typed);
    QFETCH(QString, found);
    search(typed);
    if (found.isEmpty()) {
        QCOMPARE(m_window->LExiste->text(), kNoExiste);
        QVERIFY(!m_window->EditorNotas->textCursor().hasSelection());
    } else {
        QCOMPARE(selected(), found);
        const QTextBlock block = m_window->EditorNotas->document()->findBlock(selectionStart());
        QVERIFY(block.text().startsWith(found + QStringLiteral(" ... ")));
        QCOMPARE(m_window->LExiste->text(), QString());
    }
}

void TestDictionary::searchStartsAtTheTopWhereverTheCaret()
{
    // The caret far down, nothing selected: the first entry is still found.
    QTextCursor caret = m_window->EditorNotas->textCursor();
    caret.movePosition(QTextCursor::End);
    m_window->EditorNotas->setTextCursor(caret);
    search(QStringLiteral("abierto"));
    QCOMPARE(selected(), QStringLiteral("ABIERTO"));
    QCOMPARE(selectionStart(), 0);
}

void TestDictionary::searchGoesOnAfterTheSelection()
{
    // Each search for "acido" finds the next headword that holds it
    // (ACIDO ACETICO, ACIDO CITRICO, ...), and the positions only grow.
    search(QStringLiteral("acido"));
    int last = -1;
    int found = 0;
    while (m_window->LExiste->text().isEmpty() && found < 100) {
        QCOMPARE(selected(), QStringLiteral("ACIDO"));
        QVERIFY(selectionStart() > last);
        last = selectionStart();
        ++found;
        QTest::keyClick(m_window->FindDialog1->EBuscar, Qt::Key_Return);
    }
    QCOMPARE(found, int(m_window->EditorNotas->toPlainText().count(QStringLiteral("ACIDO"))));
    QVERIFY(found > 1);
    QCOMPARE(selected(), QStringLiteral("ACIDO"));
}

void TestDictionary::closingTheFindWindowEmptiesTheMessage_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancelar") << "Cancelar";
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("close box") << "close";
}

void TestDictionary::closingTheFindWindowEmptiesTheMessage()
{
    QFETCH(QString, how);
    search(QStringLiteral("no hay tal"));
    QCOMPARE(m_window->LExiste->text(), kNoExiste);
    TFindDialog *find = m_window->FindDialog1;
    if (how == QLatin1String("Cancelar"))
        QTest::mouseClick(find->BCancelar, Qt::LeftButton);
    else if (how == QLatin1String("Escape"))
        QTest::keyClick(find->EBuscar, Qt::Key_Escape);
    else
        find->close();
    QVERIFY(!find->isVisible());
    QCOMPARE(m_window->LExiste->text(), QString());
    QVERIFY(m_window->isVisible());
}

void TestDictionary::findWindowGoesWithTheDictionary()
{
    TFindDialog *find = openFind();
    QVERIFY(find);
    QTest::mouseClick(m_window->BOkDatos, Qt::LeftButton);
    QVERIFY(!m_window->isVisible());
    QVERIFY(!find->isVisible());
}

QTEST_MAIN(TestDictionary)
#include "tst_dictionary.moc"
