#pragma once
// The save question: "¿ Desea guardar los cambios efectuados ?" with Si, No
// and Cancelar. The answer goes into the main window's RespuestaAviso.

#include <QDialog>

class QLabel;
class QPushButton;
class TFormCavetoPas;

class TFormAvisoProg : public QDialog
{
    Q_OBJECT
public:
    explicit TFormAvisoProg(TFormCavetoPas *main, QWidget *parent = nullptr);

    QLabel *LOpcion = nullptr;
    QLabel *PPregunta = nullptr;
    QPushButton *BSi = nullptr;
    QPushButton *BNo = nullptr;
    QPushButton *BCancelar = nullptr;

public slots:
    void BSiClick();
    void BNoClick();
    void BCancelarClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void answer(const QString &value);
    TFormCavetoPas *m_main;
};
