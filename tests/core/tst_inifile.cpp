#include "base/error.h"
#include "storage/atomicwrite.h"
#include "storage/inifile.h"
#include "support/testinstallation.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <unistd.h>

using namespace solvaro;

namespace {

const QString fileName = QStringLiteral("SOL_INI/TEST.INI");
const QString missing = QStringLiteral("<default>");

// Runs a list of edits written as "w/section/key/value", "d/section/key" or "e/section".
void applyEdits(IniFile &ini, const QStringList &edits)
{
    for (const QString &edit : edits) {
        const QStringList parts = edit.split(QLatin1Char('/'));
        if (parts.at(0) == QLatin1String("w"))
            ini.writeString(parts.at(1), parts.at(2), parts.at(3));
        else if (parts.at(0) == QLatin1String("d"))
            ini.deleteKey(parts.at(1), parts.at(2));
        else
            ini.eraseSection(parts.at(1));
    }
}

QStringList edits(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *edit : list)
        result.append(QString::fromUtf8(edit));
    return result;
}

QByteArray windows1252(const char *text)
{
    return QByteArray(text);
}

} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void readString_data();
    void readString();
    void readLimit_data();
    void readLimit();
    void encodings_data();
    void encodings();
    void readInteger_data();
    void readInteger();
    void readBool_data();
    void readBool();
    void readFloat_data();
    void readFloat();
    void sectionQueries();

    void writeLayout_data();
    void writeLayout();
    void writeReadsBack_data();
    void writeReadsBack();
    void typedWrites();
    void newFileIsUtf8WithoutMark();
    void windows1252RoundTrip_data();
    void windows1252RoundTrip();
    void windows1252MovesToUtf8ForForeignCharacter();
    void unicodeFilesStayUnicode_data();
    void unicodeFilesStayUnicode();
    void nothingWrittenWithoutChanges();

    void randomEditsMatchModel();

    void missingFolderFailsToWrite();
    void readOnlyFolderFailsToWrite();
    void interruptedWriteKeepsOldFile();
    void unreadableFileIsNeverOverwritten();
    void writeKeepsPermissions();
    void writeReplacesLinkTarget();
};

