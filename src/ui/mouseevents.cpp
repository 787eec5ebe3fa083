#include "ui/mouseevents.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace solvaro {

MouseEvents *MouseEvents::of(QWidget *widget)
{
    if (!widget)
        return nullptr;
    if (auto *existing = widget->findChild<MouseEvents *>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new MouseEvents(widget);
}

MouseEvents::MouseEvents(QWidget *widget)
    : QObject(widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool MouseEvents::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        emit pressed(static_cast<QMouseEvent *>(event));
        break;
    case QEvent::MouseMove:
        emit moved(static_cast<QMouseEvent *>(event));
        break;
    case QEvent::MouseButtonRelease:
        emit released(static_cast<QMouseEvent *>(event));
        break;
    case QEvent::Enter:
        emit entered();
        break;
    case QEvent::Leave:
        emit left();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace solvaro
