#include "search/CriteriaForm.h"

#include "cellar/Cavetopas.h"
#include "controls/Numedit.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"
#include "platform/SafeInput.h"
#include "platform/WaitCursor.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>

namespace {

// The criteria row: labels over their fields.
constexpr int kLabelTop = 36;
constexpr int kFieldTop = 52;
constexpr int kFieldHeight = 22;
// The row of the run button, the clear button and the totals.
constexpr int kButtonTop = 86;
constexpr int kTotalLabelTop = 82;
constexpr int kTotalTop = 97;

// The vintage criterion takes capital letters, blanks and digits.
bool vintageKey(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u' ';
}

} // namespace

TCriteriaForm::TCriteriaForm(TFormCavetoPas *main, QWidget *parent, const QString &caption,
    int clientWidth, int clientHeight, const QString &runCaption)
    : QDialog(parent ? parent : main)
    , m_main(main)
{
    setWindowTitle(caption);
    caveto::setupFixedForm(this, clientWidth, clientHeight);

    CCosecha = makeCriterion(QStringLiteral("CCosecha"), QStringLiteral("Cosecha"), 4, 8, 56);
    CDenominacion = makeCriterion(QStringLiteral("CDenominacion"), QStringLiteral("Denominación"),
        30, 70, 156, &LContDenominacion);
    CVino
        = makeCriterion(QStringLiteral("CVino"), QStringLiteral("Vino"), 30, 232, 130, &LContVino);
    CTipo
        = makeCriterion(QStringLiteral("CTipo"), QStringLiteral("Tipo"), 30, 368, 130, &LContTipo);
    CEstante = makeCriterion(
        QStringLiteral("CEstante"), QStringLiteral("Estante"), 15, 504, 108, &LContEstante);

    caveto::makeLabel(this, QStringLiteral("LBotellasPan"),
        QStringLiteral("--------- Botellas ----------"), 618, kLabelTop);
    CSigno = new QComboBox(this);
    CSigno->setObjectName(QStringLiteral("CSigno"));
    CSigno->addItems(caveto::bottleComparisonItems());
    CSigno->setGeometry(618, kFieldTop, 46, kFieldHeight);
    Botellas_Pan = new TNumEdit(this);
    Botellas_Pan->setObjectName(QStringLiteral("Botellas_Pan"));
    Botellas_Pan->setFloat(false);
    Botellas_Pan->setNegative(false);
    Botellas_Pan->setMaxLength(7);
    Botellas_Pan->setText(QStringLiteral("0"));
    Botellas_Pan->setGeometry(668, kFieldTop, 72, kFieldHeight);
    caveto::setFieldColor(Botellas_Pan, caveto::colors::CampoNormal);
    paintCriterion(CSigno, QString());

    BBuscar = caveto::makeButton(this, QStringLiteral("BBuscar"), runCaption);
    BBuscar->setGeometry(8, kButtonTop, 108, 28);
    BBorrar = caveto::makeButton(this, QStringLiteral("BBorrar"), QStringLiteral("Borra &Campos"));
    BBorrar->setFlat(true);
    BBorrar->setToolTip(QStringLiteral("Borra Campos"));
    BBorrar->setGeometry(120, kButtonTop, 84, 28);

    const int valueLeft = clientWidth - 8 - 128;
    EValorBodega = makeTotal(QStringLiteral("EValorBodega"), QStringLiteral("Valor Bodega €"),
        valueLeft, 128, caveto::colors::Lime);
    EBotellas = makeTotal(
        QStringLiteral("EBotellas"), QStringLiteral("Botellas"), valueLeft - 6 - 74, 74, 0xFFFF00);
    ETotalReg = makeTotal(QStringLiteral("ETotalReg"), QStringLiteral("Localizados"),
        valueLeft - 2 * (6 + 74), 74, 0xFFFFFF);

    PBarraProgreso = caveto::makeContainer(this, QStringLiteral("PBarraProgreso"));
    PBarraProgreso->setGeometry(8, clientHeight - 28, 420, 24);
    Lproceso = new QLabel(PBarraProgreso);
    Lproceso->setObjectName(QStringLiteral("Lproceso"));
    Lproceso->setGeometry(4, 2, 128, 20);
    BarraProgreso = new QProgressBar(PBarraProgreso);
    BarraProgreso->setObjectName(QStringLiteral("BarraProgreso"));
    BarraProgreso->setTextVisible(false);
    BarraProgreso->setGeometry(136, 5, 278, 14);
    PBarraProgreso->hide();

    // Highlighting follows the user's changes to the lists (typing or
    // choosing) and every change of the bottle count.
    const std::array<void (TCriteriaForm::*)(), 5> changes = { &TCriteriaForm::CCosechaChange,
        &TCriteriaForm::CDenominacionChange, &TCriteriaForm::CVinoChange,
        &TCriteriaForm::CTipoChange, &TCriteriaForm::CEstanteChange };
    const auto lists = textCriteria();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        connect(lists[i]->lineEdit(), &QLineEdit::textEdited, this, changes[i]);
        connect(lists[i], &QComboBox::activated, this, changes[i]);
    }
    connect(CSigno, &QComboBox::activated, this, &TCriteriaForm::CSignoChange);
    connect(Botellas_Pan, &QLineEdit::textChanged, this, &TCriteriaForm::Botellas_PanChange);
    CCosecha->installEventFilter(this);
    CCosecha->lineEdit()->installEventFilter(this);
}

