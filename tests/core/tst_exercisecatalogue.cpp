#include "base/error.h"
#include "storage/exercisecatalogue.h"
#include "storage/globalsettings.h"
#include "storage/inifile.h"
#include "support/scripteddialogs.h"
#include "support/testinstallation.h"

#include <QDir>
#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

namespace {

const QString Global = u"SOL_INI/GLOBAL.INI"_s;
const QString Exercises = u"SOL_INI/Tipo1.INI"_s;
constexpr int Sheet = 1;

// Exercise sections "0" ... count - 1, each with a key telling which it was.
QByteArray numberedSections(int count)
{
    QByteArray text = "[COMMONAREA]\r\nGIF1=SOL_IMG\\a.gif\r\n";
    for (int i = 0; i < count; ++i)
        text += "[" + QByteArray::number(i) + "]\r\nwas=" + QByteArray::number(i) + "\r\n";
    return text;
}

} // namespace

class TestExerciseCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void copyAppendsTheCurrentExercise();
    void copiedValues_data();
    void copiedValues();
    void copyOfAMissingSectionStillCounts();
    void copyOverwritesOnlyTheCopiedKeys();

    void deleteRenumbers_data();
    void deleteRenumbers();
    void deleteKeepsEveryOtherByte_data();
    void deleteKeepsEveryOtherByte();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void deleteOfTheFirstShowsTheNewFirst();
    void deleteWithoutExerciseFileOnlyCounts();
    void deleteOfAnUnreadableFileFails();

private:
    ExerciseCatalogue catalogue() const;
    int exerciseCount() const;
    void writeCount(int count) const;

    std::unique_ptr<TestInstallation> m_installation;
};

void TestExerciseCatalogue::init()
{
    m_installation = std::make_unique<TestInstallation>();
    QVERIFY(m_installation->isValid());
}

ExerciseCatalogue TestExerciseCatalogue::catalogue() const
{
    return ExerciseCatalogue(m_installation->path(Global), m_installation->path(Exercises), Sheet);
}

int TestExerciseCatalogue::exerciseCount() const
{
    const IniFile global(m_installation->path(Global));
    return global.readInteger(globalSettings::commonArea, globalSettings::maxKey(Sheet), -1);
}

void TestExerciseCatalogue::writeCount(int count) const
{
    m_installation->writeFile(
        Global, "[COMMONAREA]\r\nMAX0=9\r\nMAX1=" + QByteArray::number(count) + "\r\nMAX2=4\r\n");
}

void TestExerciseCatalogue::copyAppendsTheCurrentExercise()
{
    writeCount(5);
    m_installation->writeFile(Exercises, numberedSections(5));

    QCOMPARE(catalogue().copyExercise(2, 5), 5);

    QCOMPARE(exerciseCount(), 6);
    const IniFile exercises(m_installation->path(Exercises));
    QCOMPARE(exercises.readString(u"5"_s, u"was"_s, QString()), u"2"_s);
    QCOMPARE(exercises.sectionNames(),
        QStringList({ u"COMMONAREA"_s, u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s }));
    // The other sheets' counts stay.
    const IniFile global(m_installation->path(Global));
    QCOMPARE(global.readInteger(u"COMMONAREA"_s, u"MAX0"_s, 0), 9);
    QCOMPARE(global.readInteger(u"COMMONAREA"_s, u"MAX2"_s, 0), 4);
}

void TestExerciseCatalogue::copiedValues_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("value with further '='") << QByteArray("R0=12+7=19") << u"R0"_s << u"12+7=19"_s;
    QTest::newRow("formula with spaces")
        << QByteArray("R1= 3 km = 3000 m ") << u"R1"_s << u"3 km = 3000 m"_s;
    QTest::newRow("quoted blanks")
        << QByteArray("LMDtesto.Caption=\"  x  \"") << u"LMDtesto.Caption"_s << u"  x  "_s;
    QTest::newRow("line breaks as bars")
        << QByteArray("MSG_HLP=uno|due") << u"MSG_HLP"_s << u"uno|due"_s;
    QTest::newRow("empty value") << QByteArray("E2=") << u"E2"_s << QString();
    QTest::newRow("accented, code page") << QByteArray("E0=citt\xe0") << u"E0"_s << u"città"_s;
}

