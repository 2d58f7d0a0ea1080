#pragma once
// A modeless find window: a text to look for, "Buscar siguiente" and
// "Cancelar". The match-case, whole-word and direction controls are shown
// but disabled: the search always runs downwards, as its owner decides.
// It asks its owner to search with Find() and tells it with Close() when it
// has been closed, whichever way.

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TFindDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TFindDialog(QWidget *owner);

    QString FindText() const;
    void setFindText(const QString &text);

    // Shows the window, or brings it back to the front when it is open,
    // with its text selected for typing over.
    void Execute();

    QLabel *LBuscar = nullptr;
    QLineEdit *EBuscar = nullptr;
    QCheckBox *CPalabra = nullptr;
    QCheckBox *CMayusculas = nullptr;
    QGroupBox *GDireccion = nullptr;
    QRadioButton *RArriba = nullptr;
    QRadioButton *RAbajo = nullptr;
    QPushButton *BSiguiente = nullptr;
    QPushButton *BCancelar = nullptr;

signals:
    void Find();
    void Close();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void placeNearOwner();
    bool m_placed = false;
};
