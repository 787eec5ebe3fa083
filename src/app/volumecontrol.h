#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace solvaro {

// A volume control program and its arguments.
struct VolumeControl {
    QString program;
    QStringList arguments;

    bool operator==(const VolumeControl &) const = default;
};

// The volume controls of the common Linux desktops, in the order they are tried.
QList<VolumeControl> knownVolumeControls();

// The first known volume control that findExecutable finds (it returns the full
// path of a program name, empty when there is none), with that full path as
// its program; nothing when the desktop has none.
std::optional<VolumeControl> chooseVolumeControl(
    const std::function<QString(const QString &)> &findExecutable);

} // namespace solvaro
