#pragma once

#include <QPixmap>
#include <QToolButton>

namespace solvaro {

// A flat button with a picture above a multi-line caption and the hand cursor,
// as in the main window's toolbar and the look editor.
class PictureButton : public QToolButton
{
    Q_OBJECT

public:
    // Height of the picture buttons in the main window's toolbar.
    static constexpr int toolbarHeight = 61;

    explicit PictureButton(QWidget *parent = nullptr);

    // Caption with "\r\n" line breaks.
    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }
    // The picture is shown at its own size.
    void setPicture(const QPixmap &picture);

protected:
    // Enter clicks it, as Space does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_caption;
};

} // namespace solvaro
