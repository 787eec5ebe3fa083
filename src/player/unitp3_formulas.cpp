// The formula panels of a sheet: their fields on screen, the pupil's typing and
// operator choice, and the teacher's Expression Box.
#include "player/unitp3.h"

#include "app/appcontext.h"
#include "base/dialogs.h"
#include "player/expressionbox.h"
#include "player/formulasteps.h"
#include "player/unitp3_formulafield.h"
#include "storage/inifile.h"
#include "ui/elementtag.h"
#include "ui/fillpanel.h"
#include "ui/speedbutton.h"
#include "ui/textlabel.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>

namespace solvaro {

namespace {

constexpr int FieldLabelTag = 4;
constexpr int FieldLabelFontSize = 8;

} // namespace

void TFormP3::CreaAllINPUT()
{
    freeFormulaPanels();
    const FormulaSheet &sheet = m_logic.formulas();
    QFont labelFont(QStringLiteral("Comic Sans MS"));
    labelFont.setPointSize(FieldLabelFontSize);
    labelFont.setBold(true);
    for (int k = 0; k < sheet.rowCount(); ++k) {
        const FormulaRow &row = sheet.row(k);
        auto *panel = new FillPanel(LMDFill0);
        panel->setObjectName(row.panelName);
        setElementTag(panel, 0);
        panel->setFillStyle(FillStyle::None);
        panel->setGeometry(row.panelGeometry);
        QVector<QPointer<pLMDedit>> inputs;
        for (const FormulaField &field : row.fields) {
            auto *label = new TextLabel(panel);
            setElementTag(label, FieldLabelTag);
            label->setFont(labelFont);
            label->setTextColor(Qt::black);
            label->setTransparent(true);
            label->setCaption(field.label);
            label->setGeometry(field.labelGeometry);
            label->show();

            auto *input = new pLMDedit(field, k, m_context.env.decimalSeparator, panel);
            describeField(input, field.label);
            m_context.handlers().connect(
                input, &QLineEdit::textChanged, this, [this, input] { fieldEdited(input); });
            m_context.handlers().connect(
                input, &pLMDedit::confirmRequested, this, &TFormP3::confirmFromField);
            m_context.handlers().connect(
                input, &pLMDedit::nextRequested, this, [this, input] { nextFieldFrom(input); });
            m_context.handlers().connect(input, &pLMDedit::operatorTyped, this,
                [this, input](QChar op) { typeOperator(input, op); });
            m_context.handlers().connect(input, &pLMDedit::clicked, this, [this, input] {
                if (input->clickAction() == FieldClick::ChooseOperator)
                    OperandoClick(input);
                else if (input->clickAction() == FieldClick::EditExpectedFormula)
                    dato1Click(input);
            });
            input->show();
            inputs.append(input);
        }
        panel->setVisible(row.panelVisible);
        formulaPanels.append(panel);
        formulaInputs.append(inputs);
    }
}

void TFormP3::freeFormulaPanels()
{
    for (const QPointer<FillPanel> &panel : std::as_const(formulaPanels))
        delete panel.data();
    formulaPanels.clear();
    formulaInputs.clear();
}

void TFormP3::showFormulaRows()
{
    const FormulaSheet &sheet = m_logic.formulas();
    // A field answered right is closed; the keys wait on the Ok button for
    // the next step rather than jumping elsewhere on the screen.
    if (auto *typing = qobject_cast<pLMDedit *>(QApplication::focusWidget());
        typing && isAncestorOf(typing) && sheet.hasRow(typing->formulaIndex())) {
        const FormulaField *model = sheet.row(typing->formulaIndex()).field(typing->position());
        if (model && !model->enabled && B1->isVisible())
            B1->setFocus(Qt::OtherFocusReason);
    }
    for (int k = 0; k < sheet.rowCount() && k < formulaPanels.size(); ++k) {
        const FormulaRow &row = sheet.row(k);
        if (FillPanel *panel = formulaPanels.at(k)) {
            panel->setVisible(row.panelVisible);
            if (row.panelVisible)
                panel->raise();
        }
        const QVector<QPointer<pLMDedit>> &inputs = formulaInputs.at(k);
        for (int i = 0; i < row.fields.size() && i < inputs.size(); ++i) {
            if (pLMDedit *input = inputs.at(i))
                input->showField(row.fields.at(i));
        }
    }
}

void TFormP3::fieldEdited(pLMDedit *field)
{
    FormulaSheet &sheet = m_logic.formulas();
    if (!sheet.hasRow(field->formulaIndex()))
        return;
    if (FormulaField *model = sheet.row(field->formulaIndex()).field(field->position()))
        model->text = field->text();
}

void TFormP3::OperandoClick(pLMDedit *field)
{
    if (!field)
        return;
    const StepCycle &steps = m_logic.steps();
    if (m_logic.formulas().OperandoClick(
            field->position(), steps.kindOf(steps.currentStep()), editMode())) {
        PopupMenu1->popup(QCursor::pos());
    }
}

void TFormP3::N1Click(int item)
{
    if (m_logic.formulas().N1Click(item, m_logic.steps().currentFormulaIndex()))
        showFormulaRows();
}

void TFormP3::dato1Click(pLMDedit *field)
{
    if (!field || !editMode())
        return;
    const int formulaIndex = elementTag(field);
    const QString &kinds = m_logic.xSCHEMA().formulaKinds;
    if (formulaIndex < 0 || formulaIndex >= kinds.size())
        return;
    IniFile exerciseFile(
        m_context.folders.resolve(exerciseFileName), m_context.env.decimalSeparator);
    editExpectedFormula(exerciseFile, exerciseSection, formulaIndex, kinds.at(formulaIndex),
        m_logic.formulas().matrixWidth(), m_context.env.decimalSeparator, *m_context.env.dialogs);
}

void TFormP3::confirmFromField()
{
    B1Click();
}

} // namespace solvaro
