#include "player/formularow.h"
#include "player/formulasheet.h"
#include "player/formulasteps.h"
#include "player/keyfilters.h"

#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

namespace {

QStringList labelsOf(const FormulaRow &row)
{
    QStringList labels;
    for (const FormulaField &field : row.fields)
        labels << field.label;
    return labels;
}

// One letter per field: 'n' number, 'u' unit, 'o' operator, '=' equals.
QString shapeOf(const FormulaRow &row)
{
    QString shape;
    for (const FormulaField &field : row.fields) {
        if (field.isEqualsField())
            shape += QLatin1Char('=');
        else if (field.signFlag)
            shape += QLatin1Char('o');
        else
            shape += field.keys == FieldKeys::Unit ? QLatin1Char('u') : QLatin1Char('n');
    }
    return shape;
}

} // namespace

class TestFormulaRow : public QObject
{
    Q_OBJECT

private slots:
    void labels_data();
    void labels();
    void fieldShapes_data();
    void fieldShapes();
    void fieldSettings();
    void numberFieldsEnabledOnlyForTheTeacher();
    void matrixWidth_data();
    void matrixWidth();
    void layout();
    void nextFormulaScans();
    void qualeFormula_data();
    void qualeFormula();
    void numberKeys_data();
    void numberKeys();
    void unitKeys_data();
    void unitKeys();
    void operatorMenu_data();
    void operatorMenu();
    void operatorClickRefused_data();
    void operatorClickRefused();
};

void TestFormulaRow::labels_data()
{
    QTest::addColumn<QString>("kinds");
    QTest::addColumn<QStringList>("patterns");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("labels");

    const QString aob = QStringLiteral("AoB=X");
    QTest::newRow("first formula")
        << "FF" << QStringList { aob, aob } << 0
        << QStringList { u"Num.1"_s, u"Op.1"_s, u"Num.2"_s, u""_s, u"Result"_s };
    QTest::newRow("second formula runs on")
        << "FF" << QStringList { aob, aob } << 1
        << QStringList { u"Num.4"_s, u"Op.3"_s, u"Num.5"_s, u""_s, u"Result"_s };
    QTest::newRow("two operations") << "F" << QStringList { u"AoBoC=X"_s } << 0
                                    << QStringList { u"Num.1"_s, u"Op.1"_s, u"Num.2"_s, u"Op.2"_s,
                                           u"Num.3"_s, u""_s, u"Result"_s };
    QTest::newRow("equivalence labels")
        << "FE" << QStringList { aob, u"Yo?Xo"_s } << 1
        << QStringList { u"Num"_s, u"Mark"_s, u""_s, u"Num"_s, u"Mark"_s };
    QTest::newRow("restart after an equivalence")
        << "FEF" << QStringList { aob, u"Yo?Xo"_s, aob } << 2
        << QStringList { u"Num.1"_s, u"Op.1"_s, u"Num.2"_s, u""_s, u"Result"_s };
    QTest::newRow("no restart without one")
        << "FFF" << QStringList { aob, aob, aob } << 2
        << QStringList { u"Num.7"_s, u"Op.5"_s, u"Num.8"_s, u""_s, u"Result"_s };
}

void TestFormulaRow::labels()
{
    QFETCH(QString, kinds);
    QFETCH(QStringList, patterns);
    QFETCH(int, row);
    QFETCH(QStringList, labels);
    const QVector<FormulaRow> rows = buildFormulaRows(kinds, patterns, false);
    QCOMPARE(rows.size(), kinds.size());
    QCOMPARE(labelsOf(rows.at(row)), labels);
}

