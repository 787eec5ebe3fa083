#include "overview/classoverviewwindow.h"

#include "app/appcontext.h"
#include "base/dialogs.h"
#include "overview/classreport.h"
#include "overview/csvexport.h"
#include "overview/tablemodel.h"
#include "ui/report/reportengine.h"
#include "ui/report/reportpreview.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace solvaro {

namespace {

constexpr char progressFolder[] = "SOL_TMP\\";

QTableView *tableView(const char *name, TableModel *model, QWidget *parent)
{
    auto *view = new QTableView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(model);
    // Rows come in pupil, sheet and exercise order until a heading is clicked.
    view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view->setSortingEnabled(true);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view->verticalHeader()->hide();
    // Rows as tight as their text: a class is long.
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    return view;
}

QLabel *caption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

ClassOverviewWindow::ClassOverviewWindow(AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
{
    setObjectName(QStringLiteral("ClassOverview"));
    setWindowTitle(QStringLiteral("Class overview"));

    m_results = new TableModel(resultHeaders(), this);
    m_pupilTotals = new TableModel(pupilTotalsHeaders(), this);
    m_exerciseTotals = new TableModel(exerciseTotalsHeaders(), this);

    pupilFilter = new QComboBox(this);
    pupilFilter->setObjectName(QStringLiteral("pupilFilter"));
    pupilFilter->setMinimumContentsLength(16);
    sheetFilter = new QComboBox(this);
    sheetFilter->setObjectName(QStringLiteral("sheetFilter"));
    sheetFilter->setMinimumContentsLength(10);
    folderLabel = new QLabel(this);
    folderLabel->setObjectName(QStringLiteral("folderLabel"));
    folderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    resultsTable = tableView("resultsTable", m_results, this);
    pupilTotalsTable = tableView("pupilTotalsTable", m_pupilTotals, this);
    exerciseTotalsTable = tableView("exerciseTotalsTable", m_exerciseTotals, this);
    totalsLabel = caption(QString(), this);
    totalsLabel->setObjectName(QStringLiteral("totalsLabel"));
    unreadableList = new QListWidget(this);
    unreadableList->setObjectName(QStringLiteral("unreadableList"));

    const auto button = [this](const char *name, const QString &text) {
        auto *result = new QPushButton(text, this);
        result->setObjectName(QString::fromLatin1(name));
        return result;
    };
    reloadButton = button("reloadButton", QStringLiteral("Read again"));
    exportButton = button("exportButton", QStringLiteral("Export CSV..."));
    printButton = button("printButton", QStringLiteral("Print..."));
    closeButton = button("closeButton", QStringLiteral("Close"));

    auto *filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QStringLiteral("Pupil:"), this));
    filters->addWidget(pupilFilter);
    filters->addSpacing(12);
    filters->addWidget(new QLabel(QStringLiteral("Sheet:"), this));
    filters->addWidget(sheetFilter);
    filters->addSpacing(12);
    filters->addWidget(folderLabel, 1);

    auto *left = new QWidget(this);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(caption(QStringLiteral("Exercises"), left));
    leftLayout->addWidget(resultsTable, 1);
    leftLayout->addWidget(totalsLabel);

    auto *right = new QWidget(this);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(caption(QStringLiteral("Totals per pupil"), right));
    rightLayout->addWidget(pupilTotalsTable, 3);
    rightLayout->addWidget(caption(QStringLiteral("Totals per exercise"), right));
    rightLayout->addWidget(exerciseTotalsTable, 3);
    rightLayout->addWidget(caption(QStringLiteral("Files that cannot be read"), right));
    rightLayout->addWidget(unreadableList, 1);

    auto *splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 4);
    splitter->setStretchFactor(1, 5);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(reloadButton);
    buttons->addStretch(1);
    buttons->addWidget(exportButton);
    buttons->addWidget(printButton);
    buttons->addWidget(closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);

    m_context.handlers().connect(
        pupilFilter, &QComboBox::currentIndexChanged, this, [this] { filterChange(); });
    m_context.handlers().connect(
        sheetFilter, &QComboBox::currentIndexChanged, this, [this] { filterChange(); });
    m_context.handlers().connect(
        reloadButton, &QPushButton::clicked, this, &ClassOverviewWindow::reload);
    m_context.handlers().connect(
        exportButton, &QPushButton::clicked, this, &ClassOverviewWindow::exportClick);
    m_context.handlers().connect(
        printButton, &QPushButton::clicked, this, &ClassOverviewWindow::printClick);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

