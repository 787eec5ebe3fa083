// Preparing a sheet and loading one exercise onto the screen.
#include "player/unitp3.h"

#include "app/appcontext.h"
#include "app/unit0.h"
#include "base/dialogs.h"
#include "home/unit1.h"
#include "media/imageloading.h"
#include "player/exercisetexts.h"
#include "player/openexercisefile.h"
#include "player/questiongroup.h"
#include "schemes/scheme.h"
#include "storage/colornumber.h"
#include "storage/designspace.h"
#include "storage/globalsettings.h"
#include "storage/inifile.h"
#include "storage/linebreaks.h"
#include "ui/animatedpicture.h"
#include "ui/elementtag.h"
#include "ui/fillpanel.h"
#include "ui/hintwindow.h"
#include "ui/lookwidgets.h"
#include "ui/pagehost.h"
#include "ui/radiogroup.h"
#include "ui/scrollbox.h"
#include "ui/speedbutton.h"
#include "ui/tabstrip.h"
#include "ui/textlabel.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QShowEvent>
#include <QTimer>

#include <optional>

namespace solvaro {

namespace {

constexpr int MessageBarHeight = 50;
constexpr int MessageBarTop = 5;
constexpr int NarrowestBand = 700;
constexpr int SectionBandHeight = 28;
constexpr int DefaultPictureSize = 100;
constexpr int DefaultGifTopPosition = 20;

const QString CommonArea = QStringLiteral("COMMONAREA");

// The exercises a sheet can have: one state is kept for each.
constexpr int MostExercises = StepCycle::maxExercises;

// The value of an integer key, nothing when it is missing or not a number.
std::optional<int> storedInteger(const IniFile &file, const QString &section, const QString &key)
{
    const int value = file.readInteger(section, key, 0);
    if (value != file.readInteger(section, key, 1))
        return std::nullopt;
    return value;
}

} // namespace

void TFormP3::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The window system showing the program again is not the page being shown.
    if (!event->spontaneous())
        FormActivate();
}

void TFormP3::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    SB->scrollToTop();
    SBScroll();
}

void TFormP3::SBScroll()
{
    // The message bar and the problem band stay at the top of the view while
    // the work area scrolls under them.
    const int top = SB->verticalPosition();
    LMDmessg->move(LMDmessg->x(), top);
    LMDtestp->move(LMDtestp->x(), top + LMDmessg->height());
}

void TFormP3::FormActivate()
{
    const int sheet = currentSheet();
    const IniFile global(m_context.folders.globalSettingsFile(), m_context.env.decimalSeparator);
    const int count = qMin(globalSettings::readExerciseCount(global, sheet), MostExercises);
    if (sheet < 0 || count <= 0) {
        // Nothing to show: back home, once the page host has finished showing
        // this page.
        QMetaObject::invokeMethod(
            this, [this] { m_context.handlers().run([this] { returnHome(); }); },
            Qt::QueuedConnection);
        return;
    }
    isClosed = false;
    if (TForm0 *main = m_context.forms.Form0)
        main->TabEserc->setNumberedTabs(count);
    PREPARE_EXERCISE();
    offerSavedWork();
}

void TFormP3::PREPARE_EXERCISE()
{
    const int sheet = currentSheet();
    exerciseFileName
        = m_context.forms.Form1 ? m_context.forms.Form1->SheetFiles.value(sheet) : QString();
    Timer1->stop();
    msg->hideHint();
    ShowNodes(false);
    m_logic.setEditMode(editMode());
    SB->scrollToTop();

    const QChar separator = m_context.env.decimalSeparator;
    const IniFile global(m_context.folders.globalSettingsFile(), separator);
    const OpenExerciseFile open(
        m_openExerciseFile, m_context.folders.resolve(exerciseFileName), separator);
    clearExercisePictures();
    m_sheetLooksApplied = false;
    m_shownRecords.clear();
    m_logic.prepareSheet(SET_SCHEMA(global, open.file(), sheet, currentExercise()));
    const int steps = m_logic.xSCHEMA().stepCount;
    smileyImages = QVector<QPointer<AnimatedPicture>>(steps);
    answerLabels = QVector<QPointer<TextLabel>>(steps);
    CreaAllINPUT();
    m_prepared = true;

    // A teacher's formula that does not read stops the loading of the
    // exercise, but the sheet stays usable: its tabs still change exercise.
    auto finish = qScopeGuard([this] {
        GIFinit();
        startTimerIfRunning();
    });
    INIZIO();
}

