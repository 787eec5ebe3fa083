#include "support/scripteddialogs.h"
#include "ui/filefilter.h"
#include "ui/filenameedit.h"

#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace solvaro;

class TestFileNameEdit : public QObject
{
    Q_OBJECT

private slots:
    void defaultExtension_data();
    void defaultExtension();
    void filterConversion_data();
    void filterConversion();

    void browsingAppliesTheDefaultExtension_data();
    void browsingAppliesTheDefaultExtension();
    void browsingAsksWithTheFilterAndFolder();
    void cancelledBrowsingLeavesTheField();
    void settingTheNameIsNotAChange();
    void typedNameIsToldOnceWhenFinished();
};

void TestFileNameEdit::defaultExtension_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("expected");

    QTest::newRow("bare name") << "/pics/cat"
                               << "gif"
                               << "/pics/cat.gif";
    QTest::newRow("written with a dot") << "/pics/cat"
                                        << ".gif"
                                        << "/pics/cat.gif";
    QTest::newRow("written as a pattern") << "/pics/cat"
                                          << "*.bmp"
                                          << "/pics/cat.bmp";
    QTest::newRow("has an extension") << "/pics/cat.png"
                                      << "gif"
                                      << "/pics/cat.png";
    QTest::newRow("other case kept") << "/snd/ding.WAV"
                                     << "wav"
                                     << "/snd/ding.WAV";
    QTest::newRow("dot in the folder only") << "/my.pics/cat"
                                            << "gif"
                                            << "/my.pics/cat.gif";
    QTest::newRow("trailing dot") << "/pics/cat."
                                  << "gif"
                                  << "/pics/cat.gif";
    QTest::newRow("backslash folder") << "C:\\pics.x\\cat"
                                      << "gif"
                                      << "C:\\pics.x\\cat.gif";
    QTest::newRow("no extension given") << "/pics/cat"
                                        << ""
                                        << "/pics/cat";
    QTest::newRow("empty name") << ""
                                << "gif"
                                << "";
    QTest::newRow("a folder") << "/pics/"
                              << "gif"
                              << "/pics/";
}

void TestFileNameEdit::defaultExtension()
{
    QFETCH(QString, fileName);
    QFETCH(QString, extension);
    QFETCH(QString, expected);
    QCOMPARE(withDefaultExtension(fileName, extension), expected);
}

void TestFileNameEdit::filterConversion_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one pair") << "*.wav|*.WAV"
                              << "*.wav (*.WAV)";
    QTest::newRow("two pairs, odd pattern kept") << "*.bmp|*.bmp|*.jpg|*jpg"
                                                 << "*.bmp (*.bmp);;*.jpg (*jpg)";
    QTest::newRow("several patterns") << "Pictures|*.bmp;*.gif"
                                      << "Pictures (*.bmp *.gif)";
    QTest::newRow("description alone") << "*.gif"
                                       << "*.gif";
    QTest::newRow("dangling description") << "All|*.*|*.gif"
                                          << "All (*.*);;*.gif (*.gif)";
    QTest::newRow("already Qt's form") << "Sounds (*.wav)"
                                       << "Sounds (*.wav)";
    QTest::newRow("empty") << ""
                           << "";
}

void TestFileNameEdit::filterConversion()
{
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    QCOMPARE(toQtFileFilter(filter), expected);
}

void TestFileNameEdit::browsingAppliesTheDefaultExtension_data()
{
    QTest::addColumn<QString>("picked");
    QTest::addColumn<QString>("expected");
    QTest::newRow("typed without extension") << "/home/t/ding"
                                             << "/home/t/ding.wav";
    QTest::newRow("with its own extension") << "/home/t/ding.mp3"
                                            << "/home/t/ding.mp3";
}

void TestFileNameEdit::browsingAppliesTheDefaultExtension()
{
    QFETCH(QString, picked);
    QFETCH(QString, expected);
    ScriptedDialogs dialogs;
    dialogs.fileAnswers << picked;
    FileNameEdit edit;
    edit.setDialogs(&dialogs);
    edit.setFilter(QStringLiteral("*.wav|*.WAV"));
    edit.setDefaultExtension(QStringLiteral("wav"));
    QSignalSpy changes(&edit, &FileNameEdit::fileNameChanged);

    QTest::mouseClick(edit.browseButton(), Qt::LeftButton);

    QCOMPARE(edit.fileName(), expected);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).toString(), expected);
    QVERIFY(dialogs.fileAnswers.isEmpty());
}

void TestFileNameEdit::browsingAsksWithTheFilterAndFolder()
{
    ScriptedDialogs dialogs;
    dialogs.fileAnswers << QString() << QString();
    FileNameEdit edit;
    edit.setDialogs(&dialogs);
    edit.setFilter(QStringLiteral("*.gif|*.GIF"));
    edit.setInitialFolder(QStringLiteral("/opt/solvaro/SOL_IMG"));
    edit.setDialogCaption(QStringLiteral("Animation"));

    edit.browse();
    QCOMPARE(dialogs.lastFilter, QStringLiteral("*.gif (*.GIF)"));
    QCOMPARE(dialogs.lastFolder, QStringLiteral("/opt/solvaro/SOL_IMG"));
    QCOMPARE(dialogs.lastCaption, QStringLiteral("Animation"));

    // A field naming a file in an existing folder starts there instead.
    const QString here = QDir::tempPath();
    edit.setFileName(here + QStringLiteral("/cat.gif"));
    edit.browse();
    QCOMPARE(dialogs.lastFolder, here);
}

void TestFileNameEdit::cancelledBrowsingLeavesTheField()
{
    ScriptedDialogs dialogs;
    dialogs.fileAnswers << QString();
    FileNameEdit edit;
    edit.setDialogs(&dialogs);
    edit.setFileName(QStringLiteral("/a/b.gif"));
    QSignalSpy changes(&edit, &FileNameEdit::fileNameChanged);
    edit.browse();
    QCOMPARE(edit.fileName(), QStringLiteral("/a/b.gif"));
    QCOMPARE(changes.size(), 0);
}

void TestFileNameEdit::settingTheNameIsNotAChange()
{
    FileNameEdit edit;
    QSignalSpy changes(&edit, &FileNameEdit::fileNameChanged);
    edit.setFileName(QStringLiteral("/a/b.gif"));
    emit edit.lineEdit()->editingFinished();
    QCOMPARE(changes.size(), 0);
}

void TestFileNameEdit::typedNameIsToldOnceWhenFinished()
{
    FileNameEdit edit;
    edit.show();
    QSignalSpy changes(&edit, &FileNameEdit::fileNameChanged);
    edit.lineEdit()->setFocus();
    QTest::keyClicks(edit.lineEdit(), QStringLiteral("/x/y.wav"));
    QCOMPARE(changes.size(), 0);
    QTest::keyClick(edit.lineEdit(), Qt::Key_Return);
    emit edit.lineEdit()->editingFinished();
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).toString(), QStringLiteral("/x/y.wav"));
}

QTEST_MAIN(TestFileNameEdit)
#include "tst_uifilenameedit.moc"