ClassOverviewWindow::~ClassOverviewWindow() = default;

void ClassOverviewWindow::setReportPreview(std::unique_ptr<ReportPreview> preview)
{
    m_preview = std::move(preview);
}

void ClassOverviewWindow::reload()
{
    const QString folder = m_context.folders.resolve(QString::fromLatin1(progressFolder));
    m_overview = ClassOverview(readClassProgress(folder));
    folderLabel->setText(QDir::toNativeSeparators(folder));
    buildFilters();
    unreadableList->clear();
    for (const UnreadableFile &file : m_overview.progress().unreadable)
        unreadableList->addItem(file.fileName + QStringLiteral(": ") + file.reason);
    filterChange();
}

void ClassOverviewWindow::buildFilters()
{
    const QVariant pupil = pupilFilter->currentData();
    const QVariant sheet = sheetFilter->currentData();
    const QSignalBlocker quietPupil(pupilFilter);
    const QSignalBlocker quietSheet(sheetFilter);
    pupilFilter->clear();
    pupilFilter->addItem(QStringLiteral("All pupils"));
    for (const QString &name : m_overview.pupils())
        pupilFilter->addItem(name, name);
    sheetFilter->clear();
    sheetFilter->addItem(QStringLiteral("All sheets"));
    for (const int number : m_overview.sheets())
        sheetFilter->addItem(QStringLiteral("%1").arg(number + 1, 2, 10, QLatin1Char('0')), number);
    pupilFilter->setCurrentIndex(std::max(0, pupilFilter->findData(pupil)));
    sheetFilter->setCurrentIndex(std::max(0, sheetFilter->findData(sheet)));
}

void ClassOverviewWindow::filterChange()
{
    ClassFilter filter;
    if (const QVariant pupil = pupilFilter->currentData(); pupil.isValid())
        filter.pupil = pupil.toString();
    if (const QVariant sheet = sheetFilter->currentData(); sheet.isValid())
        filter.sheet = sheet.toInt();
    m_overview.setFilter(filter);
    showTables();
}

void ClassOverviewWindow::showTables()
{
    const QVector<PupilTotals> perPupil = m_overview.totalsPerPupil();
    m_results->setRows(resultRows(m_overview.shownResults()));
    m_pupilTotals->setRows(pupilTotalsRows(perPupil));
    m_exerciseTotals->setRows(exerciseTotalsRows(m_overview.totalsPerExercise()));
    totalsLabel->setText(totalsSummary(int(perPupil.size()), m_overview.totals()));
}

void ClassOverviewWindow::exportClick()
{
    Dialogs &dialogs = *m_context.env.dialogs;
    const QString folder = documentsFolder ? documentsFolder() : QString();
    const QString file = dialogs.saveFileName(
        QStringLiteral("Export CSV"), folder, QStringLiteral("CSV (*.csv)"), QStringLiteral("csv"));
    if (file.isEmpty())
        return;
    if (!writeCsvFile(file, csvText(m_results->headers(), m_results->rows())))
        dialogs.showMessage(QStringLiteral("Unable to write to %1").arg(file));
}

void ClassOverviewWindow::printClick()
{
    if (!m_preview)
        m_preview
            = std::make_unique<ReportPreviewDialog>(*m_context.env.dialogs, this, documentsFolder);
    ClassReportInput input;
    input.folder = folderLabel->text();
    input.filterText = QStringLiteral("Pupil: %1   Sheet: %2")
                           .arg(pupilFilter->currentText(), sheetFilter->currentText());
    input.summary = totalsLabel->text();
    input.printed = m_context.env.now ? m_context.env.now() : QDateTime::currentDateTime();
    input.tables = {
        { QStringLiteral("exercises"), m_results->headers(), m_results->rows(),
            { 62, 22, 22, 24, 24, 32 } },
        { QStringLiteral("totals per pupil"), m_pupilTotals->headers(), m_pupilTotals->rows(),
            { 66, 28, 28, 32, 32 } },
        { QStringLiteral("totals per exercise"), m_exerciseTotals->headers(),
            m_exerciseTotals->rows(), { 28, 28, 28, 28, 32, 42 } },
    };
    ReportEngine engine;
    buildClassReport(input, engine);
    m_preview->showReport(engine);
}

} // namespace solvaro
