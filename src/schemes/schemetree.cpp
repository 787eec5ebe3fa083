#include "schemes/schemetree.h"

#include "schemes/scheme.h"
#include "schemes/schemesaving.h"
#include "storage/globalsettings.h"
#include "storage/inifile.h"

namespace solvaro {

namespace {

// What the scheme editor reads where a sheet or a pattern is missing.
const QString Missing = QStringLiteral("#");

SchemeNode node(SchemeNodeKind kind, const QString &text)
{
    SchemeNode result;
    result.kind = kind;
    result.text = text;
    return result;
}

void collectScheme(const SchemeNode &node, SheetScheme &scheme)
{
    switch (node.kind) {
    case SchemeNodeKind::Section:
        scheme.scheme += stepKind::sectionMark;
        break;
    case SchemeNodeKind::QuestionGroup:
        scheme.scheme += stepKind::questionGroup;
        break;
    case SchemeNodeKind::Formula:
    case SchemeNodeKind::Equivalence:
        scheme.scheme
            += node.kind == SchemeNodeKind::Formula ? stepKind::formula : stepKind::equivalence;
        scheme.patterns.append(node.children.isEmpty() ? QString() : node.children.first().text);
        return;
    default:
        break;
    }
    for (const SchemeNode &child : node.children)
        collectScheme(child, scheme);
}

} // namespace

QString schemeNodeText::sheet(int number)
{
    return QStringLiteral("SHEET %1").arg(number);
}

SchemeNodeKind schemeNodeKind(const QString &text, std::optional<SchemeNodeKind> parent)
{
    if (!parent)
        return SchemeNodeKind::Sheet;
    if (*parent == SchemeNodeKind::Formula)
        return SchemeNodeKind::FormulaPattern;
    if (*parent == SchemeNodeKind::Equivalence)
        return SchemeNodeKind::EquivalencePattern;
    if (text.contains(QLatin1Char('?')))
        return SchemeNodeKind::EquivalencePattern;
    if (text.contains(QLatin1String("SECTION")))
        return SchemeNodeKind::Section;
    if (text.contains(QLatin1String("QUESTIONS")))
        return SchemeNodeKind::QuestionGroup;
    if (text.contains(QLatin1String("FORMULA")))
        return SchemeNodeKind::Formula;
    if (text.contains(QLatin1String("EQUIVALENZA")))
        return SchemeNodeKind::Equivalence;
    return SchemeNodeKind::FormulaPattern;
}

QList<SchemeNode> loadSchemeTree(const IniFile &globalSettingsFile)
{
    const QString area = globalSettings::commonArea;
    QList<SchemeNode> sheets;
    for (int s = 0;; ++s) {
        const QString scheme
            = globalSettingsFile.readString(area, globalSettings::sheetKey(s), Missing);
        if (scheme == Missing)
            break;
        SchemeNode sheet = node(SchemeNodeKind::Sheet, schemeNodeText::sheet(s + 1));
        sheet.exerciseCount = globalSettingsFile.readInteger(area, globalSettings::maxKey(s), 1);
        // Index of the current section among the sheet's children; steps
        // before the first section hang from the sheet.
        qsizetype section = -1;
        int k = 0;
        const auto addStep = [&sheet, &section](const SchemeNode &step) {
            (section < 0 ? sheet.children : sheet.children[section].children).append(step);
        };
        for (const QChar c : scheme) {
            switch (c.unicode()) {
            case stepKind::sectionMark:
                sheet.children.append(node(SchemeNodeKind::Section, schemeNodeText::section));
                section = sheet.children.size() - 1;
                break;
            case stepKind::questionGroup:
                addStep(node(SchemeNodeKind::QuestionGroup, schemeNodeText::loadedQuestions));
                break;
            case stepKind::formula:
            case stepKind::equivalence: {
                const bool formula = c == u'F';
                SchemeNode step = formula
                    ? node(SchemeNodeKind::Formula, schemeNodeText::formula)
                    : node(SchemeNodeKind::Equivalence, schemeNodeText::equivalence);
                const QString pattern = globalSettingsFile.readString(
                    area, globalSettings::sheetPatternKey(s, k), Missing);
                // An empty pattern is saved for a step that has none; both
                // read back as a step without a pattern node.
                if (pattern != Missing && !pattern.isEmpty()) {
                    step.children.append(node(formula ? SchemeNodeKind::FormulaPattern
                                                      : SchemeNodeKind::EquivalencePattern,
                        pattern));
                }
                addStep(step);
                ++k;
                break;
            }
            default:
                break;
            }
        }
        sheets.append(sheet);
    }
    return sheets;
}

SheetScheme sheetSchemeOf(const SchemeNode &sheet)
{
    SheetScheme scheme;
    scheme.exerciseCount = sheet.exerciseCount;
    for (const SchemeNode &child : sheet.children)
        collectScheme(child, scheme);
    return scheme;
}

QString menuCaption(SchemeMenuItem item)
{
    switch (item) {
    case SchemeMenuItem::AddSheet:
        return QStringLiteral("Add SHEET");
    case SchemeMenuItem::AddSection:
        return QStringLiteral("Add SECTION");
    case SchemeMenuItem::AddQuestions:
        return QStringLiteral("Add QUESTIONS");
    case SchemeMenuItem::AddFormula:
        return QStringLiteral("Add FORMULA");
    case SchemeMenuItem::AddEquivalence:
        return QStringLiteral("Add EQUIVALENZA");
    case SchemeMenuItem::Edit:
        return QStringLiteral("Edit");
    case SchemeMenuItem::Delete:
        return QStringLiteral("Delete");
    }
    return QString();
}

QList<SchemeMenuItem> contextMenuOf(SchemeNodeKind kind)
{
    using enum SchemeMenuItem;
    switch (kind) {
    case SchemeNodeKind::Sheet:
        return { AddSheet, AddSection, Delete };
    case SchemeNodeKind::Section:
        return { AddQuestions, AddFormula, AddEquivalence, AddSection, Delete };
    case SchemeNodeKind::QuestionGroup:
    case SchemeNodeKind::Formula:
    case SchemeNodeKind::Equivalence:
        return { AddQuestions, AddFormula, AddEquivalence, Delete };
    case SchemeNodeKind::FormulaPattern:
        return { Edit, Delete };
    case SchemeNodeKind::EquivalencePattern:
        return {};
    }
    return {};
}

} // namespace solvaro