QComboBox *TCriteriaForm::makeCriterion(
    const QString &name, const QString &label, int maxLength, int x, int width, QLabel **counter)
{
    QLabel *caption = caveto::makeLabel(this, QLatin1Char('L') + name.mid(1), label, x, kLabelTop);
    if (counter) {
        auto *c = new QLabel(this);
        c->setObjectName(QStringLiteral("LCont") + name.mid(1));
        c->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        c->setAlignment(Qt::AlignCenter);
        c->setGeometry(caption->geometry().right() + 6, kLabelTop - 2, 30, 16);
        *counter = c;
    }
    auto *list = new QComboBox(this);
    list->setObjectName(name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    list->setMaxVisibleItems(14);
    list->lineEdit()->setMaxLength(maxLength);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    caveto::installSafeInput(list);
    list->setGeometry(x, kFieldTop, width, kFieldHeight);
    paintCriterion(list, QString());
    return list;
}

QLineEdit *TCriteriaForm::makeTotal(
    const QString &name, const QString &label, int x, int width, int textBgr)
{
    caveto::makeLabel(this, QLatin1Char('L') + name.mid(1), label, x, kTotalLabelTop);
    auto *total = new QLineEdit(QStringLiteral("0"), this);
    total->setObjectName(name);
    total->setReadOnly(true);
    total->setFocusPolicy(Qt::NoFocus);
    QPalette palette = total->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, caveto::tcolor(textBgr));
    total->setPalette(palette);
    QFont font = total->font();
    font.setBold(true);
    total->setFont(font);
    total->setGeometry(x, kTotalTop, width, 20);
    return total;
}

void TCriteriaForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Once per opening: a window closing over this one (the print dialog)
    // must not refill the lists, which would empty the criteria.
    if (!m_activated) {
        m_activated = true;
        FormActivate();
    }
}

// ---------------------------------------------------------------------------
// Criteria lists
// ---------------------------------------------------------------------------

void TCriteriaForm::fillList(QComboBox *list, const QStringList &items)
{
    const QSignalBlocker block(list);
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(-1);
    list->clearEditText();
}

void TCriteriaForm::LlenaCriterios()
{
    caveto::WaitCursor wait;
    const QStringList &image = m_main->EditorFichero.image();
    beginProgress(QStringLiteral("  Cosechas"), image.size());
    fillList(CCosecha, caveto::vintageList(image, [this](qsizetype done) { stepProgress(done); }));

    struct Phase
    {
        const char *caption;
        QComboBox *list;
    };
    const Phase phases[] = { { "  Denominaciones", CDenominacion }, { "  Vino", CVino },
        { "  Tipos de Vino", CTipo }, { "  Estantes", CEstante } };
    for (int which = 0; which < 4; ++which) {
        const QStringList items = m_main->valueList(which);
        beginProgress(QString::fromLatin1(phases[which].caption), items.size());
        fillList(phases[which].list, items);
        stepProgress(items.size());
    }
    endProgress();
}

// ---------------------------------------------------------------------------
// Highlighting and keys
// ---------------------------------------------------------------------------

void TCriteriaForm::paintCriterion(QWidget *control, const QString &text)
{
    const int colour = caveto::trimBlanks(text).isEmpty() ? caveto::colors::CampoNormal
                                                          : caveto::colors::CampoAviso;
    caveto::setFieldColor(control, colour);
    if (auto *list = qobject_cast<QComboBox *>(control)) {
        // A fixed list is drawn as a button; an editable one shows its edit.
        QPalette palette = list->palette();
        palette.setColor(QPalette::Button, caveto::tcolor(colour));
        list->setPalette(palette);
        if (list->lineEdit())
            caveto::setFieldColor(list->lineEdit(), colour);
    }
}

void TCriteriaForm::CCosechaChange()
{
    paintCriterion(CCosecha, CCosecha->currentText());
}

void TCriteriaForm::CDenominacionChange()
{
    paintCriterion(CDenominacion, CDenominacion->currentText());
}

void TCriteriaForm::CVinoChange()
{
    paintCriterion(CVino, CVino->currentText());
}