void TestIniFile::readString_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray basic = "[Main]\r\nName=Mario\r\n";
    QTest::newRow("plain") << basic << "Main"
                           << "Name"
                           << "Mario";
    QTest::newRow("section in other case") << basic << "MAIN"
                                           << "Name"
                                           << "Mario";
    QTest::newRow("key in other case") << basic << "Main"
                                       << "nAME"
                                       << "Mario";
    QTest::newRow("value keeps its case") << QByteArray("[s]\r\nk=MiXeD\r\n") << "s"
                                          << "k"
                                          << "MiXeD";
    QTest::newRow("missing section") << basic << "Other"
                                     << "Name" << missing;
    QTest::newRow("missing key") << basic << "Main"
                                 << "Surname" << missing;
    QTest::newRow("empty key argument") << basic << "Main"
                                        << "" << missing;

    QTest::newRow("blanks around key and value")
        << QByteArray("[s]\r\n \t key =  value \t\r\n") << "s"
        << "key"
        << "value";
    QTest::newRow("blanks inside brackets") << QByteArray("  [ section1 ]\r\nk=v\r\n") << "section1"
                                            << "k"
                                            << "v";
    QTest::newRow("blanks around arguments") << basic << "  Main "
                                             << "\tName "
                                             << "Mario";
    QTest::newRow("inner blanks kept") << QByteArray("[s]\r\nk=a  b\r\n") << "s"
                                       << "k"
                                       << "a  b";
    QTest::newRow("accented key in other case") << QByteArray("[s]\r\nCitt\xC3\xA0=1\r\n") << "s"
                                                << "CITTÀ"
                                                << "1";
    QTest::newRow("accented section in other case")
        << QByteArray("[\xC3\x89lise]\r\nk=1\r\n") << "éLISE"
        << "k"
        << "1";
    QTest::newRow("blank inside key name") << QByteArray("[s]\r\nmy key=v\r\n") << "s"
                                           << "my key"
                                           << "v";

    QTest::newRow("double quotes removed") << QByteArray("[s]\r\nk=\" x \"\r\n") << "s"
                                           << "k"
                                           << " x ";
    QTest::newRow("single quotes removed") << QByteArray("[s]\r\nk='x'\r\n") << "s"
                                           << "k"
                                           << "x";
    QTest::newRow("only one pair removed") << QByteArray("[s]\r\nk=\"\"x\"\"\r\n") << "s"
                                           << "k"
                                           << "\"x\"";
    QTest::newRow("quotes after blanks removed") << QByteArray("[s]\r\nk=  \"x\"  \r\n") << "s"
                                                 << "k"
                                                 << "x";
    QTest::newRow("mismatched quotes stay") << QByteArray("[s]\r\nk=\"x'\r\n") << "s"
                                            << "k"
                                            << "\"x'";
    QTest::newRow("opening quote only") << QByteArray("[s]\r\nk=\"x\r\n") << "s"
                                        << "k"
                                        << "\"x";
    QTest::newRow("lone quote stays") << QByteArray("[s]\r\nk=\"\r\n") << "s"
                                      << "k"
                                      << "\"";
    QTest::newRow("empty quotes") << QByteArray("[s]\r\nk=\"\"\r\n") << "s"
                                  << "k"
                                  << "";
    QTest::newRow("quotes in key kept") << QByteArray("[s]\r\n\"k\"=v\r\n") << "s"
                                        << "\"k\""
                                        << "v";
    QTest::newRow("quoted key not unquoted") << QByteArray("[s]\r\n\"k\"=v\r\n") << "s"
                                             << "k" << missing;
    QTest::newRow("quotes in section kept") << QByteArray("[\"s\"]\r\nk=v\r\n") << "\"s\""
                                            << "k"
                                            << "v";

    QTest::newRow("comment is no key") << QByteArray("[s]\r\n;k=v\r\n") << "s"
                                       << ";k" << missing;
    QTest::newRow("indented comment") << QByteArray("[s]\r\n  ;k=v\r\n") << "s"
                                      << "k" << missing;
    QTest::newRow("hash is ordinary") << QByteArray("[s]\r\n#k=v\r\n") << "s"
                                      << "#k"
                                      << "v";
    QTest::newRow("no inline comment") << QByteArray("[s]\r\nk=v ; note\r\n") << "s"
                                       << "k"
                                       << "v ; note";

    QTest::newRow("text after bracket ignored") << QByteArray("[s] trailing\r\nk=v\r\n") << "s"
                                                << "k"
                                                << "v";
    QTest::newRow("name ends at first bracket") << QByteArray("[a]b]\r\nk=v\r\n") << "a"
                                                << "k"
                                                << "v";
    QTest::newRow("header without bracket") << QByteArray("[S\r\nk=v\r\n") << "S"
                                            << "k"
                                            << "v";
    QTest::newRow("lines before first section") << QByteArray("k=v\r\n[s]\r\nother=1\r\n") << "s"
                                                << "k" << missing;
    QTest::newRow("key of next section not reachable")
        << QByteArray("[a]\r\nx=1\r\n[b]\r\ny=2\r\n") << "a"
        << "y" << missing;

    QTest::newRow("line without equals") << QByteArray("[s]\r\nk\r\n") << "s"
                                         << "k" << missing;
    QTest::newRow("empty value") << QByteArray("[s]\r\nk=\r\n") << "s"
                                 << "k"
                                 << "";
    QTest::newRow("equals in value") << QByteArray("[s]\r\nk=a=b\r\n") << "s"
                                     << "k"
                                     << "a=b";
    QTest::newRow("bar kept as stored") << QByteArray("[s]\r\nk=a|b\r\n") << "s"
                                        << "k"
                                        << "a|b";

    QTest::newRow("first duplicate key wins") << QByteArray("[s]\r\nk=1\r\nK=2\r\n") << "s"
                                              << "k"
                                              << "1";
    QTest::newRow("first duplicate section searched")
        << QByteArray("[s]\r\na=1\r\n[S]\r\nb=2\r\n") << "s"
        << "b" << missing;
    QTest::newRow("first duplicate section value")
        << QByteArray("[s]\r\na=1\r\n[S]\r\na=2\r\n") << "S"
        << "a"
        << "1";

    QTest::newRow("LF only") << QByteArray("[s]\nk=v\nj=w\n") << "s"
                             << "j"
                             << "w";
    QTest::newRow("CR only") << QByteArray("[s]\rk=v\rj=w\r") << "s"
                             << "j"
                             << "w";
    QTest::newRow("mixed breaks") << QByteArray("[s]\r\nk=v\rj=w\n") << "s"
                                  << "j"
                                  << "w";
    QTest::newRow("no final break") << QByteArray("[s]\r\nk=v") << "s"
                                    << "k"
                                    << "v";
    QTest::newRow("empty file") << QByteArray() << "s"
                                << "k" << missing;
}

void TestIniFile::readString()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    TestInstallation installation;
    installation.writeFile(fileName, content);
    const IniFile ini(installation.path(fileName));
    QCOMPARE(ini.readString(section, key, missing), expected);
    QCOMPARE(ini.keyExists(section, key), expected != missing);
}

void TestIniFile::readLimit_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("read");
    QTest::newRow("short") << 10 << 10;
    QTest::newRow("at the limit") << 2047 << 2047;
    QTest::newRow("one over") << 2048 << 2047;
    QTest::newRow("3000 characters") << 3000 << 2047;
}

