#include "tasting/TastingForm.h"

#include "cellar/Cavetopas.h"
#include "cellar/Modes.h"
#include "cellar/WineHeader.h"
#include "controls/Numedit.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"
#include "platform/SafeInput.h"
#include "tasting/TastingLists.h"

#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

namespace caveto {

QString loadTastingText(const QString &name)
{
    QFile file(QStringLiteral(":/tasting/%1.txt").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.remove(QLatin1Char('\r'));
    return text;
}

} // namespace caveto

using caveto::Field;

namespace {

constexpr int kClientHeight = 320;
constexpr int kMargin = 8;
constexpr int kLabelHeight = 14; // a field sits this far below its label's top
constexpr int kFieldHeight = 21;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 34;
// The lists take up to 30 typed characters; the 20-column (10 for ratings)
// field keeps the head when the value goes back to the record.
constexpr int kListTypingLimit = 30;

// Vertical bands of the window.
constexpr int kTitleTop = 4, kTitleHeight = 22;
constexpr int kHeaderTop = 30, kHeaderHeight = 44;
constexpr int kDataTop = 78, kDataHeight = 86;
constexpr int kReferenceTop = 170;

} // namespace

TTastingForm::TTastingForm(TFormCavetoPas *main, QWidget *parent, const QString &caption,
    const QString &titleCaption, int clientWidth, const Names &names)
    : QDialog(parent ? parent : main)
    , m_main(main)
{
    Q_ASSERT(main);
    setWindowTitle(caption);
    caveto::setupFixedForm(this, clientWidth, kClientHeight, true);
    const int inner = clientWidth - 2 * kMargin;

    m_title = caveto::makeTitlePanel(this, QString::fromLatin1(names.title), titleCaption);
    m_title->setGeometry(kMargin, kTitleTop, 400, kTitleHeight);
    LOpcion = caveto::makeHeadingPanel(this, QStringLiteral("LOpcion"), QString());
    LOpcion->setGeometry(kMargin + 404, kTitleTop, inner - 404, kTitleHeight);

    PDatosGenCab = new TWineHeader(this,
        { { Field::NombreVino, "Nombre del Vino", 6, 190 }, { Field::Cosecha, "Año", 202, 44 },
            { Field::DenoOrigen, "Denominación de Origen", 252, 150 },
            { Field::Vino, "Vino", 408, 95 }, { Field::TipoVino, "Tipo", 509, 92 } });
    PDatosGenCab->setGeometry(kMargin, kHeaderTop, inner, kHeaderHeight);
    PNombreVino = PDatosGenCab->PNombreVino;
    PCosecha = PDatosGenCab->PCosecha;
    PDenoOrigen = PDatosGenCab->PDenoOrigen;
    PVino = PDatosGenCab->PVino;
    PTipoVino = PDatosGenCab->PTipoVino;

    m_dataPanel = caveto::makeContainer(this, QString::fromLatin1(names.dataPanel));
    m_dataPanel->setGeometry(kMargin, kDataTop, inner, kDataHeight);
    caveto::keepReadableWhenDisabled(m_dataPanel);

    // The reference text is never disabled: it stays readable and scrollable
    // in every mode. It is created before the button so the tab order runs
    // fields, text, button.
    m_reference = new QPlainTextEdit(this);
    m_reference->setObjectName(QString::fromLatin1(names.reference));
    m_reference->setReadOnly(true);
    m_reference->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_reference->setFocusPolicy(Qt::StrongFocus);
    m_reference->setTabChangesFocus(true);
    m_reference->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_reference->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    caveto::setFieldColor(m_reference, caveto::colors::CampoNormal);
    m_reference->setGeometry(kMargin, kReferenceTop, inner - kButtonWidth - kMargin,
        kClientHeight - kReferenceTop - kMargin);
    m_reference->setPlainText(caveto::loadTastingText(QString::fromLatin1(names.textFile)));

    m_accept = caveto::makeButton(this, QString::fromLatin1(names.button),
        QStringLiteral("&Aceptar"), QStringLiteral("BAceptar"));
    m_accept->setGeometry(clientWidth - kMargin - kButtonWidth,
        kClientHeight - kMargin - kButtonHeight, kButtonWidth, kButtonHeight);
}

QLabel *TTastingForm::addLabel(const QString &forName, const QString &caption, int x, int y)
{
    return caveto::makeLabel(m_dataPanel, QLatin1Char('L') + forName, caption, x, y);
}

void TTastingForm::placeField(QWidget *field, int x, int y, int width)
{
    field->setGeometry(x, y + kLabelHeight, width, kFieldHeight);
}

QComboBox *TTastingForm::addList(const QString &name, const QString &label,
    const QStringList &items, FixedText &field, int x, int y, int width, QLabel *summary)
{
    if (!label.isEmpty())
        addLabel(name, label, x, y);
    auto *combo = new QComboBox(m_dataPanel);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setMaxVisibleItems(14);
    combo->lineEdit()->setMaxLength(kListTypingLimit);
    combo->addItems(items);
    caveto::installSafeInput(combo);
    caveto::setFieldColor(combo, caveto::colors::CampoNormal);
    caveto::setFieldColor(combo->lineEdit(), caveto::colors::CampoNormal);
    if (!label.isEmpty())
        placeField(combo, x, y, width);
    m_bindings.append({ combo, &field, summary });
    if (!m_firstField)
        m_firstField = combo;
    return combo;
}

QLineEdit *TTastingForm::addText(QLineEdit *edit, Field recordField, QLabel *summary)
{
    FixedText &field = *m_main->tastingField(recordField);
    edit->setParent(m_dataPanel);
    edit->setObjectName(QString::fromLatin1(caveto::fieldName(recordField)));
    edit->setMaxLength(caveto::fieldWidth(recordField));
    caveto::installSafeInput(edit);
    caveto::setFieldColor(edit, caveto::colors::CampoNormal);
    m_bindings.append({ edit, &field, summary });
    if (!m_firstField)
        m_firstField = edit;
    return edit;
}

QComboBox *TTastingForm::addRating(const QString &panelName, const QString &caption,
    const QString &name, FixedText &field, QLabel *summary)
{
    constexpr int kPanelHeight = 29;
    constexpr int kComboWidth = 104;
    QLabel *panel = caveto::makePanel(m_dataPanel, panelName, caption);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    panel->setTextFormat(Qt::PlainText);
    const int x = kColumn[2];
    panel->setGeometry(x, kRow2 + kLabelHeight - (kPanelHeight - kFieldHeight) / 2,
        m_dataPanel->width() - x - 8, kPanelHeight);

    QComboBox *combo = addList(
        name, QString(), caveto::tasting::ratingScale(), field, 0, 0, kComboWidth, summary);
    combo->setParent(panel);
    combo->setGeometry(panel->width() - kComboWidth - 4, (kPanelHeight - kFieldHeight) / 2,
        kComboWidth, kFieldHeight);
    return combo;
}

QString TTastingForm::controlText(const QWidget *control)
{
    if (auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    return {};
}

void TTastingForm::FormCreate()
{
    PDatosGenCab->showRecord(m_main->currentFields());
    LOpcion->setText(m_main->LOpcion->text());

    // Tab order: the fields in record order, then the text, then the button
    // (the frame was built before the fields).
    QWidget *previous = nullptr;
    for (const Binding &b : std::as_const(m_bindings)) {
        if (previous)
            setTabOrder(previous, b.control);
        previous = b.control;
    }
    if (previous)
        setTabOrder(previous, m_reference);
    setTabOrder(m_reference, m_accept);

    for (const Binding &b : std::as_const(m_bindings)) {
        const QString value = b.field->text();
        if (auto *combo = qobject_cast<QComboBox *>(b.control)) {
            // A value need not be one of the list's items; the list only
            // highlights it when it is.
            combo->setCurrentIndex(combo->findText(value));
            combo->setEditText(value);
        } else if (auto *edit = qobject_cast<QLineEdit *>(b.control)) {
            edit->setText(value);
        }
    }
}

void TTastingForm::FormActivate(bool moveFocus)
{
    const bool readOnly = caveto::mode::isReadOnly(m_main->ModoActual);
    m_dataPanel->setEnabled(!readOnly);
    if (!moveFocus)
        return;
    if (readOnly || !m_firstField)
        m_reference->setFocus();
    else
        m_firstField->setFocus();
}

void TTastingForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // A spontaneous show is the window coming back from being minimised: the
    // focus stays where the user left it.
    if (event->spontaneous() && m_focusPlaced)
        return;
    m_writtenBack = false;
    m_focusPlaced = true;
    FormActivate(true);
}

bool TTastingForm::event(QEvent *event)
{
    // Activation comes back after every message box closes; only the mode
    // rule runs again, the focus stays on the field the check chose.
    if (event->type() == QEvent::WindowActivate && m_focusPlaced)
        FormActivate(false);
    return QDialog::event(event);
}

void TTastingForm::done(int result)
{
    if (!m_writtenBack) {
        if (!checkPendingField())
            return;
        writeBack();
        m_writtenBack = true;
    }
    QDialog::done(result);
}

void TTastingForm::writeBack()
{
    for (const Binding &b : std::as_const(m_bindings)) {
        const QString text = controlText(b.control);
        *b.field = text; // cut to the record's width
        if (b.summary)
            b.summary->setText(text);
    }
}
