#include "media/qtspeechoutput.h"

#include <QTextToSpeech>
#include <QThread>

#include <optional>

namespace solvaro {

namespace {

// A voice that speaks the language itself, and failing that one of its country
// or of another country of the language.
std::optional<QLocale> voiceLocaleFor(const QLocale &language, const QList<QLocale> &offered)
{
    std::optional<QLocale> sameLanguage;
    for (const QLocale &locale : offered) {
        if (locale.language() != language.language())
            continue;
        if (locale.territory() == language.territory())
            return locale;
        if (!sameLanguage)
            sameLanguage = locale;
    }
    return sameLanguage;
}

// The engine with its voice chosen, or null when it has no voice to give.
QTextToSpeech *startEngine(const QLocale &language)
{
    auto *speech = new QTextToSpeech;
    const QList<QLocale> offered
        = speech->state() == QTextToSpeech::Error ? QList<QLocale>() : speech->availableLocales();
    if (offered.isEmpty()) {
        delete speech;
        return nullptr;
    }
    if (const std::optional<QLocale> voice = voiceLocaleFor(language, offered))
        speech->setLocale(*voice);
    return speech;
}

} // namespace

QtSpeechOutput::QtSpeechOutput(const QLocale &language, QObject *parent)
    : QObject(parent)
    , m_language(language)
{
}

void QtSpeechOutput::prepare()
{
    // Asking for an engine where there is none only makes the library complain.
    if (m_starter || QTextToSpeech::availableEngines().isEmpty())
        return;
    QThread *home = thread();
    m_starter = QThread::create([this, language = m_language, home] {
        QTextToSpeech *speech = startEngine(language);
        if (speech)
            speech->moveToThread(home);
        m_started = speech;
    });
    connect(m_starter, &QThread::finished, this, &QtSpeechOutput::takeVoice);
    m_starter->start(QThread::LowPriority);
}

QtSpeechOutput::~QtSpeechOutput()
{
    if (m_starter) {
        m_starter->wait();
        delete m_starter;
    }
    // Never handed over when the program ends before the engine answered.
    delete m_started;
    stop();
}

void QtSpeechOutput::takeVoice()
{
    m_starter->wait();
    m_speech = m_started;
    m_started = nullptr;
    if (!m_speech)
        return;
    m_speech->setParent(this);
    emit voiceReady();
}

bool QtSpeechOutput::canSpeak() const
{
    return m_speech && m_speech->state() != QTextToSpeech::Error;
}

void QtSpeechOutput::say(const QString &text)
{
    if (!canSpeak())
        return;
    m_speech->stop();
    m_speech->say(text);
}

void QtSpeechOutput::stop()
{
    if (m_speech)
        m_speech->stop();
}

} // namespace solvaro
