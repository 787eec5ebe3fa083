#include "player/evaluator.h"
#include "player/expectedtext.h"
#include "player/expressionbox.h"
#include "player/formulasheet.h"
#include "storage/inifile.h"
#include "support/scripteddialogs.h"
#include "support/testinstallation.h"

#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

namespace {

QStringList expectedTextsOf(const FormulaRow &row)
{
    QStringList texts;
    for (const FormulaField &field : row.fields)
        texts << field.expectedText;
    return texts;
}

QStringList textsOf(const FormulaRow &row)
{
    QStringList texts;
    for (const FormulaField &field : row.fields)
        texts << field.text;
    return texts;
}

} // namespace

class TestExpectedFormulas : public QObject
{
    Q_OBJECT

private slots:
    void formulaExpectedTexts_data();
    void formulaExpectedTexts();
    void formulaLooks();
    void matrices();
    void noExpectedFormula();
    void nothingCarriesOverFromTheExerciseBefore();
    void unworkableFormulaLeavesItsRowEmpty_data();
    void unworkableFormulaLeavesItsRowEmpty();
    void splitEquivalence_data();
    void splitEquivalence();
    void equivalenceExpectedTexts();
    void expressionBox_data();
    void expressionBox();
    void solutionAndClearing();
    void expressionBoxStores_data();
    void expressionBoxStores();
};

void TestExpectedFormulas::formulaExpectedTexts_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("postfix");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("sum") << "AoB=X"
                         << "12+7" << QChar(u',') << "12_7_+"
                         << QStringList { u"12"_s, u"+"_s, u"7"_s, u"="_s, u"19"_s };
    QTest::newRow("product from the box")
        << "AoB=X"
        << "12*7" << QChar(u',') << "12_7_*"
        << QStringList { u"12"_s, u"*"_s, u"7"_s, u"="_s, u"84"_s };
    QTest::newRow("half with a comma") << "AoB=X"
                                       << "1/2" << QChar(u',') << "1_2_/"
                                       << QStringList { u"1"_s, u"/"_s, u"2"_s, u"="_s, u"0,5"_s };
    QTest::newRow("half with a point") << "AoB=X"
                                       << "1/2" << QChar(u'.') << "1_2_/"
                                       << QStringList { u"1"_s, u"/"_s, u"2"_s, u"="_s, u"0.5"_s };
    QTest::newRow("two operations")
        << "AoBoC=X"
        << "10-2*3" << QChar(u',') << "10_2_3_*_-"
        << QStringList { u"10"_s, u"-"_s, u"2"_s, u"*"_s, u"3"_s, u"="_s, u"4"_s };
}

void TestExpectedFormulas::formulaExpectedTexts()
{
    QFETCH(QString, pattern);
    QFETCH(QString, typed);
    QFETCH(QChar, separator);
    QFETCH(QString, postfix);
    QFETCH(QStringList, expected);
    FormulaSheet sheet;
    sheet.build(u"F"_s, { pattern }, false);
    QStringList expectedFormulas;
    sheet.CARICA_FORMULE({ typed }, expectedFormulas, separator);
    QCOMPARE(expectedFormulas, QStringList { postfix });
    QCOMPARE(expectedTextsOf(sheet.row(0)), expected);
}

void TestExpectedFormulas::formulaLooks()
{
    FormulaSheet sheet;
    sheet.build(u"F"_s, { u"AoB=X"_s }, false);
    FormulaRow &row = sheet.row(0);
    row.field(1)->text = u"5"_s;
    row.field(2)->text = u"X"_s;
    markWrong(*row.field(1));
    markOperatorFound(*row.field(2), false);
    QStringList expectedFormulas;
    sheet.CARICA_FORMULE({ u"12+7"_s }, expectedFormulas, u',');
    QCOMPARE(textsOf(row), (QStringList { u""_s, u""_s, u""_s, u"="_s, u""_s }));
    QVERIFY(row.field(1)->themed);
    QVERIFY(row.field(5)->themed);
    QCOMPARE(row.field(2)->background, fieldYellow);
    QCOMPARE(row.field(4)->background, fieldYellow);
}

void TestExpectedFormulas::matrices()
{
    FormulaSheet sheet;
    sheet.build(u"EF"_s, { u"Yo?Xo"_s, u"AoB=X"_s }, false);
    QStringList expectedFormulas;
    sheet.CARICA_FORMULE({ u"1 m = 100 cm"_s, u"12+7"_s }, expectedFormulas, u',');
    QCOMPARE(sheet.matrixWidth(), 6);
    QCOMPARE(sheet.TDATI(1).mid(0, 3), (QVector<double> { 12, 7, 19 }));
    QCOMPARE(sheet.TSEGNI(1).mid(0, 2), (QVector<QChar> { u'+', u'=' }));
    QCOMPARE(expectedFormulas, (QStringList { u"1 m = 100 cm"_s, u"12_7_+"_s }));
}

