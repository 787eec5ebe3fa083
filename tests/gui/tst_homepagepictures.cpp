#include "home/tgif.h"
#include "home/unit1.h"
#include "storage/inifile.h"
#include "ui/elementtag.h"
#include "ui/fillpanel.h"
#include "ui/pagehost.h"

#include "tst_homepagefixture.h"

#include <QMenu>
#include <QTest>
#include <QTimer>

using namespace solvaro;
using namespace Qt::StringLiterals;

// The moving pictures of the home page: loading them from the skin, their
// motion, and the teacher's commands on them.
class TestHomePagePictures : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void skinPicturesAreLoaded();
    void sectionsKeepTheirPicturesAcrossHoles();
    void unreadablePicturesShowOnlyToTheTeacher();
    void picturesMoveOnlyWhileTheHomePageShows();
    void activationLooksByMode_data();
    void activationLooksByMode();

    void setSpeed_data();
    void setSpeed();
    void pathEndsAreStoredInTheDesignSpace();
    void disableMove();
    void hintDescribesThePath();
    void draggingStoresTheBounds();
    void deletedSlotsStayEmpty();
    void resetGifPositionLinesThemUp();

private:
    void start(const QStringList &pictureSections = {}, QSize screen = QSize(1680, 1050));
    TForm1 *home() const { return m_program->home(); }
    Tgif *gif(int index) const { return home()->Gifs.at(index); }
    IniFile skin() const { return IniFile(m_installation->path(u"SOL_INI/SKIN.INI"_s)); }

    std::unique_ptr<TestInstallation> m_installation;
    std::unique_ptr<HomeProgram> m_program;
};

void TestHomePagePictures::init()
{
    m_installation = std::make_unique<TestInstallation>();
    m_installation->copySample();
}

void TestHomePagePictures::cleanup()
{
    m_program.reset();
    m_installation.reset();
}

// Replaces the sample skin's pictures with the given sections.
void TestHomePagePictures::start(const QStringList &pictureSections, QSize screen)
{
    if (!pictureSections.isEmpty())
        m_installation->writeFile(u"SOL_INI/SKIN.INI"_s, iniText(pictureSections));
    m_program = std::make_unique<HomeProgram>(*m_installation, screen);
}

void TestHomePagePictures::skinPicturesAreLoaded()
{
    start();
    QCOMPARE(home()->Gifs.size(), 3);
    // ani100 of the sample: left 100, top 1400, width 180, height 240, a
    // horizontal path from 100 to 3000 at 8 a tick.
    Tgif *first = gif(0);
    QCOMPARE(first->objectName(), u"Ani100"_s);
    QCOMPARE(first->parentWidget(), static_cast<QWidget *>(home()->LMDsfondoUnit1));
    QCOMPARE(first->geometry(), QRect(50, 700, 90, 120));
    QCOMPARE(first->path, (GifPath { 50, 700, 1500, 700, 8 }));
    QCOMPARE(elementTag(gif(2)), 2);
    QVERIFY(first->stretch());
    // Loaded pictures stand still until the page shows.
    QVERIFY(!first->isAnimating());
}

void TestHomePagePictures::sectionsKeepTheirPicturesAcrossHoles()
{
    start({ u"[ani100]"_s, u"FileName=SOL_IMG\\Omino.gif"_s, u"width=300"_s, u"height=300"_s,
        u"[ani102]"_s, u"FileName=SOL_IMG\\Stella.gif"_s, u"width=30"_s });
    QCOMPARE(home()->Gifs.size(), 2);
    QCOMPARE(gif(1)->objectName(), u"Ani101"_s);
    QCOMPARE(gif(1)->section, u"Ani102"_s);
    // 30 in the design space is 15 pixels: too narrow, so the natural size.
    QCOMPARE(gif(1)->size(), gif(1)->pictureSize());
    QCOMPARE(gif(0)->size(), QSize(150, 150));

    // Edits go to the section the picture came from.
    home()->SelectedGif = 1;
    m_program->dialogs.inputAnswers << u"4"_s;
    home()->SetSpeedClick();
    QCOMPARE(skin().readInteger(u"ani102"_s, u"DX"_s, 0), 4);
    QVERIFY(!skin().sectionExists(u"ani101"_s));
}

