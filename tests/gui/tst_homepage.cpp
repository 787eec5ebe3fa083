#include "home/unit1.h"
#include "storage/inifile.h"
#include "ui/animatedpicture.h"
#include "ui/elementtag.h"
#include "ui/fillpanel.h"
#include "ui/pagehost.h"
#include "ui/picturebutton.h"
#include "ui/tabstrip.h"

#include "tst_homepagefixture.h"

#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

using namespace solvaro;
using namespace Qt::StringLiterals;

// The home page: its making, the sheet list, opening a sheet for the pupil or
// the teacher, each showing of the page, and the number key filter.
class TestHomePage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void creationLoadsTheSkinAndTheSheets();
    void menusHoldTheirItems();
    void sheetListEndsAtTheFirstEmptyKey_data();
    void sheetListEndsAtTheFirstEmptyKey();
    void aHundredSheetsAtMost();
    void slotsBeyondTheListKeepTheirContents();

    void openingASheetNeedsAName_data();
    void openingASheetNeedsAName();
    void withoutSheetsTheTabsDoNothing();
    void titleStripShowsTheNameAndTheSheetsCaption();
    void titleStripDoesNotCollectNames();
    void toolbarAfterOpeningASheet_data();
    void toolbarAfterOpeningASheet();

    void activationByMode_data();
    void activationByMode();
    void whistleOffSilencesThePage();
    void leavingForTheStartPanel();

    void numberKeys_data();
    void numberKeys();

private:
    void start(QSize screen = QSize(1680, 1050), QChar separator = QLatin1Char('.'));
    void writeGlobal(const QStringList &commonAreaLines);
    TForm0 *main() const { return m_program->main(); }
    TForm1 *home() const { return m_program->home(); }

    std::unique_ptr<TestInstallation> m_installation;
    std::unique_ptr<HomeProgram> m_program;
};

void TestHomePage::init()
{
    m_installation = std::make_unique<TestInstallation>();
    m_installation->copySample();
}

void TestHomePage::cleanup()
{
    m_program.reset();
    m_installation.reset();
}

void TestHomePage::start(QSize screen, QChar separator)
{
    m_program = std::make_unique<HomeProgram>(*m_installation, screen, separator);
}

void TestHomePage::writeGlobal(const QStringList &commonAreaLines)
{
    m_installation->writeFile(QStringLiteral("SOL_INI/GLOBAL.INI"),
        iniText(QStringList { QStringLiteral("[COMMONAREA]") } + commonAreaLines));
}

void TestHomePage::creationLoadsTheSkinAndTheSheets()
{
    start();
    TForm1 *page = home();
    QCOMPARE(page->SkinFile, QStringLiteral("SOL_INI\\SKIN.INI"));
    QCOMPARE(page->LMDEdit1->text(), QStringLiteral("Hello!"));
    QCOMPARE(page->pupilName(), QStringLiteral("Hello!"));
    QCOMPARE(main()->solvedExercises, 0);
    QVERIFY(!page->Timer1->isActive());
    QCOMPARE(page->Timer1->interval(), 300);
    QCOMPARE(page->whistle(), QStringLiteral("SI"));
    QCOMPARE(page->LMDschemi->toolTip(), QStringLiteral("gestione schemi"));

    // The skin's looks: the sample's records on a 1680 x 1050 screen.
    QVERIFY(page->LMDFill3->caption().startsWith(QStringLiteral("LE SCHEDE\r\n\r\n01")));
    QCOMPARE(page->LMDFill3->geometry(), QRect(100, 90, 650, 220));
    QCOMPARE(page->LMDFill5->geometry(), QRect(9, 31, 322, 30));
    QCOMPARE(page->LMDFill5->parentWidget(), static_cast<QWidget *>(page->TabSheet));
    QCOMPARE(page->LMDFill3->parentWidget(), static_cast<QWidget *>(page->LMDsfondoUnit1));
    QVERIFY(!page->LMDsfondoUnit1->picture().isNull());
    for (FillPanel *fill : { page->LMDsfondoUnit1, page->LMDFill1, page->LMDFill2, page->LMDFill3,
             page->LMDFill4, page->LMDFill5 }) {
        QCOMPARE(elementTag(fill), 10);
    }

    QCOMPARE(page->TabSheet->count(), 3);
    QCOMPARE(page->TabSheet->tabText(2), QStringLiteral("03"));
    QCOMPARE(page->currentSheet(), 0);
    QCOMPARE(page->SheetFiles.size(), 100);
    QCOMPARE(page->SheetFiles.at(1), QStringLiteral("SOL_INI\\Tipo1.INI"));
    QCOMPARE(page->Gifs.size(), 3);

    QStringList nodes;
    for (const QWidget *node : std::as_const(page->Nodes)) {
        QVERIFY(node->isHidden());
        nodes << node->objectName();
    }
    QCOMPARE(nodes.first(), QStringLiteral("Node0"));
    QCOMPARE(nodes.size(), 8);
}

