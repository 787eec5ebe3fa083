#pragma once

#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <memory>

class QBuffer;
class QMovie;

namespace solvaro {

// A picture that may move: the frames of an animated GIF, or a still picture
// of any readable format. It can be stretched to its size, centred, sized to
// the picture, see-through, and carry a hint and a context menu. A picture is
// decoded only once it is on screen and stops its frames while hidden, so
// hidden pictures cost nothing.
class AnimatedPicture : public QWidget
{
    Q_OBJECT

public:
    explicit AnimatedPicture(QWidget *parent = nullptr);
    ~AnimatedPicture() override;

    // Shows the picture of a file. A missing or unreadable file changes
    // nothing and returns false; the previous picture stays. The file is read
    // once: deleting or replacing it afterwards changes nothing shown.
    bool load(const QString &fileName);
    // Shows a picture already in memory, still.
    void setImage(const QImage &image);
    void clear();
    QString fileName() const { return m_fileName; }
    bool hasPicture() const;
    QSize pictureSize() const { return m_pictureSize; }

    void setStretch(bool on);
    bool stretch() const { return m_stretch; }
    void setCenter(bool on);
    bool center() const { return m_center; }
    // The widget takes the picture's size at each load.
    void setAutoSize(bool on);
    bool autoSize() const { return m_autoSize; }
    // See-through: the parent shows where the picture is clear; otherwise the
    // widget's window colour is painted behind it. Pictures without an alpha
    // channel, other than GIFs, are cleared where they have the colour of
    // their bottom-left pixel.
    void setTransparent(bool on);
    bool isTransparent() const { return m_transparent; }
    // Whether the frames should run; they actually run only while shown.
    void setAnimating(bool on);
    bool isAnimating() const { return m_animating; }
    bool isPlaying() const;

    // Hint lines may be separated by '\r' or "\r\n".
    void setHint(const QString &hint);
    QString hint() const { return m_hint; }
    void setShowHint(bool on);
    bool showHint() const { return m_showHint; }
    // Opened on a right click; not owned; null for none.
    void setContextMenu(QMenu *menu) { m_contextMenu = menu; }
    QMenu *contextMenu() const { return m_contextMenu; }

    // The frame on show, decoding the picture if that has not happened yet.
    QImage currentFrame();
    // Whether the picture has been decoded, which happens once it is shown.
    bool isDecoded() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void ensureDecoded();
    void syncPlayback();
    void applyHint();
    void dropFrames();
    const QPixmap &framePixmap();

    QString m_fileName;
    QByteArray m_bytes;
    QByteArray m_format;
    QSize m_pictureSize;
    // The frames are read from the bytes kept; the movie goes first.
    std::unique_ptr<QBuffer> m_device;
    std::unique_ptr<QMovie> m_movie;
    QImage m_still;
    QPixmap m_frameCache;
    int m_cachedFrame = -1;

    bool m_stretch = false;
    bool m_center = false;
    bool m_autoSize = false;
    bool m_transparent = false;
    bool m_animating = true;
    QString m_hint;
    bool m_showHint = false;
    QPointer<QMenu> m_contextMenu;
};

} // namespace solvaro
