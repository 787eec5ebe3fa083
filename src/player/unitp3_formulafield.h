#pragma once

#include "player/formulafield.h"

#include <QLineEdit>

namespace solvaro {

// One entry field of a formula panel: what FormulaField describes, on screen.
// Number and unit fields filter their keys; operator fields are picked from
// the operator menu or typed. The field carries the expected text and sign flag of its
// model so that anything reading the panels finds them on the widget.
class pLMDedit final : public QLineEdit
{
    Q_OBJECT

public:
    pLMDedit(const FormulaField &field, int formulaIndex, QChar decimalSeparator,
        QWidget *parent = nullptr);

    // Takes the model's text, marks, enabled state and expected text.
    void showField(const FormulaField &field);

    int position() const { return m_position; }
    int formulaIndex() const { return m_formulaIndex; }
    QString expectedText() const { return m_expectedText; }
    bool signFlag() const { return m_signFlag; }
    // The themed look hides the background colour.
    bool themed() const { return m_themed; }
    QColor background() const { return m_background; }
    FieldClick clickAction() const { return m_click; }
    FieldKeys keys() const { return m_keys; }

signals:
    // A left click on the field.
    void clicked();
    // Enter in a field that confirms the step as the Ok button does.
    void confirmRequested();
    // Enter in any other field: on to the next field of the row.
    void nextRequested();
    // An operator key in an operator field: "+", "-", "X" or ":".
    void operatorTyped(QChar op);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void applyLook();

    int m_position = 0;
    int m_formulaIndex = 0;
    QChar m_decimalSeparator;
    FieldKeys m_keys = FieldKeys::None;
    FieldClick m_click = FieldClick::None;
    QString m_expectedText;
    bool m_signFlag = false;
    bool m_themed = false;
    QColor m_background;
};

} // namespace solvaro
