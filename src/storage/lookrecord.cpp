#include "storage/lookrecord.h"

#include "base/error.h"
#include "storage/datafolders.h"
#include "storage/inifile.h"
#include "storage/linebreaks.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace solvaro {

namespace {

const QString DefaultFontName = QStringLiteral("Comic Sans MS");
// What the editing dialog writes as the presence marker of a record.
const QString WrittenMarker = QStringLiteral("####");
const QString PictureFolder = QStringLiteral("SOL_IMG\\");

// The keys of one record: prefix + suffix in one section of one file.
class RecordReader
{
public:
    RecordReader(const IniFile &ini, const QString &section, const QString &prefix)
        : m_ini(ini)
        , m_section(section)
        , m_prefix(prefix)
    {
    }

    QString string(const char *suffix, const QString &defaultValue) const
    {
        return m_ini.readString(m_section, key(suffix), defaultValue);
    }

    int integer(const char *suffix, int defaultValue) const
    {
        return m_ini.readInteger(m_section, key(suffix), defaultValue);
    }

    // The value when the key holds a number, nothing when it is missing or not
    // a number: a valid value reads the same whatever the default.
    std::optional<int> storedInteger(const char *suffix) const
    {
        const int first = m_ini.readInteger(m_section, key(suffix), 0);
        const int second = m_ini.readInteger(m_section, key(suffix), 1);
        if (first != second)
            return std::nullopt;
        return first;
    }

    // An ordinal outside the enumeration would reach widgets as a value they do
    // not know; it reads as the default instead.
    template<typename Enum> Enum enumeration(const char *suffix, Enum defaultValue, Enum last) const
    {
        const int value = integer(suffix, static_cast<int>(defaultValue));
        if (value < 0 || value > static_cast<int>(last))
            return defaultValue;
        return static_cast<Enum>(value);
    }

    bool boolean(const char *suffix, bool defaultValue) const
    {
        return m_ini.readBool(m_section, key(suffix), defaultValue);
    }

private:
    QString key(const char *suffix) const { return m_prefix + QLatin1String(suffix); }

    const IniFile &m_ini;
    QString m_section;
    QString m_prefix;
};

class RecordWriter
{
public:
    RecordWriter(IniFile &ini, const QString &section, const QString &prefix)
        : m_ini(ini)
        , m_section(section)
        , m_prefix(prefix)
    {
    }

    void string(const char *suffix, const QString &value)
    {
        m_ini.writeString(m_section, key(suffix), value);
    }
    void integer(const char *suffix, int value)
    {
        m_ini.writeInteger(m_section, key(suffix), value);
    }
    void boolean(const char *suffix, bool value) { m_ini.writeBool(m_section, key(suffix), value); }

private:
    QString key(const char *suffix) const { return m_prefix + QLatin1String(suffix); }