void TestHomePagePictures::unreadablePicturesShowOnlyToTheTeacher()
{
    m_installation->writeFile(u"SOL_IMG/Rotto.gif"_s, "not a picture");
    start({ u"[ani100]"_s, u"FileName=#"_s, u"width=300"_s, u"X2=900"_s, u"[ani101]"_s,
        u"FileName=SOL_IMG\\Rotto.gif"_s, u"[ani102]"_s, u"FileName=SOL_IMG\\Palla.gif"_s,
        u"[COMMONAREA]"_s, u"FISCHIO=NO"_s });
    QCOMPARE(home()->whistle(), u"NO"_s);
    QCOMPARE(home()->Gifs.size(), 2);
    m_program->showHomePage(false);
    QVERIFY(gif(0)->isHidden());
    QVERIFY(gif(1)->isVisible());
    QCOMPARE(gif(1)->section, u"Ani102"_s);

    // The teacher sees the broken entry and can delete it.
    m_program->main()->FD->hidePage();
    m_program->showHomePage(true);
    QVERIFY(gif(0)->isVisible());
    QVERIFY(!gif(0)->hasPicture());
    QCOMPARE(gif(0)->section, u"Ani101"_s);

    // A new picture takes a section free in the file, inheriting nothing.
    m_program->dialogs.fileAnswers << m_installation->path(u"SOL_IMG/Stella.gif"_s);
    home()->AddAnimateGifClick();
    QCOMPARE(gif(2)->section, u"Ani103"_s);
    QCOMPARE(skin().readString(u"ani101"_s, u"FileName"_s, QString()), u"SOL_IMG\\Rotto.gif"_s);
    QCOMPARE(skin().readString(u"ani100"_s, u"X2"_s, QString()), u"900"_s);

    home()->SelectedGif = 0;
    home()->DeleteGifClick();
    QVERIFY(!skin().sectionExists(u"ani101"_s));
}

void TestHomePagePictures::picturesMoveOnlyWhileTheHomePageShows()
{
    start();
    Tgif *walker = gif(0);
    const QPoint startPoint = walker->pos();
    home()->Timer1Timer();
    QCOMPARE(walker->pos(), startPoint);

    m_program->showHomePage(false);
    QVERIFY(home()->Timer1->isActive());
    home()->Timer1Timer();
    QCOMPARE(walker->pos(), startPoint + QPoint(8, 0));
    // The balloon climbs: a vertical path upwards.
    QCOMPARE(gif(1)->path.DX, -5);

    m_program->main()->FD->hidePage();
    QVERIFY(!home()->Timer1->isActive());
    home()->Timer1Timer();
    QCOMPARE(walker->pos(), startPoint + QPoint(8, 0));
}

void TestHomePagePictures::activationLooksByMode_data()
{
    QTest::addColumn<bool>("editMode");
    QTest::newRow("pupil") << false;
    QTest::newRow("teacher") << true;
}

void TestHomePagePictures::activationLooksByMode()
{
    QFETCH(bool, editMode);
    start();
    gif(0)->move(400, 400);
    m_program->showHomePage(editMode);
    // Back to the start of the path.
    QCOMPARE(gif(0)->pos(), QPoint(50, 700));
    for (const QPointer<Tgif> &picture : std::as_const(home()->Gifs)) {
        QCOMPARE(picture->isTransparent(), !editMode);
        QCOMPARE(picture->isAnimating(), !editMode);
        QCOMPARE(picture->contextMenu(), editMode ? home()->PPgif : nullptr);
    }
}

