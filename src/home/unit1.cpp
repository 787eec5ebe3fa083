#include "home/unit1.h"

#include "app/appcontext.h"
#include "app/unit0.h"
#include "home/tgif.h"
#include "storage/globalsettings.h"
#include "storage/inifile.h"
#include "ui/animatedpicture.h"
#include "ui/elementtag.h"
#include "ui/fillpanel.h"
#include "ui/lookwidgets.h"
#include "ui/mouseevents.h"
#include "ui/picturebutton.h"
#include "ui/tabstrip.h"

#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QStyle>
#include <QTimer>

namespace solvaro {

namespace {

// The page is designed for a screen of this size; its fixed elements follow
// the real screen in proportion, as the stored looks do.
constexpr int PageDesignWidth = 1680;
constexpr int PageDesignHeight = 1050;

constexpr int SkinElementTag = 10;
constexpr int TimerInterval = 300;

// Design sizes in pixels of the page's design screen.
constexpr int TopBarHeight = 66;
constexpr int HomeButtonWidth = 65;
constexpr int TitleWidth = 200;
constexpr int NameBoxWidth = 180;
constexpr int NameBoxHeight = 42;
constexpr int SchemesButtonSize = 50;
constexpr int LogoWidth = 67;
constexpr int StripHeight = 36;
constexpr int NodeSize = 5;
const QRect TabDecoration(9, 31, 322, 30);
const QRect FirstTextBox(105, 112, 256, 129);
const QRect SecondTextBox(377, 104, 256, 129);

const QString DesignFont = QStringLiteral("Comic Sans MS");
const QString TextBoxCaption = QStringLiteral("esercitati con le tabelline");
const QString LogoFile = QStringLiteral("SOL_IMG\\Logo.bmp");
const QString HomeIcon = QStringLiteral(":/icons/home.png");

QFont boldDesignFont(int pixelSize)
{
    QFont font(DesignFont);
    font.setBold(true);
    font.setPixelSize(qMax(1, pixelSize));
    return font;
}

FillPanel *makeFill(QWidget *parent, const QString &name)
{
    auto *fill = new FillPanel(parent);
    fill->setObjectName(name);
    fill->setFillStyle(FillStyle::Brush);
    fill->setCaptionAlignment(NineAlignment::Center);
    setElementTag(fill, SkinElementTag);
    // A click on a box or strip is its own; the background must not see it too.
    fill->setAttribute(Qt::WA_NoMousePropagation);
    return fill;
}

} // namespace

TForm1::TForm1(AppContext &context, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("Form1"));
    for (int sheet = 0; sheet < globalSettings::maxSheets; ++sheet)
        SheetFiles.append(QString());

    buildTopBar();
    buildBackground();
    buildMenus();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(TimerInterval);
    connectHandlers();
    resize(m_context.env.screenSize);

    if (TForm0 *main = m_context.forms.Form0)
        main->solvedExercises = 0;
    const IniFile global(m_context.folders.globalSettingsFile(), m_context.env.decimalSeparator);
    SkinFile = global.readString(
        globalSettings::skinSection, globalSettings::skinFileKey, globalSettings::defaultSkinFile);
    CARICA_TEMA();
    CaricaMENU();
    CreateNodes();
}

TForm1::~TForm1() = default;

int TForm1::scaledX(int designPixels) const
{
    return designPixels * m_context.env.screenSize.width() / PageDesignWidth;
}

int TForm1::scaledY(int designPixels) const
{
    return designPixels * m_context.env.screenSize.height() / PageDesignHeight;
}

