// Sounds and pictures as they come from another school's installation: the
// WAV header that times the feedback and the closing screen, JPEG photos for
// the exercise picture, and every other picture the program loads through Qt,
// animated GIFs frame by frame as the moving pictures play them.
#include "fuzztargets.h"
#include "yesdialogs.h"

#include "base/error.h"
#include "dialogs/closingscore.h"
#include "media/imageloading.h"
#include "media/jpegdecoder.h"
#include "media/wavfile.h"
#include "player/feedbackmedia.h"

#include <QBuffer>
#include <QImageReader>
#include <QMovie>

#include <cmath>

namespace solvaro::fuzz {

void wavFile(const QByteArray &input)
{
    const QString path = inputFile(input, QStringLiteral("SOUND.WAV"));
    TWAVfile wav;
    const bool read = wav.ReadFromFile(path);
    expect(read == (input.size() >= 40), "a file of the fixed header's length is read");
    if (wav.valid()) {
        expect(qint64(wav.dataSize()) <= input.size(), "the sound data lies within the file");
        expect(wav.headerSize() <= wav.fileSize(), "the header lies within the declared file");
    }
    const double seconds = wav.Duration();
    expect(std::isfinite(seconds) && seconds >= 0, "a sound lasts a time");
    SoundStart start;
    start.played = true;
    start.seconds = seconds;
    expect(soundTicksAfter(0, start) >= 0, "the feedback waits a time");
    expect(closeSoundIntervalMs(path) > 0, "the closing screen waits a time");
}

void jpeg(const QByteArray &input)
{
    const std::optional<QImage> decoded = decodeJpeg(input);
    if (decoded)
        expect(!decoded->isNull(), "a decoded photo has pixels");
    const QString path = inputFile(input, QStringLiteral("PHOTO.JPG"));
    YesDialogs dialogs;
    const std::optional<JpegPicture> picture = LoadJpegIntoPicture(path, 97, dialogs);
    expect(picture.has_value() == (dialogs.messages == 0), "a photo that does not load is told");
    if (picture)
        expect(picture->bitmap.height() <= 97, "a photo fits its picture element");
}

void picture(const QByteArray &input)
{
    // Qt refuses a picture whose pixels would pass its allocation limit. A
    // lower limit keeps that refusal on the road while sparing the clearing
    // of a quarter of a gigabyte for every 50-byte input that declares a
    // huge canvas, which was most of this fuzzer's time.
    static const bool limited = (QImageReader::setAllocationLimit(16), true);
    Q_UNUSED(limited);
    const QString path = inputFile(input, QStringLiteral("PICTURE"));
    try {
        const std::optional<QImage> bitmap = LoadBitmapFile(path);
        expect(bitmap && !bitmap->isNull(), "a bitmap that reads has pixels");
    } catch (const Error &) {
    }

    // What a moving picture does: its size first, then frame after frame,
    // round again from the first.
    QImageReader reader(path);
    if (!reader.canRead() || !canMove(reader.size()) || !canMove(gifCanvasSize(input)))
        return;
    QMovie movie(path);
    movie.setCacheMode(QMovie::CacheNone);
    if (!movie.jumpToFrame(0))
        return;
    for (int frame = 0; frame < 16 && movie.jumpToNextFrame(); ++frame)
        movie.currentImage();
    movie.jumpToFrame(0);
    movie.currentImage();
}

} // namespace solvaro::fuzz
