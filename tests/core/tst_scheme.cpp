#include "base/error.h"
#include "schemes/formulapattern.h"
#include "schemes/scheme.h"
#include "schemes/schemesaving.h"
#include "schemes/schemetree.h"
#include "schemes/sheetdeletion.h"
#include "storage/datafolders.h"
#include "storage/globalsettings.h"
#include "storage/inifile.h"
#include "support/testinstallation.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QList<int>)

namespace {

const QString Global = u"SOL_INI/GLOBAL.INI"_s;
const QString Exercises = u"SOL_INI/Tipo0.INI"_s;

QString commonArea()
{
    return globalSettings::commonArea;
}

QStringList keysOf(const QStringList &lines)
{
    QStringList keys;
    for (const QString &line : lines)
        keys.append(line.section(QLatin1Char('='), 0, 0));
    return keys;
}

SheetScheme sheet(const QString &scheme, const QStringList &patterns = {}, int count = 1)
{
    return SheetScheme { scheme, patterns, count };
}

} // namespace

class TestScheme : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void layout_data();
    void layout();
    void exampleCountsAndPatterns();
    void missingPatternsAreEmpty();
    void sectionHeightsComeFromTheExercise();
    void hugeSectionHeightsDoNotOverflow();

    void saveWritesSheetsInOrder();
    void deletingTheThirdOfFiveSheets();
    void emptySchemeKeepsLaterSheetsReachable();
    void saveCreatesMissingExerciseFiles();
    void saveWithoutBlankExerciseFile();
    void saveRemovesSheetsPastTheHundredth();
    void failedCopyLeavesCatalogueUnchanged();

    void editorTreeKeepsSchemesAndPatterns_data();
    void editorTreeKeepsSchemesAndPatterns();
    void operationCounts_data();
    void operationCounts();
    void deletingASheetMovesTheFilesAfterIt_data();
    void deletingASheetMovesTheFilesAfterIt();

private:
    Scheme load(int sheet, int exercise = 0) const;
    void writeGlobal(const QByteArray &commonArea) const;

    std::unique_ptr<TestInstallation> m_installation;
    std::unique_ptr<DataFolders> m_folders;
};

void TestScheme::init()
{
    m_installation = std::make_unique<TestInstallation>();
    QVERIFY(m_installation->isValid());
    m_folders = std::make_unique<DataFolders>(m_installation->folder());
}

Scheme TestScheme::load(int sheet, int exercise) const
{
    const IniFile global(m_installation->path(Global));
    const IniFile exercises(m_installation->path(Exercises));
    return SET_SCHEMA(global, exercises, sheet, exercise);
}

void TestScheme::writeGlobal(const QByteArray &lines) const
{
    m_installation->writeFile(Global, "[COMMONAREA]\r\n" + lines);
}

void TestScheme::layout_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("stepKinds");
    QTest::addColumn<QList<int>>("sectionTops");
    QTest::addColumn<QList<int>>("stepTops");
    QTest::addColumn<int>("workAreaHeight");

    // A question group takes 60 pixels, a formula 56, a section 28 + 33.
    QTest::newRow("two sections with four steps")
        << QByteArray("SHEET_0=|CF|FE\r\n") << u"CFFE"_s << QList<int> { 5, 182 }
        << QList<int> { 66, 126, 243, 299 } << 499;
    // With no steps the work area still reaches 200 below its last band.
    QTest::newRow("missing scheme gives four empty sections")
        << QByteArray() << QString() << QList<int> { 5, 66, 127, 188 } << QList<int>() << 388;
    QTest::newRow("empty scheme has nothing at all")
        << QByteArray("SHEET_0=\r\n") << QString() << QList<int>() << QList<int>() << 205;
    QTest::newRow("steps before any section")
        << QByteArray("SHEET_0=CC\r\n") << u"CC"_s << QList<int>() << QList<int> { 5, 65 } << 265;
    // Characters that are no step take no place and make no step.
    QTest::newRow("stray characters") << QByteArray("SHEET_0=|Cx F?c\r\n") << u"CF"_s
                                      << QList<int> { 5 } << QList<int> { 66, 126 } << 326;
}

