// The scheme editor's context menu and what its items do to the tree.

#include "schemes/ueditschemi.h"

#include "app/appcontext.h"
#include "base/dialogs.h"
#include "schemes/formulapattern.h"
#include "schemes/schemesaving.h"
#include "schemes/sheetdeletion.h"
#include "ui/treeview.h"

#include <QAction>
#include <QMenu>

namespace solvaro {

namespace {

bool isStep(SchemeNodeKind kind)
{
    return kind == SchemeNodeKind::QuestionGroup || kind == SchemeNodeKind::Formula
        || kind == SchemeNodeKind::Equivalence;
}

bool isPattern(SchemeNodeKind kind)
{
    return kind == SchemeNodeKind::FormulaPattern || kind == SchemeNodeKind::EquivalencePattern;
}

} // namespace

void TFeditschemi::buildMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto item = [this](SchemeMenuItem which, void (TFeditschemi::*handler)()) {
        // Owned by the editor: the menu only shows the items that fit a node.
        auto *action = new QAction(menuCaption(which), this);
        action->setObjectName(menuCaption(which));
        m_context.handlers().connect(action, &QAction::triggered, this, handler);
        m_items.insert(which, action);
    };
    item(SchemeMenuItem::AddSheet, &TFeditschemi::SHEETclick);
    item(SchemeMenuItem::AddSection, &TFeditschemi::SECTIONClick);
    item(SchemeMenuItem::AddQuestions, &TFeditschemi::COMBOclick);
    item(SchemeMenuItem::AddFormula, &TFeditschemi::FORMULAclick);
    item(SchemeMenuItem::AddEquivalence, &TFeditschemi::EQUIVALENZAclick);
    item(SchemeMenuItem::Edit, &TFeditschemi::EDIT_FORMULAclick);
    item(SchemeMenuItem::Delete, &TFeditschemi::DELETEclick);
}

void TFeditschemi::TreeViewContextPopup(const QPoint &pos)
{
    QTreeWidgetItem *node = TreeView->nodeAt(pos);
    if (!node)
        return;
    PopupMenu1->clear();
    const QList<SchemeMenuItem> items = contextMenuOf(kindOf(node));
    if (items.isEmpty())
        return;
    for (SchemeMenuItem item : items)
        PopupMenu1->addAction(m_items.value(item));
    // The actions work on the current node, so the keyboard reaches them too.
    TreeView->setCurrentItem(node);
    PopupMenu1->popup(TreeView->viewport()->mapToGlobal(pos));
}

void TFeditschemi::popupForCurrentNode()
{
    QTreeWidgetItem *node = TreeView->currentItem();
    if (!node)
        return;
    TreeView->scrollToItem(node);
    const QRect place = TreeView->visualItemRect(node);
    TreeViewContextPopup(QPoint(place.left() + place.height(), place.center().y()));
}

void TFeditschemi::showNewNode(QTreeWidgetItem *node)
{
    node->setExpanded(true);
    TreeView->scrollToItem(node);
    markModified();
}

void TFeditschemi::SHEETclick()
{
    if (!TreeView->currentItem())
        return;
    QTreeWidgetItem *sheet = addNode(
        nullptr, SchemeNodeKind::Sheet, schemeNodeText::sheet(TreeView->topLevelItemCount() + 1));
    solvaro::TreeView::setNodeNumber(sheet, 1);
    addNode(sheet, SchemeNodeKind::Section, schemeNodeText::firstSection);
    showNewNode(sheet);
}

void TFeditschemi::SECTIONClick()
{
    QTreeWidgetItem *node = TreeView->currentItem();
    const SchemeNodeKind kind = kindOf(node);
    if (!node || (kind != SchemeNodeKind::Sheet && kind != SchemeNodeKind::Section))
        return;
    QTreeWidgetItem *sheet = kind == SchemeNodeKind::Sheet ? node : node->parent();
    showNewNode(addNode(sheet, SchemeNodeKind::Section, schemeNodeText::section));
}

