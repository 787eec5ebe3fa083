#include "player/expressionbox.h"

#include "base/dialogs.h"
#include "player/evaluator.h"
#include "player/expectedtext.h"
#include "player/formulasheet.h"
#include "schemes/scheme.h"
#include "storage/inifile.h"

namespace solvaro {

namespace {

// Why a formula to store cannot be worked out; empty when it can.
QString problemOf(QChar kind, const QString &value, int width, QChar decimalSeparator)
{
    if (kind != stepKind::formula || value.isEmpty())
        return QString();
    try {
        workOutFormula(value, width, decimalSeparator);
    } catch (const ExpressionError &error) {
        return error.message();
    }
    return QString();
}

} // namespace

bool editExpectedFormula(IniFile &exerciseFile, const QString &section, int formulaIndex,
    QChar kind, int width, QChar decimalSeparator, Dialogs &dialogs)
{
    const QString key = QStringLiteral("R%1").arg(formulaIndex);
    QString shown = exerciseFile.readString(section, key, QString());
    for (;;) {
        const auto typed = dialogs.inputText(QStringLiteral("Expression Box"),
            QStringLiteral("Result=              es. 139+89"), shown);
        if (!typed)
            return false;
        const QString value = expressionBoxValue(kind, *typed);
        const QString problem = problemOf(kind, value, width, decimalSeparator);
        if (problem.isEmpty()) {
            exerciseFile.writeString(section, key, value);
            exerciseFile.updateFile();
            return true;
        }
        // Every pupil would meet it at every answer: it is not stored.
        dialogs.showMessage(
            QStringLiteral("The formula %1 cannot be worked out: %2.").arg(value, problem));
        shown = *typed;
    }
}

} // namespace solvaro
