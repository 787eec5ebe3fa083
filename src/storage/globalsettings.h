#pragma once

#include "storage/inifile.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

// The sections and keys of the global settings file, "SOL_INI\\GLOBAL.INI",
// each with its default, so that no key is spelled in two places. Sheets (n)
// and formulas (m) are numbered from 0 and appended in decimal.
namespace solvaro::globalSettings {

inline constexpr QLatin1StringView commonArea { "COMMONAREA" };

// "INI_FILE" + n: the exercise file of sheet n; empty when missing.
inline constexpr int maxSheets = 100;
inline QString iniFileKey(int sheet)
{
    return QLatin1StringView("INI_FILE") + QString::number(sheet);
}

// "MAX" + n: the number of exercises of sheet n.
inline constexpr int defaultExerciseCount = 0;
inline QString maxKey(int sheet)
{
    return QLatin1StringView("MAX") + QString::number(sheet);
}

// "SHEET_" + n: the solution scheme of sheet n.
inline constexpr QLatin1StringView defaultScheme { "||||" };
inline QString sheetKey(int sheet)
{
    return QLatin1StringView("SHEET_") + QString::number(sheet);
}

// "SHEET_" + n + "_EXP_" + m: formula pattern m of sheet n; empty when missing.
inline QString sheetPatternKey(int sheet, int formula)
{
    return sheetKey(sheet) + QLatin1StringView("_EXP_") + QString::number(formula);
}

// "W1" to "W7": the sounds of the feedback events; empty when missing.
enum class EventSound {
    CorrectAnswer = 1,
    WrongAnswer = 2,
    ButtonScroll = 3,
    HelpRequest = 4,
    ExerciseEnded = 5,
    LeaveExercise = 6,
    ProgramClose = 7,
};
inline QString soundKey(EventSound event)
{
    return QLatin1Char('W') + QString::number(int(event));
}

// The current skin file.
inline constexpr QLatin1StringView skinSection { "SKIN" };
inline constexpr QLatin1StringView skinFileKey { "FileName" };
inline constexpr QLatin1StringView defaultSkinFile { "SOL_INI\\SKIN.INI" };

// The look record of the caption strip in the main window's tab area.
inline constexpr QLatin1StringView captionStripSection { "LMDFill15" };

// Where the teacher dragged an element of the main window: a picture, animated
// picture or text label in the section of its name under these keys...
inline constexpr QLatin1StringView positionTopKey { "top" };
inline constexpr QLatin1StringView positionLeftKey { "Left" };
// ...and a text strip under its name followed by ".Top" and ".Left".
inline QString stripTopKey(const QString &element)
{
    return element + QLatin1StringView(".Top");
}
inline QString stripLeftKey(const QString &element)
{
    return element + QLatin1StringView(".Left");
}

// The exercise files of the sheets: "INI_FILE" + n for n = 0, 1, ... up to the
// first empty value, at most maxSheets.
inline QStringList readSheetList(const IniFile &globalSettingsFile)
{
    QStringList files;
    for (int sheet = 0; sheet < maxSheets; ++sheet) {
        const QString file
            = globalSettingsFile.readString(commonArea, iniFileKey(sheet), QString());
        if (file.isEmpty())
            break;
        files.append(file);
    }
    return files;
}

inline int readExerciseCount(const IniFile &globalSettingsFile, int sheet)
{
    return globalSettingsFile.readInteger(commonArea, maxKey(sheet), defaultExerciseCount);
}

inline QString readScheme(const IniFile &globalSettingsFile, int sheet)
{
    return globalSettingsFile.readString(commonArea, sheetKey(sheet), defaultScheme);
}

} // namespace solvaro::globalSettings
