// INI text as teachers' machines leave it: any bytes, in any of the encodings.
// Everything readable is read with every typed read; then one value is
// written, the file updated in place and read again: the value reads back,
// every other value is unchanged, and every line the write did not touch is
// still there as it was.
#include "fuzztargets.h"

#include "storage/inifile.h"
#include "storage/iniline.h"
#include "storage/initext.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <vector>

namespace solvaro::fuzz {

namespace {

struct Line {
    QString text;
    QString end;
    bool operator==(const Line &) const = default;
};

std::vector<Line> linesOf(const QString &text)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        qsizetype next = end;
        if (next < text.size())
            next
                += text[next] == u'\r' && next + 1 < text.size() && text[next + 1] == u'\n' ? 2 : 1;
        lines.push_back({ text.sliced(start, end - start), text.sliced(end, next - end) });
        start = next;
    }
    return lines;
}

// Whether a line the write kept is as it was. The last line of the old file
// gets a line break when something now follows it.
// The file's lines as bytes: UTF-16 code units, or the bytes themselves.
std::vector<Line> lineBytesOf(const QByteArray &file)
{
    const IniText text = decodeIniText(file);
    if (text.encoding == IniEncoding::Utf16LE || text.encoding == IniEncoding::Utf16BE)
        return linesOf(text.text);
    return linesOf(QString::fromLatin1(file.sliced(text.byteOrderMark.size())));
}

bool kept(const Line &now, const Line &before, bool wasLast)
{
    if (now == before)
        return true;
    return wasLast && before.end.isEmpty() && now.text == before.text
        && now.end == QLatin1StringView("\r\n");
}

// How many lines from the start, and from the end, the write kept.
qsizetype keptFromStart(const std::vector<Line> &now, const std::vector<Line> &before)
{
    const qsizetype b = qsizetype(before.size());
    const qsizetype count = std::min(qsizetype(now.size()), b);
    qsizetype i = 0;
    while (i < count && kept(now[size_t(i)], before[size_t(i)], i + 1 == b))
        ++i;
    return i;
}

qsizetype keptFromEnd(const std::vector<Line> &now, const std::vector<Line> &before)
{
    const qsizetype n = qsizetype(now.size());
    const qsizetype b = qsizetype(before.size());
    const qsizetype count = std::min(n, b);
    qsizetype i = 0;
    while (i < count && kept(now[size_t(n - 1 - i)], before[size_t(b - 1 - i)], i == 0))
        ++i;
    return i;
}

// The new file is the old one with one line replaced, one line inserted, or
// a section header and its line added at the end. Linear in the lines, so
// that a file of thousands of lines costs the fuzzer no more than its reading.
bool onlyTheWrittenLineChanged(const std::vector<Line> &now, const std::vector<Line> &before)
{
    const qsizetype n = qsizetype(now.size());
    const qsizetype b = qsizetype(before.size());
    const qsizetype start = keptFromStart(now, before);
    if (n == b)
        return start + keptFromEnd(now, before) >= n - 1;
    if (n == b + 1)
        return start + keptFromEnd(now, before) >= b;
    return n == b + 2 && start == b;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    expect(file.open(QIODevice::ReadOnly), "the written file can be read");
    return file.readAll();
}

} // namespace

void iniFile(const QByteArray &input)
{
    const IniText decoded = decodeIniText(input);
    // Half a UTF-16 code unit at the end of a file is no character to keep.
    const bool utf16
        = decoded.encoding == IniEncoding::Utf16LE || decoded.encoding == IniEncoding::Utf16BE;
    const QByteArray whole = utf16 && input.size() % 2 ? input.chopped(1) : input;
    expect(encodeIniText(decoded.text, decoded.encoding, decoded.byteOrderMark) == whole,
        "a file read and written unchanged keeps every byte");

    const QString path = inputFile(input);
    const QChar separator = input.size() % 2 ? QLatin1Char(',') : QLatin1Char('.');
    IniFile ini(path, separator);

    // Every key of every section, with each typed read; the values as read.
    struct Read {
        QString section;
        QString key;
        QString value;
    };
    QHash<QString, Read> values;
    const QStringList sections = ini.sectionNames();
    for (const QString &section : sections) {
        for (const QString &line : ini.sectionLines(section)) {
            const QString key = parseIniLine(line).name.toString();
            if (trimIniBlanks(key).isEmpty())
                continue;
            expect(ini.keyExists(section, key), "a key line of a section is a key of it");
            const QString value = ini.readString(section, key, QString());
            expect(value.size() <= 2047, "a read is cut to its length");
            ini.readInteger(section, key, 0);
            ini.readBool(section, key, false);
            ini.readFloat(section, key, 0);
            values.insert(
                section.toLower() + QLatin1Char('\n') + key.toLower(), { section, key, value });
        }
    }

    // One write, to a key chosen by the input: one that is there, a new one in
    // a section that is there, or one in a new section.
    const quint32 choice = quint32(qHashBits(input.constData(), size_t(input.size()), 0));
    const qsizetype sectionChoice = qsizetype(choice % quint32(sections.size() + 1));
    const QString section = sectionChoice < sections.size() ? sections.at(sectionChoice)
                                                            : QStringLiteral("NEWSECTION");
    const QStringList lines = ini.sectionLines(section);
    const qsizetype keyChoice = qsizetype((choice >> 8) % quint32(lines.size() + 1));
    QString key = keyChoice < lines.size() ? parseIniLine(lines.at(keyChoice)).name.toString()
                                           : QStringLiteral("NEWKEY");
    if (trimIniBlanks(key).isEmpty())
        key = QStringLiteral("NEWKEY");
    const QString value = QStringLiteral(" written \"value\" ");
    ini.writeString(section, key, value);
    ini.updateFile();

    const QByteArray written = readAll(path);
    const IniText rewritten = decodeIniText(written);
    expect(rewritten.byteOrderMark == decoded.byteOrderMark, "the byte-order mark stays");
    // A code-page file whose bytes would read as UTF-8 after the write went
    // over to UTF-8: its lines keep their characters rather than their bytes.
    const bool wentToUtf8
        = decoded.encoding == IniEncoding::Windows1252 && rewritten.encoding == IniEncoding::Utf8;
    expect(wentToUtf8 ? onlyTheWrittenLineChanged(linesOf(rewritten.text), linesOf(decoded.text))
                      : onlyTheWrittenLineChanged(lineBytesOf(written), lineBytesOf(input)),
        "a write touches only the line of its key");

    const IniFile reread(path, separator);
    expect(reread.readString(section, key, QString()) == value, "a written value reads back");
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        // Sections match as lower-cased names, keys without regard to case.
        if (it->section.toLower() == section.toLower()
            && QString::compare(it->key, trimIniBlanks(key), Qt::CaseInsensitive) == 0)
            continue;
        expect(reread.readString(it->section, it->key, QString()) == it->value,
            "a value the write did not touch reads as before");
    }
}

} // namespace solvaro::fuzz