void TFormP3::startTimerIfRunning()
{
    if (m_timerRunning)
        Timer1->start();
}

void TFormP3::INIZIO()
{
    const bool teacher = editMode();
    exerciseSection = QString::number(currentExercise());
    msg->hideHint();
    const OpenExerciseFile open(m_openExerciseFile, m_context.folders.resolve(exerciseFileName),
        m_context.env.decimalSeparator);
    m_exerciseLines = open.file().sectionLines(exerciseSection);
    auto release = qScopeGuard([this] { m_exerciseLines.clear(); });

    E1sp->setVisible(!teacher);
    applyRecords();
    placeBars();
    dressForMode();
    LMDtesto->raise();
    buildSectionBands();
    rememberShownRecords();
    writeMessageLabels();
    describeExercise();
    GifTop->setAutoSize(true);
    GifTop->setTransparent(true);
    GifTop->setVisible(teacher);
    setEditingCursors();
    CARICA_PROBLEMA();
    SB->updateContentSize();
    // The picture last: a picture that does not read is told over this
    // exercise, not over the one before.
    loadExercisePicture();
    if (teacher)
        PlaceNodes(LMDimage);
    GifTop->raise();
}

QStringList TFormP3::recordLines(const QString &prefix) const
{
    const QString start = prefix + QLatin1Char('.');
    QStringList record;
    for (const QString &line : std::as_const(m_exerciseLines)) {
        if (line.startsWith(start, Qt::CaseInsensitive))
            record.append(line);
    }
    return record;
}

void TFormP3::applyExerciseRecord(QWidget *element, const QString &prefix)
{
    // From one exercise to the next most records stay the same (a new
    // exercise starts as a copy of another): an element that shows the record
    // already, as it was left, needs it no second time.
    const auto shown = m_shownRecords.constFind(prefix);
    if (shown != m_shownRecords.cend() && shown->lines == recordLines(prefix)
        && shown->look == readLook(element))
        return;
    // Nothing of another exercise's look may stay where this exercise's
    // record is silent.
    const Look designed = m_designedLooks.value(prefix, readLook(element));
    applyLook(element, designed);
    if (designed.fill.picture.isEmpty())
        setFillPicture(element, QPixmap(), QString());
    Load_LMDFILL(
        element, m_context.looks(), elementRecord(*m_openExerciseFile, exerciseSection, prefix));
}

void TFormP3::rememberShownRecords()
{
    QList<QWidget *> elements { LMDtestp, LMDtesto };
    for (const QPointer<FillPanel> &band : std::as_const(sectionBands)) {
        if (band)
            elements.append(band);
    }
    for (QWidget *element : std::as_const(elements)) {
        const QString prefix = element->objectName();
        m_shownRecords.insert(prefix, ShownRecord { recordLines(prefix), readLook(element) });
    }
}

void TFormP3::applyRecords()
{
    applyExerciseRecord(LMDtestp, QStringLiteral("LMDtestp"));
    applyExerciseRecord(LMDtesto, QStringLiteral("LMDtesto"));
    // The sheet-wide looks are the same for every exercise of the sheet, and
    // an edit in the Edit Box reaches the element at once: reading them again
    // (with the work area's picture) at each change of exercise would only
    // slow the change down.
    if (m_sheetLooksApplied)
        return;
    const IniFile &file = *m_openExerciseFile;
    Load_LMDFILL(
        LMDmessg, m_context.looks(), elementRecord(file, CommonArea, QStringLiteral("LMDmessg")));
    Load_LMDFILL(
        LMDFill0, m_context.looks(), elementRecord(file, CommonArea, QStringLiteral("LMDFill0")));
    m_sheetLooksApplied = true;
}

