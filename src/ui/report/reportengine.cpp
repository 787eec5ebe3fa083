#include "ui/report/reportengine.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>

namespace solvaro {

namespace {

constexpr double pointInMillimetres = 25.4 / 72.0;

QPageSize pageSizeOf(const QSizeF &millimetres)
{
    return QPageSize(millimetres, QPageSize::Millimeter);
}

QString plainLineBreaks(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QFont fontAt(const ReportFont &font, double pixels)
{
    QFont result(font.family);
    result.setPixelSize(std::max(1, qRound(pixels)));
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    return result;
}

void paintText(QPainter &painter, const PreparedObject &prepared, const QRectF &box, double scale)
{
    const ReportObject &object = prepared.object;
    const QString text = plainLineBreaks(prepared.text);
    if (text.isEmpty())
        return;
    const double padding = object.padding * scale;
    const QRectF inner = box.adjusted(padding, padding, -padding, -padding);
    const int flags = int(object.alignment) | (object.wordWrap ? Qt::TextWordWrap : 0);
    double pixels = object.font.pointSize * pointInMillimetres * scale;
    QFont font = fontAt(object.font, pixels);
    if (object.shrinkToFit) {
        // A long problem text gets smaller rather than cut off.
        for (int attempt = 0; attempt < 40 && pixels > 1; ++attempt) {
            const QRectF needed
                = QFontMetricsF(font, painter.device()).boundingRect(inner, flags, text);
            if (needed.height() <= inner.height() + 0.5 && needed.width() <= inner.width() + 0.5)
                break;
            pixels *= 0.92;
            font = fontAt(object.font, pixels);
        }
    }
    painter.save();
    painter.setClipRect(box);
    painter.setFont(font);
    painter.setPen(object.font.color);
    painter.drawText(inner, flags, text);
    painter.restore();
}

void paintPicture(QPainter &painter, const ReportObject &object, const QRectF &box)
{
    if (object.picture.isNull())
        return;
    if (object.fit == PictureFit::Stretch) {
        painter.drawImage(box, object.picture);
        return;
    }
    QSizeF size = QSizeF(object.picture.size());
    size.scale(box.size(), Qt::KeepAspectRatio);
    QRectF placed(QPointF(), size);
    placed.moveCenter(box.center());
    painter.drawImage(placed, object.picture);
}

} // namespace

// Lays the bands of one template page out on as many sheets of paper as the
// rows need.
class ReportEngine::Builder
{
public:
    Builder(ReportEngine &engine, const ReportPage &page)
        : m_engine(engine)
        , m_page(page)
    {
        for (const ReportBand &band : engine.m_template.bands) {
            if (band.page == page.name)
                m_bands.append(&band);
        }
        for (const ReportBand *band : bands(ReportBandKind::PageFooter))
            m_footerSpace += band->height;
    }

    void run()
    {
        startSheet();
        for (const ReportBand *band : bands(ReportBandKind::Title))
            place(*band);
        for (const ReportBand *band : bands(ReportBandKind::Data))
            placeRows(*band);
        for (const ReportBand *band : bands(ReportBandKind::Summary))
            place(*band);
        finishSheet();
    }

private:
    QList<const ReportBand *> bands(ReportBandKind kind) const
    {
        QList<const ReportBand *> found;
        for (const ReportBand *band : m_bands) {
            if (band->kind == kind)
                found.append(band);
        }
        return found;
    }

    void startSheet()
    {
        m_engine.m_pages.append(PreparedPage { m_page.size, {} });
        m_y = m_page.top;
        for (const ReportBand *band : bands(ReportBandKind::PageHeader)) {
            placeAt(*band, m_y);
            m_y += band->height;
        }
        m_bodyTop = m_y;
    }

    void finishSheet()
    {
        double y = m_page.size.height() - m_page.bottom - m_footerSpace;
        for (const ReportBand *band : bands(ReportBandKind::PageFooter)) {
            placeAt(*band, y);
            y += band->height;
        }
    }

    void placeRows(const ReportBand &band)
    {
        if (!m_engine.m_dataSet) {
            place(band);
            return;
        }
        int count = 0;
        m_engine.m_dataSet(ReportDataOperation::RowCount, count);
        for (int row = 0; row < count; ++row) {
            int unused = 0;
            m_engine.m_dataSet(
                row == 0 ? ReportDataOperation::First : ReportDataOperation::Next, unused);
            place(band);
        }
    }

    void place(const ReportBand &band)
    {
        const double limit = m_page.size.height() - m_page.bottom - m_footerSpace;
        // A band taller than a whole sheet still goes on a sheet of its own.
        if (m_y + band.height > limit && m_y > m_bodyTop) {
            finishSheet();
            startSheet();
        }
        placeAt(band, m_y);
        m_y += band.height;
    }

