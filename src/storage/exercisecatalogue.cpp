#include "storage/exercisecatalogue.h"

#include "base/dialogs.h"
#include "base/error.h"
#include "storage/atomicwrite.h"
#include "storage/globalsettings.h"
#include "storage/inifile.h"
#include "storage/iniline.h"
#include "storage/initext.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>

namespace solvaro {

namespace {

Error writeFailure(const QString &path)
{
    return Error(QStringLiteral("Unable to write to %1").arg(path));
}

// One line of a file with the break that ended it, so that a line pass can
// write back exactly what it did not change.
struct FileLine {
    QString text;
    QString end;
};

QList<FileLine> splitLines(const QString &text)
{
    QList<FileLine> lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        FileLine line { text.sliced(start, end - start), QString() };
        if (end < size) {
            const qsizetype breakLength
                = (text[end] == u'\r' && end + 1 < size && text[end + 1] == u'\n') ? 2 : 1;
            line.end = text.sliced(end, breakLength);
            end += breakLength;
        }
        lines.append(line);
        start = end;
    }
    return lines;
}

QString joinLines(const QList<FileLine> &lines)
{
    QString text;
    for (const FileLine &line : lines)
        text += line.text + line.end;
    return text;
}

bool isSectionHeader(const QString &line)
{
    return parseIniLine(line).kind == IniLineKind::Section;
}

// Removes every section of that name (headers match as the INI reader reads
// them) with the lines up to the next header.
bool eraseSection(QList<FileLine> &lines, const QString &name)
{
    bool erased = false;
    bool inErased = false;
    QList<FileLine> kept;
    for (const FileLine &line : std::as_const(lines)) {
        if (isSectionHeader(line.text)) {
            inErased = parseIniLine(line.text).name.compare(name, Qt::CaseInsensitive) == 0;
            erased = erased || inErased;
        }
        if (!inErased)
            kept.append(line);
    }
    lines = kept;
    return erased;
}

// Blanks and control characters at both ends, as the line comparison of the
// renumbering removes them.
QString trimmedLine(const QString &line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && line[begin].unicode() <= u' ')
        ++begin;
    while (end > begin && line[end - 1].unicode() <= u' ')
        --end;
    return line.sliced(begin, end - begin);
}

QString bareHeader(int number)
{
    return QStringLiteral("[%1]").arg(number);
}

// Moves "[deleted + 1]" to "[deleted]", then "[deleted + 2]" to "[deleted + 1]"
// and so on, until a number is missing. Each time the first line that reads
// exactly so (apart from blanks at its ends) is the one renamed; a renamed line
// can never be the next one looked for, since the numbers looked for only grow.
bool renumberFollowing(QList<FileLine> &lines, int deleted)
{
    QHash<QString, qsizetype> firstLine;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString trimmed = trimmedLine(lines[i].text);
        if (trimmed.startsWith(u'[') && !firstLine.contains(trimmed))
            firstLine.insert(trimmed, i);
    }
    bool renamed = false;
    for (int next = deleted;; ++next) {
        const auto found = firstLine.constFind(bareHeader(next + 1));
        if (found == firstLine.cend())
            break;
        lines[found.value()].text = bareHeader(next);
        renamed = true;
    }
    return renamed;
}

} // namespace

ExerciseCatalogue::ExerciseCatalogue(
    const QString &globalSettingsFile, const QString &exerciseFile, int sheet)
    : m_globalSettingsFile(globalSettingsFile)
    , m_exerciseFile(exerciseFile)
    , m_sheet(sheet)
{
}

void ExerciseCatalogue::writeExerciseCount(int count) const
{
    IniFile global(m_globalSettingsFile);
    global.writeInteger(globalSettings::commonArea, globalSettings::maxKey(m_sheet), count);
    global.updateFile();
}

int ExerciseCatalogue::copyExercise(int current, int tabCount) const
{
    const int added = tabCount;
    writeExerciseCount(added + 1);

    IniFile exercises(m_exerciseFile);
    const QString target = QString::number(added);
    const QStringList lines = exercises.sectionLines(QString::number(current));
    for (const QString &line : lines) {
        // The value is everything after the first '=', further ones included.
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        exercises.writeString(target, line.left(equals), line.mid(equals + 1));
    }
    exercises.updateFile();
    return added;
}

QString ExerciseCatalogue::deleteQuestion(int current)
{
    return QStringLiteral("you're deleting the exercise number [%1]. Confirm ? ").arg(current + 1);
}

std::optional<int> ExerciseCatalogue::deleteCurrent(
    int current, int tabCount, Dialogs &dialogs) const
{
    if (tabCount <= 1 || current < 0 || current >= tabCount)
        return std::nullopt;
    if (!dialogs.askYesNo(deleteQuestion(current)))
        return std::nullopt;
    deleteExercise(current, tabCount);
    return tabAfterDelete(current);
}

void ExerciseCatalogue::deleteExercise(int current, int tabCount) const
{
    writeExerciseCount(tabCount - 1);

    const QFileInfo info(m_exerciseFile);
    if (!info.exists())
        return;
    QFile file(m_exerciseFile);
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        throw writeFailure(m_exerciseFile);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw writeFailure(m_exerciseFile);
    file.close();

    // Erasing and renumbering go out in one write, so that the file is never
    // left with a gap where the deleted exercise was.
    const IniText decoded = decodeIniText(bytes);
    QList<FileLine> lines = splitLines(decoded.text);
    const bool erased = eraseSection(lines, QString::number(current));
    const bool renamed = renumberFollowing(lines, current);
    if (!erased && !renamed)
        return;

    // Only digits changed, so the file's own encoding still holds every character.
    const QByteArray out = encodeIniText(joinLines(lines), decoded.encoding, decoded.byteOrderMark);
    writeFileAtomically(m_exerciseFile, out);
}

} // namespace solvaro