void TestFormulaRow::fieldShapes_data()
{
    QTest::addColumn<QChar>("kind");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QString>("panelName");

    QTest::newRow("one operation") << QChar(u'F') << "AoB=X"
                                   << "non=n"
                                   << "FORMULA_PNL0";
    QTest::newRow("operators written out") << QChar(u'F') << "A+B*C=X"
                                           << "nonon=n"
                                           << "FORMULA_PNL0";
    QTest::newRow("empty pattern") << QChar(u'F') << ""
                                   << ""
                                   << "FORMULA_PNL0";
    QTest::newRow("equivalence") << QChar(u'E') << "Yo?Xo"
                                 << "nu=nu"
                                 << "FORMULE_PNL0";
    QTest::newRow("short equivalence pattern") << QChar(u'E') << "Y"
                                               << "nu=nu"
                                               << "FORMULE_PNL0";
    QTest::newRow("long equivalence pattern") << QChar(u'E') << "Yo?XoZZZ"
                                              << "nu=nu"
                                              << "FORMULE_PNL0";
    QTest::newRow("empty equivalence pattern") << QChar(u'E') << ""
                                               << "nu=nu"
                                               << "FORMULE_PNL0";
}

void TestFormulaRow::fieldShapes()
{
    QFETCH(QChar, kind);
    QFETCH(QString, pattern);
    QFETCH(QString, shape);
    QFETCH(QString, panelName);
    const QVector<FormulaRow> rows = buildFormulaRows(QString(kind), { pattern }, false);
    QCOMPARE(shapeOf(rows.at(0)), shape);
    QCOMPARE(rows.at(0).panelName, panelName);
    for (int i = 0; i < rows.at(0).fields.size(); ++i)
        QCOMPARE(rows.at(0).fields.at(i).position, i + 1);
}

void TestFormulaRow::fieldSettings()
{
    const QVector<FormulaRow> rows
        = buildFormulaRows(QStringLiteral("FE"), { u"AoB=X"_s, u"Yo?Xo"_s }, false);
    const FormulaRow &formula = rows.at(0);
    const FormulaField *op = formula.field(2);
    QVERIFY(op->signFlag);
    QCOMPARE(op->click, FieldClick::ChooseOperator);
    QCOMPARE(op->tag, 2);
    QCOMPARE(op->maxLength, 1);
    QCOMPARE(op->background, fieldYellow);
    QCOMPARE(op->text, QString());
    QCOMPARE(op->expectedText, QStringLiteral("o"));
    QVERIFY(!op->readOnly);

    const FormulaField *equals = formula.field(4);
    QVERIFY(equals->signFlag);
    QVERIFY(equals->readOnly);
    QCOMPARE(equals->click, FieldClick::None);
    QCOMPARE(equals->text, QStringLiteral("="));

    const FormulaField *number = formula.field(1);
    QVERIFY(!number->signFlag);
    QCOMPARE(number->keys, FieldKeys::Number);
    QCOMPARE(number->click, FieldClick::EditExpectedFormula);
    QCOMPARE(number->tag, 0);
    QVERIFY(number->rightAligned);
    QCOMPARE(number->geometry.size(), QSize(60, 28));
    QCOMPARE(equals->geometry.size(), QSize(28, 28));

    const FormulaRow &equivalence = rows.at(1);
    QCOMPARE(equivalence.field(1)->tag, 1);
    QCOMPARE(equivalence.field(2)->maxLength, 3);
    QVERIFY(!equivalence.field(2)->rightAligned);
    QCOMPARE(equivalence.field(5)->keys, FieldKeys::Unit);
    QCOMPARE(equivalence.field(4)->keys, FieldKeys::Number);
    QVERIFY(equivalence.field(3)->readOnly);
    QCOMPARE(equivalence.field(3)->text, QStringLiteral("="));
    QCOMPARE(equivalence.field(3)->expectedText, QStringLiteral("?"));
    QVERIFY(!equivalence.field(6));
    QVERIFY(!equivalence.field(0));
}

void TestFormulaRow::numberFieldsEnabledOnlyForTheTeacher()
{
    for (const bool editMode : { false, true }) {
        const QVector<FormulaRow> rows
            = buildFormulaRows(QStringLiteral("FE"), { u"AoB=X"_s, u"Yo?Xo"_s }, editMode);
        for (const FormulaRow &row : rows) {
            for (const FormulaField &field : row.fields)
                QCOMPARE(field.enabled, field.signFlag || editMode);
        }
    }
}