void TestIniFile::readLimit()
{
    QFETCH(int, stored);
    QFETCH(int, read);
    QByteArray value;
    for (int i = 0; i < stored; ++i)
        value += char('a' + i % 26);
    TestInstallation installation;
    installation.writeFile(fileName, "[s]\r\nk=" + value + "\r\n");
    const IniFile ini(installation.path(fileName));
    QCOMPARE(ini.readString(QStringLiteral("s"), QStringLiteral("k"), QString()),
        QString::fromLatin1(value.left(read)));
}

void TestIniFile::encodings_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");

    QTest::newRow("UTF-8") << QByteArray("[s]\r\nk=\xC3\xA9lise \xE2\x82\xAC\r\n")
                           << QStringLiteral("élise €");
    QTest::newRow("UTF-8 with mark")
        << QByteArray("\xEF\xBB\xBF[s]\r\nk=citt\xC3\xA0\r\n") << QStringLiteral("città");
    QTest::newRow("Windows-1252") << windows1252("[s]\r\nk=\xE9lise\r\n")
                                  << QStringLiteral("élise");
    QTest::newRow("Windows-1252 euro")
        << windows1252("[s]\r\nk=\x80 5\r\n") << QStringLiteral("€ 5");
    QTest::newRow("Windows-1252 quotes")
        << windows1252("[s]\r\nk=\x93x\x94\x85\r\n") << QStringLiteral("“x”…");
    QTest::newRow("one bad byte makes all Windows-1252")
        << windows1252("[s]\r\nk=\xC3\xA9\r\nj=\xE9\r\n") << QStringLiteral("Ã©");

    const QString text = QStringLiteral("[s]\r\nk=città €\r\n");
    QByteArray utf16le("\xFF\xFE", 2);
    for (const QChar c : text) {
        utf16le += char(c.unicode() & 0xFF);
        utf16le += char(c.unicode() >> 8);
    }
    QTest::newRow("UTF-16LE with mark") << utf16le << QStringLiteral("città €");
}

void TestIniFile::encodings()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    TestInstallation installation;
    installation.writeFile(fileName, content);
    const IniFile ini(installation.path(fileName));
    QCOMPARE(ini.readString(QStringLiteral("s"), QStringLiteral("k"), missing), expected);
}

void TestIniFile::readInteger_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("expected");
    const int fallback = -77;

    QTest::newRow("decimal") << "42" << 42;
    QTest::newRow("plus sign") << "+42" << 42;
    QTest::newRow("minus sign") << "-42" << -42;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("dollar hex") << "$1F" << 31;
    QTest::newRow("0x hex") << "0x1F" << 31;
    QTest::newRow("0X hex lower digits") << "0Xff" << 255;
    QTest::newRow("negative hex") << "-$10" << -16;
    QTest::newRow("largest") << "2147483647" << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << int(-2147483648LL);
    QTest::newRow("hex bit pattern") << "$FFFFFFFF" << -1;
    QTest::newRow("quoted") << "\"12\"" << 12;
    QTest::newRow("colour number") << "-16777201" << -16777201;

    QTest::newRow("trailing letters") << "12abc" << fallback;
    QTest::newRow("real") << "1.5" << fallback;
    QTest::newRow("word") << "true" << fallback;
    QTest::newRow("empty") << "" << fallback;
    QTest::newRow("sign alone") << "-" << fallback;
    QTest::newRow("dollar alone") << "$" << fallback;
    QTest::newRow("0x alone") << "0x" << fallback;
    QTest::newRow("bad hex digit") << "$1G" << fallback;
    QTest::newRow("too large") << "2147483648" << fallback;
    QTest::newRow("too small") << "-2147483649" << fallback;
    QTest::newRow("hex too large") << "$100000000" << fallback;
    QTest::newRow("far too large") << "99999999999999999999999" << fallback;
    QTest::newRow("inner blank") << "1 2" << fallback;
    QTest::newRow("two signs") << "--1" << fallback;
}

void TestIniFile::readInteger()
{
    QFETCH(QString, value);
    QFETCH(int, expected);
    TestInstallation installation;
    installation.writeFile(fileName, "[s]\r\nk=" + value.toUtf8() + "\r\n");
    const IniFile ini(installation.path(fileName));
    QCOMPARE(ini.readInteger(QStringLiteral("s"), QStringLiteral("k"), -77), expected);
}

void TestIniFile::readBool_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");
    QTest::newRow("1") << "1" << false << true;
    QTest::newRow("0") << "0" << true << false;
    QTest::newRow("-1") << "-1" << false << true;
    QTest::newRow("2") << "2" << false << true;
    QTest::newRow("hex zero") << "$0" << true << false;
    QTest::newRow("yes keeps default true") << "yes" << true << true;
    QTest::newRow("yes keeps default false") << "yes" << false << false;
    QTest::newRow("true keeps default") << "true" << false << false;
    QTest::newRow("empty keeps default") << "" << true << true;
}

