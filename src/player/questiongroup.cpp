#include "player/questiongroup.h"

#include "player/storedlines.h"
#include "storage/designspace.h"
#include "storage/inifile.h"
#include "storage/lookrecord.h"

namespace solvaro {

QuestionGroup Load_COMBO(const IniFile &exerciseFile, const QString &section, int step,
    const LookFont &current, int screenWidth)
{
    const RecordAddress record = questionGroupRecord(exerciseFile, section, step);
    QuestionGroup group;
    group.font = readQuestionGroupFont(
        exerciseFile, section, step, current, DesignSpace(QSize(screenWidth, DesignHeight)));
    group.options = storedLines(exerciseFile.readString(section, record.prefix, MissingOptions));
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
