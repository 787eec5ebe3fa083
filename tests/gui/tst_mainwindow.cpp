#include "app/unit0.h"
#include "dialogs/unit3.h"
#include "home/unit1.h"
#include "player/unitp3.h"
#include "tst_programfixture.h"
#include "ui/animatedpicture.h"
#include "ui/elementtag.h"
#include "ui/fillpanel.h"
#include "ui/memo.h"
#include "ui/pagehost.h"
#include "ui/picturebutton.h"
#include "ui/tabstrip.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

using namespace solvaro;

namespace {

// Stands for the player's close handler: records each page command and keeps
// the page open, reporting so, as the player does for every command but home.
class CommandRecorder final : public QObject
{
public:
    explicit CommandRecorder(QWidget *page)
        : m_page(page)
    {
        page->installEventFilter(this);
    }
    QList<int> commands;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_page && event->type() == QEvent::Close) {
            commands << elementTag(m_page);
            if (auto *player = qobject_cast<TFormP3 *>(m_page))
                player->isClosed = false;
            event->ignore();
            return true;
        }
        return false;
    }

private:
    QWidget *m_page;
};

QString noMessage()
{
    return QStringLiteral("<none>");
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsOnTheStartPanel();
    void laterActivationsChangeNothing();
    void pagesMadeAfterTheFirstPaintAreSetUp();
    void captionStripsCarryTheirLooks();
    void toolbarHoldsTheButtonsInTheirFixedOrder();
    void showingTheToolbarShrinksTheHostAndKeepsThePanelCentred();
    void openingASheetShowsTheToolbarOverThePlayer_data();
    void openingASheetShowsTheToolbarOverThePlayer();
    void startPanelStaysCentred_data();
    void startPanelStaysCentred();

    void hoverRaisesOnePictureAtATime();
    void pressShrinksAndReleaseActsByTag_data();
    void pressShrinksAndReleaseActsByTag();
    void rightButtonDoesNothing_data();
    void rightButtonDoesNothing();
    void accessCode_data();
    void accessCode();
    void correctCodeIsNotAskedForAgain();
    void wrongCodeIsAskedForAgain();
    void missingHelpDocumentDoesNothing();
    void closingButtonHandsTheCountToTheClosingScreen();

    void closingWalksBackPageByPage();
    void closingKeepsAPlayerThatRefuses();
    void homeButton();
    void toolbarCommandsReachOnlyPagesFromOne_data();
    void toolbarCommandsReachOnlyPagesFromOne();
    void exerciseTabsTellThePlayer();
    void speakerStartsTheVolumeControl();
    void missingViewerAndVolumeControlAreTold();
    void functionKeys_data();
    void functionKeys();

private:
    TForm0 *window() const { return m_program->forms().Form0; }
    TFormP3 *player() const { return m_program->forms().FormP3; }
    TForm1 *home() const { return m_program->forms().Form1; }
    AnimatedPicture *picture(const QString &name) const
    {
        return window()->findChild<AnimatedPicture *>(name);
    }
    void clickPicture(QWidget *picture, Qt::MouseButton button = Qt::LeftButton);
    void openPlayerPage();

    std::unique_ptr<TestInstallation> m_installation;
    std::unique_ptr<AssembledProgram> m_program;
};

void TestMainWindow::initTestCase()
{
    m_installation = std::make_unique<TestInstallation>();
    m_installation->copySample();
}

void TestMainWindow::init()
{
    m_program = std::make_unique<AssembledProgram>(*m_installation);
    window()->resize(1680, 1000);
    window()->show();
}

void TestMainWindow::cleanup()
{
    m_program.reset();
}

void TestMainWindow::clickPicture(QWidget *picture, Qt::MouseButton button)
{
    const QPoint inside(20, 20);
    QTest::mousePress(picture, button, {}, inside);
    QTest::mouseRelease(picture, button, {}, inside);
}

// The page the home page opens when a sheet is clicked, toolbar and all.
void TestMainWindow::openPlayerPage()
{
    window()->LMDSimplePanel3->show();
    window()->relayout();
    window()->FD->showPage(TForm0::PlayerPage);
    QVERIFY(player()->isVisible());
}

