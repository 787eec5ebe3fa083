#include "home/skinfile.h"
#include "storage/designspace.h"
#include "storage/inifile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace solvaro;

// Reading a skin's pictures, whistle switch and music, and the rules that keep
// configuration files from being taken for skins.
class TestSkinFile : public QObject
{
    Q_OBJECT

private slots:
    void picturesAreReadInSectionOrder();
    void pictureGeometry_data();
    void pictureGeometry();
    void pathIsConvertedOnlyWithAnEnd_data();
    void pathIsConvertedOnlyWithAnEnd();
    void missingSkinHasNoPicturesAndWhistles();
    void whistle_data();
    void whistle();
    void musicSwitch_data();
    void musicSwitch();
    void refusedSkinNames_data();
    void refusedSkinNames();
    void sameSkinName_data();
    void sameSkinName();
    void chosenFilesLandInTheIniFolder();

private:
    QString writeSkin(const QByteArray &content);

    QTemporaryDir m_dir;
    int m_files = 0;
};

QString TestSkinFile::writeSkin(const QByteArray &content)
{
    const QString path = m_dir.filePath(QStringLiteral("skin%1.ini").arg(++m_files));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the skin fixture");
    file.write(content);
    return path;
}

void TestSkinFile::picturesAreReadInSectionOrder()
{
    const IniFile skin(writeSkin("[ani102]\r\nFileName=SOL_IMG\\c.gif\r\n"
                                 "[ani100]\r\nFileName=SOL_IMG\\a.gif\r\n"
                                 "[ani101]\r\nFileName=#\r\n"
                                 "[ani199]\r\nFileName=SOL_IMG\\z.gif\r\n"
                                 "[ani200]\r\nFileName=SOL_IMG\\beyond.gif\r\n"
                                 "[ANI103]\r\nleft=5\r\n"));
    const QList<SkinPicture> pictures = readSkinPictures(skin, DesignSpace(QSize(1680, 1050)));
    QCOMPARE(pictures.size(), 3);
    QCOMPARE(pictures[0].number, 0);
    QCOMPARE(pictures[0].file, QStringLiteral("SOL_IMG\\a.gif"));
    QCOMPARE(pictures[1].number, 2);
    QCOMPARE(pictures[1].file, QStringLiteral("SOL_IMG\\c.gif"));
    QCOMPARE(pictures[2].number, 99);
}

void TestSkinFile::pictureGeometry_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("defaults of 20") << QSize(1680, 1050) << QByteArray() << QRect(10, 10, 10, 10);
    QTest::newRow("half of the design screen")
        << QSize(1680, 1050) << QByteArray("left=100\r\ntop=1400\r\nwidth=180\r\nheight=240\r\n")
        << QRect(50, 700, 90, 120);
    // 1366 × 240 / 3360 is about 97.6: the height follows the width.
    QTest::newRow("height measured against the width")
        << QSize(1366, 768) << QByteArray("left=100\r\ntop=100\r\nwidth=240\r\nheight=240\r\n")
        << QRect(40, 36, 97, 97);
    QTest::newRow("a width of 30 is 15 pixels")
        << QSize(1680, 1050) << QByteArray("width=30\r\n") << QRect(10, 10, 15, 10);
    QTest::newRow("written key Left reads as left")
        << QSize(1680, 1050) << QByteArray("Left=400\r\n") << QRect(200, 10, 10, 10);
    QTest::newRow("a value that is no number takes the default")
        << QSize(1680, 1050) << QByteArray("left=abc\r\n") << QRect(10, 10, 10, 10);
}

void TestSkinFile::pictureGeometry()
{
    QFETCH(QSize, screen);
    QFETCH(QByteArray, keys);
    QFETCH(QRect, geometry);

    const IniFile skin(writeSkin("[ani100]\r\nFileName=SOL_IMG\\a.gif\r\n" + keys));
    const QList<SkinPicture> pictures = readSkinPictures(skin, DesignSpace(screen));
    QCOMPARE(pictures.size(), 1);
    QCOMPARE(pictures[0].geometry, geometry);
}

void TestSkinFile::pathIsConvertedOnlyWithAnEnd_data()
{
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<int>("x1");
    QTest::addColumn<int>("y1");
    QTest::addColumn<int>("x2");
    QTest::addColumn<int>("y2");
    QTest::addColumn<int>("dx");

    QTest::newRow("no path") << QByteArray() << -1 << -1 << -1 << -1 << 1;
    QTest::newRow("converted path, step kept")
        << QByteArray("X1=200\r\nY1=2100\r\nX2=800\r\nY2=420\r\nDX=-8\r\n") << 100 << 1050 << 400
        << 210 << -8;
    QTest::newRow("an end at 0 keeps all four as stored")
        << QByteArray("X1=200\r\nY1=2100\r\nX2=0\r\nY2=420\r\nDX=3\r\n") << 200 << 2100 << 0 << 420
        << 3;
    QTest::newRow("a negative end keeps them too")
        << QByteArray("X1=200\r\nY1=300\r\nX2=-1\r\nY2=420\r\n") << 200 << 300 << -1 << 420 << 1;
}

void TestSkinFile::pathIsConvertedOnlyWithAnEnd()
{
    QFETCH(QByteArray, keys);
    QFETCH(int, x1);
    QFETCH(int, y1);
    QFETCH(int, x2);
    QFETCH(int, y2);
    QFETCH(int, dx);

    const IniFile skin(writeSkin("[ani100]\r\nFileName=SOL_IMG\\a.gif\r\n" + keys));
    const QList<SkinPicture> pictures = readSkinPictures(skin, DesignSpace(QSize(1680, 1050)));
    QCOMPARE(pictures.size(), 1);
    const GifPath &path = pictures[0].path;
    QCOMPARE(path.X1, x1);
    QCOMPARE(path.Y1, y1);
    QCOMPARE(path.X2, x2);
    QCOMPARE(path.Y2, y2);
    QCOMPARE(path.DX, dx);
}