void TestHomePage::menusHoldTheirItems()
{
    start();
    const auto items = [](const QMenu *menu) {
        QStringList texts;
        for (const QAction *action : menu->actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return texts;
    };
    QCOMPARE(
        items(home()->PopupMenu1), (QStringList { u"SendBack"_s, u"BringFront"_s, u"Edit"_s }));
    QCOMPARE(items(home()->PopupMenu2),
        (QStringList { u"Background Image"_s, u"-"_s, u"Background Sound"_s,
            u"Background Sound On"_s, u"Background Sound Off"_s, u"-"_s, u"Add Animate GIF"_s,
            u"Reset gif position"_s, u"-"_s, u"Save Skin as..."_s, u"Load Skin"_s }));
    QCOMPARE(items(home()->PPgif),
        (QStringList { u"Set Speed"_s, u"Move from Start"_s, u"Move to End"_s, u"Disable Move"_s,
            u"-"_s, u"Change Gif"_s, u"Delete Gif"_s }));
}

void TestHomePage::sheetListEndsAtTheFirstEmptyKey_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("sheets");

    QTest::newRow("a hole after the first")
        << QStringList { u"INI_FILE0=SOL_INI\\A.INI"_s, u"INI_FILE2=SOL_INI\\C.INI"_s } << 1;
    QTest::newRow("an empty key") << QStringList { u"INI_FILE0=SOL_INI\\A.INI"_s, u"INI_FILE1="_s,
        u"INI_FILE2=SOL_INI\\C.INI"_s }
                                  << 1;
    QTest::newRow("two in a row") << QStringList { u"ini_file1=SOL_INI\\B.INI"_s,
        u"INI_FILE0=SOL_INI\\A.INI"_s }
                                  << 2;
    QTest::newRow("none") << QStringList { u"INI_FILE1=SOL_INI\\B.INI"_s } << 0;
}

void TestHomePage::sheetListEndsAtTheFirstEmptyKey()
{
    QFETCH(QStringList, keys);
    QFETCH(int, sheets);
    writeGlobal(keys);
    start();
    QCOMPARE(home()->TabSheet->count(), sheets);
    QCOMPARE(home()->currentSheet(), sheets > 0 ? 0 : -1);
    if (sheets > 0)
        QCOMPARE(home()->SheetFiles.at(0), QStringLiteral("SOL_INI\\A.INI"));
}

void TestHomePage::aHundredSheetsAtMost()
{
    QStringList keys;
    for (int sheet = 0; sheet <= 100; ++sheet)
        keys << QStringLiteral("INI_FILE%1=SOL_INI\\T%1.INI").arg(sheet);
    writeGlobal(keys);
    start();
    TabStrip *tabs = home()->TabSheet;
    QCOMPARE(tabs->count(), 100);
    QCOMPARE(tabs->tabText(0), QStringLiteral("01"));
    QCOMPARE(tabs->tabText(8), QStringLiteral("09"));
    QCOMPARE(tabs->tabText(99), QStringLiteral("100"));
    QCOMPARE(home()->SheetFiles.size(), 100);
    QCOMPARE(home()->SheetFiles.at(99), QStringLiteral("SOL_INI\\T99.INI"));
}

