#pragma once
// The wine dictionary: 368 entries, each a headword in capitals, " ... "
// and its definition, and a search for a headword. The search runs
// downwards from the end of the selection (from the top when nothing is
// selected) and never wraps around; a failed search leaves the selection
// and shows a blinking message instead of a dialog box.

#include "guides/GuideForm.h"

class QPushButton;
class TBlinkLabel;
class TFindDialog;
class TRichEdit;

class TFormDiccionarioAH : public TGuideTextForm
{
    Q_OBJECT

public:
    explicit TFormDiccionarioAH(QWidget *parent = nullptr);

    TRichEdit *EditorNotas = nullptr;
    QPushButton *BBuscar = nullptr;
    TFindDialog *FindDialog1 = nullptr;
    TBlinkLabel *LExiste = nullptr;

    // Looks for `typed` as the search does and shows the outcome; true when
    // it was found.
    bool searchNext(const QString &typed);

    void done(int result) override;

public slots:
    void BBuscarClick();
    void FindDialog1Find();
    void FindDialog1Close();

private:
    void FormCreate();
};
