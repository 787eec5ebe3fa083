#include "media/wavfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace solvaro;

namespace {

QByteArray le16(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray chunk(const char *id, const QByteArray &body)
{
    QByteArray bytes = QByteArray(id, 4) + le32(quint32(body.size())) + body;
    if (body.size() % 2)
        bytes += '\0';
    return bytes;
}

// A format block of 16 bytes, or 18 with the extra-size word that compressed
// formats and some editors write.
QByteArray format(
    quint16 channels, quint32 rate, quint16 bits, bool extended = false, quint16 channelsField = 0)
{
    const quint16 align = quint16(channels * bits / 8);
    QByteArray body = le16(1) + le16(channelsField ? channelsField : channels) + le32(rate)
        + le32(rate * align) + le16(align) + le16(bits);
    if (extended)
        body += le16(0);
    return chunk("fmt ", body);
}

QByteArray riff(const QByteArray &chunks)
{
    return QByteArray("RIFF") + le32(quint32(4 + chunks.size())) + QByteArray("WAVE") + chunks;
}

QByteArray data(int bytes)
{
    return chunk("data", QByteArray(bytes, '\x80'));
}

QByteArray fact(quint32 samples)
{
    return chunk("fact", le32(samples));
}

QByteArray emptyChunks(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += chunk("JUNK", QByteArray());
    return bytes;
}

QByteArray list()
{
    return chunk("LIST", QByteArray("INFOISFT") + le32(13) + QByteArray("Sound editor\0", 13));
}

} // namespace

class TestWavFile : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void refuses_data();
    void refuses();
    void truncated_data();
    void truncated();
    void hostile_data();
    void hostile();
    void missingFile();
    void readForgetsTheLastFile();

private:
    QString write(const QByteArray &content);
    QTemporaryDir m_dir;
    int m_files = 0;
};

QString TestWavFile::write(const QByteArray &content)
{
    const QString path = m_dir.filePath(QStringLiteral("sound%1.wav").arg(++m_files));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write a test file");
    return path;
}

void TestWavFile::reads_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("sampleRate");
    QTest::addColumn<int>("bitsPerSample");
    QTest::addColumn<int>("sampleCount");
    QTest::addColumn<int>("headerSize");
    QTest::addColumn<double>("duration");

    QTest::newRow("8-bit mono, 88200 bytes at 44100 bytes a second")
        << riff(format(1, 44100, 8) + data(88200)) << 1 << 44100 << 8 << 0 << 44 << 2.0;
    QTest::newRow("16-bit stereo")
        << riff(format(2, 44100, 16) + data(88200)) << 2 << 44100 << 16 << 0 << 44 << 0.5;
    QTest::newRow("8-bit stereo") << riff(format(2, 11025, 8) + data(11025)) << 2 << 11025 << 8 << 0
                                  << 44 << 0.5;
    QTest::newRow("fact chunk decides within the sound data")
        << riff(format(1, 11025, 8, true) + fact(22050) + data(30000)) << 1 << 11025 << 8 << 22050
        << 58 << 2.0;
    QTest::newRow("fact chunk claiming more than the sound data holds")
        << riff(format(1, 11025, 8, true) + fact(0x7FFFFFFF) + data(11025)) << 1 << 11025 << 8
        << 0x7FFFFFFF << 58 << 1.0;
    QTest::newRow("LIST chunk before the data")
        << riff(format(2, 44100, 16) + list() + data(176400)) << 2 << 44100 << 16 << 0 << 78 << 1.0;
    QTest::newRow("LIST chunk and fact chunk")
        << riff(format(1, 22050, 16, true) + list() + fact(11025) + data(44100)) << 1 << 22050 << 16
        << 11025 << 92 << 0.5;
    QTest::newRow("LIST chunk of odd length with its pad byte")
        << riff(format(1, 8000, 8) + chunk("LIST", QByteArray("INFOabc")) + data(4000)) << 1 << 8000
        << 8 << 0 << 60 << 0.5;
    QTest::newRow("LIST chunk after the data")
        << riff(format(1, 8000, 8) + data(8000) + list()) << 1 << 8000 << 8 << 0 << 44 << 1.0;
    QTest::newRow("48000 Hz with a sample count")
        << riff(format(2, 48000, 16, true) + fact(9600) + data(40000)) << 2 << 48000 << 16 << 9600
        << 58 << 0.2;
    QTest::newRow("96000 Hz, rate cut in the header")
        << riff(format(1, 96000, 16) + data(96000)) << 1 << 30464 << 16 << 0 << 44 << 0.5;
    QTest::newRow("96000 Hz with a sample count lasts as long as it plays")
        << riff(format(1, 96000, 16, true) + fact(9600) + data(20000)) << 1 << 30464 << 16 << 9600
        << 58 << 0.1;
    QTest::newRow("no sound data")
        << riff(format(1, 8000, 8) + data(0)) << 1 << 8000 << 8 << 0 << 44 << 0.0;
    QTest::newRow("no data chunk")
        << riff(format(1, 8000, 8) + list()) << 1 << 8000 << 8 << 0 << 56 << 0.0;
    QTest::newRow("fact chunk with a zero count uses the data")
        << riff(format(1, 8000, 8, true) + fact(0) + data(16000)) << 1 << 8000 << 8 << 0 << 58
        << 2.0;
    QTest::newRow("negative sample count means no duration")
        << riff(format(1, 8000, 8, true) + fact(0x80000000u) + data(16000)) << 1 << 8000 << 8
        << int(0x80000000u) << 58 << 0.0;
}

