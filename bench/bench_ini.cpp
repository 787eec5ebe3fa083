// Loading one sheet's scheme and one exercise the way the player does: one
// parse per file, then every key from memory. The baseline opens, reads and
// parses the whole file again for every key, as per-key profile functions do.
#include "storage/globalsettings.h"
#include "storage/inifile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

using namespace solvaro;

namespace {

constexpr int sheetCount = 100;
constexpr int schemeSteps = 40;
constexpr int patternsPerSheet = 30;
constexpr int exerciseCount = 100;
constexpr int keysPerExercise = 60;
constexpr int chosenSheet = 57;
constexpr int chosenExercise = 63;

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray globalSettingsContent()
{
    QByteArray text = "[COMMONAREA]\r\n";
    for (int n = 0; n < sheetCount; ++n) {
        text += "INI_FILE" + QByteArray::number(n) + "=SOL_INI\\Tipo" + QByteArray::number(n)
            + ".INI\r\n";
        text += "MAX" + QByteArray::number(n) + "=" + QByteArray::number(exerciseCount) + "\r\n";
    }
    for (int n = 0; n < sheetCount; ++n) {
        QByteArray scheme;
        for (int step = 0; step < schemeSteps; ++step)
            scheme += "|QFE"[step % 4];
        text += "SHEET_" + QByteArray::number(n) + "=" + scheme + "\r\n";
        for (int m = 0; m < patternsPerSheet; ++m) {
            text += "SHEET_" + QByteArray::number(n) + "_EXP_" + QByteArray::number(m) + "=A"
                + QByteArray::number(m) + "+B" + QByteArray::number(n) + "=C\r\n";
        }
    }
    for (int w = 1; w <= 7; ++w)
        text
            += "W" + QByteArray::number(w) + "=SOL_WAV\\sound" + QByteArray::number(w) + ".wav\r\n";
    text += "\r\n[SKIN]\r\nFileName=SOL_INI\\SKIN.INI\r\n\r\n[LMDFill15]\r\n";
    for (int k = 0; k < 40; ++k)
        text += "LMDFill15.Property" + QByteArray::number(k) + "=" + QByteArray::number(k * 7)
            + "\r\n";
    return text;
}

QByteArray exerciseKey(int k)
{
    return "LMDtesto" + QByteArray::number(k / 10) + ".Font.Property" + QByteArray::number(k % 10);
}

QByteArray exerciseFileContent()
{
    QByteArray text = "[COMMONAREA]\r\n";
    for (int g = 1; g <= 6; ++g)
        text += "GIF" + QByteArray::number(g) + "=SOL_IMG\\anim" + QByteArray::number(g)
            + ".gif\r\n";
    for (int e = 0; e < exerciseCount; ++e) {
        text += "\r\n[" + QByteArray::number(e) + "]\r\n";
        for (int k = 0; k < keysPerExercise; ++k) {
            text += exerciseKey(k) + "=Marco compra " + QByteArray::number(e * k)
                + " quaderni e ne regala " + QByteArray::number(k) + " alla sorella.\r\n";
        }
    }
    return text;
}

struct Workload {
    QString globalFile;
    QString exerciseFile;
    QStringList patternKeys;
    QStringList exerciseKeys;
};

// Returns a value derived from everything read, so that nothing is skipped.
qsizetype loadWithOneParse(const Workload &work)
{
    qsizetype checksum = 0;
    const IniFile global(work.globalFile);
    checksum += globalSettings::readScheme(global, chosenSheet).size();
    for (const QString &key : work.patternKeys)
        checksum += global.readString(globalSettings::commonArea, key, QString()).size();
    const IniFile exercise(work.exerciseFile);
    const QString section = QString::number(chosenExercise);
    for (const QString &key : work.exerciseKeys)
        checksum += exercise.readString(section, key, QString()).size();
    return checksum;
}

qsizetype loadWithParsePerKey(const Workload &work)
{
    qsizetype checksum = 0;
    checksum += globalSettings::readScheme(IniFile(work.globalFile), chosenSheet).size();
    for (const QString &key : work.patternKeys)
        checksum += IniFile(work.globalFile)
                        .readString(globalSettings::commonArea, key, QString())
                        .size();
    const QString section = QString::number(chosenExercise);
    for (const QString &key : work.exerciseKeys)
        checksum += IniFile(work.exerciseFile).readString(section, key, QString()).size();
    return checksum;
}

struct Timing {
    double wallMs = 0; // median elapsed time
    double cpuMs = 0; // median processor time of this thread, unaffected by other load
};

double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

Timing median(int runs, const std::function<qsizetype()> &load, qsizetype &checksum)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        const double cpuStart = threadCpuMs();
        timer.start();
        checksum = load();
        wall.push_back(double(timer.nsecsElapsed()) / 1e6);
        cpu.push_back(threadCpuMs() - cpuStart);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return { wall[wall.size() / 2], cpu[cpu.size() / 2] };
}

QString milliseconds(double value)
{
    return QString::number(value, 'f', 3) + QStringLiteral(" ms");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir installation;
    if (!installation.isValid())
        qFatal("no temporary folder");
    QDir(installation.path()).mkpath(QStringLiteral("SOL_INI"));
    Workload work;
    work.globalFile = installation.filePath(QStringLiteral("SOL_INI/GLOBAL.INI"));
    work.exerciseFile
        = installation.filePath(QStringLiteral("SOL_INI/Tipo%1.INI").arg(chosenSheet));
    writeFile(work.globalFile, globalSettingsContent());
    writeFile(work.exerciseFile, exerciseFileContent());
    // The player asks for a pattern per formula step; some of them are missing.
    for (int m = 0; m < schemeSteps; ++m)
        work.patternKeys.append(globalSettings::sheetPatternKey(chosenSheet, m));
    for (int k = 0; k < keysPerExercise; ++k)
        work.exerciseKeys.append(QString::fromLatin1(exerciseKey(k)));

    qsizetype fastChecksum = 0;
    qsizetype slowChecksum = 0;
    const Timing fast = median(
        201, [&] { return loadWithOneParse(work); }, fastChecksum);
    const Timing slow = median(
        21, [&] { return loadWithParsePerKey(work); }, slowChecksum);

    QTextStream out(stdout);
    out << "files: GLOBAL.INI " << QFileInfo(work.globalFile).size() << " bytes (" << sheetCount
        << " sheets, " << schemeSteps << "-step schemes, " << patternsPerSheet
        << " patterns each), exercise file " << QFileInfo(work.exerciseFile).size() << " bytes ("
        << exerciseCount << " exercises of " << keysPerExercise << " keys)\n";
    out << "load one scheme (" << 1 + schemeSteps << " keys) and one exercise (" << keysPerExercise
        << " keys), median of runs:\n";
    out << "                       elapsed        processor\n";
    out << "  one parse per file:  " << milliseconds(fast.wallMs) << "    "
        << milliseconds(fast.cpuMs) << "\n";
    out << "  one parse per key:   " << milliseconds(slow.wallMs) << "  "
        << milliseconds(slow.cpuMs) << "\n";
    out << "  ratio:               " << QString::number(slow.wallMs / fast.wallMs, 'f', 1)
        << "x         " << QString::number(slow.cpuMs / fast.cpuMs, 'f', 1) << "x\n";
    out << "goals (elapsed): under 5 ms " << (fast.wallMs < 5.0 ? "met" : "MISSED")
        << ", at least 20x " << (slow.wallMs / fast.wallMs >= 20.0 ? "met" : "MISSED") << '\n';
    if (fastChecksum != slowChecksum) {
        out << "the two ways read different values\n";
        return 1;
    }
    return 0;
}
