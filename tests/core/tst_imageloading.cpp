#include "base/error.h"
#include "media/imageloading.h"
#include "media/jpegdecoder.h"
#include "support/scripteddialogs.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// jpeglib.h needs size_t and FILE declared before it.
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

using namespace solvaro;

namespace {

const QString notSupported = QStringLiteral("JPG image format not supported");

QImage filled(QSize size, QColor colour, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(size, format);
    image.fill(colour);
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, 95))
        qFatal("cannot encode a test picture");
    return bytes;
}

QByteArray jpeg(QSize size, QColor colour = Qt::red)
{
    return encoded(filled(size, colour), "JPG");
}

// A CMYK JPEG as prepress software writes it, with the Adobe marker and inverted
// values. Qt writes no CMYK, so libjpeg encodes it here.
QByteArray cmykJpeg(QSize size, const uchar inverted[4])
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char *memory = nullptr;
    unsigned long length = 0;
    jpeg_mem_dest(&info, &memory, &length);
    info.image_width = JDIMENSION(size.width());
    info.image_height = JDIMENSION(size.height());
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, JCS_CMYK);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    QByteArray line;
    for (int x = 0; x < size.width(); ++x)
        line.append(reinterpret_cast<const char *>(inverted), 4);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(line.data());
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray bytes(reinterpret_cast<const char *>(memory), qsizetype(length));
    std::free(memory);
    return bytes;
}

bool near(QColor actual, QColor expected)
{
    return std::abs(actual.red() - expected.red()) <= 8
        && std::abs(actual.green() - expected.green()) <= 8
        && std::abs(actual.blue() - expected.blue()) <= 8;
}

// The picture's size in its start-of-frame header replaced.
QByteArray withDeclaredSize(QByteArray bytes, quint16 width, quint16 height)
{
    const qsizetype frame = bytes.indexOf(QByteArrayLiteral("\xFF\xC0"));
    if (frame < 0)
        qFatal("no baseline frame header");
    bytes[frame + 5] = char(height >> 8);
    bytes[frame + 6] = char(height & 0xFF);
    bytes[frame + 7] = char(width >> 8);
    bytes[frame + 8] = char(width & 0xFF);
    return bytes;
}

} // namespace

class TestImageLoading : public QObject
{
    Q_OBJECT

private slots:
    void isJpeg_data();
    void isJpeg();
    void isJpegOnMissingFile();
    void fit_data();
    void fit();
    void loadsJpegIntoPicture_data();
    void loadsJpegIntoPicture();
    void refusesDamagedJpeg_data();
    void refusesDamagedJpeg();
    void decodesColourSpaces();
    void refusesHugePicture();
    void loadsBitmap_data();
    void loadsBitmap();
    void bitmapOfMissingFile();
    void unreadableBitmapThrows();
    void documentsFolder();
    void documentsFolderMissing();
    void systemDocumentsFolderFallsBackToHome();

private:
    QString write(const QByteArray &content, const QString &suffix = QStringLiteral("jpg"));
    QTemporaryDir m_dir;
    int m_files = 0;
};

QString TestImageLoading::write(const QByteArray &content, const QString &suffix)
{
    const QString path = m_dir.filePath(QStringLiteral("picture%1.%2").arg(++m_files).arg(suffix));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write a test file");
    return path;
}

void TestImageLoading::isJpeg_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("the two markers only") << QByteArray("\xFF\xD8\xFF\xD9", 4) << true;
    QTest::newRow("a real photo") << jpeg(QSize(40, 30)) << true;
    QTest::newRow("trailing bytes after the end marker")
        << jpeg(QSize(40, 30)) + QByteArray(2, '\0') << false;
    QTest::newRow("no end marker") << jpeg(QSize(40, 30)).chopped(2) << false;
    QTest::newRow("no start marker") << QByteArray("\x00\xD8\xFF\xD9", 4) << false;
    QTest::newRow("end marker first") << QByteArray("\xFF\xD9\xFF\xD8", 4) << false;
    QTest::newRow("start marker only") << QByteArray("\xFF\xD8", 2) << false;
    QTest::newRow("markers overlapping") << QByteArray("\xFF\xD8\xD9", 3) << false;
    QTest::newRow("one byte") << QByteArray("\xFF", 1) << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("a PNG") << encoded(filled(QSize(4, 4), Qt::blue), "PNG") << false;
}

void TestImageLoading::isJpeg()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, accepted);

    ScriptedDialogs dialogs;
    QCOMPARE(IsJpegFile(write(bytes), dialogs), accepted);
    QCOMPARE(dialogs.messages, accepted ? QStringList() : QStringList { notSupported });
}

