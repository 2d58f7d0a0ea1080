#pragma once
// The tasting lexicon: the terms for a wine's look, its aromas and its taste.

#include "guides/GuideForm.h"

class TFormLexico : public TGuideTextForm
{
    Q_OBJECT

public:
    explicit TFormLexico(QWidget *parent = nullptr);

    QPlainTextEdit *MLexico = nullptr;
};
