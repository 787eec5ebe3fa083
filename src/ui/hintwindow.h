#pragma once

#include <QString>
#include <QWidget>

namespace solvaro {

// A small borderless window, like a tooltip, that shows a text near a point of
// the screen and stays until it is hidden by a call, with a drop shadow.
class HintWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HintWindow(QWidget *parent = nullptr);

    // Text lines wider than this break at word boundaries.
    void setMaxTextWidth(int width);
    int maxTextWidth() const { return m_maxTextWidth; }
    void setShadowDepth(int depth);
    int shadowDepth() const { return m_shadowDepth; }

    // Shows the text (lines separated by "\r\n") with its top-left corner at a
    // point of the screen.
    void showHint(const QString &text, const QPoint &globalPosition);
    // Shows the text just right of a widget, level with its top.
    void showHintBeside(const QString &text, const QWidget *anchor);
    void hideHint();
    QString text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect textBounds() const;

    QString m_text;
    int m_maxTextWidth = 100;
    int m_shadowDepth = 3;
};

} // namespace solvaro
