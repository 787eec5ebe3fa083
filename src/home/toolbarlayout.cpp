#include "home/toolbarlayout.h"

namespace solvaro {

ToolbarPlacement layoutToolbar(const QList<ToolbarButton> &buttons, int firstLeft, int rowWidth)
{
    ToolbarPlacement placement;
    int edge = firstLeft;
    for (const ToolbarButton &button : buttons) {
        if (!button.visible) {
            placement.lefts.append(0);
            continue;
        }
        placement.lefts.append(edge);
        edge += button.width;
    }
    placement.stripLeft = edge;
    placement.stripWidth = rowWidth - edge;
    return placement;
}

} // namespace solvaro
