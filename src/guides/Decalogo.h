#pragma once
// The decalogue of wine: ten rules, the ageing classes, serving temperatures, the order of serving
// and the right glass.

#include "guides/GuideForm.h"

class TFormDecalogo : public TGuideTextForm
{
    Q_OBJECT

public:
    explicit TFormDecalogo(QWidget *parent = nullptr);

    QPlainTextEdit *Mdecalogo = nullptr;
};
