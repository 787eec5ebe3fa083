#pragma once

#include <QObject>

class QMouseEvent;
class QWidget;

namespace solvaro {

// The mouse events of any widget as signals, so that a form can give its
// pictures, labels and strips their down, move and up handlers without
// subclassing them. The events still reach the widget afterwards, so a
// handler that frees the widget must use deleteLater().
class MouseEvents : public QObject
{
    Q_OBJECT

public:
    // The notifier of a widget, created on first use and owned by the widget.
    // Turns on mouse tracking, so moves are told without a button held.
    static MouseEvents *of(QWidget *widget);

signals:
    void pressed(QMouseEvent *event);
    void moved(QMouseEvent *event);
    void released(QMouseEvent *event);
    void entered();
    void left();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit MouseEvents(QWidget *widget);
};

} // namespace solvaro