void TestFormulaRow::matrixWidth_data()
{
    QTest::addColumn<QString>("kinds");
    QTest::addColumn<QStringList>("patterns");
    QTest::addColumn<int>("width");
    QTest::newRow("no formula") << "" << QStringList() << 1;
    QTest::newRow("longest pattern") << "FF" << QStringList { u"AoB=X"_s, u"AoBoC=X"_s } << 8;
    QTest::newRow("equivalence holds five") << "E" << QStringList { u"Y"_s } << 6;
    QTest::newRow("missing pattern") << "F" << QStringList() << 1;
}

void TestFormulaRow::matrixWidth()
{
    QFETCH(QString, kinds);
    QFETCH(QStringList, patterns);
    QFETCH(int, width);
    QCOMPARE(formulaMatrixWidth(kinds, patterns), width);
}

void TestFormulaRow::layout()
{
    FormulaSheet sheet;
    sheet.build(QStringLiteral("FE"), { u"AoB=X"_s, u"Y"_s }, false);
    // Steps C F E at tops 66, 126, 182.
    sheet.layout(QStringLiteral("CFE"), { 66, 126, 182 });

    const FormulaRow &formula = sheet.row(0);
    QCOMPARE(formula.field(1)->geometry, QRect(10, 25, 60, 28));
    QCOMPARE(formula.field(1)->labelGeometry, QRect(10, 5, 60, 20));
    QCOMPARE(formula.field(2)->geometry, QRect(75, 25, 28, 28));
    QCOMPARE(formula.field(3)->geometry.left(), 108);
    QCOMPARE(formula.field(4)->geometry.left(), 173);
    QCOMPARE(formula.field(5)->geometry.left(), 206);
    QCOMPARE(formula.panelGeometry, QRect(80, 103, 281, 60));
    QVERIFY(!formula.panelVisible);

    // All five fields of an equivalence are placed, whatever its pattern.
    const FormulaRow &equivalence = sheet.row(1);
    QCOMPARE(equivalence.field(5)->geometry.left(), 10 + 65 + 65 + 33 + 65);
    QCOMPARE(equivalence.panelGeometry, QRect(80, 159, 10 + 65 * 4 + 33 + 10, 60));
}

void TestFormulaRow::nextFormulaScans()
{
    const QString kinds = QStringLiteral("CFCE");
    QChar kind;
    int pos = 0;
    QVERIFY(nextFormula(kinds, kind, pos));
    QCOMPARE(kind, QChar(u'F'));
    QCOMPARE(pos, 2);
    QVERIFY(nextFormula(kinds, kind, pos));
    QCOMPARE(kind, QChar(u'E'));
    QCOMPARE(pos, 4);
    QVERIFY(!nextFormula(kinds, kind, pos));
    QCOMPARE(pos, 0);
}

void TestFormulaRow::qualeFormula_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("formula");
    QTest::newRow("first formula after a group") << 1 << 0;
    QTest::newRow("second formula") << 3 << 1;
    QTest::newRow("a group counts none") << 2 << 0;
    QTest::newRow("a group before any formula") << 0 << -1;
}

void TestFormulaRow::qualeFormula()
{
    QFETCH(int, step);
    QFETCH(int, formula);
    QCOMPARE(QualeFormula(step, QStringLiteral("CFCE")), formula);
}

