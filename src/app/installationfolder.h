#pragma once

#include <QString>
#include <QStringList>

namespace solvaro {

// Where the program may find its installation (the four data folders).
struct InstallationPlaces {
    // The folder of the running executable, with a trailing '/'.
    QString executableFolder;
    // The sample installation an installed program ships beside itself.
    QString sampleFolder;
    // The user's own data folder, where an installed program keeps its copy.
    QString userFolder;
    // The settings files that may name a class's shared folder, the first one
    // that names one wins (the user's before the machine's).
    QStringList settingsFiles;
};

// The installation the program works on, and what must happen before.
struct InstallationChoice {
    // With a trailing '/'; every stored path is relative to it.
    QString folder;
    // The sample installation to copy into the folder first, when it holds none.
    QString copySampleFrom;
    // Why the program cannot start; the other members are empty then.
    QString problem;
};

// A copy run from a folder that holds an installation keeps working there, as
// it always has. An installed program works on the class folder that a
// settings file names ("[Installation]" "Folder"), else on the user's own data
// folder; a folder without an installation gets a copy of the sample first.
InstallationChoice chooseInstallation(const InstallationPlaces &places);

// True when the folder holds the global settings file.
bool holdsInstallation(const QString &folder);

// Copies the files of an installation into a folder, keeping every file that
// is already there, and makes the four data folders. Returns an error message,
// or an empty string when the copy is complete.
QString copyInstallation(const QString &from, const QString &to);

// The choice made and its copy done: the folder to work on, or the problem.
InstallationChoice settleInstallation(const InstallationPlaces &places);

// The places of this machine and user for an executable in that folder.
InstallationPlaces systemInstallationPlaces(const QString &executableFolder);

} // namespace solvaro
