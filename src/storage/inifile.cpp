#include "storage/inifile.h"

#include "base/error.h"
#include "storage/atomicwrite.h"
#include "storage/iniline.h"
#include "storage/initext.h"
#include "storage/linebreaks.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <deque>
#include <vector>

namespace solvaro {

namespace {

// The private-profile functions hand out at most this many characters.
constexpr qsizetype maxReadLength = 2047;

// A key name as the index holds it: a view into the line's text, matched
// without regard to case and hashed without making a lower-cased copy.
struct KeyName {
    QStringView name;
};

bool operator==(KeyName a, KeyName b)
{
    return a.name.compare(b.name, Qt::CaseInsensitive) == 0;
}

size_t qHash(KeyName key, size_t seed = 0)
{
    // Folds case the way the comparison above does, one code point at a time.
    size_t hash = seed ^ 0xcbf29ce484222325ull;
    const QStringView name = key.name;
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t c = name[i].unicode();
        if (c >= u'A' && c <= u'Z') {
            c += u'a' - u'A';
        } else if (c >= 0x80) {
            if (QChar::isHighSurrogate(c) && i + 1 < name.size() && name[i + 1].isLowSurrogate())
                c = QChar::surrogateToUcs4(char16_t(c), name[++i].unicode());
            c = QChar::toCaseFolded(c);
        }
        hash = (hash ^ c) * 0x100000001b3ull;
    }
    return hash;
}

enum class LineEnd : quint8 { None, CrLf, Lf, Cr };

// A line points into the text read from the file, or into a text written since:
// reading a large file makes no string per line.
struct TextLine {
    QStringView text;
    LineEnd end = LineEnd::CrLf;
};

struct Section {
    QString name; // as spelled in the header
    bool hasHeader = false; // false only for the lines before the first section
    TextLine header;
    std::vector<TextLine> body;

    // The key index is built when the section is first used: most operations
    // touch a few sections of a large file.
    mutable bool indexed = false;
    mutable bool hasDuplicateKeys = false;
    // Key name, in any case, to the body line of its first occurrence.
    mutable QHash<KeyName, qsizetype> keys;
    // Where a new key goes: after the last key line, or first in the body.
    mutable qsizetype insertAt = 0;

    void ensureIndexed() const
    {
        if (indexed)
            return;
        keys.clear();
        keys.reserve(qsizetype(body.size()));
        hasDuplicateKeys = false;
        insertAt = 0;
        for (qsizetype i = 0; i < qsizetype(body.size()); ++i) {
            const IniLine line = parseIniLine(body[i].text);
            if (line.kind != IniLineKind::Key)
                continue;
            insertAt = i + 1;
            if (line.name.isEmpty())
                continue;
            const KeyName name { line.name };
            if (keys.contains(name))
                hasDuplicateKeys = true;
            else
                keys.insert(name, i);
        }
        indexed = true;
    }

    const TextLine *findKey(QStringView key) const
    {
        ensureIndexed();
        const auto it = keys.constFind(KeyName { key });
        return it == keys.cend() ? nullptr : &body[it.value()];
    }
};

QString normalisedName(const QString &name)
{
    // A name never spans lines: the file would no longer read back.
    return trimIniBlanks(encodeLineBreaks(name)).toString();
}

QString lowerName(const QString &name)
{
    return normalisedName(name).toLower();
}

QLatin1String lineEndText(LineEnd end)
{
    switch (end) {
    case LineEnd::CrLf:
        return QLatin1String("\r\n");
    case LineEnd::Lf:
        return QLatin1String("\n");
    case LineEnd::Cr:
        return QLatin1String("\r");
    case LineEnd::None:
        break;
    }
    return QLatin1String();
}

QString cutToReadLength(QStringView value)
{
    if (value.size() <= maxReadLength)
        return value.toString();
    qsizetype length = maxReadLength;
    // Never leave half of a surrogate pair behind.
    if (value.at(length - 1).isHighSurrogate())
        --length;
    return value.first(length).toString();
}

} // namespace

struct IniFile::Data {
    QString path;
    QChar decimalSeparator;
    IniEncoding encoding = IniEncoding::Utf8;
    QByteArray byteOrderMark;
    // The file exists but could not be read: it must not be overwritten.
    bool unreadable = false;
    bool modified = false;

    // The text read from the file and every line written since; lines point into them.
    QString content;
    std::deque<QString> writtenTexts;
    // sections[0] holds the lines before the first section header.
    std::vector<Section> sections;
    // Lower-cased section name to the first section of that name.
    QHash<QString, qsizetype> sectionIndex;

    void load(const QByteArray &bytes);
    void rebuildSectionIndex();
    const Section *findSection(const QString &lowerSection) const;
    Section *findSection(const QString &lowerSection)
    {
        return const_cast<Section *>(std::as_const(*this).findSection(lowerSection));
    }
    const TextLine *findKey(const QString &section, const QString &key) const;
    // Keeps a written line's text and returns the view to store in its line.
    QStringView noteWritten(QString text);
    QString serialise() const;
};

