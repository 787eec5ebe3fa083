#include "app/pdfviewer.h"
#include "app/systeminformation.h"
#include "app/volumecontrol.h"

#include <QTest>

using namespace solvaro;

class TestSystemInformation : public QObject
{
    Q_OBJECT

private slots:
    void messageLines();
    void processorName_data();
    void processorName();
    void memory_data();
    void memory();
    void volumeControlIsTheFirstInstalled_data();
    void volumeControlIsTheFirstInstalled();
    void pdfViewerIsTheDesktopsOrTheFirstInstalled_data();
    void pdfViewerIsTheDesktopsOrTheFirstInstalled();
};

void TestSystemInformation::messageLines()
{
    SystemInformation info;
    info.processor = QStringLiteral("Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz");
    info.memoryBytes = quint64(7982) * 1024 * 1024 + 600 * 1024; // rounds up
    info.screenHeight = 1050;
    info.screenWidth = 1680;
    info.pixelsPerInch = 96;
    QCOMPARE(systemInformationMessage(info),
        QStringLiteral("Processor=Intel(R) Core(TM) i5-8250U CPU @ 1.60GHz\r\n"
                       "Mem=7983\r\n"
                       "Screen H=1050\r\n"
                       "Screen W=1680\r\n"
                       "Screen PPi=96\r\n"));
}

void TestSystemInformation::processorName_data()
{
    QTest::addColumn<QByteArray>("cpuInfo");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first model name")
        << QByteArray("processor\t: 0\nvendor_id\t: GenuineIntel\n"
                      "model name\t: Intel(R) Xeon(R)  CPU   E5\nflags\t: fpu\n\n"
                      "processor\t: 1\nmodel name\t: Other\n")
        << "Intel(R) Xeon(R) CPU E5";
    QTest::newRow("arm boards name the hardware")
        << QByteArray("processor\t: 0\nBogoMIPS\t: 108.00\n\nHardware\t: BCM2835\n") << "BCM2835";
    QTest::newRow("older arm kernels name the processor")
        << QByteArray("Processor\t: ARMv7 Processor rev 4 (v7l)\nprocessor\t: 0\n")
        << "ARMv7 Processor rev 4 (v7l)";
    QTest::newRow("nothing readable") << QByteArray("garbage without colons\n") << "";
    QTest::newRow("empty") << QByteArray() << "";
}

void TestSystemInformation::processorName()
{
    QFETCH(QByteArray, cpuInfo);
    QFETCH(QString, expected);
    QCOMPARE(processorNameFromCpuInfo(cpuInfo), expected);
}

void TestSystemInformation::memory_data()
{
    QTest::addColumn<QByteArray>("memInfo");
    QTest::addColumn<quint64>("expected");
    QTest::newRow("kilobytes to bytes")
        << QByteArray("MemTotal:       16307412 kB\nMemFree:  1 kB\n") << quint64(16307412) * 1024;
    QTest::newRow("not first") << QByteArray("Other: 5 kB\nMemTotal: 2048 kB\n")
                               << quint64(2048 * 1024);
    QTest::newRow("missing") << QByteArray("MemFree: 1 kB\n") << quint64(0);
    QTest::newRow("not a number") << QByteArray("MemTotal: lots kB\n") << quint64(0);
}

void TestSystemInformation::memory()
{
    QFETCH(QByteArray, memInfo);
    QFETCH(quint64, expected);
    QCOMPARE(memoryBytesFromMemInfo(memInfo), expected);
}

void TestSystemInformation::volumeControlIsTheFirstInstalled_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("none") << QStringList() << QString() << QStringList();
    QTest::newRow("pulse audio's own comes first")
        << QStringList { QStringLiteral("gnome-control-center"), QStringLiteral("pavucontrol") }
        << "/usr/bin/pavucontrol" << QStringList();
    QTest::newRow("a desktop's settings with the sound page")
        << QStringList { QStringLiteral("gnome-control-center") } << "/usr/bin/gnome-control-center"
        << QStringList { QStringLiteral("sound") };
    QTest::newRow("plasma") << QStringList { QStringLiteral("systemsettings") }
                            << "/usr/bin/systemsettings"
                            << QStringList { QStringLiteral("kcm_pulseaudio") };
}

void TestSystemInformation::volumeControlIsTheFirstInstalled()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    const auto found = chooseVolumeControl([&](const QString &name) {
        return installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
    });
    if (program.isEmpty()) {
        QVERIFY(!found);
        return;
    }
    QVERIFY(found);
    QCOMPARE(found->program, program);
    QCOMPARE(found->arguments, arguments);
}

void TestSystemInformation::pdfViewerIsTheDesktopsOrTheFirstInstalled_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<bool>("desktopHasPdfApplication");
    QTest::addColumn<QString>("program");
    QTest::newRow("none") << QStringList() << false << QString();
    QTest::newRow("an opener with nothing behind it")
        << QStringList { QStringLiteral("xdg-open") } << false << QString();
    QTest::newRow("the desktop's application") << QStringList { QStringLiteral("xdg-open"),
        QStringLiteral("okular") } << true << "/usr/bin/xdg-open";
    QTest::newRow("a viewer without the desktop's choice") << QStringList {
        QStringLiteral("xdg-open"), QStringLiteral("firefox"), QStringLiteral("okular")
    } << false << "/usr/bin/okular";
}

void TestSystemInformation::pdfViewerIsTheDesktopsOrTheFirstInstalled()
{
    QFETCH(QStringList, installed);
    QFETCH(bool, desktopHasPdfApplication);
    QFETCH(QString, program);
    const auto found = choosePdfViewer(
        [&](const QString &name) {
            return installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
        },
        [&] { return desktopHasPdfApplication; });
    QCOMPARE(found ? found->program : QString(), program);
}

QTEST_APPLESS_MAIN(TestSystemInformation)
#include "tst_systeminformation.moc"
