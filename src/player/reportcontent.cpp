#include "player/reportcontent.h"

#include "schemes/scheme.h"

#include <QHash>
#include <algorithm>

namespace solvaro {

namespace {

bool isReportRow(QChar c)
{
    return c == stepKind::sectionMark || c == stepKind::questionGroup || c == stepKind::formula
        || c == stepKind::equivalence;
}

// Operators are kept as the evaluator reads them; the report prints them the
// way pupils write them.
QString printedOperator(const QString &text)
{
    if (text == QLatin1String("*"))
        return QStringLiteral("X");
    if (text == QLatin1String("/"))
        return QStringLiteral(":");
    return text;
}

const SavedField *fieldAt(const QVector<SavedField> &fields, int position)
{
    for (const SavedField &field : fields) {
        if (field.position == position)
            return &field;
    }
    return nullptr;
}

QString textAt(const QVector<SavedField> &fields, int position)
{
    const SavedField *field = fieldAt(fields, position);
    return field ? field->text : QString();
}

// Remembers what the program made visible, for reportRows.
class RecordedObjects final : public ReportObjects
{
public:
    bool hasObject(const QString &) const override { return true; }
    void setText(const QString &, const QString &) override { }
    void setVisible(const QString &name, bool visible) override { m_visible[name] = visible; }
    void setFrameColor(const QString &, qint32) override { }
    void setFillColor(const QString &, qint32) override { }

