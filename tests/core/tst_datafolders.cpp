#include "storage/datafolders.h"
#include "storage/globalsettings.h"
#include "storage/inifile.h"
#include "support/testinstallation.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace solvaro;

namespace {

const QString outside = QStringLiteral("<outside>");

void fillInstallation(const TestInstallation &installation)
{
    installation.writeFile(QStringLiteral("SOL_INI/Tipo1.INI"), "[0]\r\n");
    installation.writeFile(QStringLiteral("SOL_INI/both.ini"), "lower");
    installation.writeFile(QStringLiteral("SOL_INI/BOTH.INI"), "upper");
    installation.writeFile(QStringLiteral("SOL_IMG/coccardaHElp.bmp"), "BM");
    installation.writeFile(QStringLiteral("Sol_Extra/Sub/Ding.WAV"), "RIFF");
    installation.writeFile(QStringLiteral("SOL_IMG/.../x.bmp"), "BM");
}

} // namespace

class TestDataFolders : public QObject
{
    Q_OBJECT

private slots:
    void executableFolder_data();
    void executableFolder();
    void resolve_data();
    void resolve();
    void exists_data();
    void exists();
    void writeFindsFileOfOtherCase();
    void pickInto_data();
    void pickInto();
    void pickFromDataFolderKeepsFile();
    void pickFailures();
    void sheetList_data();
    void sheetList();
    void globalSettingsDefaults();
};

void TestDataFolders::executableFolder_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("folder");
    QTest::newRow("without separator") << "/opt/solvaro"
                                       << "/opt/solvaro/";
    QTest::newRow("with separator") << "/opt/solvaro/"
                                    << "/opt/solvaro/";
}

void TestDataFolders::executableFolder()
{
    QFETCH(QString, given);
    QFETCH(QString, folder);
    QCOMPARE(DataFolders(given).executableFolder(), folder);
}

void TestDataFolders::resolve_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");

    QTest::newRow("exact") << "SOL_INI\\Tipo1.INI"
                           << "SOL_INI/Tipo1.INI";
    QTest::newRow("extension in other case") << "SOL_INI\\Tipo1.ini"
                                             << "SOL_INI/Tipo1.INI";
    QTest::newRow("every component in other case") << "sol_ini\\TIPO1.ini"
                                                   << "SOL_INI/Tipo1.INI";
    QTest::newRow("mixed case name") << "SOL_IMG\\coccardahelp.BMP"
                                     << "SOL_IMG/coccardaHElp.bmp";
    QTest::newRow("deeper folders") << "SOL_EXTRA\\sub\\ding.wav"
                                    << "Sol_Extra/Sub/Ding.WAV";
    QTest::newRow("exact lower wins") << "SOL_INI\\both.ini"
                                      << "SOL_INI/both.ini";
    QTest::newRow("exact upper wins") << "SOL_INI\\BOTH.INI"
                                      << "SOL_INI/BOTH.INI";
    QTest::newRow("two candidates") << "SOL_INI\\Both.Ini"
                                    << "SOL_INI/BOTH.INI";
    QTest::newRow("forward slashes") << "SOL_INI/tipo1.ini"
                                     << "SOL_INI/Tipo1.INI";
    QTest::newRow("doubled separator") << "SOL_INI\\\\Tipo1.INI"
                                       << "SOL_INI/Tipo1.INI";
    QTest::newRow("current folder") << ".\\SOL_INI\\Tipo1.INI"
                                    << "SOL_INI/Tipo1.INI";
    QTest::newRow("three dots is a name") << "SOL_IMG\\...\\X.BMP"
                                          << "SOL_IMG/.../x.bmp";
    QTest::newRow("missing file keeps its name") << "sol_ini\\New.INI"
                                                 << "SOL_INI/New.INI";
    QTest::newRow("missing folder keeps names") << "NEW\\Sub\\x.ini"
                                                << "NEW/Sub/x.ini";
    QTest::newRow("folder") << "sol_img\\"
                            << "SOL_IMG/";

    QTest::newRow("empty") << "" << outside;
    QTest::newRow("parent") << "..\\x.ini" << outside;
    QTest::newRow("parent deeper") << "SOL_INI\\..\\..\\x.ini" << outside;
    QTest::newRow("parent and back") << "SOL_INI\\..\\SOL_INI\\Tipo1.INI" << outside;
    QTest::newRow("parent with slashes") << "SOL_INI/../../x" << outside;
    QTest::newRow("drive letter") << "C:\\Windows\\win.ini" << outside;
    QTest::newRow("drive relative") << "c:win.ini" << outside;
    QTest::newRow("network path") << "\\\\server\\share\\x.ini" << outside;
    QTest::newRow("root of drive") << "\\x.ini" << outside;
    QTest::newRow("absolute Linux path") << "/etc/passwd" << outside;
}

