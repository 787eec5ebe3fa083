#include "home/tgif.h"

namespace solvaro {

Tgif::Tgif(QWidget *parent)
    : AnimatedPicture(parent)
{
}

} // namespace solvaro
