#include "app/unit0.h"
#include "dialogs/unit2.h"
#include "dialogs/unit3.h"
#include "storage/inifile.h"
#include "tst_programfixture.h"
#include "ui/animatedpicture.h"
#include "ui/fillpanel.h"
#include "ui/lednumber.h"
#include "ui/memo.h"
#include "ui/pagehost.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace solvaro;

class TestClosingScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensCentredWithTheCredits();
    void threeSolvedCountToThirty();
    void twelveSolvedFillTwoRows();
    void missingBellPlaysTheBuiltInOne();
    void missingCockadePictureLeavesEmptyPlaces();
    void nothingSolvedPlaysTheCloseSound();
    void nothingSolvedWithoutACloseSoundWaitsTenSeconds();
    void memoDialogOffersColourAndFont();

private:
    void start(int solved);
    void tick(int times);
    void minimiseAndRestore();
    TForm3 *screen() const { return m_program->forms().Form3; }

    std::unique_ptr<TestInstallation> m_installation;
    std::unique_ptr<AssembledProgram> m_program;
    int m_highestDisplay = 0;
};

void TestClosingScreen::initTestCase()
{
    m_installation = std::make_unique<TestInstallation>();
    m_installation->copySample();
}

void TestClosingScreen::init()
{
    // The files some tests take away or change come back from the sample.
    for (const char *file : { "SOL_INI/GLOBAL.INI", "SOL_WAV/ding.wav", "SOL_IMG/coccarda.bmp" }) {
        QFile sample(QStringLiteral(SOLVARO_SAMPLE_DIR "/") + QLatin1String(file));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        m_installation->writeFile(QLatin1String(file), sample.readAll());
    }
    m_highestDisplay = 0;
}

void TestClosingScreen::cleanup()
{
    m_program.reset();
}

// Opens the closing screen from the start panel's closing button.
void TestClosingScreen::start(int solved)
{
    m_program = std::make_unique<AssembledProgram>(*m_installation);
    TForm0 *window = m_program->forms().Form0;
    window->resize(1300, 900);
    window->show();
    window->solvedExercises = solved;
    QTest::mouseClick(window->LMDMMButton1, Qt::LeftButton);
    QCOMPARE(window->FD->currentIndex(), 2);
}

void TestClosingScreen::tick(int times)
{
    for (int i = 0; i < times; ++i) {
        screen()->Timer1Timer();
        m_highestDisplay = qMax(m_highestDisplay, screen()->SCORE->value());
    }
}

// The window system hides and shows the screen again; it is not shown anew.
void TestClosingScreen::minimiseAndRestore()
{
    TForm0 *window = m_program->forms().Form0;
    window->setWindowState(Qt::WindowMinimized);
    window->setWindowState(Qt::WindowNoState);
    QVERIFY(screen()->isVisible());
}

void TestClosingScreen::opensCentredWithTheCredits()
{
    start(1);
    QCOMPARE(screen()->size(), QSize(1300, 900));
    QCOMPARE(screen()->LMDPF->geometry(), QRect(650 - 368, 450 - 268, 737, 537));
    QVERIFY(screen()->LMDFill1->caption().startsWith(QStringLiteral("Solvaro    ")));
    QVERIFY(screen()->ani1->isVisible());
    QCOMPARE(screen()->SCORE->digitCount(), 4);
    QCOMPARE(screen()->SCORE->value(), 0);
}

void TestClosingScreen::threeSolvedCountToThirty()
{
    start(3);
    QSignalSpy ended(screen(), &TForm3::programEnded);
    QCOMPARE(screen()->target(), 30);
    QVERIFY(!screen()->ani1->isAnimating());
    QVERIFY(screen()->Timer1->isActive());
    QCOMPARE(screen()->Timer1->interval(), 5);
    const QString bell = m_installation->path(QStringLiteral("SOL_WAV/ding.wav"));
    QCOMPARE(screen()->SUONO, bell);

    tick(1);
    QCOMPARE(screen()->SCORE->value(), 1);
    QCOMPARE(screen()->Timer1->interval(), 80);
    tick(8);
    QCOMPARE(screen()->cockadesPlaced(), 0);
    tick(1);
    QCOMPARE(screen()->SCORE->value(), 10);
    QCOMPARE(screen()->cockadesPlaced(), 1);
    QCOMPARE(m_program->sound.played, QStringList { bell });
    minimiseAndRestore();
    QCOMPARE(screen()->target(), 30);
    QCOMPARE(screen()->SCORE->value(), 10);
    QCOMPARE(screen()->cockadesPlaced(), 1);
    tick(20);
    QCOMPARE(screen()->SCORE->value(), 30);
    QCOMPARE(screen()->cockadesPlaced(), 3);
    QCOMPARE(m_program->sound.played, (QStringList { bell, bell, bell }));
    QVERIFY(screen()->Timer1->isActive());

    // The count stops on the score itself and the 9 seconds begin.
    tick(1);
    QCOMPARE(screen()->SCORE->value(), 30);
    QCOMPARE(m_highestDisplay, 30);
    QVERIFY(!screen()->Timer1->isActive());
    QVERIFY(screen()->endWait()->isActive());
    QVERIFY(screen()->endWait()->isSingleShot());
    QCOMPARE(screen()->endWait()->interval(), 9000);
    QCOMPARE(ended.count(), 0);
    minimiseAndRestore();
    QVERIFY(!screen()->Timer1->isActive());
    QVERIFY(screen()->endWait()->isActive());
    QCOMPARE(screen()->SCORE->value(), 30);

    screen()->endWaitTimeout();
    QCOMPARE(ended.count(), 1);
    QVERIFY(!screen()->endWait()->isActive());
}