void IniFile::Data::load(const QByteArray &bytes)
{
    IniText decoded = decodeIniText(bytes);
    encoding = decoded.encoding;
    byteOrderMark = decoded.byteOrderMark;
    content = std::move(decoded.text);

    sections.clear();
    sections.emplace_back();
    const char16_t *text = QStringView(content).utf16();
    const qsizetype size = content.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        TextLine line { QStringView(text + start, end - start), LineEnd::None };
        start = end;
        if (end < size) {
            if (text[end] == u'\n')
                line.end = LineEnd::Lf;
            else if (end + 1 < size && text[end + 1] == u'\n')
                line.end = LineEnd::CrLf;
            else
                line.end = LineEnd::Cr;
            start += line.end == LineEnd::CrLf ? 2 : 1;
        }

        // Only section headers matter now; keys are looked at when their section is used.
        qsizetype first = 0;
        while (first < line.text.size() && (line.text[first] == u' ' || line.text[first] == u'\t'))
            ++first;
        if (first < line.text.size() && line.text[first] == u'[') {
            Section section;
            section.name = parseIniLine(line.text).name.toString();
            section.hasHeader = true;
            section.header = line;
            sections.push_back(std::move(section));
        } else {
            sections.back().body.push_back(line);
        }
    }
    rebuildSectionIndex();
}

void IniFile::Data::rebuildSectionIndex()
{
    sectionIndex.clear();
    for (qsizetype i = 1; i < qsizetype(sections.size()); ++i) {
        const QString lower = sections[i].name.toLower();
        if (!sectionIndex.contains(lower))
            sectionIndex.insert(lower, i);
    }
}

const Section *IniFile::Data::findSection(const QString &lowerSection) const
{
    const auto it = sectionIndex.constFind(lowerSection);
    return it == sectionIndex.cend() ? nullptr : &sections[it.value()];
}

const TextLine *IniFile::Data::findKey(const QString &section, const QString &key) const
{
    const QString keyName = normalisedName(key);
    if (keyName.isEmpty())
        return nullptr;
    const Section *found = findSection(lowerName(section));
    return found ? found->findKey(keyName) : nullptr;
}

QStringView IniFile::Data::noteWritten(QString text)
{
    modified = true;
    // A character the code page cannot hold moves the whole file to UTF-8
    // rather than losing it.
    if (encoding == IniEncoding::Windows1252 && !canEncodeWindows1252(text))
        encoding = IniEncoding::Utf8;
    writtenTexts.push_back(std::move(text));
    return writtenTexts.back();
}

QString IniFile::Data::serialise() const
{
    QString text;
    qsizetype total = 0;
    for (const Section &section : sections) {
        total += section.header.text.size() + 2;
        for (const TextLine &line : section.body)
            total += line.text.size() + 2;
    }
    text.reserve(total);
    auto append = [&text](const TextLine &line) {
        text += line.text;
        text += lineEndText(line.end);
    };
    const TextLine *previous = nullptr;
    auto appendLine = [&](const TextLine &line) {
        // A line that ended the file without a break gets one when more follows.
        if (previous && previous->end == LineEnd::None)
            text += lineEndText(LineEnd::CrLf);
        append(line);
        previous = &line;
    };
    for (const Section &section : sections) {
        if (section.hasHeader)
            appendLine(section.header);
        for (const TextLine &line : section.body)
            appendLine(line);
    }
    return text;
}

IniFile::IniFile(const QString &path, QChar decimalSeparator)
    : d(std::make_unique<Data>())
{
    d->path = path;
    d->decimalSeparator = decimalSeparator;
    d->sections.emplace_back();
    const QFileInfo info(path);
    if (!info.exists())
        return;
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        d->unreadable = true;
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        d->unreadable = true;
        return;
    }
    d->load(bytes);
}

IniFile::~IniFile() = default;

QString IniFile::path() const
{
    return d->path;
}

