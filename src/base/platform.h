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

    // Opens a document with the program the desktop associates with it.
    virtual void openDocument(const QString &path) = 0;
    // Starts the desktop's volume control, when it has one.
    virtual void startVolumeControl() = 0;
    virtual SystemInformation systemInformation() const = 0;
};

} // namespace solvaro
