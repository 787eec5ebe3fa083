#include "ui/scrollbox.h"

#include <QChildEvent>
#include <QEvent>
#include <QScrollBar>

namespace solvaro {

ScrollBox::ScrollBox(QWidget *parent)
    : QScrollArea(parent)
{
    setWidgetResizable(false);
    auto *area = new QWidget;
    area->installEventFilter(this);
    setWidget(area);
    updateContentSize();
}

int ScrollBox::verticalPosition() const
{
    return verticalScrollBar()->value();
}

void ScrollBox::setVerticalPosition(int position)
{
    verticalScrollBar()->setValue(position);
}

int ScrollBox::horizontalPosition() const
{
    return horizontalScrollBar()->value();
}

void ScrollBox::setHorizontalPosition(int position)
{
    horizontalScrollBar()->setValue(position);
}

void ScrollBox::scrollToTop()
{
    setVerticalPosition(verticalScrollBar()->minimum());
}

void ScrollBox::scrollLines(int lines)
{
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->value() + lines * bar->singleStep());
}

void ScrollBox::updateContentSize()
{
    QWidget *area = content();
    if (!area)
        return;
    QRect extent(QPoint(0, 0), viewport()->size());
    for (QObject *object : area->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (child && !child->isHidden() && !child->isWindow())
            extent |= child->geometry();
    }
    extent.setTopLeft(QPoint(0, 0));
    if (area->size() != extent.size())
        area->resize(extent.size());
}

bool ScrollBox::eventFilter(QObject *watched, QEvent *event)
{
    const bool onContent = watched == content();
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (onContent)
            watch(static_cast<QChildEvent *>(event)->child());
        break;
    case QEvent::ChildRemoved:
        if (onContent)
            updateContentSize();
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        // The content's own resizing is this class's doing.
        if (!onContent)
            updateContentSize();
        break;
    default:
        break;
    }
    return QScrollArea::eventFilter(watched, event);
}

bool ScrollBox::viewportEvent(QEvent *event)
{
    const bool handled = QScrollArea::viewportEvent(event);
    if (event->type() == QEvent::Resize)
        updateContentSize();
    return handled;
}

void ScrollBox::watch(QObject *child)
{
    if (child->isWidgetType())
        child->installEventFilter(this);
}

} // namespace solvaro
