#pragma once
// What the search window and the listing window have in common: the row of
// criteria (vintage, appellation, wine, type, shelf, and the bottle count
// with its comparison), the counters copied from the cellar book, the run
// button, the three totals, the clear button and the progress panel, with
// the handlers that belong to them. Each window adds its own result view.

#include "search/Criteria.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QWidget;
class TFormCavetoPas;
class TNumEdit;

class TCriteriaForm : public QDialog
{
    Q_OBJECT

public:
    QComboBox *CCosecha = nullptr, *CDenominacion = nullptr, *CVino = nullptr, *CTipo = nullptr,
              *CEstante = nullptr;
    QComboBox *CSigno = nullptr;
    TNumEdit *Botellas_Pan = nullptr;
    QLabel *LContDenominacion = nullptr, *LContVino = nullptr, *LContTipo = nullptr,
           *LContEstante = nullptr;
    QPushButton *BBuscar = nullptr;
    QPushButton *BBorrar = nullptr;
    QLineEdit *ETotalReg = nullptr, *EBotellas = nullptr, *EValorBodega = nullptr;
    QWidget *PBarraProgreso = nullptr;
    QProgressBar *BarraProgreso = nullptr;
    QLabel *Lproceso = nullptr;

    // Fills the five criteria lists: the vintages from the data-file image,
    // the other four from the cellar book's value lists. Filling a list
    // empties its text.
    void LlenaCriterios();

    // Criterion highlighting: a criterion holding text asks for attention.
    void CCosechaChange();
    void CDenominacionChange();
    void CVinoChange();
    void CTipoChange();
    void CEstanteChange();
    void CSignoChange();
    void Botellas_PanChange();

    // The five text criteria, in the order the filter takes them.
    std::array<QComboBox *, 5> textCriteria() const
    {
        return { CCosecha, CDenominacion, CVino, CTipo, CEstante };
    }

protected:
    TCriteriaForm(TFormCavetoPas *main, QWidget *parent, const QString &caption, int clientWidth,
        int clientHeight, const QString &runCaption);

    // The criteria as the controls hold them now.
    caveto::SearchCriteria criteria() const;
    std::array<QString, 5> criteriaTexts() const;

    // Every criterion control coloured by its text, and the counters copied
    // from the cellar book: what both windows do when they open.
    void colourAllCriteria();
    void copyCounters();

    // The totals back to "0" before a run or after a clear.
    void resetTotals();
    // Walks the data-file image with the criteria, the progress bar moving
    // and the bottle and value totals shown as they grow; `found` gets the
    // lines that pass. The record count is shown at the end.
    caveto::SearchTotals runFilter(const std::function<void(QStringView line)> &found);
    // The bottle criterion left empty counts as "0".
    void fillEmptyBottleCount();
    // The part of "Borra Campos" both windows share: totals, bottle count,
    // comparison and the five text criteria.
    void clearCriteria();

    // The progress panel.
    void beginProgress(const QString &caption, qsizetype maximum);
    void stepProgress(qsizetype done);
    void endProgress();

    void paintCriterion(QWidget *control, const QString &text);

    // What the window does when it opens; run once, when it first shows.
    virtual void FormActivate() = 0;
    void showEvent(QShowEvent *event) override;

    TFormCavetoPas *m_main;

private:
    QComboBox *makeCriterion(const QString &name, const QString &label, int maxLength, int x,
        int width, QLabel **counter = nullptr);
    QLineEdit *makeTotal(const QString &name, const QString &label, int x, int width, int bgr);
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showRunningTotals(const caveto::SearchTotals &totals);
    void fillList(QComboBox *list, const QStringList &items);

    int m_progressStep = 1;
    bool m_activated = false;
};
