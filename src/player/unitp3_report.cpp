// The printed result report of the exercise on screen.
#include "player/unitp3.h"

#include "app/appcontext.h"
#include "home/unit1.h"
#include "player/reportcontent.h"
#include "player/resultreport.h"
#include "ui/fillpanel.h"
#include "ui/report/reportpreview.h"
#include "ui/textlabel.h"

namespace solvaro {

ReportInput TFormP3::reportInput() const
{
    ReportInput input;
    input.progress = progressOnScreen();
    input.rawScheme = m_logic.xSCHEMA().rawScheme;
    input.stepKinds = m_logic.xSCHEMA().stepKinds;
    for (const QPointer<FillPanel> &band : sectionBands)
        input.sectionCaptions.append(band ? band->caption() : QString());
    input.pupilName = m_context.forms.Form1 ? m_context.forms.Form1->pupilName() : QString();
    input.sheetLabel = sheetLabel->caption();
    input.exerciseLabel = exerciseLabel->caption();
    input.errorsLabel = errorsLabel->caption();
    input.problemText = LMDtesto->caption();
    input.now = m_context.env.now ? m_context.env.now() : QDateTime::currentDateTime();
    input.locale = m_context.env.locale;
    return input;
}

void TFormP3::STAMPA()
{
    if (!m_reportPreview)
        m_reportPreview
            = std::make_unique<ReportPreviewDialog>(*m_context.env.dialogs, this, documentsFolder);
    ResultReport report(m_context.folders, *m_context.env.dialogs, *m_reportPreview);
    report.STAMPA(reportInput());
}

void TFormP3::setReportPreview(std::unique_ptr<ReportPreview> preview)
{
    m_reportPreview = std::move(preview);
}

} // namespace solvaro
