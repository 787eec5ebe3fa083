#include "base/error.h"
#include "dialogs/unit4.h"
#include "home/tgif.h"
#include "home/unit1.h"
#include "player/unitp3.h"
#include "storage/inifile.h"
#include "ui/elementtag.h"
#include "ui/fillpanel.h"
#include "ui/lookwidgets.h"
#include "ui/pagehost.h"
#include "ui/tabstrip.h"
#include "ui/textlabel.h"

#include "tst_homepagefixture.h"

#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

// The teacher's editing of the home page: where element looks are stored,
// dragging the text boxes, the menus, skins and the music settings.
class TestHomePageEditing : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tagSelectsFileAndSection_data();
    void tagSelectsFileAndSection();
    void fillsHandTheirStoredPicture();
    void elementEditingNeedsTheTeachersMode();
    void editingAStripStoresItsLook();
    void problemTextPanelPushesThePanelBelow();

    void draggingATextBoxStoresItsPlace_data();
    void draggingATextBoxStoresItsPlace();
    void pupilsCannotDragTextBoxes();
    void rightClickMenus_data();
    void rightClickMenus();
    void boxMenuChangesTheOrder();

    void loadSkin_data();
    void loadSkin();
    void saveSkinAs_data();
    void saveSkinAs();
    void aFailedSkinCopyKeepsTheSkin();
    void backgroundSound();
    void backgroundSoundSwitch();

private:
    void start(QSize screen = QSize(1680, 1050));
    TForm0 *main() const { return m_program->main(); }
    TForm1 *home() const { return m_program->home(); }
    IniFile ini(const QString &relative) const { return IniFile(m_installation->path(relative)); }

    std::unique_ptr<TestInstallation> m_installation;
    std::unique_ptr<HomeProgram> m_program;
};

void TestHomePageEditing::init()
{
    m_installation = std::make_unique<TestInstallation>();
    m_installation->copySample();
}

void TestHomePageEditing::cleanup()
{
    m_program.reset();
    m_installation.reset();
}

void TestHomePageEditing::start(QSize screen)
{
    m_program = std::make_unique<HomeProgram>(*m_installation, screen);
}

void TestHomePageEditing::tagSelectsFileAndSection_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("section");

    const QString skin = u"SOL_INI\\SKIN.INI"_s;
    const QString sheet = u"SOL_INI\\Tipo1.INI"_s;
    QTest::newRow("skin element") << u"strip"_s << u"Striscia"_s << 10 << skin << u"Striscia"_s;
    QTest::newRow("sheet-wide element")
        << u"strip"_s << u"Striscia"_s << 80 << sheet << u"COMMONAREA"_s;
    QTest::newRow("per-exercise element") << u"strip"_s << u"Striscia"_s << 0 << sheet << u"3"_s;
    QTest::newRow("per-exercise panel") << u"panel"_s << u"Pannello"_s << 7 << sheet << u"3"_s;
    QTest::newRow("LMDFILL0 panel in any case")
        << u"panel"_s << u"lmdFill0"_s << 10 << sheet << u"COMMONAREA"_s;
    QTest::newRow("LMDFILL0 strip keeps its tag")
        << u"strip"_s << u"LMDFILL0"_s << 0 << sheet << u"3"_s;
    QTest::newRow("label") << u"label"_s << u"Etichetta"_s << 80 << skin << u"FormP3.Etichetta"_s;
}

