#pragma once

#include "schemes/scheme.h"

#include <QChar>
#include <QString>

namespace solvaro {

// Formula steps ('F' and 'E') are numbered among themselves (the formula index)
// as well as among all steps (the step index, their place in stepKinds).

// Looks in stepKinds, from 1-based position pos + 1 on, for the next 'F' or 'E'.
// On success sets kind and pos (1-based) and returns true; otherwise sets pos to
// 0 and returns false.
bool nextFormula(const QString &stepKinds, QChar &kind, int &pos);

// The formula index of a step: how many 'F' and 'E' steps stand up to and
// including it, minus one.
int QualeFormula(int stepIndex, const QString &stepKinds);

// True for the kinds of formula steps.
inline bool isFormulaKind(QChar kind)
{
    return kind == stepKind::formula || kind == stepKind::equivalence;
}

} // namespace solvaro
