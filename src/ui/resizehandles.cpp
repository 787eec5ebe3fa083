#include "ui/resizehandles.h"

#include "ui/handlegeometry.h"
#include "ui/mouseevents.h"

#include <QMouseEvent>
#include <QWidget>

namespace solvaro {

ResizeHandles::ResizeHandles(QWidget *form)
    : QObject(form)
    , m_form(form)
{
    for (int index = 0; index < resizeHandleCount; ++index) {
        auto *square = new QWidget(form);
        square->setObjectName(QStringLiteral("Node%1").arg(index));
        square->setAutoFillBackground(true);
        QPalette black = square->palette();
        black.setColor(QPalette::Window, Qt::black);
        square->setPalette(black);
        square->resize(resizeHandleSize, resizeHandleSize);
        square->setCursor(resizeHandleCursor(index));
        square->setAttribute(Qt::WA_NoMousePropagation);
        square->hide();
        MouseEvents *mouse = MouseEvents::of(square);
        connect(mouse, &MouseEvents::pressed, this, [this, index](QMouseEvent *event) {
            emit pressed(index, event->globalPosition().toPoint());
        });
        connect(mouse, &MouseEvents::moved, this, [this, index](QMouseEvent *event) {
            emit moved(index, event->globalPosition().toPoint());
        });
        connect(mouse, &MouseEvents::released, this,
            [this, index](QMouseEvent *) { emit released(index); });
        m_handles.append(square);
    }
}

void ResizeHandles::placeAround(const QWidget *target)
{
    if (!target || !target->parentWidget() || !m_form->isAncestorOf(target))
        return;
    // The target's bounds are in its parent's coordinates, the handles' in the form's.
    const QWidget *parent = target->parentWidget();
    for (int index = 0; index < m_handles.size(); ++index) {
        const QPoint place = resizeHandlePlace(index, target->geometry());
        m_handles.at(index)->move(parent->mapTo(m_form, place));
    }
    setVisible(true);
}

void ResizeHandles::setVisible(bool visible)
{
    for (QWidget *square : std::as_const(m_handles)) {
        square->setVisible(visible);
        if (visible)
            square->raise();
    }
}

bool ResizeHandles::isVisible() const
{
    return !m_handles.isEmpty() && !m_handles.constFirst()->isHidden();
}

} // namespace solvaro
