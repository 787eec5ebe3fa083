#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace solvaro {

class IniFile;

// The characters of a scheme string: the mark that opens a section and the
// kinds of step, as stepKinds and formulaKinds hold them too.
namespace stepKind {
inline constexpr char16_t sectionMark = u'|';
inline constexpr char16_t questionGroup = u'C';
inline constexpr char16_t formula = u'F';
inline constexpr char16_t equivalence = u'E';
} // namespace stepKind

// The solution scheme of the open sheet, as the player lays it out: which
// steps an exercise has, in which sections, and where each sits in the work
// area. The player holds one, xSCHEMA.
struct Scheme {
    // The scheme string as read: '|' opens a section, 'C' is a question group,
    // 'F' a formula step, 'E' an equivalence step.
    QString rawScheme;
    // One character per step ('C', 'F' or 'E'); a step's index is its place here.
    QString stepKinds;
    // One character per formula or equivalence step ('F' or 'E').
    QString formulaKinds;
    int sectionCount = 0;
    int questionCount = 0;
    int formulaCount = 0;
    int stepCount = 0;
    // One pattern per formula index ("AoB=X", "Yo?Xo").
    QStringList formulaPatterns;
    // One expected formula per formula index, filled when an exercise loads.
    QStringList expectedFormulas;
    // Top of each step in the work area, per step index.
    QList<int> stepTops;
    // Top of each section band, per section number.
    QList<int> sectionTops;
    int workAreaHeight = 0;
};

// The furthest a top in the work area goes, up or down: the tallest a widget
// can be.
inline constexpr int largestTop = 16'777'215;

// Loads the scheme of a sheet (SET_SCHEMA): the scheme string and patterns from
// the global settings file, the section heights from the sheet's exercise file
// in the section of the given exercise. Characters other than '|', 'C', 'F'
// and 'E' in a hand-edited scheme string take no place and make no step.
Scheme SET_SCHEMA(
    const IniFile &globalSettingsFile, const IniFile &exerciseFile, int sheet, int exercise);

} // namespace solvaro