void TestHomePageEditing::tagSelectsFileAndSection()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(int, tag);
    QFETCH(QString, file);
    QFETCH(QString, section);

    start();
    home()->EditMode = true;
    home()->TabSheet->selectTab(1);
    main()->TabEserc->setNumberedTabs(6);
    main()->TabEserc->selectTab(3);

    QWidget page;
    page.setObjectName(u"FormP3"_s);
    QWidget *element = nullptr;
    if (kind == u"label"_s) {
        element = new TextLabel(&page);
    } else {
        element = new FillPanel(&page);
        if (kind == u"panel"_s)
            setLookKind(element, LookKind::Panel);
    }
    element->setObjectName(name);
    element->setGeometry(100, 50, 300, 120);
    setElementTag(element, tag);

    const std::optional<ElementEdit> edit = home()->elementEditOf(&page, element);
    QVERIFY(edit);
    QCOMPARE(edit->record.file.path(), file);
    QCOMPARE(edit->record.section, section);
    QCOMPARE(edit->record.prefix, name);

    // What the dialog then writes lands there.
    TForm4 *dialog = m_program->context->forms.Form4;
    dialog->prepare(element, edit->picturePath, edit->record);
    dialog->LMDButton1Click();
    const IniFile written(m_installation->path(file));
    QCOMPARE(written.readString(section, name + u".Name"_s, QString()), u"####"_s);
    QCOMPARE(written.readInteger(section, name + u".Left"_s, -1), 200);
}

void TestHomePageEditing::fillsHandTheirStoredPicture()
{
    start();
    const std::optional<ElementEdit> background
        = home()->elementEditOf(home(), home()->LMDsfondoUnit1);
    QVERIFY(background);
    QCOMPARE(background->record.section, u"LMDsfondoUnit1"_s);
    QCOMPARE(background->picturePath, m_installation->path(u"SOL_IMG/Sfondo Prato.bmp"_s));
    // An empty ".FillObject.Image" hands no picture.
    QCOMPARE(home()->elementEditOf(home(), home()->LMDFill3)->picturePath, QString());
    // Elements that are neither fills nor labels are not edited.
    QVERIFY(!home()->elementEditOf(home(), home()->LMDEdit1));
}

void TestHomePageEditing::elementEditingNeedsTheTeachersMode()
{
    start();
    ConfirmOnShow confirm(m_program->context->forms.Form4);
    const QByteArray before = m_installation->readFile(u"SOL_INI/SKIN.INI"_s);
    QTest::mouseClick(home()->LMDFill2, Qt::RightButton);
    QVERIFY(!home()->xMouseUp(home(), home()->LMDFill3));
    QCOMPARE(confirm.shown, 0);
    QCOMPARE(m_installation->readFile(u"SOL_INI/SKIN.INI"_s), before);
}

void TestHomePageEditing::editingAStripStoresItsLook()
{
    start();
    m_program->showHomePage(true);
    ConfirmOnShow confirm(m_program->context->forms.Form4);
    home()->LMDFill2->setCaption(u"Nuova striscia"_s);
    QTest::mouseClick(home()->LMDFill2, Qt::RightButton);
    QCOMPARE(confirm.shown, 1);
    QCOMPARE(ini(u"SOL_INI/SKIN.INI"_s).readString(u"LMDFill2"_s, u"LMDFill2.Caption"_s, QString()),
        u"Nuova striscia"_s);
}

void TestHomePageEditing::problemTextPanelPushesThePanelBelow()
{
    start();
    home()->EditMode = true;
    TFormP3 *player = m_program->context->forms.FormP3;
    player->LMDtestp->setGeometry(10, 20, 300, 100);
    player->LMDFill0->move(10, 400);
    ConfirmOnShow confirm(m_program->context->forms.Form4);
    QVERIFY(home()->xMouseUp(player, player->LMDtestp));
    QCOMPARE(confirm.shown, 1);
    QCOMPARE(player->LMDFill0->y(), 122);
    QCOMPARE(player->LMDFill0->x(), 10);
}

void TestHomePageEditing::draggingATextBoxStoresItsPlace_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<int>("storedLeft");
    QTest::addColumn<int>("storedTop");

    QTest::newRow("1680 x 1050") << QSize(1680, 1050) << QPoint(100, 50) << 200 << 100;
    // 3360 / 1366 × 100 is about 245.97; 2100 / 768 × 100 about 273.4.
    QTest::newRow("1366 x 768") << QSize(1366, 768) << QPoint(100, 100) << 245 << 273;
}

