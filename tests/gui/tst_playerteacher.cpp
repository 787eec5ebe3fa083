#include "tst_playerfixture.h"
#include "tst_programfixture.h"

#include "dialogs/unit4.h"
#include "storage/designspace.h"
#include "ui/fillpanel.h"
#include "ui/memo.h"
#include "ui/picturebutton.h"
#include "ui/resizehandles.h"

#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

// The player in the teacher's editing mode: every step at once, the Expression
// Box behind the number fields, the Edit Box behind answer labels and bands,
// dragging the problem text, and the preview of the animations.
class TestPlayerTeacher : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyStepShowsAtOnce_data();
    void everyStepShowsAtOnce();
    void expressionBoxStoresTheExpectedFormula_data();
    void expressionBoxStoresTheExpectedFormula();
    void cancelledExpressionBoxWritesNothing();
    void numberFieldsOpenNothingForThePupil();
    void answerLabelOpensTheEditBoxOnItsQuestionGroup();
    void rightClicksOpenTheElementEditor_data();
    void rightClicksOpenTheElementEditor();
    void emptySectionCaptionsAreNamed();
    void previewShowsTheAnimationsInTurn();
    void draggingTheProblemTextStoresItsPlace();
    void draggingTheTopAnimationStoresItsPlace();
    void draggingThePictureStoresItsPlace();
    void resizeHandlesFollowTheirRules_data();
    void resizeHandlesFollowTheirRules();
    void aNewPictureIsCopiedAndStored();
    void editsOfACopyStayInTheCopy();
    void aPictureWithoutAPlaceStaysPut_data();
    void aPictureWithoutAPlaceStaysPut();

private:
    PlayerProgram &program() { return *m_program; }
    TFormP3 *player() { return m_program->player(); }

    std::unique_ptr<TestInstallation> m_installation;
    std::unique_ptr<PlayerProgram> m_program;
};

void TestPlayerTeacher::init()
{
    m_installation = std::make_unique<TestInstallation>();
    m_installation->copySample();
    m_program = std::make_unique<PlayerProgram>(*m_installation);
}

void TestPlayerTeacher::cleanup()
{
    m_program.reset();
    m_installation.reset();
}

void TestPlayerTeacher::everyStepShowsAtOnce_data()
{
    QTest::addColumn<int>("sheet");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<int>("panels");

    QTest::newRow("two groups, one formula")
        << 0 << QStringList { u"QUESTION GROUP N.0"_s, u"QUESTION GROUP N.1"_s } << 1;
    QTest::newRow("one group, two equivalences")
        << 2 << QStringList { u"QUESTION GROUP N.0"_s } << 2;
}

void TestPlayerTeacher::everyStepShowsAtOnce()
{
    QFETCH(int, sheet);
    QFETCH(QStringList, labels);
    QFETCH(int, panels);

    program().openSheet(sheet, true);
    QVERIFY(player()->E1sp->isHidden());
    QVERIFY(!player()->GifTop->isHidden());
    QCOMPARE(player()->formulaPanels.size(), panels);
    for (const QPointer<FillPanel> &panel : std::as_const(player()->formulaPanels))
        QVERIFY(panel->isVisible());
    // Number fields are open for the Expression Box.
    QVERIFY(program().field(0, 1)->isEnabled());
    for (int step = 0; step < labels.size(); ++step) {
        TextLabel *label = player()->answerLabels.at(step);
        QVERIFY(label);
        QCOMPARE(label->caption(), labels.at(step));
        QVERIFY(!label->isTransparent());
        QCOMPARE(label->y(), player()->logic().steps().stepTop(step));
    }
    // Every step has its smiley, green as nothing was answered wrong.
    for (int step = 0; step < player()->logic().steps().stepCount(); ++step)
        QCOMPARE(pictureName(player()->smileyImages.at(step)), u"Smiley Verde.bmp"_s);
    QVERIFY(player()->LMDFill0->hasInnerBevel());
    QVERIFY(player()->LMDtesto->hasInnerBevel());
}

