#pragma once

#include <Qt>

namespace solvaro {

// Either of the keyboard's two Enter keys, with which a pupil confirms.
inline bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace solvaro