void TestScheme::layout()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, stepKinds);
    QFETCH(QList<int>, sectionTops);
    QFETCH(QList<int>, stepTops);
    QFETCH(int, workAreaHeight);

    writeGlobal(stored);
    const Scheme scheme = load(0);
    QCOMPARE(scheme.stepKinds, stepKinds);
    QCOMPARE(scheme.sectionTops, sectionTops);
    QCOMPARE(scheme.stepTops, stepTops);
    QCOMPARE(scheme.workAreaHeight, workAreaHeight);
    // Every step has a top and every formula a pattern slot.
    QCOMPARE(scheme.stepCount, scheme.stepKinds.size());
    QCOMPARE(scheme.stepTops.size(), scheme.stepCount);
    QCOMPARE(scheme.sectionTops.size(), scheme.sectionCount);
    QCOMPARE(scheme.formulaPatterns.size(), scheme.formulaCount);
    QCOMPARE(scheme.expectedFormulas.size(), scheme.formulaCount);
}

void TestScheme::exampleCountsAndPatterns()
{
    writeGlobal("SHEET_0=||||\r\nSHEET_1=|CF|FE\r\nSHEET_1_EXP_0=AoB=X\r\n"
                "SHEET_1_EXP_1=AoBoC=X\r\nSHEET_1_EXP_2=Yo?Xo\r\nSHEET_1_EXP_3=AoBoCoD=X\r\n");
    const Scheme scheme = load(1);
    QCOMPARE(scheme.rawScheme, u"|CF|FE"_s);
    QCOMPARE(scheme.stepKinds, u"CFFE"_s);
    QCOMPARE(scheme.formulaKinds, u"FFE"_s);
    QCOMPARE(scheme.sectionCount, 2);
    QCOMPARE(scheme.questionCount, 1);
    QCOMPARE(scheme.formulaCount, 3);
    QCOMPARE(scheme.stepCount, 4);
    // A pattern past the formula count is left unread.
    QCOMPARE(scheme.formulaPatterns, (QStringList { u"AoB=X"_s, u"AoBoC=X"_s, u"Yo?Xo"_s }));
    QCOMPARE(scheme.expectedFormulas, QStringList(3, QString()));
}

void TestScheme::missingPatternsAreEmpty()
{
    writeGlobal("SHEET_0=|FEF\r\nSHEET_0_EXP_1=Yo?Xo\r\n");
    QCOMPARE(load(0).formulaPatterns, (QStringList { QString(), u"Yo?Xo"_s, QString() }));
}

void TestScheme::sectionHeightsComeFromTheExercise()
{
    writeGlobal("SHEET_0=|C|F\r\n");
    m_installation->writeFile(Exercises,
        "[0]\r\nSEZIONE1.Height=72\r\n"
        "[1]\r\nSEZIONE0.Height=100\r\nSEZIONE1.Height=abc\r\n");
    // Exercise 0: section 1 is 72 high, so the formula after it starts
    // 72 + 5 + 28 below the band.
    const Scheme first = load(0, 0);
    QCOMPARE(first.sectionTops, (QList<int> { 5, 126 }));
    QCOMPARE(first.stepTops, (QList<int> { 66, 231 }));
    QCOMPARE(first.workAreaHeight, 431);
    // Exercise 1: section 0 is 100 high; a height that is no number counts 28.
    const Scheme second = load(0, 1);
    QCOMPARE(second.sectionTops, (QList<int> { 5, 198 }));
    QCOMPARE(second.stepTops, (QList<int> { 138, 259 }));
}

