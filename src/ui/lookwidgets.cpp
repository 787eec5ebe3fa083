#include "ui/lookwidgets.h"

#include "storage/colornumber.h"
#include "storage/lookrecord.h"
#include "ui/elementtag.h"
#include "ui/fillpanel.h"
#include "ui/radiogroup.h"
#include "ui/textlabel.h"

#include <QFileInfo>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QVariant>
#include <QWidget>

namespace solvaro {

namespace {

constexpr char kindProperty[] = "lookKind";
constexpr char charSetProperty[] = "lookCharSet";
constexpr char picturePathProperty[] = "lookPicture";
constexpr char fontColorProperty[] = "lookFontColor";
constexpr char brushColorProperty[] = "lookBrushColor";
constexpr char colorProperty[] = "lookColor";

const QString lineBreak = QStringLiteral("\r\n");

// System colours follow the desktop's scheme, not an element's own palette,
// which the element's colours themselves may have changed.
QPalette schemePalette()
{
    return QGuiApplication::palette();
}

QColor shownColor(QWidget *element, const char *property, qint32 number)
{
    element->setProperty(property, number);
    return colorFromNumber(number, schemePalette());
}

// The number given to the element while it still shows that colour; the
// number of the colour shown when something else changed it since.
qint32 colorNumberOf(const QWidget *element, const char *property, const QColor &shown)
{
    const QVariant given = element->property(property);
    if (given.isValid()) {
        const qint32 number = given.toInt();
        if (colorFromNumber(number, schemePalette()) == shown)
            return number;
    }
    return numberFromColor(shown);
}

LookFont lookFontOf(const QWidget *element, const QFont &font, qint32 color)
{
    const QVariant charSet = element->property(charSetProperty);
    return lookFontFromFont(font, charSet.isValid() ? charSet.toInt() : DefaultCharSet, color);
}

LookFill lookFillOf(const FillPanel *panel)
{
    LookFill fill;
    fill.alignment = static_cast<LookAlignment>(panel->fillAlignment());
    fill.brushColor = colorNumberOf(panel, brushColorProperty, panel->brushColor());
    fill.offsetX = panel->fillOffset().x();
    fill.offsetY = panel->fillOffset().y();
    fill.tileMode = static_cast<LookTileMode>(panel->tileMode());
    fill.style = static_cast<LookFillStyle>(panel->fillStyle());
    fill.picture = fillPicturePath(panel);
    return fill;
}

void applyFill(FillPanel *panel, const LookFill &fill)
{
    panel->setFillAlignment(static_cast<NineAlignment>(fill.alignment));
    panel->setBrushColor(shownColor(panel, brushColorProperty, fill.brushColor));
    panel->setFillOffset(QPoint(fill.offsetX, fill.offsetY));
    panel->setTileMode(static_cast<TileMode>(fill.tileMode));
    panel->setFillStyle(static_cast<FillStyle>(fill.style));
    if (!fill.picture.isEmpty() && QFileInfo(fill.picture).isFile())
        loadFillPicture(panel, fill.picture);
}

void setTextColor(QWidget *element, const QColor &color)
{
    QPalette colors = element->palette();
    colors.setColor(QPalette::WindowText, color);
    colors.setColor(QPalette::ButtonText, color);
    colors.setColor(QPalette::Text, color);
    element->setPalette(colors);
}

// Runs one core loader on the element's present look and puts the result back.
template<typename Loader> bool loadInto(QWidget *element, Loader loader)
{
    if (!element)
        return false;
    Look look = readLook(element);
    const RecordLoad result = loader(look);
    if (!result.found)
        return false;
    applyLook(element, look);
    return true;
}

bool loadAs(
    LookKind kind, QWidget *element, const LookRecords &records, const RecordAddress &record)
{
    return loadInto(element, [&](Look &look) {
        look.kind = kind;
        return records.load(look, record);
    });
}

// A question group always takes what it finds, the missing options included.
void loadQuestionGroupFrom(
    QWidget *element, const LookRecords &records, const RecordAddress &record)
{
    loadInto(element, [&](Look &look) {
        look.kind = LookKind::QuestionGroup;
        records.loadQuestionGroup(look, record);
        return RecordLoad { true, QString() };
    });
}

} // namespace

void setLookKind(QWidget *element, LookKind kind)
{
    if (element)
        element->setProperty(kindProperty, static_cast<int>(kind));
}

LookKind lookKind(const QWidget *element)
{
    if (qobject_cast<const TextLabel *>(element))
        return LookKind::Label;
    if (qobject_cast<const RadioGroup *>(element))
        return LookKind::QuestionGroup;
    if (element) {
        const QVariant kind = element->property(kindProperty);
        if (kind.isValid() && kind.toInt() == static_cast<int>(LookKind::Panel))
            return LookKind::Panel;
    }
    return LookKind::TextStrip;
}

QFont fontFromLook(const LookFont &font, const QFont &base)
{
    QFont result = base;
    result.setFamily(font.name);
    // A zero size is what a strip record without a size gives: the platform's
    // default height, not an invisible caption.
    const int size = font.size > 0 ? font.size : pointSizeOf(QGuiApplication::font());
    if (size > 0)
        result.setPointSize(size);
    result.setBold(font.style & fsBold);
    result.setItalic(font.style & fsItalic);
    result.setUnderline(font.style & fsUnderline);
    result.setStrikeOut(font.style & fsStrikeOut);
    return result;
}

int pointSizeOf(const QFont &font)
{
    if (font.pointSize() > 0)
        return font.pointSize();
    return QFontInfo(font).pointSize();
}

LookFont lookFontFromFont(const QFont &font, int charSet, qint32 color)
{
    LookFont result;
    result.name = font.family();
    result.charSet = charSet;
    result.color = color;
    result.size = pointSizeOf(font);
    int style = 0;
    if (font.bold())
        style |= fsBold;
    if (font.italic())
        style |= fsItalic;
    if (font.underline())
        style |= fsUnderline;
    if (font.strikeOut())
        style |= fsStrikeOut;
    result.style = style;
    return result;
}

Look readLook(const QWidget *element)
{
    Look look;
    if (!element)
        return look;
    look.kind = lookKind(element);
    look.tag = elementTag(element);
    look.geometry = element->geometry();

    if (const auto *label = qobject_cast<const TextLabel *>(element)) {
        look.text = label->caption();
        look.textAlignment = static_cast<LookTextAlignment>(label->textAlignment());
        look.font = lookFontOf(
            label, label->font(), colorNumberOf(label, fontColorProperty, label->textColor()));
        look.color = colorNumberOf(label, colorProperty, label->backgroundColor());
        look.transparent = label->isTransparent();
    } else if (const auto *group = qobject_cast<const RadioGroup *>(element)) {
        look.answerLines = group->items();
        look.text = look.answerLines.join(lineBreak);
        const QPalette colors = group->palette();
        look.font = lookFontOf(group, group->font(),
            colorNumberOf(group, fontColorProperty, colors.color(QPalette::WindowText)));
        look.color = colorNumberOf(group, colorProperty, colors.color(QPalette::Window));
    } else if (const auto *panel = qobject_cast<const FillPanel *>(element)) {
        look.text = panel->caption();
        look.alignment = static_cast<LookAlignment>(panel->captionAlignment());
        look.font = lookFontOf(panel, panel->captionFont(),
            colorNumberOf(panel, fontColorProperty, panel->captionColor()));
        look.fill = lookFillOf(panel);
    }
    return look;
}

void applyLook(QWidget *element, const Look &look)
{
    if (!element)
        return;
    element->setProperty(charSetProperty, look.font.charSet);

    if (auto *label = qobject_cast<TextLabel *>(element)) {
        label->setCaption(look.text);
        label->setTextAlignment(static_cast<TextAlignment>(look.textAlignment));
        label->setFont(fontFromLook(look.font, label->font()));
        label->setTextColor(shownColor(label, fontColorProperty, look.font.color));
        label->setBackgroundColor(shownColor(label, colorProperty, look.color));
        label->setTransparent(look.transparent);
        label->setGeometry(look.geometry);
    } else if (auto *group = qobject_cast<RadioGroup *>(element)) {
        group->setFont(fontFromLook(look.font, group->font()));
        setTextColor(group, shownColor(group, fontColorProperty, look.font.color));
        QPalette colors = group->palette();
        colors.setColor(QPalette::Window, shownColor(group, colorProperty, look.color));
        group->setPalette(colors);
        if (group->items() != look.answerLines)
            group->setItems(look.answerLines);
        group->setGeometry(look.geometry);
        // The group's height always fits its options; the stored width is the
        // least it gets.
        group->fitToItems();
    } else if (auto *panel = qobject_cast<FillPanel *>(element)) {
        panel->setCaption(look.text);
        panel->setCaptionAlignment(static_cast<NineAlignment>(look.alignment));
        panel->setCaptionFont(fontFromLook(look.font, panel->captionFont()));
        panel->setCaptionColor(shownColor(panel, fontColorProperty, look.font.color));
        applyFill(panel, look.fill);
        panel->setGeometry(look.geometry);
    } else {
        element->setGeometry(look.geometry);
    }
}

bool loadFillPicture(QWidget *element, const QString &path)
{
    auto *panel = qobject_cast<FillPanel *>(element);
    if (!panel || path.isEmpty())
        return false;
    QImageReader reader(path);
    const QImage picture = reader.read();
    // A fill picture that does not read is skipped like a missing one.
    if (picture.isNull())
        return false;
    panel->setPicture(picture);
    panel->setProperty(picturePathProperty, path);
    return true;
}

QString fillPicturePath(const QWidget *element)
{
    if (!element)
        return QString();
    return element->property(picturePathProperty).toString();
}

void setFillPicture(QWidget *element, const QPixmap &picture, const QString &path)
{
    auto *panel = qobject_cast<FillPanel *>(element);
    if (!panel)
        return;
    panel->setPicture(picture);
    panel->setProperty(picturePathProperty, path);
}

bool Load_LMDFILL(QWidget *element, const LookRecords &records, const RecordAddress &record)
{
    const LookKind kind = lookKind(element);
    if (kind == LookKind::QuestionGroup) {
        loadQuestionGroupFrom(element, records, record);
        return true;
    }
    return loadAs(kind, element, records, record);
}

bool Load_PANELFILL(QWidget *element, const LookRecords &records, const RecordAddress &record)
{
    return loadAs(LookKind::Panel, element, records, record);
}

bool Load_LABEL(QWidget *element, const LookRecords &records, const RecordAddress &record)
{
    return loadAs(LookKind::Label, element, records, record);
}

bool loadTextStrip(QWidget *element, const LookRecords &records, const RecordAddress &record)
{
    return loadAs(LookKind::TextStrip, element, records, record);
}

void loadQuestionGroup(QWidget *element, const LookRecords &records, const RecordAddress &record)
{
    loadQuestionGroupFrom(element, records, record);
}

void writePanelRecord(const QWidget *element, const LookRecords &records,
    const QString &picturePath, const RecordAddress &record)
{
    Look look = readLook(element);
    look.fill.picture = picturePath;
    records.writePanel(look, record);
}

void writeTextStripRecord(const QWidget *element, const LookRecords &records,
    const QString &picturePath, const RecordAddress &record)
{
    Look look = readLook(element);
    look.fill.picture = picturePath;
    records.writeTextStrip(look, record);
}

void writeLabelRecord(
    const QWidget *element, const LookRecords &records, const RecordAddress &record)
{
    records.writeLabel(readLook(element), record);
}

void writeQuestionGroupRecord(
    const QWidget *element, const LookRecords &records, const RecordAddress &record)
{
    records.writeQuestionGroup(readLook(element), record);
}

} // namespace solvaro