void TestPlayerTeacher::expressionBoxStoresTheExpectedFormula_data()
{
    QTest::addColumn<int>("sheet");
    QTest::addColumn<int>("formula");
    QTest::addColumn<int>("position");
    // What the teacher types, in turn: the box opens again on a formula that
    // cannot be worked out, after a message saying why.
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("stored");

    QTest::newRow("formula") << 0 << 0 << 3 << QStringList { u"12 x 7"_s } << QStringList()
                             << u"12*7"_s;
    QTest::newRow("formula with division")
        << 1 << 0 << 7 << QStringList { u"36 : 6 - 2"_s } << QStringList() << u"36/6-2"_s;
    QTest::newRow("equivalence as typed")
        << 2 << 1 << 4 << QStringList { u"4 m = 400 cm"_s } << QStringList() << u"4 m = 400 cm"_s;
    QTest::newRow("formulas that do not work out")
        << 0 << 0 << 1 << QStringList { u"12:0"_s, u"2.5 x 4"_s, u"2,5 x 4"_s }
        << QStringList { u"The formula 12/0 cannot be worked out: Division by zero in 12/0."_s,
               u"The formula 2.5*4 cannot be worked out: '2.5' is not a valid number."_s }
        << u"2,5*4"_s;
}

void TestPlayerTeacher::expressionBoxStoresTheExpectedFormula()
{
    QFETCH(int, sheet);
    QFETCH(int, formula);
    QFETCH(int, position);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, messages);
    QFETCH(QString, stored);

    program().openSheet(sheet, true);
    program().selectExercise(3);
    const QString key = u"R%1"_s.arg(formula);
    const QString before = program().readExerciseKey(sheet, 3, key);
    const QString neighbour = program().readExerciseKey(sheet, 2, key);
    for (const QString &answer : typed)
        program().dialogs.inputAnswers << answer;
    QTest::mouseClick(program().field(formula, position), Qt::LeftButton);
    QCOMPARE(program().dialogs.lastCaption, u"Expression Box"_s);
    QCOMPARE(
        program().dialogs.prompts, QStringList(typed.size(), u"Result=              es. 139+89"_s));
    QCOMPARE(program().dialogs.messages, messages);
    QCOMPARE(program().readExerciseKey(sheet, 3, key), stored);
    // Only the exercise on show changed.
    QVERIFY(before != stored);
    QCOMPARE(program().readExerciseKey(sheet, 2, key), neighbour);
}

void TestPlayerTeacher::cancelledExpressionBoxWritesNothing()
{
    program().openSheet(0, true);
    const QByteArray before = m_installation->readFile(u"SOL_INI/Tipo0.INI"_s);
    program().dialogs.inputAnswers = { std::nullopt };
    QTest::mouseClick(program().field(0, 1), Qt::LeftButton);
    QCOMPARE(program().dialogs.prompts.size(), 1);
    QCOMPARE(m_installation->readFile(u"SOL_INI/Tipo0.INI"_s), before);
    // An operator field opens nothing for the teacher.
    QTest::mouseClick(program().field(0, 2), Qt::LeftButton);
    QCOMPARE(program().dialogs.prompts.size(), 1);
    QVERIFY(!player()->PopupMenu1->isVisible());
}

void TestPlayerTeacher::numberFieldsOpenNothingForThePupil()
{
    program().openSheet(0);
    for (int step = 0; step < 2; ++step) {
        program().chooseOption(
            program().shownOptions().indexOf(program().correctOption(0, 0, step)));
        program().pressOk();
        program().tickUntilIdle();
    }
    QTest::mouseClick(program().field(0, 1), Qt::LeftButton);
    QVERIFY(program().dialogs.prompts.isEmpty());
}

void TestPlayerTeacher::answerLabelOpensTheEditBoxOnItsQuestionGroup()
{
    program().openSheet(0, true);
    QStringList opened;
    player()->editQuestionGroup = [&](QWidget *group, const RecordAddress &record) {
        opened << group->objectName() + u' ' + record.file.path() + u' ' + record.section + u' '
                + record.prefix;
        // The teacher rewrites the options and confirms.
        TForm4 *editBox = program().context->forms.Form4;
        editBox->prepare(group, QString(), record);
        editBox->Memo1->setLines({ u"Giusta"_s, u"Sbagliata"_s });
        editBox->LMDButton1Click();
        return true;
    };
    TextLabel *label = player()->answerLabels.at(1);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(opened, QStringList { u"E1 SOL_INI\\Tipo0.INI 0 E1"_s });
    QCOMPARE(elementTag(player()->E1), 1);
    QCOMPARE(program().readExerciseKey(0, 0, u"E1"_s), u"Giusta|Sbagliata"_s);
    QCOMPARE(player()->answerLabels.at(1)->font(), player()->E1->font());
    QCOMPARE(player()->answerLabels.at(1)->caption(), u"QUESTION GROUP N.1"_s);
}

