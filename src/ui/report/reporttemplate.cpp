#include "ui/report/reporttemplate.h"

#include "storage/colornumber.h"
#include "storage/inifile.h"
#include "storage/iniline.h"
#include "storage/linebreaks.h"

#include <QFile>
#include <QFileInfo>
#include <QPalette>

namespace solvaro {

namespace {

struct Section {
    QString type;
    QString name;
    QString header;
};

Section splitHeader(const QString &header)
{
    const qsizetype blank = header.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return Section { header.toLower(), QString(), header };
    return Section { header.left(blank).toLower(), header.mid(blank + 1).trimmed(), header };
}

// Reads the keys of one section of the template.
class SectionReader
{
public:
    SectionReader(const IniFile &file, const QString &section)
        : m_file(file)
        , m_section(section)
    {
    }

    QString text(const char *key, const QString &fallback = QString()) const
    {
        return m_file.readString(m_section, QLatin1String(key), fallback);
    }
    double number(const char *key, double fallback) const
    {
        return m_file.readFloat(m_section, QLatin1String(key), fallback);
    }
    bool flag(const char *key, bool fallback) const
    {
        return m_file.readBool(m_section, QLatin1String(key), fallback);
    }
    QColor color(const char *key, const QColor &fallback) const
    {
        const QString value = text(key).trimmed();
        if (value.isEmpty())
            return fallback;
        if (value.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0)
            return QColor(Qt::transparent);
        if (value.startsWith(QLatin1Char('#'))) {
            const QColor named = QColor::fromString(value);
            return named.isValid() ? named : fallback;
        }
        // A colour number, as the program's own files store colours.
        if (const std::optional<int> number = parseIniInteger(value))
            return colorFromNumber(*number, QPalette());
        return fallback;
    }
    QRectF rect() const
    {
        return QRectF(
            number("Left", 0), number("Top", 0), number("Width", 20), number("Height", 5));
    }

private:
    const IniFile &m_file;
    QString m_section;
};

std::optional<ReportBandKind> bandKind(const QString &text)
{
    static const std::pair<const char *, ReportBandKind> kinds[] = {
        { "Title", ReportBandKind::Title },
        { "PageHeader", ReportBandKind::PageHeader },
        { "Data", ReportBandKind::Data },
        { "Summary", ReportBandKind::Summary },
        { "PageFooter", ReportBandKind::PageFooter },
    };
    for (const auto &[name, kind] : kinds) {
        if (text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return kind;
    }
    return std::nullopt;
}

Qt::Alignment horizontalAlignment(const QString &text)
{
    if (text.compare(QLatin1String("Center"), Qt::CaseInsensitive) == 0)
        return Qt::AlignHCenter;
    if (text.compare(QLatin1String("Right"), Qt::CaseInsensitive) == 0)
        return Qt::AlignRight;
    if (text.compare(QLatin1String("Justify"), Qt::CaseInsensitive) == 0)
        return Qt::AlignJustify;
    return Qt::AlignLeft;
}

Qt::Alignment verticalAlignment(const QString &text)
{
    if (text.compare(QLatin1String("Center"), Qt::CaseInsensitive) == 0)
        return Qt::AlignVCenter;
    if (text.compare(QLatin1String("Bottom"), Qt::CaseInsensitive) == 0)
        return Qt::AlignBottom;
    return Qt::AlignTop;
}

ReportObject readObject(const SectionReader &keys, ReportObject::Kind kind, const QString &name,
    const ReportPictureResolver &resolve)
{
    ReportObject object;
    object.kind = kind;
    object.name = name;
    object.band = keys.text("Band");
    object.rect = keys.rect();
    object.visible = keys.flag("Visible", true);
    object.frameColor = keys.color("FrameColor", Qt::black);
    object.frameWidth = keys.flag("Frame", false) ? keys.number("FrameWidth", 0.2) : 0;
    object.fillColor = keys.color("FillColor", Qt::transparent);

    if (kind == ReportObject::Kind::Text) {
        object.text = decodeLineBreaks(keys.text("Text"));
        object.font.family = keys.text("Font.Name", object.font.family);
        object.font.pointSize = keys.number("Font.Size", object.font.pointSize);
        object.font.bold = keys.flag("Font.Bold", false);
        object.font.italic = keys.flag("Font.Italic", false);
        object.font.underline = keys.flag("Font.Underline", false);
        object.font.color = keys.color("Font.Color", Qt::black);
        object.alignment
            = horizontalAlignment(keys.text("Align")) | verticalAlignment(keys.text("VAlign"));
        object.wordWrap = keys.flag("WordWrap", true);
        object.shrinkToFit = keys.flag("ShrinkToFit", false);
        object.padding = keys.number("Padding", object.padding);
    } else {
        object.pictureFile = keys.text("File");
        const QString file
            = object.pictureFile.isEmpty() || !resolve ? QString() : resolve(object.pictureFile);
        if (!file.isEmpty())
            object.picture = QImage(file);
        object.fit = keys.text("Fit").compare(QLatin1String("Stretch"), Qt::CaseInsensitive) == 0
            ? PictureFit::Stretch
            : PictureFit::Proportional;
    }
    return object;
}

ReportTemplateLoad failure(const QString &message)
{
    return ReportTemplateLoad { std::nullopt, message };
}

} // namespace

bool ReportTemplate::isVariable(const QString &name) const
{
    for (const auto &category : variableCategories) {
        if (category.second.contains(name))
            return true;
    }
    return false;
}

ReportTemplateLoad loadReportTemplate(const QString &path, const ReportPictureResolver &resolve)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return failure(QStringLiteral("The report template %1 was not found.").arg(path));
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("The report template %1 cannot be read.").arg(path));
    probe.close();

