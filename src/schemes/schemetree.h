#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace solvaro {

class IniFile;
struct SheetScheme;

// What a node of the scheme editor's tree stands for.
enum class SchemeNodeKind {
    Sheet,
    Section,
    QuestionGroup,
    Formula,
    Equivalence,
    FormulaPattern,
    EquivalencePattern,
};

// The texts of the tree's nodes; the teacher and the saving tell the kinds
// apart by them.
namespace schemeNodeText {
QString sheet(int number); // "SHEET " + number, from 1
inline const QString firstSection = QStringLiteral("SECTION 0"); // of a new sheet
inline const QString section = QStringLiteral("SECTION ");
inline const QString loadedQuestions = QStringLiteral("QUESTIONS ");
inline const QString newQuestions = QStringLiteral("QUESTIONS");
inline const QString formula = QStringLiteral("FORMULA");
inline const QString equivalence = QStringLiteral("EQUIVALENZA");
inline const QString newFormulaPattern = QStringLiteral("AoB=X");
inline const QString equivalencePattern = QStringLiteral("Yo?Xo");
} // namespace schemeNodeText

// One node of the tree: sheets hold sections, sections hold steps, and a
// formula or equivalence step holds its pattern. Steps that a hand-edited
// scheme string puts before the first section hang from the sheet itself.
struct SchemeNode {
    SchemeNodeKind kind = SchemeNodeKind::Sheet;
    QString text;
    // Sheets only: the number of exercises ("MAX"), carried through.
    int exerciseCount = 1;
    QList<SchemeNode> children;
};

// The kind of a node with the given text under a parent of the given kind
// (none for a top-level node). A step's child is its pattern whatever it
// reads, so that a hand-edited pattern still belongs to its step.
SchemeNodeKind schemeNodeKind(const QString &text, std::optional<SchemeNodeKind> parent);

// The sheets of the global settings file as the tree shows them: sheet 0, 1,
// ... up to the first without a scheme string.
QList<SchemeNode> loadSchemeTree(const IniFile &globalSettingsFile);

// The scheme string and patterns of a sheet, read depth-first. Every formula
// and equivalence step gives one pattern (an empty one when it has none), so
// that each step keeps its own pattern when they are numbered.
SheetScheme sheetSchemeOf(const SchemeNode &sheet);

// The items of a node's context menu, in their order.
enum class SchemeMenuItem {
    AddSheet,
    AddSection,
    AddQuestions,
    AddFormula,
    AddEquivalence,
    Edit,
    Delete,
};
QString menuCaption(SchemeMenuItem item);
// Nothing for an equivalence pattern: it is fixed and goes with its step.
QList<SchemeMenuItem> contextMenuOf(SchemeNodeKind kind);

} // namespace solvaro