void TestExerciseCatalogue::copiedValues()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, key);
    QFETCH(QString, value);
    writeCount(1);
    m_installation->writeFile(Exercises, "[0]\r\n" + stored + "\r\n");

    QCOMPARE(catalogue().copyExercise(0, 1), 1);

    const IniFile exercises(m_installation->path(Exercises));
    QCOMPARE(exercises.readString(u"1"_s, key, u"<missing>"_s), value);
    QCOMPARE(exercises.readString(u"0"_s, key, u"<missing>"_s), value);
}

void TestExerciseCatalogue::copyOfAMissingSectionStillCounts()
{
    writeCount(2);
    const QByteArray before = numberedSections(2);
    m_installation->writeFile(Exercises, before);

    QCOMPARE(catalogue().copyExercise(7, 2), 2);

    QCOMPARE(exerciseCount(), 3);
    QCOMPARE(m_installation->readFile(Exercises), before);
}

void TestExerciseCatalogue::copyOverwritesOnlyTheCopiedKeys()
{
    writeCount(2);
    m_installation->writeFile(Exercises, "[0]\r\nE0=a|b\r\n[2]\r\nE0=old\r\nstale=kept\r\n");

    catalogue().copyExercise(0, 2);

    const IniFile exercises(m_installation->path(Exercises));
    QCOMPARE(exercises.readString(u"2"_s, u"E0"_s, QString()), u"a|b"_s);
    QCOMPARE(exercises.readString(u"2"_s, u"stale"_s, QString()), u"kept"_s);
}

