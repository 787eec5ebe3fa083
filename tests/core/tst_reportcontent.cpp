#include "player/reportcontent.h"

#include <QHash>
#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ReportInput)
Q_DECLARE_METATYPE(QList<ReportRow>)

namespace {

ReportRow step(const QString &answer, const QString &errors, const QString &smiley = QString())
{
    return ReportRow { false, answer, errors, smiley };
}

ReportRow section(const QString &caption)
{
    return ReportRow { true, caption, QString(), QString() };
}

QVector<SavedField> formula(const QStringList &texts)
{
    QVector<SavedField> fields;
    for (int i = 0; i < texts.size(); ++i) {
        const QString &text = texts[i];
        const bool sign = text == u"*"_s || text == u"/"_s || text == u"+"_s || text == u"-"_s
            || text == u"X"_s || text == u":"_s || text == u"="_s;
        fields.append(SavedField { i + 1, text, sign });
    }
    return fields;
}

// The sample's first sheet: "|CC|F", two question groups and a formula.
ReportInput sheetOne(int currentStep, QVector<int> errors, int state = 0)
{
    ReportInput input;
    input.rawScheme = u"|CC|F"_s;
    input.stepKinds = u"CCF"_s;
    input.sectionCaptions = { u"Leggi il problema"_s, u"Risolvi"_s };
    input.progress.currentStep = currentStep;
    input.progress.exerciseState = ExerciseState(state);
    input.progress.stepErrors = errors;
    input.progress.answerLabels = { u"Luca ha 12 biglie"_s, u"Ne regala 5"_s, std::nullopt };
    if (currentStep < 1)
        input.progress.answerLabels[0].reset();
    if (currentStep < 2)
        input.progress.answerLabels[1].reset();
    input.progress.formulaFields = { formula({ u"12"_s, u"-"_s, u"5"_s, u"="_s, u"7"_s }) };
    return input;
}

// Records what the program changes in a template holding the given objects.
class FakeObjects final : public ReportObjects
{
public:
    explicit FakeObjects(const QStringList &names)
        : m_names(names)
    {
    }

    bool hasObject(const QString &name) const override { return m_names.contains(name); }
    void setText(const QString &name, const QString &text) override { texts[name] = text; }
    void setVisible(const QString &name, bool visible) override { visible_[name] = visible; }
    void setFrameColor(const QString &name, qint32 color) override { frames[name] = color; }
    void setFillColor(const QString &name, qint32 color) override { fills[name] = color; }

    QHash<QString, QString> texts;
    QHash<QString, bool> visible_;
    QHash<QString, qint32> frames;
    QHash<QString, qint32> fills;

private:
    QStringList m_names;
};

} // namespace

class TestReportContent : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void badges_data();
    void badges();
    void smileys_data();
    void smileys();

    void textsGoOnlyIntoObjectsTheTemplateHas();
    void cellColoursFollowTheRowKind();
    void dateAndTimeInEveryBand();
    void askingOutOfOrderDoesNotCrash();
    void countersStartAgainForEachReport();
};