void TestScheme::hugeSectionHeightsDoNotOverflow()
{
    writeGlobal("SHEET_0=|||C\r\n");
    m_installation->writeFile(Exercises,
        "[0]\r\nSEZIONE0.Height=2147483647\r\n"
        "SEZIONE1.Height=2147483647\r\n");
    const Scheme scheme = load(0);
    QCOMPARE(scheme.stepTops.size(), 1);
    QCOMPARE(scheme.stepTops.first(), largestTop);
    QCOMPARE(scheme.workAreaHeight, largestTop);
}

void TestScheme::saveWritesSheetsInOrder()
{
    m_installation->writeFile(u"SOL_INI/TipoX.INI"_s, "[COMMONAREA]\r\n");
    writeGlobal("W1=SOL_WAV\\ok.wav\r\nSHEET_0=|C\r\nMAX0=3\r\nINI_FILE0=SOL_INI\\Tipo0.INI\r\n"
                "SHEET_0_EXP_0=old\r\n");
    IniFile global(m_installation->path(Global));
    saveSchemes(global, *m_folders,
        { sheet(u"|CF"_s, { u"AoB=X"_s }, 4), sheet(u"|E"_s, { u"Yo?Xo"_s }, 2) });

    const IniFile written(m_installation->path(Global));
    QCOMPARE(written.sectionLines(commonArea()),
        (QStringList { u"W1=SOL_WAV\\ok.wav"_s, u"SHEET_0_EXP_0=AoB=X"_s, u"SHEET_0=|CF"_s,
            u"INI_FILE0=SOL_INI\\Tipo0.INI"_s, u"MAX0=4"_s, u"SHEET_1=|E"_s,
            u"SHEET_1_EXP_0=Yo?Xo"_s, u"INI_FILE1=SOL_INI\\Tipo1.INI"_s, u"MAX1=2"_s }));
    QVERIFY(!global.isModified());
}

void TestScheme::deletingTheThirdOfFiveSheets()
{
    QByteArray five;
    for (int s = 0; s < 5; ++s) {
        five += QStringLiteral("SHEET_%1=|C\r\nSHEET_%1_EXP_0=P%1\r\nMAX%1=%1\r\n"
                               "INI_FILE%1=SOL_INI\\Tipo%1.INI\r\n")
                    .arg(s)
                    .toLatin1();
    }
    writeGlobal(five);
    IniFile global(m_installation->path(Global));
    saveSchemes(global, *m_folders,
        { sheet(u"|C"_s, {}, 0), sheet(u"|C"_s, {}, 1), sheet(u"|C"_s, {}, 3),
            sheet(u"|C"_s, {}, 4) });

    const IniFile written(m_installation->path(Global));
    QCOMPARE(globalSettings::readSheetList(written).size(), 4);
    for (int s = 0; s < 4; ++s)
        QCOMPARE(globalSettings::readExerciseCount(written, s), s < 2 ? s : s + 1);
    const QStringList keys = keysOf(written.sectionLines(commonArea()));
    for (const QString &gone : { u"SHEET_4"_s, u"MAX4"_s, u"INI_FILE4"_s })
        QVERIFY2(!keys.contains(gone, Qt::CaseInsensitive), qPrintable(gone));
    // Patterns stay behind; past a sheet's formula count they are never read.
    QVERIFY(keys.contains(u"SHEET_4_EXP_0"_s));
}

void TestScheme::emptySchemeKeepsLaterSheetsReachable()
{
    writeGlobal(QByteArray());
    IniFile global(m_installation->path(Global));
    saveSchemes(global, *m_folders,
        { sheet(u"|C"_s), sheet(QString(), {}, 7), sheet(u"|FF"_s, { u"A=X"_s, u"AoB=X"_s }) });

    const IniFile written(m_installation->path(Global));
    QCOMPARE(globalSettings::readSheetList(written),
        (QStringList {
            u"SOL_INI\\Tipo0.INI"_s, u"SOL_INI\\Tipo1.INI"_s, u"SOL_INI\\Tipo2.INI"_s }));
    QCOMPARE(globalSettings::readExerciseCount(written, 1), 7);
    // The empty sheet has no sections and no steps; the one after it keeps its
    // own position and patterns.
    const Scheme empty = load(1);
    QCOMPARE(empty.rawScheme, QString());
    QCOMPARE(empty.sectionCount, 0);
    QCOMPARE(empty.stepCount, 0);
    const Scheme after = load(2);
    QCOMPARE(after.stepKinds, u"FF"_s);
    QCOMPARE(after.formulaPatterns, (QStringList { u"A=X"_s, u"AoB=X"_s }));
}