void TestMainWindow::startsOnTheStartPanel()
{
    TForm0 *main = window();
    QCOMPARE(main->FD->count(), 3);
    QCOMPARE(main->FD->page(0), static_cast<QWidget *>(home()));
    QCOMPARE(main->FD->page(1), player());
    QCOMPARE(main->FD->page(2), static_cast<QWidget *>(m_program->forms().Form3));
    QCOMPARE(main->FD->currentIndex(), -1);
    QVERIFY(main->LMDSimplePanel3->isHidden());
    QVERIFY(main->LMDPanelFill1->isVisible());
    QCOMPARE(main->LMDPanelFill1->size(), QSize(737, 537));
    QVERIFY(!home()->EditMode);
    QCOMPARE(main->solvedExercises, 0);
    QCOMPARE(main->DesignWidth, 3360);
    QCOMPARE(main->DesignHeight, 2100);
    QVERIFY2(main->windowTitle().endsWith(QStringLiteral(" ver. 1.0.0.0 ")),
        qPrintable(main->windowTitle()));
    QVERIFY(!main->LMDPanelFill1->picture().isNull());
    for (const char *name : { "Image1", "Image3", "Image5", "Image6", "Image7" })
        QVERIFY2(picture(QLatin1String(name))->hasPicture(), name);
}

void TestMainWindow::laterActivationsChangeNothing()
{
    openPlayerPage();
    window()->FormActivate();
    QCOMPARE(window()->FD->count(), 3);
    QVERIFY(window()->LMDSimplePanel3->isVisible());
    QCOMPARE(window()->FD->currentIndex(), 1);
}

void TestMainWindow::pagesMadeAfterTheFirstPaintAreSetUp()
{
    m_program
        = std::make_unique<AssembledProgram>(*m_installation, AssembledProgram::MainWindowOnly);
    TForm0 *main = window();
    main->resize(1680, 1000);
    main->show();
    QVERIFY(main->LMDPanelFill1->isVisible());
    QCOMPARE(main->FD->count(), 0);
    // Until the pages exist the start panel takes no action.
    clickPicture(picture(QStringLiteral("Image3")));
    QTest::mouseClick(main->LMDMMButton1, Qt::LeftButton);
    QCOMPARE(main->FD->currentIndex(), -1);

    m_program->makePages();
    QCOMPARE(main->FD->count(), 3);
    QCOMPARE(main->FD->page(0), static_cast<QWidget *>(home()));
    QCOMPARE(main->FD->page(2), static_cast<QWidget *>(m_program->forms().Form3));
    QVERIFY(main->LMDSimplePanel3->isHidden());
    clickPicture(picture(QStringLiteral("Image3")));
    QCOMPARE(main->FD->currentIndex(), 0);
    QVERIFY(home()->isVisible());
}

void TestMainWindow::captionStripsCarryTheirLooks()
{
    // The sample's record: Top 62, Left 18, Width 1100, Height 56 in the
    // design space, on a 1680 x 1050 screen.
    FillPanel *strip = window()->LMDFill15;
    QCOMPARE(strip->caption(), QStringLiteral("Clicca sul numero di un esercizio"));
    QCOMPARE(strip->geometry(), QRect(9, 31, 550, 28));
    QCOMPARE(strip->parentWidget(), static_cast<QWidget *>(window()->TabEserc));
    QCOMPARE(elementTag(strip), 10);
    QCOMPARE(elementTag(window()->LMD_LABEL), 80);
    QCOMPARE(window()->LMD_LABEL->height(), 32);

    // The teacher's edit of the caption strip is what the next start shows.
    TestInstallation installation;
    installation.copySample();
    const QByteArray skin = installation.readFile(QStringLiteral("SOL_INI/SKIN.INI"));
    {
        AssembledProgram teacher(installation);
        teacher.forms().Form1->EditMode = true;
        ConfirmOnShow retype(teacher.forms().Form4,
            [](TForm4 *box) { box->Memo1->setText(QStringLiteral("Scegli un esercizio")); });
        QTest::mouseClick(teacher.forms().Form0->LMDFill15, Qt::LeftButton);
        QCOMPARE(retype.shown, 1);
    }
    AssembledProgram next(installation);
    QCOMPARE(next.forms().Form0->LMDFill15->caption(), QStringLiteral("Scegli un esercizio"));
    QCOMPARE(installation.readFile(QStringLiteral("SOL_INI/SKIN.INI")), skin);
}