void TestExpectedFormulas::noExpectedFormula()
{
    FormulaSheet sheet;
    sheet.build(u"F"_s, { u"AoB=X"_s }, false);
    QStringList expectedFormulas;
    sheet.CARICA_FORMULE({ u"12+7"_s }, expectedFormulas, u',');
    sheet.CARICA_FORMULE({}, expectedFormulas, u',');
    QCOMPARE(expectedFormulas, QStringList { QString() });
    QCOMPARE(expectedTextsOf(sheet.row(0)), (QStringList { u""_s, u""_s, u""_s, u"="_s, u""_s }));
    QCOMPARE(textsOf(sheet.row(0)), (QStringList { u""_s, u""_s, u""_s, u"="_s, u""_s }));
}

void TestExpectedFormulas::nothingCarriesOverFromTheExerciseBefore()
{
    // The second exercise's formula has fewer numbers than the pattern.
    FormulaSheet sheet;
    sheet.build(u"F"_s, { u"AoBoC=X"_s }, false);
    QStringList expectedFormulas;
    sheet.CARICA_FORMULE({ u"2+3+4"_s }, expectedFormulas, u',');
    sheet.CARICA_FORMULE({ u"5+1"_s }, expectedFormulas, u',');
    QCOMPARE(expectedTextsOf(sheet.row(0)),
        (QStringList { u"5"_s, u"+"_s, u"1"_s, u"="_s, u"6"_s, u""_s, u"0"_s }));
}

void TestExpectedFormulas::unworkableFormulaLeavesItsRowEmpty_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("problem");
    QTest::newRow("point with a comma separator") << "1.5+2"
                                                  << "'1.5' is not a valid number";
    QTest::newRow("division by zero") << "6/0"
                                      << "Division by zero in 6/0";
    QTest::newRow("too long for its step")
        << "1+2+3+4+5+6+7"
        << "The formula '1+2+3+4+5+6+7' does not fit in the 6 places of its step";
}

void TestExpectedFormulas::unworkableFormulaLeavesItsRowEmpty()
{
    QFETCH(QString, typed);
    QFETCH(QString, problem);
    // The exercise before: both rows worked out, the first one typed in.
    FormulaSheet sheet;
    sheet.build(u"FF"_s, { u"AoB=X"_s, u"AoB=X"_s }, false);
    QStringList expectedFormulas;
    sheet.CARICA_FORMULE({ u"12+7"_s, u"5+1"_s }, expectedFormulas, u',');
    sheet.row(0).field(1)->text = u"12"_s;
    markWrong(*sheet.row(0).field(5));

    sheet.CARICA_FORMULE({ typed, u"3+4"_s }, expectedFormulas, u',');
    const FormulaRow &row = sheet.row(0);
    QCOMPARE(row.problem, problem);
    const QStringList empty { u""_s, u""_s, u""_s, u"="_s, u""_s };
    QCOMPARE(textsOf(row), empty);
    QCOMPARE(expectedTextsOf(row), empty);
    QVERIFY(row.field(5)->themed);
    QCOMPARE(sheet.TDATI(0), QVector<double>(6, 0.0));
    QCOMPARE(expectedFormulas, (QStringList { QString(), u"3_4_+"_s }));
    QVERIFY(sheet.row(1).problem.isEmpty());
    QCOMPARE(
        expectedTextsOf(sheet.row(1)), (QStringList { u"3"_s, u"+"_s, u"4"_s, u"="_s, u"7"_s }));
    // Its step takes no input.
    sheet.activateRow(0);
    QVERIFY(!row.field(1)->enabled);
}

void TestExpectedFormulas::splitEquivalence_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("blanks dropped")
        << "3 km = 3000 m" << QStringList { u"3"_s, u"km"_s, u"="_s, u"3000"_s, u"m"_s };
    QTest::newRow("decimals") << "1,5 l=15dl"
                              << QStringList { u"1,5"_s, u"l"_s, u"="_s, u"15"_s, u"dl"_s };
    QTest::newRow("only the first equals")
        << "1m=1m=2" << QStringList { u"1"_s, u"m"_s, u"="_s, u"12"_s, u"m"_s };
    QTest::newRow("no equals") << "3km" << QStringList { u"3"_s, u"km"_s, u"="_s, u""_s, u""_s };
    QTest::newRow("other characters dropped")
        << "3-k_m=é4" << QStringList { u"3"_s, u"km"_s, u"="_s, u"4"_s, u""_s };
    QTest::newRow("fifteen characters at most")
        << "1234567890123456789 abcdefghijklmnopq="
        << QStringList { u"123456789012345"_s, u"abcdefghijklmno"_s, u"="_s, u""_s, u""_s };
    QTest::newRow("empty") << "" << QStringList { u""_s, u""_s, u"="_s, u""_s, u""_s };
}

