#pragma once
// The 56 appellations of the reference guides, in the order their lists show
// them: name, picture, and where the map's marker sits. The guide, the
// vintage chart and the map all read this one table; nothing else types these
// values.

#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>

namespace caveto {

struct Appellation
{
    const char *name; // UTF-8, exactly as the lists show it
    const char *key; // picture resource: :/guides/pictures/<key>.png
    const char *pictureControl; // objectName of the guide's picture control
    int pictureTop; // top of the shown picture in the guide
    QPoint marker; // left and top of the map's LED, client coordinates
};

inline constexpr int kAppellationCount = 56;

// The map picture sits at (3, 3) in the map window and is 526 x 428; the LED
// is 22 x 16 and its centre marks the place.
inline constexpr QPoint kMapPictureOrigin(3, 3);
inline constexpr int kMapWidth = 526;
inline constexpr int kMapHeight = 428;
inline constexpr QPoint kMarkerCentre(11, 8);

const std::array<Appellation, kAppellationCount> &appellations();

// Index in the list of the name, compared exactly, or -1.
int appellationIndex(const QString &name);
QString appellationName(int index);
// The 56 names in list order.
const QStringList &appellationNames();
// Resource path of the appellation's picture.
QString appellationPicturePath(int index);
// The marker's centre in map-picture pixels.
QPoint markerCentreOnMap(int index);

} // namespace caveto
