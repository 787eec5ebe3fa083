#pragma once

#include "base/platform.h"

namespace solvaro {

// The real desktop: the help document opens in the desktop's PDF application
// or the first PDF viewer installed, the volume control is the first one
// installed, and the F2 facts come from /proc and the primary screen.
class DesktopPlatform final : public Platform
{
public:
    bool openDocument(const QString &path) override;
    bool startVolumeControl() override;
    SystemInformation systemInformation() const override;
};

} // namespace solvaro
