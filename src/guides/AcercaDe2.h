#pragma once
// The about window: the program's name and version, a bunch of grapes that
// moves once when the window opens, the maker's name and two links, the
// maker's web page and mail address.

#include <QDialog>

class QLabel;
class QPushButton;
class QWidget;
class TGIFImage;
class THilightLabel;
class TmyLabel3d;

class TFormAcercaDe2 : public QDialog
{
    Q_OBJECT

public:
    explicit TFormAcercaDe2(QWidget *parent = nullptr);

    // The maker's addresses, under the reserved example domain.
    static const QString WebAddress;
    static const QString MailAddress;

    QWidget *Panel1 = nullptr;
    QWidget *Panel2 = nullptr;
    // Null when the picture file is missing.
    TGIFImage *GIFImage1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    TmyLabel3d *myLabel3d2 = nullptr;
    THilightLabel *Http = nullptr;
    THilightLabel *HCorreo = nullptr;
    QPushButton *BOkDatos = nullptr;

public slots:
    void HttpClick();
    void HCorreoClick();
    void BOkDatosClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
};
