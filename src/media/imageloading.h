#pragma once

#include "media/documentsfolder.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

namespace solvaro {

class Dialogs;

// Picture loading for the exercise player, without widgets: the caller puts the
// result into its picture element.

// Qt clears the whole canvas of an animated picture for every frame it shows:
// a canvas of many screens, which a GIF of a few bytes can declare, keeps the
// program busy for a fifth of a second a frame. A picture larger than a full
// screen is shown still, as its first frame.
inline constexpr qint64 largestMovingPicture = 1920LL * 1080;
inline bool canMove(QSize canvas)
{
    return qint64(canvas.width()) * canvas.height() <= largestMovingPicture;
}
// The canvas a GIF file declares in its header, which is what Qt clears; an
// invalid size for other files. Qt's own reader may tell the first frame's size.
QSize gifCanvasSize(QByteArrayView bytes);

// Any picture the program can read, as a bitmap; nothing when the file does not
// exist. A file that exists but does not read as a picture throws Error.
std::optional<QImage> LoadBitmapFile(const QString &path);

// True when the file's first two bytes are FF D8 and its last two FF D9 (the
// start and end markers of a whole JPEG). Otherwise, and when the file cannot be
// read, shows "JPG image format not supported" and returns false.
bool IsJpegFile(const QString &path, Dialogs &dialogs);

// How a photo fits into a picture element of a given height.
struct JpegFit {
    // The picture element's new width, Trunc(height x W/H) with the ratio
    // rounded to single precision, so that widths come out as existing
    // installations have them (a 1 x 3 photo at 300 high is 100 wide, not 99).
    int pictureWidth = 0;
    // The photo's size after shrinking, never enlarging, to fit the new width
    // and the height: 400 x 300 into 100 high gives 133 wide and 133 x 99.
    QSize bitmapSize;
};
JpegFit fitJpeg(QSize photo, int pictureHeight);

// A photo made ready for a picture element: its new width and its bitmap. The
// element shows the bitmap unstretched.
struct JpegPicture {
    int pictureWidth = 0;
    QImage bitmap;
};

// Reads a JPEG file for a picture element of the given height. Nothing when the
// file fails IsJpegFile, or, after the same message, when it does not decode.
std::optional<JpegPicture> LoadJpegIntoPicture(
    const QString &path, int pictureHeight, Dialogs &dialogs);

} // namespace solvaro