void TestMainWindow::toolbarHoldsTheButtonsInTheirFixedOrder()
{
    QStringList names;
    for (const QWidget *item : std::as_const(window()->toolbarSequence))
        names << item->objectName();
    QCOMPARE(names,
        (QStringList { QStringLiteral("LMDhome"), QStringLiteral("LMDconfigure"),
            QStringLiteral("LMDcopy"), QStringLiteral("LMDdelete"), QStringLiteral("LMDclasse"),
            QStringLiteral("LMDcarica"), QStringLiteral("LMDsalva"), QStringLiteral("LMDstampa"),
            QStringLiteral("LMDhelp"), QStringLiteral("LMDspeaker"), QStringLiteral("LMDsoluzione"),
            QStringLiteral("LMDripristina"), QStringLiteral("TabEserc") }));
    for (int i = 0; i + 1 < window()->toolbarSequence.size(); ++i) {
        auto *button = qobject_cast<PictureButton *>(window()->toolbarSequence.at(i));
        QVERIFY(button);
        QCOMPARE(button->parentWidget(), window()->LMDbarra);
        QCOMPARE(button->height(), 61);
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(button->font().family(), QStringLiteral("Comic Sans MS"));
        // Pictures are read when the strip first shows, not at start.
        QVERIFY(button->icon().isNull());
    }
    QVERIFY(!window()->Image2->hasPicture());
    window()->LMDSimplePanel3->show();
    for (int i = 0; i + 1 < window()->toolbarSequence.size(); ++i)
        QVERIFY(!static_cast<PictureButton *>(window()->toolbarSequence.at(i))->icon().isNull());
    QVERIFY(window()->Image2->hasPicture());
    QCOMPARE(window()->LMDconfigure->caption(), QStringLiteral("General \r\nOptions"));
    QCOMPARE(window()->LMDcopy->caption(), QStringLiteral("Copy\r\nExercise\r\n"));
    QCOMPARE(window()->LMDdelete->caption(), QStringLiteral("Delete \r\nExercise\r\n"));
    QCOMPARE(window()->LMDclasse->caption(), QStringLiteral("Class\r\nOverview\r\n"));
    QCOMPARE(window()->TabEserc->count(), 14);
    QCOMPARE(window()->TabEserc->tabText(13), QStringLiteral("14"));
    QCOMPARE(window()->LMDSimplePanel3->height(), 97);
    QCOMPARE(window()->LMDbarra->height(), 65);
}

void TestMainWindow::showingTheToolbarShrinksTheHostAndKeepsThePanelCentred()
{
    TForm0 *main = window();
    QCOMPARE(main->FD->geometry(), QRect(0, 0, 1680, 1000));
    main->LMDSimplePanel3->show();
    main->relayout();
    QCOMPARE(main->FD->geometry(), QRect(0, 97, 1680, 903));
    QCOMPARE(main->LMDPanelFill1->pos(), QPoint((1680 - 737) / 2, (903 - 537) / 2));
    main->LMDSimplePanel3->hide();
    main->relayout();
    QCOMPARE(main->LMDPanelFill1->pos(), QPoint((1680 - 737) / 2, (1000 - 537) / 2));
}

void TestMainWindow::openingASheetShowsTheToolbarOverThePlayer_data()
{
    QTest::addColumn<bool>("teacher");
    QTest::newRow("pupil") << false;
    QTest::newRow("teacher") << true;
}

