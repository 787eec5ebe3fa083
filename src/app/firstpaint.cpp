#include "app/firstpaint.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace solvaro {

namespace {

class FirstPaintWatch final : public QObject
{
public:
    FirstPaintWatch(QWidget *widget, std::function<void()> action)
        : QObject(widget)
        , m_action(std::move(action))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            watched->removeEventFilter(this);
            // The paint runs right after this filter; the action waits until it
            // has been flushed and the event loop turns again.
            QTimer::singleShot(0, this, [this] {
                m_action();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_action;
    bool m_seen = false;
};

} // namespace

void afterFirstPaint(QWidget *widget, std::function<void()> action)
{
    if (widget && action)
        new FirstPaintWatch(widget, std::move(action));
}

} // namespace solvaro
