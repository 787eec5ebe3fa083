#pragma once

#include <QString>

namespace solvaro {

// The program's one sound channel: one WAV at a time, played asynchronously,
// each new sound replacing what plays. A machine without an audio device plays
// nothing and reports nothing.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;

    // Plays a file once, or over and over when loop is set. A missing or
    // unreadable file plays nothing.
    virtual void play(const QString &fileName, bool loop = false) = 0;
    // Stops every sound.
    virtual void stop() = 0;
};

} // namespace solvaro
