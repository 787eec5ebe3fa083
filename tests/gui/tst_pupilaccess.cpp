#include "tst_playerfixture.h"

#include "app/programlanguage.h"
#include "media/speechoutput.h"
#include "player/reportcontent.h"
#include "ui/fillpanel.h"
#include "ui/hintwindow.h"
#include "ui/picturebutton.h"
#include "ui/speakerbutton.h"

#include <QAccessible>
#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

namespace {

class RecordingSpeech final : public SpeechOutput
{
public:
    bool voice = true;
    QStringList said;

    void prepare() override { }
    bool canSpeak() const override { return voice; }
    void say(const QString &text) override { said << text; }
    void stop() override { }
};

QString accessible(QWidget *widget, QAccessible::Text kind)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(kind) : QString();
}

} // namespace

// A pupil who works from the keyboard alone, with a screen reader and a voice
// that reads aloud; and a pupil whose language is Italian.
class TestPupilAccess : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void wholeRoadByKeyboard();
    void italianPupilSeesItalian();

private:
    TFormP3 *player() { return m_program->player(); }
    StepCycle &steps() { return player()->logic().steps(); }
    QWidget *focused() const { return QApplication::focusWidget(); }
    void press(int key, Qt::KeyboardModifiers modifiers = {});
    void type(const QString &keys);
    // Tab until the focus is on target, as the pupil would.
    void tabTo(QWidget *target);
    // Every control on the screen carries a name a screen reader can say.
    void checkNames();
    void chooseByArrows(int sheet, int exercise, int step);
    void typeRow(const QStringList &entries);

    std::unique_ptr<TestInstallation> m_installation;
    std::unique_ptr<PlayerProgram> m_program;
    RecordingSpeech m_speech;
};

void TestPupilAccess::init()
{
    m_installation = std::make_unique<TestInstallation>();
    m_installation->copySample();
    m_program = std::make_unique<PlayerProgram>(*m_installation);
    m_speech = RecordingSpeech();
    m_program->context->speech = &m_speech;
}

void TestPupilAccess::cleanup()
{
    m_program.reset();
    m_installation.reset();
}

void TestPupilAccess::press(int key, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = focused();
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

void TestPupilAccess::type(const QString &keys)
{
    QWidget *target = focused();
    QVERIFY(target);
    QTest::keyClicks(target, keys);
}

void TestPupilAccess::tabTo(QWidget *target)
{
    for (int presses = 0; presses < 40 && focused() != target; ++presses)
        press(Qt::Key_Tab);
    QVERIFY2(focused() == target, qPrintable(target->objectName()));
}

void TestPupilAccess::checkNames()
{
    QList<QWidget *> shown = m_program->main()->findChildren<QWidget *>();
    shown << player()->msg;
    for (QWidget *widget : std::as_const(shown)) {
        if (!widget->isVisible())
            continue;
        const bool control = (widget->focusPolicy() & Qt::TabFocus)
            || qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget)
            || qobject_cast<QTabBar *>(widget)
            || (qobject_cast<AnimatedPicture *>(widget) && widget->parent() == player()->LMDFill0)
            || widget == player()->LMDtesto || widget == player()->E1 || widget == player()->msg;
        if (control) {
            QVERIFY2(!accessible(widget, QAccessible::Name).isEmpty(),
                qPrintable(widget->objectName() + u' '
                    + QLatin1StringView(widget->metaObject()->className())));
        }
    }
}

void TestPupilAccess::chooseByArrows(int sheet, int exercise, int step)
{
    const int right
        = m_program->shownOptions().indexOf(m_program->correctOption(sheet, exercise, step));
    QVERIFY(right >= 0);
    QCOMPARE(focused(), m_program->player()->E1->findChildren<QRadioButton *>().value(0));
    for (int i = 0; i < right; ++i)
        press(Qt::Key_Down);
    press(Qt::Key_Return);
    QCOMPARE(steps().selectedOption(), right);
}

void TestPupilAccess::typeRow(const QStringList &entries)
{
    for (const QString &entry : entries) {
        QVERIFY(qobject_cast<pLMDedit *>(focused()));
        type(entry);
        press(Qt::Key_Return);
    }
}