void TestReportContent::rows_data()
{
    QTest::addColumn<ReportInput>("input");
    QTest::addColumn<QList<ReportRow>>("rows");

    {
        ReportInput input;
        input.rawScheme = u"C|CF"_s;
        input.stepKinds = u"CCF"_s;
        input.sectionCaptions = { u"Dati"_s };
        input.progress.stepErrors = { 0, 0, 0, 0 };
        input.progress.answerLabels = QVector<std::optional<QString>>(3);
        input.progress.formulaFields
            = { formula({ QString(), QString(), QString(), u"="_s, QString() }) };
        QTest::newRow("C|CF before any answer")
            << input
            << QList<ReportRow> { step(QString(), u"0"_s), section(u"Dati"_s),
                   step(QString(), u"0"_s), step(u"="_s, u"0"_s) };
    }
    {
        ReportInput input;
        input.rawScheme = u"|C"_s;
        input.stepKinds = u"C"_s;
        input.progress.stepErrors = { 0, 0 };
        QTest::newRow("single step before any answer")
            << input
            << QList<ReportRow> { section(QString()), step(QString(), u"0"_s, u"VERDE"_s) };
    }
    QTest::newRow("midway, at the last step")
        << sheetOne(2, { 0, 2, 0, 0 })
        << QList<ReportRow> { section(u"Leggi il problema"_s),
               step(u"Luca ha 12 biglie"_s, u"0"_s, u"VERDE"_s),
               step(u"Ne regala 5"_s, u"2"_s, u"GIALLO"_s), section(u"Risolvi"_s),
               step(u"12-5=7"_s, u"0"_s, u"VERDE"_s) };
    QTest::newRow("first step answered")
        << sheetOne(1, { 4, 0, 0, 0 })
        << QList<ReportRow> { section(u"Leggi il problema"_s),
               step(u"Luca ha 12 biglie"_s, u"4"_s, u"ROSSO"_s), step(QString(), u"0"_s),
               section(u"Risolvi"_s), step(u"12-5=7"_s, u"0"_s) };
    QTest::newRow("after the solution")
        << sheetOne(3, { 0, 5, 0, 0 }, 4)
        << QList<ReportRow> { section(u"Leggi il problema"_s),
               step(u"Luca ha 12 biglie"_s, u"0"_s, u"GIALLO"_s),
               step(u"Ne regala 5"_s, u"5"_s, u"GIALLO"_s), section(u"Risolvi"_s),
               step(u"12-5=7"_s, u"0"_s, u"GIALLO"_s) };
    {
        ReportInput input;
        input.rawScheme = u"|FF"_s;
        input.stepKinds = u"FF"_s;
        input.progress.stepErrors = { 1, 0, 0 };
        input.progress.currentStep = 2;
        input.progress.formulaFields = { formula({ u"12"_s, u"*"_s, u"3"_s, u"="_s, u"36"_s }),
            formula({ u"36"_s, u"/"_s, u"4"_s, u"="_s, u"9"_s }) };
        QTest::newRow("operators as pupils write them")
            << input
            << QList<ReportRow> { section(QString()), step(u"12X3=36"_s, u"1"_s, u"GIALLO"_s),
                   step(u"36:4=9"_s, u"0"_s, u"VERDE"_s) };
    }
    {
        ReportInput input;
        input.rawScheme = u"|F"_s;
        input.stepKinds = u"F"_s;
        input.progress.stepErrors = { 0, 0 };
        input.progress.currentStep = 1;
        // Places 1 to 5 of "AoB=X" with the first number's box missing.
        input.progress.formulaFields = { { { 5, u"36"_s, false }, { 2, u"*"_s, true },
            { 3, u"3"_s, false }, { 4, u"="_s, true } } };
        QTest::newRow("missing boxes are skipped")
            << input
            << QList<ReportRow> { section(QString()), step(u"X3=36"_s, u"0"_s, u"VERDE"_s) };
    }
    {
        ReportInput input;
        input.rawScheme = u"|EE"_s;
        input.stepKinds = u"EE"_s;
        input.progress.stepErrors = { 0, 0, 0 };
        input.progress.currentStep = 1;
        input.progress.formulaFields = { formula({ u"3"_s, u"km"_s, u"="_s, u"3000"_s, u"m"_s }),
            { { 1, u"2 kg = 2000 g"_s, false }, { 2, u"kg"_s, false }, { 3, u"="_s, true } } };
        QTest::newRow("equivalences")
            << input
            << QList<ReportRow> { section(QString()), step(u"3km=3000m"_s, u"0"_s, u"VERDE"_s),
                   step(u"2 kg = 2000 g"_s, u"0"_s, u"VERDE"_s) };
    }
    {
        ReportInput input = sheetOne(0, { 0, 0, 0, 0 });
        input.rawScheme = u"|C x|?F"_s;
        input.stepKinds = u"CF"_s;
        QTest::newRow("characters that make no step make no row")
            << input
            << QList<ReportRow> { section(u"Leggi il problema"_s), step(QString(), u"0"_s),
                   section(u"Risolvi"_s), step(u"12-5=7"_s, u"0"_s) };
    }
    {
        ReportInput input;
        input.rawScheme = u"||C|"_s;
        input.stepKinds = u"C"_s;
        input.sectionCaptions = { u"uno"_s };
        QTest::newRow("more sections than captions, no error table")
            << input
            << QList<ReportRow> { section(u"uno"_s), section(QString()),
                   step(QString(), QString(), u"VERDE"_s), section(QString()) };
    }
}

