#pragma once

#include "ui/report/reporttemplate.h"

#include <QList>
#include <QSizeF>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace solvaro {

// What the data band's callback is asked; the numbers are the operation codes
// the program's callback expects.
enum class ReportDataOperation {
    RowCount = 0,
    First = 2,
    Next = 3,
};

// An object as one band showed it: where on the sheet, and its text after the
// variables were replaced.
struct PreparedObject {
    ReportObject object;
    // On the sheet of paper, in millimetres from its top left corner.
    QRectF rect;
    QString text;
};

struct PreparedPage {
    QSizeF size;
    QList<PreparedObject> objects;
};

// A small report engine: loads a template, lets the program change its
// objects, builds the sheets of paper band by band while asking the program
// for rows and variable values, and paints them on a printer, a PDF file or
// a preview.
class ReportEngine
{
public:
    using DataSetCallback = std::function<void(ReportDataOperation operation, int &value)>;
    using ValueCallback = std::function<QString(const QString &name)>;

    // Pictures named in templates are read through it; without one they are
    // taken relative to the template's folder.
    void setPictureResolver(ReportPictureResolver resolve) { m_resolve = std::move(resolve); }

    // Loads a template; false, with errorString() naming the file, when it is
    // missing, unreadable or malformed. The objects start as the template has them.
    bool loadFromFile(const QString &path);
    // Takes a template the program built itself; it is always loaded.
    void setTemplate(ReportTemplate report);
    QString errorString() const { return m_error; }
    bool isLoaded() const { return m_loaded; }
    const ReportTemplate &reportTemplate() const { return m_template; }

    // The object of that name (names match without regard to case), or null.
    ReportObject *findObject(const QString &name);

    // The data band asks this for its rows: RowCount sets the count, then
    // First and Next move from row to row. Without it a data band prints once.
    void setDataSetCallback(DataSetCallback callback) { m_dataSet = std::move(callback); }
    // A declared variable in a text asks this for its value.
    void setValueCallback(ValueCallback callback) { m_value = std::move(callback); }

    // Builds the sheets of paper. Each band first has every text of it filled
    // in template order, so that what a variable changes (a colour, whether a
    // picture shows) shows on the whole band, and then is copied as it stands.
    void prepareReport();
    const QList<PreparedPage> &preparedPages() const { return m_pages; }

    // Paints one prepared sheet filling `target`, in device pixels.
    void paintPage(QPainter &painter, int page, const QRectF &target) const;
    // Every prepared sheet on a printer (the preview prints through this too).
    void print(QPrinter &printer) const;
    // Every prepared sheet into a PDF file, which replaces the file only once
    // complete. False when it cannot be written.
    bool exportPdf(const QString &path) const;

private:
    class Builder;

    QString expand(const ReportObject &object) const;
    void paintOn(QPagedPaintDevice &device, QPainter &painter,
        const std::function<void(int page)> &beforePage) const;

    ReportPictureResolver m_resolve;
    ReportTemplate m_template;
    bool m_loaded = false;
    QString m_error;
    DataSetCallback m_dataSet;
    ValueCallback m_value;
    QList<PreparedPage> m_pages;
};

} // namespace solvaro
