#include "guides/GuideLook.h"

#include "platform/Colors.h"
#include "platform/FormStyle.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QProxyStyle>
#include <QPushButton>

namespace caveto::guides {

namespace {

// The lists drop down as list boxes of a fixed number of rows under the
// field, not as menus as tall as the screen.
class ListBoxPopupStyle : public QProxyStyle
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

} // namespace

QLabel *makeTitle(QWidget *parent, const QString &caption, const QRect &geometry)
{
    QLabel *title = makeTitlePanel(parent, QStringLiteral("LOpcion"), caption);
    title->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    title->setLineWidth(2);
    QFont font = title->font();
    font.setBold(true);
    font.setPointSize(10);
    title->setFont(font);
    title->setGeometry(geometry);
    return title;
}

QLabel *makeTextPanel(QWidget *parent, const QString &name, const QRect &geometry,
    const QColor &background, const QColor &text)
{
    auto *panel = new QLabel(parent);
    panel->setObjectName(name);
    panel->setTextFormat(Qt::PlainText);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    panel->setPalette(palette);
    panel->setGeometry(geometry);
    return panel;
}

QComboBox *makeChoiceList(QWidget *parent, const QString &name, const QStringList &items,
    const QRect &geometry, int visibleRows)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    auto *style = new ListBoxPopupStyle;
    style->setParent(list);
    list->setStyle(style);
    list->setEditable(false);
    list->addItems(items);
    list->setCurrentIndex(-1);
    list->setMaxVisibleItems(visibleRows);
    QPalette palette = list->palette();
    palette.setColor(QPalette::Button, kListCream);
    palette.setColor(QPalette::Base, kListCream);
    list->setPalette(palette);
    list->setGeometry(geometry);
    return list;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption,
    const QRect &geometry, const QString &icon)
{
    QPushButton *button = caveto::makeButton(parent, name, caption, icon);
    button->setCursor(Qt::PointingHandCursor);
    button->setGeometry(geometry);
    return button;
}

void setTextColour(QLabel *panel, const QColor &colour)
{
    QPalette palette = panel->palette();
    palette.setColor(QPalette::WindowText, colour);
    panel->setPalette(palette);
}

QColor textColour(const QLabel *panel)
{
    return panel->palette().color(QPalette::WindowText);
}

} // namespace caveto::guides
