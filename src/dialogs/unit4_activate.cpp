// Opening the "Edit Box": the preview takes over the look of the element.
#include "app/appcontext.h"
#include "app/unit0.h"
#include "dialogs/unit4.h"
#include "ui/fillpanel.h"
#include "ui/lookwidgets.h"
#include "ui/memo.h"
#include "ui/picturebutton.h"

#include <QComboBox>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>

namespace solvaro {

namespace {

const QString questionGroupKey = QStringLiteral("E");
const QString questionGroupCaption = QStringLiteral("Question Group n.");
const QString sectionKey = QStringLiteral("SEZIONE");
const QString sectionCaption = QStringLiteral("Section n.");

// Items of the fill style list for the styles it offers.
int fillStyleItem(FillStyle style)
{
    switch (style) {
    case FillStyle::None:
        return 0;
    case FillStyle::Bitmap:
        return 1;
    case FillStyle::Brush:
        return 2;
    default:
        return -1;
    }
}

NineAlignment previewAlignmentOf(LookTextAlignment alignment)
{
    switch (alignment) {
    case LookTextAlignment::taRightJustify:
        return NineAlignment::TopRight;
    case LookTextAlignment::taCenter:
        return NineAlignment::TopCenter;
    case LookTextAlignment::taLeftJustify:
        break;
    }
    return NineAlignment::TopLeft;
}

} // namespace

void TForm4::FormActivate()
{
    // Setting the controls from the element is not an edit.
    const QSignalBlocker blockers[] = {
        QSignalBlocker(LMDComboBox1),
        QSignalBlocker(LMDComboBox2),
        QSignalBlocker(LMDComboBox3),
        QSignalBlocker(LMDComboBox4),
        QSignalBlocker(SpinEdit1),
        QSignalBlocker(SpinEdit2),
        QSignalBlocker(Memo1),
    };

    if (const QWidget *mainWindow = m_context.forms.Form0)
        setWindowTitle(mainWindow->windowTitle());
    LMDFill1->setVisible(true);
    LMDButton4->setVisible(true);
    LMDButton5->setVisible(true);
    ToolBar1->setVisible(true);
    ToolBar2->setVisible(true);
    fitGeometryRanges();

    m_kind = lookKind(m_element);
    takeOverElement();

    LMDComboBox1->setCurrentIndex(static_cast<int>(LMDFill1->captionAlignment()));
    LMDComboBox2->setCurrentIndex(static_cast<int>(LMDFill1->tileMode()));
    // A style the list does not offer leaves it as it was.
    if (const int item = fillStyleItem(LMDFill1->fillStyle()); item >= 0)
        LMDComboBox3->setCurrentIndex(item);
    LMDComboBox4->setCurrentIndex(static_cast<int>(LMDFill1->fillAlignment()));
    SpinEdit1->setValue(LMDFill1->fillOffset().x());
    SpinEdit2->setValue(LMDFill1->fillOffset().y());
    Memo1->setText(LMDFill1->caption());
    Memo1->setFont(LMDFill1->captionFont());
    showPreviewPicture();
}

void TForm4::takeOverElement()
{
    if (!m_element)
        return;
    switch (m_kind) {
    case LookKind::QuestionGroup:
        takeOverQuestionGroup();
        return;
    case LookKind::Label:
        takeOverLabel();
        return;
    case LookKind::TextStrip:
        if (m_record.prefix.contains(sectionKey))
            setWindowTitle(QString(m_record.prefix).replace(sectionKey, sectionCaption));
        break;
    case LookKind::Panel:
        break;
    }
    takeOverFill();
}

void TForm4::takeOverQuestionGroup()
{
    if (m_record.prefix.size() == 2)
        setWindowTitle(QString(m_record.prefix).replace(questionGroupKey, questionGroupCaption));
    const Look group = readLook(m_element);
    Look preview = readLook(LMDFill1);
    preview.text = group.text;
    preview.font = group.font;
    preview.fill.brushColor = group.color;
    preview.fill.style = LookFillStyle::sfBrush;
    preview.fill.picture.clear();
    applyLook(LMDFill1, preview);
    setFillPicture(LMDFill1, QPixmap(), QString());
    showGeometry(group.geometry);

    // Only the options and their font can be edited.
    LMDFill1->setVisible(false);
    LMDButton4->setVisible(false);
    LMDButton5->setVisible(false);
    ToolBar1->setVisible(false);
    ToolBar2->setVisible(false);
}

void TForm4::takeOverLabel()
{
    LMDButton5->setVisible(false);
    const Look label = readLook(m_element);
    Look preview = readLook(LMDFill1);
    preview.text = label.text;
    preview.font = label.font;
    preview.alignment = static_cast<LookAlignment>(previewAlignmentOf(label.textAlignment));
    preview.fill = LookFill();
    preview.fill.brushColor = label.color;
    preview.fill.style = label.transparent ? LookFillStyle::sfNone : LookFillStyle::sfBrush;
    applyLook(LMDFill1, preview);
    setFillPicture(LMDFill1, QPixmap(), QString());
    m_transparent = label.transparent;
    showGeometry(label.geometry);
}

void TForm4::takeOverFill()
{
    const Look element = readLook(m_element);
    Look preview = element;
    preview.kind = LookKind::TextStrip;
    preview.geometry = LMDFill1->geometry();
    preview.fill.picture.clear();
    applyLook(LMDFill1, preview);
    const auto *source = qobject_cast<const FillPanel *>(m_element);
    setFillPicture(LMDFill1, source ? source->picture() : QPixmap(), fillPicturePath(m_element));
    showGeometry(element.geometry);
}

void TForm4::showGeometry(const QRect &geometry)
{
    Sleft->setValue(geometry.x());
    Stop->setValue(geometry.y());
    Swidth->setValue(geometry.width());
    Sheight->setValue(geometry.height());
}

void TForm4::fitGeometryRanges()
{
    // An element beyond the designed limits (one at the window's edge, or on a
    // screen larger than they foresee) must not move or shrink merely because
    // the dialog was confirmed; so the limits widen to the edges and the screen.
    Sleft->setMinimum(0);
    Stop->setMinimum(0);
    const QSize screen = m_context.env.screenSize;
    Sleft->setMaximum(std::max(1280, screen.width()));
    Stop->setMaximum(std::max(1280, screen.height()));
    Swidth->setMaximum(std::max(1920, screen.width()));
    Sheight->setMaximum(std::max(1280, screen.height()));
}

void TForm4::showPreviewPicture()
{
    if (QFileInfo(m_picturePath).isFile())
        loadFillPicture(LMDFill1, m_picturePath);
}

QString TForm4::resolvedPicture(const QString &path) const
{
    // The opener hands the executable folder plus the stored value, which is
    // written the Windows way ("SOL_IMG\\x.bmp").
    const QString folder = m_context.folders.executableFolder();
    if (!path.startsWith(folder))
        return path;
    const QString stored = path.mid(folder.size());
    if (stored.isEmpty())
        return path;
    return m_context.folders.resolve(stored);
}

} // namespace solvaro