void TestHomePageEditing::draggingATextBoxStoresItsPlace()
{
    QFETCH(QSize, screen);
    QFETCH(QPoint, place);
    QFETCH(int, storedLeft);
    QFETCH(int, storedTop);

    start(screen);
    m_program->showHomePage(true);
    FillPanel *box = home()->LMDFill4;
    const QPoint grip(5, 5);
    QTest::mousePress(box, Qt::LeftButton, {}, grip);
    QVERIFY(home()->BoxDragging);
    QCOMPARE(home()->PressedBox, static_cast<QWidget *>(box));
    QTest::mouseMove(box, grip + (place - box->pos()));
    QCOMPARE(box->pos(), place);
    QTest::mouseRelease(box, Qt::LeftButton, {}, grip);
    QVERIFY(!home()->BoxDragging);

    const IniFile skin = ini(u"SOL_INI/SKIN.INI"_s);
    QCOMPARE(skin.readInteger(u"LMDFill4"_s, u"LMDFill4.Left"_s, -1), storedLeft);
    QCOMPARE(skin.readInteger(u"LMDFill4"_s, u"LMDFill4.Top"_s, -1), storedTop);
}

void TestHomePageEditing::pupilsCannotDragTextBoxes()
{
    start();
    m_program->showHomePage(false);
    FillPanel *box = home()->LMDFill3;
    const QPoint before = box->pos();
    const QByteArray skin = m_installation->readFile(u"SOL_INI/SKIN.INI"_s);
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(box, QPoint(60, 40));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(60, 40));
    QCOMPARE(box->pos(), before);
    QVERIFY(!home()->PressedBox);
    QCOMPARE(m_installation->readFile(u"SOL_INI/SKIN.INI"_s), skin);
}

void TestHomePageEditing::rightClickMenus_data()
{
    QTest::addColumn<bool>("editMode");
    QTest::newRow("pupil") << false;
    QTest::newRow("teacher") << true;
}

void TestHomePageEditing::rightClickMenus()
{
    QFETCH(bool, editMode);
    start();
    m_program->showHomePage(editMode);

    QTest::mouseClick(home()->LMDFill3, Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(home()->PopupMenu1->isVisible(), editMode);
    // The background under the box does not see the click.
    QVERIFY(!home()->PopupMenu2->isVisible());
    home()->PopupMenu1->hide();

    QTest::mouseClick(home()->LMDsfondoUnit1, Qt::RightButton, {}, QPoint(5, 400));
    QCOMPARE(home()->PopupMenu2->isVisible(), editMode);
    QVERIFY(!home()->PopupMenu1->isVisible());
    home()->PopupMenu2->hide();

    QTest::mouseClick(home()->LMDsfondoUnit1, Qt::LeftButton, {}, QPoint(5, 400));
    QVERIFY(!home()->PopupMenu2->isVisible());
}

void TestHomePageEditing::boxMenuChangesTheOrder()
{
    start();
    m_program->showHomePage(true);
    const auto order = [this] {
        return home()->LMDsfondoUnit1->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    };
    QTest::mousePress(home()->LMDFill4, Qt::RightButton);
    home()->SendBackClick();
    QCOMPARE(order().first(), static_cast<QWidget *>(home()->LMDFill4));
    home()->BringFrontClick();
    QCOMPARE(order().last(), static_cast<QWidget *>(home()->LMDFill4));
}

void TestHomePageEditing::loadSkin_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("skinFile");

    QTest::newRow("a skin") << u"SOL_INI/Autunno.ini"_s << QString() << u"SOL_INI\\Autunno.ini"_s;
    QTest::newRow("an exercise file")
        << u"SOL_INI/tipo3.ini"_s << u"Errore: not skin files"_s << u"SOL_INI\\SKIN.INI"_s;
    QTest::newRow("GENERALE") << u"SOL_INI/GENERALE.ini"_s << u"Errore: not skin files"_s
                              << u"SOL_INI\\SKIN.INI"_s;
    // Only the name counts: the ini folder holds no file of it.
    QTest::newRow("chosen elsewhere")
        << u"Altrove/Inverno.ini"_s << QString() << u"SOL_INI\\Inverno.ini"_s;
}

