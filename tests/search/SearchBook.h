#pragma once
// A cellar of five wines and the ways a user reaches the search and listing
// windows from the cellar book.

#include "Wines.h"
#include "support/InWindow.h"

#include <QComboBox>

// Five wines, in file order. Two appellations differ only in letter case,
// one wine has an Ñ, one has no bottles left.
inline QStringList fiveWines()
{
    return {
        wineLine({ "Viña Tondonia", "1998", "Rioja", "Tinto", "Reserva", "A-1", "12,50", "3",
            "1000000000000001" }),
        wineLine({ "Contino", "2001", "RIOJA", "Tinto", "Crianza", "A-2", "10,00", "2",
            "1000000000000002" }),
        wineLine({ "Pazo de Señorans", "2020", "Rías Baixas", "ALBARIÑO", "Joven", "B-1", "15,00",
            "0", "1000000000000003" }),
        wineLine({ "Pesquera", "2016", "Ribera del Duero", "Tinto", "Crianza", "C-1", "20,00", "6",
            "1000000000000004" }),
        wineLine({ "Alión", "1999", "Ribera del Duero", "Tinto", "Reserva", "C-2", "40,00", "1",
            "1000000000000005" }),
    };
}

// Starts the cellar book on the five wines.
inline TFormCavetoPas *startBook(CavetoFixture &f)
{
    f.writeDataFile(fiveWines());
    f.start();
    return f.window.get();
}

// A window of class `Form` open over the cellar book of `wines`, consulting.
template <class Form> struct OpenForm
{
    CavetoFixture f;
    std::unique_ptr<Form> window;

    explicit OpenForm(const QStringList &wines = fiveWines())
    {
        f.writeDataFile(wines);
        f.start();
        QTest::mouseClick(f.window->BMenuCons, Qt::LeftButton);
        window = std::make_unique<Form>(f.window.get());
        window->show();
    }
};

// Chooses an item of a fixed list with the arrow keys.
inline void choose(QComboBox *list, int index)
{
    moveFocus(list);
    while (list->currentIndex() < index)
        QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() > index)
        QTest::keyClick(list, Qt::Key_Up);
}

// Picks a wine of the cellar book's record list by its name.
inline void pickWine(TFormCavetoPas *w, const QString &name)
{
    moveFocus(w->Csalida);
    for (int i = 0; i < w->Csalida->count() && !w->Csalida->currentText().startsWith(name); ++i)
        QTest::keyClick(w->Csalida, Qt::Key_Down);
}
