#include "ui/treeview.h"

namespace solvaro {

TreeView::TreeView(QWidget *parent)
    : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

QTreeWidgetItem *TreeView::addNode(QTreeWidgetItem *parent, const QString &text)
{
    auto *node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    node->setText(0, text);
    return node;
}

void TreeView::setNodeNumber(QTreeWidgetItem *node, int number)
{
    if (node)
        node->setData(0, Qt::UserRole, number);
}

int TreeView::nodeNumber(const QTreeWidgetItem *node)
{
    return node ? node->data(0, Qt::UserRole).toInt() : 0;
}

void TreeView::setAllExpanded(bool expanded)
{
    if (expanded)
        expandAll();
    else
        collapseAll();
}

void TreeView::setSubtreeExpanded(QTreeWidgetItem *node, bool expanded)
{
    if (!node)
        return;
    node->setExpanded(expanded);
    for (int i = 0; i < node->childCount(); ++i)
        setSubtreeExpanded(node->child(i), expanded);
}

} // namespace solvaro
