#pragma once
// Printing a document: the print dialog in the orientation the window asks
// for, then the document over as many pages as it needs. The dialog's own
// "print to file" gives a PDF without a printer.
//
// Tests print without a dialog: a queued PDF file name answers the next
// print dialog as if the user had chosen to print to that file, and a queued
// cancel answers it with "Cancel".

#include <QList>
#include <QPageLayout>
#include <QString>
#include <QStringList>

class QTextDocument;
class QWidget;

namespace caveto {

// Shows the print dialog and, when the user confirms, prints `document`,
// its long lines wrapped at the page's width.
// Returns false when the dialog was cancelled or the printer failed; a
// failure is reported with a message box (title "Caveto Error.").
bool printDocument(QTextDocument *document, QPageLayout::Orientation orientation, QWidget *parent,
    const QString &jobTitle = QString());

// The printer set-up dialog. The printer, paper and margins chosen there
// stay for the later prints of the run. False when it was cancelled.
bool printerSetup(QWidget *parent);

// Test seam.
class PrintScript
{
public:
    PrintScript();
    ~PrintScript();
    PrintScript(const PrintScript &) = delete;
    PrintScript &operator=(const PrintScript &) = delete;

    // The next print dialog prints to this PDF file.
    void printNextTo(const QString &pdfPath);
    // The next print dialog is cancelled.
    void cancelNext();

    // How many print dialogs were answered, and their orientations.
    int dialogs = 0;
    QList<QPageLayout::Orientation> orientations;
    // How many printer set-up dialogs were asked for (none is shown).
    int setups = 0;

private:
    friend bool printDocument(
        QTextDocument *, QPageLayout::Orientation, QWidget *, const QString &);
    friend bool printerSetup(QWidget *);
    QStringList m_answers; // a file name, or empty for a cancel
};

} // namespace caveto