    void placeAt(const ReportBand &band, double top)
    {
        QList<ReportObject *> objects;
        for (ReportObject &object : m_engine.m_template.objects) {
            if (object.band == band.name)
                objects.append(&object);
        }
        QList<QString> texts;
        for (const ReportObject *object : std::as_const(objects))
            texts.append(
                object->kind == ReportObject::Kind::Text ? m_engine.expand(*object) : QString());

        PreparedPage &sheet = m_engine.m_pages.last();
        for (qsizetype i = 0; i < objects.size(); ++i) {
            const ReportObject &object = *objects[i];
            if (!object.visible)
                continue;
            const QRectF rect = object.rect.translated(m_page.left, top);
            sheet.objects.append(PreparedObject { object, rect, texts[i] });
        }
    }

    ReportEngine &m_engine;
    const ReportPage &m_page;
    QList<const ReportBand *> m_bands;
    double m_footerSpace = 0;
    double m_y = 0;
    double m_bodyTop = 0;
};

bool ReportEngine::loadFromFile(const QString &path)
{
    ReportPictureResolver resolve = m_resolve;
    if (!resolve) {
        const QDir folder = QFileInfo(path).absoluteDir();
        resolve = [folder](const QString &stored) {
            QString relative = stored;
            relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
            return folder.filePath(relative);
        };
    }
    ReportTemplateLoad load = loadReportTemplate(path, resolve);
    m_pages.clear();
    m_loaded = load.report.has_value();
    m_error = load.error;
    m_template = m_loaded ? *load.report : ReportTemplate {};
    return m_loaded;
}

void ReportEngine::setTemplate(ReportTemplate report)
{
    m_pages.clear();
    m_loaded = true;
    m_error.clear();
    m_template = std::move(report);
}

ReportObject *ReportEngine::findObject(const QString &name)
{
    for (ReportObject &object : m_template.objects) {
        if (object.name.compare(name, Qt::CaseInsensitive) == 0)
            return &object;
    }
    return nullptr;
}

QString ReportEngine::expand(const ReportObject &object) const
{
    if (object.textIsLiteral)
        return object.text;
    QString result;
    const QString &text = object.text;
    qsizetype from = 0;
    while (from < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('['), from);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char(']'), open + 1);
        if (close < 0) {
            result += text.mid(from);
            break;
        }
        result += text.mid(from, open - from);
        const QString name = text.mid(open + 1, close - open - 1);
        if (m_template.isVariable(name))
            result += m_value ? m_value(name) : QString();
        else
            result += text.mid(open, close - open + 1);
        from = close + 1;
    }
    return result;
}

void ReportEngine::prepareReport()
{
    m_pages.clear();
    if (!m_loaded)
        return;
    for (const ReportPage &page : std::as_const(m_template.pages))
        Builder(*this, page).run();
}

void ReportEngine::paintPage(QPainter &painter, int page, const QRectF &target) const
{
    if (page < 0 || page >= m_pages.size())
        return;
    const PreparedPage &sheet = m_pages[page];
    if (sheet.size.width() <= 0 || sheet.size.height() <= 0)
        return;
    const double scaleX = target.width() / sheet.size.width();
    const double scaleY = target.height() / sheet.size.height();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const PreparedObject &prepared : sheet.objects) {
        const ReportObject &object = prepared.object;
        const QRectF box(target.x() + prepared.rect.x() * scaleX,
            target.y() + prepared.rect.y() * scaleY, prepared.rect.width() * scaleX,
            prepared.rect.height() * scaleY);
        if (object.fillColor.alpha() > 0)
            painter.fillRect(box, object.fillColor);
        if (object.kind == ReportObject::Kind::Picture)
            paintPicture(painter, object, box);
        else
            paintText(painter, prepared, box, scaleY);
        if (object.frameWidth > 0 && object.frameColor.alpha() > 0) {
            QPen pen(object.frameColor, object.frameWidth * scaleX);
            pen.setJoinStyle(Qt::MiterJoin);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box);
        }
    }
    painter.restore();
}

void ReportEngine::paintOn(QPagedPaintDevice &device, QPainter &painter,
    const std::function<void(int page)> &beforePage) const
{
    for (int page = 0; page < m_pages.size(); ++page) {
        if (page > 0) {
            device.setPageSize(pageSizeOf(m_pages[page].size));
            beforePage(page);
        }
        paintPage(painter, page, QRectF(0, 0, device.width(), device.height()));
    }
}

void ReportEngine::print(QPrinter &printer) const
{
    printer.setFullPage(true);
    if (!m_pages.isEmpty())
        printer.setPageSize(pageSizeOf(m_pages.constFirst().size));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer.setDocName(m_template.title);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    paintOn(printer, painter, [&printer](int) { printer.newPage(); });
    painter.end();
}

bool ReportEngine::exportPdf(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(300);
        writer.setTitle(m_template.title);
        writer.setCreator(QStringLiteral("Solvaro"));
        if (!m_pages.isEmpty())
            writer.setPageSize(pageSizeOf(m_pages.constFirst().size));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return false;
        }
        paintOn(writer, painter, [&writer](int) { writer.newPage(); });
        painter.end();
    }
    return file.commit();
}

} // namespace solvaro