    bool isVisible(const QString &name) const { return m_visible.value(name, true); }

private:
    QHash<QString, bool> m_visible;
};

} // namespace

QString reportSmiley(int stepErrors, ExerciseState exerciseState)
{
    if (exerciseState == SolvedBySolution)
        return reportObject::yellow;
    if (stepErrors <= 0)
        return reportObject::green;
    if (stepErrors <= 3)
        return reportObject::yellow;
    return reportObject::red;
}

QString reportBadge(const ReportInput &input)
{
    if (input.progress.currentStep + 1 < input.stepKinds.size())
        return QString();
    return input.progress.exerciseState == SolvedBySolution ? reportObject::helpBadge
                                                            : reportObject::tenBadge;
}

QString reportRowsOf(const QString &rawScheme)
{
    QString rows;
    for (const QChar c : rawScheme) {
        if (isReportRow(c))
            rows += c;
    }
    return rows;
}

ResultReportFiller::ResultReportFiller(const ReportInput &input, ReportObjects &objects)
    : m_input(input)
    , m_objects(objects)
    , m_rows(reportRowsOf(input.rawScheme))
{
}

void ResultReportFiller::prepare()
{
    const std::pair<const QString &, const QString &> texts[] = {
        { reportObject::sheet, m_input.sheetLabel },
        { reportObject::exercise, m_input.exerciseLabel },
        { reportObject::errors, m_input.errorsLabel },
        { reportObject::problemText, m_input.problemText },
        { reportObject::pupilName, m_input.pupilName },
    };
    for (const auto &[name, text] : texts) {
        if (m_objects.hasObject(name))
            m_objects.setText(name, text);
    }

    m_objects.setVisible(reportObject::helpBadge, false);
    m_objects.setVisible(reportObject::tenBadge, false);
    const QString badge = reportBadge(m_input);
    if (!badge.isEmpty())
        m_objects.setVisible(badge, true);

    m_row = 0;
    m_stepCounter = 0;
    m_formulaCounter = 0;
    m_sectionCounter = 0;
}

void ResultReportFiller::frReport1DataSetWork(DataSetOperation operation, int &value)
{
    switch (operation) {
    case DataSetOperation::RowCount:
        value = int(m_rows.size());
        break;
    case DataSetOperation::First:
        m_row = 1;
        break;
    case DataSetOperation::Next:
        ++m_row;
        break;
    case DataSetOperation::CheckEnd:
        break;
    }
}

QString ResultReportFiller::frReport1GetValue(const QString &name)
{
    QString value;
    if (name == reportVariable::date)
        value = m_input.locale.toString(m_input.now.date(), QLocale::ShortFormat);
    else if (name == reportVariable::time)
        value = m_input.locale.toString(m_input.now.time(), QLocale::LongFormat);

    if (m_row <= 0 || m_row > m_rows.size())
        return value;
    const std::optional<QString> rowValue
        = m_rows[m_row - 1] == stepKind::sectionMark ? sectionValue(name) : stepValue(name);
    return rowValue.value_or(value);
}

std::optional<QString> ResultReportFiller::sectionValue(const QString &name)
{
    hideSmileys();
    if (name == reportVariable::errors)
        return QString();
    if (name != reportVariable::answer)
        return std::nullopt;
    ++m_sectionCounter;
    m_objects.setFrameColor(reportObject::answerCell, reportSilver);
    m_objects.setFillColor(reportObject::answerCell, reportSilver);
    setFrames({ reportObject::smileyCell, reportObject::errorsCell, reportObject::red,
                  reportObject::yellow, reportObject::green },
        reportWhite);
    return m_input.sectionCaptions.value(m_sectionCounter - 1);
}

std::optional<QString> ResultReportFiller::stepValue(const QString &name)
{
    if (name == reportVariable::answer) {
        ++m_stepCounter;
        m_objects.setFrameColor(reportObject::answerCell, reportBlack);
        m_objects.setFillColor(reportObject::answerCell, reportWhite);
        return stepAnswer(m_stepCounter - 1);
    }
    if (name == reportVariable::errors) {
        m_objects.setFrameColor(reportObject::errorsCell, reportBlack);
        const QVector<int> &errors = m_input.progress.stepErrors;
        const int step = m_stepCounter - 1;
        if (step < 0 || step >= errors.size())
            return QString();
        return QString::number(errors[step]);
    }
    if (name == reportVariable::smiley) {
        showStepSmiley();
        return QString();
    }
    return std::nullopt;
}

QString ResultReportFiller::stepAnswer(int step)
{
    const QChar kind
        = step >= 0 && step < m_input.stepKinds.size() ? m_input.stepKinds[step] : QChar();
    if (kind == stepKind::questionGroup) {
        const auto &labels = m_input.progress.answerLabels;
        const std::optional<QString> label
            = step < labels.size() ? labels[step] : std::optional<QString>();
        return label.value_or(QString());
    }
    if (kind == stepKind::equivalence || kind == stepKind::formula)
        return formulaAnswer(kind);
    return QString();
}

QString ResultReportFiller::formulaAnswer(QChar kind)
{
    const auto &rows = m_input.progress.formulaFields;
    const QVector<SavedField> fields = rows.value(m_formulaCounter);
    ++m_formulaCounter;

    if (kind == stepKind::equivalence) {
        const QString first = textAt(fields, 1);
        if (first.contains(QLatin1Char('=')))
            return first;
        return first + textAt(fields, 2) + QLatin1Char('=') + textAt(fields, 4) + textAt(fields, 5);
    }
    QVector<SavedField> ordered = fields;
    std::sort(ordered.begin(), ordered.end(),
        [](const SavedField &a, const SavedField &b) { return a.position < b.position; });
    QString answer;
    for (const SavedField &field : std::as_const(ordered))
        answer += field.signFlag ? printedOperator(field.text) : field.text;
    return answer;
}

void ResultReportFiller::showStepSmiley()
{
    setFrames(
        { reportObject::smileyCell, reportObject::red, reportObject::yellow, reportObject::green },
        reportBlack);
    hideSmileys();
    const int currentStep = m_input.progress.currentStep;
    const int stepCount = int(m_input.stepKinds.size());
    // Before "DOMAN" the row has no step yet.
    if (m_stepCounter <= 0)
        return;
    if (currentStep >= m_stepCounter || currentStep == stepCount - 1) {
        const int errors = m_input.progress.stepErrors.value(m_stepCounter - 1);
        m_objects.setVisible(reportSmiley(errors, m_input.progress.exerciseState), true);
    }
}

void ResultReportFiller::setFrames(const QStringList &names, qint32 colorNumber)
{
    for (const QString &name : names)
        m_objects.setFrameColor(name, colorNumber);
}

void ResultReportFiller::hideSmileys()
{
    m_objects.setVisible(reportObject::green, false);
    m_objects.setVisible(reportObject::yellow, false);
    m_objects.setVisible(reportObject::red, false);
}

QList<ReportRow> reportRows(const ReportInput &input)
{
    RecordedObjects objects;
    ResultReportFiller filler(input, objects);
    filler.prepare();
    int count = 0;
    filler.frReport1DataSetWork(DataSetOperation::RowCount, count);
    const QString kinds = reportRowsOf(input.rawScheme);
    QList<ReportRow> rows;
    for (int row = 0; row < count; ++row) {
        int unused = 0;
        filler.frReport1DataSetWork(
            row == 0 ? DataSetOperation::First : DataSetOperation::Next, unused);
        ReportRow printed;
        printed.section = kinds.at(row) == stepKind::sectionMark;
        printed.answer = filler.frReport1GetValue(reportVariable::answer);
        printed.errors = filler.frReport1GetValue(reportVariable::errors);
        filler.frReport1GetValue(reportVariable::smiley);
        for (const QString &smiley :
            { reportObject::green, reportObject::yellow, reportObject::red }) {
            if (objects.isVisible(smiley))
                printed.smiley = smiley;
        }
        rows.append(printed);
    }
    return rows;
}

} // namespace solvaro
