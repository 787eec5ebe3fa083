#include "app/unit0.h"
#include "dialogs/unit5.h"
#include "home/unit1.h"
#include "storage/inifile.h"
#include "tst_programfixture.h"
#include "ui/animatedpicture.h"
#include "ui/fillpanel.h"
#include "ui/lookwidgets.h"
#include "ui/pagehost.h"
#include "ui/textlabel.h"
#include "whenshown.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

using namespace solvaro;

class TestMainWindowDragging : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void draggedElementsStoreTheirPlace_data();
    void draggedElementsStoreTheirPlace();
    void mouseEventsDriveTheDrag();
    void theLogoStaysWhereTheTeacherLeftIt();
    void nothingMovesOutsideTheTeachersMode();
    void otherElementsDoNotMove();
    void panelsAreNotDragged();
    void captionStripCursorFollowsTheMode();
    void loadGif_data();
    void loadGif();

private:
    TForm0 *window() const { return m_program->forms().Form0; }
    TForm1 *home() const { return m_program->forms().Form1; }
    int stored(const QString &file, const QString &section, const QString &key) const
    {
        return IniFile(m_installation->path(file)).readInteger(section, key, -1);
    }

    std::unique_ptr<TestInstallation> m_installation;
    std::unique_ptr<AssembledProgram> m_program;
    QWidget *m_surface = nullptr;
};

void TestMainWindowDragging::initTestCase()
{
    m_installation = std::make_unique<TestInstallation>();
    m_installation->copySample();
}

void TestMainWindowDragging::init()
{
    // Every test starts from the sample's own settings and exercise file.
    for (const char *file : { "SOL_INI/GLOBAL.INI", "SOL_INI/Tipo0.INI" }) {
        QFile sample(QStringLiteral(SOLVARO_SAMPLE_DIR "/") + QLatin1String(file));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        m_installation->writeFile(QLatin1String(file), sample.readAll());
    }
    QFile::remove(m_installation->path(QStringLiteral("SOL_INI/Test.INI")));
    m_program = std::make_unique<AssembledProgram>(*m_installation);
    window()->resize(1200, 800);
    window()->show();
    window()->FD->showPage(TForm0::HomePage);
    // Elements of a page, as the player and the home page create them.
    m_surface = new QWidget(home());
    m_surface->setGeometry(0, 0, 800, 600);
    m_surface->show();
}

void TestMainWindowDragging::cleanup()
{
    m_program.reset();
}

void TestMainWindowDragging::draggedElementsStoreTheirPlace_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("topKey");
    QTest::addColumn<QString>("leftKey");
    const QString sheet = QStringLiteral("SOL_INI/Tipo0.INI");
    const QString global = QStringLiteral("SOL_INI/GLOBAL.INI");
    QTest::newRow("top animation") << "picture"
                                   << "GIFtop" << sheet << "top"
                                   << "Left";
    QTest::newRow("bottom animation") << "picture"
                                      << "GIFbottom" << sheet << "top"
                                      << "Left";
    QTest::newRow("other picture") << "picture"
                                   << "Farfalla" << global << "top"
                                   << "Left";
    QTest::newRow("label") << "label"
                           << "Label3" << global << "top"
                           << "Left";
    QTest::newRow("problem text strip") << "strip"
                                        << "LMDtesto" << sheet << "LMDtesto.Top"
                                        << "LMDtesto.Left";
    QTest::newRow("picture strip") << "strip"
                                   << "LMDimage" << sheet << "LMDimage.Top"
                                   << "LMDimage.Left";
    QTest::newRow("other strip") << "strip"
                                 << "LMDFill9" << global << "LMDFill9.Top"
                                 << "LMDFill9.Left";
}

