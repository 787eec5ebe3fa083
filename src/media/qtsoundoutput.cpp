#include "media/qtsoundoutput.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace solvaro {

namespace {

// While the audio system is first asked for its outputs, its complaint that
// no sound server answers is dropped: a machine without sound stays silent in
// every sense. Every other message goes on to the handler before.
QtMessageHandler previousHandler = nullptr;

void dropSoundServerComplaints(
    QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1StringView("PulseAudioService:")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

bool anyAudioOutput()
{
    previousHandler = qInstallMessageHandler(dropSoundServerComplaints);
    const bool found = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
    return found;
}

QUrl soundUrl(const QString &fileName)
{
    if (fileName.startsWith(QLatin1StringView(":/")))
        return QUrl(QLatin1StringView("qrc") + fileName);
    return QUrl::fromLocalFile(fileName);
}

bool soundExists(const QString &fileName)
{
    return !fileName.isEmpty() && QFileInfo(fileName).isFile();
}

} // namespace

QtSoundOutput::QtSoundOutput(QObject *parent)
    : QObject(parent)
{
}

QtSoundOutput::~QtSoundOutput() = default;

bool QtSoundOutput::hasAudioOutput()
{
    if (m_outputState < 0)
        m_outputState = anyAudioOutput() ? 1 : 0;
    return m_outputState == 1;
}

void QtSoundOutput::play(const QString &fileName, bool loop)
{
    stop();
    if (!soundExists(fileName) || !hasAudioOutput())
        return;
    if (!m_effect)
        m_effect = new QSoundEffect(this);
    m_effect->setSource(soundUrl(fileName));
    m_effect->setLoopCount(loop ? int(QSoundEffect::Infinite) : 1);
    // A sound still loading starts as soon as it is ready.
    m_effect->play();
}

void QtSoundOutput::stop()
{
    if (m_effect)
        m_effect->stop();
}

} // namespace solvaro