void TestSkinFile::missingSkinHasNoPicturesAndWhistles()
{
    const IniFile skin(m_dir.filePath(QStringLiteral("missing.ini")));
    QVERIFY(readSkinPictures(skin, DesignSpace(QSize(1680, 1050))).isEmpty());
    QCOMPARE(readWhistle(skin), QStringLiteral("SI"));
    QVERIFY(!whistleSilences(readWhistle(skin)));
    QVERIFY(readMusicFile(skin, QStringLiteral("W6")).isEmpty());
    QVERIFY(readMusicSwitchedOn(skin));
}

void TestSkinFile::whistle_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("silences");

    QTest::newRow("NO") << QByteArray("[COMMONAREA]\r\nFISCHIO=NO\r\n") << true;
    QTest::newRow("key case does not matter")
        << QByteArray("[commonarea]\r\nfischio=NO\r\n") << true;
    QTest::newRow("no in lower case does not")
        << QByteArray("[COMMONAREA]\r\nFISCHIO=no\r\n") << false;
    QTest::newRow("SI") << QByteArray("[COMMONAREA]\r\nFISCHIO=SI\r\n") << false;
    QTest::newRow("empty") << QByteArray("[COMMONAREA]\r\nFISCHIO=\r\n") << false;
}

void TestSkinFile::whistle()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, silences);
    QCOMPARE(whistleSilences(readWhistle(IniFile(writeSkin(content)))), silences);
}

void TestSkinFile::musicSwitch_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("on");

    QTest::newRow("ON") << QByteArray("[MUSICA]\r\nW6=SOL_WAV\\m.wav\r\nW6_ON_OFF=ON\r\n") << true;
    QTest::newRow("missing switch") << QByteArray("[MUSICA]\r\nW6=SOL_WAV\\m.wav\r\n") << true;
    QTest::newRow("on in lower case keeps it off")
        << QByteArray("[MUSICA]\r\nW6_ON_OFF=on\r\n") << false;
    QTest::newRow("OFF") << QByteArray("[MUSICA]\r\nW6_ON_OFF=OFF\r\n") << false;
    QTest::newRow("empty") << QByteArray("[MUSICA]\r\nW6_ON_OFF=\r\n") << false;
}

void TestSkinFile::musicSwitch()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, on);
    QCOMPARE(readMusicSwitchedOn(IniFile(writeSkin(content))), on);
}

void TestSkinFile::refusedSkinNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("refusedToLoad");
    QTest::addColumn<bool>("refusedToSave");

    QTest::newRow("exercise file") << QStringLiteral("SOL_INI\\Tipo3.ini") << true << true;
    QTest::newRow("exercise file in lower case")
        << QStringLiteral("SOL_INI\\tipo3.ini") << true << true;
    QTest::newRow("TIPO inside a name") << QStringLiteral("SOL_INI\\MyTIPO.ini") << true << true;
    QTest::newRow("Generale is a skin name")
        << QStringLiteral("SOL_INI\\Generale.ini") << false << false;
    QTest::newRow("GENERALE is not") << QStringLiteral("SOL_INI\\GENERALE.ini") << true << true;
    QTest::newRow("a skin") << QStringLiteral("SOL_INI\\Autunno.ini") << false << false;
    QTest::newRow("the default skin loads") << QStringLiteral("SOL_INI\\SKIN.INI") << false << true;
    QTest::newRow("and is kept in any case")
        << QStringLiteral("SOL_INI\\skin.ini") << false << true;
    QTest::newRow("a name that only ends like it")
        << QStringLiteral("SOL_INI\\MYSKIN.INI") << false << false;
}

void TestSkinFile::refusedSkinNames()
{
    QFETCH(QString, name);
    QFETCH(bool, refusedToLoad);
    QFETCH(bool, refusedToSave);
    QCOMPARE(isRefusedSkinName(name), refusedToLoad);
    QCOMPARE(isRefusedSkinTarget(name), refusedToSave);
}

void TestSkinFile::sameSkinName_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("same");

    QTest::newRow("equal") << QStringLiteral("SOL_INI\\A.ini") << QStringLiteral("SOL_INI\\A.ini")
                           << true;
    QTest::newRow("case apart") << QStringLiteral("SOL_INI\\a.INI")
                                << QStringLiteral("SOL_INI\\A.ini") << true;
    QTest::newRow("separator apart")
        << QStringLiteral("SOL_INI/A.ini") << QStringLiteral("SOL_INI\\A.ini") << true;
    QTest::newRow("different") << QStringLiteral("SOL_INI\\A.ini")
                               << QStringLiteral("SOL_INI\\B.ini") << false;
}

void TestSkinFile::sameSkinName()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, same);
    QCOMPARE(isSameSkinName(first, second), same);
}

void TestSkinFile::chosenFilesLandInTheIniFolder()
{
    QCOMPARE(skinNameOf(QStringLiteral("/home/teacher/Skins/Inverno.ini")),
        QStringLiteral("SOL_INI\\Inverno.ini"));
    QCOMPARE(skinNameOf(QStringLiteral("Primavera.ini")), QStringLiteral("SOL_INI\\Primavera.ini"));
}

QTEST_APPLESS_MAIN(TestSkinFile)
#include "tst_skinfile.moc"