// A new step goes at the end of a section, or after the last step beside the
// node chosen.
QTreeWidgetItem *TFeditschemi::addStep(SchemeNodeKind kind)
{
    QTreeWidgetItem *node = TreeView->currentItem();
    const SchemeNodeKind chosen = kindOf(node);
    if (!node || (chosen != SchemeNodeKind::Section && !isStep(chosen)))
        return nullptr;
    QTreeWidgetItem *parent = chosen == SchemeNodeKind::Section ? node : node->parent();
    const QString text = kind == SchemeNodeKind::QuestionGroup ? schemeNodeText::newQuestions
        : kind == SchemeNodeKind::Formula                      ? schemeNodeText::formula
                                                               : schemeNodeText::equivalence;
    QTreeWidgetItem *step = addNode(parent, kind, text);
    if (kind == SchemeNodeKind::Formula)
        addNode(step, SchemeNodeKind::FormulaPattern, schemeNodeText::newFormulaPattern);
    else if (kind == SchemeNodeKind::Equivalence)
        addNode(step, SchemeNodeKind::EquivalencePattern, schemeNodeText::equivalencePattern);
    showNewNode(step);
    return step;
}

void TFeditschemi::COMBOclick()
{
    addStep(SchemeNodeKind::QuestionGroup);
}

void TFeditschemi::FORMULAclick()
{
    addStep(SchemeNodeKind::Formula);
}

void TFeditschemi::EQUIVALENZAclick()
{
    addStep(SchemeNodeKind::Equivalence);
}

void TFeditschemi::EDIT_FORMULAclick()
{
    QTreeWidgetItem *pattern = TreeView->currentItem();
    if (!pattern || kindOf(pattern) != SchemeNodeKind::FormulaPattern)
        return;
    QString proposal = QString::number(operationCount(pattern->text(0)));
    for (;;) {
        const std::optional<QString> answer = m_context.env.dialogs->inputText(
            QStringLiteral("Set Formulas"), QStringLiteral("number of operation"), proposal);
        if (!answer)
            return;
        if (const std::optional<int> operations = parseOperationCount(*answer)) {
            const QString text = formulaPattern(*operations);
            if (text != pattern->text(0)) {
                pattern->setText(0, text);
                markModified();
            }
            return;
        }
        proposal = *answer;
    }
}

void TFeditschemi::DELETEclick()
{
    QTreeWidgetItem *node = TreeView->currentItem();
    if (!node)
        return;
    if (!m_context.env.dialogs->askYesNo(QStringLiteral("Confirm delete: ") + node->text(0)))
        return;
    // A pattern goes with its step.
    QTreeWidgetItem *target = isPattern(kindOf(node)) && node->parent() ? node->parent() : node;
    if (!target->parent()) {
        deleteSheet(target);
        return;
    }
    delete target;
    markModified();
}

// The sheet leaves the tree only once its exercise file is gone, the files
// after it are renumbered and the catalogue saved: a tree without the sheet
// over the old files would give the later sheets the wrong exercises.
void TFeditschemi::deleteSheet(QTreeWidgetItem *sheet)
{
    const int position = TreeView->indexOfTopLevelItem(sheet);
    const QList<SheetScheme> remaining = sheetSchemes(position);
    const std::optional<QString> failure = deleteSheetExerciseFile(m_context.folders, position,
        TreeView->topLevelItemCount(), [this, &remaining] { saveSheets(remaining); });
    if (failure) {
        m_context.env.dialogs->showMessage(*failure);
        return;
    }
    delete sheet;
    for (int s = 0; s < TreeView->topLevelItemCount(); ++s)
        TreeView->topLevelItem(s)->setText(0, schemeNodeText::sheet(s + 1));
    m_modified = false;
    m_context.env.dialogs->showMessage(QStringLiteral("OK"));
}

} // namespace solvaro
