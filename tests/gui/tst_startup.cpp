// Starts the real program on a copy of the sample installation and lets it end
// as soon as its start panel is painted.
#include "support/testinstallation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace solvaro;

namespace {

constexpr int startTimeoutMs = 60000;

// What the program wrote, without the notices of the headless platform plugin
// ("This plugin does not support raise()"), which a desktop never shows.
QString programMessages(const QByteArray &output)
{
    QStringList lines = QString::fromUtf8(output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.removeIf([](const QString &line) {
        return line.startsWith(QLatin1StringView("This plugin does not support "));
    });
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsAndPaintsTheStartPanel();
    void aSecondStartEndsAtOnce();
    void aLeftOverSocketDoesNotBlockTheStart();

private:
    // The program's copy next to the installation, as a real one lives.
    QString program() const { return m_installation->path(QStringLiteral("solvaro")); }
    QString socketPath() const
    {
        return m_runtime->filePath(QStringLiteral("solvaro-%1").arg(::getuid()));
    }
    void prepare(QProcess &process, bool exitAfterStart) const;

    std::unique_ptr<TestInstallation> m_installation;
    std::unique_ptr<QTemporaryDir> m_runtime;
};

void TestStartup::init()
{
    m_installation = std::make_unique<TestInstallation>();
    m_installation->copySample();
    // The executable folder is where the executable really is, so the program
    // is copied rather than linked.
    QVERIFY(QFile::copy(QStringLiteral(SOLVARO_PROGRAM), program()));
    QVERIFY(
        QFile::setPermissions(program(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    m_runtime = std::make_unique<QTemporaryDir>();
    QVERIFY(m_runtime->isValid());
}

void TestStartup::cleanup()
{
    m_installation.reset();
    m_runtime.reset();
}

void TestStartup::prepare(QProcess &process, bool exitAfterStart) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // Its own temporary and runtime folders keep this copy apart from any
    // other running on the machine.
    env.insert(QStringLiteral("TMPDIR"), m_runtime->path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime->path());
    env.remove(QStringLiteral("SOLVARO_EXIT_AFTER_START"));
    if (exitAfterStart)
        env.insert(QStringLiteral("SOLVARO_EXIT_AFTER_START"), QStringLiteral("report"));
    process.setProcessEnvironment(env);
    process.setProgram(program());
    process.setWorkingDirectory(QDir::homePath());
}

void TestStartup::startsAndPaintsTheStartPanel()
{
    QProcess process;
    prepare(process, true);
    process.start();
    QVERIFY(process.waitForFinished(startTimeoutMs));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    const QString output = QString::fromUtf8(process.readAllStandardOutput());
    const QRegularExpressionMatch figures = QRegularExpression(
        QStringLiteral("^painted_ns=(\\d+) cpu_ms=\\d+ ready_ns=(\\d+) rss_kb=[1-9]\\d*\\n$"))
                                                .match(output);
    QVERIFY2(figures.hasMatch(), qPrintable(output));
    // The other forms are made after the start panel is painted.
    QVERIFY(figures.captured(1).toLongLong() <= figures.captured(2).toLongLong());
    QCOMPARE(programMessages(process.readAllStandardError()), QString());
}

void TestStartup::aSecondStartEndsAtOnce()
{
    QProcess first;
    prepare(first, false);
    first.start();
    QVERIFY(first.waitForStarted(startTimeoutMs));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(socketPath()), startTimeoutMs);

    // Told to end after painting, a second copy that started would exit only
    // then; it must end without painting and without a word.
    QProcess second;
    prepare(second, true);
    second.start();
    QVERIFY(second.waitForFinished(startTimeoutMs));
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(second.readAllStandardOutput(), QByteArray());
    QCOMPARE(programMessages(second.readAllStandardError()), QString());
    QCOMPARE(first.state(), QProcess::Running);

    first.terminate();
    QVERIFY(first.waitForFinished(startTimeoutMs));
    QCOMPARE(programMessages(first.readAllStandardError()), QString());
}

void TestStartup::aLeftOverSocketDoesNotBlockTheStart()
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(fd >= 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(socketPath());
    QVERIFY(size_t(name.size()) < sizeof(address.sun_path));
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ::close(fd);

    QProcess process;
    prepare(process, true);
    process.start();
    QVERIFY(process.waitForFinished(startTimeoutMs));
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(process.readAllStandardOutput().startsWith("painted_ns="));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
