#pragma once
// The appellation guide: pick one of the 56 appellations and, if wished, a
// harvest year; the window shows the appellation's picture, its description
// and the rating of that year, and prints the description under a short
// header. It opens from the main window with nothing chosen, or from the map
// with the map's appellation chosen (`DenoMapa`).

#include <QDialog>
#include <QList>
#include <QString>

class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TFormCavetoPas;
class TImagenPlus;
class TRichEdit;

class TFormVinos : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kClientWidth = 636;
    static constexpr int kClientHeight = 315;
    // Where the chosen appellation's picture is shown.
    static constexpr int kPictureLeft = 558;

    explicit TFormVinos(TFormCavetoPas *main, QWidget *parent = nullptr);

    // "S" when the appellation list was the last of the two lists to take
    // the focus (or the map handed an appellation over), "N" when the year
    // list was: only then does a change rebuild the description. Kept from
    // one opening of the window to the next for the whole run.
    static QString CambioDeno;

    QLabel *LOpcion = nullptr;
    QFrame *PCabecera = nullptr;
    QLabel *LDO = nullptr, *LAno = nullptr;
    QComboBox *DENO = nullptr, *EJER = nullptr;
    QLabel *denomi0 = nullptr, *ano0 = nullptr, *RESUL = nullptr;
    QPlainTextEdit *Texto = nullptr;
    // One picture per appellation, in list order, named after it
    // ("AbonaBMP", "riojaBMP", ...).
    QList<TImagenPlus *> pictures;
    QPushButton *BImprimir = nullptr, *BOkDatos = nullptr;
    // The print buffer: header and description as printed.
    TRichEdit *EditorNotasImprimir = nullptr;

    // The picture shown, or null.
    TImagenPlus *shownPicture() const;

public slots:
    void DENOEnter();
    void EJEREnter();
    // The change routine of both lists.
    void DENOChange();
    void BImprimirClick();
    void BOkDatosClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    // The digits and backspace reach the year list; any other typed
    // character is dropped. True when the key was dropped.
    bool EJERKeyPress(const QString &typed);
    void showAppellation(int index);
    void showDescription(int index);

    TFormCavetoPas *m_main;
};