void TestExerciseCatalogue::deleteRenumbers_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<int>("tabs");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("second of four")
        << QByteArray("[0]\r\nwas=0\r\n[1]\r\nwas=1\r\n[2]\r\nwas=2\r\n[3]\r\nwas=3\r\n") << 1 << 4
        << QByteArray("[0]\r\nwas=0\r\n[1]\r\nwas=2\r\n[2]\r\nwas=3\r\n");
    QTest::newRow("first of three")
        << QByteArray("[0]\r\nwas=0\r\n[1]\r\nwas=1\r\n[2]\r\nwas=2\r\n") << 0 << 3
        << QByteArray("[0]\r\nwas=1\r\n[1]\r\nwas=2\r\n");
    QTest::newRow("last of three") << QByteArray("[0]\r\nwas=0\r\n[1]\r\nwas=1\r\n[2]\r\nwas=2\r\n")
                                   << 2 << 3 << QByteArray("[0]\r\nwas=0\r\n[1]\r\nwas=1\r\n");
    QTest::newRow("sections out of order")
        << QByteArray("[3]\r\nwas=3\r\n[0]\r\nwas=0\r\n[2]\r\nwas=2\r\n[1]\r\nwas=1\r\n") << 1 << 4
        << QByteArray("[2]\r\nwas=3\r\n[0]\r\nwas=0\r\n[1]\r\nwas=2\r\n");
    QTest::newRow("common area and comments stay")
        << QByteArray(
               "; sheet 2\r\n[COMMONAREA]\r\nGIF1=x.gif\r\n[0]\r\nwas=0\r\n\r\n[1]\r\nwas=1\r\n"
               "; end of 1\r\n[2]\r\nwas=2\r\n")
        << 0 << 3
        << QByteArray("; sheet 2\r\n[COMMONAREA]\r\nGIF1=x.gif\r\n[0]\r\nwas=1\r\n; end of 1\r\n"
                      "[1]\r\nwas=2\r\n");
    // Headers are compared as exact text once the blanks at the ends of the
    // line are gone; the renumbered line is written bare.
    QTest::newRow("blanks around a header")
        << QByteArray("[0]\r\nwas=0\r\n[1]\r\nwas=1\r\n  [2] \t\r\nwas=2\r\n") << 1 << 3
        << QByteArray("[0]\r\nwas=0\r\n[1]\r\nwas=2\r\n");
    QTest::newRow("inner blank stops the renumbering")
        << QByteArray("[0]\r\nwas=0\r\n[1]\r\nwas=1\r\n[ 2]\r\nwas=2\r\n[3]\r\nwas=3\r\n") << 1 << 4
        << QByteArray("[0]\r\nwas=0\r\n[ 2]\r\nwas=2\r\n[3]\r\nwas=3\r\n");
    QTest::newRow("leading zero is not renumbered")
        << QByteArray("[0]\r\nwas=0\r\n[1]\r\nwas=1\r\n[02]\r\nwas=2\r\n") << 0 << 3
        << QByteArray("[0]\r\nwas=1\r\n[02]\r\nwas=2\r\n");
    QTest::newRow("header with trailing text is not renumbered")
        << QByteArray("[0]\r\nwas=0\r\n[1] ; next\r\nwas=1\r\n") << 0 << 2
        << QByteArray("[1] ; next\r\nwas=1\r\n");
    // The INI reader reads "[ 1 ]" as section 1, so the erase takes it.
    QTest::newRow("erased header with blanks inside")
        << QByteArray("[0]\r\nwas=0\r\n[ 1 ]\r\nwas=1\r\n[2]\r\nwas=2\r\n") << 1 << 3
        << QByteArray("[0]\r\nwas=0\r\n[1]\r\nwas=2\r\n");
    QTest::newRow("every section of the deleted name")
        << QByteArray("[1]\r\nwas=1\r\n[0]\r\nwas=0\r\n[1]\r\nagain=1\r\n[2]\r\nwas=2\r\n") << 1
        << 3 << QByteArray("[0]\r\nwas=0\r\n[1]\r\nwas=2\r\n");
    QTest::newRow("a duplicate header moves once")
        << QByteArray("[0]\r\n[1]\r\n[2]\r\nwas=2\r\n[2]\r\nagain=2\r\n") << 1 << 3
        << QByteArray("[0]\r\n[1]\r\nwas=2\r\n[2]\r\nagain=2\r\n");
}

void TestExerciseCatalogue::deleteRenumbers()
{
    QFETCH(QByteArray, before);
    QFETCH(int, deleted);
    QFETCH(int, tabs);
    QFETCH(QByteArray, after);
    writeCount(tabs);
    m_installation->writeFile(Exercises, before);

    catalogue().deleteExercise(deleted, tabs);

    QCOMPARE(m_installation->readFile(Exercises), after);
    QCOMPARE(exerciseCount(), tabs - 1);
}

void TestExerciseCatalogue::deleteKeepsEveryOtherByte_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("line feeds only") << QByteArray("[0]\nwas=0\n[1]\nwas=1\n[2]\nwas=2\n")
                                     << QByteArray("[0]\nwas=1\n[1]\nwas=2\n");
    QTest::newRow("mixed breaks") << QByteArray("[0]\rwas=0\r\n[1]\nwas=1\r[2]\r\nwas=2\n")
                                  << QByteArray("[0]\nwas=1\r[1]\r\nwas=2\n");
    QTest::newRow("no break at the end")
        << QByteArray("[0]\r\nwas=0\r\n[1]\r\nwas=1") << QByteArray("[0]\r\nwas=1");
    QTest::newRow("code page") << QByteArray("[0]\r\nE0=citt\xe0\r\n[1]\r\nE0=caff\xe8 \x80\r\n")
                               << QByteArray("[0]\r\nE0=caff\xe8 \x80\r\n");
    QTest::newRow("UTF-8 with mark")
        << QByteArray("\xef\xbb\xbf[0]\r\nE0=x\r\n[1]\r\nE0=citt\xc3\xa0\r\n")
        << QByteArray("\xef\xbb\xbf[0]\r\nE0=citt\xc3\xa0\r\n");
    QTest::newRow("UTF-16") << QByteArray("\xff\xfe[\x00"
                                          "0\x00]\x00\r\x00\n\x00[\x00"
                                          "1\x00]\x00"
                                          "\r\x00\n\x00",
        22)
                            << QByteArray("\xff\xfe[\x00"
                                          "0\x00]\x00\r\x00\n\x00",
                                   12);
}

