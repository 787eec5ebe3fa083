// What opens the player to every pupil: names and descriptions a screen reader
// reads, the road by keyboard through a step, and reading aloud.
#include "player/unitp3.h"

#include "app/appcontext.h"
#include "media/speechoutput.h"
#include "player/stepcycle.h"
#include "player/unitp3_formulafield.h"
#include "ui/animatedpicture.h"
#include "ui/fillpanel.h"
#include "ui/hintwindow.h"
#include "ui/linebreaktext.h"
#include "ui/radiogroup.h"
#include "ui/scrollbox.h"
#include "ui/speakerbutton.h"
#include "ui/speedbutton.h"
#include "ui/tabstrip.h"

#include <QApplication>
#include <QEvent>
#include <QRadioButton>

namespace solvaro {

namespace {

constexpr int SpeakerGap = 4;
// Room kept round a control the keys scroll into view.
constexpr int FocusScrollMargin = 10;

// The operators in the order of the operator menu's items.
const QString MenuOperators = QStringLiteral("+-X:");

} // namespace

// A speaker button stays hidden until a voice is there to read.
SpeakerButton *TFormP3::newSpeaker(QWidget *parent, const QString &name, const QString &description)
{
    auto *speaker = new SpeakerButton(parent);
    speaker->setObjectName(name);
    speaker->setAccessibleName(tr("Read aloud"));
    speaker->setAccessibleDescription(description);
    speaker->setToolTip(tr("Read aloud"));
    speaker->hide();
    return speaker;
}

void TFormP3::buildReadAloud()
{
    problemSpeaker
        = newSpeaker(LMDtestp, QStringLiteral("problemSpeaker"), tr("Reads the problem aloud"));
    m_context.handlers().connect(
        problemSpeaker, &QToolButton::clicked, this, &TFormP3::readProblemAloud);
    // The button keeps beside the text wherever its look or the teacher puts it.
    LMDtesto->installEventFilter(this);

    hintSpeaker = newSpeaker(LMDFill0, QStringLiteral("hintSpeaker"), tr("Reads the hint aloud"));
    m_context.handlers().connect(hintSpeaker, &QToolButton::clicked, this, &TFormP3::readHintAloud);
}

void TFormP3::describeControls()
{
    LMDtesto->setAccessibleName(tr("Problem"));
    LMDimage->setAccessibleName(tr("Picture of the problem"));
    GifTop->setAccessibleName(tr("Animation"));
    E1->setAccessibleName(tr("Answers"));
    E1->setAccessibleDescription(
        tr("Choose the right answer with the arrow keys, then press Enter"));
    H1->setAccessibleName(tr("Help"));
    H1->setAccessibleDescription(tr("Shows a hint for this step (F3)"));
    B1->setAccessibleName(tr("Ok"));
    B1->setAccessibleDescription(tr("Checks the answer (Enter)"));
    msg->setAccessibleName(tr("Hint"));
    // The pupil reaches the buttons by Tab; a click still leaves the focus in
    // the field being typed in.
    H1->setFocusPolicy(Qt::TabFocus);
    B1->setFocusPolicy(Qt::TabFocus);
    // The scroll boxes follow the focus; they are no stop of their own.
    SB->setFocusPolicy(Qt::NoFocus);
    E1sb->setFocusPolicy(Qt::NoFocus);
    m_context.handlers().connect(E1, &RadioGroup::confirmRequested, this, &TFormP3::B1Click);
    connect(qApp, &QApplication::focusChanged, this,
        [this](QWidget *, QWidget *now) { scrollToFocus(now); });
}

void TFormP3::scrollToFocus(QWidget *focused)
{
    // A pupil without a mouse cannot scroll by hand: the control the keys
    // went to comes into view below the bands that stay at the top.
    QWidget *content = SB->content();
    if (!focused || !content->isAncestorOf(focused) || LMDmessg->isAncestorOf(focused)
        || LMDtestp->isAncestorOf(focused))
        return;
    const QRect place(focused->mapTo(content, QPoint(0, 0)), focused->size());
    const int position = SB->verticalPosition();
    const int covered = LMDmessg->height() + LMDtestp->height();
    const int viewHeight = SB->viewport()->height();
    if (place.top() < position + covered)
        SB->setVerticalPosition(place.top() - covered - FocusScrollMargin);
    else if (place.bottom() > position + viewHeight)
        SB->setVerticalPosition(place.bottom() - viewHeight + FocusScrollMargin);
}

void TFormP3::describeExercise()
{
    LMDtesto->setAccessibleDescription(toLfLineBreaks(LMDtesto->caption()));
    for (const QPointer<FillPanel> &band : std::as_const(sectionBands)) {
        if (band)
            band->setAccessibleName(toLfLineBreaks(band->caption()));
    }
    if (m_context.speech) {
        m_context.speech->stop();
        if (!editMode())
            m_context.speech->prepare();
    }
    placeProblemSpeaker();
    problemSpeaker->setVisible(canReadAloud());
}

void TFormP3::describeField(pLMDedit *field, const QString &label)
{
    if (field->isReadOnly()) {
        field->setAccessibleName(tr("equals"));
        return;
    }
    field->setAccessibleName(label);
    switch (field->keys()) {
    case FieldKeys::Operator:
        field->setAccessibleDescription(tr("Type the operation: + - X or :, then press Enter"));
        break;
    case FieldKeys::Unit:
        field->setAccessibleDescription(tr("Type the unit, then press Enter"));
        break;
    default:
        field->setAccessibleDescription(tr("Type the number, then press Enter"));
        break;
    }
}

void TFormP3::describeSmiley(AnimatedPicture *smiley, int step)
{
    smiley->setAccessibleName(tr("Smiley of step %1").arg(step + 1));
    const StepCycle &steps = m_logic.steps();
    if (steps.exerciseState(steps.exerciseIndex()) == SolvedBySolution)
        smiley->setAccessibleDescription(tr("Solved by showing the solution"));
    else
        smiley->setAccessibleDescription(tr("Errors: %1").arg(steps.stepErrors().value(step)));
}

void TFormP3::describeCockade()
{
    if (!cockadeImage)
        return;
    const StepCycle &steps = m_logic.steps();
    cockadeImage->setAccessibleName(tr("Cockade"));
    cockadeImage->setAccessibleDescription(
        steps.exerciseState(steps.exerciseIndex()) == SolvedBySolution
            ? tr("Solved by showing the solution")
            : tr("Exercise solved"));
}

bool TFormP3::canReadAloud() const
{
    return !editMode() && m_context.speech && m_context.speech->canSpeak();
}

void TFormP3::placeProblemSpeaker()
{
    // Right of the text, level with its top; inside its corner when the band
    // has no room beside it.
    const QRect textPlace = LMDtesto->geometry();
    int left = textPlace.right() + 1 + SpeakerGap;
    if (left + problemSpeaker->width() > LMDtestp->width())
        left = textPlace.right() + 1 - problemSpeaker->width();
    problemSpeaker->move(qMax(0, left), textPlace.top());
    problemSpeaker->raise();
}

void TFormP3::placeHintSpeaker()
{
    // Under the hint's left end, on the work area.
    const QPoint corner = LMDFill0->mapFromGlobal(msg->geometry().bottomLeft());
    hintSpeaker->move(qBound(0, corner.x(), qMax(0, LMDFill0->width() - hintSpeaker->width())),
        corner.y() + SpeakerGap);
    hintSpeaker->setVisible(canReadAloud());
    hintSpeaker->raise();
}

void TFormP3::readAloudChanged()
{
    problemSpeaker->setVisible(m_prepared && canReadAloud());
    if (msg->isVisible())
        placeHintSpeaker();
}

void TFormP3::readProblemAloud()
{
    if (canReadAloud())
        m_context.speech->say(toLfLineBreaks(LMDtesto->caption()));
}

void TFormP3::readHintAloud()
{
    if (canReadAloud() && msg->isVisible())
        m_context.speech->say(msg->text());
}

void TFormP3::focusCurrentStep()
{
    if (editMode())
        return;
    // A pupil going through the exercise tabs with the arrow keys stays there.
    const QWidget *focused = QApplication::focusWidget();
    if (focused && m_context.forms.Form0 && focused == m_context.forms.Form0->TabEserc)
        return;
    QWidget *target = nullptr;
    const StepCycle &steps = m_logic.steps();
    if (steps.kindOf(steps.currentStep()) == QLatin1Char('C')) {
        const QList<QRadioButton *> options = E1->findChildren<QRadioButton *>();
        const int chosen = E1->itemIndex();
        target = options.value(chosen >= 0 ? chosen : 0);
    } else {
        for (const QPointer<pLMDedit> &field : formulaInputs.value(steps.currentFormulaIndex())) {
            if (field && field->isEnabled() && field->focusPolicy() != Qt::NoFocus) {
                target = field;
                break;
            }
        }
    }
    if (!target)
        target = B1;
    target->setFocus(Qt::OtherFocusReason);
}

void TFormP3::nextFieldFrom(pLMDedit *field)
{
    // On to the next field the pupil fills; after the last one the step is
    // checked, as the Ok button does.
    const QVector<QPointer<pLMDedit>> row = formulaInputs.value(field->formulaIndex());
    const int at = int(row.indexOf(field));
    for (int i = at + 1; i < row.size(); ++i) {
        pLMDedit *next = row.at(i);
        if (next && next->isEnabled() && next->focusPolicy() != Qt::NoFocus) {
            next->setFocus(Qt::TabFocusReason);
            next->selectAll();
            return;
        }
    }
    if (!editMode())
        confirmFromField();
}

void TFormP3::typeOperator(pLMDedit *field, QChar op)
{
    // As the operator menu would after a click on the field.
    const StepCycle &steps = m_logic.steps();
    const int item = int(MenuOperators.indexOf(op));
    if (item < 0
        || !m_logic.formulas().OperandoClick(
            field->position(), steps.kindOf(steps.currentStep()), editMode()))
        return;
    N1Click(item);
}

} // namespace solvaro