QString IniFile::readString(
    const QString &section, const QString &key, const QString &defaultValue) const
{
    const TextLine *line = d->findKey(section, key);
    if (!line)
        return defaultValue;
    return cutToReadLength(parseIniLine(line->text).value);
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    return parseIniInteger(readString(section, key, QString())).value_or(defaultValue);
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

double IniFile::readFloat(const QString &section, const QString &key, double defaultValue) const
{
    const QString text = readString(section, key, QString());
    if (text.isEmpty())
        return defaultValue;
    return parseIniFloat(text, d->decimalSeparator).value_or(defaultValue);
}

bool IniFile::sectionExists(const QString &section) const
{
    return d->findSection(lowerName(section)) != nullptr;
}

bool IniFile::keyExists(const QString &section, const QString &key) const
{
    return d->findKey(section, key) != nullptr;
}

QStringList IniFile::sectionLines(const QString &section) const
{
    QStringList lines;
    const Section *found = d->findSection(lowerName(section));
    if (!found)
        return lines;
    found->ensureIndexed();
    for (qsizetype i = 0; i < qsizetype(found->body.size()); ++i) {
        const IniLine line = parseIniLine(found->body[i].text);
        if (line.kind != IniLineKind::Key || line.name.isEmpty())
            continue;
        // Of duplicate keys only the first counts, as for every read.
        if (found->keys.value(KeyName { line.name }, -1) != i)
            continue;
        lines.append(line.name.toString() + QLatin1Char('=') + cutToReadLength(line.value));
    }
    return lines;
}

QStringList IniFile::sectionNames() const
{
    QStringList names;
    for (qsizetype i = 1; i < qsizetype(d->sections.size()); ++i) {
        if (d->sectionIndex.value(d->sections[i].name.toLower()) == i)
            names.append(d->sections[i].name);
    }
    return names;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString sectionName = normalisedName(section);
    const QString keyName = normalisedName(key);
    if (keyName.isEmpty())
        return;
    const QString lowerSection = sectionName.toLower();
    const QString stored = iniStoredValue(value);

    Section *target = d->findSection(lowerSection);
    if (!target) {
        Section added;
        added.name = sectionName;
        added.hasHeader = true;
        added.header.text = d->noteWritten(QLatin1Char('[') + sectionName + QLatin1Char(']'));
        d->sections.push_back(std::move(added));
        d->sectionIndex.insert(lowerSection, qsizetype(d->sections.size()) - 1);
        target = &d->sections.back();
    }
    target->ensureIndexed();
    const auto existing = target->keys.constFind(KeyName { keyName });
    if (existing != target->keys.cend()) {
        TextLine &line = target->body[existing.value()];
        // The key keeps the spelling it has in the file.
        const QString spelling = parseIniLine(line.text).name.toString();
        line.text = d->noteWritten(spelling + QLatin1Char('=') + stored);
        line.end = LineEnd::CrLf;
        return;
    }
    // Everything after the last key line is not a key, so no index entry moves.
    const qsizetype position = target->insertAt;
    const TextLine line { d->noteWritten(keyName + QLatin1Char('=') + stored), LineEnd::CrLf };
    target->body.insert(target->body.begin() + position, line);
    target->keys.insert(KeyName { line.text.first(keyName.size()) }, position);
    target->insertAt = position + 1;
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::writeFloat(const QString &section, const QString &key, double value)
{
    writeString(section, key, formatIniFloat(value, d->decimalSeparator));
}

void IniFile::deleteKey(const QString &section, const QString &key)
{
    const QString keyName = normalisedName(key);
    Section *target = d->findSection(lowerName(section));
    if (keyName.isEmpty() || !target)
        return;
    target->ensureIndexed();
    const auto found = target->keys.constFind(KeyName { keyName });
    if (found == target->keys.cend())
        return;
    d->modified = true;
    if (target->hasDuplicateKeys) {
        // A deleted key stays deleted: later lines of the same name go as well.
        std::erase_if(target->body, [&keyName](const TextLine &line) {
            const IniLine parsed = parseIniLine(line.text);
            return parsed.kind == IniLineKind::Key
                && KeyName { parsed.name } == KeyName { keyName };
        });
        target->indexed = false;
        return;
    }
    const qsizetype removed = found.value();
    target->keys.erase(found);
    target->body.erase(target->body.begin() + removed);
    for (qsizetype &line : target->keys) {
        if (line > removed)
            --line;
    }
    if (target->insertAt > removed) {
        --target->insertAt;
        // The removed line may have been the last key line.
        while (target->insertAt > 0
            && parseIniLine(target->body[target->insertAt - 1].text).kind != IniLineKind::Key)
            --target->insertAt;
    }
}

void IniFile::eraseSection(const QString &section)
{
    const QString lowerSection = lowerName(section);
    if (!d->findSection(lowerSection))
        return;
    // Every section of the name goes, so that the section is really gone.
    std::erase_if(d->sections, [&lowerSection](const Section &s) {
        return s.hasHeader && s.name.toLower() == lowerSection;
    });
    d->rebuildSectionIndex();
    d->modified = true;
}

bool IniFile::isModified() const
{
    return d->modified;
}

void IniFile::updateFile()
{
    if (!d->modified)
        return;
    const Error failure(QStringLiteral("Unable to write to %1").arg(d->path));
    if (d->unreadable)
        throw failure;
    const QString text = d->serialise();
    QByteArray bytes = encodeIniText(text, d->encoding, d->byteOrderMark);
    // A code-page file whose bytes have all become valid UTF-8 would read back
    // as other characters: it goes over to UTF-8, as one does that gets a
    // character the code page cannot hold.
    if (d->encoding == IniEncoding::Windows1252
        && decodeIniText(bytes).encoding != IniEncoding::Windows1252) {
        d->encoding = IniEncoding::Utf8;
        bytes = encodeIniText(text, d->encoding, d->byteOrderMark);
    }
    writeFileAtomically(d->path, bytes);
    d->modified = false;
}

} // namespace solvaro
