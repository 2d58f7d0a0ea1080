#pragma once
// The save question "¿ Desea guardar los cambios efectuados ?" with "Si", "No"
// and "Cancelar": a title panel naming what is being saved, and the answer
// ("S", "N", "C") written into the one-character text the caller reads.
// Closing it by its close box or Escape while the answer is still " " counts
// as "Cancelar".

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

class TSaveQuestion : public QDialog
{
    Q_OBJECT
public:
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
    TSaveQuestion(QWidget *parent, const QString &title, QString *answer);

    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void answer(const QString &value);
    QString *m_answer;
};
