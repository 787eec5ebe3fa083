#pragma once

#include <QString>
#include <QStringList>

namespace solvaro {

class IniFile;

// What an exercise section holds for its steps.
struct ExerciseTexts {
    // "MSG_HLP" and "MSG_ERR": one text per step, '|' between them.
    QString helpTexts;
    QString errorTexts;
    // "R<k>": the teacher's formula of formula index k, as typed.
    QStringList expectedFormulas;
};

// Reads the texts of the exercise in section from its sheet's exercise file.
ExerciseTexts readExerciseTexts(
    const IniFile &exerciseFile, const QString &section, int formulaCount);

} // namespace solvaro