// The home page opens the sheet and lays the toolbar out; this is the main
// window's side of it, then the way back by the home button.
void TestMainWindow::openingASheetShowsTheToolbarOverThePlayer()
{
    QFETCH(bool, teacher);
    TForm0 *main = window();
    m_program->dialogs.inputAnswers << QStringLiteral("maestra");
    clickPicture(picture(teacher ? QStringLiteral("Image1") : QStringLiteral("Image3")));
    QCOMPARE(main->FD->currentIndex(), 0);
    home()->TabSheetMouseUp();

    QCOMPARE(main->FD->currentIndex(), 1);
    QVERIFY(main->LMDSimplePanel3->isVisible());
    QCOMPARE(main->FD->geometry(), QRect(0, 97, 1680, 903));
    QCOMPARE(player()->geometry(), QRect(0, 0, 1680, 903));
    QVERIFY(main->Image2->hasPicture());
    int right = main->LMDbarra->x() + 2;
    for (QWidget *item : std::as_const(main->toolbarSequence)) {
        if (item->isHidden())
            continue;
        QCOMPARE(item->x(), right);
        right = item->geometry().right() + 1;
        if (auto *button = qobject_cast<PictureButton *>(item))
            QVERIFY(!button->icon().isNull());
    }
    QCOMPARE(main->TabEserc->geometry().right() + 1, main->LMDbarra->width());
    QCOMPARE(main->LMDconfigure->isVisible(), teacher);
    QCOMPARE(main->LMDcarica->isVisible(), !teacher);

    QTest::mouseClick(main->LMDhome, Qt::LeftButton);
    QCOMPARE(main->FD->currentIndex(), 0);
    QVERIFY(main->LMDSimplePanel3->isHidden());
    QCOMPARE(main->FD->geometry(), QRect(0, 0, 1680, 1000));
}

void TestMainWindow::startPanelStaysCentred_data()
{
    QTest::addColumn<QSize>("windowSize");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("1680 x 1050") << QSize(1680, 1050) << QPoint(471, 256);
    QTest::newRow("1366 x 768") << QSize(1366, 768) << QPoint(314, 115);
    QTest::newRow("odd sizes round down") << QSize(1001, 800) << QPoint(132, 131);
    // Smaller than the panel: the division truncates toward zero.
    QTest::newRow("narrower than the panel") << QSize(700, 500) << QPoint(-18, -18);
}

void TestMainWindow::startPanelStaysCentred()
{
    QFETCH(QSize, windowSize);
    QFETCH(QPoint, expected);
    window()->setMinimumSize(0, 0);
    window()->resize(windowSize);
    QCOMPARE(window()->FD->size(), windowSize);
    QCOMPARE(window()->LMDPanelFill1->pos(), expected);
}

void TestMainWindow::hoverRaisesOnePictureAtATime()
{
    AnimatedPicture *pupil = picture(QStringLiteral("Image3"));
    AnimatedPicture *teacher = picture(QStringLiteral("Image1"));
    const QRect pupilPlace = pupil->geometry();
    const QRect teacherPlace = teacher->geometry();

    QTest::mouseMove(pupil, QPoint(30, 30));
    QCOMPARE(window()->raisedPicture(), static_cast<QWidget *>(pupil));
    QCOMPARE(pupil->geometry(),
        QRect(pupilPlace.x() - 10, pupilPlace.y() - 10, pupilPlace.width() + 10,
            pupilPlace.height() + 10));
    QCOMPARE(pupil->cursor().shape(), Qt::PointingHandCursor);

    // While one is raised, another is not.
    window()->ImageMouseMove(teacher);
    QCOMPARE(teacher->geometry(), teacherPlace);

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(pupil, &leave);
    QCOMPARE(pupil->geometry(), pupilPlace);
    QCOMPARE(window()->raisedPicture(), nullptr);
    QCOMPARE(pupil->cursor().shape(), Qt::ArrowCursor);
    window()->ImageMouseLeave();
    QCOMPARE(pupil->geometry(), pupilPlace);
}

void TestMainWindow::pressShrinksAndReleaseActsByTag_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<int>("documentsOpened");
    QTest::newRow("pupil") << "Image3" << 1 << 0 << noMessage() << false << 0;
    QTest::newRow("teacher") << "Image1" << 2 << 0 << noMessage() << true << 0;
    QTest::newRow("help") << "Image7" << 3 << -1 << noMessage() << false << 1;
    QTest::newRow("under construction") << "Image5" << 5 << -1 << "UNDER COSTRUCTION" << false << 0;
    QTest::newRow("about") << "Image6" << 6 << -1 << "about" << false << 0;
}