void TestWavFile::reads()
{
    QFETCH(QByteArray, file);
    QFETCH(int, channels);
    QFETCH(int, sampleRate);
    QFETCH(int, bitsPerSample);
    QFETCH(int, sampleCount);
    QFETCH(int, headerSize);
    QFETCH(double, duration);

    TWAVfile wav;
    QVERIFY(wav.ReadFromFile(write(file)));
    QVERIFY(wav.valid());
    QCOMPARE(wav.formatTag(), quint16(1));
    QCOMPARE(int(wav.channels()), channels);
    QCOMPARE(int(wav.sampleRate()), sampleRate);
    QCOMPARE(int(wav.bitsPerSample()), bitsPerSample);
    QCOMPARE(int(wav.blockAlignment()), channels * bitsPerSample / 8);
    QCOMPARE(wav.sampleCount(), qint32(sampleCount));
    QCOMPARE(int(wav.headerSize()), headerSize);
    QCOMPARE(wav.fileSize(), quint32(file.size()));
    QCOMPARE(wav.Duration(), duration);
}

void TestWavFile::refuses_data()
{
    QTest::addColumn<QByteArray>("file");

    const QByteArray good = riff(format(1, 8000, 8) + data(8000));
    QTest::newRow("four channels") << riff(format(4, 8000, 8) + data(8000));
    QTest::newRow("three channels") << riff(format(3, 8000, 8) + data(8000));
    QTest::newRow("channel count of 65280") << riff(format(1, 8000, 8, false, 0xFF00) + data(8000));
    QTest::newRow("channel count with a high byte")
        << riff(format(1, 8000, 8, false, 0x0101) + data(8000));
    QTest::newRow("not RIFF") << QByteArray("RIFX") + good.mid(4);
    QTest::newRow("not WAVE") << good.left(8) + QByteArray("AVI ") + good.mid(12);
    QTest::newRow("no format block first") << riff(list() + format(1, 8000, 8) + data(8000));
    QTest::newRow("text file") << QByteArray(64, 'x');
}

void TestWavFile::refuses()
{
    QFETCH(QByteArray, file);

    TWAVfile wav;
    QVERIFY(wav.ReadFromFile(write(file)));
    QVERIFY(!wav.valid());
    QCOMPARE(wav.channels(), quint8(0));
    QCOMPARE(wav.sampleRate(), quint16(0));
    QCOMPARE(wav.bytesPerSecond(), quint32(0));
    QCOMPARE(wav.fileSize(), quint32(0));
    QCOMPARE(wav.Duration(), 0.0);
}

