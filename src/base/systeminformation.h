#pragma once

#include <QString>
#include <QtGlobal>

namespace solvaro {

// What the F2 key tells about the machine.
struct SystemInformation {
    QString processor;
    quint64 memoryBytes = 0;
    int screenHeight = 0;
    int screenWidth = 0;
    int pixelsPerInch = 0;
};

} // namespace solvaro
