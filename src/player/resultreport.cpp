#include "player/resultreport.h"

#include "base/dialogs.h"
#include "storage/colornumber.h"
#include "storage/datafolders.h"
#include "ui/report/reportengine.h"
#include "ui/report/reportpreview.h"

#include <QPalette>

namespace solvaro {

namespace {

static_assert(int(ReportDataOperation::RowCount) == int(DataSetOperation::RowCount));
static_assert(int(ReportDataOperation::First) == int(DataSetOperation::First));
static_assert(int(ReportDataOperation::Next) == int(DataSetOperation::Next));

// The template's objects as the program changes them; names the template
// lacks change nothing.
class EngineObjects final : public ReportObjects
{
public:
    explicit EngineObjects(ReportEngine &engine)
        : m_engine(engine)
    {
    }

    bool hasObject(const QString &name) const override { return m_engine.findObject(name); }

    void setText(const QString &name, const QString &text) override
    {
        if (ReportObject *object = m_engine.findObject(name)) {
            object->text = text;
            // What the pupil typed is printed as typed, brackets and all.
            object->textIsLiteral = true;
        }
    }

    void setVisible(const QString &name, bool visible) override
    {
        if (ReportObject *object = m_engine.findObject(name))
            object->visible = visible;
    }

    void setFrameColor(const QString &name, qint32 colorNumber) override
    {
        if (ReportObject *object = m_engine.findObject(name))
            object->frameColor = colorFromNumber(colorNumber, QPalette());
    }

    void setFillColor(const QString &name, qint32 colorNumber) override
    {
        if (ReportObject *object = m_engine.findObject(name))
            object->fillColor = colorFromNumber(colorNumber, QPalette());
    }

private:
    ReportEngine &m_engine;
};

} // namespace

ResultReport::ResultReport(const DataFolders &folders, Dialogs &dialogs, ReportPreview &preview)
    : m_folders(folders)
    , m_dialogs(dialogs)
    , m_preview(preview)
{
}

bool ResultReport::build(const ReportInput &input, ReportEngine &engine)
{
    const DataFolders &folders = m_folders;
    engine.setPictureResolver(
        [&folders](const QString &stored) { return folders.resolve(stored); });
    if (!engine.loadFromFile(m_folders.resolve(templateFile))) {
        m_dialogs.showMessage(engine.errorString());
        return false;
    }

    EngineObjects objects(engine);
    ResultReportFiller filler(input, objects);
    filler.prepare();
    engine.setDataSetCallback([&filler](ReportDataOperation operation, int &value) {
        filler.frReport1DataSetWork(static_cast<DataSetOperation>(operation), value);
    });
    engine.setValueCallback(
        [&filler](const QString &name) { return filler.frReport1GetValue(name); });
    engine.prepareReport();
    // The filler ends here; the built sheets need it no longer.
    engine.setDataSetCallback({});
    engine.setValueCallback({});
    return true;
}

bool ResultReport::STAMPA(const ReportInput &input)
{
    ReportEngine engine;
    if (!build(input, engine))
        return false;
    m_preview.showReport(engine);
    return true;
}

} // namespace solvaro
