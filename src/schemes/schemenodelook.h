#pragma once

#include "schemes/schemetree.h"

#include <QHash>
#include <QIcon>

class QTreeWidgetItem;

namespace solvaro {

// Dresses the nodes of the scheme editor's tree after their kind, each kind
// with a picture and a colour of its own, so that sheets, sections, the three
// kinds of step and the patterns are told apart at a glance.
class SchemeNodeLooks
{
public:
    void apply(QTreeWidgetItem *node, SchemeNodeKind kind);

private:
    QIcon iconOf(SchemeNodeKind kind);

    // Drawn when a kind is first shown.
    QHash<int, QIcon> m_icons;
};

} // namespace solvaro