void TestMainWindowDragging::draggedElementsStoreTheirPlace()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QString, file);
    QFETCH(QString, topKey);
    QFETCH(QString, leftKey);
    QWidget *element = nullptr;
    if (kind == QLatin1StringView("picture"))
        element = new AnimatedPicture(m_surface);
    else if (kind == QLatin1StringView("label"))
        element = new TextLabel(m_surface);
    else
        element = new FillPanel(m_surface);
    element->setObjectName(name);
    element->setGeometry(100, 50, 80, 60);
    element->show();
    home()->EditMode = true;

    window()->GIFtopMouseDown(element, Qt::LeftButton, QPoint(500, 400));
    QVERIFY(window()->isDragging());
    window()->GIFtopMouseMove(element, QPoint(530, 388));
    QCOMPARE(element->pos(), QPoint(130, 38));
    window()->GIFtopMouseMove(element, QPoint(520, 398));
    QCOMPARE(element->pos(), QPoint(120, 48));
    window()->GIFtopMouseUp(element, Qt::LeftButton);
    QVERIFY(!window()->isDragging());

    // Pixels, without the design space.
    QCOMPARE(stored(file, name, topKey), 48);
    QCOMPARE(stored(file, name, leftKey), 120);
    const QString other = file.endsWith(QLatin1StringView("GLOBAL.INI"))
        ? QStringLiteral("SOL_INI/Tipo0.INI")
        : QStringLiteral("SOL_INI/GLOBAL.INI");
    QCOMPARE(stored(other, name, topKey), -1);
}

void TestMainWindowDragging::mouseEventsDriveTheDrag()
{
    auto *label = new TextLabel(m_surface);
    label->setObjectName(QStringLiteral("Label7"));
    label->setCaption(QStringLiteral("drag me"));
    label->setGeometry(200, 100, 120, 40);
    label->show();
    window()->attachDragHandlers(label);
    home()->EditMode = true;

    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(window()->isDragging());
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(label, QPoint(35, 30));
    QCOMPARE(label->pos(), QPoint(225, 120));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!window()->isDragging());
    QCOMPARE(label->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(stored(QStringLiteral("SOL_INI/GLOBAL.INI"), QStringLiteral("Label7"),
                 QStringLiteral("Left")),
        225);
}

