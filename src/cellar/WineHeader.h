#pragma once
// The read-only header that names the wine a window works on: display
// panels (white on dark blue) under their labels, filled from the main
// window's fields. The delete confirmation, the tasting windows, the notes
// editor and the photo window each place it with their own panels.

#include "cellar/RecordLine.h"

#include <QFrame>

#include <initializer_list>

class QLabel;

namespace caveto {
class CellarRecord;
}

class TWineHeader : public QFrame
{
    Q_OBJECT

public:
    // One panel: the record field it shows, its label and where it stands
    // (x, width; every panel sits on one line under its label, `row` lines
    // down).
    struct Slot
    {
        caveto::Field field;
        const char *label;
        int x;
        int width;
        int row = 0;
    };
    static constexpr int kRowHeight = 36;

    TWineHeader(QWidget *parent, std::initializer_list<Slot> layout);

    // The panels, named after their fields ("PNombreVino", ...); nullptr for a
    // field this header does not show.
    QLabel *PNombreVino = nullptr, *PCosecha = nullptr, *PDenoOrigen = nullptr, *PVino = nullptr,
           *PTipoVino = nullptr;

    // Shows the fields' texts as the main window holds them.
    void showRecord(const caveto::CellarRecord &fields);

private:
    QList<QPair<caveto::Field, QLabel *>> m_panels;
};