void TestHomePage::slotsBeyondTheListKeepTheirContents()
{
    start();
    home()->TabSheet->selectTab(2);
    writeGlobal({ QStringLiteral("INI_FILE0=SOL_INI\\Nuovo.INI") });
    home()->CaricaMENU();
    QCOMPARE(home()->TabSheet->count(), 1);
    QCOMPARE(home()->currentSheet(), 0);
    QCOMPARE(home()->SheetFiles.at(0), QStringLiteral("SOL_INI\\Nuovo.INI"));
    QCOMPARE(home()->SheetFiles.at(2), QStringLiteral("SOL_INI\\Tipo2.INI"));
}

void TestHomePage::openingASheetNeedsAName_data()
{
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("opens");

    QTest::newRow("the greeting counts as a name") << false << QStringLiteral("Hello!") << true;
    QTest::newRow("a name") << false << QStringLiteral("Anna") << true;
    QTest::newRow("no name") << false << QString() << false;
    QTest::newRow("spaces are no name") << false << QStringLiteral("   ") << false;
    QTest::newRow("the teacher needs none") << true << QString() << true;
}

void TestHomePage::openingASheetNeedsAName()
{
    QFETCH(bool, editMode);
    QFETCH(QString, name);
    QFETCH(bool, opens);

    start();
    m_program->showHomePage(editMode);
    home()->LMDEdit1->setText(name);
    QTest::mouseClick(home()->TabSheet, Qt::LeftButton, {}, home()->TabSheet->tabRect(1).center());
    QCOMPARE(home()->currentSheet(), 1);
    QCOMPARE(main()->FD->currentIndex(), opens ? 1 : 0);
    QCOMPARE(main()->LMDSimplePanel3->isVisible(), opens);
    QCOMPARE(m_program->dialogs.messages,
        opens ? QStringList() : QStringList { QStringLiteral("Insert your name please.") });
    QCOMPARE(home()->Timer1->isActive(), !opens && !editMode);
}

