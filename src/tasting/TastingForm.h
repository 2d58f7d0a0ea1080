#pragma once
// What the five windows of the tasting notebook share: the read-only header
// with the wine being tasted, the mode caption, a data panel whose fields are
// bound to tasting fields of the main window's record, a read-only reference
// text and the "&Aceptar" button.
//
// The fields are filled from the record when the window is built and written
// back exactly once each time the window closes, whichever way it closes
// ("&Aceptar", the close box, Escape): a field keeps at most its record
// width, while the main window's summary panel gets the whole typed rating.

#include "cellar/RecordLine.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class FixedText;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class TFormCavetoPas;
class TWineHeader;

namespace caveto {

// The reference text :/tasting/<name>.txt as UTF-8, or an empty text when
// it is missing.
QString loadTastingText(const QString &name);

} // namespace caveto

class TTastingForm : public QDialog
{
    Q_OBJECT

public:
    // Header: the wine being tasted.
    TWineHeader *PDatosGenCab = nullptr;
    QLabel *PNombreVino = nullptr, *PCosecha = nullptr, *PDenoOrigen = nullptr, *PVino = nullptr,
           *PTipoVino = nullptr;
    // The main window's mode caption.
    QLabel *LOpcion = nullptr;

    QLabel *titlePanel() const { return m_title; }
    QWidget *dataPanel() const { return m_dataPanel; }
    QPlainTextEdit *referenceText() const { return m_reference; }
    QPushButton *acceptButton() const { return m_accept; }
    // The control that gets the focus when the record can be edited.
    QWidget *firstField() const { return m_firstField; }

    // Closes the window by whatever means: the fields go back to the record
    // once, unless a pending field check refuses the value first.
    void done(int result) override;

protected:
    struct Names
    {
        const char *title; // title panel
        const char *dataPanel; // the panel holding the record's fields
        const char *reference; // the read-only reference text
        const char *textFile; // its resource, :/tasting/<textFile>.txt
        const char *button; // the "&Aceptar" button
    };
    TTastingForm(TFormCavetoPas *main, QWidget *parent, const QString &caption,
        const QString &titleCaption, int clientWidth, const Names &names);

    // Field layout inside the data panel: two rows of labelled fields.
    static constexpr int kRow1 = 4;
    static constexpr int kRow2 = 44;
    static constexpr int kColumn[4] = { 8, 156, 304, 452 };
    static constexpr int kListWidth = 140;

    // A drop-down term field bound to `field`; `summary`, when given, gets the
    // whole text on write-back.
    QComboBox *addList(const QString &name, const QString &label, const QStringList &items,
        FixedText &field, int x, int y, int width = kListWidth, QLabel *summary = nullptr);
    // A free-text field bound to its record field, named after it and taking
    // at most its width.
    QLineEdit *addText(QLineEdit *edit, caveto::Field field, QLabel *summary = nullptr);
    // A rating field inside its captioned panel, at the right of row 2.
    QComboBox *addRating(const QString &panelName, const QString &caption, const QString &name,
        FixedText &field, QLabel *summary);
    // A label for a field placed below it.
    QLabel *addLabel(const QString &forName, const QString &caption, int x, int y);
    // Places an edit below its label.
    static void placeField(QWidget *field, int x, int y, int width);

    // Fills the header, the mode caption and the fields from the record.
    // Subclasses call it at the end of their constructor.
    void FormCreate();
    // The mode rule: the fields can only be changed while adding or
    // modifying; otherwise the reference text takes the focus.
    void FormActivate(bool moveFocus);
    // Runs the exit check of the field holding the focus, as the focus never
    // left it when the window is closed from there. False keeps the window
    // open on the refused field.
    virtual bool checkPendingField() { return true; }

    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

    TFormCavetoPas *m_main;

private:
    struct Binding
    {
        QWidget *control;
        FixedText *field;
        QLabel *summary;
    };
    static QString controlText(const QWidget *control);
    void writeBack();

    QList<Binding> m_bindings;
    QLabel *m_title = nullptr;
    QWidget *m_dataPanel = nullptr;
    QPlainTextEdit *m_reference = nullptr;
    QPushButton *m_accept = nullptr;
    QWidget *m_firstField = nullptr;
    bool m_focusPlaced = false;
    bool m_writtenBack = false;
};
