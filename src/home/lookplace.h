#pragma once

#include <QString>

namespace solvaro {

// The file (relative to the executable folder) and section that hold the
// record of an editable element.
struct LookPlace {
    QString file;
    QString section;

    bool operator==(const LookPlace &) const = default;
};

// Where the tag of an element puts its look: a skin element (10) in the skin
// file under its own name, a sheet-wide element (80) in the sheet's exercise
// file under "COMMONAREA", any other in the section of the current exercise.
LookPlace lookPlaceForTag(int tag, const QString &elementName, const QString &skinFile,
    const QString &sheetFile, int exerciseIndex);
// A panel named "LMDFILL0", in any case, belongs to the whole sheet whatever
// its tag.
bool isSheetWidePanelName(const QString &elementName);
// Labels keep their looks in the skin file, one section per page and label.
LookPlace labelLookPlace(
    const QString &pageName, const QString &labelName, const QString &skinFile);

} // namespace solvaro
