// The main window's menu entries and picture buttons that open the
// reference windows: each names its window in the option label while the
// window is open and empties the label when it closes.

#include "support/CavetoFixture.h"

#include "controls/Blinklbl.h"

#include <QAction>
#include <QDialog>
#include <QToolButton>

class TestGuideCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensItsWindow_data();
    void opensItsWindow();

private:
    std::unique_ptr<CavetoFixture> m_fixture;
};

void TestGuideCommands::init()
{
    m_fixture = std::make_unique<CavetoFixture>();
    m_fixture->start();
}

void TestGuideCommands::cleanup()
{
    m_fixture->quit();
    m_fixture.reset();
}

void TestGuideCommands::opensItsWindow_data()
{
    QTest::addColumn<QString>("control"); // a menu entry or a picture button
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");

    const struct
    {
        const char *menu, *button, *window, *option;
    } commands[] = {
        { "Diccionario1", "BAH", "TFormDiccionarioAH", "Opción Diccionario" },
        { "Uvas1", "BUvas", "TFormUvas", "Opción Tipos de Uva" },
        { "Declogo1", "BDecalogo", "TFormDecalogo", "Opción Decálogo" },
        { "lexico1", "BLexico", "TFormLexico", "Opción Léxico" },
        { "Maridaje1", "BMaridaje", "TFormMaridaje", "Opción Maridaje" },
        { "Caveto1", nullptr, "TFormAcercaDe", "Opción Caveto" },
        { "Acerdade1", nullptr, "TFormAcercaDe2", "Opción Acerda de..." },
    };
    for (const auto &c : commands) {
        QTest::newRow(c.menu) << c.menu << c.window << QString::fromUtf8(c.option);
        if (c.button)
            QTest::newRow(c.button) << c.button << c.window << QString::fromUtf8(c.option);
    }
}

void TestGuideCommands::opensItsWindow()
{
    QFETCH(QString, control);
    QFETCH(QString, window);
    QFETCH(QString, option);

    TFormCavetoPas *main = m_fixture->window.get();
    caveto::DialogScript &script = *m_fixture->script;
    const qsizetype openedBefore = script.opened.size(); // the splash
    QString shown;
    bool modal = false;
    script.onNext(window, [&](QDialog *dialog) {
        shown = main->LOpcionAbierta->text();
        modal = dialog->isModal() && dialog->isVisible();
        dialog->close();
    });

    if (auto *entry = main->findChild<QAction *>(control)) {
        QVERIFY(entry->isVisible() && entry->isEnabled());
        entry->trigger();
    } else {
        // The picture buttons show in the modes.
        main->BMenuAlta2Click();
        auto *button = main->findChild<QToolButton *>(control);
        QVERIFY(button && button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QCOMPARE(script.opened.mid(openedBefore), QStringList { window });
    QCOMPARE(shown, option);
    QVERIFY(modal);
    QCOMPARE(main->LOpcionAbierta->text(), QString());
    QCOMPARE(script.unexpected, QStringList());
    QCOMPARE(script.messages.size(), 0);
}

QTEST_MAIN(TestGuideCommands)
#include "tst_guidecommands.moc"
