#include "app/singleinstance.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace solvaro;

namespace {

// Leaves a socket file behind without anyone listening, as a copy of the
// program that was killed does.
bool makeStaleSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (size_t(name.size()) >= sizeof(address.sun_path)) {
        ::close(fd);
        return false;
    }
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound;
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstCopyRunsAndLaterOnesBringItForward();
    void aLeftOverSocketDoesNotBlockAStart();
    void aCopyThatEndedFreesTheKey();

private:
    QString key() const { return m_folder->filePath(QStringLiteral("instance")); }
    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestSingleInstance::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
}

void TestSingleInstance::firstCopyRunsAndLaterOnesBringItForward()
{
    SingleInstance running(key());
    QSignalSpy asked(&running, &SingleInstance::activationRequested);
    QVERIFY(running.claim());

    SingleInstance second(key());
    QVERIFY(!second.claim());
    QTRY_COMPARE(asked.count(), 1);

    SingleInstance third(key());
    QVERIFY(!third.claim());
    QTRY_COMPARE(asked.count(), 2);

    // Claiming again changes nothing for the running copy.
    QVERIFY(running.claim());
}

void TestSingleInstance::aLeftOverSocketDoesNotBlockAStart()
{
    QVERIFY(makeStaleSocket(key()));
    QVERIFY(QFileInfo::exists(key()));
    SingleInstance starting(key());
    QVERIFY(starting.claim());

    SingleInstance later(key());
    QVERIFY(!later.claim());
}

void TestSingleInstance::aCopyThatEndedFreesTheKey()
{
    {
        SingleInstance first(key());
        QVERIFY(first.claim());
    }
    SingleInstance next(key());
    QVERIFY(next.claim());
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_mainwindowsingleinstance.moc"