void TestHomePagePictures::setSpeed_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<int>("step");

    QTest::newRow("a speed") << std::optional<QString>(u"5"_s) << -5;
    QTest::newRow("not a number changes nothing") << std::optional<QString>(u"svelto"_s) << -3;
    QTest::newRow("zero counts as one") << std::optional<QString>(u"0"_s) << -1;
    QTest::newRow("cancelled gives one") << std::optional<QString>() << -1;
    // Kept to the prompt's 1 .. 100.
    QTest::newRow("beyond a hundred") << std::optional<QString>(u"250"_s) << -100;
    QTest::newRow("negative") << std::optional<QString>(u"-7"_s) << -1;
    QTest::newRow("lowest integer") << std::optional<QString>(u"-2147483648"_s) << -1;
}

void TestHomePagePictures::setSpeed()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(int, step);

    // A path leftwards: the step heads from the start to the end.
    start({ u"[ani100]"_s, u"FileName=SOL_IMG\\Palla.gif"_s, u"X1=2000"_s, u"Y1=400"_s, u"X2=200"_s,
        u"Y2=400"_s, u"DX=-3"_s });
    home()->EditMode = true;
    home()->SelectedGif = 0;
    m_program->dialogs.inputAnswers << answer;
    home()->SetSpeedClick();
    QCOMPARE(m_program->dialogs.lastCaption, u"GIF SPEED"_s);
    QCOMPARE(gif(0)->path.DX, step);
    QCOMPARE(skin().readInteger(u"ani100"_s, u"DX"_s, 0), step);
}

void TestHomePagePictures::pathEndsAreStoredInTheDesignSpace()
{
    start({ u"[ani100]"_s, u"FileName=SOL_IMG\\Palla.gif"_s, u"DX=-6"_s }, QSize(1366, 768));
    home()->SelectedGif = 0;
    Tgif *ball = gif(0);
    ball->move(100, 200);
    home()->MoveFromStartClick();
    ball->move(50, 100);
    home()->MoveToEndClick();
    QCOMPARE(ball->path, (GifPath { 100, 200, 50, 100, -6 }));
    const IniFile file = skin();
    QCOMPARE(file.readInteger(u"ani100"_s, u"X1"_s, 0), 245);
    QCOMPARE(file.readInteger(u"ani100"_s, u"Y1"_s, 0), 546);
    QCOMPARE(file.readInteger(u"ani100"_s, u"X2"_s, 0), 122);
    QCOMPARE(file.readInteger(u"ani100"_s, u"Y2"_s, 0), 273);
    QCOMPARE(file.readInteger(u"ani100"_s, u"DX"_s, 0), -6);

    // Read back at the next load, the path is where the picture was put.
    home()->CARICA_TEMA();
    // 1366 × 245 / 3360 is about 99.6: a stored place may come back a pixel off.
    QCOMPARE(gif(0)->path.X1, 99);
    QCOMPARE(gif(0)->path.Y2, 99);
}

void TestHomePagePictures::disableMove()
{
    start();
    home()->SelectedGif = 1;
    const QPoint place = gif(1)->pos();
    home()->DisableMoveClick();
    QCOMPARE(gif(1)->path, (GifPath { -1, -1, -1, -1, 0 }));
    QCOMPARE(gif(1)->pos(), place);
    const IniFile file = skin();
    for (const QString &key : { u"X1"_s, u"Y1"_s, u"X2"_s, u"Y2"_s, u"DX"_s })
        QCOMPARE(file.readInteger(u"ani101"_s, key, 0), -1);
    home()->Timer1Timer();
    QCOMPARE(gif(1)->pos(), place);
}

void TestHomePagePictures::hintDescribesThePath()
{
    start();
    m_program->showHomePage(true);
    Tgif *picture = gif(2);
    picture->path = GifPath { 10, 20, 300, 20, 4 };
    QTest::mouseMove(picture, QPoint(3, 3));
    QCOMPARE(home()->SelectedGif, 2);
    QCOMPARE(picture->hint(), u"2\rStart X10 , Y20\rEnd   X300 , Y20\rSpeed 4"_s);
    QVERIFY(picture->showHint());
}

