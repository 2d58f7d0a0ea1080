#pragma once
// The look every window of the program shares: fixed size, centred, silver,
// a small sans-serif font; title panels in white bold on dark blue, heading
// panels in white on grey, display panels sunken.

#include <QProxyStyle>
#include <QString>

class QComboBox;
class QDialog;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace caveto {

// The application-wide font and palette (silver windows, small sans font).
void applyApplicationLook();

// Fixed client size, close box only (and minimise when asked), centred.
void setupFixedForm(QWidget *window, int clientWidth, int clientHeight, bool minimizeBox = false);
// Centres a window on the screen it is on.
void centerOnScreen(QWidget *window);

QLabel *makeTitlePanel(QWidget *parent, const QString &name, const QString &caption);
QLabel *makeHeadingPanel(QWidget *parent, const QString &name, const QString &caption);
// A raised, bordered panel with a caption.
QLabel *makePanel(QWidget *parent, const QString &name, const QString &caption = QString());
// A read-only display panel: left-aligned text in a sunken frame.
QLabel *makeDisplayPanel(QWidget *parent, const QString &name, int bgr, int textBgr);
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, int x, int y);
// A bordered container panel.
QWidget *makeContainer(QWidget *parent, const QString &name);
// A push button with a picture from :/icons/<icon>.png when there is one.
QPushButton *makeButton(
    QWidget *parent, const QString &name, const QString &caption, const QString &icon = QString());
QToolButton *makeToolButton(
    QWidget *parent, const QString &name, const QString &hint, const QString &icon);

// Makes a list field drop down as a plain list box the width of the field,
// not as a menu that sizes itself to its longest item (which takes seconds
// over a large cellar and would show what lies beyond the field's columns).
void dropDownAsPlainList(QComboBox *combo);

// The style behind it: a list's popup is a list box of a fixed number of
// rows, not a menu as tall as the screen.
class PlainListPopupStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
        QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// A panel disabled only to show a record must stay readable: the standard
// disabled grey vanishes on silver.
void keepReadableWhenDisabled(QWidget *panel);

// Colours a field's background (entry fields use CampoNormal).
void setFieldColor(QWidget *field, int bgr);
int fieldColor(const QWidget *field);

} // namespace caveto
