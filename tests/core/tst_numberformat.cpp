#include "player/numberformat.h"

#include <QTest>

#include <limits>

using namespace solvaro;

namespace {
const QChar comma = QLatin1Char(',');
const QChar point = QLatin1Char('.');
} // namespace

class TestNumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void threeDecimals_data();
    void threeDecimals();
    void upToThreeDecimals_data();
    void upToThreeDecimals();
    void wholeNumber_data();
    void wholeNumber();
    void general_data();
    void general();
    void parse_data();
    void parse();
    void parseRefuses_data();
    void parseRefuses();
    void generalReadsBack_data();
    void generalReadsBack();
};

void TestNumberFormat::threeDecimals_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 19.0 << comma << "19,000";
    QTest::newRow("point separator") << 19.0 << point << "19.000";
    QTest::newRow("zero") << 0.0 << comma << "0,000";
    QTest::newRow("negative zero") << -0.0 << comma << "0,000";
    QTest::newRow("negative") << -5.0 << comma << "-5,000";
    QTest::newRow("rounds down") << 1.0 / 3.0 << comma << "0,333";
    QTest::newRow("rounds up") << 2.0 / 3.0 << comma << "0,667";
    QTest::newRow("half rounds away from zero") << 0.0005 << comma << "0,001";
    QTest::newRow("negative half rounds away from zero") << -0.0005 << comma << "-0,001";
    QTest::newRow("half as typed, not as stored") << 2.0005 << comma << "2,001";
    QTest::newRow("rounding carries into the units") << 9.9996 << comma << "10,000";
    QTest::newRow("tiny negative shows no sign") << -0.0004 << comma << "0,000";
    QTest::newRow("binary noise gone") << 0.1 + 0.2 << comma << "0,300";
    QTest::newRow("no thousands separator") << 1234567.891 << comma << "1234567,891";
    QTest::newRow("large") << 1e20 << comma << "100000000000000000000,000";
    QTest::newRow("small") << 1e-7 << comma << "0,000";
}

void TestNumberFormat::threeDecimals()
{
    QFETCH(double, value);
    QFETCH(QChar, separator);
    QFETCH(QString, text);
    QCOMPARE(formatThreeDecimals(value, separator), text);
}

void TestNumberFormat::upToThreeDecimals_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 19.0 << "19";
    QTest::newRow("fourth decimal rounded away") << 19.0004 << "19";
    QTest::newRow("rounded up to whole") << 18.9996 << "19";
    QTest::newRow("one decimal") << 12.5 << "12,5";
    QTest::newRow("trailing zeros dropped") << 12.50 << "12,5";
    QTest::newRow("three decimals rounded") << 12.3456 << "12,346";
    QTest::newRow("no leading zero") << 0.5 << ",5";
    QTest::newRow("negative without leading zero") << -0.5 << "-,5";
    QTest::newRow("zero is empty") << 0.0 << "";
    QTest::newRow("rounds to zero") << 0.0004 << "";
    QTest::newRow("negative rounds to zero") << -0.0004 << "";
    QTest::newRow("more digits than placeholders") << 1234567.0 << "1234567";
    QTest::newRow("binary noise gone") << 0.1 + 0.2 << ",3";
    QTest::newRow("negative") << -7.25 << "-7,25";
}

void TestNumberFormat::upToThreeDecimals()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatUpToThreeDecimals(value, comma), text);
}

void TestNumberFormat::wholeNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 2048.0 << "2048";
    QTest::newRow("zero is empty") << 0.0 << "";
    QTest::newRow("below a half is empty") << 0.4 << "";
    QTest::newRow("half rounds up") << 2.5 << "3";
    QTest::newRow("below a half rounds down") << 2.49 << "2";
    QTest::newRow("negative") << -2.5 << "-3";
    QTest::newRow("no separators") << 16384.0 << "16384";
    QTest::newRow("beyond five placeholders") << 1234567.0 << "1234567";
}

void TestNumberFormat::wholeNumber()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatWholeNumber(value), text);
}

