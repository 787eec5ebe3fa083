#include "app/desktopplatform.h"
#include "app/systeminformation.h"

#include "app/pdfviewer.h"
#include "app/volumecontrol.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <cmath>

namespace solvaro {

namespace {

QByteArray procFile(const char *path)
{
    // Files under /proc report a size of 0, so they are read to their end.
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QString findProgram(const QString &program)
{
    return QStandardPaths::findExecutable(program);
}

// Whether the desktop names an application for PDF documents.
bool desktopHasPdfApplication()
{
    const QString query = findProgram(QStringLiteral("xdg-mime"));
    if (query.isEmpty())
        return false;
    QProcess process;
    process.start(query,
        { QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("application/pdf") });
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    return process.exitCode() == 0 && !process.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

bool DesktopPlatform::openDocument(const QString &path)
{
    const auto viewer = choosePdfViewer(findProgram, desktopHasPdfApplication);
    return viewer
        && QProcess::startDetached(
            viewer->program, viewer->arguments + QStringList { path }, QDir::homePath());
}

bool DesktopPlatform::startVolumeControl()
{
    const auto control = chooseVolumeControl(findProgram);
    return control
        && QProcess::startDetached(control->program, control->arguments, QDir::homePath());
}

SystemInformation DesktopPlatform::systemInformation() const
{
    SystemInformation info;
    info.processor = processorNameFromCpuInfo(procFile("/proc/cpuinfo"));
    info.memoryBytes = memoryBytesFromMemInfo(procFile("/proc/meminfo"));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        info.screenHeight = screen->size().height();
        info.screenWidth = screen->size().width();
        info.pixelsPerInch = int(std::lround(screen->logicalDotsPerInch()));
    }
    return info;
}

} // namespace solvaro
