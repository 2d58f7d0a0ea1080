#include "platform/Printing.h"

#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QTextOption>

#include <memory>

namespace caveto {

namespace {
PrintScript *g_printScript = nullptr;

// One printer for the whole run, so that what the set-up dialog chose is
// used by the next print; it goes with the application object.
QPrinter *g_printer = nullptr;

QPrinter &sharedPrinter()
{
    if (!g_printer) {
        g_printer = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine([] {
            delete g_printer;
            g_printer = nullptr;
        });
    }
    return *g_printer;
}
} // namespace

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
    QPrinter &printer = sharedPrinter();
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

    // A control that does not wrap on screen still wraps on paper: lines
    // longer than the page wrap at its width instead of running off its edge.
    const std::unique_ptr<QTextDocument> page(document->clone());
    QTextOption option = page->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    page->setDefaultTextOption(option);
    page->print(&printer);
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

bool printerSetup(QWidget *parent)
{
    if (g_printScript) {
        ++g_printScript->setups;
        return false;
    }
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // The set-up dialog serves printers only; printing to a PDF file is
        // chosen in the print dialog itself.
        showMessage(QStringLiteral("Caveto Aviso."),
            QStringLiteral("No hay ninguna impresora instalada. Para guardar el documento en un "
                           "fichero PDF, elija «Imprimir» y, en el diálogo, la impresión a "
                           "fichero."),
            parent);
        return false;
    }
    QPageSetupDialog dialog(&sharedPrinter(), parent);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialog1"));
    return execModal(&dialog) == QDialog::Accepted;
}

} // namespace caveto
