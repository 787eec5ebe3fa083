#include "storage/linebreaks.h"

#include <QTest>

using namespace solvaro;

class TestLineBreaks : public QObject
{
    Q_OBJECT

private slots:
    void encode_data();
    void encode();
    void decode_data();
    void decode();
};

void TestLineBreaks::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("CRLF") << "uno\r\ndue"
                          << "uno|due";
    QTest::newRow("LF only") << "uno\ndue"
                             << "uno|due";
    QTest::newRow("CR only") << "uno\rdue"
                             << "uno|due";
    QTest::newRow("two breaks in a row") << "a\r\n\r\nb"
                                         << "a||b";
    QTest::newRow("trailing break") << "a\r\n"
                                    << "a|";
    QTest::newRow("no break") << "a b"
                              << "a b";
}

void TestLineBreaks::encode()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QCOMPARE(encodeLineBreaks(text), stored);
}

void TestLineBreaks::decode_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("text");
    QTest::newRow("two words") << "Mario|Rossi"
                               << "Mario\r\nRossi";
    QTest::newRow("bar typed by the user") << "a|"
                                           << "a\r\n";
    QTest::newRow("nothing to do") << "abc"
                                   << "abc";
}

void TestLineBreaks::decode()
{
    QFETCH(QString, stored);
    QFETCH(QString, text);
    QCOMPARE(decodeLineBreaks(stored), text);
}

QTEST_APPLESS_MAIN(TestLineBreaks)
#include "tst_linebreaks.moc"
