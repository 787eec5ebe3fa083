#pragma once

#include <QLatin1StringView>
#include <QString>

namespace solvaro {

// The data folders and the global settings file as stored paths are written.
namespace dataFolder {
inline constexpr QLatin1StringView ini { "SOL_INI\\" };
inline constexpr QLatin1StringView images { "SOL_IMG\\" };
inline constexpr QLatin1StringView sounds { "SOL_WAV\\" };
inline constexpr QLatin1StringView temporary { "SOL_TMP\\" };
inline constexpr QLatin1StringView globalSettings { "SOL_INI\\GLOBAL.INI" };
} // namespace dataFolder

// Copies a file over target through a temporary file beside it, so that a copy
// that fails (a full disk, a read-only folder) keeps the file it would have
// replaced. False when it failed.
bool copyFileReplacing(const QString &source, const QString &target);

// The installation: the executable folder and the four data folders in it.
// Stored paths are relative to the executable folder and written the Windows
// way ("SOL_IMG\\x.bmp"); here they are resolved to real files.
class DataFolders
{
public:
    // The executable folder; a trailing separator is added when missing.
    explicit DataFolders(const QString &executableFolder);

    // The executable folder with a trailing '/'.
    QString executableFolder() const { return m_folder; }

    // Absolute path of a stored relative path. '\\' reads as '/', and each
    // component that does not exist under its exact name is matched without
    // regard to case (an exact match wins). Where nothing matches, the path is
    // built from the names as written, so that it can be created. A stored path
    // that would leave the executable folder (absolute, a drive letter, a
    // network path, "..") gives an empty string.
    QString resolve(const QString &stored) const;
    // True when the stored path names an existing file.
    bool exists(const QString &stored) const;

    // "SOL_INI\\GLOBAL.INI" resolved.
    QString globalSettingsFile() const;

    // The value a file picked for a data folder ("SOL_WAV\\") is stored as: the
    // folder plus the file's bare name, or the folder alone for a name-less
    // path. Empty when the bare name cannot live in that folder, because it
    // would be read as a path below the folder or out of it.
    QString storedNameFor(const QString &folder, const QString &pickedFile) const;
    // Whether a picked file is the very file a stored value names, whatever
    // the letter case of either path; copying it onto itself would lose it.
    bool isStoredFile(const QString &stored, const QString &pickedFile) const;

    // Copies a file the user picked into a data folder ("SOL_IMG\\") under its
    // bare name, overwriting, and returns the value to store: the folder plus
    // the bare name. Returns an empty string when the copy fails.
    QString pickInto(const QString &folder, const QString &pickedFile) const;

private:
    QString m_folder;
};

} // namespace solvaro