void TestMainWindowDragging::theLogoStaysWhereTheTeacherLeftIt()
{
    AnimatedPicture *logo = window()->Image2;
    window()->LMDSimplePanel3->show();
    window()->relayout();
    const int right = window()->LMDSimplePanel3->width() - logo->width();
    QCOMPARE(logo->pos(), QPoint(right, 0));
    home()->EditMode = true;
    QTest::mousePress(logo, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(logo, QPoint(10 - 300, 14));
    QTest::mouseRelease(logo, Qt::LeftButton, {}, QPoint(10, 14));
    QCOMPARE(logo->pos(), QPoint(right - 300, 4));
    QCOMPARE(stored(QStringLiteral("SOL_INI/GLOBAL.INI"), QStringLiteral("Image2"),
                 QStringLiteral("Left")),
        right - 300);

    // A right click opens the media settings on the current sheet.
    WhenShown media(m_program->forms().Form5, [] {});
    QTest::mouseClick(logo, Qt::RightButton, {}, QPoint(10, 10));
    QCOMPARE(media.shown, 1);

    // The next start puts the logo there again.
    m_program.reset();
    m_program = std::make_unique<AssembledProgram>(*m_installation);
    window()->resize(1200, 800);
    window()->show();
    window()->LMDSimplePanel3->show();
    window()->relayout();
    QCOMPARE(window()->Image2->pos(), QPoint(right - 300, 4));
}

void TestMainWindowDragging::nothingMovesOutsideTheTeachersMode()
{
    auto *picture = new AnimatedPicture(m_surface);
    picture->setObjectName(QStringLiteral("GIFtop"));
    picture->setGeometry(10, 10, 50, 50);
    const QByteArray before = m_installation->readFile(QStringLiteral("SOL_INI/Tipo0.INI"));
    window()->GIFtopMouseDown(picture, Qt::LeftButton, QPoint(0, 0));
    QVERIFY(!window()->isDragging());
    window()->GIFtopMouseMove(picture, QPoint(40, 40));
    window()->GIFtopMouseUp(picture, Qt::LeftButton);
    QCOMPARE(picture->pos(), QPoint(10, 10));
    QCOMPARE(m_installation->readFile(QStringLiteral("SOL_INI/Tipo0.INI")), before);
}

void TestMainWindowDragging::otherElementsDoNotMove()
{
    auto *button = new QPushButton(m_surface);
    button->setObjectName(QStringLiteral("Button1"));
    button->setGeometry(10, 10, 50, 30);
    home()->EditMode = true;
    const QByteArray before = m_installation->readFile(QStringLiteral("SOL_INI/GLOBAL.INI"));
    window()->GIFtopMouseDown(button, Qt::LeftButton, QPoint(0, 0));
    window()->GIFtopMouseMove(button, QPoint(40, 40));
    window()->GIFtopMouseUp(button, Qt::LeftButton);
    QCOMPARE(button->pos(), QPoint(10, 10));
    QVERIFY(!window()->isDragging());
    QCOMPARE(m_installation->readFile(QStringLiteral("SOL_INI/GLOBAL.INI")), before);
}

void TestMainWindowDragging::panelsAreNotDragged()
{
    auto *panel = new FillPanel(m_surface);
    panel->setObjectName(QStringLiteral("LMDPanelFill7"));
    setLookKind(panel, LookKind::Panel);
    panel->setGeometry(10, 10, 50, 30);
    home()->EditMode = true;
    window()->GIFtopMouseDown(panel, Qt::LeftButton, QPoint(0, 0));
    window()->GIFtopMouseMove(panel, QPoint(40, 40));
    window()->GIFtopMouseUp(panel, Qt::LeftButton);
    QCOMPARE(panel->pos(), QPoint(10, 10));
    QCOMPARE(stored(QStringLiteral("SOL_INI/GLOBAL.INI"), QStringLiteral("LMDPanelFill7"),
                 QStringLiteral("LMDPanelFill7.Left")),
        -1);
}

void TestMainWindowDragging::captionStripCursorFollowsTheMode()
{
    window()->LMDFill15MouseMove();
    QCOMPARE(window()->LMDFill15->cursor().shape(), Qt::ArrowCursor);
    home()->EditMode = true;
    window()->LMDFill15MouseMove();
    QCOMPARE(window()->LMDFill15->cursor().shape(), Qt::PointingHandCursor);
    home()->EditMode = false;
    window()->LMDFill15MouseMove();
    QCOMPARE(window()->LMDFill15->cursor().shape(), Qt::ArrowCursor);
}

void TestMainWindowDragging::loadGif_data()
{
    QTest::addColumn<QByteArray>("exerciseFile");
    QTest::addColumn<QString>("expected");
    QTest::newRow("named and present")
        << QByteArray("[COMMONAREA]\r\nGIF3=SOL_IMG\\Stella.gif\r\n") << "Stella.gif";
    QTest::newRow("letter case of the stored name")
        << QByteArray("[commonarea]\r\ngif3=sol_img\\stella.GIF\r\n") << "Stella.gif";
    QTest::newRow("named but missing")
        << QByteArray("[COMMONAREA]\r\nGIF3=SOL_IMG\\Nothing.gif\r\n") << "Palla.gif";
    QTest::newRow("key missing") << QByteArray("[COMMONAREA]\r\nGIF2=SOL_IMG\\Stella.gif\r\n")
                                 << "Palla.gif";
    QTest::newRow("empty value") << QByteArray("[COMMONAREA]\r\nGIF3=\r\n") << "Palla.gif";
    QTest::newRow("no file") << QByteArray() << "Palla.gif";
}

void TestMainWindowDragging::loadGif()
{
    QFETCH(QByteArray, exerciseFile);
    QFETCH(QString, expected);
    if (!exerciseFile.isEmpty())
        m_installation->writeFile(QStringLiteral("SOL_INI/Test.INI"), exerciseFile);
    AnimatedPicture animator;
    QVERIFY(animator.load(m_installation->path(QStringLiteral("SOL_IMG/Palla.gif"))));
    window()->LOAD_GIF(QStringLiteral("SOL_INI\\Test.INI"), &animator, QStringLiteral("GIF3"));
    QVERIFY2(
        animator.fileName().endsWith(QLatin1Char('/') + expected), qPrintable(animator.fileName()));
}

QTEST_MAIN(TestMainWindowDragging)
#include "tst_mainwindowdragging.moc"