void TestIniFile::readBool()
{
    QFETCH(QString, value);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);
    TestInstallation installation;
    installation.writeFile(fileName, "[s]\r\nk=" + value.toUtf8() + "\r\n");
    const IniFile ini(installation.path(fileName));
    QCOMPARE(ini.readBool(QStringLiteral("s"), QStringLiteral("k"), defaultValue), expected);
    QCOMPARE(ini.readBool(QStringLiteral("s"), QStringLiteral("none"), defaultValue), defaultValue);
}

void TestIniFile::readFloat_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<double>("expected");
    const double fallback = -0.25;
    const QChar dot = QLatin1Char('.');
    const QChar comma = QLatin1Char(',');

    QTest::newRow("dot") << "1.5" << dot << 1.5;
    QTest::newRow("comma") << "1,5" << comma << 1.5;
    QTest::newRow("integer") << "3" << comma << 3.0;
    QTest::newRow("negative") << "-2.75" << dot << -2.75;
    QTest::newRow("exponent") << "1.5E3" << dot << 1500.0;
    QTest::newRow("negative exponent") << "25e-1" << dot << 2.5;
    QTest::newRow("no integer part") << ",5" << comma << 0.5;
    QTest::newRow("no fraction digits") << "2." << dot << 2.0;

    QTest::newRow("empty") << "" << dot << fallback;
    QTest::newRow("dot with comma separator") << "1.5" << comma << fallback;
    QTest::newRow("comma with dot separator") << "1,5" << dot << fallback;
    QTest::newRow("word") << "abc" << dot << fallback;
    QTest::newRow("separator alone") << "." << dot << fallback;
    QTest::newRow("trailing text") << "1.5kg" << dot << fallback;
    QTest::newRow("exponent without digits") << "1e" << dot << fallback;
    QTest::newRow("thousands") << "1.000,5" << comma << fallback;
    QTest::newRow("infinity") << "inf" << dot << fallback;
    QTest::newRow("overflow") << "1e999" << dot << fallback;
}

void TestIniFile::readFloat()
{
    QFETCH(QString, value);
    QFETCH(QChar, separator);
    QFETCH(double, expected);
    TestInstallation installation;
    installation.writeFile(fileName, "[s]\r\nk=" + value.toUtf8() + "\r\n");
    const IniFile ini(installation.path(fileName), separator);
    QCOMPARE(ini.readFloat(QStringLiteral("s"), QStringLiteral("k"), -0.25), expected);
}

void TestIniFile::sectionQueries()
{
    TestInstallation installation;
    installation.writeFile(fileName,
        "lost=1\r\n[One]\r\nA=1\r\n; c=3\r\nplain\r\nB = \"two\" \r\na=dup\r\n"
        "[two]\r\n[ONE]\r\nC=3\r\n");
    const IniFile ini(installation.path(fileName));
    QCOMPARE(ini.sectionNames(), QStringList({ QStringLiteral("One"), QStringLiteral("two") }));
    QCOMPARE(ini.sectionLines(QStringLiteral("one")),
        QStringList({ QStringLiteral("A=1"), QStringLiteral("B=two") }));
    QVERIFY(ini.sectionLines(QStringLiteral("two")).isEmpty());
    QVERIFY(ini.sectionExists(QStringLiteral("TWO")));
    QVERIFY(!ini.sectionExists(QStringLiteral("three")));
    QVERIFY(!ini.sectionExists(QString()));
}

