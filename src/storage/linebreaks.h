#pragma once

#include <QString>

namespace solvaro {

// A multi-line text is stored on one line with every line break written as '|'.
QString encodeLineBreaks(const QString &text);
// Turns every '|' of a stored text back into a line break ("\r\n").
QString decodeLineBreaks(const QString &stored);

} // namespace solvaro
