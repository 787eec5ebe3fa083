#include "player/exercisetexts.h"
#include "player/questiongroup.h"
#include "player/storedlines.h"
#include "storage/inifile.h"
#include "support/testinstallation.h"

#include <QRandomGenerator>
#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

class TestQuestionGroup : public QObject
{
    Q_OBJECT

private slots:
    void mischia_data();
    void mischia();
    void mischiaSeeded_data();
    void mischiaSeeded();
    void mischiaWithoutOptions();
    void storedLines_data();
    void storedLines();
    void stepLinesArePadded();
    void loadCombo();
    void loadComboDefaults_data();
    void loadComboDefaults();
    void exerciseTexts();
};

void TestQuestionGroup::mischia_data()
{
    QTest::addColumn<int>("p");
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("correctIndex");
    QTest::newRow("p = 0 keeps the order")
        << 0 << false << QStringList { u"A"_s, u"B"_s, u"C"_s } << 0;
    QTest::newRow("p = 1") << 1 << false << QStringList { u"B"_s, u"A"_s, u"C"_s } << 1;
    QTest::newRow("p = 2 exchanges first and last")
        << 2 << false << QStringList { u"C"_s, u"B"_s, u"A"_s } << 2;
    QTest::newRow("teacher keeps the order")
        << 2 << true << QStringList { u"A"_s, u"B"_s, u"C"_s } << 0;
}

void TestQuestionGroup::mischia()
{
    QFETCH(int, p);
    QFETCH(bool, editMode);
    QFETCH(QStringList, shown);
    QFETCH(int, correctIndex);
    QStringList options { u"A"_s, u"B"_s, u"C"_s };
    int correct = -1;
    QList<int> bounds;
    MISCHIA(options, correct, editMode, [&](int bound) {
        bounds << bound;
        return p;
    });
    QCOMPARE(options, shown);
    QCOMPARE(correct, correctIndex);
    QCOMPARE(bounds, editMode ? QList<int>() : QList<int> { 3 });
}

void TestQuestionGroup::mischiaSeeded_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("p");
    // Seeds whose first draw below 3 gives the wanted position.
    for (const int wanted : { 0, 2 }) {
        for (quint32 seed = 1;; ++seed) {
            if (QRandomGenerator(seed).bounded(3) == wanted) {
                QTest::addRow("p = %d", wanted) << seed << wanted;
                break;
            }
        }
    }
}

void TestQuestionGroup::mischiaSeeded()
{
    QFETCH(quint32, seed);
    QFETCH(int, p);
    QRandomGenerator generator(seed);
    QStringList options { u"A"_s, u"B"_s, u"C"_s };
    int correct = -1;
    MISCHIA(
        options, correct, false, [&generator](int bound) { return int(generator.bounded(bound)); });
    QCOMPARE(correct, p);
    QCOMPARE(options.at(p), u"A"_s);
    QCOMPARE(options.at(0), p == 0 ? u"A"_s : u"C"_s);
    QCOMPARE(options.at(1), u"B"_s);
}

void TestQuestionGroup::mischiaWithoutOptions()
{
    QStringList options;
    int correct = 4;
    MISCHIA(options, correct, false, [](int) { return 0; });
    QCOMPARE(correct, 4);
}

void TestQuestionGroup::storedLines_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("two") << "a|b" << QStringList { u"a"_s, u"b"_s };
    QTest::newRow("trailing bar") << "a|b|" << QStringList { u"a"_s, u"b"_s };
    QTest::newRow("empty line kept") << "a||b" << QStringList { u"a"_s, u""_s, u"b"_s };
    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("one") << "?????????" << QStringList { u"?????????"_s };
}

void TestQuestionGroup::storedLines()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, lines);
    QCOMPARE(solvaro::storedLines(stored), lines);
}

void TestQuestionGroup::stepLinesArePadded()
{
    const QStringList lines = paddedStepLines(u"Conta bene|Rileggi"_s);
    QCOMPARE(lines.size(), 52);
    QCOMPARE(lines.at(0), u"Conta bene"_s);
    QCOMPARE(lines.at(1), u"Rileggi"_s);
    QCOMPARE(lines.at(2), u"?"_s);
    QCOMPARE(lines.constLast(), u"?"_s);
}

void TestQuestionGroup::loadCombo()
{
    TestInstallation installation;
    installation.writeFile(u"SOL_INI/Tipo0.INI"_s,
        "[3]\r\n"
        "E2=Giusta|Sbagliata|Altra\r\n"
        "E2.Font.Name=Arial\r\n"
        "E2.Font.Size=40\r\n"
        "E2.Font.Style=3\r\n"
        "E2.Font.Color=255\r\n");
    const IniFile file(installation.path(u"SOL_INI/Tipo0.INI"_s));
    LookFont current;
    current.size = 12;
    current.charSet = 0;
    const QuestionGroup group = Load_COMBO(file, u"3"_s, 2, current, 1680);
    QCOMPARE(group.options, (QStringList { u"Giusta"_s, u"Sbagliata"_s, u"Altra"_s }));
    QCOMPARE(group.font.name, u"Arial"_s);
    QCOMPARE(group.font.size, 20);
    QCOMPARE(group.font.style, 3);
    QCOMPARE(group.font.color, 255);
    QCOMPARE(group.font.charSet, 0);
}

void TestQuestionGroup::loadComboDefaults_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::newRow("nothing stored") << QByteArray("[0]\r\nE1=x\r\n");
    // Read with '.', as on a machine set up other than the one that wrote it.
    QTest::newRow("size written with the other separator")
        << QByteArray("[0]\r\nE0.Font.Size=17,5\r\n");
}

void TestQuestionGroup::loadComboDefaults()
{
    QFETCH(QByteArray, section);
    TestInstallation installation;
    installation.writeFile(u"SOL_INI/Tipo0.INI"_s, section);
    const IniFile file(installation.path(u"SOL_INI/Tipo0.INI"_s));
    LookFont current;
    current.size = 14;
    const QuestionGroup group = Load_COMBO(file, u"0"_s, 0, current, 1680);
    QCOMPARE(group.options, QStringList { u"?????????"_s });
    // A size that does not read is not scaled again: the group would shrink at
    // every load.
    QCOMPARE(group.font, current);
}

void TestQuestionGroup::exerciseTexts()
{
    TestInstallation installation;
    installation.writeFile(u"SOL_INI/Tipo0.INI"_s,
        "[1]\r\nMSG_HLP=h0|h1\r\nMSG_ERR=e0\r\nR0=12+7\r\nR2=3 km = 3000 m\r\n");
    const IniFile file(installation.path(u"SOL_INI/Tipo0.INI"_s));
    const ExerciseTexts texts = readExerciseTexts(file, u"1"_s, 3);
    QCOMPARE(texts.helpTexts, u"h0|h1"_s);
    QCOMPARE(texts.errorTexts, u"e0"_s);
    QCOMPARE(texts.expectedFormulas, (QStringList { u"12+7"_s, u""_s, u"3 km = 3000 m"_s }));
}

QTEST_APPLESS_MAIN(TestQuestionGroup)
#include "tst_questiongroup.moc"
