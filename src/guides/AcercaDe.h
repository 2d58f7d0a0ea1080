#pragma once
// An introduction to wine tasting, opened from the "Caveto" menu.

#include "guides/GuideForm.h"

class TFormAcercaDe : public TGuideTextForm
{
    Q_OBJECT

public:
    explicit TFormAcercaDe(QWidget *parent = nullptr);

    QPlainTextEdit *MCataVin = nullptr;
};
