#pragma once

#include "storage/look.h"

#include <QVariant>
#include <QWidget>

namespace solvaro {

// Every editable element carries a tag that says where its look is stored:
// SkinTag in the current skin file, SheetWideTag in the sheet's "COMMONAREA",
// any other value in the section of the current exercise. It travels as the
// dynamic property "tag" so that every form reads and writes it the same way;
// page commands sent to a page use the same property.
inline constexpr int SkinTag = 10;
inline constexpr char ElementTagProperty[] = "tag";

inline int elementTag(const QObject *element)
{
    return element ? element->property(ElementTagProperty).toInt() : 0;
}

inline void setElementTag(QObject *element, int tag)
{
    if (element)
        element->setProperty(ElementTagProperty, tag);
}

} // namespace solvaro
