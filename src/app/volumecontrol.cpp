#include "app/volumecontrol.h"

namespace solvaro {

QList<VolumeControl> knownVolumeControls()
{
    const auto control = [](const char *program, QStringList arguments = {}) {
        return VolumeControl { QString::fromLatin1(program), arguments };
    };
    return {
        control("pavucontrol"),
        control("pavucontrol-qt"),
        control("gnome-control-center", { QStringLiteral("sound") }),
        control("cinnamon-settings", { QStringLiteral("sound") }),
        control("mate-volume-control"),
        control("systemsettings", { QStringLiteral("kcm_pulseaudio") }),
        control("kcmshell6", { QStringLiteral("kcm_pulseaudio") }),
        control("kcmshell5", { QStringLiteral("kcm_pulseaudio") }),
    };
}

std::optional<VolumeControl> chooseVolumeControl(
    const std::function<QString(const QString &)> &findExecutable)
{
    for (VolumeControl control : knownVolumeControls()) {
        const QString path = findExecutable(control.program);
        if (path.isEmpty())
            continue;
        control.program = path;
        return control;
    }
    return std::nullopt;
}

} // namespace solvaro
