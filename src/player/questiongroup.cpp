#include "player/questiongroup.h"

#include "player/storedlines.h"
#include "storage/designspace.h"
#include "storage/inifile.h"

namespace solvaro {

QuestionGroup Load_COMBO(const IniFile &exerciseFile, const QString &section, int step,
    const LookFont &current, int screenWidth)
{
    const QString key = QStringLiteral("E%1").arg(step);
    const auto fontKey = [&key](const char *property) { return key + QLatin1String(property); };
    QuestionGroup group;
    group.font.name = exerciseFile.readString(section, fontKey(".Font.Name"), current.name);
    group.font.charSet
        = exerciseFile.readInteger(section, fontKey(".Font.CharSet"), current.charSet);
    group.font.color = exerciseFile.readInteger(section, fontKey(".Font.Color"), current.color);
    group.font.style = exerciseFile.readInteger(section, fontKey(".Font.Style"), current.style);
    // Scaling a size that was never stored would shrink the group at every
    // load on a screen narrower than the design space.
    group.font.size = current.size;
    if (exerciseFile.keyExists(section, fontKey(".Font.Size"))) {
        const double stored = exerciseFile.readFloat(section, fontKey(".Font.Size"), current.size);
        group.font.size
            = DesignSpace(QSize(screenWidth, DesignHeight)).fontSizeFromStoredReal(stored);
    }
    group.options = storedLines(exerciseFile.readString(section, key, QStringLiteral("?????????")));
    return group;
}

void MISCHIA(QStringList &options, int &correctIndex, bool editMode,
    const std::function<int(int bound)> &random)
{
    if (editMode) {
        correctIndex = 0;
        return;
    }
    if (options.isEmpty())
        return;
    const int p = qBound(0, random(int(options.size())), int(options.size()) - 1);
    options.swapItemsAt(0, p);
    correctIndex = p;
}

} // namespace solvaro