void TestIniFile::writeLayout_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new file") << QByteArray() << edits({ "w/Section/key/value" })
                              << QByteArray("[Section]\r\nkey=value\r\n");
    QTest::newRow("replace keeps spelling and place")
        << QByteArray("[S]\r\n  MyKey = old\r\nnext=1\r\n") << edits({ "w/s/MYKEY/new" })
        << QByteArray("[S]\r\nMyKey=new\r\nnext=1\r\n");
    QTest::newRow("new key after last key line")
        << QByteArray("[a]\r\nx=1\r\n; note\r\n\r\n[b]\r\ny=2\r\n") << edits({ "w/A/z/3" })
        << QByteArray("[a]\r\nx=1\r\nz=3\r\n; note\r\n\r\n[b]\r\ny=2\r\n");
    QTest::newRow("new key in section without keys")
        << QByteArray("[a]\r\n; only a comment\r\n[b]\r\n") << edits({ "w/a/k/v" })
        << QByteArray("[a]\r\nk=v\r\n; only a comment\r\n[b]\r\n");
    QTest::newRow("keys keep their order")
        << QByteArray("[a]\r\n") << edits({ "w/a/k1/1", "w/a/k2/2", "w/a/k3/3" })
        << QByteArray("[a]\r\nk1=1\r\nk2=2\r\nk3=3\r\n");
    QTest::newRow("new section at end")
        << QByteArray("; head\r\n[a]\r\nx=1\r\n\r\n") << edits({ "w/b/y/2" })
        << QByteArray("; head\r\n[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n");
    QTest::newRow("file without final break") << QByteArray("[a]\r\nx=1") << edits({ "w/b/y/2" })
                                              << QByteArray("[a]\r\nx=1\r\n[b]\r\ny=2\r\n");
    QTest::newRow("untouched lines kept byte for byte")
        << QByteArray("stray text\n[a]\n  x =  1  \n\n;c\rz=9\n") << edits({ "w/a/z/8" })
        << QByteArray("stray text\n[a]\n  x =  1  \n\n;c\rz=8\r\n");
    QTest::newRow("duplicate section: first written")
        << QByteArray("[a]\r\nx=1\r\n[A]\r\nx=2\r\n") << edits({ "w/a/x/3", "w/a/y/4" })
        << QByteArray("[a]\r\nx=3\r\ny=4\r\n[A]\r\nx=2\r\n");
    QTest::newRow("duplicate key: first written")
        << QByteArray("[a]\r\nx=1\r\nX=2\r\n") << edits({ "w/a/x/3" })
        << QByteArray("[a]\r\nx=3\r\nX=2\r\n");
    QTest::newRow("line break written as bar")
        << QByteArray() << edits({ "w/a/k/one\r\ntwo\nthree\rfour" })
        << QByteArray("[a]\r\nk=one|two|three|four\r\n");
    QTest::newRow("blanks protected")
        << QByteArray() << edits({ "w/a/k/ x " }) << QByteArray("[a]\r\nk=\" x \"\r\n");
    QTest::newRow("quotes protected")
        << QByteArray() << edits({ "w/a/k/'x'" }) << QByteArray("[a]\r\nk=\"'x'\"\r\n");
    QTest::newRow("inner quote not protected")
        << QByteArray() << edits({ "w/a/k/a\"b" }) << QByteArray("[a]\r\nk=a\"b\r\n");
    QTest::newRow("blanks of names trimmed")
        << QByteArray() << edits({ "w/ a / k /v" }) << QByteArray("[a]\r\nk=v\r\n");

    QTest::newRow("delete key") << QByteArray("[a]\r\nx=1\r\ny=2\r\n;c\r\n") << edits({ "d/A/X" })
                                << QByteArray("[a]\r\ny=2\r\n;c\r\n");
    QTest::newRow("delete then add goes after last key")
        << QByteArray("[a]\r\nx=1\r\ny=2\r\n\r\n;c\r\n") << edits({ "d/a/y", "w/a/z/3" })
        << QByteArray("[a]\r\nx=1\r\nz=3\r\n\r\n;c\r\n");
    QTest::newRow("delete removes duplicates")
        << QByteArray("[a]\r\nx=1\r\ny=2\r\nX=3\r\n") << edits({ "d/a/x", "w/a/w/4" })
        << QByteArray("[a]\r\ny=2\r\nw=4\r\n");
    QTest::newRow("rewrite twice, then delete and add")
        << QByteArray("[a]\r\nx=1\r\ny=2\r\n")
        << edits({ "w/a/X/3", "w/a/x/4", "d/a/x", "w/a/z/5" })
        << QByteArray("[a]\r\ny=2\r\nz=5\r\n");
    QTest::newRow("delete missing key changes nothing")
        << QByteArray("[a]\nx=1\n") << edits({ "d/a/q", "d/q/x" }) << QByteArray("[a]\nx=1\n");
    QTest::newRow("erase section") << QByteArray("[a]\r\nx=1\r\n;c\r\n[b]\r\ny=2\r\n")
                                   << edits({ "e/A" }) << QByteArray("[b]\r\ny=2\r\n");
    QTest::newRow("erase removes every section of the name")
        << QByteArray("[a]\r\nx=1\r\n[b]\r\n[A]\r\nz=2\r\n") << edits({ "e/a", "w/a/k/v" })
        << QByteArray("[b]\r\n[a]\r\nk=v\r\n");
}

void TestIniFile::writeLayout()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, edits);
    QFETCH(QByteArray, after);
    TestInstallation installation;
    if (!before.isEmpty())
        installation.writeFile(fileName, before);
    IniFile ini(installation.path(fileName));
    applyEdits(ini, edits);
    ini.updateFile();
    QCOMPARE(installation.readFile(fileName), after);
}

