#include "player/keyfilters.h"

namespace solvaro {

namespace {

const QChar backspace(8);
const QChar enter(13);
const QChar escape(27);

} // namespace

KeyOutcome dato1KeyPress(QChar key, QChar decimalSeparator, const QString &fieldName)
{
    if ((key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key == backspace)
        return { KeyAction::Accept, key };
    if (key == QLatin1Char(',') || key == QLatin1Char('.'))
        return { KeyAction::Accept, decimalSeparator };
    if (key == enter) {
        return fieldName == QLatin1String("Risultato2") ? KeyOutcome { KeyAction::Confirm, key }
                                                        : KeyOutcome { KeyAction::FocusNext, key };
    }
    return { KeyAction::Swallow, key };
}

KeyOutcome dato2KeyPress(QChar key)
{
    static const QLatin1String unitLetters("acdghklmt");
    if (key == backspace || key == enter || key == escape || unitLetters.contains(key))
        return { KeyAction::Accept, key };
    return { KeyAction::Swallow, key };
}

KeyOutcome operatorKeyPress(QChar key)
{
    if (key == backspace)
        return { KeyAction::Accept, key };
    if (key == enter)
        return { KeyAction::FocusNext, key };
    switch (key.unicode()) {
    case '+':
    case '-':
        return { KeyAction::Accept, key };
    case 'x':
    case 'X':
    case '*':
        return { KeyAction::Accept, QLatin1Char('X') };
    case ':':
    case '/':
        return { KeyAction::Accept, QLatin1Char(':') };
    default:
        return { KeyAction::Swallow, key };
    }
}

} // namespace solvaro
