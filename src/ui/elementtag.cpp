#include "ui/elementtag.h"

#include <QVariant>
#include <QWidget>

namespace solvaro {

namespace {

constexpr char tagProperty[] = "tag";
constexpr char lookFileProperty[] = "lookFile";
constexpr char lookSectionProperty[] = "lookSection";

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

void setOwnLookPlace(QWidget *element, const QString &file, const QString &section)
{
    if (!element)
        return;
    element->setProperty(lookFileProperty, file);
    element->setProperty(lookSectionProperty, section);
}

QString ownLookFile(const QWidget *element)
{
    return element ? element->property(lookFileProperty).toString() : QString();
}

QString ownLookSection(const QWidget *element)
{
    return element ? element->property(lookSectionProperty).toString() : QString();
}

} // namespace solvaro