void TestHomePageEditing::loadSkin()
{
    QFETCH(QString, chosen);
    QFETCH(QString, message);
    QFETCH(QString, skinFile);

    m_installation->writeFile(u"SOL_INI/Autunno.ini"_s,
        iniText({ u"[LMDFill3]"_s, u"LMDFill3.Name=####"_s, u"LMDFill3.Caption=Autunno"_s,
            u"[ani105]"_s, u"FileName=SOL_IMG\\Stella.gif"_s }));
    m_installation->writeFile(
        u"Altrove/Inverno.ini"_s, iniText({ u"[ani100]"_s, u"FileName=SOL_IMG\\Palla.gif"_s }));
    start();
    m_program->dialogs.fileAnswers << m_installation->path(chosen);
    home()->LoadSkinClick();

    QCOMPARE(
        m_program->dialogs.messages, message.isEmpty() ? QStringList() : QStringList { message });
    QCOMPARE(home()->SkinFile, skinFile);
    QCOMPARE(
        ini(u"SOL_INI/GLOBAL.INI"_s).readString(u"SKIN"_s, u"FileName"_s, QString()), skinFile);
    QCOMPARE(m_program->dialogs.lastFolder, m_installation->path(u"SOL_INI"_s));
    if (skinFile == u"SOL_INI\\Autunno.ini"_s) {
        QCOMPARE(home()->LMDFill3->caption(), u"Autunno"_s);
        QCOMPARE(home()->Gifs.size(), 1);
        QCOMPARE(home()->Gifs.first()->objectName(), u"Ani100"_s);
    } else if (skinFile == u"SOL_INI\\Inverno.ini"_s) {
        QVERIFY(home()->Gifs.isEmpty());
    } else {
        QCOMPARE(home()->Gifs.size(), 3);
    }
}

void TestHomePageEditing::saveSkinAs_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("message");

    QTest::newRow("a new skin") << u"Estate.ini"_s << QString();
    QTest::newRow("without extension") << u"Estate"_s << QString();
    QTest::newRow("the default skin")
        << u"SKIN.INI"_s << u"Impossible write on configuration files!"_s;
    QTest::newRow("an exercise file")
        << u"MyTIPO.ini"_s << u"Impossible write on configuration files!"_s;
}

void TestHomePageEditing::saveSkinAs()
{
    QFETCH(QString, chosen);
    QFETCH(QString, message);

    start();
    m_program->dialogs.fileAnswers << m_installation->path(u"SOL_INI/"_s + chosen);
    home()->SaveSkinAsClick();
    QCOMPARE(
        m_program->dialogs.messages, message.isEmpty() ? QStringList() : QStringList { message });
    const QString expected = message.isEmpty() ? u"SOL_INI\\Estate.ini"_s : u"SOL_INI\\SKIN.INI"_s;
    QCOMPARE(home()->SkinFile, expected);
    QCOMPARE(
        ini(u"SOL_INI/GLOBAL.INI"_s).readString(u"SKIN"_s, u"FileName"_s, QString()), expected);
    if (message.isEmpty()) {
        QCOMPARE(m_installation->readFile(u"SOL_INI/Estate.ini"_s),
            m_installation->readFile(u"SOL_INI/SKIN.INI"_s));
        // A second save onto the skin now current is refused, whatever the case.
        m_program->dialogs.fileAnswers << m_installation->path(u"SOL_INI/ESTATE.INI"_s);
        home()->SaveSkinAsClick();
        QCOMPARE(m_program->dialogs.messages, QStringList { u"Source file = Destination file"_s });
        QVERIFY(!m_installation->readFile(u"SOL_INI/Estate.ini"_s).isEmpty());
    }
}

