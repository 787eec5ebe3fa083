#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace solvaro {

// The expected texts of an equivalence, from the teacher's text: "3 km = 3000 m"
// gives 3, km, =, 3000, m. Before and after the first '=' the digits, ',' and
// '.' make the number and the letters A-Z, a-z the unit; anything else is
// dropped and each part keeps at most 15 characters.
QStringList splitEquivalence(const QString &text);

// What the Expression Box stores for a step of the given kind: a formula loses
// its blanks and gets '*' for 'x' and 'X' and '/' for ':' ("12 x 7" -> "12*7");
// an equivalence is stored as typed.
QString expressionBoxValue(QChar kind, const QString &typed);

} // namespace solvaro