void TestIniFile::writeReadsBack_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("readBack");
    QTest::newRow("plain") << "abc"
                           << "abc";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("leading blank") << " a"
                                   << " a";
    QTest::newRow("trailing tab") << "a\t"
                                  << "a\t";
    QTest::newRow("only blanks") << "   "
                                 << "   ";
    QTest::newRow("double quoted") << "\"a\""
                                   << "\"a\"";
    QTest::newRow("single quoted") << "'a'"
                                   << "'a'";
    QTest::newRow("quote pair only") << "\"\""
                                     << "\"\"";
    QTest::newRow("lone quote") << "\""
                                << "\"";
    QTest::newRow("quotes and blanks") << " \"a\" "
                                       << " \"a\" ";
    QTest::newRow("semicolon") << ";x"
                               << ";x";
    QTest::newRow("equals") << "a=b"
                            << "a=b";
    QTest::newRow("line breaks") << "a\r\nb"
                                 << "a|b";
    QTest::newRow("unicode") << "città € 😀"
                             << "città € 😀";
}

void TestIniFile::writeReadsBack()
{
    QFETCH(QString, value);
    QFETCH(QString, readBack);
    TestInstallation installation;
    {
        IniFile ini(installation.path(fileName));
        ini.writeString(QStringLiteral("s"), QStringLiteral("k"), value);
        QCOMPARE(ini.readString(QStringLiteral("s"), QStringLiteral("k"), missing), readBack);
        ini.updateFile();
    }
    const IniFile reread(installation.path(fileName));
    QCOMPARE(reread.readString(QStringLiteral("s"), QStringLiteral("k"), missing), readBack);
}

void TestIniFile::typedWrites()
{
    TestInstallation installation;
    {
        IniFile ini(installation.path(fileName), QLatin1Char(','));
        ini.writeInteger(QStringLiteral("s"), QStringLiteral("i"), -16777201);
        ini.writeBool(QStringLiteral("s"), QStringLiteral("t"), true);
        ini.writeBool(QStringLiteral("s"), QStringLiteral("f"), false);
        ini.writeFloat(QStringLiteral("s"), QStringLiteral("r"), 1.5);
        ini.writeFloat(QStringLiteral("s"), QStringLiteral("big"), 1.25e20);
        ini.writeFloat(QStringLiteral("s"), QStringLiteral("third"), 1.0 / 3.0);
        ini.updateFile();
    }
    QCOMPARE(installation.readFile(fileName),
        QByteArray("[s]\r\ni=-16777201\r\nt=1\r\nf=0\r\nr=1,5\r\nbig=1,25E20\r\n"
                   "third=0,333333333333333\r\n"));
    const IniFile ini(installation.path(fileName), QLatin1Char(','));
    QCOMPARE(ini.readFloat(QStringLiteral("s"), QStringLiteral("big"), 0), 1.25e20);
    QCOMPARE(ini.readInteger(QStringLiteral("s"), QStringLiteral("i"), 0), -16777201);
}

void TestIniFile::newFileIsUtf8WithoutMark()
{
    TestInstallation installation;
    IniFile ini(installation.path(fileName));
    ini.writeString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("città"));
    ini.updateFile();
    QCOMPARE(installation.readFile(fileName), QByteArray("[s]\r\nk=citt\xC3\xA0\r\n"));
}

void TestIniFile::windows1252RoundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("élise") << QStringLiteral("élise") << QByteArray("\xE9lise");
    QTest::newRow("città") << QStringLiteral("città") << QByteArray("citt\xE0");
    QTest::newRow("euro") << QStringLiteral("€") << QByteArray("\x80");
}

void TestIniFile::windows1252RoundTrip()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, bytes);
    // Every byte of the code page, the undefined ones included, must survive.
    QByteArray allBytes;
    for (int b = 0x80; b <= 0xFF; ++b)
        allBytes += char(b);
    const QByteArray head = "; Ann\xE9\x65 \x80\x81\x8D\x8F\x90\x9D\r\n[Alunni]\r\nNome=Andr\xE9\n";
    const QByteArray tail = "\r\nAltro=" + allBytes + "\r\n[Fine]\r\nx=\xE0\r\n";
    TestInstallation installation;
    installation.writeFile(fileName, head + "Testo=vecchio" + tail);
    {
        IniFile ini(installation.path(fileName));
        QCOMPARE(ini.readString(QStringLiteral("Alunni"), QStringLiteral("Nome"), QString()),
            QStringLiteral("André"));
        ini.writeString(QStringLiteral("alunni"), QStringLiteral("testo"), value);
        ini.updateFile();
    }
    QCOMPARE(installation.readFile(fileName), head + "Testo=" + bytes + tail);
    const IniFile reread(installation.path(fileName));
    QCOMPARE(
        reread.readString(QStringLiteral("Alunni"), QStringLiteral("Testo"), QString()), value);
}

