#include "guides/GuideForm.h"

#include "guides/GuideTexts.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace caveto::guides {

QLabel *makeTitle(QWidget *parent, const QString &name, const QString &caption, const QRect &rect)
{
    QLabel *label = caveto::makeTitlePanel(parent, name, caption);
    label->setTextFormat(Qt::PlainText);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(2);
    QFont font = label->font();
    font.setPointSize(10);
    font.setBold(true);
    label->setFont(font);
    label->setGeometry(rect);
    return label;
}

QPushButton *makeHandButton(
    QWidget *parent, const QString &name, const QString &caption, const QRect &rect)
{
    QPushButton *button = caveto::makeButton(parent, name, caption);
    button->setCursor(Qt::PointingHandCursor);
    button->setGeometry(rect);
    return button;
}

void styleReferenceText(QAbstractScrollArea *text)
{
    QPalette palette = text->palette();
    palette.setColor(QPalette::Base, cremaColor());
    palette.setColor(QPalette::Text, Qt::black);
    text->setPalette(palette);
    // Bold 8-point of the system font the texts were laid out for puts a
    // 112-column line across the 625-pixel box; the sans-serif stand-in is
    // wider at 8 points (11 pixels) and would break the longest lines of the
    // dictionary in two, so the texts take it at 10 pixels.
    QFont font = text->font();
    font.setPixelSize(10);
    font.setBold(true);
    text->setFont(font);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const auto flags = Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard;
    if (auto *plain = qobject_cast<QPlainTextEdit *>(text)) {
        plain->setReadOnly(true);
        plain->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        plain->setTextInteractionFlags(flags);
        plain->setTabChangesFocus(true);
    } else if (auto *rich = qobject_cast<QTextEdit *>(text)) {
        rich->setReadOnly(true);
        rich->setLineWrapMode(QTextEdit::WidgetWidth);
        rich->setTextInteractionFlags(flags);
        rich->setTabChangesFocus(true);
    }
}

} // namespace caveto::guides

namespace {
constexpr int kTextTop = 40;
constexpr int kTextWidth = 625;
constexpr int kTextHeight = 230;
constexpr int kClientHeight = 315;
constexpr int kButtonTop = 281;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
} // namespace

TGuideTextForm::TGuideTextForm(QWidget *parent, const QString &className, const QString &caption,
    const QString &title, int clientWidth, int buttonX)
    : QDialog(parent)
{
    setObjectName(className);
    setWindowTitle(caption);
    caveto::setupFixedForm(this, clientWidth, kClientHeight, true);
    LOpcion
        = caveto::guides::makeTitle(this, QStringLiteral("LOpcion"), title, QRect(233, 8, 166, 25));
    BOkDatos = caveto::guides::makeHandButton(this, QStringLiteral("BOkDatos"),
        QStringLiteral("&Aceptar"), QRect(buttonX, kButtonTop, kButtonWidth, kButtonHeight));
    connect(BOkDatos, &QPushButton::clicked, this, &TGuideTextForm::BOkDatosClick);
}

void TGuideTextForm::BOkDatosClick()
{
    close();
}

void TGuideTextForm::placeText(QAbstractScrollArea *text, const QString &name, int x)
{
    text->setObjectName(name);
    caveto::guides::styleReferenceText(text);
    text->setGeometry(x, kTextTop, kTextWidth, kTextHeight);
    // The text comes before the button in the tab order and has the focus
    // when the window opens, so the keys scroll it at once.
    setTabOrder(text, BOkDatos);
    text->setFocus();
}

QPlainTextEdit *TGuideTextForm::addPlainText(const QString &name, const QString &resource, int x)
{
    auto *text = new QPlainTextEdit(this);
    // The last line's end opens no empty line of its own.
    text->setPlainText(caveto::guides::guideLines(resource).join(QLatin1Char('\n')));
    placeText(text, name, x);
    return text;
}