void TestExpectedFormulas::splitEquivalence()
{
    QFETCH(QString, text);
    QFETCH(QStringList, parts);
    QCOMPARE(solvaro::splitEquivalence(text), parts);
}

void TestExpectedFormulas::equivalenceExpectedTexts()
{
    FormulaSheet sheet;
    sheet.build(u"E"_s, { u"Yo?Xo"_s }, false);
    FormulaRow &row = sheet.row(0);
    markWrong(*row.field(4));
    QStringList expectedFormulas;
    sheet.CARICA_FORMULE({ u"3 km = 3000 m"_s }, expectedFormulas, u',');
    QCOMPARE(expectedFormulas, QStringList { u"3 km = 3000 m"_s });
    QCOMPARE(expectedTextsOf(row), (QStringList { u"3"_s, u"km"_s, u"="_s, u"3000"_s, u"m"_s }));
    QCOMPARE(row.field(4)->background, fieldWhite);
}

void TestExpectedFormulas::expressionBox_data()
{
    QTest::addColumn<QChar>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("times") << QChar(u'F') << "12 x 7"
                           << "12*7";
    QTest::newRow("capital times and divided") << QChar(u'F') << "12 X 7 : 2"
                                               << "12*7/2";
    QTest::newRow("equivalence as typed") << QChar(u'E') << "3 km = 3000 m"
                                          << "3 km = 3000 m";
}

void TestExpectedFormulas::expressionBox()
{
    QFETCH(QChar, kind);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QCOMPARE(expressionBoxValue(kind, typed), stored);
}

void TestExpectedFormulas::solutionAndClearing()
{
    FormulaSheet sheet;
    sheet.build(u"FE"_s, { u"AoB=X"_s, u"Yo?Xo"_s }, false);
    QStringList expectedFormulas;
    const QStringList typed { u"12+7"_s, u"3 km = 3000 m"_s };
    sheet.CARICA_FORMULE(typed, expectedFormulas, u',');
    markWrong(*sheet.row(0).field(1));
    sheet.showExpectedTexts();
    for (const FormulaRow &row : sheet.rows()) {
        QVERIFY(row.panelVisible);
        for (const FormulaField &field : row.fields) {
            QCOMPARE(field.text, field.expectedText);
            QVERIFY(!field.enabled);
            QCOMPARE(field.themed, !field.signFlag);
        }
    }
    // The next exercise starts with empty rows.
    sheet.CARICA_FORMULE(typed, expectedFormulas, u',');
    QCOMPARE(textsOf(sheet.row(0)), (QStringList { u""_s, u""_s, u""_s, u"="_s, u""_s }));
    QCOMPARE(textsOf(sheet.row(1)), (QStringList { u""_s, u""_s, u"="_s, u""_s, u""_s }));
}

void TestExpectedFormulas::expressionBoxStores_data()
{
    QTest::addColumn<QChar>("kind");
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("stored");
    QTest::newRow("formula") << QChar(u'F') << std::optional<QString>(u"12 x 7"_s) << "12*7";
    QTest::newRow("equivalence") << QChar(u'E') << std::optional<QString>(u"3 km = 3000 m"_s)
                                 << "3 km = 3000 m";
    QTest::newRow("cancelled") << QChar(u'F') << std::optional<QString>() << "5+1";
}

void TestExpectedFormulas::expressionBoxStores()
{
    QFETCH(QChar, kind);
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, stored);
    TestInstallation installation;
    installation.writeFile(u"SOL_INI/Tipo0.INI"_s, "[2]\r\nR1=5+1\r\n");
    const QString path = installation.path(u"SOL_INI/Tipo0.INI"_s);
    ScriptedDialogs dialogs;
    dialogs.inputAnswers << answer;
    {
        IniFile file(path);
        QCOMPARE(editExpectedFormula(file, u"2"_s, 1, kind, 6, u',', dialogs), answer.has_value());
    }
    QCOMPARE(dialogs.lastCaption, u"Expression Box"_s);
    QCOMPARE(dialogs.prompts, QStringList { u"Result=              es. 139+89"_s });
    QCOMPARE(IniFile(path).readString(u"2"_s, u"R1"_s, QString()), stored);
}

QTEST_APPLESS_MAIN(TestExpectedFormulas)
#include "tst_expectedformulas.moc"