void TestHomePageEditing::aFailedSkinCopyKeepsTheSkin()
{
    start();
    // A folder of the chosen name: the copy cannot take its place.
    QVERIFY(QDir().mkpath(m_installation->path(u"SOL_INI/Inverno.ini"_s)));
    m_program->dialogs.fileAnswers << m_installation->path(u"SOL_INI/Inverno.ini"_s);
    QVERIFY_THROWS_EXCEPTION(Error, home()->SaveSkinAsClick());
    QCOMPARE(home()->SkinFile, u"SOL_INI\\SKIN.INI"_s);
    QCOMPARE(ini(u"SOL_INI/GLOBAL.INI"_s).readString(u"SKIN"_s, u"FileName"_s, QString()),
        u"SOL_INI\\SKIN.INI"_s);
}

void TestHomePageEditing::backgroundSound()
{
    start();
    m_installation->writeFile(u"Scelte/Nuova.wav"_s, "RIFF new");
    m_installation->writeFile(u"Scelte/Musica.wav"_s, "RIFF other");
    const QByteArray existing = m_installation->readFile(u"SOL_WAV/Musica.wav"_s);

    m_program->dialogs.fileAnswers << m_installation->path(u"Scelte/Nuova.wav"_s)
                                   << m_installation->path(u"Scelte/Musica.wav"_s) << QString();
    home()->BackgroundSoundClick();
    IniFile skin = ini(u"SOL_INI/SKIN.INI"_s);
    QCOMPARE(skin.readString(u"MUSICA"_s, u"W6"_s, QString()), u"SOL_WAV\\Nuova.wav"_s);
    QCOMPARE(m_installation->readFile(u"SOL_WAV/Nuova.wav"_s), QByteArray("RIFF new"));
    QCOMPARE(m_program->dialogs.lastFolder, m_installation->path(u"SOL_WAV"_s));

    // A sound of that name already in the sound folder stays as it is.
    home()->BackgroundSoundClick();
    QCOMPARE(ini(u"SOL_INI/SKIN.INI"_s).readString(u"MUSICA"_s, u"W6"_s, QString()),
        u"SOL_WAV\\Musica.wav"_s);
    QCOMPARE(m_installation->readFile(u"SOL_WAV/Musica.wav"_s), existing);

    // Cancelling changes nothing; nothing plays until the next showing.
    const QByteArray before = m_installation->readFile(u"SOL_INI/SKIN.INI"_s);
    home()->BackgroundSoundClick();
    QCOMPARE(m_installation->readFile(u"SOL_INI/SKIN.INI"_s), before);
    QVERIFY(m_program->sound.played.isEmpty());
}

void TestHomePageEditing::backgroundSoundSwitch()
{
    start();
    m_program->showHomePage(false);
    QCOMPARE(m_program->sound.played.size(), 1);

    home()->BackgroundSoundOffClick();
    QCOMPARE(
        ini(u"SOL_INI/SKIN.INI"_s).readString(u"MUSICA"_s, u"W6_ON_OFF"_s, QString()), u"OFF"_s);
    const int stops = m_program->sound.stops;
    main()->FD->hidePage();
    main()->FD->showPage(TForm0::HomePage);
    QCOMPARE(m_program->sound.played.size(), 1);
    QCOMPARE(m_program->sound.stops, stops);

    home()->BackgroundSoundOnClick();
    main()->FD->hidePage();
    main()->FD->showPage(TForm0::HomePage);
    QCOMPARE(m_program->sound.played.size(), 2);
}

QTEST_MAIN(TestHomePageEditing)
#include "tst_homepageediting.moc"
