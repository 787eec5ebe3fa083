#pragma once

#include "player/formularow.h"

#include <QChar>
#include <QString>

namespace solvaro {

// ValidazioneRisultato: judges the pupil's answer in a formula row and marks
// each field. A formula ('F') is right when the pupil did the operations of the
// expected formula (commutative operands in either order) and typed its result
// to three decimals; expectedFormula is its postfix form. An equivalence ('E')
// is right when all five fields hold their expected texts, case ignored. A right
// row gets all its fields disabled.
//
// An empty number field becomes "0". A number field that does not read and the
// evaluator's errors throw ExpressionError; the marks set up to then stay.
bool ValidazioneRisultato(
    QChar kind, FormulaRow &row, const QString &expectedFormula, QChar decimalSeparator);

} // namespace solvaro