void TestPlayerTeacher::rightClicksOpenTheElementEditor_data()
{
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QString>("edited");

    QTest::newRow("message bar") << true << u"LMDmessg"_s << u"LMDmessg"_s;
    QTest::newRow("label of the message bar") << true << u"errorsLabel"_s << u"LMDmessg"_s;
    QTest::newRow("problem band") << true << u"LMDtestp"_s << u"LMDtestp"_s;
    QTest::newRow("problem text") << true << u"LMDtesto"_s << u"LMDtesto"_s;
    QTest::newRow("work area") << true << u"LMDFill0"_s << u"LMDFill0"_s;
    QTest::newRow("section band") << true << u"SEZIONE1"_s << u"SEZIONE1"_s;
    QTest::newRow("pupil") << false << u"LMDtestp"_s << QString();
}

void TestPlayerTeacher::rightClicksOpenTheElementEditor()
{
    QFETCH(bool, editMode);
    QFETCH(QString, clicked);
    QFETCH(QString, edited);

    program().openSheet(0, editMode);
    QStringList opened;
    player()->editElement = [&](QWidget *element) {
        opened << element->objectName();
        return true;
    };
    auto *target = player()->findChild<QWidget *>(clicked);
    QVERIFY(target);
    // The bottom right corner is clear of the element's children.
    const QPoint corner(target->width() - 1, target->height() - 1);
    QTest::mouseClick(target, Qt::RightButton, {}, corner);
    QCOMPARE(opened, edited.isEmpty() ? QStringList() : QStringList { edited });
    // A left click edits nothing.
    opened.clear();
    QTest::mouseClick(target, Qt::LeftButton, {}, corner);
    QVERIFY(opened.isEmpty());
}

void TestPlayerTeacher::emptySectionCaptionsAreNamed()
{
    {
        IniFile file(program().exerciseFile(0));
        file.writeString(u"0"_s, u"SEZIONE1.Caption"_s, QString());
        file.updateFile();
    }
    program().openSheet(0, true);
    QCOMPARE(player()->sectionBands.at(1)->caption(), u"SECTION 1"_s);
    program().main()->LMDhomeClick();
    program().openSheet(0, false);
    QCOMPARE(player()->sectionBands.at(1)->caption(), QString());
}

void TestPlayerTeacher::previewShowsTheAnimationsInTurn()
{
    program().openSheet(0, true);
    QStringList top;
    QStringList bottom;
    for (int tick = 0; tick < 40; ++tick) {
        player()->Timer1Timer();
        if (tick % 10 == 0) {
            top << pictureName(player()->GifTop);
            bottom << pictureName(player()->bottomAnimator);
        }
    }
    QCOMPARE(top,
        (QStringList { u"Pollice.gif"_s, u"Riprova.gif"_s, u"Coriandoli.gif"_s, u"Stella.gif"_s }));
    QCOMPARE(
        bottom, (QStringList { u"Omino.gif"_s, u"Omino.gif"_s, u"Omino.gif"_s, u"Palla.gif"_s }));
    // The preview starts again with the first animation.
    player()->Timer1Timer();
    QCOMPARE(player()->logic().preview().previewCounter(), 11);
    QVERIFY(!player()->isBusy());
    QVERIFY(program().sound.played.isEmpty());
}

void TestPlayerTeacher::draggingTheProblemTextStoresItsPlace()
{
    program().openSheet(0, true);
    FillPanel *text = player()->LMDtesto;
    const QPoint start = text->pos();
    QTest::mousePress(text, Qt::LeftButton, {}, QPoint(10, 10));
    player()->GifTopMouseMove(text, text->mapToGlobal(QPoint(10, 10)) + QPoint(40, 20));
    QTest::mouseRelease(text, Qt::LeftButton, {}, QPoint(50, 30));
    QCOMPARE(text->pos(), start + QPoint(40, 20));
    const DesignSpace design(QSize(1680, 1050));
    QCOMPARE(program().readExerciseKey(0, 0, u"LMDtesto.Left"_s).toInt(),
        design.leftToStored(text->x()));
    QCOMPARE(
        program().readExerciseKey(0, 0, u"LMDtesto.Top"_s).toInt(), design.topToStored(text->y()));

    // The next load puts it there again.
    program().selectExercise(1);
    program().selectExercise(0);
    QCOMPARE(player()->LMDtesto->pos(), start + QPoint(40, 20));
}

