#pragma once

#include <QChar>
#include <QString>

namespace solvaro {

// What a typed key does in a formula field. Keys are characters: backspace is
// '\b', Enter '\r', Escape '\x1b'.
enum class KeyAction {
    // The field takes `key` (possibly replaced) as usual.
    Accept,
    // The key is swallowed.
    Swallow,
    // Focus moves to the next control.
    FocusNext,
    // The step is confirmed, as the Ok button does.
    Confirm,
};

struct KeyOutcome {
    KeyAction action = KeyAction::Swallow;
    QChar key;

    bool operator==(const KeyOutcome &) const = default;
};

// Number fields (dato1KeyPress): digits and backspace pass, ',' and '.' become
// the decimal separator, Enter moves on (or confirms in the field named
// "Risultato2"), everything else is swallowed.
KeyOutcome dato1KeyPress(QChar key, QChar decimalSeparator, const QString &fieldName = QString());

// Unit fields (dato2KeyPress): only backspace, Enter, Escape and the lower-case
// unit letters a c d g h k l m t pass.
KeyOutcome dato2KeyPress(QChar key);

// Operator fields, for the pupil who works from the keyboard: an operator key
// gives the operator as the operator menu writes it ("+", "-", "X", ":"; "x"
// and "*" stand for "X", "/" for ":"), backspace passes, Enter moves on, every
// other key is swallowed.
KeyOutcome operatorKeyPress(QChar key);

} // namespace solvaro
