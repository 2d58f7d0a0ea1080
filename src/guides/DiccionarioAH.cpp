#include "guides/DiccionarioAH.h"

#include "controls/Blinklbl.h"
#include "guides/FindDialog.h"
#include "guides/GuideTexts.h"
#include "platform/Colors.h"
#include "platform/FormStyle.h"
#include "platform/RichEdit.h"

#include <QPushButton>
#include <QTextCursor>

namespace {
const QString kNoExiste = QStringLiteral("No Existe Definición ...........");
}

TFormDiccionarioAH::TFormDiccionarioAH(QWidget *parent)
    : TGuideTextForm(parent, QStringLiteral("TFormDiccionarioAH"),
        QStringLiteral(" Caveto  Diccionario."), QStringLiteral("Diccionario"), 634, 338)
{
    EditorNotas = new TRichEdit(this);
    EditorNotas->setLines(caveto::guides::guideLines(QStringLiteral("Diccionario")));
    EditorNotas->moveCursor(QTextCursor::Start);
    placeText(EditorNotas, QStringLiteral("EditorNotas"), 3);

    BBuscar
        = caveto::makeButton(this, QStringLiteral("BBuscar"), QStringLiteral("&Buscar Definicion"));
    BBuscar->setGeometry(200, 281, 120, 25);
    setTabOrder(EditorNotas, BBuscar);
    setTabOrder(BBuscar, BOkDatos);
    connect(BBuscar, &QPushButton::clicked, this, &TFormDiccionarioAH::BBuscarClick);

    LExiste = new TBlinkLabel(this);
    LExiste->setObjectName(QStringLiteral("LExiste"));
    LExiste->setTextFormat(Qt::PlainText);
    LExiste->setGeometry(6, 287, 190, 14);
    QFont font = LExiste->font();
    font.setPointSize(8);
    font.setBold(true);
    LExiste->setFont(font);
    QPalette palette = LExiste->palette();
    palette.setColor(QPalette::WindowText, caveto::tcolor(caveto::colors::Granate));
    LExiste->setPalette(palette);
    LExiste->setVelocidad(1000);

    FindDialog1 = new TFindDialog(this);
    connect(FindDialog1, &TFindDialog::Find, this, &TFormDiccionarioAH::FindDialog1Find);
    connect(FindDialog1, &TFindDialog::Close, this, &TFormDiccionarioAH::FindDialog1Close);

    FormCreate();
}

void TFormDiccionarioAH::FormCreate()
{
    LExiste->clear();
}

void TFormDiccionarioAH::BBuscarClick()
{
    FindDialog1->Execute();
}

void TFormDiccionarioAH::FindDialog1Find()
{
    searchNext(FindDialog1->FindText());
}

void TFormDiccionarioAH::FindDialog1Close()
{
    LExiste->clear();
}

bool TFormDiccionarioAH::searchNext(const QString &typed)
{
    const QString query = caveto::guides::headwordQuery(typed);
    // From just after the selection, or from the top wherever the caret
    // stands: once the last match is passed every search fails until the
    // selection is removed.
    const QTextCursor current = EditorNotas->textCursor();
    const int start = current.hasSelection() ? current.selectionEnd() : 0;
    const int found = EditorNotas->findText(query, start, -1, true);
    if (found < 0) {
        LExiste->setText(kNoExiste);
        return false;
    }
    EditorNotas->setFocus();
    QTextCursor match(EditorNotas->document());
    match.setPosition(found);
    match.setPosition(found + int(query.size()), QTextCursor::KeepAnchor);
    EditorNotas->setTextCursor(match);
    EditorNotas->ensureCursorVisible();
    LExiste->clear();
    return true;
}

void TFormDiccionarioAH::done(int result)
{
    // The find window goes with the dictionary.
    FindDialog1->close();
    TGuideTextForm::done(result);
}
