#pragma once

#include "storage/look.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace solvaro {

class IniFile;

// The options of one question group and the font it is shown in.
struct QuestionGroup {
    // As stored: the first option is the correct one.
    QStringList options;
    LookFont font;
};

// Load_COMBO: reads question group "E<step>" of an exercise section. Missing
// font keys keep the values of current; a stored size is in design-space units
// and scaled to the screen width, while a missing one, or one written with the
// other decimal separator, keeps current's size as it is. Missing options give the single option
// MissingOptions.
QuestionGroup Load_COMBO(const IniFile &exerciseFile, const QString &section, int step,
    const LookFont &current, int screenWidth);

// MISCHIA: in pupil mode exchanges option 0 with option p = random(count) and
// sets correctIndex to p; in the teacher's editing mode the order stays and
// correctIndex is 0. No options leave both unchanged.
void MISCHIA(QStringList &options, int &correctIndex, bool editMode,
    const std::function<int(int bound)> &random);

} // namespace solvaro