void TestDataFolders::resolve()
{
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    TestInstallation installation;
    fillInstallation(installation);
    const DataFolders folders(installation.folder());
    QCOMPARE(folders.resolve(stored),
        expected == outside ? QString() : installation.folder() + expected);
}

void TestDataFolders::exists_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("found");
    QTest::newRow("file") << "SOL_IMG\\coccardaHElp.bmp" << true;
    QTest::newRow("file in other case") << "SOL_IMG\\COCCARDAHELP.BMP" << true;
    QTest::newRow("missing file") << "SOL_IMG\\none.bmp" << false;
    QTest::newRow("folder is no file") << "SOL_IMG" << false;
    QTest::newRow("outside") << "..\\SOL_IMG\\coccardaHElp.bmp" << false;
    QTest::newRow("empty") << "" << false;
}

void TestDataFolders::exists()
{
    QFETCH(QString, stored);
    QFETCH(bool, found);
    TestInstallation installation;
    fillInstallation(installation);
    QCOMPARE(DataFolders(installation.folder()).exists(stored), found);
}

void TestDataFolders::writeFindsFileOfOtherCase()
{
    TestInstallation installation;
    installation.writeFile(QStringLiteral("SOL_INI/Global.Ini"), "[COMMONAREA]\r\nMAX0=1\r\n");
    const DataFolders folders(installation.folder());
    QCOMPARE(folders.globalSettingsFile(), installation.path(QStringLiteral("SOL_INI/Global.Ini")));
    IniFile ini(folders.globalSettingsFile());
    ini.writeInteger(QStringLiteral("COMMONAREA"), QStringLiteral("MAX0"), 2);
    ini.updateFile();
    QCOMPARE(QDir(installation.path(QStringLiteral("SOL_INI"))).entryList(QDir::Files),
        QStringList { QStringLiteral("Global.Ini") });
    QCOMPARE(installation.readFile(QStringLiteral("SOL_INI/Global.Ini")),
        QByteArray("[COMMONAREA]\r\nMAX0=2\r\n"));
}

void TestDataFolders::pickInto_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("existing"); // file already in the installation, or empty
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("written"); // the file that holds the copy afterwards

    QTest::newRow("new picture") << "SOL_IMG\\"
                                 << ""
                                 << "SOL_IMG\\Pic.bmp"
                                 << "SOL_IMG/Pic.bmp";
    QTest::newRow("folder without separator") << "SOL_WAV"
                                              << ""
                                              << "SOL_WAV\\Pic.bmp"
                                              << "SOL_WAV/Pic.bmp";
    QTest::newRow("overwrites same name") << "SOL_IMG\\"
                                          << "SOL_IMG/Pic.bmp"
                                          << "SOL_IMG\\Pic.bmp"
                                          << "SOL_IMG/Pic.bmp";
    QTest::newRow("overwrites other case") << "SOL_IMG\\"
                                           << "SOL_IMG/PIC.BMP"
                                           << "SOL_IMG\\Pic.bmp"
                                           << "SOL_IMG/PIC.BMP";
}

void TestDataFolders::pickInto()
{
    QFETCH(QString, folder);
    QFETCH(QString, existing);
    QFETCH(QString, stored);
    QFETCH(QString, written);
    TestInstallation installation;
    if (!existing.isEmpty())
        installation.writeFile(existing, "old content");
    QTemporaryDir elsewhere;
    const QString picked = elsewhere.filePath(QStringLiteral("Pic.bmp"));
    QFile file(picked);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("new content");
    file.close();

    const DataFolders folders(installation.folder());
    QCOMPARE(folders.pickInto(folder, picked), stored);
    QCOMPARE(installation.readFile(written), QByteArray("new content"));
    QCOMPARE(folders.resolve(stored), installation.path(written));
    const QString target = QFileInfo(installation.path(written)).absolutePath();
    QCOMPARE(QDir(target).entryList(QDir::Files).size(), 1);
}

void TestDataFolders::pickFromDataFolderKeepsFile()
{
    TestInstallation installation;
    installation.writeFile(QStringLiteral("SOL_WAV/ding.wav"), "RIFF data");
    const DataFolders folders(installation.folder());
    QCOMPARE(folders.pickInto(QStringLiteral("SOL_WAV\\"),
                 installation.path(QStringLiteral("SOL_WAV/ding.wav"))),
        QStringLiteral("SOL_WAV\\ding.wav"));
    QCOMPARE(installation.readFile(QStringLiteral("SOL_WAV/ding.wav")), QByteArray("RIFF data"));
}

