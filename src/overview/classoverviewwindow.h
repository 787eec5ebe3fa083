#pragma once

#include "media/documentsfolder.h"
#include "overview/classtotals.h"

#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableView;

namespace solvaro {

struct AppContext;
class ReportPreview;
class TableModel;

// The teacher's view of the whole class: every pupil's saved exercises read
// from the progress folder, with totals per pupil and per exercise, filters by
// pupil and sheet, export to a spreadsheet and printing.
class ClassOverviewWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit ClassOverviewWindow(AppContext &context, QWidget *parent = nullptr);
    ~ClassOverviewWindow() override;

    QComboBox *pupilFilter = nullptr;
    QComboBox *sheetFilter = nullptr;
    QTableView *resultsTable = nullptr;
    QTableView *pupilTotalsTable = nullptr;
    QTableView *exerciseTotalsTable = nullptr;
    QLabel *totalsLabel = nullptr;
    QLabel *folderLabel = nullptr;
    QListWidget *unreadableList = nullptr;
    QPushButton *reloadButton = nullptr;
    QPushButton *exportButton = nullptr;
    QPushButton *printButton = nullptr;
    QPushButton *closeButton = nullptr;

    // Where the export dialog starts.
    DocumentsFolderLookup documentsFolder = systemDocumentsFolder;
    // Tests put a recorder in place of the preview window.
    void setReportPreview(std::unique_ptr<ReportPreview> preview);

    // Reads the progress folder again, keeping the filters where they still apply.
    void reload();
    void exportClick();
    void printClick();

private:
    void buildFilters();
    void filterChange();
    void showTables();

    AppContext &m_context;
    ClassOverview m_overview;
    TableModel *m_results = nullptr;
    TableModel *m_pupilTotals = nullptr;
    TableModel *m_exerciseTotals = nullptr;
    std::unique_ptr<ReportPreview> m_preview;
};

} // namespace solvaro
