#include "media/imageloading.h"

#include "base/dialogs.h"
#include "base/error.h"
#include "media/jpegdecoder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace solvaro {

namespace {

QString notSupported()
{
    return QCoreApplication::translate("Pictures", "JPG image format not supported");
}

bool hasJpegMarkers(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 2)
        return false;
    const QByteArray head = file.read(2);
    if (!file.seek(file.size() - 2))
        return false;
    const QByteArray tail = file.read(2);
    return head == QByteArrayLiteral("\xFF\xD8") && tail == QByteArrayLiteral("\xFF\xD9");
}

} // namespace

QSize gifCanvasSize(QByteArrayView bytes)
{
    if (bytes.size() < 10 || !bytes.startsWith("GIF8"))
        return QSize();
    return QSize(
        qFromLittleEndian<quint16>(bytes.data() + 6), qFromLittleEndian<quint16>(bytes.data() + 8));
}

std::optional<QImage> LoadBitmapFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        throw Error(QStringLiteral("Cannot read the picture %1: %2")
                        .arg(QDir::toNativeSeparators(path), reader.errorString()));
    return image;
}

bool IsJpegFile(const QString &path, Dialogs &dialogs)
{
    if (hasJpegMarkers(path))
        return true;
    dialogs.showMessage(notSupported());
    return false;
}

JpegFit fitJpeg(QSize photo, int pictureHeight)
{
    JpegFit fit;
    if (photo.isEmpty())
        return fit;
    const int height = std::max(pictureHeight, 0);
    const float ratio = float(photo.width()) / float(photo.height());
    // The product in extended precision is exact, so only the ratio rounds.
    fit.pictureWidth = int(std::trunc(static_cast<long double>(height) * ratio));

    double sx = 1.0;
    double sy = 1.0;
    if (fit.pictureWidth < photo.width())
        sx = double(fit.pictureWidth) / photo.width();
    if (height < photo.height())
        sy = double(height) / photo.height();
    const double scale = std::min(sx, sy);
    fit.bitmapSize
        = QSize(int(std::trunc(photo.width() * scale)), int(std::trunc(photo.height() * scale)));
    return fit;
}

std::optional<JpegPicture> LoadJpegIntoPicture(
    const QString &path, int pictureHeight, Dialogs &dialogs)
{
    if (!IsJpegFile(path, dialogs))
        return std::nullopt;
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const std::optional<QImage> photo = decodeJpeg(bytes);
    if (!photo) {
        // The markers were right but the picture is damaged: told as any other
        // picture that is not a JPEG, so the exercise still loads.
        dialogs.showMessage(notSupported());
        return std::nullopt;
    }
    const JpegFit fit = fitJpeg(photo->size(), pictureHeight);
    JpegPicture picture;
    picture.pictureWidth = fit.pictureWidth;
    picture.bitmap = fit.bitmapSize == photo->size()
        ? *photo
        : photo->scaled(fit.bitmapSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture;
}

} // namespace solvaro
