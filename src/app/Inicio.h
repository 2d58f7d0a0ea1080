#pragma once
// The splash window: "Entrar" goes on into the program, "Cancelar" or the
// close box ends it before anything is loaded.

#include <QDialog>

class QPushButton;
class QWidget;
class TGIFImage;
class TmyLabel3d;

class TFormInicio : public QDialog
{
    Q_OBJECT
public:
    explicit TFormInicio(QWidget *parent = nullptr);

    TmyLabel3d *myLabel3d1 = nullptr;
    TGIFImage *GIFImage1 = nullptr;
    QWidget *PTeclasMenu = nullptr;
    QPushButton *BEntrar = nullptr;
    QPushButton *BCancelar = nullptr;
    TmyLabel3d *myLabel3d2 = nullptr;

public slots:
    void BEntrar2Click();
    void BCancelar2Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void FormCreate();
    void FormActivate();
    bool m_answered = false;
    bool m_activated = false;
};
