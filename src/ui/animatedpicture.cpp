#include "ui/animatedpicture.h"

#include "media/imageloading.h"
#include "ui/keycolor.h"
#include "ui/linebreaktext.h"

#include <QBuffer>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMenu>
#include <QMovie>
#include <QPainter>

namespace solvaro {

AnimatedPicture::AnimatedPicture(QWidget *parent)
    : QWidget(parent)
{
}

AnimatedPicture::~AnimatedPicture() = default;

bool AnimatedPicture::load(const QString &fileName)
{
    if (fileName.isEmpty())
        return false;
    // The picture is kept as its file's bytes: a file that is deleted or
    // replaced while the picture shows changes nothing on screen.
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray bytes = file.readAll();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, QFileInfo(fileName).suffix().toLatin1());
    if (!reader.canRead())
        return false;
    const QByteArray format = reader.format();
    QSize size = reader.size();
    const bool moving = canMove(size) && canMove(gifCanvasSize(bytes));
    QImage first;
    if (!size.isValid() || !moving) {
        first = reader.read();
        if (first.isNull())
            return false;
        size = first.size();
    }
    buffer.close();
    dropFrames();
    m_fileName = fileName;
    m_format = format;
    if (moving) {
        m_still = QImage();
        m_bytes = std::move(bytes);
    } else {
        m_still = first;
        m_bytes.clear();
    }
    m_pictureSize = size;
    if (m_autoSize)
        resize(m_pictureSize);
    if (isVisible())
        ensureDecoded();
    update();
    return true;
}

void AnimatedPicture::setImage(const QImage &image)
{
    dropFrames();
    m_fileName.clear();
    m_bytes.clear();
    m_still = image;
    m_pictureSize = image.size();
    if (m_autoSize && !image.isNull())
        resize(m_pictureSize);
    update();
}

void AnimatedPicture::clear()
{
    dropFrames();
    m_fileName.clear();
    m_bytes.clear();
    m_still = QImage();
    m_pictureSize = QSize();
    update();
}

bool AnimatedPicture::hasPicture() const
{
    return !m_fileName.isEmpty() || !m_still.isNull();
}

void AnimatedPicture::setStretch(bool on)
{
    m_stretch = on;
    update();
}

void AnimatedPicture::setCenter(bool on)
{
    m_center = on;
    update();
}

void AnimatedPicture::setAutoSize(bool on)
{
    m_autoSize = on;
    if (m_autoSize && m_pictureSize.isValid())
        resize(m_pictureSize);
}

void AnimatedPicture::setTransparent(bool on)
{
    if (m_transparent == on)
        return;
    m_transparent = on;
    m_cachedFrame = -1;
    m_frameCache = QPixmap();
    update();
}

void AnimatedPicture::setAnimating(bool on)
{
    m_animating = on;
    syncPlayback();
}

bool AnimatedPicture::isPlaying() const
{
    return m_movie && m_movie->state() == QMovie::Running;
}

void AnimatedPicture::setHint(const QString &hint)
{
    m_hint = hint;
    applyHint();
}

void AnimatedPicture::setShowHint(bool on)
{
    m_showHint = on;
    applyHint();
}

QImage AnimatedPicture::currentFrame()
{
    if (!m_still.isNull())
        return m_still;
    ensureDecoded();
    return m_movie ? m_movie->currentImage() : QImage();
}

bool AnimatedPicture::isDecoded() const
{
    return m_movie != nullptr;
}

void AnimatedPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_transparent)
        painter.fillRect(rect(), palette().window());
    const QPixmap &frame = framePixmap();
    if (frame.isNull())
        return;
    if (m_stretch) {
        painter.drawPixmap(rect(), frame);
    } else if (m_center) {
        const QPoint topLeft((width() - frame.width()) / 2, (height() - frame.height()) / 2);
        painter.drawPixmap(topLeft, frame);
    } else {
        painter.drawPixmap(0, 0, frame);
    }
}

void AnimatedPicture::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    ensureDecoded();
    syncPlayback();
}

void AnimatedPicture::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    syncPlayback();
}

void AnimatedPicture::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_contextMenu) {
        QWidget::contextMenuEvent(event);
        return;
    }
    m_contextMenu->popup(event->globalPos());
    event->accept();
}

void AnimatedPicture::ensureDecoded()
{
    if (m_movie || m_bytes.isEmpty())
        return;
    m_device = std::make_unique<QBuffer>(&m_bytes);
    m_device->open(QIODevice::ReadOnly);
    // Owned here, and a child of the picture so that it is found with it.
    m_movie = std::make_unique<QMovie>(m_device.get(), m_format, this);
    m_movie->setCacheMode(QMovie::CacheNone);
    connect(m_movie.get(), &QMovie::frameChanged, this, qOverload<>(&QWidget::update));
    // Starting shows frame 0 by itself; a picture that does not run still needs it.
    if (!(m_animating && isVisible()))
        m_movie->jumpToFrame(0);
    syncPlayback();
}

void AnimatedPicture::syncPlayback()
{
    if (!m_movie)
        return;
    const bool run = m_animating && isVisible();
    switch (m_movie->state()) {
    case QMovie::NotRunning:
        if (run)
            m_movie->start();
        break;
    case QMovie::Paused:
        if (run)
            m_movie->setPaused(false);
        break;
    case QMovie::Running:
        if (!run)
            m_movie->setPaused(true);
        break;
    }
}

void AnimatedPicture::applyHint()
{
    setToolTip(m_showHint ? toLfLineBreaks(m_hint) : QString());
}

void AnimatedPicture::dropFrames()
{
    m_movie.reset();
    m_device.reset();
    m_cachedFrame = -1;
    m_frameCache = QPixmap();
}

const QPixmap &AnimatedPicture::framePixmap()
{
    const int frame = m_movie ? m_movie->currentFrameNumber() : 0;
    if (frame == m_cachedFrame && !m_frameCache.isNull())
        return m_frameCache;
    QImage image = m_movie ? m_movie->currentImage() : m_still;
    const bool isGif = m_movie && m_movie->format().toLower() == "gif";
    if (m_transparent && !isGif)
        image = withKeyColorTransparent(image);
    m_frameCache = QPixmap::fromImage(image);
    m_cachedFrame = frame;
    return m_frameCache;
}

} // namespace solvaro
