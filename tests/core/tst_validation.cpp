#include "player/evaluator.h"
#include "player/formulasheet.h"
#include "player/validation.h"

#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

namespace {

// One letter per field: 'R' right, 'W' wrong, 'Y' operator found, 'N' operator
// not found, '.' unmarked.
QString marksOf(const FormulaRow &row)
{
    QString marks;
    for (const FormulaField &field : row.fields) {
        if (field.signFlag && row.kind == QLatin1Char('F'))
            marks += field.background == fieldYellow ? u'Y'
                : field.background == fieldRed       ? u'N'
                                                     : u'.';
        else if (field.themed)
            marks += u'R';
        else
            marks += field.background == fieldRed ? u'W' : u'.';
    }
    return marks;
}

// A sheet with one row of the given kind, loaded with the teacher's text and
// filled with the pupil's texts.
struct Step {
    FormulaSheet sheet;
    QStringList expectedFormulas;

    Step(QChar kind, const QString &pattern, const QString &teacher, const QStringList &pupil,
        QChar separator)
    {
        sheet.build(QString(kind), { pattern }, false);
        sheet.CARICA_FORMULE({ teacher }, expectedFormulas, separator);
        sheet.activateRow(0);
        FormulaRow &row = sheet.row(0);
        for (int i = 0; i < pupil.size() && i < row.fields.size(); ++i)
            row.fields[i].text = pupil.at(i);
    }

    bool validate(QChar separator)
    {
        return ValidazioneRisultato(
            sheet.row(0).kind, sheet.row(0), expectedFormulas.value(0), separator);
    }
};

} // namespace

class TestValidation : public QObject
{
    Q_OBJECT

private slots:
    void formula_data();
    void formula();
    void equivalence_data();
    void equivalence();
    void emptyNumberFieldBecomesZero();
    void rightStepIsDisabled();
    void errorsPropagate_data();
    void errorsPropagate();
};

void TestValidation::formula_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("teacher");
    QTest::addColumn<QStringList>("pupil");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("marks");

    const QString aob = u"AoB=X"_s;
    const QString aoboc = u"AoBoC=X"_s;
    const QChar comma(u',');
    QTest::newRow("same order") << aob << "12+7"
                                << QStringList { u"12"_s, u"+"_s, u"7"_s, u"="_s, u"19"_s } << comma
                                << true << "RYRYR";
    QTest::newRow("commutative sum")
        << aob << "12+7" << QStringList { u"7"_s, u"+"_s, u"12"_s, u"="_s, u"19"_s } << comma
        << true << "RYRYR";
    QTest::newRow("wrong result") << aob << "12+7"
                                  << QStringList { u"12"_s, u"+"_s, u"7"_s, u"="_s, u"20"_s }
                                  << comma << false << "RYRYW";
    QTest::newRow("subtraction turned round")
        << aob << "12-7" << QStringList { u"7"_s, u"-"_s, u"12"_s, u"="_s, u"5"_s } << comma
        << false << "RYRYR";
    QTest::newRow("three additions in any order")
        << aoboc << "2+3+4"
        << QStringList { u"4"_s, u"+"_s, u"3"_s, u"+"_s, u"2"_s, u"="_s, u"9"_s } << comma << true
        << "RYRYRYR";
    QTest::newRow("result to three decimals")
        << aob << "12+7" << QStringList { u"12"_s, u"+"_s, u"7"_s, u"="_s, u"19,0004"_s } << comma
        << true << "RYRYR";
    QTest::newRow("result off in the third decimal")
        << aob << "12+7" << QStringList { u"12"_s, u"+"_s, u"7"_s, u"="_s, u"19,001"_s } << comma
        << false << "RYRYW";
    QTest::newRow("times from the menu")
        << aob << "12x7" << QStringList { u"7"_s, u"X"_s, u"12"_s, u"="_s, u"84"_s } << comma
        << true << "RYRYR";
    QTest::newRow("divided from the menu")
        << aob << "84:12" << QStringList { u"84"_s, u":"_s, u"12"_s, u"="_s, u"7"_s } << comma
        << true << "RYRYR";
    QTest::newRow("division turned round")
        << aob << "84:12" << QStringList { u"12"_s, u":"_s, u"84"_s, u"="_s, u"7"_s } << comma
        << false << "RYRYR";
    QTest::newRow("wrong operator")
        << aob << "12+7" << QStringList { u"12"_s, u"-"_s, u"7"_s, u"="_s, u"5"_s } << comma
        << false << "RNRYW";
    QTest::newRow("empty operator")
        << aob << "12+7" << QStringList { u"12"_s, u""_s, u"7"_s, u"="_s, u"19"_s } << comma
        << false << "RNRYR";
    QTest::newRow("precedence") << aoboc << "10-2*3"
                                << QStringList { u"10"_s, u"-"_s, u"2"_s, u"X"_s, u"3"_s, u"="_s,
                                       u"4"_s }
                                << comma << true << "RYRYRYR";
    QTest::newRow("precedence with factors turned round")
        << aoboc << "10-2*3"
        << QStringList { u"10"_s, u"-"_s, u"3"_s, u"X"_s, u"2"_s, u"="_s, u"4"_s } << comma << true
        << "RYRYRYR";
    QTest::newRow("each operator serves one field")
        << aoboc << "2+3*4"
        << QStringList { u"2"_s, u"+"_s, u"3"_s, u"+"_s, u"4"_s, u"="_s, u"9"_s } << comma << false
        << "RYRNRYW";
    QTest::newRow("decimals with a point")
        << aob << "1.5+2" << QStringList { u"1.5"_s, u"+"_s, u"2"_s, u"="_s, u"3.5"_s }
        << QChar(u'.') << true << "RYRYR";
    QTest::newRow("decimals with a comma")
        << aob << "1,5+2" << QStringList { u"2"_s, u"+"_s, u"1,5"_s, u"="_s, u"3,5"_s } << comma
        << true << "RYRYR";
    QTest::newRow("no expected formula")
        << aob << "" << QStringList { u"1"_s, u"+"_s, u"2"_s, u"="_s, u"3"_s } << comma << false
        << "WNWYW";
}

