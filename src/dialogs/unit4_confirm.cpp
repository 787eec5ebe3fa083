// Confirming the "Edit Box": the element takes the look and its record is
// written at once.
#include "app/appcontext.h"
#include "dialogs/unit4.h"
#include "storage/colornumber.h"
#include "ui/fillpanel.h"
#include "ui/lookwidgets.h"
#include "ui/memo.h"

#include <QComboBox>
#include <QSpinBox>

namespace solvaro {

namespace {

// The caption alignment list read as a label's justification: the middle
// column centres, the right column justifies right.
LookTextAlignment labelAlignmentOf(int item)
{
    switch (item % 3) {
    case 1:
        return LookTextAlignment::taCenter;
    case 2:
        return LookTextAlignment::taRightJustify;
    default:
        return LookTextAlignment::taLeftJustify;
    }
}

} // namespace

void TForm4::LMDButton1Click()
{
    if (m_element) {
        switch (m_kind) {
        case LookKind::QuestionGroup:
            confirmQuestionGroup();
            break;
        case LookKind::Label:
            confirmLabel();
            break;
        case LookKind::TextStrip:
        case LookKind::Panel:
            confirmFill();
            break;
        }
    }
    accept();
}

void TForm4::LMDButton2Click()
{
    reject();
}

void TForm4::confirmQuestionGroup()
{
    Look group = readLook(m_element);
    group.answerLines = Memo1->lines();
    // The options take the editor's font; character set and colour stay.
    group.font = lookFontFromFont(Memo1->font(), group.font.charSet, group.font.color);
    group.color = numberFromColor(Memo1->palette().color(QPalette::Base));
    group.geometry.setWidth(Swidth->value());
    group.geometry.setHeight(Sheight->value());
    applyLook(m_element, group);
    writeQuestionGroupRecord(m_element, m_context.looks(), m_record);
}

void TForm4::confirmLabel()
{
    const Look preview = readLook(LMDFill1);
    Look label = readLook(m_element);
    label.text = preview.text;
    label.font = preview.font;
    label.color = preview.fill.brushColor;
    label.transparent = m_transparent;
    label.geometry.setWidth(Swidth->value());
    label.geometry.setHeight(Sheight->value());
    label.textAlignment = labelAlignmentOf(LMDComboBox1->currentIndex());
    applyLook(m_element, label);
    writeLabelRecord(m_element, m_context.looks(), m_record);
}

void TForm4::confirmFill()
{
    const Look preview = readLook(LMDFill1);
    Look fill = readLook(m_element);
    fill.text = preview.text;
    fill.alignment = preview.alignment;
    fill.font = preview.font;
    fill.fill = preview.fill;
    // Loaded only when it names an existing file; otherwise the element keeps
    // the picture it has.
    fill.fill.picture = m_picturePath;
    fill.geometry = QRect(Sleft->value(), Stop->value(), Swidth->value(), Sheight->value());
    applyLook(m_element, fill);
    if (m_kind == LookKind::TextStrip) {
        m_element->lower();
        writeTextStripRecord(m_element, m_context.looks(), m_picturePath, m_record);
    } else {
        writePanelRecord(m_element, m_context.looks(), m_picturePath, m_record);
    }
}

} // namespace solvaro