void TestIniFile::windows1252MovesToUtf8ForForeignCharacter()
{
    TestInstallation installation;
    installation.writeFile(fileName, "[s]\r\na=\xE9\x80\r\n");
    {
        IniFile ini(installation.path(fileName));
        ini.writeString(QStringLiteral("s"), QStringLiteral("b"), QStringLiteral("Łódź"));
        ini.updateFile();
    }
    QCOMPARE(installation.readFile(fileName),
        QByteArray("[s]\r\na=\xC3\xA9\xE2\x82\xAC\r\nb=\xC5\x81\xC3\xB3\x64\xC5\xBA\r\n"));
    const IniFile reread(installation.path(fileName));
    QCOMPARE(reread.readString(QStringLiteral("s"), QStringLiteral("a"), QString()),
        QStringLiteral("é€"));
}

void TestIniFile::unicodeFilesStayUnicode_data()
{
    QTest::addColumn<QByteArray>("mark");
    QTest::addColumn<QString>("codec");
    QTest::newRow("UTF-16LE") << QByteArray("\xFF\xFE") << "le";
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF") << "utf8";
    QTest::newRow("UTF-8") << QByteArray() << "utf8";
}

void TestIniFile::unicodeFilesStayUnicode()
{
    QFETCH(QByteArray, mark);
    QFETCH(QString, codec);
    auto encode = [&](const QString &text) {
        if (codec == QLatin1String("utf8"))
            return mark + text.toUtf8();
        QByteArray bytes = mark;
        for (const QChar c : text) {
            bytes += char(c.unicode() & 0xFF);
            bytes += char(c.unicode() >> 8);
        }
        return bytes;
    };
    TestInstallation installation;
    installation.writeFile(fileName, encode(QStringLiteral("[s]\r\na=è\r\n")));
    IniFile ini(installation.path(fileName));
    ini.writeString(QStringLiteral("s"), QStringLiteral("b"), QStringLiteral("€ ł"));
    ini.updateFile();
    QCOMPARE(installation.readFile(fileName), encode(QStringLiteral("[s]\r\na=è\r\nb=€ ł\r\n")));
}

void TestIniFile::nothingWrittenWithoutChanges()
{
    TestInstallation installation;
    IniFile ini(installation.path(fileName));
    QVERIFY(!ini.isModified());
    ini.deleteKey(QStringLiteral("s"), QStringLiteral("k"));
    ini.eraseSection(QStringLiteral("s"));
    QVERIFY(!ini.isModified());
    ini.updateFile();
    QVERIFY(!QFile::exists(installation.path(fileName)));
    ini.writeString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"));
    QVERIFY(ini.isModified());
    ini.updateFile();
    QVERIFY(!ini.isModified());
    QVERIFY(QFile::exists(installation.path(fileName)));
}

void TestIniFile::randomEditsMatchModel()
{
    // Many edits in one object, checked against a plain map after every step and
    // after reading the file back: the index must never lose track of a line.
    const QStringList sections { QStringLiteral("Alpha"), QStringLiteral("beta"),
        QStringLiteral("0"), QStringLiteral("COMMONAREA") };
    const QStringList values { QStringLiteral("v"), QStringLiteral(" padded "),
        QStringLiteral("'q'"), QString(), QStringLiteral("a|b") };
    QMap<QString, QMap<QString, QString>> model;
    QRandomGenerator random(20240601);
    TestInstallation installation;
    installation.writeFile(fileName, "; top\r\n[alpha]\r\nk1=x\r\n\r\n;end of alpha\r\n[BETA]\r\n");
    model[QStringLiteral("alpha")][QStringLiteral("k1")] = QStringLiteral("x");
    model[QStringLiteral("beta")];
    auto check = [&](const IniFile &ini) {
        for (const QString &section : sections) {
            const QString lowerSection = section.toLower();
            QCOMPARE(ini.sectionExists(section.toUpper()), model.contains(lowerSection));
            for (int k = 0; k < 8; ++k) {
                const QString key = QStringLiteral("K%1").arg(k);
                const auto stored = model.value(lowerSection);
                const QString expected = stored.value(key.toLower(), missing);
                QCOMPARE(ini.readString(section, key, missing), expected);
            }
        }
    };
    for (int round = 0; round < 5; ++round) {
        IniFile ini(installation.path(fileName));
        for (int step = 0; step < 200; ++step) {
            const QString section = sections.at(random.bounded(sections.size()));
            const QString key = QStringLiteral("k%1").arg(random.bounded(8));
            const int action = random.bounded(10);
            if (action < 7) {
                const QString value = values.at(random.bounded(values.size()));
                ini.writeString(random.bounded(2) ? section.toUpper() : section, key, value);
                model[section.toLower()][key] = value;
            } else if (action < 9) {
                ini.deleteKey(section, key.toUpper());
                if (model.contains(section.toLower()))
                    model[section.toLower()].remove(key);
            } else {
                ini.eraseSection(section.toLower());
                model.remove(section.toLower());
            }
            check(ini);
        }
        ini.updateFile();
        check(IniFile(installation.path(fileName)));
    }
    QVERIFY(installation.readFile(fileName).startsWith("; top\r\n"));
}

