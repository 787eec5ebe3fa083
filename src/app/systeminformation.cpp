#include "app/systeminformation.h"

#include "player/numberformat.h"

#include <QList>

namespace solvaro {

namespace {

// The value of the first "key : value" line whose key is the given one; the
// case counts, as "processor" numbers the cores where "Processor" names them.
QString cpuInfoValue(const QByteArray &cpuInfo, QByteArrayView key)
{
    const QList<QByteArray> lines = cpuInfo.split('\n');
    for (const QByteArray &line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            continue;
        if (line.left(colon).trimmed() == key)
            return QString::fromUtf8(line.mid(colon + 1).trimmed()).simplified();
    }
    return QString();
}

} // namespace

QString systemInformationMessage(const SystemInformation &info)
{
    const QLatin1StringView lineEnd("\r\n");
    const double megabytes = double(info.memoryBytes) / 1024.0 / 1024.0;
    return QLatin1StringView("Processor=") + info.processor + lineEnd + QLatin1StringView("Mem=")
        + formatWholeNumber(megabytes) + lineEnd + QLatin1StringView("Screen H=")
        + formatWholeNumber(info.screenHeight) + lineEnd + QLatin1StringView("Screen W=")
        + formatWholeNumber(info.screenWidth) + lineEnd + QLatin1StringView("Screen PPi=")
        + formatWholeNumber(info.pixelsPerInch) + lineEnd;
}

QString processorNameFromCpuInfo(const QByteArray &cpuInfo)
{
    for (const char *key : { "model name", "Processor", "cpu model", "Hardware" }) {
        const QString name = cpuInfoValue(cpuInfo, QByteArrayView(key));
        if (!name.isEmpty())
            return name;
    }
    return QString();
}

quint64 memoryBytesFromMemInfo(const QByteArray &memInfo)
{
    const QList<QByteArray> lines = memInfo.split('\n');
    for (const QByteArray &line : lines) {
        if (!line.startsWith("MemTotal:"))
            continue;
        const QList<QByteArray> fields = line.mid(9).simplified().split(' ');
        bool ok = false;
        const quint64 kilobytes = fields.value(0).toULongLong(&ok);
        if (!ok)
            return 0;
        return kilobytes * 1024; // the kernel always counts in kB
    }
    return 0;
}

} // namespace solvaro
