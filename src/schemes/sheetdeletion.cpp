#include "schemes/sheetdeletion.h"

#include "schemes/schemekeys.h"
#include "storage/datafolders.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

namespace solvaro {

namespace {

struct Move {
    QString from;
    QString to;
};

// A free name beside the file, under which it waits until the deletion holds.
QString asideName(const QString &path)
{
    QString aside = path + QStringLiteral(".deleted");
    for (int n = 1; QFileInfo::exists(aside); ++n)
        aside = path + QStringLiteral(".deleted%1").arg(n);
    return aside;
}

// Puts the files back, newest move first; a move that cannot be undone still
// leaves its file readable under the name it has.
void undo(const QList<Move> &done, const FileMoves &moves)
{
    for (auto move = done.crbegin(); move != done.crend(); ++move)
        moves.rename(move->to, move->from);
}

} // namespace

FileMoves realFileMoves()
{
    return FileMoves {
        [](const QString &from, const QString &to) { return QFile::rename(from, to); },
        [](const QString &path) { return QFile::remove(path); },
    };
}

std::optional<QString> deleteSheetExerciseFile(const DataFolders &folders, int sheet,
    int sheetCount, const std::function<void()> &save, const FileMoves &moves)
{
    QList<Move> done;

    // The sheet's file is only set aside until the rest has worked. A sheet
    // that never had a file has nothing to delete.
    const QString deleted = folders.resolve(schemeKeys::exerciseFileOf(sheet));
    QString aside;
    if (folders.exists(schemeKeys::exerciseFileOf(sheet))) {
        aside = asideName(deleted);
        if (!moves.rename(deleted, aside))
            return QStringLiteral("Impossibile cancellare il file: ") + deleted;
        done.append({ deleted, aside });
    }

    for (int j = sheet + 1; j < sheetCount || folders.exists(schemeKeys::exerciseFileOf(j)); ++j) {
        if (!folders.exists(schemeKeys::exerciseFileOf(j)))
            continue;
        const QString from = folders.resolve(schemeKeys::exerciseFileOf(j));
        const QString to = folders.resolve(schemeKeys::exerciseFileOf(j - 1));
        if (QFileInfo::exists(to) || !moves.rename(from, to)) {
            undo(done, moves);
            return QStringLiteral("Impossibile rinominare il file: ") + from;
        }
        done.append({ from, to });
    }

    try {
        save();
    } catch (...) {
        undo(done, moves);
        throw;
    }
    // Should this fail, the file stays aside, where no sheet reads it.
    if (!aside.isEmpty())
        moves.remove(aside);
    return std::nullopt;
}

} // namespace solvaro