void TestFormulaRow::numberKeys_data()
{
    QTest::addColumn<QChar>("key");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<int>("action");
    QTest::addColumn<QChar>("result");

    const int accept = int(KeyAction::Accept);
    const int swallow = int(KeyAction::Swallow);
    QTest::newRow("digit") << QChar(u'7') << QChar(u',') << "" << accept << QChar(u'7');
    QTest::newRow("backspace") << QChar(8) << QChar(u',') << "" << accept << QChar(8);
    QTest::newRow("point on a comma system")
        << QChar(u'.') << QChar(u',') << "" << accept << QChar(u',');
    QTest::newRow("comma on a point system")
        << QChar(u',') << QChar(u'.') << "" << accept << QChar(u'.');
    QTest::newRow("letter") << QChar(u'a') << QChar(u',') << "" << swallow << QChar(u'a');
    QTest::newRow("minus") << QChar(u'-') << QChar(u',') << "" << swallow << QChar(u'-');
    QTest::newRow("blank") << QChar(u' ') << QChar(u',') << "" << swallow << QChar(u' ');
    QTest::newRow("escape") << QChar(27) << QChar(u',') << "" << swallow << QChar(27);
    QTest::newRow("enter moves on")
        << QChar(13) << QChar(u',') << "" << int(KeyAction::FocusNext) << QChar(13);
    QTest::newRow("enter confirms in Risultato2")
        << QChar(13) << QChar(u',') << "Risultato2" << int(KeyAction::Confirm) << QChar(13);
}

void TestFormulaRow::numberKeys()
{
    QFETCH(QChar, key);
    QFETCH(QChar, separator);
    QFETCH(QString, fieldName);
    QFETCH(int, action);
    QFETCH(QChar, result);
    const KeyOutcome outcome = dato1KeyPress(key, separator, fieldName);
    QCOMPARE(int(outcome.action), action);
    if (outcome.action == KeyAction::Accept)
        QCOMPARE(outcome.key, result);
}

void TestFormulaRow::unitKeys_data()
{
    QTest::addColumn<QChar>("key");
    QTest::addColumn<bool>("accepted");
    for (const char c : QByteArray("acdghklmt"))
        QTest::addRow("unit letter %c", c) << QChar(QLatin1Char(c)) << true;
    QTest::newRow("capital K") << QChar(u'K') << false;
    QTest::newRow("digit") << QChar(u'5') << false;
    QTest::newRow("other letter") << QChar(u'b') << false;
    QTest::newRow("point") << QChar(u'.') << false;
    QTest::newRow("backspace") << QChar(8) << true;
    QTest::newRow("enter") << QChar(13) << true;
    QTest::newRow("escape") << QChar(27) << true;
}

void TestFormulaRow::unitKeys()
{
    QFETCH(QChar, key);
    QFETCH(bool, accepted);
    const KeyOutcome outcome = dato2KeyPress(key);
    QCOMPARE(outcome.action == KeyAction::Accept, accepted);
    if (accepted)
        QCOMPARE(outcome.key, key);
}

void TestFormulaRow::operatorMenu_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::newRow("plus") << 0 << "+";
    QTest::newRow("underscore item writes minus") << 1 << "-";
    QTest::newRow("times") << 2 << "X";
    QTest::newRow("divided") << 3 << ":";
    QTest::newRow("no such item") << 4 << "";
    QTest::newRow("negative item") << -1 << "";
}

void TestFormulaRow::operatorMenu()
{
    QFETCH(int, item);
    QFETCH(QString, text);
    FormulaSheet sheet;
    sheet.build(QStringLiteral("FF"), { u"AoB=X"_s, u"AoBoC=X"_s }, false);
    QVERIFY(sheet.OperandoClick(4, QChar(u'F'), false));
    QCOMPARE(sheet.N1Click(item, 1), !text.isEmpty());
    QCOMPARE(sheet.row(1).field(4)->text, text);
    QCOMPARE(sheet.row(0).field(4)->text, QStringLiteral("="));
}

void TestFormulaRow::operatorClickRefused_data()
{
    QTest::addColumn<QChar>("kind");
    QTest::addColumn<bool>("editMode");
    QTest::newRow("teacher") << QChar(u'F') << true;
    QTest::newRow("equivalence step") << QChar(u'E') << false;
    QTest::newRow("question group step") << QChar(u'C') << false;
}

void TestFormulaRow::operatorClickRefused()
{
    QFETCH(QChar, kind);
    QFETCH(bool, editMode);
    FormulaSheet sheet;
    sheet.build(QStringLiteral("F"), { u"AoB=X"_s }, editMode);
    QVERIFY(!sheet.OperandoClick(2, kind, editMode));
}

QTEST_APPLESS_MAIN(TestFormulaRow)
#include "tst_formularow.moc"