void TestScheme::saveCreatesMissingExerciseFiles()
{
    m_installation->writeFile(u"SOL_INI/TipoX.INI"_s, "[0]\r\nLMDtesto.Name=####\r\n");
    m_installation->writeFile(u"SOL_INI/Tipo1.INI"_s, "[0]\r\nE0=mine\r\n");
    writeGlobal(QByteArray());
    IniFile global(m_installation->path(Global));
    const QStringList created
        = saveSchemes(global, *m_folders, { sheet(u"|C"_s), sheet(u"|C"_s), sheet(u"|C"_s) });

    QCOMPARE(created, (QStringList { u"SOL_INI\\Tipo0.INI"_s, u"SOL_INI\\Tipo2.INI"_s }));
    QCOMPARE(m_installation->readFile(u"SOL_INI/Tipo0.INI"_s),
        QByteArray("[0]\r\nLMDtesto.Name=####\r\n"));
    QCOMPARE(m_installation->readFile(u"SOL_INI/Tipo1.INI"_s), QByteArray("[0]\r\nE0=mine\r\n"));
    QCOMPARE(m_installation->readFile(u"SOL_INI/Tipo2.INI"_s),
        QByteArray("[0]\r\nLMDtesto.Name=####\r\n"));
}

void TestScheme::saveWithoutBlankExerciseFile()
{
    writeGlobal(QByteArray());
    IniFile global(m_installation->path(Global));
    QVERIFY(saveSchemes(global, *m_folders, { sheet(u"|C"_s) }).isEmpty());
    QVERIFY(!QFile::exists(m_installation->path(u"SOL_INI/Tipo0.INI"_s)));
    QCOMPARE(globalSettings::readSheetList(IniFile(m_installation->path(Global))).size(), 1);
}

void TestScheme::saveRemovesSheetsPastTheHundredth()
{
    QByteArray many;
    for (int s = 0; s < 103; ++s)
        many += QStringLiteral("SHEET_%1=|C\r\nMAX%1=1\r\n").arg(s).toLatin1();
    writeGlobal(many);
    IniFile global(m_installation->path(Global));
    saveSchemes(global, *m_folders, { sheet(u"|F"_s) });

    const IniFile written(m_installation->path(Global));
    QCOMPARE(keysOf(written.sectionLines(commonArea())),
        (QStringList { u"SHEET_0"_s, u"INI_FILE0"_s, u"MAX0"_s }));
}

void TestScheme::failedCopyLeavesCatalogueUnchanged()
{
    m_installation->writeFile(u"SOL_INI/TipoX.INI"_s, "[0]\r\n");
    // A folder in the way of the new exercise file.
    QVERIFY(QDir().mkpath(m_installation->path(u"SOL_INI/Tipo1.INI"_s)));
    const QByteArray before = "[COMMONAREA]\r\nSHEET_0=|C\r\nINI_FILE0=SOL_INI\\Tipo0.INI\r\n";
    m_installation->writeFile(Global, before);
    IniFile global(m_installation->path(Global));
    QVERIFY_THROWS_EXCEPTION(
        Error, saveSchemes(global, *m_folders, { sheet(u"|F"_s), sheet(u"|E"_s) }));
    QCOMPARE(m_installation->readFile(Global), before);
    // The file made for the first sheet goes again: nothing points at it.
    QVERIFY(!QFile::exists(m_installation->path(u"SOL_INI/Tipo0.INI"_s)));
}

