#pragma once

#include "player/progressstate.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

namespace solvaro {

// The printed result report of the exercise on screen (STAMPA), without the
// report engine: what goes into the template's named objects and what the
// engine's callbacks answer row by row.

// The names the program gives the template's objects.
namespace reportObject {
inline const QString sheet = QStringLiteral("memo0");
inline const QString exercise = QStringLiteral("memo2");
inline const QString errors = QStringLiteral("memo4");
inline const QString problemText = QStringLiteral("memo3");
inline const QString pupilName = QStringLiteral("memo7");
inline const QString helpBadge = QStringLiteral("Help");
inline const QString tenBadge = QStringLiteral("Dieci");
inline const QString green = QStringLiteral("VERDE");
inline const QString yellow = QStringLiteral("GIALLO");
inline const QString red = QStringLiteral("ROSSO");
// The errors, smiley and answer cells of a row.
inline const QString errorsCell = QStringLiteral("Memo1");
inline const QString smileyCell = QStringLiteral("Memo5");
inline const QString answerCell = QStringLiteral("Memo29");
} // namespace reportObject

// The variables of the category "variabili" the engine asks for.
namespace reportVariable {
inline const QString date = QStringLiteral("DATA");
inline const QString time = QStringLiteral("ORA");
inline const QString errors = QStringLiteral("ERR");
inline const QString answer = QStringLiteral("DOMAN");
inline const QString smiley = QStringLiteral("SMILE");
} // namespace reportVariable

// Colour numbers of the row cells.
inline constexpr qint32 reportSilver = 12632256;
inline constexpr qint32 reportWhite = 16777215;
inline constexpr qint32 reportBlack = 0;

// What the report is made from: the exercise's state and what the screen shows.
struct ReportInput {
    ExerciseProgress progress;
    // "SHEET_<n>" as read: '|' opens a section, other characters are steps.
    QString rawScheme;
    // One character per step: 'C', 'F' or 'E'.
    QString stepKinds;
    // The captions of the section bands, per section.
    QStringList sectionCaptions;
    QString pupilName;
    // "SHEET 2", "EXERCISE 5/12", "ERRORS 3" as the message bar shows them.
    QString sheetLabel;
    QString exerciseLabel;
    QString errorsLabel;
    QString problemText;
    // "DATA" and "ORA" in the locale's short date and long time formats.
    QDateTime now;
    QLocale locale;
};

// What the program changes in the template; the report engine implements it.
// Names the template lacks are ignored.
class ReportObjects
{
public:
    virtual ~ReportObjects() = default;

    virtual bool hasObject(const QString &name) const = 0;
    virtual void setText(const QString &name, const QString &text) = 0;
    virtual void setVisible(const QString &name, bool visible) = 0;
    virtual void setFrameColor(const QString &name, qint32 colorNumber) = 0;
    virtual void setFillColor(const QString &name, qint32 colorNumber) = 0;
};

// The operations of the data band's callback.
enum class DataSetOperation {
    // Asks for the number of rows.
    RowCount = 0,
    // Asks whether the rows are over; the count answers it already.
    CheckEnd = 1,
    First = 2,
    Next = 3,
};

// The smiley of a step row, or none.
QString reportSmiley(int stepErrors, ExerciseState exerciseState);
// "Help" when the exercise ended by showing the solution, "Dieci" when the
// pupil reached the last step otherwise; empty before the last step.
QString reportBadge(const ReportInput &input);
// One row per character of the scheme that makes a section or a step;
// characters that make neither take no row, as they take no place on screen.
QString reportRowsOf(const QString &rawScheme);

// STAMPA's part that needs no engine: fills the named texts and badges, then
// answers the engine's callbacks while it builds the report.
class ResultReportFiller
{
public:
    ResultReportFiller(const ReportInput &input, ReportObjects &objects);

    // Texts, badges and counters, before the engine builds the report.
    void prepare();
    // The data band's callback: RowCount sets `value` to the number of rows;
    // First and Next move to a row.
    void frReport1DataSetWork(DataSetOperation operation, int &value);
    // The value of a variable while the engine builds the report. A step row
    // must ask "DOMAN" first: it moves to the row's step.
    QString frReport1GetValue(const QString &name);

    int currentRow() const { return m_row; }

private:
    // The value of a row variable; nothing for the other names.
    std::optional<QString> sectionValue(const QString &name);
    std::optional<QString> stepValue(const QString &name);
    QString stepAnswer(int step);
    QString formulaAnswer(QChar kind);
    void showStepSmiley();
    void setFrames(const QStringList &names, qint32 colorNumber);
    void hideSmileys();

    const ReportInput &m_input;
    ReportObjects &m_objects;
    QString m_rows;
    // 1-based; 0 before the first row.
    int m_row = 0;
    int m_stepCounter = 0;
    int m_formulaCounter = 0;
    int m_sectionCounter = 0;
};

// One printed row, as a template that asks DOMAN, ERR and SMILE in this order
// shows it.
struct ReportRow {
    bool section = false;
    QString answer;
    QString errors;
    // "VERDE", "GIALLO", "ROSSO" or empty.
    QString smiley;

    bool operator==(const ReportRow &) const = default;
};

// The rows of the report of this exercise.
QList<ReportRow> reportRows(const ReportInput &input);

} // namespace solvaro
