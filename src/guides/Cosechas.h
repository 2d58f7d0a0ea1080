#pragma once
// The national vintage chart: the general quality of Spanish harvests from
// 1970 to 2003 in 34 fixed boxes. Its texts are its own, in mixed case; they
// are not read from the appellations' rating table.

#include <QDialog>
#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;

class TFormCosechas : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kClientWidth = 630;
    static constexpr int kClientHeight = 312;

    explicit TFormCosechas(QWidget *parent = nullptr);

    QLabel *LOpcion = nullptr;
    QLabel *PCosechas = nullptr;
    // The 34 year boxes, 1970 first: E1970 ... E2000, E2201 (2001), E2002,
    // Edit1 (2003).
    QList<QLineEdit *> years;
    QPushButton *BOkDatos = nullptr;

public slots:
    void BOkDatosClick();
};
