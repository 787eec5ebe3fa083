#pragma once

#include "media/documentsfolder.h"
#include "player/progressstate.h"

#include <QString>
#include <functional>

namespace solvaro {

class Dialogs;
class IniFile;

// Progress files: the state of an exercise kept in a section of an INI file,
// the pupil's own one ("SOL_TMP\\SOLVARO_<NAME>.INI") or any file the user
// picks, and taken up again later.

// The pupil's name as it goes into the file name: the letters a to z in
// capitals, everything else as typed ("élise" gives "éLISE"), except what
// could make the name unusable or lead out of "SOL_TMP": path separators,
// ':', '*', '?', '"', '<', '>', '|', control characters, unpaired surrogates
// and every dot of a run of two or more each become '_', and the name is cut
// to what a file name can hold.
QString progressFileNamePart(const QString &pupilName);
// The pupil's progress file as a stored path: "SOL_TMP\\SOLVARO_<NAME>.INI".
QString pupilProgressFile(const QString &pupilName);

// The section of one exercise: "ID_0" followed by the sheet and exercise
// indices in decimal (sheet 1, exercise 12 gives "ID_0112").
QString exerciseKey(int sheet, int exercise);

// "Vuoi riprendere la copia salvata dell'eserizio num.N. ?"
QString resumeQuestion(int exercise);

// SAVETEMP: writes the state into the section of its sheet and exercise,
// replacing whatever an earlier save left there, and its error count into
// "ISTORY". The file is replaced in one piece; when that fails it stays as it
// was and Error("Unable to write to <file>") is thrown.
void SAVETEMP(const QString &file, const ExerciseProgress &progress);

// The save when the pupil moves to another exercise (page command 7): only in
// pupil mode and once the first step was passed. A record that holds more of
// the pupil's work (a finished exercise, or one further along) is never
// replaced by it: the pupil keeps it until a save of their own choosing. True
// when it wrote.
bool saveLeftExercise(const QString &file, const ExerciseProgress &progress, bool editMode);

// Whether the file holds work on exercise `exercise` of sheet `sheet` to offer
// when the pupil comes to it: a whole record of it, past its first step.
bool holdsSavedWork(const QString &file, int sheet, int exercise);

enum class ResumeOutcome {
    // No file, no section for this exercise, or the pupil said No: nothing changed.
    NotResumed,
    // The section lacks "M0", "M1" or "M2": "File Error" was shown over the
    // freshly loaded exercise.
    FileError,
    // The section was saved before the first step was passed: the exercise
    // stays as freshly loaded, on the saved sheet and exercise tabs.
    Fresh,
    // The state to show.
    Restored,
};

struct Resume {
    ResumeOutcome outcome = ResumeOutcome::NotResumed;
    // What the player shows after the resume: the fresh state, or the
    // restored one (tabs to select, step, errors, labels and field texts).
    ExerciseProgress progress;

    // LOADTEMP's result.
    bool resumed() const { return outcome != ResumeOutcome::NotResumed; }
};

// LOADTEMP: offers to resume exercise `exercise` of sheet `sheet` from the
// file. On Yes, prepareExercise rebuilds the sheet with that exercise loaded
// fresh (CLEAR_ALL_OBJ, PREPARE_EXERCISE) and returns the state it shows; the
// saved values are read over it. stepKinds has one character per step.
// A section whose "M1" and "M2" name another sheet or exercise (two keys can
// read the same: sheet 1 exercise 12 and sheet 11 exercise 2) is not offered.
Resume LOADTEMP(const QString &file, int sheet, int exercise, const QString &stepKinds,
    Dialogs &dialogs, const std::function<ExerciseProgress()> &prepareExercise);

// LOADTEMP after the question: the section `key` read over the fresh state.
// A current step outside 0 ... step count is taken as the nearest of them.
Resume readSavedExercise(const IniFile &file, const QString &key, const QString &stepKinds,
    const ExerciseProgress &fresh);

// The filter of the progress file dialogs, in Qt's form.
QString progressFileFilter();
// LMDsalvaClick's and LMDcaricaClick's dialogs, opening in the user's documents
// folder: the chosen file, or an empty string when the user cancelled or there
// is no documents folder (its message is shown and no dialog opens).
QString chooseProgressFileToSave(
    Dialogs &dialogs, const DocumentsFolderLookup &lookup = systemDocumentsFolder);
QString chooseProgressFileToLoad(
    Dialogs &dialogs, const DocumentsFolderLookup &lookup = systemDocumentsFolder);

} // namespace solvaro
