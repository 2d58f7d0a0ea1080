#pragma once
// The grape varieties of Spanish wine, white and red, each with where it grows and the wine it
// gives.

#include "guides/GuideForm.h"

class TFormUvas : public TGuideTextForm
{
    Q_OBJECT

public:
    explicit TFormUvas(QWidget *parent = nullptr);

    QPlainTextEdit *MUvas = nullptr;
};
