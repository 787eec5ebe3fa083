#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace solvaro {

class DataFolders;

// The feedback media the teacher dresses an installation with: seven event
// sounds for the whole installation, six animations for a sheet and three
// help texts for one exercise.
struct MediaSettings {
    static constexpr int soundCount = 7;
    static constexpr int animationCount = 6;

    // The files of "W1" to "W7" and of "GIF1" to "GIF6" as full paths; empty
    // where nothing is stored.
    QStringList sounds;
    QStringList animations;
    // "MSG_HLP", "MSG_ERR" and "HELP_GEN" with "\r\n" between lines.
    QString helpMessages;
    QString errorMessages;
    QString generalHelp;
};

// Where the settings live: the global settings file of the installation, the
// sheet's exercise file (relative to the executable folder) and the section
// of one of its exercises.
struct MediaPlace {
    const DataFolders &folders;
    QString exerciseFile;
    int exercise = 0;
};

MediaSettings readMediaSettings(const MediaPlace &place);

// What storing needs the teacher to hear of; empty when all went well.
struct MediaStoreResult {
    QString problem;
    bool stored() const { return problem.isEmpty(); }
};

// Copies every chosen file into its media folder under its bare name (a file
// that already is the stored one is left alone, and a copy goes through a
// temporary file), then writes the sounds into the global settings file and
// the animations and texts into the exercise file. A name that cannot live in
// a media folder, or a copy that fails, stops it before anything is written.
// Throws Error when a settings file cannot be written.
MediaStoreResult storeMediaSettings(const MediaPlace &place, const MediaSettings &settings);

// "SOL_IMG\\" and the bare name of each animation file, as they are stored.
QStringList storedAnimationNames(const DataFolders &folders, const QStringList &animations);

} // namespace solvaro
