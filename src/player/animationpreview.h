#pragma once

#include <QStringList>

namespace solvaro {

class FeedbackMedia;

// The teacher's preview of an exercise's animations: on the 100 ms timer the
// top animation shows GIF1, GIF2, GIF3 and GIF4 a second each, and the bottom
// one GIF5 in the second and third second and GIF6 in the fourth.
class AnimationPreview
{
public:
    // gifPaths: the full paths of GIF1 to GIF4, empty where a file is missing.
    void start(const QStringList &gifPaths);
    void tick(FeedbackMedia &media);

    // Runs from 10 to 49, then again from 10.
    int previewCounter() const { return m_counter; }

private:
    int m_counter = 10;
    QStringList m_gifPaths;
};

} // namespace solvaro
