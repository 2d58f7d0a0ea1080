#pragma once
// The controls the three reference windows share: the title panel, the
// black and navy text panels, the appellation and year lists and the buttons.

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>

class QComboBox;
class QDialog;
class QLabel;
class QPushButton;
class QWidget;

namespace caveto::guides {

// Cream of the appellation and year lists (254, 246, 216).
inline const QColor kListCream(254, 246, 216);

// The window's title: white bold 10-point text on dark navy, in a double
// sunken bevel.
QLabel *makeTitle(QWidget *parent, const QString &caption, const QRect &geometry);
// A text panel with its caption centred, in a single sunken bevel.
QLabel *makeTextPanel(QWidget *parent, const QString &name, const QRect &geometry,
    const QColor &background, const QColor &text);
// A drop-down list that takes no typing, cream, its items in the given order.
QComboBox *makeChoiceList(QWidget *parent, const QString &name, const QStringList &items,
    const QRect &geometry, int visibleRows);
// A button with the hand cursor.
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption,
    const QRect &geometry, const QString &icon = QString());
// Enter presses the button that holds the focus and no other: a dialog
// would otherwise make its first button answer Enter typed into a list.
void keepEnterOnFocusedButton(QDialog *dialog);
// Sets the colour of a panel's caption.
void setTextColour(QLabel *panel, const QColor &colour);
QColor textColour(const QLabel *panel);

} // namespace caveto::guides
