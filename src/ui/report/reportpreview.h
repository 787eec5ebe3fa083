#pragma once

#include "media/documentsfolder.h"

class QWidget;

namespace solvaro {

class Dialogs;
class ReportEngine;

// Where a built report is shown: a preview window from which it is printed
// or saved as PDF. Tests put a recorder in its place.
class ReportPreview
{
public:
    virtual ~ReportPreview() = default;

    // Shows the engine's prepared sheets; returns when the preview is closed.
    virtual void showReport(const ReportEngine &engine) = 0;
};

// The print preview window, with a button that saves the report as PDF in a
// file the user picks (the dialogs open in the documents folder).
class ReportPreviewDialog final : public ReportPreview
{
public:
    ReportPreviewDialog(Dialogs &dialogs, QWidget *parent = nullptr,
        DocumentsFolderLookup documents = systemDocumentsFolder);

    void showReport(const ReportEngine &engine) override;

    // "Save as PDF": asks for a file and writes it; a failure is told.
    void saveAsPdf(const ReportEngine &engine);

private:
    Dialogs &m_dialogs;
    QWidget *m_parent;
    DocumentsFolderLookup m_documents;
};

} // namespace solvaro