void TestPlayerTeacher::draggingTheTopAnimationStoresItsPlace()
{
    program().openSheet(0, false);
    const QByteArray before = m_installation->readFile(u"SOL_INI/Tipo0.INI"_s);
    player()->GifTopMouseDown(player()->GifTop, Qt::LeftButton, QPoint(100, 100));
    player()->GifTopMouseMove(player()->GifTop, QPoint(140, 120));
    player()->GifTopMouseUp(player()->GifTop, Qt::LeftButton);
    // The pupil moves and writes nothing.
    QCOMPARE(m_installation->readFile(u"SOL_INI/Tipo0.INI"_s), before);

    program().main()->LMDhomeClick();
    program().openSheet(0, true);
    const QPoint start = player()->GifTop->pos();
    player()->GifTopMouseDown(player()->GifTop, Qt::LeftButton, QPoint(100, 100));
    player()->GifTopMouseMove(player()->GifTop, QPoint(60, 130));
    player()->GifTopMouseUp(player()->GifTop, Qt::LeftButton);
    QCOMPARE(player()->GifTop->pos(), start + QPoint(-40, 30));
    const IniFile file(program().exerciseFile(0));
    const DesignSpace design(QSize(1680, 1050));
    QCOMPARE(file.readInteger(u"GIFtop"_s, u"Left"_s, 0), design.leftToStored(start.x() - 40));
    QCOMPARE(file.readInteger(u"GIFtop"_s, u"Top"_s, 0), design.topToStored(start.y() + 30));
}

void TestPlayerTeacher::draggingThePictureStoresItsPlace()
{
    program().openSheet(0, true);
    AnimatedPicture *picture = player()->LMDimage;
    player()->ImageMouseDown(Qt::LeftButton, QPoint(50, 50));
    player()->ImageMouseMove(QPoint(50, 50) + QPoint(400, 300) - picture->pos());
    player()->ImageMouseUp(Qt::LeftButton);
    QCOMPARE(picture->pos(), QPoint(400, 300));
    // The handles came along.
    QCOMPARE(picture->mapFromGlobal(player()->Nodes->handle(0)->mapToGlobal(QPoint(2, 2))),
        QPoint(0, 0));
    // Positions in the design space, sizes in pixels.
    QCOMPARE(program().readExerciseKey(0, 0, u"LMDImage.Left"_s), u"800"_s);
    QCOMPARE(program().readExerciseKey(0, 0, u"LMDImage.Top"_s), u"600"_s);
    QCOMPARE(program().readExerciseKey(0, 0, u"LMDImage.Width"_s), u"180"_s);
    QCOMPARE(program().readExerciseKey(0, 0, u"LMDImage.Height"_s), u"144"_s);
}

void TestPlayerTeacher::resizeHandlesFollowTheirRules_data()
{
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<int>("node");
    QTest::addColumn<QPoint>("drag");
    // Change of left, top, width and height.
    QTest::addColumn<QRect>("change");

    // A corner follows the horizontal movement alone, in both directions.
    QTest::newRow("Node0 20 right") << true << 0 << QPoint(20, 7) << QRect(20, 20, -20, -20);
    QTest::newRow("Node2 20 right") << true << 2 << QPoint(20, 0) << QRect(0, -20, 20, 20);
    QTest::newRow("Node4 30 left") << true << 4 << QPoint(-30, 9) << QRect(0, 0, -30, -30);
    QTest::newRow("Node6 10 right") << true << 6 << QPoint(10, 0) << QRect(10, 0, -10, -10);
    // An edge goes where the mouse is.
    QTest::newRow("Node1 15 down") << true << 1 << QPoint(3, 15) << QRect(0, 15, 0, -15);
    QTest::newRow("Node3 25 right") << true << 3 << QPoint(25, -4) << QRect(0, 0, 25, 0);
    QTest::newRow("Node5 20 up") << true << 5 << QPoint(0, -20) << QRect(0, 0, 0, -20);
    QTest::newRow("Node7 10 left") << true << 7 << QPoint(-10, 0) << QRect(-10, 0, 10, 0);
    // Past the opposite corner or edge the picture stops at 10 pixels.
    QTest::newRow("Node0 past the corner")
        << true << 0 << QPoint(500, 0) << QRect(134, 134, -134, -134);
    QTest::newRow("Node3 past the edge") << true << 3 << QPoint(-500, 0) << QRect(0, 0, -170, 0);
    QTest::newRow("pupil") << false << 0 << QPoint(20, 0) << QRect();
}

