#include "media/qtsoundoutput.h"

#include <QTemporaryDir>
#include <QTest>

using namespace solvaro;

namespace {

QStringList captured;

void capture(QtMsgType, const QMessageLogContext &, const QString &message)
{
    captured << message;
}

} // namespace

// The sound channel must never disturb a machine without sound: whatever it is
// asked, it says nothing. Each sound is stopped at once, so that a machine with
// sound stays quiet too.
class TestQtSoundOutput : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void soundsPlayWithoutAWord_data();
    void soundsPlayWithoutAWord();
};

void TestQtSoundOutput::init()
{
    captured.clear();
    qInstallMessageHandler(capture);
}

void TestQtSoundOutput::cleanup()
{
    qInstallMessageHandler(nullptr);
}

void TestQtSoundOutput::soundsPlayWithoutAWord_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("loop");
    QTest::addColumn<bool>("removedWhilePlaying");
    QTest::newRow("installation sound") << "SOL_WAV/ding.wav" << false << false;
    QTest::newRow("looped music") << "SOL_WAV/Musica.wav" << true << false;
    QTest::newRow("missing file") << "SOL_WAV/none.wav" << false << false;
    QTest::newRow("not a sound") << "SOL_INI/GLOBAL.INI" << false << false;
    QTest::newRow("built-in bell") << ":/sounds/bell.wav" << false << false;
    QTest::newRow("no file at all") << "" << false << false;
    QTest::newRow("sound removed while it plays") << "SOL_WAV/ding.wav" << false << true;
    QTest::newRow("music removed while it plays") << "SOL_WAV/Musica.wav" << true << true;
}

void TestQtSoundOutput::soundsPlayWithoutAWord()
{
    QFETCH(QString, file);
    QFETCH(bool, loop);
    QFETCH(bool, removedWhilePlaying);
    // The sample installation is only read.
    QString path = file.isEmpty() || file.startsWith(QLatin1Char(':'))
        ? file
        : QStringLiteral(SOLVARO_SAMPLE_DIR "/") + file;
    QTemporaryDir copies;
    if (removedWhilePlaying) {
        const QString copy = copies.filePath(QStringLiteral("sound.wav"));
        QVERIFY(QFile::copy(path, copy));
        path = copy;
    }
    QtSoundOutput sound;
    sound.play(path, loop);
    if (removedWhilePlaying) {
        QVERIFY(QFile::remove(path));
        QCoreApplication::processEvents();
    }
    sound.play(path, loop);
    sound.stop();
    sound.stop();
    QCoreApplication::processEvents();
    QCOMPARE(captured, QStringList());
}

QTEST_MAIN(TestQtSoundOutput)
#include "tst_qtsoundoutput.moc"
