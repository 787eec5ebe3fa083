#include "tst_playerfixture.h"
#include "whenshown.h"

#include "dialogs/unit5.h"
#include "ui/filenameedit.h"
#include "ui/hintwindow.h"
#include "ui/memo.h"
#include "ui/picturebutton.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

// The teacher dresses an exercise in "GENERAL MEDIA SETTINGS", and the pupil
// meets what was chosen.
class TestMediaSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void theTeachersChoicesReachThePupil();
    void nothingIsWrittenButByAGoodOk();

private:
    PlayerProgram &program() { return *m_program; }
    TFormP3 *player() { return m_program->player(); }
    TForm5 *dialog() { return m_program->context->forms.Form5; }
    FileNameEdit *field(const QString &name) { return dialog()->findChild<FileNameEdit *>(name); }
    // Picks a file for a field through its browse button.
    void pick(const QString &fieldName, const QString &file)
    {
        program().dialogs.fileAnswers = { file };
        field(fieldName)->browseButton()->click();
    }
    QString outsideCopy(const QString &sample, const QString &name)
    {
        const QString path = m_outside.filePath(name);
        QFile::remove(path);
        QFile::copy(m_installation->path(sample), path);
        return path;
    }
    QByteArray file(const QString &path) const { return m_installation->readFile(path); }

    std::unique_ptr<TestInstallation> m_installation;
    std::unique_ptr<PlayerProgram> m_program;
    QTemporaryDir m_outside;
};

void TestMediaSettings::init()
{
    m_installation = std::make_unique<TestInstallation>();
    m_installation->copySample();
    m_program = std::make_unique<PlayerProgram>(*m_installation);
}

void TestMediaSettings::cleanup()
{
    m_program.reset();
    m_installation.reset();
}

void TestMediaSettings::theTeachersChoicesReachThePupil()
{
    const QString sound = outsideCopy(u"SOL_WAV/Fanfara.wav"_s, u"Applauso.wav"_s);
    const QString animation = outsideCopy(u"SOL_IMG/Palla.gif"_s, u"Saltello.gif"_s);
    program().openSheet(0, true);
    program().selectExercise(1);

    WhenShown teacher(dialog(), [&] {
        QCOMPARE(dialog()->windowTitle(), program().main()->windowTitle());
        QCOMPARE(QFileInfo(field(u"LMDFileOpenW2"_s)->fileName()).fileName(), u"Oops.wav"_s);
        pick(u"LMDFileOpenW1"_s, sound);
        pick(u"LMDFileOpenG2"_s, animation);
        QVERIFY(dialog()->animationPreviews.at(1)->fileName().endsWith(u"Saltello.gif"_s));
        dialog()->MSG_ERR->setLines(
            { u"Rileggi il testo."_s, u"Quante ne compra?"_s, u"12 + 7"_s });
        dialog()->LMDButton1->click();
    });
    program().main()->LMDconfigure->click();
    QCOMPARE(teacher.shown, 1);
    QVERIFY(!dialog()->isVisible());

    // The files under their bare names, the settings in both files.
    QCOMPARE(file(u"SOL_WAV/Applauso.wav"_s), file(u"SOL_WAV/Fanfara.wav"_s));
    QCOMPARE(file(u"SOL_IMG/Saltello.gif"_s), file(u"SOL_IMG/Palla.gif"_s));
    const IniFile global(m_installation->path(u"SOL_INI/GLOBAL.INI"_s));
    QCOMPARE(global.readString(u"COMMONAREA"_s, u"W1"_s, {}), u"SOL_WAV\\Applauso.wav"_s);
    QCOMPARE(global.readString(u"COMMONAREA"_s, u"W2"_s, {}), u"SOL_WAV\\Oops.wav"_s);
    const IniFile sheet(program().exerciseFile(0));
    QCOMPARE(sheet.readString(u"COMMONAREA"_s, u"GIF2"_s, {}), u"SOL_IMG\\Saltello.gif"_s);
    QCOMPARE(sheet.readString(u"COMMONAREA"_s, u"GIF1"_s, {}), u"SOL_IMG\\Pollice.gif"_s);
    QCOMPARE(program().readExerciseKey(0, 1, u"MSG_ERR"_s),
        u"Rileggi il testo.|Quante ne compra?|12 + 7"_s);
    QCOMPARE(dialog()->animationPaths().at(1), u"SOL_IMG\\Saltello.gif"_s);
    // The teacher's preview shows the new animation in its second second.
    for (int tick = 0; tick <= 10; ++tick)
        player()->Timer1Timer();
    QCOMPARE(pictureName(player()->GifTop), u"Saltello.gif"_s);

    // The pupil on that exercise: a right answer, then a wrong one.
    program().main()->LMDhomeClick();
    program().openSheet(0, false);
    program().selectExercise(1);
    const QString right = program().correctOption(0, 1, 0);
    program().chooseOption(program().shownOptions().indexOf(right));
    program().pressOk();
    player()->Timer1Timer();
    QCOMPARE(program().sound.last(), u"Applauso.wav"_s);
    program().settle();
    const QStringList options = program().shownOptions();
    const int wrong = (options.indexOf(program().correctOption(0, 1, 1)) + 1) % options.size();
    program().chooseOption(wrong);
    program().pressOk();
    QCOMPARE(player()->msg->text(), u"Quante ne compra?"_s);
    player()->Timer1Timer();
    QCOMPARE(pictureName(player()->GifTop), u"Saltello.gif"_s);
}