void TestWavFile::truncated_data()
{
    QTest::addColumn<QByteArray>("file");

    const QByteArray plain = riff(format(2, 44100, 16) + data(1000));
    const QByteArray withFact = riff(format(1, 11025, 8, true) + fact(22050) + data(1000));
    for (int length = 0; length <= 44; ++length) {
        QTest::addRow("plain, %d bytes", length) << plain.left(length);
        QTest::addRow("with fact, %d bytes", length) << withFact.left(length);
    }
}

// A cut file never reads past its end: below 40 bytes the read fails; from 40 on
// the header is valid but neither a sample count nor any sound data is there.
void TestWavFile::truncated()
{
    QFETCH(QByteArray, file);

    TWAVfile wav;
    const bool read = wav.ReadFromFile(write(file));
    QCOMPARE(read, file.size() >= 40);
    QCOMPARE(wav.valid(), file.size() >= 40);
    QCOMPARE(wav.sampleCount(), 0);
    QCOMPARE(wav.dataSize(), quint32(0));
    QCOMPARE(wav.Duration(), 0.0);
}

void TestWavFile::hostile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<double>("duration");

    QTest::newRow("data longer than the file is cut to it") << riff(format(1, 8000, 8))
            + QByteArray("data") + le32(0xFFFFFFFFu)
            + QByteArray(4000, '\0') << 0.5;
    QTest::newRow("format block too long for the file") << QByteArray("RIFF") + le32(100)
            + QByteArray("WAVE") + QByteArray("fmt ") + le32(0xFFFFFFF0u)
            + format(1, 8000, 8).mid(8) + data(8000) << 0.0;
    QTest::newRow("RIFF size wraps")
        << QByteArray("RIFF") + le32(0xFFFFFFFFu) + riff(format(1, 8000, 8) + data(8000)).mid(8)
        << 1.0;
    QTest::newRow("fact chunk too short for a count")
        << riff(format(1, 8000, 8) + chunk("fact", QByteArray("\1\2", 2)) + data(8000)) << 1.0;
    QTest::newRow("fact chunk cut by the end of the file")
        << riff(format(1, 8000, 8)) + QByteArray("fact") + le32(4) + QByteArray("\1\2", 2) << 0.0;
    QTest::newRow("a hundred empty chunks")
        << riff(format(1, 8000, 8) + emptyChunks(100) + data(8000)) << 1.0;
    QTest::newRow("more chunks than any sound has")
        << riff(format(1, 8000, 8) + emptyChunks(5000) + data(8000)) << 0.0;
}

void TestWavFile::hostile()
{
    QFETCH(QByteArray, file);
    QFETCH(double, duration);

    TWAVfile wav;
    QVERIFY(wav.ReadFromFile(write(file)));
    QVERIFY(wav.valid());
    QVERIFY(qint64(wav.dataSize()) <= file.size());
    QVERIFY(wav.headerSize() <= wav.fileSize());
    QCOMPARE(wav.Duration(), duration);
}

void TestWavFile::missingFile()
{
    TWAVfile wav;
    QVERIFY(!wav.ReadFromFile(m_dir.filePath(QStringLiteral("missing.wav"))));
    QVERIFY(!wav.valid());
    QCOMPARE(wav.Duration(), 0.0);
}

void TestWavFile::readForgetsTheLastFile()
{
    TWAVfile wav;
    QVERIFY(wav.ReadFromFile(write(riff(format(1, 11025, 8, true) + fact(22050) + data(22050)))));
    QCOMPARE(wav.Duration(), 2.0);

    QVERIFY(!wav.ReadFromFile(write(QByteArray("RIFF"))));
    QVERIFY(!wav.valid());
    QCOMPARE(wav.sampleCount(), 0);
    QCOMPARE(wav.formatTag(), quint16(0));
    QCOMPARE(wav.headerSize(), quint16(0));
    QCOMPARE(wav.Duration(), 0.0);

    QVERIFY(wav.ReadFromFile(write(riff(format(4, 8000, 8) + data(10)))));
    QVERIFY(!wav.valid());
    QCOMPARE(wav.bitsPerSample(), quint8(0));
}

QTEST_APPLESS_MAIN(TestWavFile)
#include "tst_wavfile.moc"
