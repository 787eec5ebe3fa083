#pragma once

#include "base/systeminformation.h"

#include <QString>

namespace solvaro {

// What the main window asks of the desktop it runs on: opening the help
// document, starting the volume control, and the facts the F2 key shows. The
// program uses DesktopPlatform; tests give a fake.
class Platform
{
public:
    virtual ~Platform() = default;

    // Opens a PDF document with a program of the desktop; false when the
    // desktop has none.
    virtual bool openDocument(const QString &path) = 0;
    // Starts the desktop's volume control; false when it has none.
    virtual bool startVolumeControl() = 0;
    virtual SystemInformation systemInformation() const = 0;
};

} // namespace solvaro
