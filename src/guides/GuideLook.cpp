#include "guides/GuideLook.h"

#include "platform/Colors.h"
#include "platform/FormStyle.h"

#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTimer>

namespace caveto::guides {

namespace {

// The lists look like the platform's drop-down lists: a field in the
// list's own colour with its arrow button, dropping down as a plain list box.
class DropDownListStyle : public caveto::PlainListPopupStyle
{
public:
    using PlainListPopupStyle::PlainListPopupStyle;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
        QPainter *painter, const QWidget *widget) const override
    {
        if (control == CC_ComboBox) {
            if (const auto *combo = qstyleoption_cast<const QStyleOptionComboBox *>(option)) {
                QStyleOptionComboBox field = *combo;
                field.editable = true;
                PlainListPopupStyle::drawComplexControl(control, &field, painter, widget);
                return;
            }
        }
        PlainListPopupStyle::drawComplexControl(control, option, painter, widget);
    }
};

// Clears the default button the dialog chooses for itself as it is shown;
// a button still becomes the default while it has the focus.
class NoDefaultButton : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            auto *dialog = static_cast<QDialog *>(watched);
            QTimer::singleShot(0, dialog, [dialog] {
                for (QPushButton *button : dialog->findChildren<QPushButton *>())
                    if (!button->hasFocus())
                        button->setDefault(false);
            });
        }
        return false;
    }
};

} // namespace

void keepEnterOnFocusedButton(QDialog *dialog)
{
    dialog->installEventFilter(new NoDefaultButton(dialog));
}

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
    auto *style = new DropDownListStyle;
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
    // Enter presses the button that holds the focus, and no other.
    button->setAutoDefault(true);
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
