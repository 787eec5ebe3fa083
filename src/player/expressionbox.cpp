#include "player/expressionbox.h"

#include "base/dialogs.h"
#include "player/expectedtext.h"
#include "storage/inifile.h"

namespace solvaro {

bool editExpectedFormula(
    IniFile &exerciseFile, const QString &section, int formulaIndex, QChar kind, Dialogs &dialogs)
{
    const QString key = QStringLiteral("R%1").arg(formulaIndex);
    const auto typed = dialogs.inputText(QStringLiteral("Expression Box"),
        QStringLiteral("Result=              es. 139+89"),
        exerciseFile.readString(section, key, QString()));
    if (!typed)
        return false;
    exerciseFile.writeString(section, key, expressionBoxValue(kind, *typed));
    exerciseFile.updateFile();
    return true;
}

} // namespace solvaro
