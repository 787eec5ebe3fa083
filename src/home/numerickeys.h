#pragma once

#include <QChar>

namespace solvaro {

// What a number field does with a typed character.
enum class NumericKey {
    Accepted, // a digit, a decimal separator or backspace: typed as it is now
    Enter, // removed; the caller confirms the answer or moves on
    Rejected, // removed
};

// Lets through digits, backspace and a decimal separator, whichever of "," and
// "." was typed becoming the user's own separator; removes (nulls) the rest.
NumericKey filterNumericKey(QChar &key, QChar decimalSeparator);

} // namespace solvaro
