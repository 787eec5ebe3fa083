#include "ui/alignments.h"

namespace solvaro {

Qt::Alignment toQtAlignment(NineAlignment alignment)
{
    const int position = static_cast<int>(alignment);
    static constexpr Qt::AlignmentFlag rows[] = { Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom };
    static constexpr Qt::AlignmentFlag columns[]
        = { Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight };
    if (position < 0 || position > 8)
        return Qt::AlignTop | Qt::AlignLeft;
    return rows[position / 3] | columns[position % 3];
}

Qt::Alignment toQtAlignment(TextAlignment alignment)
{
    switch (alignment) {
    case TextAlignment::RightJustify:
        return Qt::AlignTop | Qt::AlignRight;
    case TextAlignment::Center:
        return Qt::AlignTop | Qt::AlignHCenter;
    case TextAlignment::LeftJustify:
        break;
    }
    return Qt::AlignTop | Qt::AlignLeft;
}

} // namespace solvaro
