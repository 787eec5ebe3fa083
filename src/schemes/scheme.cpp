#include "schemes/scheme.h"

#include "schemes/schemekeys.h"
#include "storage/globalsettings.h"
#include "storage/inifile.h"

#include <algorithm>

namespace solvaro {

namespace {

// The layout of the work area, in pixels.
constexpr int FirstTop = 5;
constexpr int Gap = 28;
constexpr int QuestionHeight = 32;
constexpr int FormulaHeight = 28;
constexpr int DefaultSectionHeight = 28;
constexpr int SectionPadding = 5;
// Room left below the last step.
constexpr int WorkAreaMargin = 200;

// Section heights come from files anyone can edit. The running top stays
// within what a widget can reach, which also leaves room for the rectangles
// the player builds from the tops.
int clampedTop(qint64 top)
{
    return static_cast<int>(std::clamp<qint64>(top, -largestTop, largestTop));
}

} // namespace

Scheme SET_SCHEMA(
    const IniFile &globalSettingsFile, const IniFile &exerciseFile, int sheet, int exercise)
{
    Scheme scheme;
    scheme.rawScheme = globalSettings::readScheme(globalSettingsFile, sheet);

    // Counts and kinds come from the same characters that get a place below, so
    // that every step has a top and every formula a pattern.
    for (const QChar c : std::as_const(scheme.rawScheme)) {
        switch (c.unicode()) {
        case stepKind::sectionMark:
            ++scheme.sectionCount;
            break;
        case stepKind::questionGroup:
            ++scheme.questionCount;
            scheme.stepKinds += c;
            break;
        case stepKind::formula:
        case stepKind::equivalence:
            ++scheme.formulaCount;
            scheme.stepKinds += c;
            scheme.formulaKinds += c;
            break;
        default:
            break;
        }
    }
    scheme.stepCount = scheme.questionCount + scheme.formulaCount;

    for (int k = 0; k < scheme.formulaCount; ++k) {
        scheme.formulaPatterns.append(globalSettingsFile.readString(
            globalSettings::commonArea, globalSettings::sheetPatternKey(sheet, k), QString()));
    }
    scheme.expectedFormulas = QStringList(scheme.formulaCount, QString());

    const QString exerciseSection = QString::number(exercise);
    qint64 y = FirstTop;
    int lastTop = FirstTop;
    for (const QChar c : std::as_const(scheme.rawScheme)) {
        qint64 height = 0;
        switch (c.unicode()) {
        case stepKind::sectionMark: {
            const int section = static_cast<int>(scheme.sectionTops.size());
            scheme.sectionTops.append(clampedTop(y));
            height = qint64(exerciseFile.readInteger(exerciseSection,
                         schemeKeys::sectionHeightKey(section), DefaultSectionHeight))
                + SectionPadding;
            break;
        }
        case stepKind::questionGroup:
            scheme.stepTops.append(clampedTop(y));
            height = QuestionHeight;
            break;
        case stepKind::formula:
        case stepKind::equivalence:
            scheme.stepTops.append(clampedTop(y));
            height = FormulaHeight;
            break;
        default:
            continue;
        }
        lastTop = clampedTop(y);
        y = clampedTop(y + height + Gap);
    }

    // Without steps the work area still has to hold its section bands: it
    // reaches 200 below the last band (or below the first top when the scheme
    // is empty).
    scheme.workAreaHeight = clampedTop(
        qint64(scheme.stepTops.isEmpty() ? lastTop : scheme.stepTops.last()) + WorkAreaMargin);
    return scheme;
}

} // namespace solvaro
