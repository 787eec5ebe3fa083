#pragma once

#include <QScrollArea>

namespace solvaro {

// A scrolling area whose children are placed freely on its content; the
// content grows to hold every visible child and at least fills the view, so
// scroll bars appear exactly when something lies beyond the edge.
class ScrollBox : public QScrollArea
{
    Q_OBJECT

public:
    explicit ScrollBox(QWidget *parent = nullptr);

    // The widget to place children on.
    QWidget *content() const { return widget(); }

    int verticalPosition() const;
    // Clamped to the scroll range, as a scroll bar does.
    void setVerticalPosition(int position);
    int horizontalPosition() const;
    void setHorizontalPosition(int position);
    void scrollToTop();
    // Positive scrolls down, negative up, by the vertical bar's line step.
    void scrollLines(int lines);

    // Sizes the content to its children now; otherwise done on each change.
    void updateContentSize();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    void watch(QObject *child);
};

} // namespace solvaro
