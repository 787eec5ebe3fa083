#include "player/formularow.h"

#include "player/formulasteps.h"
#include "schemes/scheme.h"

#include <QCoreApplication>

namespace solvaro {

namespace {

constexpr int fieldHeight = 28;
constexpr int numberFieldWidth = 60;
constexpr int signFieldWidth = 28;
constexpr int equivalenceFieldCount = 5;
constexpr int unitMaxLength = 3;
const QLatin1String operatorCharacters("o+-*:/=");

QChar characterAt(const QString &text, int index)
{
    return index < text.size() ? text.at(index) : QChar();
}

FormulaField signField(int position, QChar patternCharacter)
{
    FormulaField field;
    field.position = position;
    field.patternCharacter = patternCharacter;
    field.signFlag = true;
    field.tag = position;
    field.centred = true;
    field.maxLength = 1;
    field.enabled = true;
    field.background = fieldYellow;
    field.expectedText = patternCharacter;
    field.geometry = QRect(0, 0, signFieldWidth, fieldHeight);
    if (field.isEqualsField()) {
        field.text = QStringLiteral("=");
        field.readOnly = true;
    } else {
        field.click = FieldClick::ChooseOperator;
        field.keys = FieldKeys::Operator;
    }
    return field;
}

FormulaField numberField(int position, QChar patternCharacter, int formulaIndex, bool editMode)
{
    FormulaField field;
    field.position = position;
    field.patternCharacter = patternCharacter;
    field.tag = formulaIndex;
    field.keys = FieldKeys::Number;
    field.click = FieldClick::EditExpectedFormula;
    field.rightAligned = true;
    field.enabled = editMode;
    field.geometry = QRect(0, 0, numberFieldWidth, fieldHeight);
    return field;
}

FormulaRow formulaRow(int k, const QString &pattern, bool editMode, int &numbers, int &operators)
{
    FormulaRow row;
    row.kind = stepKind::formula;
    row.formulaIndex = k;
    row.pattern = pattern;
    row.panelName = QStringLiteral("FORMULA_PNL%1").arg(k);
    bool afterEquals = false;
    for (int i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (operatorCharacters.contains(c)) {
            FormulaField field = signField(i + 1, c);
            afterEquals = field.isEqualsField();
            ++operators;
            if (!afterEquals)
                field.label = QCoreApplication::translate("Player", "Op.%1").arg(operators);
            row.fields.append(field);
        } else {
            FormulaField field = numberField(i + 1, c, k, editMode);
            ++numbers;
            field.label = afterEquals
                ? QCoreApplication::translate("Player", "Result")
                : QCoreApplication::translate("Player", "Num.%1").arg(numbers);
            row.fields.append(field);
        }
    }
    return row;
}

FormulaRow equivalenceRow(int k, const QString &pattern, bool editMode)
{
    const QString number = QCoreApplication::translate("Player", "Num");
    const QString unit = QCoreApplication::translate("Player", "Mark");
    const QStringList labels { number, unit, QString(), number, unit };
    FormulaRow row;
    row.kind = stepKind::equivalence;
    row.formulaIndex = k;
    row.pattern = pattern;
    row.panelName = QStringLiteral("FORMULE_PNL%1").arg(k);
    for (int position = 1; position <= equivalenceFieldCount; ++position) {
        FormulaField field;
        if (position == 3) {
            field = signField(position, QLatin1Char('='));
            // The equals field expects what the pattern holds in its place.
            field.expectedText = pattern.mid(2, 1);
        } else {
            field = numberField(position, characterAt(pattern, position - 1), k, editMode);
            if (position == 2 || position == 5) {
                field.keys = FieldKeys::Unit;
                field.rightAligned = false;
                field.maxLength = unitMaxLength;
            }
        }
        field.label = labels.at(position - 1);
        row.fields.append(field);
    }
    return row;
}

} // namespace

FormulaField *FormulaRow::field(int position)
{
    return position >= 1 && position <= fields.size() ? &fields[position - 1] : nullptr;
}

const FormulaField *FormulaRow::field(int position) const
{
    return position >= 1 && position <= fields.size() ? &fields.at(position - 1) : nullptr;
}

QVector<FormulaRow> buildFormulaRows(
    const QString &formulaKinds, const QStringList &patterns, bool editMode)
{
    QVector<FormulaRow> rows;
    int numbers = 0;
    int operators = 0;
    for (int k = 0; k < formulaKinds.size(); ++k) {
        const QString pattern = patterns.value(k);
        if (formulaKinds.at(k) == stepKind::formula) {
            rows.append(formulaRow(k, pattern, editMode, numbers, operators));
        } else {
            numbers = 0;
            operators = 0;
            rows.append(equivalenceRow(k, pattern, editMode));
        }
    }
    return rows;
}

void layoutFormulaRows(
    QVector<FormulaRow> &rows, const QString &stepKinds, const QVector<int> &stepTops)
{
    constexpr int fieldTop = 25;
    constexpr int labelTop = 5;
    constexpr int labelWidth = 60;
    constexpr int labelHeight = 20;
    QChar kind;
    int pos = 0;
    for (FormulaRow &row : rows) {
        if (!nextFormula(stepKinds, kind, pos))
            break;
        int x = 10;
        // Every field is placed, also those of an equivalence whose pattern is
        // shorter than its five fields, so that none is left on top of another.
        for (FormulaField &field : row.fields) {
            field.geometry.moveTo(x, fieldTop);
            field.labelGeometry = QRect(x, labelTop, labelWidth, labelHeight);
            x += field.geometry.width() + 5;
        }
        row.panelGeometry = QRect(80, stepTops.value(pos - 1) - 23, x + 10, 60);
        row.panelVisible = false;
    }
}

int formulaMatrixWidth(const QString &formulaKinds, const QStringList &patterns)
{
    int longest = 0;
    for (int k = 0; k < formulaKinds.size(); ++k) {
        const int length = formulaKinds.at(k) == stepKind::equivalence
            ? qMax<int>(patterns.value(k).size(), equivalenceFieldCount)
            : patterns.value(k).size();
        longest = qMax(longest, length);
    }
    return longest + 1;
}

} // namespace solvaro