void TForm1::buildTopBar()
{
    const int barHeight = scaledY(TopBarHeight);
    LMDSimplePanel2 = new FillPanel(this);
    LMDSimplePanel2->setObjectName(QStringLiteral("LMDSimplePanel2"));
    LMDSimplePanel2->setBackgroundColor(palette().color(QPalette::Button));

    LMDhome = new PictureButton(LMDSimplePanel2);
    LMDhome->setObjectName(QStringLiteral("LMDhome"));
    LMDhome->setPicture(QPixmap(HomeIcon));
    LMDhome->setGeometry(0, 0, scaledX(HomeButtonWidth), barHeight);
    LMDhome->setFocusPolicy(Qt::TabFocus);
    LMDhome->setAccessibleName(tr("Back"));
    LMDhome->setAccessibleDescription(tr("Back to the start"));

    LMDFill1 = makeFill(LMDSimplePanel2, QStringLiteral("LMDFill1"));
    LMDFill1->setGeometry(0, 0, scaledX(TitleWidth), barHeight);

    LMDEdit1 = new QLineEdit(LMDSimplePanel2);
    LMDEdit1->setObjectName(QStringLiteral("LMDEdit1"));
    LMDEdit1->setText(tr("Hello!"));
    LMDEdit1->setAccessibleName(tr("Your name"));
    LMDEdit1->setAccessibleDescription(tr("Type your name, then press Enter to choose a sheet"));
    const int nameHeight = scaledY(NameBoxHeight);
    LMDEdit1->setFont(boldDesignFont(nameHeight * 11 / 20));
    LMDEdit1->setGeometry(0, (barHeight - nameHeight) / 2, scaledX(NameBoxWidth), nameHeight);

    LMDschemi = new PictureButton(LMDSimplePanel2);
    LMDschemi->setObjectName(QStringLiteral("LMDschemi"));
    LMDschemi->setToolTip(QStringLiteral("gestione schemi"));
    const int schemesSize = qMin(scaledX(SchemesButtonSize), barHeight);
    LMDschemi->setPicture(
        style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(schemesSize * 2 / 3));
    LMDschemi->setGeometry(0, (barHeight - schemesSize) / 2, schemesSize, schemesSize);

    TabSheet = new TabStrip(LMDSimplePanel2);
    TabSheet->setObjectName(QStringLiteral("TabSheet"));
    TabSheet->setFont(boldDesignFont(scaledY(15)));
    TabSheet->setUsesScrollButtons(true);
    TabSheet->setGeometry(0, 0, 0, barHeight);
    TabSheet->setAccessibleName(tr("Sheets"));
    TabSheet->setAccessibleDescription(
        tr("Choose a sheet with the arrow keys, then press Enter to open it"));

    LMDFill5 = makeFill(TabSheet, QStringLiteral("LMDFill5"));
    LMDFill5->setGeometry(scaledX(TabDecoration.x()), scaledY(TabDecoration.y()),
        scaledX(TabDecoration.width()), scaledY(TabDecoration.height()));

    Image2 = new AnimatedPicture(LMDSimplePanel2);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setTransparent(true);
    Image2->setCenter(true);
    Image2->setGeometry(0, 0, scaledX(LogoWidth), barHeight);
    const QImage logo(m_context.folders.resolve(LogoFile));
    if (!logo.isNull())
        Image2->setImage(
            logo.scaled(Image2->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TForm1::buildBackground()
{
    LMDFill2 = makeFill(this, QStringLiteral("LMDFill2"));
    LMDFill2->setGeometry(0, scaledY(TopBarHeight), width(), scaledY(StripHeight));

    LMDsfondoUnit1 = makeFill(this, QStringLiteral("LMDsfondoUnit1"));
    setLookKind(LMDsfondoUnit1, LookKind::Panel);
    LMDsfondoUnit1->setContextMenuPolicy(Qt::PreventContextMenu);

    const auto makeTextBox = [this](const QString &name, const QRect &design) {
        FillPanel *box = makeFill(LMDsfondoUnit1, name);
        box->setCaption(TextBoxCaption);
        box->setGeometry(scaledX(design.x()), scaledY(design.y()), scaledX(design.width()),
            scaledY(design.height()));
        box->setContextMenuPolicy(Qt::PreventContextMenu);
        return box;
    };
    LMDFill3 = makeTextBox(QStringLiteral("LMDFill3"), FirstTextBox);
    LMDFill3->setFrameStyle(QFrame::Box | QFrame::Plain);
    LMDFill3->setLineWidth(1);
    LMDFill4 = makeTextBox(QStringLiteral("LMDFill4"), SecondTextBox);
}

void TForm1::buildMenus()
{
    const auto addItem = [this](QMenu *menu, const QString &caption, void (TForm1::*handler)()) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(caption);
        m_context.handlers().connect(action, &QAction::triggered, this, handler);
    };

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    addItem(PopupMenu1, QStringLiteral("SendBack"), &TForm1::SendBackClick);
    addItem(PopupMenu1, QStringLiteral("BringFront"), &TForm1::BringFrontClick);
    addItem(PopupMenu1, QStringLiteral("Edit"), &TForm1::EditClick);

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    addItem(PopupMenu2, QStringLiteral("Background Image"), &TForm1::BackgroundImageClick);
    PopupMenu2->addSeparator();
    addItem(PopupMenu2, QStringLiteral("Background Sound"), &TForm1::BackgroundSoundClick);
    addItem(PopupMenu2, QStringLiteral("Background Sound On"), &TForm1::BackgroundSoundOnClick);
    addItem(PopupMenu2, QStringLiteral("Background Sound Off"), &TForm1::BackgroundSoundOffClick);
    PopupMenu2->addSeparator();
    addItem(PopupMenu2, QStringLiteral("Add Animate GIF"), &TForm1::AddAnimateGifClick);
    addItem(PopupMenu2, QStringLiteral("Reset gif position"), &TForm1::ResetGifPositionClick);
    PopupMenu2->addSeparator();
    addItem(PopupMenu2, QStringLiteral("Save Skin as..."), &TForm1::SaveSkinAsClick);
    addItem(PopupMenu2, QStringLiteral("Load Skin"), &TForm1::LoadSkinClick);

    PPgif = new QMenu(this);
    PPgif->setObjectName(QStringLiteral("PPgif"));
    addItem(PPgif, QStringLiteral("Set Speed"), &TForm1::SetSpeedClick);
    addItem(PPgif, QStringLiteral("Move from Start"), &TForm1::MoveFromStartClick);
    addItem(PPgif, QStringLiteral("Move to End"), &TForm1::MoveToEndClick);
    addItem(PPgif, QStringLiteral("Disable Move"), &TForm1::DisableMoveClick);
    PPgif->addSeparator();
    addItem(PPgif, QStringLiteral("Change Gif"), &TForm1::ChangeGifClick);
    addItem(PPgif, QStringLiteral("Delete Gif"), &TForm1::DeleteGifClick);
}

void TForm1::connectHandlers()
{
    m_context.handlers().connect(LMDhome, &QAbstractButton::clicked, this, &TForm1::LMDhomeClick);
    m_context.handlers().connect(
        LMDschemi, &QAbstractButton::clicked, this, &TForm1::LMDschemiClick);
    m_context.handlers().connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    m_context.handlers().connect(MouseEvents::of(TabSheet), &MouseEvents::released, this,
        [this](QMouseEvent *) { TabSheetMouseUp(); });
    // From the keyboard: Enter after the name goes on to the sheets, Enter on
    // a sheet opens it.
    connect(LMDEdit1, &QLineEdit::returnPressed, this,
        [this] { TabSheet->setFocus(Qt::TabFocusReason); });
    m_context.handlers().connect(
        TabSheet, &TabStrip::tabActivated, this, [this] { TabSheetMouseUp(); });

    for (FillPanel *fill : { LMDFill1, LMDFill2, LMDFill5 }) {
        m_context.handlers().connect(MouseEvents::of(fill), &MouseEvents::released, this,
            [this, fill](QMouseEvent *) { xMouseUp(this, fill); });
    }
    for (FillPanel *box : { LMDFill3, LMDFill4 }) {
        MouseEvents *events = MouseEvents::of(box);
        m_context.handlers().connect(
            events, &MouseEvents::pressed, this, [this, box](QMouseEvent *event) {
                TextBoxMouseDown(box, event->button(), event->globalPosition().toPoint());
            });
        m_context.handlers().connect(
            events, &MouseEvents::moved, this, [this, box](QMouseEvent *event) {
                TextBoxMouseMove(box, event->globalPosition().toPoint());
            });
        m_context.handlers().connect(
            events, &MouseEvents::released, this, [this, box](QMouseEvent *event) {
                TextBoxMouseUp(box, event->button(), event->globalPosition().toPoint());
            });
    }
    m_context.handlers().connect(
        MouseEvents::of(LMDsfondoUnit1), &MouseEvents::released, this, [this](QMouseEvent *event) {
            BackgroundMouseUp(event->button(), event->globalPosition().toPoint());
        });
}

void TForm1::CreateNodes()
{
    // Corners and edge middles clockwise from the top-left corner.
    const Qt::CursorShape cursors[] = {
        Qt::SizeFDiagCursor,
        Qt::SizeVerCursor,
        Qt::SizeBDiagCursor,
        Qt::SizeHorCursor,
        Qt::SizeFDiagCursor,
        Qt::SizeVerCursor,
        Qt::SizeBDiagCursor,
        Qt::SizeHorCursor,
    };
    for (int node = 0; node < 8; ++node) {
        auto *handle = new QWidget(this);
        handle->setObjectName(QStringLiteral("Node%1").arg(node));
        handle->setAutoFillBackground(true);
        QPalette black = handle->palette();
        black.setColor(QPalette::Window, Qt::black);
        handle->setPalette(black);
        handle->resize(NodeSize, NodeSize);
        handle->setCursor(cursors[node]);
        handle->setAttribute(Qt::WA_NoMousePropagation);
        handle->hide();
        MouseEvents *events = MouseEvents::of(handle);
        m_context.handlers().connect(
            events, &MouseEvents::pressed, this, [this, node](QMouseEvent *event) {
                NodeMouseDown(node, event->globalPosition().toPoint());
            });
        m_context.handlers().connect(
            events, &MouseEvents::moved, this, [this, node](QMouseEvent *event) {
                NodeMouseMove(node, event->globalPosition().toPoint());
            });
        m_context.handlers().connect(events, &MouseEvents::released, this,
            [this, node](QMouseEvent *) { NodeMouseUp(node); });
        Nodes.append(handle);
    }
}

void TForm1::layoutPage()
{
    const int barHeight = scaledY(TopBarHeight);
    LMDSimplePanel2->setGeometry(0, 0, width(), barHeight);
    Image2->move(LMDSimplePanel2->width() - Image2->width(), 0);
    layoutTopBar();
    // The strip keeps the height its look gives it; the background takes the rest.
    LMDFill2->setGeometry(0, barHeight, width(), LMDFill2->height());
    const int backgroundTop = barHeight + LMDFill2->height();
    LMDsfondoUnit1->setGeometry(0, backgroundTop, width(), qMax(0, height() - backgroundTop));
}

void TForm1::layoutTopBar()
{
    const int gap = qMax(1, scaledX(5));
    LMDhome->move(0, LMDhome->y());
    LMDFill1->setGeometry(
        LMDhome->x() + LMDhome->width(), LMDFill1->y(), scaledX(TitleWidth), LMDFill1->height());
    LMDEdit1->move(LMDFill1->x() + LMDFill1->width(), LMDEdit1->y());
    LMDhome->show();
    LMDFill1->show();
    LMDEdit1->show();
    int tabLeft = LMDEdit1->x() + LMDEdit1->width() + gap;
    LMDschemi->setVisible(EditMode);
    if (EditMode) {
        LMDschemi->move(tabLeft, LMDschemi->y());
        tabLeft = LMDschemi->x() + LMDschemi->width() + gap;
    }
    TabSheet->setGeometry(tabLeft, TabSheet->y(),
        qMax(0, LMDSimplePanel2->width() - tabLeft - Image2->width()), TabSheet->height());
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutPage();
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Coming back from a minimised window is no new visit of the page.
    if (!event->spontaneous())
        FormActivate();
}

void TForm1::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        Timer1->stop();
}

} // namespace solvaro
