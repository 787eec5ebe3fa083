#include "player/animationpreview.h"

#include "player/feedbackmedia.h"

namespace solvaro {

void AnimationPreview::start(const QStringList &gifPaths)
{
    m_gifPaths = gifPaths;
    m_counter = 10;
}

void AnimationPreview::tick(FeedbackMedia &media)
{
    if (m_counter % 10 == 0) {
        const QString path = m_gifPaths.value(m_counter / 10 - 1);
        if (!path.isEmpty())
            media.showTopAnimationFile(path);
        if (m_counter / 20 >= 1 && media.hasBottomAnimation())
            media.CreaGIF(QStringLiteral("GIF%1").arg(m_counter / 20 + 4));
    }
    m_counter += 1;
    if (m_counter == 50)
        m_counter = 10;
}

} // namespace solvaro
