#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace solvaro {

// A report template as docs/report-template.md describes it: pages, their
// bands, and the named text and picture objects on the bands. Lengths are in
// millimetres, font sizes in points.

enum class ReportBandKind {
    // Once, at the top of a page's first sheet of paper.
    Title,
    // At the top of every sheet of paper.
    PageHeader,
    // Once per row of the program's data set.
    Data,
    // Once, after the last row.
    Summary,
    // At the bottom of every sheet of paper.
    PageFooter,
};

struct ReportPage {
    QString name;
    QSizeF size { 210, 297 };
    // Left, top, right and bottom margins.
    double left = 10;
    double top = 10;
    double right = 10;
    double bottom = 10;
};

struct ReportBand {
    QString name;
    QString page;
    ReportBandKind kind = ReportBandKind::Data;
    double height = 10;
};

struct ReportFont {
    QString family = QStringLiteral("Sans Serif");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor color = Qt::black;
};

enum class PictureFit {
    // Fills the object's rectangle.
    Stretch,
    // As large as fits, keeping its proportions, centred.
    Proportional,
};

// One object. The program changes text, visibility and colours while the
// report is being built; the engine copies what each band shows at that time.
struct ReportObject {
    enum class Kind { Text, Picture };

    Kind kind = Kind::Text;
    QString name;
    QString band;
    // Within the band: left and top from the band's top left corner.
    QRectF rect;
    bool visible = true;

    // Frame on all four sides when frameWidth > 0 and the colour is not transparent.
    QColor frameColor = Qt::transparent;
    double frameWidth = 0.2;
    // Transparent for none.
    QColor fillColor = Qt::transparent;

    // Text objects. Names of declared variables in square brackets, "[DATA]",
    // are replaced by their values while the band is built, unless the program
    // set the text itself (textIsLiteral).
    QString text;
    bool textIsLiteral = false;
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = true;
    bool shrinkToFit = false;
    double padding = 1;

    // Picture objects.
    QString pictureFile;
    QImage picture;
    PictureFit fit = PictureFit::Proportional;
};

struct ReportTemplate {
    QString title;
    // Variable categories and their names; a bracketed name listed here is
    // asked from the program.
    QList<std::pair<QString, QStringList>> variableCategories;
    QList<ReportPage> pages;
    QList<ReportBand> bands;
    QList<ReportObject> objects;

    bool isVariable(const QString &name) const;
};

// Turns a stored picture path of a template into a file to read.
using ReportPictureResolver = std::function<QString(const QString &stored)>;

struct ReportTemplateLoad {
    std::optional<ReportTemplate> report;
    // Why it failed, naming the file.
    QString error;
};

// Reads a template file. Pictures are read through resolve; a picture that
// is missing or does not read leaves its object empty.
ReportTemplateLoad loadReportTemplate(const QString &path, const ReportPictureResolver &resolve);

} // namespace solvaro
