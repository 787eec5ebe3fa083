#pragma once

#include <QDialog>
#include <QEvent>
#include <functional>

namespace solvaro {

// Acts in a modal dialog once it is on show, inside its modal loop, as the
// user would; whatever the actions leave open is cancelled, so a failed check
// never leaves the test waiting.
class WhenShown : public QObject
{
public:
    WhenShown(QDialog *dialog, std::function<void()> actions)
        : m_dialog(dialog)
        , m_actions(std::move(actions))
    {
        dialog->installEventFilter(this);
    }
    int shown = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_dialog && event->type() == QEvent::Show) {
            ++shown;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_actions();
                    if (m_dialog->isVisible())
                        m_dialog->reject();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QDialog *m_dialog;
    std::function<void()> m_actions;
};

} // namespace solvaro