void TestHomePage::withoutSheetsTheTabsDoNothing()
{
    writeGlobal({});
    start();
    m_program->showHomePage(false);
    home()->TabSheetMouseUp();
    QTest::mouseClick(home()->TabSheet, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(main()->FD->currentIndex(), 0);
    QVERIFY(m_program->dialogs.messages.isEmpty());
    QVERIFY(main()->LMDSimplePanel3->isHidden());
}

void TestHomePage::titleStripShowsTheNameAndTheSheetsCaption()
{
    start();
    m_program->showHomePage(false);
    home()->LMDEdit1->setText(QStringLiteral(" Anna "));
    home()->TabSheetMouseUp();
    QCOMPARE(
        main()->LMD_LABEL->caption(), QStringLiteral(" Anna : SCHEDA 1 - Addizioni e sottrazioni"));
}

void TestHomePage::titleStripDoesNotCollectNames()
{
    writeGlobal({ QStringLiteral("INI_FILE0=SOL_INI\\Manca.INI") });
    start();
    main()->LMD_LABEL->setCaption(QStringLiteral("Scheda"));
    m_program->showHomePage(false);
    home()->LMDEdit1->setText(QStringLiteral("Anna"));
    home()->TabSheetMouseUp();
    QCOMPARE(main()->LMD_LABEL->caption(), QStringLiteral("Anna: Scheda"));
    main()->FD->showPage(TForm0::HomePage);
    home()->LMDEdit1->setText(QStringLiteral("Bruno"));
    home()->TabSheetMouseUp();
    QCOMPARE(main()->LMD_LABEL->caption(), QStringLiteral("Bruno: Scheda"));
}

void TestHomePage::toolbarAfterOpeningASheet_data()
{
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("pupil") << false
                           << QStringList { u"LMDhome"_s, u"LMDcarica"_s, u"LMDsalva"_s,
                                  u"LMDstampa"_s, u"LMDhelp"_s, u"LMDspeaker"_s, u"LMDsoluzione"_s,
                                  u"LMDripristina"_s };
    QTest::newRow("teacher") << true
                             << QStringList { u"LMDhome"_s, u"LMDconfigure"_s, u"LMDcopy"_s,
                                    u"LMDdelete"_s, u"LMDclasse"_s };
}

void TestHomePage::toolbarAfterOpeningASheet()
{
    QFETCH(bool, editMode);
    QFETCH(QStringList, shown);

    start();
    m_program->showHomePage(editMode);
    home()->TabSheetMouseUp();
    QCOMPARE(main()->FD->currentIndex(), 1);
    QVERIFY(main()->LMDSimplePanel3->isVisible());

    const QList<QWidget *> &sequence = main()->toolbarSequence;
    QCOMPARE(sequence.size(), 13);
    int edge = main()->LMDbarra->x() + 2;
    for (int i = 0; i + 1 < sequence.size(); ++i) {
        QWidget *button = sequence.at(i);
        const QString name = button->objectName();
        QCOMPARE(button->isVisible(), shown.contains(name));
        if (!shown.contains(name)) {
            QCOMPARE(button->x(), 0);
            continue;
        }
        QVERIFY2(button->x() == edge, qPrintable(name));
        QVERIFY2(button->width() > 0, qPrintable(name));
        edge += button->width();
    }
    if (editMode)
        QCOMPARE(main()->LMDconfigure->width(), 141);
    QWidget *tabs = sequence.last();
    QCOMPARE(tabs, static_cast<QWidget *>(main()->TabEserc));
    QCOMPARE(tabs->x(), edge);
    QCOMPARE(tabs->width(), main()->LMDbarra->width() - edge);
}

void TestHomePage::activationByMode_data()
{
    QTest::addColumn<bool>("editMode");
    QTest::newRow("pupil") << false;
    QTest::newRow("teacher") << true;
}

void TestHomePage::activationByMode()
{
    QFETCH(bool, editMode);
    start();
    main()->LMDSimplePanel3->show();
    m_program->showHomePage(editMode);
    TForm1 *page = home();

    QCOMPARE(page->Timer1->isActive(), !editMode);
    QVERIFY(main()->LMDSimplePanel3->isHidden());
    for (FillPanel *fill : { page->LMDFill1, page->LMDFill2, page->LMDFill3, page->LMDFill4 })
        QCOMPARE(fill->hasInnerBevel(), editMode);
    for (QWidget *button :
        { main()->LMDconfigure, main()->LMDcopy, main()->LMDdelete, main()->LMDclasse })
        QCOMPARE(button->width(), editMode ? 141 : 0);
    // The music of the sample skin loops in the pupil's mode only.
    QCOMPARE(m_program->sound.played.size(), editMode ? 0 : 1);
    if (!editMode) {
        QVERIFY(m_program->sound.played.first().endsWith(QStringLiteral("SOL_WAV/Musica.wav")));
        QVERIFY(m_program->sound.looped.first());
    }

    // The top bar, left to right.
    QCOMPARE(page->LMDhome->x(), 0);
    QCOMPARE(page->LMDFill1->x(), page->LMDhome->width());
    QCOMPARE(page->LMDFill1->width(), 200);
    QCOMPARE(page->LMDEdit1->x(), page->LMDFill1->x() + 200);
    QCOMPARE(page->LMDEdit1->height(), 42);
    QCOMPARE(page->LMDschemi->isVisible(), editMode);
    const QWidget *beforeTabs = editMode ? static_cast<QWidget *>(page->LMDschemi) : page->LMDEdit1;
    if (editMode)
        QCOMPARE(page->LMDschemi->x(), page->LMDEdit1->x() + page->LMDEdit1->width() + 5);
    QCOMPARE(page->TabSheet->x(), beforeTabs->x() + beforeTabs->width() + 5);
    QCOMPARE(page->TabSheet->x() + page->TabSheet->width() + page->Image2->width(),
        page->LMDSimplePanel2->width());
    QCOMPARE(page->Image2->width(), 67);
    QCOMPARE(page->Image2->x() + page->Image2->width(), page->width());
    QCOMPARE(page->LMDSimplePanel2->height(), 66);
    // The strip keeps its own height under the bar; the background fills the rest.
    QCOMPARE(page->LMDFill2->geometry(), QRect(0, 66, page->width(), 36));
    QCOMPARE(page->LMDsfondoUnit1->geometry(), QRect(0, 102, page->width(), page->height() - 102));
}

void TestHomePage::whistleOffSilencesThePage()
{
    QByteArray skin = m_installation->readFile(QStringLiteral("SOL_INI/SKIN.INI"));
    skin.replace("FISCHIO=SI", "FISCHIO=NO");
    m_installation->writeFile(QStringLiteral("SOL_INI/SKIN.INI"), skin);
    start();
    QCOMPARE(home()->whistle(), QStringLiteral("NO"));
    m_program->showHomePage(false);
    QVERIFY(m_program->sound.played.isEmpty());
    QCOMPARE(m_program->sound.stops, 1);
}

void TestHomePage::leavingForTheStartPanel()
{
    start();
    m_program->showHomePage(false);
    const int stops = m_program->sound.stops;
    QTest::mouseClick(home()->LMDhome, Qt::LeftButton);
    QCOMPARE(main()->FD->currentIndex(), -1);
    QVERIFY(main()->LMDPanelFill1->isVisible());
    QCOMPARE(m_program->sound.stops, stops + 1);
    QVERIFY(!home()->Timer1->isActive());
}

void TestHomePage::numberKeys_data()
{
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QChar>("key");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QChar>("keyAfter");
    QTest::addColumn<bool>("confirms");
    QTest::addColumn<QString>("focusAfter");

    const QChar none;
    const QChar comma(u',');
    const QChar point(u'.');
    const QString first = QStringLiteral("N1");
    const QString last = QStringLiteral("N3");

    QTest::newRow("digit") << point << QChar(u'7') << first << QChar(u'7') << false << first;
    QTest::newRow("zero") << point << QChar(u'0') << first << QChar(u'0') << false << first;
    QTest::newRow("backspace") << point << QChar(8) << first << QChar(8) << false << first;
    QTest::newRow("comma under a point") << point << comma << first << point << false << first;
    QTest::newRow("point under a comma") << comma << point << first << comma << false << first;
    QTest::newRow("comma under a comma") << comma << comma << first << comma << false << first;
    QTest::newRow("letter") << point << QChar(u'a') << first << none << false << first;
    QTest::newRow("minus") << point << QChar(u'-') << first << none << false << first;
    QTest::newRow("space") << point << QChar(u' ') << first << none << false << first;
    QTest::newRow("enter on the last field") << point << QChar(13) << last << none << true << last;
    QTest::newRow("enter moves on")
        << point << QChar(13) << first << none << false << QStringLiteral("N2");
}

void TestHomePage::numberKeys()
{
    QFETCH(QChar, separator);
    QFETCH(QChar, key);
    QFETCH(QString, field);
    QFETCH(QChar, keyAfter);
    QFETCH(bool, confirms);
    QFETCH(QString, focusAfter);

    start(QSize(1680, 1050), separator);
    QWidget page;
    page.setObjectName(QStringLiteral("FormP3"));
    for (const char *name : { "N1", "N2", "N3" }) {
        auto *edit = new QLineEdit(&page);
        edit->setObjectName(QLatin1String(name));
    }
    QWidget *fieldWidget = page.findChild<QWidget *>(field);
    fieldWidget->setFocus();
    QCOMPARE(home()->MKeyPress(fieldWidget, key, QStringLiteral("N3"), &page), confirms);
    QCOMPARE(key, keyAfter);
    QCOMPARE(page.focusWidget()->objectName(), focusAfter);
}

QTEST_MAIN(TestHomePage)
#include "tst_homepage.moc"
