// The eight resize handles with which the teacher sizes the exercise picture.
#include "app/appcontext.h"
#include "player/unitp3.h"

#include "ui/animatedpicture.h"
#include "ui/handlegeometry.h"
#include "ui/resizehandles.h"

namespace solvaro {

namespace {

// A picture dragged smaller stops at this size, where it can still be seen
// and grasped.
constexpr int SmallestPicture = 2 * resizeHandleSize;

} // namespace

void TFormP3::CreateNodes()
{
    Nodes = new ResizeHandles(this);
    m_context.handlers().connect(Nodes, &ResizeHandles::pressed, this, &TFormP3::NodeMouseDown);
    m_context.handlers().connect(Nodes, &ResizeHandles::moved, this, &TFormP3::NodeMouseMove);
    m_context.handlers().connect(Nodes, &ResizeHandles::released, this, &TFormP3::NodeMouseUp);
}

void TFormP3::PlaceNodes(QWidget *control)
{
    m_handleTarget = control;
    Nodes->placeAround(control);
}

void TFormP3::ShowNodes(bool visible)
{
    Nodes->setVisible(visible);
}

void TFormP3::NodeMouseDown(int, const QPoint &screenPos)
{
    if (!editMode() || !m_handleTarget)
        return;
    m_handleResizing = true;
    m_lastCursor = screenPos;
}

void TFormP3::NodeMouseMove(int node, const QPoint &screenPos)
{
    QWidget *target = m_handleTarget;
    if (!m_handleResizing || !target || !target->parentWidget() || screenPos == m_lastCursor)
        return;
    const QPoint mouse = target->parentWidget()->mapFromGlobal(screenPos);
    const int dx = screenPos.x() - m_lastCursor.x();
    target->setGeometry(resizedBounds(node, target->geometry(), dx, mouse, SmallestPicture));
    m_lastCursor = screenPos;
    PlaceNodes(target);
}

void TFormP3::NodeMouseUp(int)
{
    if (!m_handleResizing)
        return;
    m_handleResizing = false;
    if (m_handleTarget == LMDimage)
        storePictureGeometry();
}

} // namespace solvaro
