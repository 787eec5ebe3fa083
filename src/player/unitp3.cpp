// The exercise player's widgets and their wiring.
#include "player/unitp3.h"

#include "app/appcontext.h"
#include "app/unit0.h"
#include "dialogs/unit4.h"
#include "home/unit1.h"
#include "storage/colornumber.h"
#include "ui/animatedpicture.h"
#include "ui/elementtag.h"
#include "ui/fillpanel.h"
#include "ui/hintwindow.h"
#include "ui/lookwidgets.h"
#include "ui/mouseevents.h"
#include "ui/radiogroup.h"
#include "ui/report/reportpreview.h"
#include "ui/scrollbox.h"
#include "ui/speedbutton.h"
#include "ui/tabstrip.h"
#include "ui/textlabel.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace solvaro {

namespace {

constexpr int TickMilliseconds = 100;
constexpr int SkinTag = 10;
constexpr int ButtonBarHeight = 32;
constexpr int MessageBarMargin = 100;

QFont comicFont(int pointSize, bool bold = false)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QColor systemColor(qint32 number)
{
    return colorFromNumber(number, QGuiApplication::palette());
}

} // namespace

TFormP3::TFormP3(AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
    , m_logic(*this)
{
    setObjectName(QStringLiteral("FormP3"));
    setWindowTitle(QStringLiteral("?"));
    resize(1018, 734);
    FormCreate();
    loadProgressCommand = [this] { LMDcaricaClick(); };
    saveProgressCommand = [this] { LMDsalvaClick(); };
    printCommand = [this] { STAMPA(); };
    restoreCommand = [this] { restoreFromPupilFile(); };
}

TFormP3::~TFormP3()
{
    // The widgets go with the form; nothing may tick or sound any more.
    Timer1->stop();
    // Destroying the children moves the focus; this form no longer follows it.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void TFormP3::FormCreate()
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(TickMilliseconds);
    Timer1->setTimerType(Qt::PreciseTimer);

    SB = new ScrollBox(this);
    SB->setObjectName(QStringLiteral("SB"));
    SB->setFrameShape(QFrame::NoFrame);
    SB->content()->setAutoFillBackground(true);
    QPalette colors = SB->content()->palette();
    colors.setColor(QPalette::Window, systemColor(clInactiveCaption));
    SB->content()->setPalette(colors);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(SB);

    buildProblemArea();
    buildQuestionPanel();
    CreateNodes();
    m_designedLooks.insert(LMDtestp->objectName(), readLook(LMDtestp));
    m_designedLooks.insert(LMDtesto->objectName(), readLook(LMDtesto));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    for (const QString &caption :
        { QStringLiteral("+"), QStringLiteral("_"), QStringLiteral("X"), QStringLiteral(":") }) {
        PopupMenu1->addAction(caption);
    }

    msg = new HintWindow(this);
    msg->setObjectName(QStringLiteral("msg"));
    msg->setMaxTextWidth(100);
    msg->setShadowDepth(3);
    buildReadAloud();
    describeControls();

    m_logic.setDecimalSeparator(m_context.env.decimalSeparator);
    m_logic.setRandom([this](int bound) {
        return m_context.env.random && bound > 0 ? m_context.env.random(bound) : 0;
    });
    m_logic.setQuestionGroupLoader([this](int step) { return readQuestionGroup(step); });

    editElement = [this](QWidget *element) {
        TForm1 *home = m_context.forms.Form1;
        return home && home->xMouseUp(this, element);
    };
    editQuestionGroup = [this](QWidget *group, const RecordAddress &record) {
        TForm4 *editBox = m_context.forms.Form4;
        return editBox && editBox->editElement(group, QString(), record);
    };

    connectHandlers();
}

void TFormP3::buildProblemArea()
{
    QWidget *area = SB->content();

    LMDmessg = new FillPanel(area);
    LMDmessg->setObjectName(QStringLiteral("LMDmessg"));
    setLookKind(LMDmessg, LookKind::Panel);
    setElementTag(LMDmessg, SheetWideTag);
    LMDmessg->setFillStyle(FillStyle::Brush);
    LMDmessg->setGeometry(0, 5, qMax(0, m_context.env.screenSize.width() - MessageBarMargin), 50);
    for (TextLabel **label : { &sheetLabel, &exerciseLabel, &errorsLabel }) {
        *label = new TextLabel(LMDmessg);
        (*label)->setTransparent(true);
        (*label)->setTextAlignment(TextAlignment::Center);
        (*label)->setAlignment(Qt::AlignCenter);
        (*label)->setCaption(QStringLiteral("UNO"));
    }
    sheetLabel->setObjectName(QStringLiteral("sheetLabel"));
    exerciseLabel->setObjectName(QStringLiteral("exerciseLabel"));
    errorsLabel->setObjectName(QStringLiteral("errorsLabel"));

    LMDtestp = new FillPanel(area);
    LMDtestp->setObjectName(QStringLiteral("LMDtestp"));
    setLookKind(LMDtestp, LookKind::Panel);
    LMDtestp->setFillStyle(FillStyle::Brush);
    LMDtestp->setCaption(QStringLiteral("SFONDO"));
    LMDtestp->setFrameShape(QFrame::Panel);
    LMDtestp->setFrameShadow(QFrame::Raised);
    LMDtestp->setGeometry(0, 55, 1057, 185);

    LMDtesto = new FillPanel(LMDtestp);
    LMDtesto->setObjectName(QStringLiteral("LMDtesto"));
    LMDtesto->setFillStyle(FillStyle::Brush);
    LMDtesto->setCaption(QStringLiteral("TESTO PROBLEMA"));
    LMDtesto->setWordWrap(true);
    LMDtesto->setGeometry(200, 8, 417, 168);

    LMDimage = new AnimatedPicture(LMDtestp);
    LMDimage->setObjectName(QStringLiteral("LMDimage"));
    LMDimage->setStretch(true);
    LMDimage->setGeometry(10, 10, 153, 121);

    GifTop = new AnimatedPicture(LMDtestp);
    GifTop->setObjectName(QStringLiteral("GifTop"));
    setElementTag(GifTop, SkinTag);
    GifTop->setCenter(true);
    GifTop->setGeometry(800, 10, 129, 161);
    GifTop->hide();

    LMDFill0 = new FillPanel(area);
    LMDFill0->setObjectName(QStringLiteral("LMDFill0"));
    setLookKind(LMDFill0, LookKind::Panel);
    LMDFill0->setFillStyle(FillStyle::Bitmap);
    LMDFill0->setGeometry(0, 240, 673, 617);
}

void TFormP3::buildQuestionPanel()
{
    E1sp = new FillPanel(LMDFill0);
    E1sp->setObjectName(QStringLiteral("E1sp"));
    E1sp->setFillStyle(FillStyle::Brush);
    E1sp->setBrushColor(systemColor(clBtnFace));
    E1sp->setFrameShape(QFrame::Box);
    E1sp->setGeometry(100, 0, 401, 169);
    E1sp->hide();
    E1sp->installEventFilter(this);

    LMDSimplePanel2 = new FillPanel(E1sp);
    LMDSimplePanel2->setObjectName(QStringLiteral("LMDSimplePanel2"));
    LMDSimplePanel2->setFillStyle(FillStyle::Brush);
    LMDSimplePanel2->setBrushColor(systemColor(clBtnFace));

    H1 = new SpeedButton(LMDSimplePanel2);
    H1->setObjectName(QStringLiteral("H1"));
    setElementTag(H1, 1);
    H1->setFont(comicFont(9));
    H1->setGlyph(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(22, 22));
    H1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    H1->setToolTip(tr("Help"));
    H1->resize(45, 30);

    B1 = new SpeedButton(LMDSimplePanel2);
    B1->setObjectName(QStringLiteral("B1"));
    setElementTag(B1, 1);
    B1->setFont(comicFont(10, true));
    B1->setCaption(tr("Ok"));
    B1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    B1->resize(44, 30);

    E1sb = new ScrollBox(E1sp);
    E1sb->setObjectName(QStringLiteral("E1sb"));
    E1sb->setFrameShape(QFrame::NoFrame);
    E1sb->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The options on the window colour, not on the scroll box's grey.
    QPalette light = E1sb->palette();
    light.setColor(QPalette::Window, systemColor(clWindow));
    E1sb->setPalette(light);
    E1sb->viewport()->setAutoFillBackground(true);
    E1sb->content()->setAutoFillBackground(true);

    E1 = new RadioGroup(E1sb->content());
    E1->setObjectName(QStringLiteral("E1"));
    E1->move(4, 2);
}

void TFormP3::connectHandlers()
{
    m_context.handlers().connect(Timer1, &QTimer::timeout, this, &TFormP3::Timer1Timer);
    m_context.handlers().connect(B1, &QToolButton::clicked, this, &TFormP3::B1Click);
    m_context.handlers().connect(H1, &QToolButton::clicked, this, &TFormP3::H1Click);
    const QList<QAction *> items = PopupMenu1->actions();
    for (int i = 0; i < items.size(); ++i)
        m_context.handlers().connect(
            items.at(i), &QAction::triggered, this, [this, i] { N1Click(i); });
    m_context.handlers().connect(
        SB->verticalScrollBar(), &QScrollBar::valueChanged, this, &TFormP3::SBScroll);
    SB->viewport()->installEventFilter(this);

    for (QWidget *element : { static_cast<QWidget *>(LMDmessg), static_cast<QWidget *>(LMDtestp),
             static_cast<QWidget *>(LMDFill0) }) {
        listenToMouse(element);
    }
    for (TextLabel *label : { sheetLabel, exerciseLabel, errorsLabel }) {
        // A click on a label of the message bar is a click on the bar.
        m_context.handlers().connect(MouseEvents::of(label), &MouseEvents::released, this,
            [this](QMouseEvent *event) { ElementMouseUp(LMDmessg, event->button()); });
    }
    for (QWidget *dragged : { static_cast<QWidget *>(LMDtesto), static_cast<QWidget *>(GifTop) }) {
        MouseEvents *mouse = MouseEvents::of(dragged);
        m_context.handlers().connect(
            mouse, &MouseEvents::pressed, this, [this, dragged](QMouseEvent *event) {
                GifTopMouseDown(dragged, event->button(), event->globalPosition().toPoint());
            });
        m_context.handlers().connect(
            mouse, &MouseEvents::moved, this, [this, dragged](QMouseEvent *event) {
                GifTopMouseMove(dragged, event->globalPosition().toPoint());
            });
        m_context.handlers().connect(mouse, &MouseEvents::released, this,
            [this, dragged](QMouseEvent *event) { GifTopMouseUp(dragged, event->button()); });
    }
    MouseEvents *picture = MouseEvents::of(LMDimage);
    m_context.handlers().connect(picture, &MouseEvents::pressed, this, [this](QMouseEvent *event) {
        ImageMouseDown(event->button(), event->globalPosition().toPoint());
    });
    m_context.handlers().connect(picture, &MouseEvents::moved, this,
        [this](QMouseEvent *event) { ImageMouseMove(event->globalPosition().toPoint()); });
    m_context.handlers().connect(picture, &MouseEvents::released, this,
        [this](QMouseEvent *event) { ImageMouseUp(event->button()); });
}

void TFormP3::listenToMouse(QWidget *element)
{
    m_context.handlers().connect(MouseEvents::of(element), &MouseEvents::released, this,
        [this, element](QMouseEvent *event) {
            // A click on one of its children reaches the element too, once
            // the child has let it pass; the child has its own handler.
            if (!element->childAt(event->position().toPoint()))
                ElementMouseUp(element, event->button());
        });
}

bool TFormP3::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == E1sp && event->type() == QEvent::Resize) {
        // The button bar across the top, help on the left and Ok on the
        // right; the question group scrolls in the rest.
        const int width = E1sp->width();
        LMDSimplePanel2->setGeometry(0, 0, width, ButtonBarHeight);
        H1->move(1, 1);
        B1->move(qMax(H1->width() + 1, width - B1->width() - 1), 1);
        E1sb->setGeometry(0, ButtonBarHeight, width, qMax(0, E1sp->height() - ButtonBarHeight));
        E1->setMinimumWidth(qMax(0, E1sb->viewport()->width() - 8));
    } else if (watched == LMDtesto
        && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        placeProblemSpeaker();
    } else if (watched == SB->viewport() && event->type() == QEvent::Wheel) {
        // One line per notch, whatever the desktop's wheel setting.
        SB->scrollLines(static_cast<QWheelEvent *>(event)->angleDelta().y() > 0 ? -1 : 1);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TFormP3::setTimerRunning(bool on)
{
    m_timerRunning = on;
    if (!on)
        Timer1->stop();
}

bool TFormP3::editMode() const
{
    return m_context.forms.Form1 && m_context.forms.Form1->EditMode;
}

int TFormP3::currentSheet() const
{
    return m_context.forms.Form1 ? m_context.forms.Form1->currentSheet() : -1;
}

int TFormP3::currentExercise() const
{
    const TForm0 *main = m_context.forms.Form0;
    const int index = main && main->TabEserc ? main->TabEserc->currentIndex() : 0;
    return qMax(0, index);
}

} // namespace solvaro
