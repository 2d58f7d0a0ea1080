#include "platform/Printing.h"

#include "platform/MessageBox.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace caveto {

namespace {
PrintScript *g_printScript = nullptr;
}

PrintScript::PrintScript()
{
    g_printScript = this;
}

PrintScript::~PrintScript()
{
    if (g_printScript == this)
        g_printScript = nullptr;
}

void PrintScript::printNextTo(const QString &pdfPath)
{
    m_answers.append(pdfPath);
}

void PrintScript::cancelNext()
{
    m_answers.append(QString());
}

bool printDocument(QTextDocument *document, QPageLayout::Orientation orientation, QWidget *parent,
    const QString &jobTitle)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(orientation);
    printer.setDocName(jobTitle);

    if (g_printScript) {
        ++g_printScript->dialogs;
        g_printScript->orientations.append(printer.pageLayout().orientation());
        const QString answer
            = g_printScript->m_answers.isEmpty() ? QString() : g_printScript->m_answers.takeFirst();
        if (answer.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(answer);
    } else {
        QPrintDialog dialog(&printer, parent);
        dialog.setObjectName(QStringLiteral("PrintDialog1"));
        if (execModal(&dialog) != QDialog::Accepted)
            return false;
    }

    document->print(&printer);
    // Printing to a file the user cannot write is the one failure the
    // printer reports back.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()
        && !QFileInfo::exists(printer.outputFileName())) {
        showMessage(QStringLiteral("Caveto Error."),
            QStringLiteral("No se pudo imprimir en el fichero %1").arg(printer.outputFileName()),
            parent);
        return false;
    }
    return true;
}

} // namespace caveto