void TestImageLoading::isJpegOnMissingFile()
{
    ScriptedDialogs dialogs;
    QVERIFY(!IsJpegFile(m_dir.filePath(QStringLiteral("missing.jpg")), dialogs));
    QCOMPARE(dialogs.messages, QStringList { notSupported });
}

void TestImageLoading::fit_data()
{
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<int>("pictureHeight");
    QTest::addColumn<int>("pictureWidth");
    QTest::addColumn<QSize>("bitmap");

    QTest::newRow("400x300 into 100") << QSize(400, 300) << 100 << 133 << QSize(133, 99);
    QTest::newRow("640x480 into 120") << QSize(640, 480) << 120 << 160 << QSize(160, 120);
    QTest::newRow("50x40 into 100, never enlarged") << QSize(50, 40) << 100 << 125 << QSize(50, 40);
    // In double precision 300 x 1/3 truncates to 99.
    QTest::newRow("ratio in single precision") << QSize(1, 3) << 300 << 100 << QSize(1, 3);
    QTest::newRow("portrait shrunk by its height")
        << QSize(300, 600) << 200 << 100 << QSize(100, 200);
    QTest::newRow("same height") << QSize(320, 240) << 240 << 320 << QSize(320, 240);
    QTest::newRow("no height") << QSize(400, 300) << 0 << 0 << QSize(0, 0);
    QTest::newRow("negative height") << QSize(400, 300) << -5 << 0 << QSize(0, 0);
    QTest::newRow("empty photo") << QSize(0, 0) << 100 << 0 << QSize();
}

void TestImageLoading::fit()
{
    QFETCH(QSize, photo);
    QFETCH(int, pictureHeight);
    QFETCH(int, pictureWidth);
    QFETCH(QSize, bitmap);

    const JpegFit result = fitJpeg(photo, pictureHeight);
    QCOMPARE(result.pictureWidth, pictureWidth);
    QCOMPARE(result.bitmapSize, bitmap);
}

void TestImageLoading::loadsJpegIntoPicture_data()
{
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<int>("pictureHeight");
    QTest::addColumn<int>("pictureWidth");
    QTest::addColumn<QSize>("bitmap");

    QTest::newRow("400x300 into 100") << QSize(400, 300) << 100 << 133 << QSize(133, 99);
    QTest::newRow("640x480 into 120") << QSize(640, 480) << 120 << 160 << QSize(160, 120);
    QTest::newRow("50x40 into 100") << QSize(50, 40) << 100 << 125 << QSize(50, 40);
}

void TestImageLoading::loadsJpegIntoPicture()
{
    QFETCH(QSize, photo);
    QFETCH(int, pictureHeight);
    QFETCH(int, pictureWidth);
    QFETCH(QSize, bitmap);

    ScriptedDialogs dialogs;
    const auto picture = LoadJpegIntoPicture(write(jpeg(photo, Qt::red)), pictureHeight, dialogs);
    QVERIFY(picture.has_value());
    QCOMPARE(picture->pictureWidth, pictureWidth);
    QCOMPARE(picture->bitmap.size(), bitmap);
    QVERIFY(near(picture->bitmap.pixelColor(bitmap.width() / 2, bitmap.height() / 2), Qt::red));
    QVERIFY(dialogs.messages.isEmpty());
}

void TestImageLoading::refusesDamagedJpeg_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray photo = jpeg(QSize(64, 48), Qt::green);
    QByteArray garbledHeaders = photo;
    for (qsizetype i = 2; i < 300; ++i)
        garbledHeaders[i] = '\x55';

    QTest::newRow("garbage between the markers")
        << QByteArray("\xFF\xD8", 2) + QByteArray(500, '\x37') + QByteArray("\xFF\xD9", 2);
    QTest::newRow("headers garbled") << garbledHeaders;
    QTest::newRow("cut in the middle, end marker kept")
        << photo.left(photo.size() / 2) + QByteArray("\xFF\xD9", 2);
    QTest::newRow("cut after the headers, end marker kept")
        << photo.left(photo.indexOf(QByteArrayLiteral("\xFF\xDA")) + 20)
            + QByteArray("\xFF\xD9", 2);
    QTest::newRow("the two markers only") << QByteArray("\xFF\xD8\xFF\xD9", 4);
}

