#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace solvaro {

class DataFolders;

// How files are moved; tests put failures in the way.
struct FileMoves {
    std::function<bool(const QString &from, const QString &to)> rename;
    std::function<bool(const QString &path)> remove;
};
FileMoves realFileMoves();

// The exercise files after a deleted sheet: the sheet's own file goes, the
// files of the sheets after it move one number down ("Tipo3.INI" becomes
// "Tipo2.INI"), then save writes the catalogue that matches them.
//
// sheetCount is the number of sheets before the deletion; a sheet among them
// without a file leaves its number free, and past them the files move up to
// the first number without one. Either everything happens or nothing: when a
// file cannot be moved, or save throws, the files moved so far go back and the
// deleted one comes back, so every exercise stays with its sheet. Returns the
// message that names the file that could not be deleted or renamed; an
// exception from save passes through once the files are back.
std::optional<QString> deleteSheetExerciseFile(const DataFolders &folders, int sheet,
    int sheetCount, const std::function<void()> &save, const FileMoves &moves = realFileMoves());

} // namespace solvaro
