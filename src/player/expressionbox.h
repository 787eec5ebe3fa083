#pragma once

#include <QChar>
#include <QString>

namespace solvaro {

class Dialogs;
class IniFile;

// dato1Click in the teacher's editing mode: shows the teacher's formula "R<k>"
// of the exercise in the "Expression Box" and, when confirmed, stores what was
// typed (a formula without blanks, with '*' and '/'). A formula that cannot be
// worked out for a row of `width` places (a number that does not read with the
// decimal separator, a division by zero, too many numbers) is refused with a
// message saying why, and the box opens again on what was typed. True when it
// was stored; a failed write throws. A click on a number field does this only
// in the teacher's editing mode.
bool editExpectedFormula(IniFile &exerciseFile, const QString &section, int formulaIndex,
    QChar kind, int width, QChar decimalSeparator, Dialogs &dialogs);

} // namespace solvaro