void TestValidation::formula()
{
    QFETCH(QString, pattern);
    QFETCH(QString, teacher);
    QFETCH(QStringList, pupil);
    QFETCH(QChar, separator);
    QFETCH(bool, right);
    QFETCH(QString, marks);
    Step step(u'F', pattern, teacher, pupil, separator);
    QCOMPARE(step.validate(separator), right);
    QCOMPARE(marksOf(step.sheet.row(0)), marks);
}

void TestValidation::equivalence_data()
{
    QTest::addColumn<QString>("teacher");
    QTest::addColumn<QStringList>("pupil");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("marks");

    QTest::newRow("as expected") << "3 km = 3000 m"
                                 << QStringList { u"3"_s, u"km"_s, u"="_s, u"3000"_s, u"m"_s }
                                 << true << "RRRRR";
    QTest::newRow("units in capitals by the teacher")
        << "3 KM = 3000 M" << QStringList { u"3"_s, u"km"_s, u"="_s, u"3000"_s, u"m"_s } << true
        << "RRRRR";
    QTest::newRow("wrong number") << "3 km = 3000 m"
                                  << QStringList { u"3"_s, u"km"_s, u"="_s, u"300"_s, u"m"_s }
                                  << false << "RRRWR";
    QTest::newRow("wrong unit") << "3 km = 3000 m"
                                << QStringList { u"3"_s, u"km"_s, u"="_s, u"3000"_s, u"dm"_s }
                                << false << "RRRRW";
    QTest::newRow("empty field stays empty")
        << "3 km = 3000 m" << QStringList { u""_s, u"km"_s, u"="_s, u"3000"_s, u"m"_s } << false
        << "WRRRR";
}

void TestValidation::equivalence()
{
    QFETCH(QString, teacher);
    QFETCH(QStringList, pupil);
    QFETCH(bool, right);
    QFETCH(QString, marks);
    Step step(u'E', u"Yo?Xo"_s, teacher, pupil, u',');
    QCOMPARE(step.validate(u','), right);
    QCOMPARE(marksOf(step.sheet.row(0)), marks);
    QCOMPARE(step.sheet.row(0).field(1)->text, pupil.at(0));
}

void TestValidation::emptyNumberFieldBecomesZero()
{
    Step step(u'F', u"AoB=X"_s, u"0+5"_s, { QString(), u"+"_s, u"5"_s, u"="_s, u"5"_s }, u',');
    QVERIFY(step.validate(u','));
    QCOMPARE(step.sheet.row(0).field(1)->text, u"0"_s);
}

void TestValidation::rightStepIsDisabled()
{
    Step wrong(u'F', u"AoB=X"_s, u"12+7"_s, { u"12"_s, u"+"_s, u"7"_s, u"="_s, u"20"_s }, u',');
    QVERIFY(!wrong.validate(u','));
    for (const FormulaField &field : wrong.sheet.row(0).fields)
        QVERIFY(field.enabled);

    Step right(u'F', u"AoB=X"_s, u"12+7"_s, { u"12"_s, u"+"_s, u"7"_s, u"="_s, u"19"_s }, u',');
    QVERIFY(right.validate(u','));
    for (const FormulaField &field : right.sheet.row(0).fields)
        QVERIFY(!field.enabled);
}

void TestValidation::errorsPropagate_data()
{
    QTest::addColumn<QString>("teacher");
    QTest::addColumn<QStringList>("pupil");
    QTest::newRow("lone separator")
        << "12+7" << QStringList { u","_s, u"+"_s, u"7"_s, u"="_s, u"19"_s };
    QTest::newRow("point on a comma system")
        << "12+7" << QStringList { u"1.2"_s, u"+"_s, u"7"_s, u"="_s, u"19"_s };
    QTest::newRow("pupil divides by zero")
        << "6:2" << QStringList { u"6"_s, u":"_s, u"0"_s, u"="_s, u"3"_s };
}

void TestValidation::errorsPropagate()
{
    QFETCH(QString, teacher);
    QFETCH(QStringList, pupil);
    Step step(u'F', u"AoB=X"_s, teacher, pupil, u',');
    QVERIFY_THROWS_EXCEPTION(ExpressionError, step.validate(u','));
    for (const FormulaField &field : step.sheet.row(0).fields)
        QVERIFY(field.enabled);
}

QTEST_APPLESS_MAIN(TestValidation)
#include "tst_validation.moc"
