#pragma once
#include <QDialog>
class TFormInicio : public QDialog
{
    Q_OBJECT
public:
    explicit TFormInicio(QWidget *parent = nullptr);
};
