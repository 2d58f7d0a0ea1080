#include "platform/FormStyle.h"

#include "platform/Colors.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QWidget>

namespace caveto {

void applyApplicationLook()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    QApplication::setFont(font);
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, tcolor(colors::Silver));
    palette.setColor(QPalette::Button, tcolor(colors::Silver));
    QApplication::setPalette(palette);
}

void centerOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size().isValid() ? window->frameGeometry().size()
                                                                : window->size();
    window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

void setupFixedForm(QWidget *window, int clientWidth, int clientHeight, bool minimizeBox)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
    window->setFixedSize(clientWidth, clientHeight);
    window->setAutoFillBackground(true);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, tcolor(colors::Silver));
    window->setPalette(palette);
    centerOnScreen(window);
}

static QLabel *colouredPanel(
    QWidget *parent, const QString &name, const QString &caption, int bgr, bool bold)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, tcolor(bgr));
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QLabel *makeTitlePanel(QWidget *parent, const QString &name, const QString &caption)
{
    return colouredPanel(parent, name, caption, colors::Titulo, true);
}

QLabel *makeHeadingPanel(QWidget *parent, const QString &name, const QString &caption)
{
    return colouredPanel(parent, name, caption, colors::Cabecera, false);
}

QLabel *makePanel(QWidget *parent, const QString &name, const QString &caption)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel *makeDisplayPanel(QWidget *parent, const QString &name, int bgr, int textBgr)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAutoFillBackground(true);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setIndent(3);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, tcolor(bgr));
    palette.setColor(QPalette::WindowText, tcolor(textBgr));
    label->setPalette(palette);
    return label;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, int x, int y)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QWidget *makeContainer(QWidget *parent, const QString &name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return frame;
}

static QIcon iconFor(const QString &icon)
{
    if (icon.isEmpty())
        return {};
    const QString path = QStringLiteral(":/icons/%1.png").arg(icon);
    return QFile::exists(path) ? QIcon(path) : QIcon();
}

QPushButton *makeButton(
    QWidget *parent, const QString &name, const QString &caption, const QString &icon)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setIcon(iconFor(icon));
    button->setAutoDefault(false);
    return button;
}

QToolButton *makeToolButton(
    QWidget *parent, const QString &name, const QString &hint, const QString &icon)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setIcon(iconFor(icon));
    button->setAutoRaise(false);
    return button;
}

void dropDownAsPlainList(QComboBox *combo)
{
    auto *style = new PlainListPopupStyle;
    style->setParent(combo);
    combo->setStyle(style);
}

void keepReadableWhenDisabled(QWidget *panel)
{
    const QColor shown(0x40, 0x40, 0x40);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Disabled, QPalette::WindowText, shown);
    palette.setColor(QPalette::Disabled, QPalette::Text, shown);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, shown);
    panel->setPalette(palette);
}

void setFieldColor(QWidget *field, int bgr)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, tcolor(bgr));
    field->setPalette(palette);
}

int fieldColor(const QWidget *field)
{
    return toTColor(field->palette().color(QPalette::Base));
}

} // namespace caveto
