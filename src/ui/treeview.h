#pragma once

#include <QTreeWidget>

namespace solvaro {

// A one-column tree of text nodes that the user cannot rename in place; each
// node may carry a number. A right click asks for a context menu through
// customContextMenuRequested.
class TreeView : public QTreeWidget
{
    Q_OBJECT

public:
    explicit TreeView(QWidget *parent = nullptr);

    // Appends a node under parent, or at the top level when parent is null.
    QTreeWidgetItem *addNode(QTreeWidgetItem *parent, const QString &text);
    static void setNodeNumber(QTreeWidgetItem *node, int number);
    static int nodeNumber(const QTreeWidgetItem *node);

    // The node under a point of the viewport, or null.
    QTreeWidgetItem *nodeAt(const QPoint &point) const { return itemAt(point); }
    void setAllExpanded(bool expanded);
    // Expands or collapses a node with all the nodes below it.
    static void setSubtreeExpanded(QTreeWidgetItem *node, bool expanded);
};

} // namespace solvaro