void TestNumberFormat::general_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("text");

    QTest::newRow("twelve") << 12.0 << comma << "12";
    QTest::newRow("nineteen") << 19.0 << comma << "19";
    QTest::newRow("one half") << 0.5 << comma << "0,5";
    QTest::newRow("one half with a point") << 0.5 << point << "0.5";
    QTest::newRow("zero") << 0.0 << comma << "0";
    QTest::newRow("negative zero") << -0.0 << comma << "0";
    QTest::newRow("negative") << -3.25 << comma << "-3,25";
    QTest::newRow("binary noise gone") << 0.1 + 0.2 << comma << "0,3";
    QTest::newRow("one third at fifteen digits") << 1.0 / 3.0 << comma << "0,333333333333333";
    QTest::newRow("two thirds rounded") << 2.0 / 3.0 << comma << "0,666666666666667";
    QTest::newRow("smallest plain decimal") << 0.0001 << comma << "0,0001";
    QTest::newRow("below that, scientific") << 0.00001 << comma << "1E-5";
    QTest::newRow("one ten-millionth") << 1e-7 << comma << "1E-7";
    QTest::newRow("scientific with decimals") << -1.5e-7 << comma << "-1,5E-7";
    QTest::newRow("fifteen integer digits") << 123456789012345.0 << comma << "123456789012345";
    QTest::newRow("sixteen integer digits") << 1e15 << comma << "1E15";
    QTest::newRow("large") << 1.5e20 << comma << "1,5E20";
    QTest::newRow("no thousands separator") << 1234567.25 << comma << "1234567,25";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << comma << "INF";
}

void TestNumberFormat::general()
{
    QFETCH(double, value);
    QFETCH(QChar, separator);
    QFETCH(QString, text);
    QCOMPARE(formatGeneral(value, separator), text);
}

void TestNumberFormat::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<double>("value");

    QTest::newRow("whole") << "19" << comma << 19.0;
    QTest::newRow("comma decimal") << "3,5" << comma << 3.5;
    QTest::newRow("point decimal") << "3.5" << point << 3.5;
    QTest::newRow("leading separator") << ",5" << comma << 0.5;
    QTest::newRow("trailing separator") << "3," << comma << 3.0;
    QTest::newRow("leading zeros") << "007" << comma << 7.0;
    QTest::newRow("blanks around") << "  42 " << comma << 42.0;
    QTest::newRow("minus") << "-2,25" << comma << -2.25;
    QTest::newRow("plus") << "+2" << comma << 2.0;
    QTest::newRow("many decimals") << "19,0004" << comma << 19.0004;
}

void TestNumberFormat::parse()
{
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QFETCH(double, value);
    const auto parsed = parseNumber(text, separator);
    QVERIFY(parsed.has_value());
    QCOMPARE(*parsed, value);
}

void TestNumberFormat::parseRefuses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("separator");

    QTest::newRow("empty") << "" << comma;
    QTest::newRow("blank") << "   " << comma;
    QTest::newRow("lone separator") << "," << comma;
    QTest::newRow("lone sign") << "-" << comma;
    QTest::newRow("point with a comma separator") << "1.5" << comma;
    QTest::newRow("comma with a point separator") << "1,5" << point;
    QTest::newRow("two separators") << "1,2,3" << comma;
    QTest::newRow("thousands separator") << "1.234,5" << comma;
    QTest::newRow("exponent") << "1E3" << point;
    QTest::newRow("letters") << "12abc" << comma;
    QTest::newRow("blank inside") << "1 2" << comma;
    QTest::newRow("sign after blank digits") << "1-" << comma;
    QTest::newRow("two signs") << "--1" << comma;
    QTest::newRow("other digits") << QString(QChar(0x0663)) << comma;
    QTest::newRow("beyond a double")
        << QStringLiteral("1") + QString(400, QLatin1Char('0')) << comma;
}

void TestNumberFormat::parseRefuses()
{
    QFETCH(QString, text);
    QFETCH(QChar, separator);
    QVERIFY(!parseNumber(text, separator).has_value());
}

void TestNumberFormat::generalReadsBack_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("twelve") << 12.0;
    QTest::newRow("one half") << 0.5;
    QTest::newRow("result with decimals") << 139.75;
    QTest::newRow("negative") << -1234.125;
    QTest::newRow("smallest plain decimal") << 0.0001;
}

// An expected field text written with formatGeneral must read back as its value.
void TestNumberFormat::generalReadsBack()
{
    QFETCH(double, value);
    const auto parsed = parseNumber(formatGeneral(value, comma), comma);
    QVERIFY(parsed.has_value());
    QCOMPARE(*parsed, value);
}

QTEST_APPLESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
