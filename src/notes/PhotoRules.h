#pragma once
// The rules of the bottle photo: how a picture fits the photo window's
// 200 x 200 box, which colour the main window's LED takes, and the mode word
// the window shows.

#include <QSize>
#include <QString>

namespace caveto::photo {

constexpr int kBoxSide = 200;

// How a picture of `trueSize` pixels is shown in the box: at its own size,
// centred, while both sides are at most the box's; otherwise stretched over
// the whole box, proportions not kept.
struct Fit
{
    bool stretched = false;
    QSize shown; // the size it is shown at ("Largo2" is the width, "Ancho2" the height)
};
Fit fitInBox(QSize trueSize, int boxSide = kBoxSide);

// The LED beside "&Ver Foto".
enum class Led { Off, Green, Red };
// When a record is shown: off without a path, green when the path names an
// existing file, red when it names a missing one.
Led ledForPath(const QString &path);
// After the photo window tried a file: green when it exists, red when not.
Led ledForFile(bool exists);

// "Alta", "Baja", "Modificación", "Consulta"; empty in the menu state.
QString modeWord(const QString &mode);

// The largest reduction (1, 2, 4 or 8) at which a JPEG of `trueSize` can be
// decoded and still fill `target` without enlarging; 1 when it fits already.
int jpegReduction(QSize trueSize, QSize target);

} // namespace caveto::photo
