#include "overview/classreport.h"

#include "ui/report/reportengine.h"

#include <QLocale>
#include <memory>

namespace solvaro {

namespace {

constexpr double pageWidth = 210;
constexpr double margin = 12;
constexpr double headingHeight = 24;
constexpr double columnsHeight = 7;
constexpr double rowHeight = 6;
constexpr double summaryHeight = 10;
const QColor headingColor(0x15, 0x65, 0xc0);
const QColor columnsColor(0xe3, 0xf2, 0xfd);
const QColor lineColor(0x90, 0xa4, 0xae);
const QString category = QStringLiteral("overview");

QString variable(int table, int column)
{
    return QStringLiteral("T%1C%2").arg(table).arg(column);
}

ReportObject text(const QString &band, const QRectF &rect, const QString &content, double size = 10,
    bool bold = false)
{
    ReportObject object;
    object.band = band;
    object.rect = rect;
    object.text = content;
    object.textIsLiteral = true;
    object.font.pointSize = size;
    object.font.bold = bold;
    object.alignment = Qt::AlignLeft | Qt::AlignVCenter;
    object.wordWrap = false;
    object.shrinkToFit = true;
    return object;
}

ReportTemplate classTemplate(const ClassReportInput &input)
{
    ReportTemplate report;
    report.title = QStringLiteral("Class overview");
    QStringList variables;
    const QString date = QLocale().toString(input.printed, QLocale::ShortFormat);
    for (int t = 0; t < input.tables.size(); ++t) {
        const PrintedTable &table = input.tables[t];
        ReportPage page;
        page.name = QStringLiteral("page%1").arg(t);
        page.left = page.right = page.top = page.bottom = margin;
        report.pages.append(page);

        const QString header = page.name + QStringLiteral("_header");
        const QString rows = page.name + QStringLiteral("_rows");
        const double width = pageWidth - 2 * margin;
        report.bands.append(
            { header, page.name, ReportBandKind::PageHeader, headingHeight + columnsHeight });
        report.bands.append({ rows, page.name, ReportBandKind::Data, rowHeight });

        ReportObject title = text(header, QRectF(0, 0, width, 10),
            QStringLiteral("Class overview: ") + table.title, 16, true);
        title.font.color = Qt::white;
        title.fillColor = headingColor;
        title.padding = 2;
        report.objects.append(title);
        report.objects.append(text(
            header, QRectF(0, 11, width, 6), QStringLiteral("%1   %2").arg(date, input.folder), 9));
        report.objects.append(text(header, QRectF(0, 17, width, 6), input.filterText, 9));

        double left = 0;
        for (int c = 0; c < table.headers.size(); ++c) {
            const double w = table.widths.value(c, 20);
            ReportObject heading = text(
                header, QRectF(left, headingHeight, w, columnsHeight), table.headers[c], 10, true);
            heading.fillColor = columnsColor;
            heading.frameColor = lineColor;
            report.objects.append(heading);

            ReportObject cell = text(rows, QRectF(left, 0, w, rowHeight),
                QLatin1Char('[') + variable(t, c) + QLatin1Char(']'));
            cell.name = variable(t, c);
            cell.textIsLiteral = false;
            cell.frameColor = lineColor;
            const bool number
                = !table.rows.isEmpty() && table.rows.first().value(c).typeId() == QMetaType::Int;
            if (number)
                cell.alignment = Qt::AlignRight | Qt::AlignVCenter;
            report.objects.append(cell);
            variables.append(variable(t, c));
            left += w;
        }

        if (t == 0) {
            const QString summary = page.name + QStringLiteral("_summary");
            report.bands.append({ summary, page.name, ReportBandKind::Summary, summaryHeight });
            report.objects.append(text(summary, QRectF(0, 3, width, 6), input.summary, 10, true));
        }
    }
    report.variableCategories.append({ category, variables });
    // Names must differ; the cells carry their variable's.
    for (qsizetype i = 0; i < report.objects.size(); ++i) {
        if (report.objects[i].name.isEmpty())
            report.objects[i].name = QStringLiteral("text%1").arg(i);
    }
    return report;
}

// The engine asks for the rows of each page's data band in turn, each time
// starting with the row count.
struct RowCursor {
    const ClassReportInput *input = nullptr;
    int table = -1;
    int row = -1;

    QString value(const QString &name) const
    {
        // "T<table>C<column>": the band asking is the current table's.
        const int column = name.mid(name.indexOf(QLatin1Char('C')) + 1).toInt();
        if (table < 0 || table >= input->tables.size())
            return QString();
        const QVector<QVariantList> &rows = input->tables[table].rows;
        return row >= 0 && row < rows.size() ? rows[row].value(column).toString() : QString();
    }
};

} // namespace

void buildClassReport(const ClassReportInput &input, ReportEngine &engine)
{
    engine.setTemplate(classTemplate(input));
    const auto cursor = std::make_shared<RowCursor>();
    cursor->input = &input;
    engine.setDataSetCallback([cursor](ReportDataOperation operation, int &value) {
        switch (operation) {
        case ReportDataOperation::RowCount:
            ++cursor->table;
            cursor->row = -1;
            value = int(cursor->input->tables.value(cursor->table).rows.size());
            break;
        case ReportDataOperation::First:
            cursor->row = 0;
            break;
        case ReportDataOperation::Next:
            ++cursor->row;
            break;
        }
    });
    engine.setValueCallback([cursor](const QString &name) { return cursor->value(name); });
    engine.prepareReport();
}

} // namespace solvaro
