#pragma once

#include <QString>
#include <QVector>

namespace solvaro {

// What one pupil's progress file tells of one exercise the pupil worked on.
struct ExerciseResult {
    // The name as it stands in the file name: "SOLVARO_ANNA.INI" gives "ANNA".
    QString pupil;
    // 0-based, as the file stores them.
    int sheet = 0;
    int exercise = 0;
    // Solved by the pupil, step by step.
    bool solved = false;
    int errors = 0;
    // The pupil asked for the solution (the help cockade).
    bool helpAsked = false;
};

// A file of the progress folder that gives no row, or gives only some of its
// rows, and why.
struct UnreadableFile {
    QString fileName;
    QString reason;
};

// Every pupil's work found in the progress folder ("SOL_TMP\\"), in the order
// of pupil, sheet and exercise.
struct ClassProgress {
    QString folder;
    QVector<ExerciseResult> results;
    QVector<UnreadableFile> unreadable;
};

// Reads every progress file of the folder. Nothing a file holds stops the
// reading: a file that is no progress file, cannot be read or is damaged is
// listed as unreadable, and a damaged exercise section leaves the file's other
// exercises in the table.
ClassProgress readClassProgress(const QString &folder);

// The pupil's name that a progress file's name carries, or an empty string
// when the name is not one of a progress file.
QString pupilOfProgressFile(const QString &fileName);

} // namespace solvaro
