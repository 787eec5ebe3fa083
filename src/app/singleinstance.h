#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace solvaro {

// Keeps the program to one running copy per user. The first copy listens on a
// local socket; a later one finds it there, asks it to come to the front and
// ends. A socket left behind by a copy that crashed does not count.
class SingleInstance final : public QObject
{
    Q_OBJECT

public:
    // key names the socket: a bare name lives in the temporary folder, a path
    // stands as it is.
    explicit SingleInstance(const QString &key, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The key of the present user.
    static QString userKey();

    // True when no other copy runs: this one then answers later starts. False
    // when another copy runs; it has been asked to come to the front.
    bool claim();

signals:
    // A later start asked this copy to come to the front.
    void activationRequested();

private:
    bool askRunningCopy() const;
    void acceptConnections();

    QString m_key;
    QLocalServer *m_server = nullptr;
};

} // namespace solvaro
