#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace solvaro {

class DataFolders;
class IniFile;

// One sheet as the scheme editor saves it.
struct SheetScheme {
    // The scheme string built from the sheet's tree; may be empty.
    QString scheme;
    // The sheet's formula and equivalence patterns in tree order.
    QStringList patterns;
    // Carried through unchanged ("MAX").
    int exerciseCount = 1;
};

// Writes the sheets, in order, into the global settings file and writes it
// out: the old sheet keys go first (the patterns stay: those beyond a sheet's
// formula count are never read), then every sheet is written at its own
// position, and a missing exercise file is created from the blank one.
// A sheet without any section keeps its position with an empty scheme string,
// so that the sheets after it stay listed and keep their exercise files.
// Returns the exercise files created (relative paths). Throws solvaro::Error
// when a file cannot be written; the global settings file is then unchanged
// and the exercise files it made are gone again.
QStringList saveSchemes(
    IniFile &globalSettingsFile, const DataFolders &folders, const QList<SheetScheme> &sheets);

} // namespace solvaro
