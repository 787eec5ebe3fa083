#pragma once

#include <Qt>

namespace solvaro {

// Where a caption or a fill picture sits inside its box. The ordinals are the
// numbers stored in the look records, so a stored value casts straight in.
enum class NineAlignment {
    TopLeft,
    TopCenter,
    TopRight,
    CenterLeft,
    Center,
    CenterRight,
    BottomLeft,
    BottomCenter,
    BottomRight,
};

// How a label justifies its text; ordinals as stored.
enum class TextAlignment {
    LeftJustify,
    RightJustify,
    Center,
};

Qt::Alignment toQtAlignment(NineAlignment alignment);
// Labels keep their text at the top, as designed.
Qt::Alignment toQtAlignment(TextAlignment alignment);

} // namespace solvaro
