#include "app/versioncaption.h"

#include <QTest>

using namespace solvaro;

class TestVersionCaption : public QObject
{
    Q_OBJECT

private slots:
    void caption_data();
    void caption();
    void fourParts_data();
    void fourParts();
};

void TestVersionCaption::caption_data()
{
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("expected");

    QTest::newRow("windows name with version") << "C:/Programs/Trainer.exe"
                                               << "3.0.0.20"
                                               << "Trainer ver. 3.0.0.20 ";
    QTest::newRow("linux name gets the marker appended") << "/opt/solvaro/solvaro"
                                                         << "1.0.0.0"
                                                         << "solvaro ver. 1.0.0.0 ";
    QTest::newRow("without a version two blanks follow") << "/opt/solvaro/solvaro"
                                                         << ""
                                                         << "solvaro ver.  ";
    QTest::newRow("only the first .exe is replaced") << "/x/a.exe.exe"
                                                     << "1.2.3.4"
                                                     << "a ver..exe 1.2.3.4 ";
    QTest::newRow("the case of .exe counts") << "/x/Trainer.EXE"
                                             << "1.0.0.0"
                                             << "Trainer.EXE ver. 1.0.0.0 ";
    QTest::newRow("a short version is filled with zeros") << "/x/solvaro"
                                                          << "2.1"
                                                          << "solvaro ver. 2.1.0.0 ";
}

void TestVersionCaption::caption()
{
    QFETCH(QString, executable);
    QFETCH(QString, version);
    QFETCH(QString, expected);
    QCOMPARE(versionCaption(executable, version), expected);
}

void TestVersionCaption::fourParts_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("expected");
    QTest::newRow("complete") << "1.0.0.0"
                              << "1.0.0.0";
    QTest::newRow("leading zeros go") << "01.002.3.04"
                                      << "1.2.3.4";
    QTest::newRow("a part that is not a number counts 0") << "1.x.3"
                                                          << "1.0.3.0";
    QTest::newRow("extra parts are dropped") << "1.2.3.4.5"
                                             << "1.2.3.4";
}

void TestVersionCaption::fourParts()
{
    QFETCH(QString, version);
    QFETCH(QString, expected);
    QCOMPARE(fourPartVersion(version), expected);
}

QTEST_APPLESS_MAIN(TestVersionCaption)
#include "tst_versioncaption.moc"