void TestPupilAccess::wholeRoadByKeyboard()
{
    TForm0 *main = m_program->main();
    TForm1 *home = m_program->home();
    main->show();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));

    // The home page: the name, then the first sheet.
    main->FD->showPage(TForm0::HomePage);
    QCOMPARE(focused(), home->LMDEdit1);
    checkNames();
    type(u"Anna"_s);
    press(Qt::Key_Return);
    QCOMPARE(focused(), home->TabSheet);
    press(Qt::Key_Return);
    QCOMPARE(main->FD->currentPage(), player());
    QCOMPARE(home->LMDEdit1->text(), u"Anna"_s);

    // The problem read aloud.
    QVERIFY(player()->problemSpeaker->isVisible());
    tabTo(player()->problemSpeaker);
    press(Qt::Key_Space);
    QCOMPARE(m_speech.said,
        QStringList { decodeLineBreaks(m_program->readExerciseKey(0, 0, u"LMDtesto.Caption"_s))
                          .replace(u"\r\n"_s, u"\n"_s) });
    QCOMPARE(accessible(player()->LMDtesto, QAccessible::Description), m_speech.said.first());

    // Step 0: the help key, a wrong answer whose hint is read aloud, then the
    // right one; Tab goes round the screen back to the options.
    tabTo(player()->E1->findChildren<QRadioButton *>().value(0));
    checkNames();
    press(Qt::Key_F3);
    QCOMPARE(
        player()->msg->text(), m_program->readExerciseKey(0, 0, u"MSG_HLP"_s).split(u'|').value(0));
    const int right = m_program->shownOptions().indexOf(m_program->correctOption(0, 0, 0));
    press(right == 0 ? Qt::Key_Down : Qt::Key_Return);
    if (right == 0)
        press(Qt::Key_Return);
    QCOMPARE(steps().totalErrors(), 1);
    m_program->settle();
    QVERIFY(player()->hintSpeaker->isVisible());
    checkNames();
    tabTo(player()->hintSpeaker);
    press(Qt::Key_Space);
    QCOMPARE(m_speech.said.last(), player()->msg->text());
    RadioGroup *options = player()->E1;
    tabTo(options->findChildren<QRadioButton *>().value(options->itemIndex()));
    for (int i = 0; i < 3 && options->itemIndex() != right; ++i)
        press(options->itemIndex() < right ? Qt::Key_Down : Qt::Key_Up);
    press(Qt::Key_Return);
    m_program->tickUntilIdle();
    QCOMPARE(steps().currentStep(), 1);
    chooseByArrows(0, 0, 1);
    m_program->tickUntilIdle();

    // The formula row: the operator field takes only operators, Enter skips
    // the equals sign and the result confirms the step.
    QCOMPARE(steps().currentStep(), 2);
    QCOMPARE(focused(), m_program->field(0, 1));
    checkNames();
    QCOMPARE(accessible(m_program->field(0, 1), QAccessible::Name), u"Num.1"_s);
    QCOMPARE(accessible(m_program->field(0, 5), QAccessible::Name), u"Result"_s);
    type(u"12"_s);
    press(Qt::Key_Return);
    QCOMPARE(focused(), m_program->field(0, 2));
    type(u"5a*"_s);
    QCOMPARE(m_program->field(0, 2)->text(), u"X"_s);
    type(u"+"_s);
    QCOMPARE(m_program->field(0, 2)->text(), u"+"_s);
    press(Qt::Key_Return);
    type(u"7"_s);
    press(Qt::Key_Return);
    QCOMPARE(focused(), m_program->field(0, 5));
    type(u"19"_s);
    press(Qt::Key_Return);
    QCOMPARE(steps().exerciseState(0), int(SolvedByPupil));
    QCOMPARE(steps().totalErrors(), 1);
    // Nothing is left to answer: the keys go to the exercise tabs.
    QCOMPARE(focused(), main->TabEserc);
    m_program->settle();
    checkNames();
    QCOMPARE(accessible(player()->cockadeImage, QAccessible::Description), u"Exercise solved"_s);
    QCOMPARE(accessible(player()->smileyImages.at(0), QAccessible::Description), u"Errors: 1"_s);

    // Home, and the equivalences of the third sheet.
    tabTo(main->LMDhome);
    press(Qt::Key_Space);
    QCOMPARE(main->FD->currentPage(), home);
    QCOMPARE(focused(), home->LMDEdit1);
    press(Qt::Key_Return);
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    press(Qt::Key_Return);
    QCOMPARE(main->FD->currentPage(), player());
    QCOMPARE(home->currentSheet(), 2);
    chooseByArrows(2, 0, 0);
    m_program->tickUntilIdle();
    typeRow({ u"3"_s, u"m"_s, u"30"_s, u"dm"_s });
    QCOMPARE(steps().totalErrors(), 0);
    m_program->tickUntilIdle();
    QCOMPARE(accessible(m_program->field(1, 2), QAccessible::Name), u"Mark"_s);
    typeRow({ u"3"_s, u"m"_s, u"300"_s, u"cm"_s });
    QCOMPARE(steps().exerciseState(0), int(SolvedByPupil));
    m_program->settle();

    // The next exercise by the tabs, without a voice: no speaker; then the
    // solution key.
    m_speech.voice = false;
    QCOMPARE(focused(), main->TabEserc);
    press(Qt::Key_Right);
    QCOMPARE(m_program->main()->TabEserc->currentIndex(), 1);
    QVERIFY(!player()->problemSpeaker->isVisible());
    press(Qt::Key_F4);
    QCOMPARE(steps().exerciseState(1), int(SolvedBySolution));
    m_program->settle();
    checkNames();
}

void TestPupilAccess::italianPupilSeesItalian()
{
    // No translation for the tests' own locale: the texts stay as written.
    QVERIFY(!ProgramLanguage(QLocale::c()).translated());
    QVERIFY(!ProgramLanguage(QLocale(QLocale::English)).translated());

    m_program.reset();
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    const ProgramLanguage language(italian);
    QVERIFY(language.translated());
    m_program = std::make_unique<PlayerProgram>(*m_installation);
    m_program->context->env.locale = italian;
    QCOMPARE(m_program->home()->LMDEdit1->text(), u"Ciao!"_s);
    m_program->openSheet(0);
    QCOMPARE(player()->sheetLabel->caption(), u"SCHEDA 1"_s);
    QCOMPARE(player()->exerciseLabel->caption(), u"ESERCIZIO 1/6"_s);
    QCOMPARE(player()->errorsLabel->caption(), u"ERRORI 0"_s);
    const QStringList labels { u"Numero 1"_s, u"Seg.1"_s, u"Numero 2"_s, QString(),
        u"Risultato"_s };
    QStringList shown;
    for (int position = 1; position <= labels.size(); ++position)
        shown << accessible(m_program->field(0, position), QAccessible::Name);
    shown[3] = QString();
    QCOMPARE(shown, labels);
    const ReportInput report = player()->reportInput();
    QCOMPARE(report.errorsLabel, u"ERRORI 0"_s);
    QCOMPARE(report.locale.toString(report.now.date(), QLocale::ShortFormat), u"06/05/24"_s);
}

QTEST_MAIN(TestPupilAccess)
#include "tst_pupilaccess.moc"
