#pragma once
// The bottle photo: shows the picture whose path the record keeps, lets the
// user pick another file or drop the reference, and reports the picture's
// size. The picture file itself is only ever read: never copied, moved or
// deleted.

#include "notes/PhotoRules.h"
#include "platform/StdDialogs.h"

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class TFormCavetoPas;
class ThhALed;
class TImagenPlus;
class TWineHeader;

namespace caveto {
// Lights the LED beside "&Ver Foto" as the photo rules say.
void applyPhotoLed(ThhALed *led, photo::Led state);
} // namespace caveto

class TFormImagen : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kClientWidth = 381;
    static constexpr int kClientHeight = 356;

    explicit TFormImagen(TFormCavetoPas *main, QWidget *parent = nullptr);

    QLabel *LOpcion = nullptr, *POpcion = nullptr;
    TWineHeader *PDatosGenCab = nullptr;
    QLabel *PNombreVino = nullptr, *PCosecha = nullptr, *PDenoOrigen = nullptr;
    QLabel *LFImagen = nullptr, *FImagen = nullptr;
    QLabel *PImagen = nullptr;
    TImagenPlus *Imagen = nullptr;
    QPushButton *BCapturar = nullptr, *BBorrar = nullptr, *BCerrar = nullptr;
    QLabel *LOrigen = nullptr, *LAjuste = nullptr;
    QLineEdit *Largo = nullptr, *Ancho = nullptr, *Largo2 = nullptr, *Ancho2 = nullptr;

    // The file the open dialog `Open1` starts from: the last one it gave,
    // or the record's picture.
    QString Open1FileName;

    // The rows of the open dialog's filter, in order.
    static QList<caveto::FileFilter> fileFilters();

    // However the window closes, the focus goes back to the main window.
    void done(int result) override;

public slots:
    void BCapturarClick();
    void BBorrarClick();
    void BCerrarClick();

protected:
private:
    void FormCreate();
    void CargarImagen();
    void FormClose();
    void setSizes(const QString &width, const QString &height, const QString &shownWidth,
        const QString &shownHeight);
    QLineEdit *makeSizeBox(const QString &name, int x, int y);

    TFormCavetoPas *m_main;
    bool m_closed = false;
};
