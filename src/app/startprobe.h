#pragma once

#include <QtGlobal>

namespace solvaro {

// Lets a script time the start. With SOLVARO_EXIT_AFTER_START set, the program
// ends with exit code 0 as soon as it is ready after the start panel's first
// paint; set to "report", it first prints one line "painted_ns=<when the start
// panel was painted, ns since the epoch> cpu_ms=<processor time used until
// then> ready_ns=<when every form existed> rss_kb=<resident memory then>".
// Without the variable nothing happens.
class StartProbe
{
public:
    StartProbe();

    bool isActive() const { return m_active; }
    // The start panel has been painted.
    void painted();
    // Every form exists: the probe reports and ends the program.
    void ready();

private:
    bool m_active = false;
    bool m_report = false;
    qint64 m_paintedNs = 0;
    qint64 m_paintedCpuMs = 0;
};

// Resident memory of this process in kB, from /proc/self/status; 0 when unknown.
qint64 residentMemoryKb();
// Processor time this process has used so far, user and system, in ms.
qint64 processorTimeMs();

} // namespace solvaro
