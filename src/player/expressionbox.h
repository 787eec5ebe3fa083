#pragma once

#include <QChar>
#include <QString>

namespace solvaro {

class Dialogs;
class IniFile;

// dato1Click in the teacher's editing mode: shows the teacher's formula "R<k>"
// of the exercise in the "Expression Box" and, when confirmed, stores what was
// typed (a formula without blanks, with '*' and '/'). True when it was stored;
// a failed write throws. A click on a number field does this only in the
// teacher's editing mode.
bool editExpectedFormula(
    IniFile &exerciseFile, const QString &section, int formulaIndex, QChar kind, Dialogs &dialogs);

} // namespace solvaro
