#pragma once

#include "base/systeminformation.h"

#include <QByteArray>
#include <QString>

namespace solvaro {

// The lines "Processor=", "Mem=" (megabytes), "Screen H=", "Screen W=" and
// "Screen PPi=", each ended by "\r\n"; numbers as the picture "#####" shows
// them: rounded, without separators, empty for 0.
QString systemInformationMessage(const SystemInformation &info);

// The processor's name from the text of /proc/cpuinfo: its first "model name"
// (or, on machines that have none, "Processor", "cpu model" or "Hardware");
// empty when none is there.
QString processorNameFromCpuInfo(const QByteArray &cpuInfo);

// Total physical memory in bytes from the text of /proc/meminfo ("MemTotal:"
// in kB); 0 when it cannot be read.
quint64 memoryBytesFromMemInfo(const QByteArray &memInfo);

} // namespace solvaro
