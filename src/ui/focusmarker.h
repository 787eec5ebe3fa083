#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace solvaro {

// A thick frame around the control that has the keyboard focus in one window,
// whatever the style draws, so that a pupil working from the keyboard always
// sees where the keys go. On a row of tabs it frames the current tab.
class FocusMarker final : public QObject
{
    Q_OBJECT

public:
    // Follows the focus inside window; lives as long as the window.
    explicit FocusMarker(QWidget *window);

    // The control framed now, or null.
    QWidget *framed() const { return m_framed; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(QWidget *focused);
    void fit();

    QWidget *m_window;
    QPointer<QWidget> m_framed;
    // Drawn on the control's parent, over it.
    QPointer<QWidget> m_frame;
};

} // namespace solvaro
