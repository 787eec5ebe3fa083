#include "home/lookplace.h"

#include "storage/globalsettings.h"
#include "storage/look.h"

namespace solvaro {

namespace {

constexpr int SkinElementTag = 10;

} // namespace

LookPlace lookPlaceForTag(int tag, const QString &elementName, const QString &skinFile,
    const QString &sheetFile, int exerciseIndex)
{
    if (tag == SkinElementTag)
        return { skinFile, elementName };
    if (tag == SheetWideTag)
        return { sheetFile, globalSettings::commonArea };
    return { sheetFile, QString::number(exerciseIndex) };
}

bool isSheetWidePanelName(const QString &elementName)
{
    return elementName.toUpper() == QLatin1StringView("LMDFILL0");
}

LookPlace labelLookPlace(const QString &pageName, const QString &labelName, const QString &skinFile)
{
    return { skinFile, pageName + QLatin1Char('.') + labelName };
}

} // namespace solvaro