void TestExerciseCatalogue::deleteKeepsEveryOtherByte()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    writeCount(2);
    m_installation->writeFile(Exercises, before);

    catalogue().deleteExercise(0, 2);

    QCOMPARE(m_installation->readFile(Exercises), after);
}

void TestExerciseCatalogue::deleteAsksFirst_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<int>("selected");

    const QString third = u"you're deleting the exercise number [3]. Confirm ? "_s;
    QTest::newRow("yes") << 4 << 2 << QList<bool> { true } << QStringList { third } << 1;
    QTest::newRow("no") << 4 << 2 << QList<bool> { false } << QStringList { third } << -1;
    QTest::newRow("one exercise") << 1 << 0 << QList<bool> {} << QStringList {} << -1;
    QTest::newRow("no tab selected") << 4 << -1 << QList<bool> {} << QStringList {} << -1;
}

void TestExerciseCatalogue::deleteAsksFirst()
{
    QFETCH(int, tabs);
    QFETCH(int, current);
    QFETCH(QList<bool>, answers);
    QFETCH(QStringList, questions);
    QFETCH(int, selected);
    writeCount(tabs);
    const QByteArray before = numberedSections(tabs);
    m_installation->writeFile(Exercises, before);
    ScriptedDialogs dialogs;
    dialogs.yesNoAnswers = answers;

    const std::optional<int> shown = catalogue().deleteCurrent(current, tabs, dialogs);

    QCOMPARE(dialogs.questions, questions);
    QCOMPARE(shown.value_or(-1), selected);
    const bool deleted = shown.has_value();
    QCOMPARE(exerciseCount(), deleted ? tabs - 1 : tabs);
    QCOMPARE(m_installation->readFile(Exercises) == before, !deleted);
}

void TestExerciseCatalogue::deleteOfTheFirstShowsTheNewFirst()
{
    writeCount(3);
    m_installation->writeFile(Exercises, numberedSections(3));
    ScriptedDialogs dialogs;
    dialogs.yesNoAnswers = { true };

    QCOMPARE(catalogue().deleteCurrent(0, 3, dialogs), std::optional<int>(0));
    const IniFile exercises(m_installation->path(Exercises));
    QCOMPARE(exercises.readString(u"0"_s, u"was"_s, QString()), u"1"_s);
}

void TestExerciseCatalogue::deleteWithoutExerciseFileOnlyCounts()
{
    writeCount(3);

    catalogue().deleteExercise(1, 3);

    QCOMPARE(exerciseCount(), 2);
    QVERIFY(!QFile::exists(m_installation->path(Exercises)));
}

void TestExerciseCatalogue::deleteOfAnUnreadableFileFails()
{
    writeCount(3);
    QVERIFY(QDir().mkpath(m_installation->path(Exercises)));

    try {
        catalogue().deleteExercise(1, 3);
        QFAIL("no error");
    } catch (const Error &error) {
        QCOMPARE(error.message(), u"Unable to write to "_s + m_installation->path(Exercises));
    }
    QVERIFY(QFileInfo(m_installation->path(Exercises)).isDir());
}

QTEST_APPLESS_MAIN(TestExerciseCatalogue)
#include "tst_exercisecatalogue.moc"
