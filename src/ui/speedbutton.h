#pragma once

#include <QPixmap>
#include <QToolButton>

namespace solvaro {

// A small flat button with a glyph beside its caption, such as the answer and
// help buttons of the question panel.
class SpeedButton : public QToolButton
{
    Q_OBJECT

public:
    explicit SpeedButton(QWidget *parent = nullptr);

    // Caption with "\r\n" line breaks.
    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }
    void setGlyph(const QPixmap &glyph);

protected:
    // Enter clicks it, as Space does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_caption;
};

} // namespace solvaro