void TestMainWindow::pressShrinksAndReleaseActsByTag()
{
    QFETCH(QString, name);
    QFETCH(int, tag);
    QFETCH(int, page);
    QFETCH(QString, message);
    QFETCH(bool, editMode);
    QFETCH(int, documentsOpened);
    m_program->dialogs.inputAnswers << QStringLiteral("maestra");

    AnimatedPicture *target = picture(name);
    QVERIFY(target);
    QCOMPARE(elementTag(target), tag);
    const QRect place = target->geometry();
    QTest::mousePress(target, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(target->geometry(), place.adjusted(5, 5, 0, 0));
    QCOMPARE(window()->FD->currentIndex(), -1);
    QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(target->geometry(), place);

    QCOMPARE(window()->FD->currentIndex(), page);
    QCOMPARE(home()->EditMode, editMode);
    QCOMPARE(m_program->platform.openedDocuments.size(), documentsOpened);
    if (documentsOpened)
        QCOMPARE(m_program->platform.openedDocuments.first(),
            m_installation->path(QStringLiteral("SOL_INI/Help.pdf")));
    if (message == noMessage()) {
        QVERIFY(m_program->dialogs.messages.isEmpty());
    } else if (message == QLatin1StringView("about")) {
        QCOMPARE(m_program->dialogs.messages.size(), 1);
        QVERIFY(m_program->dialogs.messages.first().startsWith(QStringLiteral("Solvaro\r\n")));
        QVERIFY(m_program->dialogs.messages.first().contains(QStringLiteral("1.0.0.0")));
    } else {
        QCOMPARE(m_program->dialogs.messages, QStringList { message });
    }
}

void TestMainWindow::rightButtonDoesNothing_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : { "Image3", "Image1", "Image7", "Image5", "Image6" })
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestMainWindow::rightButtonDoesNothing()
{
    QFETCH(QString, name);
    AnimatedPicture *target = picture(name);
    const QRect place = target->geometry();
    QTest::mousePress(target, Qt::RightButton, {}, QPoint(20, 20));
    QCOMPARE(target->geometry(), place);
    QTest::mouseRelease(target, Qt::RightButton, {}, QPoint(20, 20));
    QCOMPARE(target->geometry(), place);
    QCOMPARE(window()->FD->currentIndex(), -1);
    QVERIFY(m_program->dialogs.messages.isEmpty());
    QVERIFY(m_program->dialogs.prompts.isEmpty());
    QVERIFY(m_program->platform.openedDocuments.isEmpty());
}

void TestMainWindow::accessCode_data()
{
    QTest::addColumn<std::optional<QString>>("typed");
    QTest::addColumn<bool>("admitted");
    QTest::newRow("right") << std::optional<QString>(QStringLiteral("maestra")) << true;
    QTest::newRow("wrong") << std::optional<QString>(QStringLiteral("maestro")) << false;
    QTest::newRow("other letter case")
        << std::optional<QString>(QStringLiteral("Maestra")) << false;
    QTest::newRow("with a blank") << std::optional<QString>(QStringLiteral("maestra ")) << false;
    QTest::newRow("empty") << std::optional<QString>(QString()) << false;
    QTest::newRow("cancelled") << std::optional<QString>() << false;
}

void TestMainWindow::accessCode()
{
    QFETCH(std::optional<QString>, typed);
    QFETCH(bool, admitted);
    m_program->dialogs.inputAnswers << typed;
    clickPicture(picture(QStringLiteral("Image1")));

    QCOMPARE(m_program->dialogs.prompts, QStringList { QStringLiteral("Password:") });
    QCOMPARE(m_program->dialogs.lastCaption, QStringLiteral(" Solvaro "));
    QVERIFY(m_program->dialogs.lastMasked);
    QCOMPARE(home()->EditMode, admitted);
    QCOMPARE(window()->FD->currentIndex(), admitted ? 0 : -1);
    QCOMPARE(m_program->dialogs.messages,
        admitted ? QStringList() : QStringList { QStringLiteral("Not Autorized") });
}

