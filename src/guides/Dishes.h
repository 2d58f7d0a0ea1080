#pragma once
// The food pairing table: 322 dishes in eight categories, each with how well
// eight kinds of wine go with it, and the list items the pairing window
// shows. A list item carries the dish's codes at its end, past what the
// 160-pixel list lets anyone see:
//
//   columns  1-70  the description, padded with blanks
//   columns 71-74  blanks
//   columns 75-82  the eight codes, in wine-kind order

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace caveto::guides {

struct Dish
{
    const char *description; // UTF-8
    const char *codes; // eight of "0".."3", in wine-kind order
};

// Categories in the window's order: appetisers and tapas, vegetables, eggs,
// mushrooms and tubers, soups rice and pasta, fish and seafood, meat game and
// poultry, cheeses and desserts.
constexpr int kDishCategoryCount = 8;
std::span<const Dish> dishes(int category);

// Wine kinds in code order: Secos, Espumoso, Blanco Joven, Blanco Crianza,
// Rosado, Tinto Joven, Tinto Crianza, Vino Dulce.
constexpr int kWineKindCount = 8;

constexpr int kDescriptionWidth = 70;
constexpr int kCodesColumn = 75; // first code, counted from 1
constexpr int kDishItemLength = kCodesColumn - 1 + kWineKindCount; // 82

// The list item of a dish. A description longer than its 70 columns is cut
// so the codes never move.
QString dishItem(const QString &description, const QString &codes);
QString dishItem(const Dish &dish);
QStringList dishItems(int category);

// What the window reads back from an item: the description without its
// padding, and the code of wine kind k (0..7), blank past the item's end.
QString itemDescription(const QString &item);
QChar itemCode(const QString &item, int kind);

// How a result panel shows a code: its caption and font colour. Nothing for
// a character that is not a code.
struct PairingLook
{
    QString caption;
    QColor colour;
};
std::optional<PairingLook> pairingLook(QChar code);

} // namespace caveto::guides
