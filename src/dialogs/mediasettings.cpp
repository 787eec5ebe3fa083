#include "dialogs/mediasettings.h"

#include "storage/datafolders.h"
#include "storage/globalsettings.h"
#include "storage/inifile.h"
#include "storage/linebreaks.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace solvaro {

namespace {

const QString HelpMessagesKey = QStringLiteral("MSG_HLP");
const QString ErrorMessagesKey = QStringLiteral("MSG_ERR");
const QString GeneralHelpKey = QStringLiteral("HELP_GEN");
// Eleven lines of "?".
const QString DefaultStepMessages = QStringLiteral("?|?|?|?|?|?|?|?|?|?|?");
const QString DefaultGeneralHelp = QStringLiteral("?");

QString soundKey(int n)
{
    return globalSettings::soundKey(static_cast<globalSettings::EventSound>(n));
}

QString animationKey(int n)
{
    return QStringLiteral("GIF%1").arg(n);
}

// A value that names a folder alone ("SOL_WAV\\") names no file: its field
// is shown empty, and stores the folder alone again.
QString shownPath(const DataFolders &folders, const QString &stored)
{
    if (stored.isEmpty() || stored.endsWith(QLatin1Char('\\')) || stored.endsWith(QLatin1Char('/')))
        return QString();
    return folders.resolve(stored);
}

// The stored value of each field, or the first field whose name cannot live
// in the folder.
struct StoredNames {
    QStringList names;
    std::optional<QString> refused;
};

StoredNames storedNames(
    const DataFolders &folders, QLatin1StringView folder, QStringList files, qsizetype count)
{
    files.resize(count);
    StoredNames result;
    for (const QString &file : std::as_const(files)) {
        const QString stored = folders.storedNameFor(folder, file.trimmed());
        if (stored.isEmpty()) {
            result.refused = file;
            return result;
        }
        result.names.append(stored);
    }
    return result;
}

QString refusal(const QString &file, QLatin1StringView folder)
{
    return QStringLiteral("The file \"%1\" cannot be kept in the folder %2 under its name. "
                          "Please give it a plain name and choose it again.")
        .arg(QFileInfo(file).fileName(), folder);
}

// Copies each chosen file that exists and is not the stored one already; the
// first file that could not be copied, or nothing.
std::optional<QString> copyChosenFiles(const DataFolders &folders, QLatin1StringView folder,
    const QStringList &files, const QStringList &stored)
{
    for (qsizetype i = 0; i < files.size() && i < stored.size(); ++i) {
        const QString chosen = files.at(i).trimmed();
        // A file that is not there is stored by its name all the same, as
        // every reader passes over a missing file.
        if (!QFileInfo(chosen).isFile() || folders.isStoredFile(stored.at(i), chosen))
            continue;
        if (folders.pickInto(folder, chosen).isEmpty())
            return chosen;
    }
    return std::nullopt;
}

QString copyFailure(const QString &file, QLatin1StringView folder)
{
    return QStringLiteral("Unable to copy %1 into the folder %2.")
        .arg(QDir::toNativeSeparators(file), folder);
}

} // namespace

MediaSettings readMediaSettings(const MediaPlace &place)
{
    const DataFolders &folders = place.folders;
    MediaSettings settings;
    const IniFile global(folders.globalSettingsFile());
    for (int n = 1; n <= MediaSettings::soundCount; ++n)
        settings.sounds.append(shownPath(
            folders, global.readString(globalSettings::commonArea, soundKey(n), QString())));

    const IniFile exercises(folders.resolve(place.exerciseFile));
    for (int n = 1; n <= MediaSettings::animationCount; ++n)
        settings.animations.append(shownPath(
            folders, exercises.readString(globalSettings::commonArea, animationKey(n), QString())));
    const QString section = QString::number(place.exercise);
    settings.helpMessages
        = decodeLineBreaks(exercises.readString(section, HelpMessagesKey, DefaultStepMessages));
    settings.errorMessages
        = decodeLineBreaks(exercises.readString(section, ErrorMessagesKey, DefaultStepMessages));
    settings.generalHelp
        = decodeLineBreaks(exercises.readString(section, GeneralHelpKey, DefaultGeneralHelp));
    return settings;
}

MediaStoreResult storeMediaSettings(const MediaPlace &place, const MediaSettings &settings)
{
    const DataFolders &folders = place.folders;
    const QString exercisePath = folders.resolve(place.exerciseFile);
    if (exercisePath.isEmpty())
        return { QStringLiteral("Unable to write to %1").arg(place.exerciseFile) };

    const StoredNames sounds
        = storedNames(folders, dataFolder::sounds, settings.sounds, MediaSettings::soundCount);
    if (sounds.refused)
        return { refusal(*sounds.refused, dataFolder::sounds) };
    const StoredNames animations = storedNames(
        folders, dataFolder::images, settings.animations, MediaSettings::animationCount);
    if (animations.refused)
        return { refusal(*animations.refused, dataFolder::images) };

    if (const auto failed
        = copyChosenFiles(folders, dataFolder::sounds, settings.sounds, sounds.names))
        return { copyFailure(*failed, dataFolder::sounds) };
    if (const auto failed
        = copyChosenFiles(folders, dataFolder::images, settings.animations, animations.names))
        return { copyFailure(*failed, dataFolder::images) };

    IniFile global(folders.globalSettingsFile());
    for (int n = 1; n <= MediaSettings::soundCount; ++n)
        global.writeString(globalSettings::commonArea, soundKey(n), sounds.names.at(n - 1));
    global.updateFile();

    IniFile exercises(exercisePath);
    for (int n = 1; n <= MediaSettings::animationCount; ++n)
        exercises.writeString(
            globalSettings::commonArea, animationKey(n), animations.names.at(n - 1));
    const QString section = QString::number(place.exercise);
    exercises.writeString(section, HelpMessagesKey, encodeLineBreaks(settings.helpMessages));
    exercises.writeString(section, ErrorMessagesKey, encodeLineBreaks(settings.errorMessages));
    exercises.writeString(section, GeneralHelpKey, encodeLineBreaks(settings.generalHelp));
    exercises.updateFile();
    return {};
}

QStringList storedAnimationNames(const DataFolders &folders, const QStringList &animations)
{
    QStringList names;
    for (const QString &file : animations)
        names.append(folders.storedNameFor(dataFolder::images, file.trimmed()));
    return names;
}

} // namespace solvaro
