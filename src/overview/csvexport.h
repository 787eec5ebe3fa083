#pragma once

#include <QByteArray>
#include <QStringList>
#include <QVariantList>
#include <QVector>

namespace solvaro {

// A table as a CSV file that spreadsheets open: UTF-8 with a byte-order mark
// (without it some take the bytes for their own code page), commas, CRLF
// after every record, and a field in double quotes, its quotes doubled, when
// it holds a comma, a quote or a line break. A text that a spreadsheet would
// take for a formula (it begins with '=', '+', '-', '@', a tab or a carriage
// return) gets a leading apostrophe, so that a pupil's name cannot run one.
QByteArray csvText(const QStringList &headers, const QVector<QVariantList> &rows);

// Writes the file in one piece; false, leaving an earlier file as it was, when
// it cannot be written.
bool writeCsvFile(const QString &path, const QByteArray &content);

} // namespace solvaro