void TestScheme::editorTreeKeepsSchemesAndPatterns_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QStringList>("patterns");

    QTest::newRow("sections, groups, formulas and equivalences")
        << QByteArray("SHEET_0=|CF|FE\r\nSHEET_0_EXP_0=A=X\r\nSHEET_0_EXP_1=AoB=X\r\n"
                      "SHEET_0_EXP_2=Yo?Xo\r\n")
        << u"|CF|FE"_s << QStringList { u"A=X"_s, u"AoB=X"_s, u"Yo?Xo"_s };
    // Each step keeps its own pattern even when one before it has none.
    QTest::newRow("missing pattern") << QByteArray("SHEET_0=|FF\r\nSHEET_0_EXP_1=AoB=X\r\n")
                                     << u"|FF"_s << QStringList { QString(), u"AoB=X"_s };
    QTest::newRow("empty pattern as saved for none")
        << QByteArray("SHEET_0=|FE\r\nSHEET_0_EXP_0=\r\nSHEET_0_EXP_1=Yo?Xo\r\n") << u"|FE"_s
        << QStringList { QString(), u"Yo?Xo"_s };
    QTest::newRow("steps before the first section")
        << QByteArray("SHEET_0=CF|C\r\nSHEET_0_EXP_0=AoB=X\r\n") << u"CF|C"_s
        << QStringList { u"AoB=X"_s };
    QTest::newRow("sheet without sections")
        << QByteArray("SHEET_0=\r\n") << QString() << QStringList();
}

// What the editor loads, it saves back unchanged.
void TestScheme::editorTreeKeepsSchemesAndPatterns()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, scheme);
    QFETCH(QStringList, patterns);

    writeGlobal(stored + "MAX0=4\r\nSHEET_1=|C\r\n");
    const QList<SchemeNode> sheets = loadSchemeTree(IniFile(m_installation->path(Global)));
    QCOMPARE(sheets.size(), 2);
    QCOMPARE(sheets.at(0).text, u"SHEET 1"_s);
    QCOMPARE(sheets.at(1).exerciseCount, 1);
    const SheetScheme saved = sheetSchemeOf(sheets.at(0));
    QCOMPARE(saved.scheme, scheme);
    QCOMPARE(saved.patterns, patterns);
    QCOMPARE(saved.exerciseCount, 4);
}

void TestScheme::operationCounts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pattern");

    QTest::newRow("one") << u"1"_s << u"AoB=X"_s;
    QTest::newRow("three, with blanks") << u" 3 "_s << u"AoBoCoD=X"_s;
    QTest::newRow("none") << u"0"_s << u"A=X"_s;
    QTest::newRow("up to Z") << u"25"_s
                             << u"AoBoCoDoEoFoGoHoIoJoKoLoMoNoOoPoQoRoSoToUoVoWoXoYoZ=X"_s;
    // Refused, so that the dialog asks again.
    QTest::newRow("word") << u"tre"_s << QString();
    QTest::newRow("negative") << u"-1"_s << QString();
    QTest::newRow("past Z") << u"26"_s << QString();
    QTest::newRow("huge") << u"2147483647"_s << QString();
    QTest::newRow("fraction") << u"2.5"_s << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestScheme::operationCounts()
{
    QFETCH(QString, typed);
    QFETCH(QString, pattern);

    const std::optional<int> operations = parseOperationCount(typed);
    QCOMPARE(operations.has_value(), !pattern.isEmpty());
    if (!operations)
        return;
    QCOMPARE(formulaPattern(*operations), pattern);
    // The editor proposes what the pattern has.
    QCOMPARE(operationCount(pattern), *operations);
}