void TFormP3::placeBars()
{
    LMDmessg->resize(LMDmessg->width(), MessageBarHeight);
    LMDFill0->resize(LMDFill0->width(), m_logic.xSCHEMA().workAreaHeight);
    for (FillPanel *wide : { LMDFill0, LMDmessg, LMDtestp }) {
        if (wide->width() < NarrowestBand)
            wide->resize(NarrowestBand, wide->height());
    }
    const int third = LMDmessg->width() / 3;
    int left = 0;
    for (TextLabel *label : { sheetLabel, exerciseLabel, errorsLabel }) {
        label->setGeometry(left, 0, third, LMDmessg->height());
        left += third;
    }
    LMDmessg->move(LMDtestp->x(), MessageBarTop);
    LMDtestp->move(LMDtestp->x(), LMDmessg->y() + LMDmessg->height());
    LMDFill0->move(LMDFill0->x(), LMDtestp->y() + LMDtestp->height());
}

void TFormP3::dressForMode()
{
    const bool teacher = editMode();
    LMDFill0->setInnerBevel(teacher);
    LMDtesto->setInnerBevel(teacher);
    if (!teacher)
        return;
    // A text box dragged out of the band comes back into its middle.
    if (LMDtesto->y() > LMDtestp->height())
        LMDtesto->move(LMDtesto->x(), (LMDtestp->height() - LMDtesto->height()) / 2);
    if (LMDtesto->x() > LMDtestp->width())
        LMDtesto->move((LMDtestp->width() - LMDtesto->width()) / 2, LMDtesto->y());
}

void TFormP3::buildSectionBands()
{
    const Scheme &scheme = m_logic.xSCHEMA();
    const bool teacher = editMode();
    while (sectionBands.size() > scheme.sectionCount)
        delete sectionBands.takeLast().data();
    for (int k = 0; k < scheme.sectionCount; ++k) {
        const QString name = QStringLiteral("SEZIONE%1").arg(k);
        if (k >= sectionBands.size())
            sectionBands.append(nullptr);
        FillPanel *band = sectionBands[k];
        if (!band) {
            band = new FillPanel(LMDFill0);
            band->setObjectName(name);
            setElementTag(band, 0);
            band->setFillStyle(FillStyle::Brush);
            band->setBrushColor(colorFromNumber(clInactiveCaption, QGuiApplication::palette()));
            listenToMouse(band);
            sectionBands[k] = band;
            m_designedLooks.insert(name, readLook(band));
            m_shownRecords.remove(name);
        }
        // A band without a record of its own spans the work area.
        m_designedLooks[name].geometry = QRect(0, 0, LMDFill0->width(), SectionBandHeight);
        applyExerciseRecord(band, name);
        band->move(0, scheme.sectionTops.value(k));
        if (teacher && band->caption().isEmpty())
            band->setCaption(QStringLiteral("SECTION %1").arg(k));
        band->show();
    }
}

void TFormP3::writeMessageLabels()
{
    const TForm0 *main = m_context.forms.Form0;
    const int tabs = main ? main->TabEserc->count() : 0;
    sheetLabel->setCaption(tr("SHEET %1").arg(currentSheet() + 1));
    exerciseLabel->setCaption(tr("EXERCISE %1/%2").arg(currentExercise() + 1).arg(tabs));
    errorsLabel->setCaption(m_logic.steps().errorsText());
    for (TextLabel *label : { sheetLabel, exerciseLabel, errorsLabel }) {
        label->setFont(LMDmessg->captionFont());
        label->setTextColor(LMDmessg->captionColor());
    }
}

