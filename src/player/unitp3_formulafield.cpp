#include "player/unitp3_formulafield.h"

#include "player/keyfilters.h"
#include "ui/elementtag.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace solvaro {

namespace {

constexpr int FieldFontSize = 12;
const QChar backspaceKey(8);
const QChar enterKey(13);

Qt::Alignment alignmentOf(const FormulaField &field)
{
    if (field.centred)
        return Qt::AlignCenter;
    return (field.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

} // namespace

pLMDedit::pLMDedit(
    const FormulaField &field, int formulaIndex, QChar decimalSeparator, QWidget *parent)
    : QLineEdit(parent)
    , m_position(field.position)
    , m_formulaIndex(formulaIndex)
    , m_decimalSeparator(decimalSeparator)
    , m_keys(field.keys)
    , m_click(field.click)
    , m_signFlag(field.signFlag)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSize(FieldFontSize);
    setFont(font);
    setAlignment(alignmentOf(field));
    if (field.maxLength > 0)
        setMaxLength(field.maxLength);
    setReadOnly(field.readOnly);
    // The equals sign only shows; Enter skips it on the way to the result.
    if (field.readOnly)
        setFocusPolicy(Qt::NoFocus);
    setElementTag(this, field.tag);
    setGeometry(field.geometry);
    showField(field);
}

void pLMDedit::showField(const FormulaField &field)
{
    if (text() != field.text)
        setText(field.text);
    setEnabled(field.enabled);
    m_expectedText = field.expectedText;
    if (m_themed != field.themed || m_background != field.background) {
        m_themed = field.themed;
        m_background = field.background;
        applyLook();
    }
}

void pLMDedit::applyLook()
{
    // Marks stay readable on a disabled field: a solved step keeps them.
    QPalette colors = QApplication::palette(this);
    if (!m_themed)
        colors.setColor(QPalette::Base, m_background);
    colors.setColor(QPalette::Text, Qt::black);
    setPalette(colors);
}

void pLMDedit::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    // Keys that type nothing (arrows, Home, Delete) edit as usual.
    if (m_keys == FieldKeys::None || typed.isEmpty() || event->key() == Qt::Key_Delete) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QChar key = typed.at(0);
    const KeyOutcome outcome = m_keys == FieldKeys::Number
        ? dato1KeyPress(key, m_decimalSeparator, objectName())
        : m_keys == FieldKeys::Unit ? dato2KeyPress(key)
                                    : operatorKeyPress(key);
    event->accept();
    switch (outcome.action) {
    case KeyAction::Accept:
        if (m_keys == FieldKeys::Operator && outcome.key != backspaceKey)
            emit operatorTyped(outcome.key);
        else if (outcome.key == key)
            QLineEdit::keyPressEvent(event);
        else
            insert(QString(outcome.key));
        // A unit field lets Enter through; it moves on all the same.
        if (m_keys == FieldKeys::Unit && outcome.key == enterKey)
            emit nextRequested();
        break;
    case KeyAction::Swallow:
        break;
    case KeyAction::FocusNext:
        emit nextRequested();
        break;
    case KeyAction::Confirm:
        emit confirmRequested();
        break;
    }
}

void pLMDedit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace solvaro
