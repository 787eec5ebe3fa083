// Which installation folder the program works on: its own folder for a copy
// run from a folder, else a class folder a settings file names, else the
// user's own; and never somewhere else when the class folder is out of reach.
#include "app/installationfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

class TestInstallationFolder : public QObject
{
    Q_OBJECT

private slots:
    void choosesTheFolder_data();
    void choosesTheFolder();
};

void TestInstallationFolder::choosesTheFolder_data()
{
    QTest::addColumn<QStringList>("installed"); // folders that hold an installation
    QTest::addColumn<QString>("setting"); // the settings file's "Folder", or none
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("copiesSample");
    QTest::addColumn<bool>("problem");

    const QStringList none;
    QTest::newRow("a copy run from its folder")
        << QStringList { u"bin"_s } << u"class"_s << u"bin"_s << false << false;
    QTest::newRow("first start of an installed program")
        << none << QString() << u"user"_s << true << false;
    QTest::newRow("later starts") << QStringList { u"user"_s } << QString() << u"user"_s << false
                                  << false;
    QTest::newRow("an empty class folder") << none << u"class"_s << u"class"_s << true << false;
    QTest::newRow("a class folder named relative to the settings")
        << QStringList { u"class"_s } << u"../class"_s << u"class"_s << false << false;
    QTest::newRow("a class folder out of reach")
        << QStringList { u"user"_s } << u"unmounted"_s << QString() << false << true;
}

void TestInstallationFolder::choosesTheFolder()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, setting);
    QFETCH(QString, folder);
    QFETCH(bool, copiesSample);
    QFETCH(bool, problem);

    QTemporaryDir root;
    const QDir dir(root.path());
    for (const QString &name : { u"bin"_s, u"user"_s, u"class"_s, u"etc"_s, u"sample/SOL_INI"_s })
        QVERIFY(dir.mkpath(name));
    for (const QString &name : installed + QStringList { u"sample"_s }) {
        QVERIFY(dir.mkpath(name + u"/SOL_INI"_s));
        QFile global(dir.filePath(name + u"/SOL_INI/GLOBAL.INI"_s));
        QVERIFY(global.open(QIODevice::WriteOnly));
    }
    InstallationPlaces places;
    places.executableFolder = dir.filePath(u"bin"_s) + u'/';
    places.sampleFolder = dir.filePath(u"sample"_s);
    places.userFolder = dir.filePath(u"user"_s);
    places.settingsFiles = { dir.filePath(u"etc/user.ini"_s), dir.filePath(u"etc/machine.ini"_s) };
    if (!setting.isEmpty()) {
        QFile settings(dir.filePath(u"etc/machine.ini"_s));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        const QString path = setting.startsWith(u"..") ? setting : dir.filePath(setting);
        settings.write("[Installation]\r\nFolder=" + path.toUtf8() + "\r\n");
    }

    const InstallationChoice choice = chooseInstallation(places);
    QCOMPARE(choice.folder, folder.isEmpty() ? QString() : dir.filePath(folder) + u'/');
    QCOMPARE(choice.copySampleFrom, copiesSample ? places.sampleFolder : QString());
    QCOMPARE(!choice.problem.isEmpty(), problem);
    if (problem)
        QVERIFY(choice.problem.contains(dir.filePath(setting)));

    if (copiesSample) {
        const InstallationChoice settled = settleInstallation(places);
        QCOMPARE(settled.folder, choice.folder);
        for (const char *made : { "SOL_INI/GLOBAL.INI", "SOL_TMP", "SOL_IMG", "SOL_WAV" })
            QVERIFY(QFileInfo::exists(choice.folder + QLatin1String(made)));
    }
}

QTEST_GUILESS_MAIN(TestInstallationFolder)
#include "tst_installationfolder.moc"
