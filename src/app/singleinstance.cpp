#include "app/singleinstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace solvaro {

namespace {

// How long a start waits for a running copy to take its request; a live copy
// answers at once, so this only bounds a copy that hangs.
constexpr int answerTimeoutMs = 1000;
const char activateRequest[] = "activate\n";

} // namespace

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : QObject(parent)
    , m_key(key)
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::userKey()
{
    return QStringLiteral("solvaro-%1").arg(::getuid());
}

bool SingleInstance::askRunningCopy() const
{
    QLocalSocket socket;
    socket.connectToServer(m_key);
    if (!socket.waitForConnected(answerTimeoutMs))
        return false;
    socket.write(activateRequest);
    socket.waitForBytesWritten(answerTimeoutMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::claim()
{
    if (m_server)
        return true;
    if (askRunningCopy())
        return false;

    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_key)) {
        // Nobody answered on the socket, so it is left over from a copy that
        // did not end cleanly.
        QLocalServer::removeServer(m_key);
        if (!m_server->listen(m_key)) {
            // Another copy may have started in the meantime; otherwise run
            // without guarding rather than not at all.
            if (askRunningCopy())
                return false;
            return true;
        }
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return true;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        // The connection itself is the request; nothing more is read.
        socket->abort();
        socket->deleteLater();
        emit activationRequested();
    }
}

} // namespace solvaro
