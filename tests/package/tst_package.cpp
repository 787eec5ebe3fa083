// Builds the Debian package, unpacks it as dpkg would lay it out, checks what
// it holds, and starts the unpacked program the way an installed one starts:
// first on the user's own folder, then on a class folder a settings file names.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int packTimeoutMs = 600000;
constexpr int startTimeoutMs = 60000;
const QString appId = QStringLiteral("org.solvaro.Solvaro");

struct Run {
    int exitCode = -1;
    QString output;
};

Run run(const QString &program, const QStringList &arguments,
    const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(),
    int timeoutMs = startTimeoutMs)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return { -1, QStringLiteral("timed out: ") + program };
    }
    return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAll()) };
}

QString tool(const char *name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

} // namespace

class TestPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void holdsTheProgramItsDesktopFilesAndTheSample();
    void unpackedProgramPaintsItsStartPanel_data();
    void unpackedProgramPaintsItsStartPanel();

private:
    QString root(const QString &relative) const { return m_root.filePath(relative); }

    QTemporaryDir m_work;
    QDir m_root;
    QString m_package;
};

void TestPackage::initTestCase()
{
    QVERIFY(m_work.isValid());
    const Run pack = run(QStringLiteral(SOLVARO_CPACK),
        { QStringLiteral("--config"), QStringLiteral(SOLVARO_CPACK_CONFIG), QStringLiteral("-B"),
            m_work.filePath(QStringLiteral("pack")) },
        QProcessEnvironment::systemEnvironment(), packTimeoutMs);
    QVERIFY2(pack.exitCode == 0, qPrintable(pack.output));
    const QStringList debs = QDir(m_work.filePath(QStringLiteral("pack")))
                                 .entryList({ QStringLiteral("*.deb") }, QDir::Files);
    QCOMPARE(debs.size(), 1);
    m_package = m_work.filePath(QStringLiteral("pack/") + debs.first());
    m_root.setPath(m_work.filePath(QStringLiteral("root")));
    const Run unpack = run(tool("dpkg-deb"), { QStringLiteral("-x"), m_package, m_root.path() });
    QVERIFY2(unpack.exitCode == 0, qPrintable(unpack.output));
}

void TestPackage::holdsTheProgramItsDesktopFilesAndTheSample()
{
    const Run info = run(tool("dpkg-deb"),
        { QStringLiteral("--field"), m_package, QStringLiteral("Package"),
            QStringLiteral("Depends") });
    QVERIFY2(info.output.startsWith(QStringLiteral("Package: solvaro\n")), qPrintable(info.output));
    // The linked libraries were found, and what Qt loads at run time is named.
    for (const char *dependency : { "libqt6widgets6", "qt6-qpa-plugins", "libjpeg" })
        QVERIFY2(info.output.contains(QString::fromLatin1(dependency)), qPrintable(info.output));

    QVERIFY(QFileInfo(root(QStringLiteral("usr/bin/solvaro"))).isExecutable());
    const QString desktop = root(QStringLiteral("usr/share/applications/%1.desktop").arg(appId));
    const QString metainfo = root(QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(appId));
    QStringList expected { desktop, metainfo,
        root(QStringLiteral("usr/share/icons/hicolor/scalable/apps/%1.svg").arg(appId)),
        root(QStringLiteral("usr/share/solvaro/sample/SOL_INI/GLOBAL.INI")),
        root(QStringLiteral("usr/share/solvaro/sample/SOL_INI/stampaV.frf")),
        root(QStringLiteral("usr/share/solvaro/sample/SOL_WAV/ding.wav")),
        root(QStringLiteral("usr/share/solvaro/sample/SOL_IMG/Logo.bmp")) };
    for (const int size : { 16, 24, 32, 48, 64, 128, 256 })
        expected << root(
            QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(appId));
    for (const QString &file : std::as_const(expected))
        QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));
    // Nothing of the build's own (the pupils' work of a test, placeholders).
    QDirIterator sample(root(QStringLiteral("usr/share/solvaro/sample")),
        QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (sample.hasNext()) {
        const QString file = sample.next();
        QVERIFY2(!file.contains(QStringLiteral("/SOL_TMP/"))
                && !file.endsWith(QStringLiteral(".gitkeep")),
            qPrintable(file));
    }

    const Run desktopCheck = run(tool("desktop-file-validate"), { desktop });
    QVERIFY2(desktopCheck.exitCode == 0 && desktopCheck.output.isEmpty(),
        qPrintable(desktopCheck.output));
    const Run metainfoCheck = run(
        tool("appstreamcli"), { QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo });
    QVERIFY2(metainfoCheck.exitCode == 0, qPrintable(metainfoCheck.output));
}

void TestPackage::unpackedProgramPaintsItsStartPanel_data()
{
    QTest::addColumn<bool>("classFolder");
    QTest::newRow("the user's own folder") << false;
    QTest::newRow("a class folder on the network") << true;
}

void TestPackage::unpackedProgramPaintsItsStartPanel()
{
    QFETCH(bool, classFolder);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QDir homeDir(home.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("SOLVARO_EXIT_AFTER_START"), QStringLiteral("report"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("TMPDIR"), home.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), homeDir.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), homeDir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_CONFIG_DIRS"), homeDir.filePath(QStringLiteral("etc-xdg")));

    QString installation = homeDir.filePath(QStringLiteral("data/solvaro"));
    if (classFolder) {
        // What a technician writes for every user of the machine.
        installation = homeDir.filePath(QStringLiteral("share/class-3A"));
        QVERIFY(homeDir.mkpath(installation));
        QVERIFY(homeDir.mkpath(QStringLiteral("etc-xdg/solvaro")));
        QFile settings(homeDir.filePath(QStringLiteral("etc-xdg/solvaro/solvaro.ini")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[Installation]\r\nFolder=" + installation.toUtf8() + "\r\n");
    }

    for (int start = 0; start < 2; ++start) {
        const Run program = run(root(QStringLiteral("usr/bin/solvaro")), {}, env);
        QVERIFY2(program.exitCode == 0, qPrintable(program.output));
        QVERIFY2(
            program.output.contains(QStringLiteral("painted_ns=")), qPrintable(program.output));
        // The first start made the installation writable where it works.
        QVERIFY(QFileInfo(installation + QStringLiteral("/SOL_INI/GLOBAL.INI")).isWritable());
        QVERIFY(QFileInfo(installation + QStringLiteral("/SOL_TMP")).isDir());
        if (start == 0) {
            // A teacher's change survives the next start.
            QFile global(installation + QStringLiteral("/SOL_INI/GLOBAL.INI"));
            QVERIFY(global.open(QIODevice::Append));
            global.write("[Teacher]\r\nChanged=1\r\n");
        }
    }
    QFile global(installation + QStringLiteral("/SOL_INI/GLOBAL.INI"));
    QVERIFY(global.open(QIODevice::ReadOnly));
    QVERIFY(global.readAll().contains("[Teacher]"));
    QCOMPARE(QFileInfo::exists(homeDir.filePath(QStringLiteral("data/solvaro"))), !classFolder);
}

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