// A picture that passes the marker test but does not decode is told like one that
// fails it, and nothing else happens.
void TestImageLoading::refusesDamagedJpeg()
{
    QFETCH(QByteArray, bytes);

    ScriptedDialogs dialogs;
    const QString path = write(bytes);
    QVERIFY(!LoadJpegIntoPicture(path, 100, dialogs).has_value());
    QCOMPARE(dialogs.messages, QStringList { notSupported });
    QVERIFY(!decodeJpeg(bytes).has_value());
    // Cut short without an end marker too.
    QVERIFY(!decodeJpeg(bytes.chopped(2)).has_value());
}

void TestImageLoading::decodesColourSpaces()
{
    const auto colour = decodeJpeg(jpeg(QSize(17, 9), QColor(30, 90, 200)));
    QVERIFY(colour.has_value());
    QCOMPARE(colour->size(), QSize(17, 9));
    QVERIFY(near(colour->pixelColor(8, 4), QColor(30, 90, 200)));

    const auto grey = decodeJpeg(
        encoded(filled(QSize(8, 8), QColor(128, 128, 128), QImage::Format_Grayscale8), "JPG"));
    QVERIFY(grey.has_value());
    QVERIFY(near(grey->pixelColor(3, 3), QColor(128, 128, 128)));

    const uchar red[4] = { 255, 0, 0, 255 };
    const auto cmyk = decodeJpeg(cmykJpeg(QSize(16, 16), red));
    QVERIFY(cmyk.has_value());
    QCOMPARE(cmyk->size(), QSize(16, 16));
    QVERIFY2(near(cmyk->pixelColor(8, 8), Qt::red), qPrintable(cmyk->pixelColor(8, 8).name()));
}

void TestImageLoading::refusesHugePicture()
{
    const QByteArray huge = withDeclaredSize(jpeg(QSize(16, 16)), 65000, 65000);
    QVERIFY(!decodeJpeg(huge).has_value());
}

void TestImageLoading::loadsBitmap_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("bitmap") << "BMP"
                            << "bmp";
    QTest::newRow("PNG") << "PNG"
                         << "png";
    QTest::newRow("bitmap named as something else") << "BMP"
                                                    << "pic";
}

void TestImageLoading::loadsBitmap()
{
    QFETCH(QString, format);
    QFETCH(QString, suffix);

    const QString path = write(
        encoded(filled(QSize(33, 21), QColor(10, 200, 30)), format.toLatin1().constData()), suffix);
    const auto bitmap = LoadBitmapFile(path);
    QVERIFY(bitmap.has_value());
    QCOMPARE(bitmap->size(), QSize(33, 21));
    QCOMPARE(bitmap->pixelColor(5, 5), QColor(10, 200, 30));
}

void TestImageLoading::bitmapOfMissingFile()
{
    QVERIFY(!LoadBitmapFile(m_dir.filePath(QStringLiteral("missing.bmp"))).has_value());
    QVERIFY(!LoadBitmapFile(m_dir.path()).has_value());
}

void TestImageLoading::unreadableBitmapThrows()
{
    const QString path = write(QByteArray("BM this is no bitmap"), QStringLiteral("bmp"));
    try {
        LoadBitmapFile(path);
        QFAIL("no error raised");
    } catch (const Error &error) {
        QVERIFY2(
            error.message().contains(QDir::toNativeSeparators(path)), qPrintable(error.message()));
    }
}

void TestImageLoading::documentsFolder()
{
    QCOMPARE(MyDocumentsFolder([] { return QStringLiteral("/home/maestra/Documenti"); }),
        QStringLiteral("/home/maestra/Documenti"));
}

void TestImageLoading::documentsFolderMissing()
{
    for (const DocumentsFolderLookup &lookup :
        { DocumentsFolderLookup([] { return QString(); }), DocumentsFolderLookup() }) {
        try {
            MyDocumentsFolder(lookup);
            QFAIL("no error raised");
        } catch (const Error &error) {
            QCOMPARE(
                error.message(), QStringLiteral("Could not find MyDocuments folder location."));
        }
    }
}

void TestImageLoading::systemDocumentsFolderFallsBackToHome()
{
    const QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath(QStringLiteral("config")).toLocal8Bit());
    const QString documents = QDir(home.path()).filePath(QStringLiteral("Documents"));

    QCOMPARE(systemDocumentsFolder(), home.path());
    QVERIFY(!QFileInfo::exists(documents));
    QVERIFY(QDir().mkdir(documents));
    QCOMPARE(systemDocumentsFolder(), documents);
}

QTEST_GUILESS_MAIN(TestImageLoading)
#include "tst_imageloading.moc"
