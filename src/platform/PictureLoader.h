#pragma once
// The picture loader: bottle photos and any other picture the user picks.
// JPEG goes through libjpeg, decoded at 1/2, 1/4 or 1/8 of its size when the
// picture is only shown small, and turned upright by its EXIF orientation as
// phones write it; bitmaps, icons, PNG, GIF, WebP and TIFF go through Qt's
// image readers. The decoder is chosen by the file's first bytes, so a photo
// whose extension does not match its content still loads.
//
// A file that cannot be shown gives a Spanish message for the user, never an
// empty picture without a word.

#include <QImage>
#include <QSize>
#include <QString>

namespace caveto {

struct Picture
{
    QImage image; // upright; reduced when a smaller one fills the target
    QSize size; // the picture's own size in pixels, upright
};

// Loads `path`. When `target` is not empty and the picture is larger, the
// image may come back reduced, but never below `target` in either side.
// False with the message in `error`.
bool loadPicture(const QString &path, QSize target, Picture *picture, QString *error);

} // namespace caveto