void TFormP3::loadExercisePicture()
{
    const IniFile &file = *m_openExerciseFile;
    const DesignSpace design(m_context.env.screenSize);
    // A missing position keeps the picture's present pixels: taken to the
    // design space and back they would drift by a pixel at every load.
    const std::optional<int> storedLeft
        = storedInteger(file, exerciseSection, QStringLiteral("LMDImage.Left"));
    const std::optional<int> storedTop
        = storedInteger(file, exerciseSection, QStringLiteral("LMDImage.Top"));
    const int left = storedLeft ? design.leftFromStored(*storedLeft) : LMDimage->x();
    const int top = storedTop ? design.topFromStored(*storedTop) : LMDimage->y();
    const int width
        = file.readInteger(exerciseSection, QStringLiteral("LMDImage.Width"), DefaultPictureSize);
    const int height
        = file.readInteger(exerciseSection, QStringLiteral("LMDImage.Height"), DefaultPictureSize);
    LMDimage->setGeometry(left, top, qMax(0, width), qMax(0, height));
    LMDimage->clear();
    // An empty slot shows nothing to the pupil; the teacher sees where a
    // picture would go.
    const bool teacher = editMode();
    LMDimage->setVisible(teacher);
    const QString stored
        = file.readString(exerciseSection, QStringLiteral("LMDImage.imgName"), QString());
    imagePath = stored.isEmpty() ? QString() : m_context.folders.resolve(stored);
    LMDimage->setStretch(true);
    bool loaded = false;
    if (!imagePath.isEmpty() && QFileInfo(imagePath).isFile()) {
        const QString extension = QFileInfo(imagePath).suffix().toLower();
        if (extension == QLatin1String("bmp")) {
            loaded = LMDimage->load(imagePath);
        } else if (extension == QLatin1String("jpg") || extension == QLatin1String("jpeg")) {
            Dialogs &dialogs = *m_context.env.dialogs;
            if (const auto photo = LoadJpegIntoPicture(imagePath, LMDimage->height(), dialogs)) {
                LMDimage->resize(photo->pictureWidth, LMDimage->height());
                LMDimage->setImage(photo->bitmap);
                loaded = true;
            } else {
                dialogs.showMessage(QStringLiteral("File jpeg non supportato"));
            }
        }
    }
    LMDimage->setVisible(teacher || loaded);
    LMDimage->raise();
}

void TFormP3::CARICA_PROBLEMA()
{
    const IniFile &file = *m_openExerciseFile;
    const bool teacher = editMode();
    generalHelp = decodeLineBreaks(
        file.readString(exerciseSection, QStringLiteral("HELP_GEN"), QStringLiteral("?")));
    if (teacher) {
        exerciseLabel->show();
        sheetLabel->show();
    } else {
        B1->setCaption(tr("OK"));
    }
    m_logic.setWorkAreaWidth(LMDFill0->width());
    m_logic.loadExercise(currentExercise(),
        readExerciseTexts(file, exerciseSection, m_logic.xSCHEMA().formulaCount));
}

QuestionGroup TFormP3::readQuestionGroup(int step)
{
    const LookFont current = readLook(E1).font;
    const int screenWidth = m_context.env.screenSize.width();
    if (m_openExerciseFile)
        return Load_COMBO(*m_openExerciseFile, exerciseSection, step, current, screenWidth);
    const IniFile file(m_context.folders.resolve(exerciseFileName), m_context.env.decimalSeparator);
    return Load_COMBO(file, exerciseSection, step, current, screenWidth);
}

void TFormP3::CLEAR_ALL_OBJ()
{
    Timer1->stop();
    msg->hideHint();
    freeFormulaPanels();
    for (const QPointer<FillPanel> &band : std::as_const(sectionBands))
        delete band.data();
    sectionBands.clear();
    clearExercisePictures();
    hideTopAnimation();
    m_shownRecords.clear();
    m_sheetLooksApplied = false;
    m_prepared = false;
}

void TFormP3::GIFinit()
{
    Timer1->stop();
    const OpenExerciseFile open(m_openExerciseFile, m_context.folders.resolve(exerciseFileName),
        m_context.env.decimalSeparator);
    const IniFile &exerciseFile = open.file();
    const DesignSpace design(m_context.env.screenSize);
    const int left = exerciseFile.readInteger(
        QStringLiteral("GIFtop"), QStringLiteral("Left"), DefaultGifTopPosition);
    const int top = exerciseFile.readInteger(
        QStringLiteral("GIFtop"), QStringLiteral("Top"), DefaultGifTopPosition);
    GifTop->move(design.leftFromStored(left), design.topFromStored(top));
    m_logic.GIFinit(editMode() ? previewGifPaths(exerciseFile) : QStringList());
}

} // namespace solvaro
