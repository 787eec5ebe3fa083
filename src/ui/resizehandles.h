#pragma once

#include <QList>
#include <QObject>
#include <QPoint>

class QWidget;

namespace solvaro {

// The eight small black squares "Node0" to "Node7" that stand around a
// picture the teacher resizes (see handlegeometry.h for their order). They
// are children of a form, so that they lie over everything inside it; the
// form decides what a drag on them does.
class ResizeHandles final : public QObject
{
    Q_OBJECT

public:
    // Creates the handles hidden, as children of form.
    explicit ResizeHandles(QWidget *form);

    // Places the handles around target, which lies anywhere inside the form,
    // and shows them.
    void placeAround(const QWidget *target);
    void setVisible(bool visible);
    bool isVisible() const;
    QWidget *handle(int index) const { return m_handles.value(index); }

signals:
    void pressed(int handle, const QPoint &screenPos);
    void moved(int handle, const QPoint &screenPos);
    void released(int handle);

private:
    QWidget *m_form;
    QList<QWidget *> m_handles;
};

} // namespace solvaro
