#include "player/evaluator.h"

#include <QTest>

#include <limits>

using namespace solvaro;

namespace {

const QChar comma = QLatin1Char(',');
const QChar point = QLatin1Char('.');
// Fills the matrix lines so that an entry RPN leaves alone is visible.
constexpr double untouched = -99.0;

QStringList strings(std::initializer_list<const char *> texts)
{
    QStringList result;
    for (const char *text : texts)
        result.append(QString::fromUtf8(text));
    return result;
}

QString repeated(const QString &piece, int count)
{
    QString result;
    for (int i = 0; i < count; ++i)
        result += piece;
    return result;
}

} // namespace

class TestEvaluator : public QObject
{
    Q_OBJECT

private slots:
    void rpn_data();
    void rpn();
    void rpnRefuses_data();
    void rpnRefuses();
    void calcola_data();
    void calcola();
    void calcolaRefuses_data();
    void calcolaRefuses();
    void formulaToValue_data();
    void formulaToValue();
    void listIsReplaced();
};

void TestEvaluator::rpn_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("postfix");
    QTest::addColumn<QVector<double>>("numbers");
    QTest::addColumn<QString>("signs");

    QTest::newRow("single addition")
        << "12+7" << comma << "12_7_+" << QVector<double> { 12, 7 } << "+=";
    QTest::newRow("product before sum")
        << "2*3+4" << comma << "2_3_*_4_+" << QVector<double> { 2, 3, 4 } << "*+=";
    QTest::newRow("subtraction") << "7-2" << comma << "7_2_-" << QVector<double> { 7, 2 } << "-=";
    QTest::newRow("equal precedence goes left to right")
        << "10-2*3-1" << comma << "10_2_3_*_-_1_-" << QVector<double> { 10, 2, 3, 1 } << "-*-=";
    QTest::newRow("round brackets")
        << "(2+3)*4" << comma << "2_3_+_4_*" << QVector<double> { 2, 3, 4 } << "+*=";
    QTest::newRow("bracket at the end")
        << "2*(3+4)" << comma << "2_3_4_+_*" << QVector<double> { 2, 3, 4 } << "*+=";
    QTest::newRow("square and curly brackets")
        << "[2+3]*{4-1}" << comma << "2_3_+_4_1_-_*" << QVector<double> { 2, 3, 4, 1 } << "+*-=";
    QTest::newRow("x and colon") << "12 x 7 : 2" << comma << "12_7_*_2_/"
                                 << QVector<double> { 12, 7, 2 } << "*/=";
    QTest::newRow("upper-case X") << "12X7" << comma << "12_7_*" << QVector<double> { 12, 7 }
                                  << "*=";
    QTest::newRow("no operator") << "5" << comma << "5" << QVector<double> { 5 } << "=";
    QTest::newRow("empty") << "" << comma << "" << QVector<double> { 0 } << "=";
    QTest::newRow("result after equals ignored")
        << "12+7=19" << comma << "12_7_+" << QVector<double> { 12, 7 } << "+=";
    QTest::newRow("second equals ignored too")
        << "1+2=3=4" << comma << "1_2_+" << QVector<double> { 1, 2 } << "+=";
    QTest::newRow("comma decimal")
        << "1,5+2" << comma << "1,5_2_+" << QVector<double> { 1.5, 2 } << "+=";
    QTest::newRow("last number read with a point only")
        << "2+1,5" << comma << "2_1,5_+" << QVector<double> { 2, untouched } << "+=";
    QTest::newRow("point separator")
        << "2.5+1.5" << point << "2.5_1.5_+" << QVector<double> { 2.5, 1.5 } << "+=";
    QTest::newRow("leading separator")
        << ",5+1" << comma << ",5_1_+" << QVector<double> { 0.5, 1 } << "+=";
    QTest::newRow("leading minus reads as zero")
        << "-3+5" << comma << "_3_-_5_+" << QVector<double> { 0, 3, 5 } << "-+=";
    QTest::newRow("hash skipped") << "1#2+#3" << comma << "12_3_+" << QVector<double> { 12, 3 }
                                  << "+=";
    QTest::newRow("blanks and other characters skipped")
        << " 1 2 ? + 3 ! " << comma << "12_3_+" << QVector<double> { 12, 3 } << "+=";
    QTest::newRow("unmatched closing bracket empties the stack")
        << "2+3)*4" << comma << "2_3_+_4_*" << QVector<double> { 2, 3, 4 } << "+*=";
    QTest::newRow("unmatched opening bracket ends in the output")
        << "(2+3" << comma << "2_3_+_(" << QVector<double> { 2, 3 } << "+=";
    QTest::newRow("closing bracket of another kind pops through")
        << "[2+3)" << comma << "2_3_+_[" << QVector<double> { 2, 3 } << "+=";
    QTest::newRow("letter as last number is kept in the postfix")
        << "2+A" << comma << "2_A_+" << QVector<double> { 2, untouched } << "+=";
}

