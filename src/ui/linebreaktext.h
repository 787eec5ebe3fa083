#pragma once

#include <QString>

namespace solvaro {

// Captions and texts travel through the program with "\r\n" line breaks; Qt
// draws and edits them with '\n'. These two turn one form into the other.
QString toLfLineBreaks(const QString &text);
QString toCrLfLineBreaks(const QString &text);

} // namespace solvaro