void TestPlayerTeacher::resizeHandlesFollowTheirRules()
{
    QFETCH(bool, editMode);
    QFETCH(int, node);
    QFETCH(QPoint, drag);
    QFETCH(QRect, change);

    program().openSheet(0, editMode);
    AnimatedPicture *picture = player()->LMDimage;
    const QRect before = picture->geometry();
    QCOMPARE(before.size(), QSize(180, 144));
    QCOMPARE(player()->Nodes->isVisible(), editMode);
    const QByteArray file = m_installation->readFile(u"SOL_INI/Tipo0.INI"_s);

    const QPoint grip = player()->Nodes->handle(node)->mapToGlobal(QPoint(2, 2));
    player()->NodeMouseDown(node, grip);
    player()->NodeMouseMove(node, grip + drag);
    player()->NodeMouseUp(node);

    const QRect after(before.x() + change.x(), before.y() + change.y(),
        before.width() + change.width(), before.height() + change.height());
    QCOMPARE(picture->geometry(), after);
    if (!editMode) {
        QCOMPARE(m_installation->readFile(u"SOL_INI/Tipo0.INI"_s), file);
        return;
    }
    // The handles stand around the new bounds; the geometry is stored.
    QCOMPARE(picture->mapFromGlobal(player()->Nodes->handle(4)->mapToGlobal(QPoint(2, 2))),
        QPoint(after.width(), after.height()));
    const DesignSpace design(QSize(1680, 1050));
    QCOMPARE(program().readExerciseKey(0, 0, u"LMDImage.Left"_s).toInt(),
        design.leftToStored(after.x()));
    QCOMPARE(
        program().readExerciseKey(0, 0, u"LMDImage.Top"_s).toInt(), design.topToStored(after.y()));
    QCOMPARE(program().readExerciseKey(0, 0, u"LMDImage.Width"_s).toInt(), after.width());
    QCOMPARE(program().readExerciseKey(0, 0, u"LMDImage.Height"_s).toInt(), after.height());
}