void TestReportContent::rows()
{
    QFETCH(ReportInput, input);
    QFETCH(QList<ReportRow>, rows);
    const QList<ReportRow> printed = reportRows(input);
    QCOMPARE(printed.size(), rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QCOMPARE(printed[i].section, rows[i].section);
        QCOMPARE(printed[i].answer, rows[i].answer);
        QCOMPARE(printed[i].errors, rows[i].errors);
        QCOMPARE(printed[i].smiley, rows[i].smiley);
    }
}

void TestReportContent::badges_data()
{
    QTest::addColumn<int>("currentStep");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("badge");

    QTest::newRow("first step") << 0 << 0 << QString();
    QTest::newRow("second step") << 1 << 0 << QString();
    QTest::newRow("last step") << 2 << 0 << u"Dieci"_s;
    QTest::newRow("solved") << 3 << 3 << u"Dieci"_s;
    QTest::newRow("solution shown") << 3 << 4 << u"Help"_s;
    QTest::newRow("solution shown early") << 1 << 4 << QString();
}

void TestReportContent::badges()
{
    QFETCH(int, currentStep);
    QFETCH(int, state);
    QFETCH(QString, badge);
    const ReportInput input = sheetOne(currentStep, { 0, 0, 0, 0 }, state);
    QCOMPARE(reportBadge(input), badge);

    FakeObjects objects({ u"Help"_s, u"Dieci"_s });
    ResultReportFiller filler(input, objects);
    filler.prepare();
    QCOMPARE(objects.visible_.value(u"Help"_s), badge == u"Help"_s);
    QCOMPARE(objects.visible_.value(u"Dieci"_s), badge == u"Dieci"_s);
}

void TestReportContent::smileys_data()
{
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("smiley");

    QTest::newRow("no errors") << 0 << 3 << u"VERDE"_s;
    QTest::newRow("one error") << 1 << 3 << u"GIALLO"_s;
    QTest::newRow("three errors") << 3 << 0 << u"GIALLO"_s;
    QTest::newRow("four errors") << 4 << 3 << u"ROSSO"_s;
    QTest::newRow("no errors, solution shown") << 0 << 4 << u"GIALLO"_s;
    QTest::newRow("many errors, solution shown") << 9 << 4 << u"GIALLO"_s;
}

void TestReportContent::smileys()
{
    QFETCH(int, errors);
    QFETCH(int, state);
    QFETCH(QString, smiley);
    QCOMPARE(reportSmiley(errors, ExerciseState(state)), smiley);
}

void TestReportContent::textsGoOnlyIntoObjectsTheTemplateHas()
{
    ReportInput input = sheetOne(0, { 0, 0, 0, 0 });
    input.pupilName = u"élise"_s;
    input.sheetLabel = u"SHEET 1"_s;
    input.exerciseLabel = u"EXERCISE 4/6"_s;
    input.errorsLabel = u"ERRORS 2"_s;
    input.problemText = u"Luca ha 12 biglie."_s;
    FakeObjects objects({ u"memo7"_s, u"memo0"_s, u"memo3"_s });
    ResultReportFiller filler(input, objects);

    filler.prepare();

    QCOMPARE(objects.texts.size(), 3);
    QCOMPARE(objects.texts.value(u"memo7"_s), u"élise"_s);
    QCOMPARE(objects.texts.value(u"memo0"_s), u"SHEET 1"_s);
    QCOMPARE(objects.texts.value(u"memo3"_s), u"Luca ha 12 biglie."_s);
}

