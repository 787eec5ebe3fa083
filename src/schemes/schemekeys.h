#pragma once

#include <QString>

// Keys and files the schemes use besides those of the global settings file
// (storage/globalsettings.h).
namespace solvaro::schemeKeys {

// The exercise file of a sheet, relative to the executable folder.
inline QString exerciseFileOf(int sheet)
{
    return QStringLiteral("SOL_INI\\Tipo%1.INI").arg(sheet);
}

// The blank exercise file a new sheet's exercise file is copied from.
inline QString blankExerciseFile()
{
    return QStringLiteral("SOL_INI\\TipoX.INI");
}

// The stored height of section band j, in the exercise's section of the
// sheet's exercise file.
inline QString sectionHeightKey(int section)
{
    return QStringLiteral("SEZIONE%1.Height").arg(section);
}

} // namespace solvaro::schemeKeys
