#pragma once

#include <QColor>
#include <QRect>
#include <QString>

namespace solvaro {

// One entry field of a formula row, without the widget: what it holds, what it
// must hold and how it looks. The player's widget copies it into its line edit.

// Which key filter a field's keys go through.
enum class FieldKeys { None, Number, Unit, Operator };

// What a click on the field does.
enum class FieldClick {
    None,
    // Opens the operator menu (pupil, formula steps only).
    ChooseOperator,
    // Opens the Expression Box for the row's expected formula (teacher only).
    EditExpectedFormula,
};

inline const QColor fieldRed { 255, 0, 0 };
inline const QColor fieldYellow { 255, 255, 0 };
inline const QColor fieldWhite { 255, 255, 255 };

struct FormulaField {
    // 1-based place in the row; position 0 is never used.
    int position = 0;
    // The pattern character the field was built from ('=' for the equals field).
    QChar patternCharacter;
    QString text;
    QString expectedText;
    // True for operator fields and the equals field.
    bool signFlag = false;
    // The position for operator fields, the formula index for the others.
    int tag = 0;
    FieldKeys keys = FieldKeys::None;
    FieldClick click = FieldClick::None;
    bool rightAligned = false;
    bool centred = false;
    // 0 means no limit.
    int maxLength = 0;
    bool readOnly = false;
    bool enabled = false;
    // The themed look hides the background colour.
    bool themed = false;
    QColor background = fieldWhite;
    QString label;
    // Places inside the row's panel.
    QRect geometry;
    QRect labelGeometry;

    bool isEqualsField() const { return patternCharacter == QLatin1Char('='); }
};

// The marks of result validation.
inline void markWrong(FormulaField &field)
{
    field.themed = false;
    field.background = fieldRed;
}

inline void markRight(FormulaField &field)
{
    field.themed = true;
}

inline void markOperatorFound(FormulaField &field, bool found)
{
    field.background = found ? fieldYellow : fieldRed;
}

} // namespace solvaro
