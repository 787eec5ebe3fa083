#include "ui/report/reportpreview.h"

#include "base/dialogs.h"
#include "ui/report/reportengine.h"

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

namespace solvaro {

ReportPreviewDialog::ReportPreviewDialog(
    Dialogs &dialogs, QWidget *parent, DocumentsFolderLookup documents)
    : m_dialogs(dialogs)
    , m_parent(parent)
    , m_documents(std::move(documents))
{
}

void ReportPreviewDialog::showReport(const ReportEngine &engine)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, m_parent);
    dialog.setObjectName(QStringLiteral("frReport1Preview"));
    dialog.setWindowTitle(engine.reportTemplate().title);
    // Big enough to read the sheet: most of the program's window, or of the
    // screen without one.
    const QRect area = m_parent ? m_parent->window()->geometry()
        : dialog.screen()       ? dialog.screen()->availableGeometry()
                                : QRect();
    if (area.isValid()) {
        dialog.resize(area.size() * 0.85);
        dialog.move(area.center() - dialog.rect().center());
    }
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
        [&engine](QPrinter *target) { engine.print(*target); });
    // Printing to a file is what a desktop without a printer has; give it a
    // button of its own.
    if (QToolBar *toolbar = dialog.findChild<QToolBar *>()) {
        QAction *pdf = toolbar->addAction(QStringLiteral("Save as PDF"));
        pdf->setObjectName(QStringLiteral("savePdf"));
        QObject::connect(pdf, &QAction::triggered, &dialog, [this, &engine] { saveAsPdf(engine); });
    }
    dialog.exec();
}

void ReportPreviewDialog::saveAsPdf(const ReportEngine &engine)
{
    QString folder;
    if (m_documents)
        folder = m_documents();
    const QString file = m_dialogs.saveFileName(QStringLiteral("Save as PDF"), folder,
        QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"));
    if (file.isEmpty())
        return;
    if (!engine.exportPdf(file))
        m_dialogs.showMessage(QStringLiteral("Unable to write to %1").arg(file));
}

} // namespace solvaro