void TCriteriaForm::CTipoChange()
{
    paintCriterion(CTipo, CTipo->currentText());
}

void TCriteriaForm::CEstanteChange()
{
    paintCriterion(CEstante, CEstante->currentText());
}

void TCriteriaForm::CSignoChange()
{
    paintCriterion(CSigno, CSigno->currentText());
}

void TCriteriaForm::Botellas_PanChange()
{
    paintCriterion(Botellas_Pan, Botellas_Pan->text());
}

void TCriteriaForm::colourAllCriteria()
{
    CCosechaChange();
    CDenominacionChange();
    CVinoChange();
    CTipoChange();
    CEstanteChange();
    CSignoChange();
    Botellas_PanChange();
}

bool TCriteriaForm::eventFilter(QObject *watched, QEvent *event)
{
    // CCosechaKeyPress: characters other than capitals, blanks and digits
    // are dropped; keys that type nothing (arrows, Delete, Backspace,
    // Return) and shortcuts keep their meaning.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        const bool typesCharacter = text.size() == 1 && text.at(0).unicode() >= 0x20
            && text.at(0).unicode() != 0x7F
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (typesCharacter && !vintageKey(text.at(0)))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Counters, totals and the run
// ---------------------------------------------------------------------------

void TCriteriaForm::copyCounters()
{
    LContDenominacion->setText(m_main->LContDenominacion->text());
    LContVino->setText(m_main->LContVino->text());
    LContTipo->setText(m_main->LContTipo->text());
    LContEstante->setText(m_main->LContEstante->text());
}

std::array<QString, 5> TCriteriaForm::criteriaTexts() const
{
    std::array<QString, 5> texts;
    const auto lists = textCriteria();
    for (std::size_t i = 0; i < lists.size(); ++i)
        texts[i] = lists[i]->currentText();
    return texts;
}

caveto::SearchCriteria TCriteriaForm::criteria() const
{
    caveto::SearchCriteria c;
    c.texts = criteriaTexts();
    c.comparison = static_cast<caveto::BottleComparison>(qMax(0, CSigno->currentIndex()));
    c.bottles = caveto::readCount(Botellas_Pan->text());
    return c;
}

void TCriteriaForm::resetTotals()
{
    for (QLineEdit *total : { ETotalReg, EBotellas, EValorBodega })
        total->setText(QStringLiteral("0"));
}

void TCriteriaForm::fillEmptyBottleCount()
{
    if (caveto::trimBlanks(Botellas_Pan->text()).isEmpty())
        Botellas_Pan->setText(QStringLiteral("0"));
}

void TCriteriaForm::showRunningTotals(const caveto::SearchTotals &totals)
{
    const QLocale locale;
    EValorBodega->setText(totals.value.format(locale));
    EBotellas->setText(caveto::formatWhole(totals.bottles, locale));
}

caveto::SearchTotals TCriteriaForm::runFilter(const std::function<void(QStringView line)> &found)
{
    caveto::SearchTotals totals;
    // The totals are drawn with the progress bar, about a hundred times over
    // the run; their last values are always shown.
    caveto::runSearch(
        m_main->EditorFichero.image(), criteria(), totals, found, [this, &totals](qsizetype done) {
            if (done % m_progressStep == 0) {
                showRunningTotals(totals);
                EValorBodega->repaint();
                EBotellas->repaint();
            }
            stepProgress(done);
        });
    showRunningTotals(totals);
    ETotalReg->setText(caveto::formatWhole(totals.records, QLocale()));
    return totals;
}

void TCriteriaForm::clearCriteria()
{
    resetTotals();
    Botellas_Pan->setText(QStringLiteral("0"));
    CSigno->setCurrentIndex(0);
    for (QComboBox *list : textCriteria()) {
        list->setCurrentIndex(-1);
        list->clearEditText();
        paintCriterion(list, QString());
    }
}

// ---------------------------------------------------------------------------
// Progress
// ---------------------------------------------------------------------------

void TCriteriaForm::beginProgress(const QString &caption, qsizetype maximum)
{
    Lproceso->setText(caption);
    BarraProgreso->setMaximum(int(qMax<qsizetype>(1, maximum)));
    BarraProgreso->setValue(0);
    PBarraProgreso->show();
    m_progressStep = int(qMax<qsizetype>(1, maximum / 100));
    repaint();
}

void TCriteriaForm::stepProgress(qsizetype done)
{
    if (done % m_progressStep != 0 && done < BarraProgreso->maximum())
        return;
    BarraProgreso->setValue(int(qMin<qsizetype>(done, BarraProgreso->maximum())));
    BarraProgreso->repaint();
}

void TCriteriaForm::endProgress()
{
    PBarraProgreso->hide();
}