void TestScheme::deletingASheetMovesTheFilesAfterIt_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("sheetCount");
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("message");

    const QStringList four { u"Tipo0.INI"_s, u"Tipo1.INI"_s, u"tipo2.ini"_s, u"Tipo3.INI"_s };
    // after: what each of Tipo0 to Tipo4 then holds, "-" for no file.
    QTest::newRow("second of four, one named in lower case")
        << four << 1 << 4 << QString()
        << QStringList { u"Tipo0.INI"_s, u"tipo2.ini"_s, u"Tipo3.INI"_s, u"-"_s, u"-"_s }
        << QString();
    QTest::newRow("a sheet without a file keeps its number free")
        << QStringList { u"Tipo0.INI"_s, u"Tipo1.INI"_s, u"Tipo3.INI"_s } << 0 << 4 << QString()
        << QStringList { u"Tipo1.INI"_s, u"-"_s, u"Tipo3.INI"_s, u"-"_s, u"-"_s } << QString();
    QTest::newRow("the deleted sheet had no file")
        << QStringList { u"Tipo0.INI"_s, u"Tipo2.INI"_s } << 1 << 3 << QString()
        << QStringList { u"Tipo0.INI"_s, u"Tipo2.INI"_s, u"-"_s, u"-"_s, u"-"_s } << QString();
    QTest::newRow("file that cannot be deleted")
        << four << 1 << 4 << u"Tipo1.INI"_s
        << QStringList { u"Tipo0.INI"_s, u"Tipo1.INI"_s, u"tipo2.ini"_s, u"Tipo3.INI"_s, u"-"_s }
        << u"Impossibile cancellare il file: %1Tipo1.INI"_s;
    QTest::newRow("file that cannot be renamed")
        << four << 1 << 4 << u"Tipo3.INI"_s
        << QStringList { u"Tipo0.INI"_s, u"Tipo1.INI"_s, u"tipo2.ini"_s, u"Tipo3.INI"_s, u"-"_s }
        << u"Impossibile rinominare il file: %1Tipo3.INI"_s;
    QTest::newRow("catalogue that cannot be saved")
        << four << 1 << 4 << u"save"_s
        << QStringList { u"Tipo0.INI"_s, u"Tipo1.INI"_s, u"tipo2.ini"_s, u"Tipo3.INI"_s, u"-"_s }
        << u"Unable to write to GLOBAL.INI"_s;
}

void TestScheme::deletingASheetMovesTheFilesAfterIt()
{
    QFETCH(QStringList, files);
    QFETCH(int, sheet);
    QFETCH(int, sheetCount);
    QFETCH(QString, failing);
    QFETCH(QStringList, after);
    QFETCH(QString, message);

    // Every file holds its own first name.
    for (const QString &name : files)
        m_installation->writeFile(u"SOL_INI/"_s + name, name.toLatin1());
    const QString folder = m_installation->path(u"SOL_INI/"_s);
    FileMoves moves = realFileMoves();
    const auto real = moves.rename;
    moves.rename = [&](const QString &from, const QString &to) {
        return QFileInfo(from).fileName() != failing && real(from, to);
    };
    int saves = 0;
    const auto save = [&] {
        ++saves;
        if (failing == u"save"_s)
            throw Error(u"Unable to write to GLOBAL.INI"_s);
    };

    std::optional<QString> failure;
    try {
        failure = deleteSheetExerciseFile(*m_folders, sheet, sheetCount, save, moves);
    } catch (const Error &error) {
        failure = error.message();
    }

    QCOMPARE(failure.value_or(QString()), message.replace(u"%1"_s, folder));
    // A move that failed saves nothing.
    QCOMPARE(saves, failing.isEmpty() || failing == u"save"_s ? 1 : 0);
    for (int j = 0; j < after.size(); ++j) {
        const QString stored = u"SOL_INI\\Tipo%1.INI"_s.arg(j);
        QCOMPARE(m_folders->exists(stored), after.at(j) != u"-"_s);
        if (m_folders->exists(stored))
            QCOMPARE(QString::fromLatin1(m_installation->readFile(
                         u"SOL_INI/"_s + QFileInfo(m_folders->resolve(stored)).fileName())),
                after.at(j));
    }
    // Nothing is left aside.
    QCOMPARE(QDir(folder).entryList({ u"*.deleted*"_s }, QDir::Files), QStringList());
}

QTEST_GUILESS_MAIN(TestScheme)
#include "tst_scheme.moc"
