#pragma once
// The search window: finds the wines that match the criteria, shows how many
// were found, their bottles and their value, and hands the record the user
// double-clicks back to the cellar book (`ClaveElegida`). Its criteria and
// selected row are kept in the cellar book's `UltimaBusqueda` between
// openings.

#include "search/CriteriaForm.h"

class QLabel;
class QListView;
class QModelIndex;
class QStringListModel;
class TGIFImage;

class TFormBuscar : public TCriteriaForm
{
    Q_OBJECT

public:
    static constexpr int kClientWidth = 762;
    static constexpr int kClientHeight = 316;

    explicit TFormBuscar(TFormCavetoPas *main, QWidget *parent = nullptr);

    QLabel *PBusqueda = nullptr;
    QLabel *LOpcion = nullptr;
    QLabel *PAviso = nullptr;
    QWidget *PVerde = nullptr, *PNaranja = nullptr;
    TGIFImage *GIFImage1 = nullptr; // orange light
    TGIFImage *GIFImage2 = nullptr; // green light
    QLabel *PNombre = nullptr, *PCosecha = nullptr, *PDeno = nullptr, *PVino = nullptr,
           *PTipo = nullptr, *PEstante = nullptr, *PBotella = nullptr;
    QListView *ListBuscar = nullptr;
    QPushButton *BSalirBuscar = nullptr;

    // The rows of the result list, and the selected row (-1 for none).
    QStringList rows() const;
    int selectedRow() const;
    void selectRow(int row);

    void BBuscarClick();
    void BBorrarClick();
    void ListBuscarDblClick(const QModelIndex &index);
    void BSalirBuscarClick();

    // Closing by any means stores the criteria once.
    void done(int result) override;

protected:
    void FormActivate() override;

private:
    void FormClose();
    void restoreLastSearch();

    QStringListModel *m_rows = nullptr;
    bool m_closed = false;
};