void TestIniFile::missingFolderFailsToWrite()
{
    TestInstallation installation;
    const QString path = installation.path(QStringLiteral("NO_SUCH_FOLDER/X.INI"));
    IniFile ini(path);
    ini.writeString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"));
    try {
        ini.updateFile();
        QFAIL("the write was reported as done");
    } catch (const Error &error) {
        QCOMPARE(error.message(), QStringLiteral("Unable to write to ") + path);
    }
    QVERIFY(!QFileInfo::exists(installation.path(QStringLiteral("NO_SUCH_FOLDER"))));
}

void TestIniFile::readOnlyFolderFailsToWrite()
{
    if (geteuid() == 0)
        QSKIP("folder permissions do not hold for the administrator");
    TestInstallation installation;
    const QByteArray old = "[s]\r\nk=old\r\n";
    installation.writeFile(fileName, old);
    const QString folder = installation.path(QStringLiteral("SOL_INI"));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    IniFile ini(installation.path(fileName));
    ini.writeString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("new"));
    QVERIFY_THROWS_EXCEPTION(Error, ini.updateFile());
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(installation.readFile(fileName), old);
}

void TestIniFile::interruptedWriteKeepsOldFile()
{
    TestInstallation installation;
    const QByteArray old = "[s]\r\nk=old\r\n";
    installation.writeFile(fileName, old);
    const QString path = installation.path(fileName);
    IniFile ini(path);
    ini.writeString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("new"));
    {
        bool newContentWasComplete = false;
        const WriteFault fault([&](const QString &written) {
            // The old file is still in place while the new content waits beside it.
            newContentWasComplete = written == path && installation.readFile(fileName) == old;
            return true;
        });
        try {
            ini.updateFile();
            QFAIL("the write was reported as done");
        } catch (const Error &error) {
            QCOMPARE(error.message(), QStringLiteral("Unable to write to ") + path);
        }
        QVERIFY(newContentWasComplete);
        QCOMPARE(installation.readFile(fileName), old);
        QCOMPARE(QDir(installation.path(QStringLiteral("SOL_INI"))).entryList(QDir::Files),
            QStringList { QStringLiteral("TEST.INI") });
        QVERIFY(ini.isModified());
        QVERIFY_THROWS_EXCEPTION(Error, ini.updateFile());
    }
    ini.updateFile();
    QCOMPARE(installation.readFile(fileName), QByteArray("[s]\r\nk=new\r\n"));
}

void TestIniFile::unreadableFileIsNeverOverwritten()
{
    TestInstallation installation;
    // A folder where the file should be: it exists but cannot be read as a file.
    const QString path = installation.path(fileName);
    QVERIFY(QDir().mkpath(path));
    installation.writeFile(fileName + QStringLiteral("/inside"), "keep");
    IniFile ini(path);
    QCOMPARE(ini.readString(QStringLiteral("s"), QStringLiteral("k"), missing), missing);
    ini.writeString(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"));
    QVERIFY_THROWS_EXCEPTION(Error, ini.updateFile());
    QCOMPARE(installation.readFile(fileName + QStringLiteral("/inside")), QByteArray("keep"));
}

void TestIniFile::writeKeepsPermissions()
{
    TestInstallation installation;
    installation.writeFile(fileName, "[s]\r\nk=1\r\n");
    const QString path = installation.path(fileName);
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(path, permissions));
    IniFile ini(path);
    ini.writeInteger(QStringLiteral("s"), QStringLiteral("k"), 2);
    ini.updateFile();
    QCOMPARE(installation.readFile(fileName), QByteArray("[s]\r\nk=2\r\n"));
    QCOMPARE(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser), permissions);
}

void TestIniFile::writeReplacesLinkTarget()
{
    TestInstallation installation;
    installation.writeFile(QStringLiteral("SOL_INI/REAL.INI"), "[s]\r\nk=1\r\n");
    const QString link = installation.path(fileName);
    QVERIFY(QFile::link(installation.path(QStringLiteral("SOL_INI/REAL.INI")), link));
    IniFile ini(link);
    ini.writeInteger(QStringLiteral("s"), QStringLiteral("k"), 2);
    ini.updateFile();
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(
        installation.readFile(QStringLiteral("SOL_INI/REAL.INI")), QByteArray("[s]\r\nk=2\r\n"));
}

QTEST_APPLESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
