#pragma once

#include <QList>

namespace solvaro {

// One button of a toolbar row, in the row's fixed order.
struct ToolbarButton {
    bool visible = true;
    int width = 0;
};

// Where the buttons of a row and the strip that closes it go.
struct ToolbarPlacement {
    // One left per button; a hidden button is parked at 0.
    QList<int> lefts;
    int stripLeft = 0;
    int stripWidth = 0;
};

// Lays a toolbar row out from firstLeft: every visible button sits right at
// the right edge of the last visible one before it, without a gap, and the
// closing strip takes what is left of rowWidth.
ToolbarPlacement layoutToolbar(const QList<ToolbarButton> &buttons, int firstLeft, int rowWidth);

} // namespace solvaro
