// The pupil's progress file and the global settings file written over and over
// by a process that is killed at random moments: each file always holds the
// whole old or the whole new content, and whatever a killed write leaves in
// the folder never stands in for the file when the program starts again.
#include "player/progressfile.h"
#include "storage/inifile.h"
#include "support/testinstallation.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

#include <cstdio>

using namespace solvaro;
using namespace Qt::StringLiterals;

namespace {

const QString progressPath = u"SOL_TMP/SOLVARO_ANNA.INI"_s;
const QString globalPath = u"SOL_INI/GLOBAL.INI"_s;

// Two states of the work in turn, of different lengths, so that a torn file
// cannot pass for either.
void writeRound(const QString &folder, int round)
{
    const bool odd = round % 2;
    ExerciseProgress progress;
    progress.exerciseFileName = u"SOL_INI\\Tipo0.INI"_s;
    progress.currentStep = odd ? 2 : 1;
    progress.totalErrors = odd ? 3 : 0;
    progress.stepErrors = { odd ? 3 : 0, 0, 0, 0 };
    progress.answerLabels = { QString(odd ? 900 : 30, u'a'), std::nullopt, std::nullopt };
    progress.formulaFields = { { { 1, odd ? u"12"_s : u"7"_s, false } } };
    SAVETEMP(folder + progressPath, progress);

    IniFile global(folder + globalPath);
    global.writeString(u"COMMONAREA"_s, u"SHEET_0"_s, odd ? u"|CC|F"_s : u"|C|EE"_s);
    global.writeString(u"COMMONAREA"_s, u"W1"_s, QString(odd ? 3000 : 12, u'w'));
    global.updateFile();
}

// The child process: writes round after round until it is killed.
int writeForever(const QString &folder)
{
    std::printf("writing\n");
    std::fflush(stdout);
    for (int round = 1;; ++round)
        writeRound(folder, round);
}

} // namespace

class TestKilledWrites : public QObject
{
    Q_OBJECT

private slots:
    void killedWritesNeverTearAFile();
};

void TestKilledWrites::killedWritesNeverTearAFile()
{
    // The two contents each file may have, as whole writes leave them.
    TestInstallation model;
    model.copySample();
    writeRound(model.folder(), 0);
    const QByteArray evenProgress = model.readFile(progressPath);
    const QByteArray evenGlobal = model.readFile(globalPath);
    writeRound(model.folder(), 1);
    const QList<QByteArray> progressStates { evenProgress, model.readFile(progressPath) };
    const QList<QByteArray> globalStates { evenGlobal, model.readFile(globalPath) };

    TestInstallation installation;
    installation.copySample();
    writeRound(installation.folder(), 0);
    QRandomGenerator random(12);
    for (int kill = 0; kill < 200; ++kill) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
            { u"--write-forever"_s, installation.folder() });
        QVERIFY(child.waitForReadyRead(30000));
        QThread::usleep(random.bounded(8000));
        child.kill();
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        QVERIFY2(progressStates.contains(installation.readFile(progressPath)),
            qPrintable(u"progress file torn at kill %1"_s.arg(kill)));
        QVERIFY2(globalStates.contains(installation.readFile(globalPath)),
            qPrintable(u"GLOBAL.INI torn at kill %1"_s.arg(kill)));
    }

    // The next start reads the files themselves, whatever lies beside them,
    // and writes them whole.
    const IniFile progress(installation.path(progressPath));
    QVERIFY(progress.sectionExists(exerciseKey(0, 0)));
    writeRound(installation.folder(), 0);
    QCOMPARE(installation.readFile(progressPath), progressStates.at(0));
    QCOMPARE(installation.readFile(globalPath), globalStates.at(0));
}

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--write-forever") == 0)
        return writeForever(QString::fromLocal8Bit(argv[2]));
    TestKilledWrites test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_killedwrites.moc"