void TestEvaluator::rpn()
{
    QFETCH(QString, expression);
    QFETCH(QChar, separator);
    QFETCH(QString, postfix);
    QFETCH(QVector<double>, numbers);
    QFETCH(QString, signs);

    // The line has exactly the room the formula needs.
    QVector<double> numberLine(numbers.size(), untouched);
    QVector<QChar> signLine(numbers.size(), QLatin1Char('?'));
    int operatorCount = -1;
    QCOMPARE(RPN(expression, numberLine, signLine, operatorCount, separator), postfix);
    QCOMPARE(operatorCount, signs.size() - 1);
    QCOMPARE(numberLine, numbers);
    QCOMPARE(QString(signLine.constData(), signLine.size()), signs);
}

void TestEvaluator::rpnRefuses_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<int>("room");
    QTest::addColumn<QString>("message");

    QTest::newRow("point with a comma separator")
        << "1.5+2" << comma << 5 << "'1.5' is not a valid number";
    QTest::newRow("comma with a point separator")
        << "1,5+2" << point << 5 << "'1,5' is not a valid number";
    QTest::newRow("letter") << "a+1" << comma << 5 << "'A' is not a valid number";
    QTest::newRow("no exponent") << "1e3+1" << point << 5 << "'1E3' is not a valid number";
    QTest::newRow("two separators") << "1,2,3*2" << comma << 5 << "'1,2,3' is not a valid number";
    QTest::newRow("more numbers than the line holds")
        << "1+2+3" << comma << 2 << "The formula '1+2+3' does not fit in the 2 places of its step";
    QTest::newRow("no room even for the equals sign")
        << "" << comma << 0 << "The formula '' does not fit in the 0 places of its step";
    QTest::newRow("no room for the last number") << "1+2" << comma << 1 << "does not fit";
}

void TestEvaluator::rpnRefuses()
{
    QFETCH(QString, expression);
    QFETCH(QChar, separator);
    QFETCH(int, room);
    QFETCH(QString, message);

    QVector<double> numbers(room);
    QVector<QChar> signs(room);
    int operatorCount = 0;
    try {
        RPN(expression, numbers, signs, operatorCount, separator);
        QFAIL("no error raised");
    } catch (const ExpressionError &error) {
        QVERIFY2(error.message().contains(message), qPrintable(error.message()));
    }
}

void TestEvaluator::calcola_data()
{
    QTest::addColumn<QString>("postfix");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<double>("value");
    QTest::addColumn<QStringList>("operations");

    QTest::newRow("addition listed both ways")
        << "12_7_+" << comma << 19.0 << strings({ "12,000+7,000", "7,000+12,000", "19,000" });
    QTest::newRow("all additions list every ordered pair")
        << "2_3_+_4_+" << comma << 9.0
        << strings({ "2,000+3,000", "2,000+4,000", "3,000+2,000", "3,000+4,000", "4,000+2,000",
               "4,000+3,000", "9,000" });
    QTest::newRow("all multiplications list every ordered pair")
        << "2_3_*_4_*" << comma << 24.0
        << strings({ "2,000*3,000", "2,000*4,000", "3,000*2,000", "3,000*4,000", "4,000*2,000",
               "4,000*3,000", "24,000" });
    QTest::newRow("subtraction listed once")
        << "7_2_-" << comma << 5.0 << strings({ "7,000-2,000", "5,000" });
    QTest::newRow("negative result")
        << "7_12_-" << comma << -5.0 << strings({ "7,000-12,000", "-5,000" });
    QTest::newRow("mixed operations in order of evaluation")
        << "10_2_3_*_-_1_-" << comma << 3.0
        << strings({ "2,000*3,000", "3,000*2,000", "10,000-6,000", "4,000-1,000", "3,000" });
    QTest::newRow("sum then product")
        << "2_3_+_4_*" << comma << 20.0
        << strings({ "2,000+3,000", "3,000+2,000", "5,000*4,000", "4,000*5,000", "20,000" });
    QTest::newRow("division listed once")
        << "12_7_*_2_/" << comma << 42.0
        << strings({ "12,000*7,000", "7,000*12,000", "84,000/2,000", "42,000" });
    QTest::newRow("three decimals rounded")
        << "1_3_/" << comma << 1.0 / 3.0 << strings({ "1,000/3,000", "0,333" });
    QTest::newRow("decimal number")
        << "1,5_2_+" << comma << 3.5 << strings({ "1,500+2,000", "2,000+1,500", "3,500" });
    QTest::newRow("decimal marks read as the point separator")
        << "1,5_2.5_+" << point << 4.0 << strings({ "1.500+2.500", "2.500+1.500", "4.000" });
    QTest::newRow("dividing by a decimal")
        << "2_0,5_/" << comma << 4.0 << strings({ "2,000/0,500", "4,000" });
    QTest::newRow("a number without a following underscore is dropped")
        << "5" << comma << 0.0 << strings({ "0,000" });
    QTest::newRow("empty") << "" << comma << 0.0 << strings({ "0,000" });
    QTest::newRow("one number, no operator") << "5_" << comma << 5.0 << strings({ "5,000" });
    QTest::newRow("operator with one value ignored")
        << "5__+" << comma << 5.0 << strings({ "5,000" });
    QTest::newRow("incomplete expression returns the bottom value")
        << "2_3_4_+" << comma << 2.0
        << strings({ "2,000+3,000", "2,000+4,000", "3,000+2,000", "3,000+4,000", "4,000+2,000",
               "4,000+3,000", "2,000" });
    QTest::newRow("letters, brackets and hash ignored")
        << "A1#_(2_+=" << comma << 3.0 << strings({ "1,000+2,000", "2,000+1,000", "3,000" });
    QTest::newRow("operands shown at fifteen digits")
        << "2,0005_1_*" << comma << 2.0005 << strings({ "2,001*1,000", "1,000*2,001", "2,001" });
    QTest::newRow("thirty numbers fit")
        << repeated(QStringLiteral("1_"), 30) + repeated(QStringLiteral("+_"), 29) << comma << 30.0
        << QStringList();
}

