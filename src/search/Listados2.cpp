#include "search/Listados2.h"

#include "cellar/Cavetopas.h"
#include "cellar/StatusPanels.h"
#include "controls/Numedit.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"
#include "platform/Printing.h"
#include "platform/RichEdit.h"
#include "platform/WaitCursor.h"
#include "search/Report.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>

#include <memory>

namespace {
// The report's font on screen: "Courier New", 12 pixels high; printed, the
// same size at the screen's 96 pixels per inch, 9 points.
constexpr int kReportPixels = 12;
constexpr int kReportPoints = 9;
} // namespace

TFormListado2::TFormListado2(TFormCavetoPas *main, QWidget *parent)
    : TCriteriaForm(main, parent, QStringLiteral(" Caveto  Informe."), kClientWidth, kClientHeight,
        QStringLiteral("&Aceptar"))
{
    setObjectName(QStringLiteral("TFormListado2"));

    LOpcion = caveto::makeTitlePanel(this, QStringLiteral("LOpcion"), QStringLiteral("Informe"));
    LOpcion->setGeometry(8, 6, 130, 22);

    EditorNotas = new TRichEdit(this);
    EditorNotas->setObjectName(QStringLiteral("EditorNotas"));
    EditorNotas->setReadOnly(true);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(kReportPixels);
    EditorNotas->setFont(font);
    EditorNotas->setLineWrapMode(QTextEdit::NoWrap);
    EditorNotas->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    EditorNotas->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    caveto::setFieldColor(EditorNotas, caveto::colors::CampoNormal);
    EditorNotas->setGeometry(8, 122, 731, 160);

    BImprimir = caveto::makeButton(
        this, QStringLiteral("BImprimir"), QStringLiteral("&Imprimir Informe"));
    BImprimir->setGeometry(kClientWidth - 8 - 110 - 6 - 120, kClientHeight - 30, 120, 26);
    BImprimir->setEnabled(false);
    BSalirInformes = caveto::makeButton(
        this, QStringLiteral("BSalirInformes"), QStringLiteral("&Salir Informe"));
    BSalirInformes->setGeometry(kClientWidth - 8 - 110, kClientHeight - 30, 110, 26);

    connect(BBuscar, &QPushButton::clicked, this, &TFormListado2::BBuscarClick);
    connect(BBorrar, &QPushButton::clicked, this, &TFormListado2::BBorrarClick);
    connect(BImprimir, &QPushButton::clicked, this, &TFormListado2::BImprimirClick);
    connect(BSalirInformes, &QPushButton::clicked, this, &TFormListado2::BSalirInformesClick);
}

void TFormListado2::FormActivate()
{
    CSigno->setCurrentIndex(0);
    repaint();
    LlenaCriterios();
    colourAllCriteria();
    copyCounters();
}

void TFormListado2::BBuscarClick()
{
    EditorNotas->clearLines();
    resetTotals();
    caveto::WaitCursor wait;
    beginProgress(QStringLiteral("  Procesando ..."), m_main->EditorFichero.image().size());
    if (caveto::trimBlanks(Botellas_Pan->text()).isEmpty()) {
        // Unlike the search, an emptied count also takes the comparison back.
        fillEmptyBottleCount();
        CSigno->setCurrentIndex(0);
    }
    repaint();

    QStringList lines;
    const QString title
        = caveto::report::title(criteriaTexts(), CSigno->currentText(), Botellas_Pan->text());
    const caveto::SearchTotals totals = runFilter([&](QStringView line) {
        if (lines.isEmpty()) {
            lines = caveto::report::opening(
                title, m_main->StatusBar1->panelText(3), m_main->StatusBar1->panelText(2));
        }
        lines.append(caveto::reportLine(line));
    });
    if (totals.records == 0) {
        lines = caveto::report::noData();
        BImprimir->setEnabled(false);
    } else {
        lines
            += caveto::report::closing(ETotalReg->text(), EBotellas->text(), EValorBodega->text());
        BImprimir->setEnabled(true);
    }
    EditorNotas->setLines(lines);
    endProgress();
}

void TFormListado2::BBorrarClick()
{
    clearCriteria();
    EditorNotas->clearLines();
    BImprimir->setEnabled(false);
}

void TFormListado2::BImprimirClick()
{
    // The report as it stands, in its font at print size, landscape, with an
    // empty job title.
    std::unique_ptr<QTextDocument> document(EditorNotas->document()->clone());
    QFont font = EditorNotas->font();
    font.setPointSize(kReportPoints);
    document->setDefaultFont(font);
    caveto::printDocument(document.get(), QPageLayout::Landscape, this, QString());
}

void TFormListado2::BSalirInformesClick()
{
    close();
}
