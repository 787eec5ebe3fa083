#pragma once

#include <QDateTime>
#include <QStringList>
#include <QVariantList>
#include <QVector>

namespace solvaro {

class ReportEngine;

// One table of the printed class overview, as the window shows it.
struct PrintedTable {
    QString title;
    QStringList headers;
    QVector<QVariantList> rows;
    // Column widths in millimetres; they add up to the printable width.
    QVector<double> widths;
};

// The printed class overview: a heading with the date, the folder read and the
// filters, then each table on sheets of its own with its column headings on
// every sheet, the class totals under the first.
struct ClassReportInput {
    QString folder;
    QString filterText;
    QString summary;
    QDateTime printed;
    QVector<PrintedTable> tables;
};

// Builds the report's template and its sheets in the engine, ready for the
// preview.
void buildClassReport(const ClassReportInput &input, ReportEngine &engine);

} // namespace solvaro