void TestPlayerTeacher::aNewPictureIsCopiedAndStored()
{
    program().openSheet(0, true);
    QImage photo(100, 50, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    const QString chosen = m_installation->path(u"Nuova.bmp"_s);
    QVERIFY(photo.save(chosen, "BMP"));
    program().dialogs.fileAnswers = { chosen };
    player()->ImageMouseDown(Qt::RightButton, QPoint(50, 50));
    QVERIFY(QFileInfo::exists(m_installation->path(u"SOL_IMG/Nuova.bmp"_s)));
    QCOMPARE(program().readExerciseKey(0, 0, u"LMDImage.imgName"_s), u"SOL_IMG\\Nuova.bmp"_s);
    // As wide as the picture's shape at its height: 144 x 100 / 50.
    QCOMPARE(player()->LMDimage->width(), 288);
    QCOMPARE(program().readExerciseKey(0, 0, u"LMDImage.Width"_s), u"288"_s);
    QVERIFY(player()->LMDimage->hasPicture());
    QCOMPARE(program().dialogs.lastFilter, u"*.bmp (*.bmp *.jpg);;*.jpg (*.jpg)"_s);
    QCOMPARE(
        player()->LMDimage->mapFromGlobal(player()->Nodes->handle(0)->mapToGlobal(QPoint(2, 2))),
        QPoint(0, 0));

    // A picture of a name the pictures folder holds already is taken from there.
    const QByteArray kept = m_installation->readFile(u"SOL_IMG/Mele.bmp"_s);
    QVERIFY(photo.save(m_installation->path(u"Mele.bmp"_s), "BMP"));
    program().dialogs.fileAnswers = { m_installation->path(u"Mele"_s) };
    player()->ImageMouseDown(Qt::RightButton, QPoint(50, 50));
    QCOMPARE(m_installation->readFile(u"SOL_IMG/Mele.bmp"_s), kept);
    QCOMPARE(program().readExerciseKey(0, 0, u"LMDImage.imgName"_s), u"SOL_IMG\\Mele.bmp"_s);
}

void TestPlayerTeacher::editsOfACopyStayInTheCopy()
{
    program().openSheet(0, true);
    TForm4 *editBox = program().context->forms.Form4;
    FillPanel *text = player()->LMDtesto;
    const QString firstText = text->caption();
    const QPoint firstPlace = text->pos();
    const QString firstBand = player()->sectionBands.at(1)->caption();
    const QStringList keys { u"LMDtesto.Caption"_s, u"LMDtesto.Left"_s, u"LMDtesto.Top"_s,
        u"SEZIONE1.Caption"_s };
    QStringList firstRecord;
    for (const QString &key : keys)
        firstRecord << program().readExerciseKey(0, 0, key);

    // Exercise 01 copied becomes 07; the teacher rewrites the copy's text and
    // a band, and drags the text.
    QTest::mouseClick(program().main()->LMDcopy, Qt::LeftButton);
    QCOMPARE(program().main()->TabEserc->currentIndex(), 6);
    {
        ConfirmOnShow retype(editBox, [](TForm4 *box) { box->Memo1->setText(u"La copia"_s); });
        QTest::mouseClick(text, Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseClick(player()->sectionBands.at(1), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(retype.shown, 2);
    }
    QTest::mousePress(text, Qt::LeftButton, {}, QPoint(10, 10));
    player()->GifTopMouseMove(text, text->mapToGlobal(QPoint(10, 10)) + QPoint(30, 15));
    QTest::mouseRelease(text, Qt::LeftButton, {}, QPoint(40, 25));

    // Exercise 01 shows what its own section says, and confirming the Edit Box
    // there stores that again.
    program().selectExercise(0);
    QCOMPARE(text->caption(), firstText);
    QCOMPARE(text->pos(), firstPlace);
    QCOMPARE(player()->sectionBands.at(1)->caption(), firstBand);
    {
        ConfirmOnShow confirm(editBox);
        QTest::mouseClick(text, Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseClick(player()->sectionBands.at(1), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(confirm.shown, 2);
    }
    QStringList record;
    for (const QString &key : keys)
        record << program().readExerciseKey(0, 0, key);
    QCOMPARE(record, firstRecord);
    const IniFile file(program().exerciseFile(0));
    QCOMPARE(file.readString(u"6"_s, u"LMDtesto.Caption"_s, QString()), u"La copia"_s);
    QCOMPARE(file.readString(u"6"_s, u"SEZIONE1.Caption"_s, QString()), u"La copia"_s);
    QVERIFY(file.readString(u"6"_s, u"LMDtesto.Left"_s, QString())
        != file.readString(u"0"_s, u"LMDtesto.Left"_s, QString()));
}

void TestPlayerTeacher::aPictureWithoutAPlaceStaysPut_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::newRow("1366 x 768") << QSize(1366, 768);
    QTest::newRow("1920 x 1080") << QSize(1920, 1080);
}

void TestPlayerTeacher::aPictureWithoutAPlaceStaysPut()
{
    QFETCH(QSize, screen);
    {
        IniFile file(program().exerciseFile(0));
        for (const QString &section : { u"0"_s, u"1"_s }) {
            file.deleteKey(section, u"LMDImage.Left"_s);
            file.deleteKey(section, u"LMDImage.Top"_s);
        }
        file.updateFile();
    }
    m_program.reset();
    m_program = std::make_unique<PlayerProgram>(*m_installation, screen);
    program().openSheet(0);
    const QPoint place = player()->LMDimage->pos();
    for (int load = 0; load < 3; ++load) {
        program().selectExercise(1);
        program().selectExercise(0);
    }
    QCOMPARE(player()->LMDimage->pos(), place);
}

QTEST_MAIN(TestPlayerTeacher)
#include "tst_playerteacher.moc"
