#pragma once

#include "base/platform.h"

namespace solvaro {

// The real desktop: the help document opens in the desktop's viewer, the
// volume control is the first one installed, and the F2 facts come from
// /proc and the primary screen.
class DesktopPlatform final : public Platform
{
public:
    void openDocument(const QString &path) override;
    void startVolumeControl() override;
    SystemInformation systemInformation() const override;
};

} // namespace solvaro
