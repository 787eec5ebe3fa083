#include "dialogs/closingscore.h"
#include "storage/datafolders.h"
#include "support/testinstallation.h"

#include <QTest>
#include <QtEndian>

using namespace solvaro;

namespace {

// A PCM WAV file with the plain 44-byte header and dataBytes of silence.
QByteArray wavFile(quint32 sampleRate, quint16 channels, quint16 bitsPerSample, quint32 dataBytes)
{
    const quint16 blockAlignment = quint16(channels * bitsPerSample / 8);
    QByteArray header;
    const auto word32 = [&header](quint32 value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        header.append(bytes, 4);
    };
    const auto word16 = [&header](quint16 value) {
        char bytes[2];
        qToLittleEndian(value, bytes);
        header.append(bytes, 2);
    };
    header.append("RIFF");
    word32(36 + dataBytes);
    header.append("WAVEfmt ");
    word32(16);
    word16(1);
    word16(channels);
    word32(sampleRate);
    word32(sampleRate * blockAlignment);
    word16(blockAlignment);
    word16(bitsPerSample);
    header.append("data");
    word32(dataBytes);
    return header + QByteArray(int(dataBytes), '\0');
}

} // namespace

class TestClosingScore : public QObject
{
    Q_OBJECT

private slots:
    void cockadesGoTenToARow_data();
    void cockadesGoTenToARow();
    void closeSoundWaitsItsWholeSecondsAndFiveMore_data();
    void closeSoundWaitsItsWholeSecondsAndFiveMore();
    void eventSoundPaths_data();
    void eventSoundPaths();
};

void TestClosingScore::cockadesGoTenToARow_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("first") << 0 << QPoint(80, 380);
    QTest::newRow("second") << 1 << QPoint(135, 380);
    QTest::newRow("tenth") << 9 << QPoint(575, 380);
    QTest::newRow("eleventh starts a new row") << 10 << QPoint(90, 390);
    QTest::newRow("twelfth") << 11 << QPoint(145, 390);
    QTest::newRow("third row") << 25 << QPoint(375, 400);
}

void TestClosingScore::cockadesGoTenToARow()
{
    QFETCH(int, k);
    QFETCH(QPoint, expected);
    QCOMPARE(cockadePosition(k), expected);
}

void TestClosingScore::closeSoundWaitsItsWholeSecondsAndFiveMore_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("expected");
    // 22050 Hz mono 16-bit: 44100 bytes a second; R is 36 + the data.
    QTest::newRow("three and a half seconds count three")
        << wavFile(22050, 1, 16, 154350) << 3 * 999 + 4995;
    QTest::newRow("exactly two seconds") << wavFile(22050, 1, 16, 88200 - 36) << 2 * 999 + 4995;
    QTest::newRow("empty sound") << wavFile(22050, 1, 16, 0) << 4995;
    // A rate above 65535 keeps its full value.
    QTest::newRow("96 kHz stereo") << wavFile(96000, 2, 16, 768000) << 2 * 999 + 4995;
    QTest::newRow("not a WAV file") << QByteArray(100, 'x') << 4995;
    QTest::newRow("a header without a byte rate") << wavFile(0, 1, 16, 1000) << 4995;
}

void TestClosingScore::closeSoundWaitsItsWholeSecondsAndFiveMore()
{
    QFETCH(QByteArray, content);
    QFETCH(int, expected);
    TestInstallation installation;
    installation.writeFile(QStringLiteral("SOL_WAV/close.wav"), content);
    QCOMPARE(
        closeSoundIntervalMs(installation.path(QStringLiteral("SOL_WAV/close.wav"))), expected);
}

void TestClosingScore::eventSoundPaths_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("expected");
    QTest::newRow("stored path") << QByteArray("[COMMONAREA]\r\nW7=SOL_WAV\\Bye.wav\r\n")
                                 << "SOL_WAV/Bye.wav";
    QTest::newRow("letter case of the folder")
        << QByteArray("[commonarea]\r\nw7=sol_wav\\Bye.wav\r\n") << "SOL_WAV/Bye.wav";
    QTest::newRow("empty value is the executable folder")
        << QByteArray("[COMMONAREA]\r\nW7=\r\n") << "";
    QTest::newRow("missing key is the executable folder")
        << QByteArray("[COMMONAREA]\r\nW6=SOL_WAV\\Bye.wav\r\n") << "";
    QTest::newRow("a path out of the installation is nothing")
        << QByteArray("[COMMONAREA]\r\nW7=..\\..\\etc\\passwd\r\n") << "<none>";
}

void TestClosingScore::eventSoundPaths()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, expected);
    TestInstallation installation;
    installation.writeFile(QStringLiteral("SOL_INI/GLOBAL.INI"), settings);
    installation.writeFile(QStringLiteral("SOL_WAV/Bye.wav"), QByteArray("x"));
    const DataFolders folders(installation.folder());
    const QString path = eventSoundPath(folders, 7);
    if (expected == QLatin1StringView("<none>"))
        QVERIFY(path.isEmpty());
    else
        QCOMPARE(path, installation.folder() + expected);
}

QTEST_APPLESS_MAIN(TestClosingScore)
#include "tst_closingscore.moc"
