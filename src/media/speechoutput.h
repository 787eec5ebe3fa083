#pragma once

#include <QString>

namespace solvaro {

// The voice that reads texts aloud to the pupil: one text at a time, each new
// one replacing what is being read. A machine without a speech engine has no
// voice; the program then offers no reading aloud.
class SpeechOutput
{
public:
    virtual ~SpeechOutput() = default;

    // Reaching a voice may take a while: this starts it, and canSpeak()
    // becomes true once it is there.
    virtual void prepare() = 0;
    // Whether a voice can read now.
    virtual bool canSpeak() const = 0;
    // Reads a text aloud; nothing happens without a voice.
    virtual void say(const QString &text) = 0;
    virtual void stop() = 0;
};

} // namespace solvaro