void TestDataFolders::pickFailures()
{
    TestInstallation installation;
    const DataFolders folders(installation.folder());
    QCOMPARE(
        folders.pickInto(QStringLiteral("SOL_IMG\\"), installation.path(QStringLiteral("none"))),
        QString());
    QCOMPARE(
        folders.pickInto(QStringLiteral("SOL_IMG\\"), installation.path(QStringLiteral("SOL_IMG"))),
        QString());
    installation.writeFile(QStringLiteral("x.bmp"), "BM");
    QCOMPARE(folders.pickInto(QStringLiteral("..\\"), installation.path(QStringLiteral("x.bmp"))),
        QString());
    // A Linux name with a backslash would read back as a path.
    QFile odd(QDir(installation.folder()).filePath(QStringLiteral("..\\x.bmp")));
    QVERIFY(odd.open(QIODevice::WriteOnly));
    odd.close();
    QCOMPARE(folders.pickInto(QStringLiteral("SOL_IMG\\"), odd.fileName()), QString());
}

void TestDataFolders::sheetList_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("sheets");
    const QString tipo0 = QStringLiteral("SOL_INI\\Tipo0.INI");
    const QString tipo1 = QStringLiteral("SOL_INI\\Tipo1.INI");

    QTest::newRow("no file") << QByteArray() << QStringList();
    QTest::newRow("two sheets") << QByteArray(
        "[COMMONAREA]\r\nINI_FILE0=SOL_INI\\Tipo0.INI\r\nini_file1=SOL_INI\\Tipo1.INI\r\n")
                                << QStringList { tipo0, tipo1 };
    QTest::newRow("stops at the gap") << QByteArray(
        "[COMMONAREA]\r\nINI_FILE0=SOL_INI\\Tipo0.INI\r\nINI_FILE1=SOL_INI\\Tipo1.INI\r\n"
        "INI_FILE3=SOL_INI\\Tipo3.INI\r\n")
                                      << QStringList { tipo0, tipo1 };
    QTest::newRow("stops at an empty value") << QByteArray(
        "[COMMONAREA]\r\nINI_FILE0=SOL_INI\\Tipo0.INI\r\nINI_FILE1=\r\n"
        "INI_FILE2=SOL_INI\\Tipo2.INI\r\n") << QStringList { tipo0 };
    QTest::newRow("first key missing")
        << QByteArray("[COMMONAREA]\r\nINI_FILE1=SOL_INI\\Tipo1.INI\r\n") << QStringList();
    QTest::newRow("other section")
        << QByteArray("[SKIN]\r\nINI_FILE0=SOL_INI\\Tipo0.INI\r\n") << QStringList();

    QByteArray many = "[COMMONAREA]\r\n";
    QStringList hundred;
    for (int n = 0; n < 105; ++n) {
        const QString file = QStringLiteral("SOL_INI\\Tipo%1.INI").arg(n);
        many += "INI_FILE" + QByteArray::number(n) + '=' + file.toUtf8() + "\r\n";
        if (n < 100)
            hundred.append(file);
    }
    QTest::newRow("at most 100") << many << hundred;
}

void TestDataFolders::sheetList()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, sheets);
    TestInstallation installation;
    if (!content.isEmpty())
        installation.writeFile(QStringLiteral("SOL_INI/GLOBAL.INI"), content);
    const IniFile ini(DataFolders(installation.folder()).globalSettingsFile());
    QCOMPARE(globalSettings::readSheetList(ini), sheets);
}

void TestDataFolders::globalSettingsDefaults()
{
    TestInstallation installation;
    installation.writeFile(QStringLiteral("SOL_INI/GLOBAL.INI"),
        "[COMMONAREA]\r\nMAX1=12\r\nSHEET_1=|Q|F|\r\nSHEET_1_EXP_2=a+b\r\n"
        "W3=SOL_WAV\\click.wav\r\nW7=SOL_WAV\\bye.wav\r\n");
    const IniFile ini(DataFolders(installation.folder()).globalSettingsFile());
    using namespace globalSettings;
    QCOMPARE(readExerciseCount(ini, 1), 12);
    QCOMPARE(readExerciseCount(ini, 0), 0);
    QCOMPARE(readScheme(ini, 1), QStringLiteral("|Q|F|"));
    QCOMPARE(readScheme(ini, 0), QStringLiteral("||||"));
    QCOMPARE(ini.readString(commonArea, sheetPatternKey(1, 2), QString()), QStringLiteral("a+b"));
    QCOMPARE(ini.readString(commonArea, soundKey(EventSound::ButtonScroll), QString()),
        QStringLiteral("SOL_WAV\\click.wav"));
    QCOMPARE(ini.readString(commonArea, soundKey(EventSound::ProgramClose), QString()),
        QStringLiteral("SOL_WAV\\bye.wav"));
    QCOMPARE(ini.readString(skinSection, skinFileKey, defaultSkinFile),
        QStringLiteral("SOL_INI\\SKIN.INI"));
    QCOMPARE(stripTopKey(QStringLiteral("LMDFill3")), QStringLiteral("LMDFill3.Top"));
}

QTEST_APPLESS_MAIN(TestDataFolders)
#include "tst_datafolders.moc"
