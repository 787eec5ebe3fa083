#pragma once

#include <QString>

#include <optional>

namespace solvaro {

// The most operations a formula pattern can have: its numbers are the letters
// from "A", and past "Z" they would run into characters the player reads as
// operators ("o").
inline constexpr int maxFormulaOperations = 25;

// The pattern of a formula with the given number of operations (0 to
// maxFormulaOperations): 1 gives "AoB=X", 3 gives "AoBoCoD=X", 0 gives "A=X".
QString formulaPattern(int operations);

// The number of operations a pattern has: its "o" characters.
int operationCount(const QString &pattern);

// The number of operations the teacher typed; nothing when the text is not a
// whole number from 0 to maxFormulaOperations.
std::optional<int> parseOperationCount(const QString &text);

} // namespace solvaro
