#include "app/desktopplatform.h"
#include "app/systeminformation.h"

#include "app/volumecontrol.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
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

} // namespace

void DesktopPlatform::openDocument(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void DesktopPlatform::startVolumeControl()
{
    const auto control = chooseVolumeControl(
        [](const QString &program) { return QStandardPaths::findExecutable(program); });
    if (control)
        QProcess::startDetached(control->program, control->arguments, QDir::homePath());
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