void TestMainWindow::correctCodeIsNotAskedForAgain()
{
    m_program->dialogs.inputAnswers << QStringLiteral("maestra");
    clickPicture(picture(QStringLiteral("Image1")));
    QVERIFY(home()->EditMode);
    window()->FD->hidePage();

    // The pupil's picture ends the teacher's mode, but the code stays known.
    clickPicture(picture(QStringLiteral("Image3")));
    QVERIFY(!home()->EditMode);
    window()->FD->hidePage();
    clickPicture(picture(QStringLiteral("Image1")));
    QVERIFY(home()->EditMode);
    QCOMPARE(window()->FD->currentIndex(), 0);
    QCOMPARE(m_program->dialogs.prompts.size(), 1);
}

void TestMainWindow::wrongCodeIsAskedForAgain()
{
    m_program->dialogs.inputAnswers << QStringLiteral("maestro") << QStringLiteral("maestra");
    clickPicture(picture(QStringLiteral("Image1")));
    QCOMPARE(window()->FD->currentIndex(), -1);
    clickPicture(picture(QStringLiteral("Image1")));
    QCOMPARE(m_program->dialogs.prompts.size(), 2);
    QVERIFY(home()->EditMode);
    QCOMPARE(window()->FD->currentIndex(), 0);
}

void TestMainWindow::missingHelpDocumentDoesNothing()
{
    const QString help = m_installation->path(QStringLiteral("SOL_INI/Help.pdf"));
    const QString kept = help + QStringLiteral(".kept");
    QVERIFY(QFile::rename(help, kept));
    clickPicture(picture(QStringLiteral("Image7")));
    QVERIFY(QFile::rename(kept, help));
    QVERIFY(m_program->platform.openedDocuments.isEmpty());
    QVERIFY(m_program->dialogs.messages.isEmpty());
    QCOMPARE(window()->FD->currentIndex(), -1);
}

void TestMainWindow::closingButtonHandsTheCountToTheClosingScreen()
{
    window()->solvedExercises = 3;
    QTest::mouseClick(window()->LMDMMButton1, Qt::LeftButton);
    QCOMPARE(window()->FD->currentIndex(), 2);
    QVERIFY(m_program->forms().Form3->isVisible());
    QCOMPARE(m_program->forms().Form3->target(), 30);
}

void TestMainWindow::closingWalksBackPageByPage()
{
    openPlayerPage();

    QVERIFY(!window()->close());
    QCOMPARE(elementTag(player()), 1);
    QVERIFY(player()->isHidden());
    QCOMPARE(window()->FD->currentIndex(), 0);
    QVERIFY(window()->LMDSimplePanel3->isHidden());

    QVERIFY(!window()->close());
    QCOMPARE(window()->FD->currentIndex(), -1);
    QVERIFY(window()->LMDPanelFill1->isVisible());

    QVERIFY(window()->close());
    QVERIFY(!window()->isVisible());
}

void TestMainWindow::closingKeepsAPlayerThatRefuses()
{
    openPlayerPage();
    CommandRecorder recorder(player());
    QVERIFY(!window()->close());
    QCOMPARE(recorder.commands, QList<int> { 1 });
    QVERIFY(player()->isVisible());
    QCOMPARE(window()->FD->currentIndex(), 1);
    QVERIFY(window()->LMDSimplePanel3->isVisible());
}

void TestMainWindow::homeButton()
{
    // Nothing while no page is on show.
    window()->LMDhomeClick();
    QCOMPARE(window()->FD->currentIndex(), -1);

    openPlayerPage();
    QTest::mouseClick(window()->LMDhome, Qt::LeftButton);
    QCOMPARE(elementTag(player()), 1);
    QCOMPARE(window()->FD->currentIndex(), 0);
    QVERIFY(window()->LMDSimplePanel3->isHidden());

    // A player that stays open keeps the toolbar and its page.
    openPlayerPage();
    CommandRecorder recorder(player());
    window()->LMDhomeClick();
    QCOMPARE(recorder.commands, QList<int> { 1 });
    QCOMPARE(window()->FD->currentIndex(), 1);
    QVERIFY(window()->LMDSimplePanel3->isVisible());
}

void TestMainWindow::toolbarCommandsReachOnlyPagesFromOne_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("command");
    QTest::newRow("load") << "LMDcarica" << 2;
    QTest::newRow("save") << "LMDsalva" << 3;
    QTest::newRow("print") << "LMDstampa" << 4;
    QTest::newRow("help") << "LMDhelp" << 5;
    QTest::newRow("solution") << "LMDsoluzione" << 8;
    QTest::newRow("restore") << "LMDripristina" << 9;
}