void TestClosingScreen::twelveSolvedFillTwoRows()
{
    start(12);
    tick(121);
    QCOMPARE(screen()->SCORE->value(), 120);
    QCOMPARE(m_highestDisplay, 120);
    const QList<AnimatedPicture *> cockades = screen()->cockades();
    QCOMPARE(cockades.size(), 12);
    for (int k = 0; k < 10; ++k)
        QCOMPARE(cockades.at(k)->pos(), QPoint(80 + 55 * k, 380));
    QCOMPARE(cockades.at(10)->pos(), QPoint(90, 390));
    QCOMPARE(cockades.at(11)->pos(), QPoint(145, 390));
    for (AnimatedPicture *cockade : cockades) {
        QCOMPARE(cockade->parentWidget(), static_cast<QWidget *>(screen()->LMDPF));
        QVERIFY(cockade->isVisible());
        QVERIFY(cockade->hasPicture());
        QVERIFY(cockade->isTransparent());
        QCOMPARE(cockade->width(), 50);
    }
    QVERIFY(screen()->endWait()->isActive());
}

void TestClosingScreen::missingBellPlaysTheBuiltInOne()
{
    QVERIFY(QFile::remove(m_installation->path(QStringLiteral("SOL_WAV/ding.wav"))));
    start(1);
    QCOMPARE(screen()->SUONO, QStringLiteral(":/sounds/bell.wav"));
    QVERIFY(QFileInfo(screen()->SUONO).isFile());
    tick(10);
    QCOMPARE(m_program->sound.played, QStringList { QStringLiteral(":/sounds/bell.wav") });
}

void TestClosingScreen::missingCockadePictureLeavesEmptyPlaces()
{
    QVERIFY(QFile::remove(m_installation->path(QStringLiteral("SOL_IMG/coccarda.bmp"))));
    start(2);
    tick(21);
    QCOMPARE(screen()->cockadesPlaced(), 2);
    QVERIFY(!screen()->cockades().first()->hasPicture());
    QVERIFY(m_program->dialogs.errors.isEmpty());
    QVERIFY(screen()->endWait()->isActive());
}

void TestClosingScreen::nothingSolvedPlaysTheCloseSound()
{
    const QString voice = m_installation->path(QStringLiteral("SOL_WAV/Arrivederci.wav"));
    // R / (samples per second x block alignment): 22050 Hz, 16-bit mono.
    const qint64 riffSize = QFileInfo(voice).size() - 8;
    const int expected = int(riffSize / (22050 * 2)) * 999 + 4995;
    start(0);
    QSignalSpy ended(screen(), &TForm3::programEnded);
    QVERIFY(screen()->ani1->isAnimating());
    QCOMPARE(m_program->sound.played, QStringList { voice });
    QVERIFY(screen()->Timer1->isActive());
    QCOMPARE(screen()->Timer1->interval(), expected);
    QVERIFY(!screen()->endWait()->isActive());

    tick(1);
    QCOMPARE(ended.count(), 1);
    QVERIFY(!screen()->Timer1->isActive());
    QCOMPARE(screen()->SCORE->value(), 0);
}

void TestClosingScreen::nothingSolvedWithoutACloseSoundWaitsTenSeconds()
{
    {
        IniFile settings(m_installation->path(QStringLiteral("SOL_INI/GLOBAL.INI")));
        settings.deleteKey(QStringLiteral("COMMONAREA"), QStringLiteral("W7"));
        settings.updateFile();
    }
    start(0);
    QSignalSpy ended(screen(), &TForm3::programEnded);
    QVERIFY(screen()->ani1->isAnimating());
    QVERIFY(m_program->sound.played.isEmpty());
    QVERIFY(!screen()->Timer1->isActive());
    QVERIFY(screen()->endWait()->isActive());
    QCOMPARE(screen()->endWait()->interval(), 10000);
    screen()->endWaitTimeout();
    QCOMPARE(ended.count(), 1);
    screen()->endWaitTimeout();
    QCOMPARE(ended.count(), 1);
}

void TestClosingScreen::memoDialogOffersColourAndFont()
{
    m_program = std::make_unique<AssembledProgram>(*m_installation);
    TForm2 *memo = m_program->forms().Form2;
    QCOMPARE(memo->Button1->text(), QStringLiteral("Colore"));
    QCOMPARE(memo->Button2->text(), QStringLiteral("Font"));
    QCOMPARE(memo->Button3->text(), QStringLiteral("salva"));
    QVERIFY(!memo->isVisible());
    memo->Memo1->setText(QStringLiteral("a\r\nb"));
    const QFont before = memo->Memo1->font();

    m_program->dialogs.colorAnswers << QColor(Qt::red);
    m_program->dialogs.fontAnswers << QFont(QStringLiteral("Serif"), 30);
    memo->Button1->click();
    memo->Button2->click();
    memo->Button3->click();
    QVERIFY(m_program->dialogs.colorAnswers.isEmpty());
    QVERIFY(m_program->dialogs.fontAnswers.isEmpty());
    // The choices are not used.
    QCOMPARE(memo->Memo1->font(), before);
    QCOMPARE(memo->Memo1->text(), QStringLiteral("a\r\nb"));
}

QTEST_MAIN(TestClosingScreen)
#include "tst_closingscreen.moc"