    const IniFile file(path);
    ReportTemplate report;
    const QStringList sections = file.sectionNames();
    for (const QString &header : sections) {
        const Section section = splitHeader(header);
        const SectionReader keys(file, header);
        if (section.type == QLatin1String("report")) {
            report.title = keys.text("Title");
        } else if (section.type == QLatin1String("variables")) {
            QStringList names;
            for (const QString &line : file.sectionLines(header))
                names.append(line.section(QLatin1Char('='), 0, 0));
            report.variableCategories.append({ section.name, names });
        } else if (section.type == QLatin1String("page")) {
            ReportPage page;
            page.name = section.name;
            page.size = QSizeF(
                keys.number("Width", page.size.width()), keys.number("Height", page.size.height()));
            page.left = keys.number("Left", page.left);
            page.top = keys.number("Top", page.top);
            page.right = keys.number("Right", page.right);
            page.bottom = keys.number("Bottom", page.bottom);
            report.pages.append(page);
        } else if (section.type == QLatin1String("band")) {
            ReportBand band;
            band.name = section.name;
            band.page = keys.text("Page");
            const std::optional<ReportBandKind> kind = bandKind(keys.text("Kind"));
            if (!kind) {
                return failure(
                    QStringLiteral("The band %1 of the report template %2 has no known kind.")
                        .arg(section.name, path));
            }
            band.kind = *kind;
            band.height = keys.number("Height", band.height);
            report.bands.append(band);
        } else if (section.type == QLatin1String("text")
            || section.type == QLatin1String("picture")) {
            const ReportObject::Kind kind = section.type == QLatin1String("text")
                ? ReportObject::Kind::Text
                : ReportObject::Kind::Picture;
            report.objects.append(readObject(keys, kind, section.name, resolve));
        } else {
            return failure(QStringLiteral("The report template %1 has an unknown section [%2].")
                               .arg(path, header));
        }
    }

    if (report.pages.isEmpty())
        return failure(QStringLiteral("The report template %1 has no page.").arg(path));
    auto hasPage = [&report](const QString &name) {
        return std::any_of(report.pages.cbegin(), report.pages.cend(),
            [&name](const ReportPage &page) { return page.name == name; });
    };
    for (ReportBand &band : report.bands) {
        // A band names its page only when the template has more than one.
        if (band.page.isEmpty())
            band.page = report.pages.constFirst().name;
        if (!hasPage(band.page)) {
            return failure(
                QStringLiteral("The band %1 of the report template %2 is on a missing page.")
                    .arg(band.name, path));
        }
    }
    for (const ReportObject &object : std::as_const(report.objects)) {
        const bool placed = std::any_of(report.bands.cbegin(), report.bands.cend(),
            [&object](const ReportBand &band) { return band.name == object.band; });
        if (!placed) {
            return failure(
                QStringLiteral("The object %1 of the report template %2 is on a missing band.")
                    .arg(object.name, path));
        }
    }
    return ReportTemplateLoad { report, QString() };
}

} // namespace solvaro
