// The question panel, the answer and help buttons, answer labels and the
// teacher's editing of question groups.
#include "player/unitp3.h"

#include "app/appcontext.h"
#include "app/unit0.h"
#include "storage/colornumber.h"
#include "ui/elementtag.h"
#include "ui/fillpanel.h"
#include "ui/hintwindow.h"
#include "ui/linebreaktext.h"
#include "ui/lookwidgets.h"
#include "ui/mouseevents.h"
#include "ui/radiogroup.h"
#include "ui/scrollbox.h"
#include "ui/speakerbutton.h"
#include "ui/speedbutton.h"
#include "ui/tabstrip.h"
#include "ui/textlabel.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QRadioButton>

namespace solvaro {

namespace {

constexpr int QuestionBoxHeight = 250;
constexpr int QuestionBoxLeft = 100;
constexpr int QuestionBoxMargin = 150;
constexpr int ButtonBarRightMargin = 20;
constexpr int WorkAreaBottomMargin = 10;
constexpr int AnswerLabelLeft = 70;
constexpr int AnswerLabelMargin = 200;
constexpr int HintGap = 2;

QColor shown(qint32 colorNumber)
{
    return colorFromNumber(colorNumber, QGuiApplication::palette());
}

} // namespace

void TFormP3::B1Click()
{
    m_logic.steps().answer(E1->itemIndex());
}

void TFormP3::H1Click()
{
    m_logic.steps().showHelp();
}

void TFormP3::showErrors(const QString &text)
{
    errorsLabel->setCaption(text);
}

void TFormP3::showHint(const QString &text)
{
    // Beside the help button on its left, where it hides neither the options
    // nor the formula row.
    msg->showHintBeside(text, H1);
    const QPoint corner = H1->mapToGlobal(QPoint(0, 0));
    msg->move(corner.x() - msg->width() - HintGap, corner.y());
    msg->setAccessibleDescription(toLfLineBreaks(text));
    placeHintSpeaker();
}

void TFormP3::hideHint()
{
    msg->hideHint();
    hintSpeaker->hide();
}

void TFormP3::loadQuestionGroup(const QStringList &options, const LookFont &font)
{
    m_questionFont = fontFromLook(font, E1->font());
    E1->setFont(m_questionFont);
    QPalette colors = E1->palette();
    colors.setColor(QPalette::WindowText, shown(font.color));
    colors.setColor(QPalette::ButtonText, shown(font.color));
    E1->setPalette(colors);
    E1->setItems(options);
    // New items of a group on show would appear only once the event loop ran,
    // and the group would have sized itself without them.
    for (QRadioButton *item : E1->findChildren<QRadioButton *>())
        item->setVisible(true);
    E1->fitToItems();
    E1->show();
}

void TFormP3::showQuestionPanel(int top)
{
    E1sp->setGeometry(
        QuestionBoxLeft, top, qMax(0, LMDFill0->width() - QuestionBoxMargin), QuestionBoxHeight);
    E1sp->show();
    E1sp->raise();
    const int bottom = E1sp->y() + E1sp->height();
    if (bottom > LMDFill0->height())
        LMDFill0->resize(LMDFill0->width(), bottom + WorkAreaBottomMargin);
    focusCurrentStep();
}

void TFormP3::showButtonBar(int top)
{
    const int width = B1->width() + H1->width() + 2;
    E1sp->setGeometry(
        LMDFill0->width() - width - ButtonBarRightMargin, top, width, B1->height() + 2);
    E1sp->show();
    E1sp->raise();
    focusCurrentStep();
}

void TFormP3::moveQuestionPanel(int top)
{
    E1sp->move(E1sp->x(), top);
}

void TFormP3::hideQuestionPanel()
{
    const QWidget *focused = QApplication::focusWidget();
    const bool keysHere = focused && isAncestorOf(focused);
    E1sp->hide();
    // Nothing is left to answer: the keyboard goes to the exercise tabs, from
    // where the pupil moves on.
    TForm0 *main = m_context.forms.Form0;
    if (keysHere && main && !editMode())
        main->TabEserc->setFocus(Qt::OtherFocusReason);
}

void TFormP3::showAnswerLabel(int step, const QString &text, const LookFont &font)
{
    if (step < 0 || step >= answerLabels.size())
        return;
    delete answerLabels.at(step).data();
    const bool teacher = editMode();
    auto *label = new TextLabel(LMDFill0);
    label->setObjectName(QStringLiteral("answerLabel%1").arg(step));
    setElementTag(label, step);
    const QFont labelFont = fontFromLook(font, m_questionFont);
    label->setFont(labelFont);
    label->setTextColor(shown(font.color));
    label->setBackgroundColor(shown(clGray));
    label->setTransparent(!teacher);
    label->setGeometry(AnswerLabelLeft, m_logic.steps().stepTop(step),
        qMax(0, LMDFill0->width() - AnswerLabelMargin), 2 * qMax(0, font.size));
    label->setCaption(text);
    if (teacher) {
        label->setCursor(Qt::PointingHandCursor);
        m_context.handlers().connect(
            MouseEvents::of(label), &MouseEvents::released, this, [this, step](QMouseEvent *event) {
                if (event->button() == Qt::LeftButton)
                    LabelClick(step);
            });
    }
    label->show();
    answerLabels[step] = label;
}

void TFormP3::LabelClick(int step)
{
    TextLabel *label = answerLabels.value(step);
    if (!editMode() || !label)
        return;
    E1sp->move(E1sp->x(), label->y());
    setElementTag(E1, step);
    const QuestionGroup group = readQuestionGroup(step);
    loadQuestionGroup(group.options, group.font);
    if (editQuestionGroup)
        editQuestionGroup(E1, questionGroupRecord(exerciseFileName, exerciseSection, step));
    label->setFont(E1->font());
}

void TFormP3::scrollTo(int y)
{
    // A change of position brings the message bar and the problem band along
    // (SBScroll).
    SB->updateContentSize();
    SB->setVerticalPosition(y);
}

void TFormP3::raiseSolvedCounter()
{
    if (TForm0 *main = m_context.forms.Form0)
        main->solvedExercises += 1;
}

} // namespace solvaro
