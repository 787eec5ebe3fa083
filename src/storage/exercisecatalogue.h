#pragma once

#include <QString>
#include <optional>

namespace solvaro {

class Dialogs;

// The exercises of one sheet as the teacher copies and deletes them: the count
// "MAX<n>" in the global settings file and one section per exercise, named by
// its 0-based number, in the sheet's exercise file. The main window keeps the
// tabs; this class does the files.
class ExerciseCatalogue
{
public:
    // Absolute paths of the global settings file and of the sheet's exercise file.
    ExerciseCatalogue(const QString &globalSettingsFile, const QString &exerciseFile, int sheet);

    // LMDcopyClick's files: the count becomes tabCount + 1 and every key of
    // exercise `current` is copied into section tabCount, the new last exercise,
    // whose index is returned. A missing section copies nothing but still
    // raises the count. Throws Error("Unable to write to ...") when a file
    // cannot be written.
    int copyExercise(int current, int tabCount) const;

    // "you're deleting the exercise number [N]. Confirm ? "
    static QString deleteQuestion(int current);

    // LMDdeleteClick: with more than one tab, asks deleteQuestion and on Yes
    // deletes exercise `current`; returns the tab to select then, or nothing
    // when nothing was deleted. Throws Error when a file cannot be written.
    std::optional<int> deleteCurrent(int current, int tabCount, Dialogs &dialogs) const;

    // The files of a delete, without asking: the count becomes tabCount - 1,
    // section `current` goes, and the headers "[current + 1]", "[current + 2]"
    // ... move down by one, found as exact text wherever they stand in the
    // file. Every other byte of the exercise file stays as it was, and the file
    // is replaced in one piece. Throws Error when a file cannot be written.
    void deleteExercise(int current, int tabCount) const;

    // The tab shown after deleting tab `deleted`: the one before it, or the new
    // first one when the first was deleted.
    static int tabAfterDelete(int deleted) { return deleted > 0 ? deleted - 1 : 0; }

private:
    void writeExerciseCount(int count) const;

    QString m_globalSettingsFile;
    QString m_exerciseFile;
    int m_sheet;
};

} // namespace solvaro