void TestMediaSettings::nothingIsWrittenButByAGoodOk()
{
    const QString global = u"SOL_INI/GLOBAL.INI"_s;
    const QString sheet = u"SOL_INI/Tipo0.INI"_s;
    const QByteArray globalBefore = file(global);
    const QByteArray sheetBefore = file(sheet);
    const QByteArray oops = file(u"SOL_WAV/Oops.wav"_s);
    const QStringList soundsBefore = QDir(m_installation->path(u"SOL_WAV"_s)).entryList();
    program().openSheet(0, true);

    // Cancel after changes and a preview: no byte written, the preview stopped.
    {
        WhenShown cancelled(dialog(), [&] {
            pick(u"LMDFileOpenW1"_s, outsideCopy(u"SOL_WAV/Bravo.wav"_s, u"Nuovo.wav"_s));
            dialog()->MSG_HLP->setText(u"altro"_s);
            dialog()->playButtons.at(0)->click();
            QCOMPARE(program().sound.last(), u"Nuovo.wav"_s);
            dialog()->animateButtons.at(2)->click();
            QVERIFY(dialog()->animationPreviews.at(2)->isAnimating());
            dialog()->LMDButton2->click();
        });
        const int stops = program().sound.stops;
        program().main()->LMDconfigure->click();
        QCOMPARE(cancelled.shown, 1);
        QCOMPARE(program().sound.stops, stops + 1);
        QVERIFY(!dialog()->animationPreviews.at(2)->isAnimating());
        QCOMPARE(file(global), globalBefore);
        QCOMPARE(file(sheet), sheetBefore);
        QCOMPARE(QDir(m_installation->path(u"SOL_WAV"_s)).entryList(), soundsBefore);
    }

    // A name that would be read as a path is refused, and nothing is written.
    {
        const QString escaping = outsideCopy(u"SOL_WAV/Bravo.wav"_s, u"..\\GLOBAL.INI"_s);
        const qsizetype messages = program().dialogs.messages.size();
        WhenShown refused(dialog(), [&] {
            pick(u"LMDFileOpenW3"_s, escaping);
            dialog()->LMDButton1->click();
            QVERIFY(dialog()->isVisible());
        });
        program().main()->LMDconfigure->click();
        QCOMPARE(refused.shown, 1);
        QCOMPARE(program().dialogs.messages.size(), messages + 1);
        QVERIFY(program().dialogs.messages.last().contains(u"..\\GLOBAL.INI"_s));
        QCOMPARE(file(global), globalBefore);
        QCOMPARE(file(sheet), sheetBefore);
    }

    // The file already in the sound folder is chosen again: it stays whole.
    WhenShown same(dialog(), [&] {
        pick(u"LMDFileOpenW2"_s, m_installation->path(u"SOL_WAV/Oops.wav"_s));
        dialog()->LMDButton1->click();
    });
    program().main()->LMDconfigure->click();
    QCOMPARE(same.shown, 1);
    QCOMPARE(file(u"SOL_WAV/Oops.wav"_s), oops);
    QCOMPARE(IniFile(m_installation->path(global)).readString(u"COMMONAREA"_s, u"W2"_s, {}),
        u"SOL_WAV\\Oops.wav"_s);
}

QTEST_MAIN(TestMediaSettings)
#include "tst_mediasettings.moc"
