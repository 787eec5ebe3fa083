#include "app/startprobe.h"

#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace solvaro {

namespace {

constexpr char variable[] = "SOLVARO_EXIT_AFTER_START";

qint64 nowNs()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return qint64(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

} // namespace

StartProbe::StartProbe()
    : m_active(qEnvironmentVariableIsSet(variable))
    , m_report(qEnvironmentVariable(variable) == QLatin1StringView("report"))
{
}

void StartProbe::painted()
{
    if (!m_active)
        return;
    m_paintedNs = nowNs();
    m_paintedCpuMs = processorTimeMs();
}

void StartProbe::ready()
{
    if (!m_active)
        return;
    if (m_report) {
        std::printf("painted_ns=%lld cpu_ms=%lld ready_ns=%lld rss_kb=%lld\n",
            static_cast<long long>(m_paintedNs), static_cast<long long>(m_paintedCpuMs),
            static_cast<long long>(nowNs()), static_cast<long long>(residentMemoryKb()));
        std::fflush(stdout);
    }
    QCoreApplication::exit(0);
}

qint64 processorTimeMs()
{
    rusage usage {};
    if (::getrusage(RUSAGE_SELF, &usage) != 0)
        return 0;
    const auto ms
        = [](const timeval &time) { return qint64(time.tv_sec) * 1000 + time.tv_usec / 1000; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

qint64 residentMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).simplified().split(' ').value(0).toLongLong();
    }
    return 0;
}

} // namespace solvaro
