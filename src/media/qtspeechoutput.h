#pragma once

#include "media/speechoutput.h"

#include <QLocale>
#include <QObject>

class QTextToSpeech;
class QThread;

namespace solvaro {

// The voice on Qt TextToSpeech, in the program's language when the engine has
// a voice for it and in the engine's own otherwise. Without an engine, or when
// the engine cannot be reached, it has no voice.
//
// Reaching the engine and learning its voices takes seconds on some machines,
// so it happens on a thread of its own, and only once a pupil comes to
// something to read (a program that is started and ended at once never waits
// for it); the voice is there once voiceReady() has been emitted. Nothing else
// ever runs on that thread.
class QtSpeechOutput final : public QObject, public SpeechOutput
{
    Q_OBJECT

public:
    explicit QtSpeechOutput(const QLocale &language, QObject *parent = nullptr);
    ~QtSpeechOutput() override;

    void prepare() override;
    bool canSpeak() const override;
    void say(const QString &text) override;
    void stop() override;

signals:
    // The engine answered with a voice; canSpeak() is true from now on.
    void voiceReady();

private:
    void takeVoice();

    QLocale m_language;
    QThread *m_starter = nullptr;
    // Made by the starter thread and handed over when it has finished.
    QTextToSpeech *m_started = nullptr;
    QTextToSpeech *m_speech = nullptr;
};

} // namespace solvaro
