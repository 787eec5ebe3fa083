#include "player/exercisetexts.h"

#include "storage/inifile.h"

namespace solvaro {

ExerciseTexts readExerciseTexts(
    const IniFile &exerciseFile, const QString &section, int formulaCount)
{
    ExerciseTexts texts;
    texts.helpTexts = exerciseFile.readString(section, QStringLiteral("MSG_HLP"), QString());
    texts.errorTexts = exerciseFile.readString(section, QStringLiteral("MSG_ERR"), QString());
    for (int k = 0; k < formulaCount; ++k)
        texts.expectedFormulas.append(
            exerciseFile.readString(section, QStringLiteral("R%1").arg(k), QString()));
    return texts;
}

} // namespace solvaro
