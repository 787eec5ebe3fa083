#include "app/unit0.h"
#include "home/unit1.h"
#include "storage/inifile.h"
#include "tst_programfixture.h"
#include "ui/pagehost.h"
#include "ui/picturebutton.h"
#include "ui/tabstrip.h"

#include <QFile>
#include <QTest>

using namespace solvaro;

// The teacher's copy and delete buttons on the first sample sheet, which has
// six exercises.
class TestMainWindowCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void copyAddsTheCurrentExerciseAtTheEnd();
    void deleteAsksAndRenumbers_data();
    void deleteAsksAndRenumbers();
    void theLastExerciseIsNotDeleted();
    void thePupilCannotCopyOrDelete();

private:
    void openFirstSheet(bool teacher);
    TForm0 *window() const { return m_program->forms().Form0; }
    QStringList tabTexts() const;
    QString exerciseFile() const
    {
        return m_installation->path(QStringLiteral("SOL_INI/Tipo0.INI"));
    }
    int storedCount() const
    {
        return IniFile(m_installation->path(QStringLiteral("SOL_INI/GLOBAL.INI")))
            .readInteger(QStringLiteral("COMMONAREA"), QStringLiteral("MAX0"), -1);
    }

    std::unique_ptr<TestInstallation> m_installation;
    std::unique_ptr<AssembledProgram> m_program;
};

void TestMainWindowCatalogue::initTestCase()
{
    m_installation = std::make_unique<TestInstallation>();
    m_installation->copySample();
}

void TestMainWindowCatalogue::init()
{
    for (const char *file : { "SOL_INI/GLOBAL.INI", "SOL_INI/Tipo0.INI" }) {
        QFile sample(QStringLiteral(SOLVARO_SAMPLE_DIR "/") + QLatin1String(file));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        m_installation->writeFile(QLatin1String(file), sample.readAll());
    }
    m_program = std::make_unique<AssembledProgram>(*m_installation);
    window()->resize(1680, 1000);
    window()->show();
}

void TestMainWindowCatalogue::cleanup()
{
    m_program.reset();
}

void TestMainWindowCatalogue::openFirstSheet(bool teacher)
{
    TForm1 *home = m_program->forms().Form1;
    home->EditMode = teacher;
    window()->FD->showPage(TForm0::HomePage);
    home->TabSheetMouseUp();
    QCOMPARE(window()->FD->currentIndex(), 1);
    QCOMPARE(window()->TabEserc->count(), 6);
}

QStringList TestMainWindowCatalogue::tabTexts() const
{
    QStringList texts;
    for (int i = 0; i < window()->TabEserc->count(); ++i)
        texts << window()->TabEserc->tabText(i);
    return texts;
}

void TestMainWindowCatalogue::copyAddsTheCurrentExerciseAtTheEnd()
{
    openFirstSheet(true);
    window()->TabEserc->setCurrentIndex(2);
    const QStringList original = IniFile(exerciseFile()).sectionLines(QStringLiteral("2"));
    QVERIFY(!original.isEmpty());

    QTest::mouseClick(window()->LMDcopy, Qt::LeftButton);
    QCOMPARE(tabTexts(),
        (QStringList { QStringLiteral("01"), QStringLiteral("02"), QStringLiteral("03"),
            QStringLiteral("04"), QStringLiteral("05"), QStringLiteral("06"),
            QStringLiteral("07") }));
    QCOMPARE(window()->TabEserc->currentIndex(), 6);
    QCOMPARE(storedCount(), 7);
    QCOMPARE(IniFile(exerciseFile()).sectionLines(QStringLiteral("6")), original);
    QCOMPARE(window()->FD->currentIndex(), 1);
}

void TestMainWindowCatalogue::deleteAsksAndRenumbers_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("selected");
    QTest::newRow("second, confirmed") << 1 << true << 0;
    QTest::newRow("fourth, confirmed") << 3 << true << 2;
    QTest::newRow("first, confirmed") << 0 << true << 0;
    QTest::newRow("refused") << 3 << false << 3;
}

void TestMainWindowCatalogue::deleteAsksAndRenumbers()
{
    QFETCH(int, current);
    QFETCH(bool, answer);
    QFETCH(int, selected);
    openFirstSheet(true);
    window()->TabEserc->setCurrentIndex(current);
    const QStringList next = IniFile(exerciseFile()).sectionLines(QString::number(current + 1));
    m_program->dialogs.yesNoAnswers << answer;

    QTest::mouseClick(window()->LMDdelete, Qt::LeftButton);
    QCOMPARE(m_program->dialogs.questions,
        QStringList { QStringLiteral("you're deleting the exercise number [%1]. Confirm ? ")
                          .arg(current + 1) });
    QCOMPARE(window()->TabEserc->count(), answer ? 5 : 6);
    QCOMPARE(storedCount(), answer ? 5 : 6);
    QCOMPARE(window()->TabEserc->currentIndex(), selected);
    if (answer) {
        // The following exercise took the deleted one's number; the labels
        // stay as they were until the sheet is opened again.
        QCOMPARE(IniFile(exerciseFile()).sectionLines(QString::number(current)), next);
        QVERIFY(
            !tabTexts().contains(QStringLiteral("%1").arg(current + 1, 2, 10, QLatin1Char('0'))));
    }
}

void TestMainWindowCatalogue::theLastExerciseIsNotDeleted()
{
    openFirstSheet(true);
    window()->TabEserc->setNumberedTabs(1);
    const QByteArray before = m_installation->readFile(QStringLiteral("SOL_INI/Tipo0.INI"));
    window()->LMDdeleteClick();
    QVERIFY(m_program->dialogs.questions.isEmpty());
    QCOMPARE(window()->TabEserc->count(), 1);
    QCOMPARE(m_installation->readFile(QStringLiteral("SOL_INI/Tipo0.INI")), before);
}

void TestMainWindowCatalogue::thePupilCannotCopyOrDelete()
{
    openFirstSheet(false);
    QVERIFY(!window()->LMDcopy->isVisible());
    QVERIFY(!window()->LMDdelete->isVisible());
    window()->LMDcopyClick();
    window()->LMDdeleteClick();
    QCOMPARE(window()->TabEserc->count(), 6);
    QCOMPARE(storedCount(), 6);
    QVERIFY(m_program->dialogs.questions.isEmpty());
}

QTEST_MAIN(TestMainWindowCatalogue)
#include "tst_mainwindowcatalogue.moc"
