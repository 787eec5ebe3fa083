#include "schemes/schemesaving.h"

#include "base/error.h"
#include "schemes/schemekeys.h"
#include "storage/datafolders.h"
#include "storage/globalsettings.h"
#include "storage/inifile.h"

#include <QFile>

namespace solvaro {

namespace {

void deleteSheetKeys(IniFile &ini)
{
    const QString section = globalSettings::commonArea;
    // Sheets past the usual hundred are removed as well while they last, so
    // that a shorter list never leaves old sheets behind it.
    for (int n = 0;; ++n) {
        const QString scheme = globalSettings::sheetKey(n);
        const QString count = globalSettings::maxKey(n);
        const QString file = globalSettings::iniFileKey(n);
        const bool present = ini.keyExists(section, scheme) || ini.keyExists(section, count)
            || ini.keyExists(section, file);
        if (n >= globalSettings::maxSheets && !present)
            break;
        ini.deleteKey(section, scheme);
        ini.deleteKey(section, count);
        ini.deleteKey(section, file);
    }
}

// Returns true when the file was created.
bool createExerciseFile(const DataFolders &folders, const QString &file)
{
    if (folders.exists(file))
        return false;
    // Without the blank file there is nothing to copy; the first write into
    // the sheet's exercise file creates it.
    if (!folders.exists(schemeKeys::blankExerciseFile()))
        return false;
    const QString target = folders.resolve(file);
    if (target.isEmpty() || !QFile::copy(folders.resolve(schemeKeys::blankExerciseFile()), target))
        throw Error(QStringLiteral("Unable to write to %1").arg(target.isEmpty() ? file : target));
    // A copy keeps the blank file's permissions, which may forbid writing.
    QFile(target).setPermissions(QFile(target).permissions() | QFile::WriteOwner);
    return true;
}

} // namespace

QStringList saveSchemes(
    IniFile &globalSettingsFile, const DataFolders &folders, const QList<SheetScheme> &sheets)
{
    deleteSheetKeys(globalSettingsFile);

    const QString section = globalSettings::commonArea;
    QStringList created;
    // All or nothing: a failure takes away the exercise files made on the way,
    // so that nothing points at them or stands in the way of an undo.
    try {
        for (int s = 0; s < sheets.size(); ++s) {
            const SheetScheme &sheet = sheets.at(s);
            globalSettingsFile.writeString(section, globalSettings::sheetKey(s), sheet.scheme);
            for (int k = 0; k < sheet.patterns.size(); ++k) {
                globalSettingsFile.writeString(
                    section, globalSettings::sheetPatternKey(s, k), sheet.patterns.at(k));
            }
            const QString file = schemeKeys::exerciseFileOf(s);
            globalSettingsFile.writeString(section, globalSettings::iniFileKey(s), file);
            globalSettingsFile.writeInteger(
                section, globalSettings::maxKey(s), sheet.exerciseCount);
            if (createExerciseFile(folders, file))
                created.append(file);
        }
        // One write at the end: a failure on the way leaves the catalogue whole.
        globalSettingsFile.updateFile();
    } catch (...) {
        for (const QString &file : std::as_const(created))
            QFile::remove(folders.resolve(file));
        throw;
    }
    return created;
}

} // namespace solvaro