void TestReportContent::cellColoursFollowTheRowKind()
{
    const ReportInput input = sheetOne(2, { 0, 0, 0, 0 });
    FakeObjects objects({});
    ResultReportFiller filler(input, objects);
    filler.prepare();
    int rows = 0;
    filler.frReport1DataSetWork(DataSetOperation::RowCount, rows);
    QCOMPARE(rows, 5);

    filler.frReport1DataSetWork(DataSetOperation::First, rows);
    QCOMPARE(filler.frReport1GetValue(u"DOMAN"_s), u"Leggi il problema"_s);
    QCOMPARE(objects.frames.value(u"Memo29"_s), reportSilver);
    QCOMPARE(objects.fills.value(u"Memo29"_s), reportSilver);
    for (const QString &name : { u"Memo5"_s, u"Memo1"_s, u"ROSSO"_s, u"GIALLO"_s, u"VERDE"_s })
        QCOMPARE(objects.frames.value(name), reportWhite);

    filler.frReport1DataSetWork(DataSetOperation::Next, rows);
    filler.frReport1GetValue(u"DOMAN"_s);
    QCOMPARE(objects.frames.value(u"Memo29"_s), reportBlack);
    QCOMPARE(objects.fills.value(u"Memo29"_s), reportWhite);
    QCOMPARE(objects.frames.value(u"Memo1"_s), reportWhite);
    filler.frReport1GetValue(u"ERR"_s);
    QCOMPARE(objects.frames.value(u"Memo1"_s), reportBlack);
    QCOMPARE(objects.frames.value(u"Memo5"_s), reportWhite);
    filler.frReport1GetValue(u"SMILE"_s);
    for (const QString &name : { u"Memo5"_s, u"ROSSO"_s, u"GIALLO"_s, u"VERDE"_s })
        QCOMPARE(objects.frames.value(name), reportBlack);
    QCOMPARE(objects.visible_.value(u"VERDE"_s), true);

    // Any question in a section row takes the smileys away.
    filler.frReport1DataSetWork(DataSetOperation::Next, rows);
    filler.frReport1DataSetWork(DataSetOperation::Next, rows);
    QCOMPARE(filler.frReport1GetValue(u"SMILE"_s), QString());
    QCOMPARE(objects.visible_.value(u"VERDE"_s), false);
}

void TestReportContent::dateAndTimeInEveryBand()
{
    ReportInput input = sheetOne(0, { 0, 0, 0, 0 });
    input.now = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9));
    input.locale = QLocale(QLocale::Italian, QLocale::Italy);
    FakeObjects objects({});
    ResultReportFiller filler(input, objects);
    filler.prepare();

    const QString date = filler.frReport1GetValue(u"DATA"_s);
    QCOMPARE(date, input.locale.toString(QDate(2024, 3, 5), QLocale::ShortFormat));
    QVERIFY(date.contains(u"05"_s));
    QVERIFY(filler.frReport1GetValue(u"ORA"_s).startsWith(u"14:07:09"_s));
    QCOMPARE(filler.frReport1GetValue(u"ANYTHING"_s), QString());

    // In a row they keep their values and move nothing.
    int rows = 0;
    filler.frReport1DataSetWork(DataSetOperation::First, rows);
    filler.frReport1DataSetWork(DataSetOperation::Next, rows);
    QCOMPARE(filler.frReport1GetValue(u"DATA"_s), date);
    QCOMPARE(filler.frReport1GetValue(u"DOMAN"_s), QString());
    QCOMPARE(filler.frReport1GetValue(u"ERR"_s), u"0"_s);
}

void TestReportContent::askingOutOfOrderDoesNotCrash()
{
    const ReportInput input = sheetOne(2, { 0, 0 });
    FakeObjects objects({});
    ResultReportFiller filler(input, objects);
    filler.prepare();
    int rows = 0;
    filler.frReport1DataSetWork(DataSetOperation::First, rows);
    filler.frReport1DataSetWork(DataSetOperation::Next, rows);

    QCOMPARE(filler.frReport1GetValue(u"ERR"_s), QString());
    QCOMPARE(filler.frReport1GetValue(u"SMILE"_s), QString());
    QCOMPARE(objects.visible_.value(u"VERDE"_s, false), false);
    // Past the last row nothing is a row any more.
    for (int i = 0; i < 10; ++i)
        filler.frReport1DataSetWork(DataSetOperation::Next, rows);
    QCOMPARE(filler.frReport1GetValue(u"DOMAN"_s), QString());
}

void TestReportContent::countersStartAgainForEachReport()
{
    const ReportInput input = sheetOne(2, { 0, 2, 0, 0 });
    QCOMPARE(reportRows(input), reportRows(input));

    FakeObjects objects({});
    ResultReportFiller filler(input, objects);
    for (int report = 0; report < 2; ++report) {
        filler.prepare();
        int rows = 0;
        filler.frReport1DataSetWork(DataSetOperation::First, rows);
        filler.frReport1DataSetWork(DataSetOperation::Next, rows);
        QCOMPARE(filler.frReport1GetValue(u"DOMAN"_s), u"Luca ha 12 biglie"_s);
    }
}

QTEST_APPLESS_MAIN(TestReportContent)
#include "tst_reportcontent.moc"
