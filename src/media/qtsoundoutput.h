#pragma once

#include "media/soundoutput.h"

#include <QObject>

class QSoundEffect;

namespace solvaro {

// The sound channel on Qt Multimedia. The audio system is reached only when the
// first sound plays, so that a start that plays nothing does not wait for it;
// on a machine without an audio output every sound is silently dropped.
// File names starting with ":/" name built-in sounds.
class QtSoundOutput final : public QObject, public SoundOutput
{
    Q_OBJECT

public:
    explicit QtSoundOutput(QObject *parent = nullptr);
    ~QtSoundOutput() override;

    void play(const QString &fileName, bool loop = false) override;
    void stop() override;

private:
    bool hasAudioOutput();

    QSoundEffect *m_effect = nullptr;
    // Unknown until the first sound is asked for.
    int m_outputState = -1;
};

} // namespace solvaro
