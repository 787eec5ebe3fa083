#include "ui/elementtag.h"

#include <QVariant>
#include <QWidget>

namespace solvaro {

namespace {

constexpr char tagProperty[] = "tag";

} // namespace

int elementTag(const QWidget *element)
{
    if (!element)
        return 0;
    // An element nobody tagged is a per-exercise element, as a tag of 0 is.
    return element->property(tagProperty).toInt();
}

void setElementTag(QWidget *element, int tag)
{
    if (element)
        element->setProperty(tagProperty, tag);
}

} // namespace solvaro
