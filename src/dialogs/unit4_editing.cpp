// Editing in the "Edit Box": every change shows at once in the preview.
#include "app/appcontext.h"
#include "base/dialogs.h"
#include "base/error.h"
#include "dialogs/unit4.h"
#include "media/jpegdecoder.h"
#include "storage/datafolders.h"
#include "ui/filefilter.h"
#include "ui/fillpanel.h"
#include "ui/lookwidgets.h"
#include "ui/memo.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSpinBox>

namespace solvaro {

namespace {

const QString pictureFilter = QStringLiteral("*.bmp|*.bmp|*.jpg|*jpg");
const QString pictureExtension = QStringLiteral("*.bmp");
const QString convertedExtension = QStringLiteral(".BMP");

// Items of the fill style list, in order.
constexpr FillStyle listedFillStyles[] = { FillStyle::None, FillStyle::Bitmap, FillStyle::Brush };
constexpr int bitmapItem = 1;

bool isJpegName(const QString &fileName)
{
    const QString extension = QLatin1Char('.') + QFileInfo(fileName).suffix().toUpper();
    return extension == QLatin1String(".JPEG") || extension == QLatin1String(".JPG");
}

// An offset field's text as a number; nothing for anything else.
std::optional<int> offsetOf(const QSpinBox *field)
{
    bool isNumber = false;
    const int value = field->cleanText().trimmed().toInt(&isNumber);
    if (!isNumber)
        return std::nullopt;
    return value;
}

} // namespace

void TForm4::LMDButton3Click()
{
    const std::optional<QFont> font = m_context.env.dialogs->chooseFont(LMDFill1->captionFont());
    if (!font)
        return;
    LMDFill1->setCaptionFont(*font);
    Memo1->setFont(*font);
}

void TForm4::LMDButton4Click()
{
    const std::optional<QColor> color = m_context.env.dialogs->chooseColor(LMDFill1->brushColor());
    if (!color)
        return;
    m_picturePath.clear();
    LMDFill1->setBrushColor(*color);
    LMDFill1->setFillStyle(FillStyle::Brush);
}

void TForm4::LMDButton5Click()
{
    QString picked = m_context.env.dialogs->openFileName(
        windowTitle(), m_context.folders.executableFolder(), toQtFileFilter(pictureFilter));
    if (picked.isEmpty())
        return;
    picked = withDefaultExtension(picked, pictureExtension);
    const QString picture = pictureForPick(picked);
    if (picture.isEmpty())
        return;
    m_picturePath = picture;
    if (!QFileInfo(m_picturePath).isFile() || !loadFillPicture(LMDFill1, m_picturePath))
        return;
    LMDComboBox3->setCurrentIndex(bitmapItem);
    LMDFill1->setFillStyle(FillStyle::Bitmap);
}

QString TForm4::pictureForPick(const QString &picked) const
{
    const QFileInfo pickedFile(picked);
    const DataFolders &folders = m_context.folders;

    if (isJpegName(picked)) {
        // Fills show bitmaps: a photo is kept converted, beside the others.
        const QString stored
            = QString(dataFolder::images) + pickedFile.completeBaseName() + convertedExtension;
        const QString target = folders.resolve(stored);
        QFile source(picked);
        std::optional<QImage> photo;
        if (source.open(QIODevice::ReadOnly))
            photo = decodeJpeg(source.readAll());
        if (!photo)
            throw Error(
                QStringLiteral("Cannot read the picture %1").arg(QDir::toNativeSeparators(picked)));
        if (target.isEmpty() || !photo->save(target, "BMP"))
            throw Error(QStringLiteral("Unable to write to %1").arg(stored));
        return target;
    }

    const QString target = folders.resolve(QString(dataFolder::images) + pickedFile.fileName());
    if (target.isEmpty())
        return QString();
    // A picture of that name already in the installation is the one used.
    if (!QFileInfo::exists(target))
        QFile::copy(picked, target);
    return target;
}

void TForm4::LMDComboBox1Change()
{
    if (LMDComboBox1->currentIndex() >= 0)
        LMDFill1->setCaptionAlignment(static_cast<NineAlignment>(LMDComboBox1->currentIndex()));
}

void TForm4::LMDComboBox2Change()
{
    if (LMDComboBox2->currentIndex() >= 0)
        LMDFill1->setTileMode(static_cast<TileMode>(LMDComboBox2->currentIndex()));
}

void TForm4::LMDComboBox3Change()
{
    const int item = LMDComboBox3->currentIndex();
    if (item < 0 || item >= int(std::size(listedFillStyles)))
        return;
    const FillStyle style = listedFillStyles[item];
    LMDFill1->setFillStyle(style);
    m_transparent = style == FillStyle::None;
}

void TForm4::LMDComboBox4Change()
{
    if (LMDComboBox4->currentIndex() >= 0)
        LMDFill1->setFillAlignment(static_cast<NineAlignment>(LMDComboBox4->currentIndex()));
}

void TForm4::SpinEdit1Change()
{
    applyOffsets();
}

void TForm4::SpinEdit2Change()
{
    applyOffsets();
}

void TForm4::applyOffsets()
{
    QPoint offset = LMDFill1->fillOffset();
    if (const auto x = offsetOf(SpinEdit1))
        offset.setX(*x);
    if (const auto y = offsetOf(SpinEdit2))
        offset.setY(*y);
    LMDFill1->setFillOffset(offset);
}

void TForm4::Memo1Change()
{
    LMDFill1->setCaption(Memo1->text());
}

} // namespace solvaro