void TestMainWindow::toolbarCommandsReachOnlyPagesFromOne()
{
    QFETCH(QString, button);
    QFETCH(int, command);
    auto *toolButton = window()->findChild<PictureButton *>(button);
    QVERIFY(toolButton);
    CommandRecorder homeRecorder(home());
    CommandRecorder playerRecorder(player());

    window()->FD->showPage(TForm0::HomePage);
    toolButton->click();
    QVERIFY(homeRecorder.commands.isEmpty());
    QVERIFY(home()->isVisible());

    openPlayerPage();
    toolButton->click();
    QCOMPARE(playerRecorder.commands, QList<int> { command });
    QCOMPARE(window()->FD->currentIndex(), 1);
}

void TestMainWindow::exerciseTabsTellThePlayer()
{
    openPlayerPage();
    CommandRecorder recorder(player());
    window()->TabEserc->setCurrentIndex(3);
    QCOMPARE(player()->EsercizioAttuale, 0);
    QCOMPARE(recorder.commands, QList<int> { 7 });
    window()->TabEserc->setCurrentIndex(5);
    QCOMPARE(player()->EsercizioAttuale, 3);
    QCOMPARE(recorder.commands, (QList<int> { 7, 7 }));

    // On the home page the change goes nowhere.
    window()->FD->showPage(TForm0::HomePage);
    window()->TabEserc->setCurrentIndex(1);
    QCOMPARE(recorder.commands.size(), 2);
}

void TestMainWindow::speakerStartsTheVolumeControl()
{
    openPlayerPage();
    QTest::mouseClick(window()->LMDspeaker, Qt::LeftButton);
    QCOMPARE(m_program->platform.volumeControlStarts, 1);
}

void TestMainWindow::missingViewerAndVolumeControlAreTold()
{
    m_program->platform.hasPdfViewer = false;
    m_program->platform.hasVolumeControl = false;
    clickPicture(picture(QStringLiteral("Image7")));
    QCOMPARE(m_program->dialogs.messages.size(), 1);
    const QString help
        = QDir::toNativeSeparators(m_installation->path(QStringLiteral("SOL_INI/Help.pdf")));
    QVERIFY2(m_program->dialogs.messages.first().contains(QStringLiteral("PDF documents"))
            && m_program->dialogs.messages.first().contains(help),
        qPrintable(m_program->dialogs.messages.first()));

    openPlayerPage();
    QTest::mouseClick(window()->LMDspeaker, Qt::LeftButton);
    QCOMPARE(m_program->dialogs.messages.size(), 2);
    QVERIFY2(m_program->dialogs.messages.last().contains(QStringLiteral("volume control"))
            && m_program->dialogs.messages.last().contains(QStringLiteral("pavucontrol")),
        qPrintable(m_program->dialogs.messages.last()));
}

void TestMainWindow::functionKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("F2 tells the system")
        << int(Qt::Key_F2)
        << "Processor=Test CPU 3000\r\nMem=2048\r\nScreen H=768\r\nScreen W=1366\r\n"
           "Screen PPi=\r\n";
    QTest::newRow("F1 shows the about box") << int(Qt::Key_F1) << "about";
}

void TestMainWindow::functionKeys()
{
    QFETCH(int, key);
    QFETCH(QString, expected);
    SystemInformation &info = m_program->platform.information;
    info.processor = QStringLiteral("Test CPU 3000");
    info.memoryBytes = quint64(2048) * 1024 * 1024;
    info.screenHeight = 768;
    info.screenWidth = 1366;
    info.pixelsPerInch = 0;
    window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window()));
    // The window hears the key even while a page has the focus.
    openPlayerPage();
    player()->setFocus();
    QTest::keyClick(player(), Qt::Key(key));
    QCOMPARE(m_program->dialogs.messages.size(), 1);
    if (expected == QLatin1StringView("about"))
        QVERIFY(m_program->dialogs.messages.first().startsWith(QStringLiteral("Solvaro\r\n")));
    else
        QCOMPARE(m_program->dialogs.messages.first(), expected);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
