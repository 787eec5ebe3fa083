#include "app/startprobe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace solvaro {

namespace {

constexpr char variable[] = "SOLVARO_EXIT_AFTER_START";

} // namespace

bool StartProbe::installIfAsked(QWidget *startPanel)
{
    if (!startPanel || !qEnvironmentVariableIsSet(variable))
        return false;
    const bool report = qEnvironmentVariable(variable) == QLatin1StringView("report");
    new StartProbe(startPanel, report);
    return true;
}

StartProbe::StartProbe(QWidget *startPanel, bool report)
    : QObject(startPanel)
    , m_report(report)
{
    startPanel->installEventFilter(this);
}

bool StartProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_done) {
        m_done = true;
        // Runs once the paint in progress has reached the screen.
        QTimer::singleShot(0, this, &StartProbe::finish);
    }
    return QObject::eventFilter(watched, event);
}

void StartProbe::finish()
{
    if (m_report) {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("painted_ns=%lld rss_kb=%lld\n",
            static_cast<long long>(
                std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
            static_cast<long long>(residentMemoryKb()));
        std::fflush(stdout);
    }
    QCoreApplication::exit(0);
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