void TestEvaluator::calcola()
{
    QFETCH(QString, postfix);
    QFETCH(QChar, separator);
    QFETCH(double, value);
    QFETCH(QStringList, operations);

    QStringList list;
    QCOMPARE(CalcolaRPN(postfix, list, separator), value);
    if (operations.isEmpty()) {
        // Thirty ones, all added: every ordered pair and the result.
        QCOMPARE(list.size(), 30 * 29 + 1);
        QCOMPARE(list.first(), QStringLiteral("1,000+1,000"));
        QCOMPARE(list.last(), QStringLiteral("30,000"));
    } else {
        QCOMPARE(list, operations);
    }
}

void TestEvaluator::calcolaRefuses_data()
{
    QTest::addColumn<QString>("postfix");
    QTest::addColumn<QString>("message");

    QTest::newRow("division by zero") << "6_0_/"
                                      << "Division by zero in 6/0";
    QTest::newRow("zero by zero") << "0_0_/"
                                  << "Division by zero in 0/0";
    QTest::newRow("division by a computed zero") << "1_2_2_-_/"
                                                 << "Division by zero in 1/0";
    QTest::newRow("two decimal marks") << "1,,5_2_+"
                                       << "'1,,5' is not a valid number";
    QTest::newRow("a lone decimal mark") << ",_1_+"
                                         << "',' is not a valid number";
    QTest::newRow("thirty-one numbers")
        << repeated(QStringLiteral("1_"), 31) << "has more than 30 numbers";
    QTest::newRow("thirty-one numbers, few at a time") << QStringLiteral("1_")
            + repeated(QStringLiteral("1_+_"), 30) << "has more than 30 numbers";
    QTest::newRow("overflow") << QStringLiteral("1") + repeated(QStringLiteral("0"), 200)
            + QStringLiteral("_1") + repeated(QStringLiteral("0"), 200) + QStringLiteral("_*")
                              << "is too large";
}

void TestEvaluator::calcolaRefuses()
{
    QFETCH(QString, postfix);
    QFETCH(QString, message);

    QStringList list;
    try {
        CalcolaRPN(postfix, list, comma);
        QFAIL("no error raised");
    } catch (const ExpressionError &error) {
        QVERIFY2(error.message().contains(message), qPrintable(error.message()));
    }
}

void TestEvaluator::formulaToValue_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("result");

    QTest::newRow("precedence") << "10-2*3-1" << comma << 3.0 << "3,000";
    QTest::newRow("brackets") << "(2+3)*4" << comma << 20.0 << "20,000";
    QTest::newRow("nested brackets") << "{[(1+2)*3]-4}:5" << comma << 1.0 << "1,000";
    QTest::newRow("x and colon") << "12 x 7 : 2" << comma << 42.0 << "42,000";
    QTest::newRow("comma decimal first") << "1,5+2" << comma << 3.5 << "3,500";
    QTest::newRow("comma decimal last") << "2+1,5" << comma << 3.5 << "3,500";
    QTest::newRow("point decimal") << "0.1+0.2" << point << 0.1 + 0.2 << "0.300";
    QTest::newRow("only a number") << "5" << comma << 0.0 << "0,000";
}

void TestEvaluator::formulaToValue()
{
    QFETCH(QString, expression);
    QFETCH(QChar, separator);
    QFETCH(double, value);
    QFETCH(QString, result);

    QVector<double> numbers(10);
    QVector<QChar> signs(10);
    int operatorCount = 0;
    const QString postfix = RPN(expression, numbers, signs, operatorCount, separator);
    QStringList list;
    QCOMPARE(CalcolaRPN(postfix, list, separator), value);
    QCOMPARE(list.last(), result);
}

void TestEvaluator::listIsReplaced()
{
    QStringList list { QStringLiteral("left over") };
    CalcolaRPN(QStringLiteral("7_2_-"), list, comma);
    QCOMPARE(list, strings({ "7,000-2,000", "5,000" }));
}

QTEST_APPLESS_MAIN(TestEvaluator)
#include "tst_evaluator.moc"