    IniFile &m_ini;
    QString m_section;
    QString m_prefix;
};

// The stored form of a picture: its data folder and bare file name. An empty
// path gives the folder alone, which names no file and so reads as no picture.
QString storedPicture(const QString &picture)
{
    const qsizetype cut
        = std::max(picture.lastIndexOf(QLatin1Char('/')), picture.lastIndexOf(QLatin1Char('\\')));
    return PictureFolder + picture.mid(cut + 1);
}

QStringList optionLines(const QString &stored)
{
    // As a list of lines takes a text: a final line break ends the last line
    // rather than starting an empty one.
    QStringList lines = stored.split(QLatin1Char('|'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

namespace {

LookFont questionGroupFont(const IniFile &ini, const QString &section, const QString &key,
    const LookFont &current, const DesignSpace &design)
{
    const RecordReader record(ini, section, key);
    LookFont font = current;
    font.name = record.string(".Font.Name", font.name);
    font.charSet = record.integer(".Font.CharSet", font.charSet);
    font.color = record.integer(".Font.Color", font.color);
    font.style = record.integer(".Font.Style", font.style);
    const double storedSize = ini.readFloat(
        section, key + QLatin1String(".Font.Size"), std::numeric_limits<double>::quiet_NaN());
    if (!std::isnan(storedSize))
        font.size = design.fontSizeFromStoredReal(storedSize);
    return font;
}

// The file of a record opened for reading: the open file the address names,
// or its path opened for the call; none when that file does not exist.
class ReadableRecordFile
{
public:
    ReadableRecordFile(const RecordFile &file, const DataFolders &folders, QChar decimalSeparator)
    {
        if (const IniFile *open = file.openFile()) {
            m_ini = open;
            return;
        }
        if (!folders.exists(file.path()))
            return;
        m_opened.emplace(folders.resolve(file.path()), decimalSeparator);
        m_ini = &*m_opened;
    }

    const IniFile *ini() const { return m_ini; }

private:
    std::optional<IniFile> m_opened;
    const IniFile *m_ini = nullptr;
};

} // namespace

LookFont readQuestionGroupFont(const IniFile &exerciseFile, const QString &exerciseSection,
    int step, const LookFont &current, const DesignSpace &design)
{
    const RecordAddress record = questionGroupRecord(exerciseFile, exerciseSection, step);
    return questionGroupFont(exerciseFile, record.section, record.prefix, current, design);
}

LookRecords::LookRecords(const DataFolders &folders, QSize screenSize, QChar decimalSeparator)
    : m_folders(folders)
    , m_design(screenSize)
    , m_decimalSeparator(decimalSeparator)
{
}

QString LookRecords::writableFile(const RecordFile &file) const
{
    // Writers name their file by path: an open file would go on holding what
    // it read before the write.
    if (const IniFile *open = file.openFile())
        throw Error(QStringLiteral("Unable to write to %1").arg(open->path()));
    const QString path = m_folders.resolve(file.path());
    if (path.isEmpty())
        throw Error(QStringLiteral("Unable to write to %1").arg(file.path()));
    return path;
}

QString LookRecords::existingPicture(const QString &stored) const
{
    if (stored.isEmpty())
        return QString();
    const QString path = m_folders.resolve(stored);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return QString();
    return path;
}

namespace {

// One loader for the three prefixed kinds (text strip, panel, label); they
// differ in defaults, in the keys they read and in how geometry is taken.
RecordLoad loadPrefixed(Look &look, LookKind kind, const IniFile &ini, const QString &section,
    const QString &prefix, const DesignSpace &design)
{
    const RecordReader record(ini, section, prefix);
    if (record.string(".Name", QString()).isEmpty())
        return RecordLoad();

    const QString caption = record.string(".Caption", QString());
    look.text = caption.isEmpty() ? QString() : decodeLineBreaks(caption);

    // A text strip's integer keys default to 0, a panel's and a label's to what
    // the element shows now.
    const bool zeroDefaults = kind == LookKind::TextStrip;
    const Look current = look;
    auto orCurrent = [zeroDefaults](int value) { return zeroDefaults ? 0 : value; };

    if (kind == LookKind::Label) {
        look.textAlignment
            = record.enumeration(".Alignment", current.textAlignment, LookTextAlignment::taCenter);
    } else {
        look.alignment = record.enumeration(".Alignment",
            zeroDefaults ? LookAlignment::agTopLeft : current.alignment,
            LookAlignment::agBottomRight);
    }
    look.font.charSet = record.integer(".Font.CharSet", orCurrent(current.font.charSet));
    look.font.color = record.integer(".Font.Color", orCurrent(current.font.color));
    const std::optional<int> storedSize = record.storedInteger(".Font.Size");
    look.font.style = record.integer(".Font.Style", orCurrent(current.font.style));
    look.font.name = record.string(".Font.Name", DefaultFontName);

    if (kind != LookKind::Label) {
        LookFill &fill = look.fill;
        fill.alignment = record.enumeration(".FillObject.Alignment",
            zeroDefaults ? LookAlignment::agTopLeft : current.fill.alignment,
            LookAlignment::agBottomRight);
        fill.brushColor
            = record.integer(".FillObject.Brush.Color", orCurrent(current.fill.brushColor));
        fill.offsetX = record.integer(".FillObject.OffsetX", orCurrent(current.fill.offsetX));
        fill.offsetY = record.integer(".FillObject.OffsetY", orCurrent(current.fill.offsetY));
        fill.tileMode = record.enumeration(".FillObject.TileMode",
            zeroDefaults ? LookTileMode::tmNone : current.fill.tileMode, LookTileMode::tmTile);
        fill.style = record.enumeration(".FillObject.Style",
            zeroDefaults ? LookFillStyle::sfNone : current.fill.style, LookFillStyle::sfGradient);
    } else {
        look.color = record.integer(".Color", current.color);
        look.transparent = record.boolean(".Transparent", current.transparent);
    }

    // A missing size of a panel or label keeps the present size as it is: it
    // is already in pixels and must not shrink at every load.
    if (storedSize)
        look.font.size = design.fontSizeFromStored(*storedSize);
    else if (zeroDefaults)
        look.font.size = 0;

    // Only stored values are converted from the design space; a missing key
    // keeps the present pixels.
    if (look.tag != SheetWideTag) {
        QRect &g = look.geometry;
        if (const auto left = record.storedInteger(".Left"))
            g.moveLeft(design.leftFromStored(*left));
        if (const auto top = record.storedInteger(".Top"))
            g.moveTop(design.topFromStored(*top));
        if (const auto width = record.storedInteger(".Width"))
            g.setWidth(design.widthFromStored(*width));
        if (const auto height = record.storedInteger(".Height"))
            g.setHeight(design.heightFromStored(*height));
    }

    return RecordLoad { true, QString() };
}

} // namespace

RecordLoad LookRecords::load(Look &look, const RecordAddress &record) const
{
    switch (look.kind) {
    case LookKind::Panel:
        return loadPanel(look, record);
    case LookKind::Label:
        return loadLabel(look, record);
    case LookKind::QuestionGroup:
        // A question group without its file still shows the missing options.
        return RecordLoad { loadQuestionGroup(look, record), QString() };
    case LookKind::TextStrip:
        break;
    }
    return loadTextStrip(look, record);
}

RecordLoad LookRecords::loadTextStrip(Look &look, const RecordAddress &record) const
{
    return loadFilled(look, LookKind::TextStrip, record);
}

RecordLoad LookRecords::loadPanel(Look &look, const RecordAddress &record) const
{
    return loadFilled(look, LookKind::Panel, record);
}

RecordLoad LookRecords::loadFilled(Look &look, LookKind kind, const RecordAddress &record) const
{
    const ReadableRecordFile file(record.file, m_folders, m_decimalSeparator);
    if (!file.ini())
        return RecordLoad();
    const IniFile &ini = *file.ini();
    RecordLoad result = loadPrefixed(look, kind, ini, record.section, record.prefix, m_design);
    if (result.found) {
        result.picture = existingPicture(ini.readString(
            record.section, record.prefix + QLatin1String(".FillObject.Image"), QString()));
        if (!result.picture.isEmpty())
            look.fill.picture = result.picture;
    }
    return result;
}

RecordLoad LookRecords::loadLabel(Look &look, const RecordAddress &record) const
{
    const ReadableRecordFile file(record.file, m_folders, m_decimalSeparator);
    if (!file.ini())
        return RecordLoad();
    return loadPrefixed(
        look, LookKind::Label, *file.ini(), record.section, record.prefix, m_design);
}

bool LookRecords::loadQuestionGroup(Look &look, const RecordAddress &record) const
{
    const ReadableRecordFile file(record.file, m_folders, m_decimalSeparator);
    if (!file.ini()) {
        look.answerLines = QStringList { MissingOptions };
        return false;
    }
    // An open file that is not on disk reads as one without keys: the font
    // stays and the options are the missing ones.
    const IniFile &ini = *file.ini();
    look.font = questionGroupFont(ini, record.section, record.prefix, look.font, m_design);
    look.answerLines = optionLines(ini.readString(record.section, record.prefix, MissingOptions));
    return QFileInfo(ini.path()).isFile();
}

void LookRecords::write(const Look &look, const RecordAddress &record) const
{
    switch (look.kind) {
    case LookKind::Panel:
        writePanel(look, record);
        return;
    case LookKind::Label:
        writeLabel(look, record);
        return;
    case LookKind::QuestionGroup:
        writeQuestionGroup(look, record);
        return;
    case LookKind::TextStrip:
        break;
    }
    writeTextStrip(look, record);
}

namespace {

void writeGeometry(RecordWriter &record, const QRect &g, const DesignSpace &design)
{
    record.integer(".Top", design.topToStored(g.y()));
    record.integer(".Left", design.leftToStored(g.x()));
    record.integer(".Width", design.widthToStored(g.width()));
    record.integer(".Height", design.heightToStored(g.height()));
}

void writeFill(RecordWriter &record, const LookFill &fill)
{
    record.integer(".FillObject.Alignment", static_cast<int>(fill.alignment));
    record.integer(".FillObject.Brush.Color", fill.brushColor);
    record.integer(".FillObject.OffsetX", fill.offsetX);
    record.integer(".FillObject.OffsetY", fill.offsetY);
    record.integer(".FillObject.TileMode", static_cast<int>(fill.tileMode));
    record.integer(".FillObject.Style", static_cast<int>(fill.style));
    record.string(".FillObject.Image", storedPicture(fill.picture));
}

} // namespace

void LookRecords::writeTextStrip(const Look &look, const RecordAddress &record) const
{
    writeFilled(look, LookKind::TextStrip, record);
}

void LookRecords::writePanel(const Look &look, const RecordAddress &record) const
{
    writeFilled(look, LookKind::Panel, record);
}

void LookRecords::writeFilled(const Look &look, LookKind kind, const RecordAddress &address) const
{
    IniFile ini(writableFile(address.file), m_decimalSeparator);
    RecordWriter record(ini, address.section, address.prefix);
    record.string(".Name", WrittenMarker);
    record.string(".Caption", encodeLineBreaks(look.text));
    record.integer(".Alignment", static_cast<int>(look.alignment));
    // A strip's record names its font first, a panel's after the style.
    const bool nameFirst = kind == LookKind::TextStrip;
    if (nameFirst)
        record.string(".Font.Name", look.font.name);
    record.integer(".Font.CharSet", look.font.charSet);
    record.integer(".Font.Color", look.font.color);
    record.integer(".Font.Size", m_design.fontSizeToStored(look.font.size));
    record.integer(".Font.Style", look.font.style);
    if (!nameFirst)
        record.string(".Font.Name", look.font.name);
    writeGeometry(record, look.geometry, m_design);
    writeFill(record, look.fill);
    ini.updateFile();
}

void LookRecords::writeLabel(const Look &look, const RecordAddress &address) const
{
    IniFile ini(writableFile(address.file), m_decimalSeparator);
    RecordWriter record(ini, address.section, address.prefix);
    record.string(".Name", WrittenMarker);
    record.string(".Caption", encodeLineBreaks(look.text));
    record.string(".Font.Name", look.font.name);
    record.integer(".Font.CharSet", look.font.charSet);
    record.integer(".Font.Color", look.font.color);
    record.integer(".Font.Size", m_design.fontSizeToStored(look.font.size));
    record.integer(".Font.Style", look.font.style);
    record.integer(".Color", look.color);
    record.integer(".Alignment", static_cast<int>(look.textAlignment));
    const QRect &g = look.geometry;
    record.integer(".Top", m_design.topToStored(g.y()));
    record.integer(".Left", m_design.leftToStored(g.x()));
    record.integer(".Height", m_design.heightToStored(g.height()));
    record.integer(".Width", m_design.widthToStored(g.width()));
    record.boolean(".Transparent", look.transparent);
    ini.updateFile();
}

void LookRecords::writeQuestionFontSize(
    IniFile &ini, const QString &section, const QString &key, int size) const
{
    // The size keeps its fraction so that the group reads back at the size it
    // has. Written with 15 digits the fraction may land a hair below the exact
    // value and the cut on reading would then lose a point at every save; the
    // last digit is raised until the value reads back whole.
    double stored = static_cast<double>(m_design.fontSizeToStoredReal(size));
    const double step = std::abs(stored) * 1e-14;
    for (int attempt = 0; attempt < 8; ++attempt) {
        ini.writeFloat(section, key, stored);
        const double readBack = ini.readFloat(section, key, stored);
        if (m_design.fontSizeFromStoredReal(readBack) >= size)
            return;
        stored += step;
    }
}

void LookRecords::writeQuestionGroup(const Look &look, const RecordAddress &address) const
{
    const QString &section = address.section;
    const QString &prefix = address.prefix;
    IniFile ini(writableFile(address.file), m_decimalSeparator);
    RecordWriter record(ini, section, prefix);
    record.string(".Name", prefix);
    record.string(".Font.Name", look.font.name);
    record.integer(".Font.CharSet", look.font.charSet);
    record.integer(".Font.Color", look.font.color);
    writeQuestionFontSize(ini, section, prefix + QLatin1String(".Font.Size"), look.font.size);
    record.integer(".Font.Style", look.font.style);
    record.integer(".Font.Color", look.font.color);
    const QRect &g = look.geometry;
    record.integer(".Top", m_design.topToStored(g.y()));
    record.integer(".Left", m_design.leftToStored(g.x()));
    record.integer(".Height", m_design.heightToStored(g.height()));
    record.integer(".Width", m_design.widthToStored(g.width()));
    ini.writeString(section, prefix, look.answerLines.join(QLatin1Char('|')));
    ini.updateFile();
}

} // namespace solvaro