void TestHomePagePictures::draggingStoresTheBounds()
{
    start();
    m_program->showHomePage(true);
    Tgif *picture = gif(0);
    picture->resize(100, 80);
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(home()->GifDragging);
    QTest::mouseMove(picture, QPoint(5, 5) + (QPoint(300, 200) - picture->pos()));
    QCOMPARE(picture->pos(), QPoint(300, 200));
    // The handles stand round the picture, in the page's coordinates.
    const QPoint topLeft = picture->mapTo(home(), QPoint(0, 0)) - QPoint(2, 2);
    QCOMPARE(home()->Nodes.at(0)->pos(), topLeft);
    QVERIFY(home()->Nodes.at(4)->isVisible());
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!home()->GifDragging);

    const IniFile file = skin();
    QCOMPARE(file.readInteger(u"ani100"_s, u"Left"_s, 0), 600);
    QCOMPARE(file.readInteger(u"ani100"_s, u"top"_s, 0), 400);
    QCOMPARE(file.readInteger(u"ani100"_s, u"width"_s, 0), 200);
    // The height is measured against the width too.
    QCOMPARE(file.readInteger(u"ani100"_s, u"height"_s, 0), 160);

    // The bottom-right handle follows the mouse's horizontal movement on both
    // sides; pulled far past the top-left corner, the picture stays two handles
    // high instead of turning inside out.
    const QPoint grip = home()->Nodes.at(4)->mapToGlobal(QPoint(2, 2));
    home()->NodeMouseDown(4, grip);
    home()->NodeMouseMove(4, grip + QPoint(20, 0));
    QCOMPARE(picture->geometry(), QRect(300, 200, 120, 100));
    home()->NodeMouseMove(4, grip + QPoint(-500, 0));
    QCOMPARE(picture->size(), QSize(30, 10));
    home()->NodeMouseUp(4);
    QCOMPARE(skin().readInteger(u"ani100"_s, u"width"_s, 0), 60);
}

void TestHomePagePictures::deletedSlotsStayEmpty()
{
    start();
    m_program->showHomePage(true);
    home()->SelectedGif = 1;
    home()->DeleteGifClick();
    QVERIFY(!skin().sectionExists(u"ani101"_s));
    QCOMPARE(home()->Gifs.size(), 3);
    QVERIFY(!home()->Gifs.at(1));
    QCOMPARE(gif(2)->objectName(), u"Ani102"_s);

    m_program->dialogs.fileAnswers << m_installation->path(u"SOL_IMG/Stella.gif"_s);
    home()->AddAnimateGifClick();
    QCOMPARE(home()->Gifs.size(), 4);
    QCOMPARE(home()->SelectedGif, 3);
    QCOMPARE(gif(3)->objectName(), u"Ani103"_s);
    QCOMPARE(skin().readString(u"ani103"_s, u"FileName"_s, QString()), u"SOL_IMG\\Stella.gif"_s);
    QCOMPARE(gif(3)->pos(), QPoint(10, 10));
    QVERIFY(!gif(3)->isTransparent());

    // A picture that does not read is refused, and nothing is written.
    m_installation->writeFile(u"Scelte/Rotta.gif"_s, "GIF89a broken");
    m_program->dialogs.fileAnswers << m_installation->path(u"Scelte/Rotta.gif"_s);
    home()->AddAnimateGifClick();
    QCOMPARE(home()->Gifs.size(), 4);
    QCOMPARE(m_program->dialogs.errors.size(), 1);
    QVERIFY(m_installation->readFile(u"SOL_IMG/Rotta.gif"_s).isEmpty());
}

void TestHomePagePictures::resetGifPositionLinesThemUp()
{
    start();
    home()->ResetGifPositionClick();
    QCOMPARE(gif(0)->pos(), QPoint(20, 10));
    QCOMPARE(gif(1)->pos(), QPoint(20 + gif(0)->width() + 10, 10));
    const IniFile file = skin();
    QCOMPARE(file.readInteger(u"ani100"_s, u"Left"_s, 0), 40);
    QCOMPARE(file.readInteger(u"ani100"_s, u"top"_s, 0), 20);
    // The paths stay: the next showing puts the pictures back on them.
    QCOMPARE(file.readInteger(u"ani100"_s, u"X2"_s, 0), 3000);
}

QTEST_MAIN(TestHomePagePictures)
#include "tst_homepagepictures.moc"
