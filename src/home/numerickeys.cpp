#include "home/numerickeys.h"

namespace solvaro {

namespace {

constexpr char16_t Backspace = 8;
constexpr char16_t Enter = 13;

} // namespace

NumericKey filterNumericKey(QChar &key, QChar decimalSeparator)
{
    const char16_t code = key.unicode();
    if ((code >= u'0' && code <= u'9') || code == Backspace)
        return NumericKey::Accepted;
    if (code == u',' || code == u'.') {
        key = decimalSeparator;
        return NumericKey::Accepted;
    }
    key = QChar();
    return code == Enter ? NumericKey::Enter : NumericKey::Rejected;
}

} // namespace solvaro
