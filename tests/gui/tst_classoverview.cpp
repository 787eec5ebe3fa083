// The teacher opens the class overview from the toolbar on a class folder of
// a few pupils, one damaged file and a note, filters, sorts, exports the table
// to a spreadsheet file and prints it.
#include "app/unit0.h"
#include "home/unit1.h"
#include "overview/classoverviewwindow.h"
#include "player/progressfile.h"
#include "tst_programfixture.h"
#include "ui/animatedpicture.h"
#include "ui/pagehost.h"
#include "ui/picturebutton.h"
#include "ui/report/reportengine.h"
#include "ui/report/reportpreview.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace solvaro;
using namespace Qt::StringLiterals;

namespace {

class RecordingPreview final : public ReportPreview
{
public:
    void showReport(const ReportEngine &engine) override { shown.append(engine.preparedPages()); }
    QList<QList<PreparedPage>> shown;
};

struct Saved {
    const char *pupil;
    int sheet;
    int exercise;
    int state;
    int errors;
};

// The rows of a table as the view shows them, cells joined by '|'.
QStringList shownRows(const QTableView *view)
{
    const QAbstractItemModel *model = view->model();
    QStringList rows;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(r, c).data().toString();
        rows << cells.join(u'|');
    }
    return rows;
}

void clickHeading(QTableView *view, int column)
{
    QHeaderView *header = view->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
        QPoint(header->sectionViewportPosition(column) + 4, header->height() / 2));
}

} // namespace

class TestClassOverview : public QObject
{
    Q_OBJECT

private slots:
    void teacherFollowsTheClass();
};

void TestClassOverview::teacherFollowsTheClass()
{
    TestInstallation installation;
    installation.copySample();
    // Written by the player's own save, as pupils leave their exercises.
    const Saved saves[] = {
        { "anna", 0, 0, 3, 1 },
        { "anna", 0, 1, 4, 4 },
        { "anna", 1, 0, 0, 2 },
        { "de luca, mia", 0, 0, 3, 0 },
        { "de luca, mia", 1, 2, 3, 3 },
        { "=1+1", 1, 0, 3, 5 },
    };
    for (const Saved &save : saves) {
        ExerciseProgress progress;
        progress.sheet = save.sheet;
        progress.exercise = save.exercise;
        progress.exerciseState = ExerciseState(save.state);
        progress.currentStep = 2;
        progress.totalErrors = save.errors;
        progress.stepErrors = { save.errors, 0, 0 };
        SAVETEMP(installation.folder()
                + pupilProgressFile(QString::fromUtf8(save.pupil)).replace(u'\\', u'/'),
            progress);
    }
    installation.writeFile(u"SOL_TMP/SOLVARO_CARLO.INI"_s, "[ID_000]\r\nM0=0\r\nM1=zz\r\n");
    installation.writeFile(u"SOL_TMP/notes.txt"_s, "bring the atlas\n");

    AssembledProgram program(installation);
    TForm0 *main = program.forms().Form0;
    TForm1 *home = program.forms().Form1;
    main->resize(1680, 1000);
    main->show();

    // Not for pupils.
    main->ImageMouseUp(main->Image3, Qt::LeftButton);
    home->TabSheetMouseUp();
    QVERIFY(!main->LMDclasse->isVisible());
    main->LMDclasseClick();
    QVERIFY(!main->classOverview());
    QTest::mouseClick(main->LMDhome, Qt::LeftButton);
    main->close();

    program.dialogs.inputAnswers << u"maestra"_s;
    main->ImageMouseUp(main->Image1, Qt::LeftButton);
    home->TabSheetMouseUp();
    QVERIFY(main->LMDclasse->isVisible());
    QTest::mouseClick(main->LMDclasse, Qt::LeftButton);
    ClassOverviewWindow *overview = main->classOverview();
    QVERIFY(overview);
    QVERIFY(overview->isVisible());

    QCOMPARE(overview->totalsLabel->text(),
        u"3 pupils, 6 exercises, 4 solved, 15 errors, 1 helps asked"_s);
    QCOMPARE(shownRows(overview->resultsTable),
        (QStringList { u"=1+1|2|1|yes|5|no"_s, u"ANNA|1|1|yes|1|no"_s, u"ANNA|1|2|no|4|yes"_s,
            u"ANNA|2|1|no|2|no"_s, u"DE LUCA, MIA|1|1|yes|0|no"_s,
            u"DE LUCA, MIA|2|3|yes|3|no"_s }));
    QCOMPARE(shownRows(overview->pupilTotalsTable),
        (QStringList { u"=1+1|1|1|5|0"_s, u"ANNA|3|1|7|1"_s, u"DE LUCA, MIA|2|2|3|0"_s }));
    QCOMPARE(shownRows(overview->exerciseTotalsTable),
        (QStringList { u"1|1|2|2|1|0"_s, u"1|2|1|0|4|1"_s, u"2|1|2|1|7|0"_s, u"2|3|1|1|3|0"_s }));
    QStringList unreadable;
    for (int i = 0; i < overview->unreadableList->count(); ++i)
        unreadable << overview->unreadableList->item(i)->text();
    QCOMPARE(unreadable,
        (QStringList { u"SOLVARO_CARLO.INI: damaged: no saved exercise can be read"_s,
            u"notes.txt: not a progress file"_s }));

    // Sheet 02 only, then the most errors first.
    overview->sheetFilter->setCurrentIndex(overview->sheetFilter->findText(u"02"_s));
    clickHeading(overview->resultsTable, 4);
    clickHeading(overview->resultsTable, 4);
    QCOMPARE(shownRows(overview->resultsTable),
        (QStringList {
            u"=1+1|2|1|yes|5|no"_s, u"DE LUCA, MIA|2|3|yes|3|no"_s, u"ANNA|2|1|no|2|no"_s }));
    QCOMPARE(shownRows(overview->pupilTotalsTable),
        (QStringList { u"=1+1|1|1|5|0"_s, u"ANNA|1|0|2|0"_s, u"DE LUCA, MIA|1|1|3|0"_s }));
    QCOMPARE(overview->totalsLabel->text(),
        u"3 pupils, 3 exercises, 2 solved, 10 errors, 0 helps asked"_s);
    // A pupil as well: the order chosen stays.
    overview->pupilFilter->setCurrentIndex(overview->pupilFilter->findText(u"ANNA"_s));
    QCOMPARE(shownRows(overview->resultsTable), QStringList { u"ANNA|2|1|no|2|no"_s });
    overview->pupilFilter->setCurrentIndex(0);

    const QString csv = installation.path(u"classe.csv"_s);
    program.dialogs.fileAnswers << csv;
    QTest::mouseClick(overview->exportButton, Qt::LeftButton);
    QCOMPARE(program.dialogs.lastFilter, u"CSV (*.csv)"_s);
    QCOMPARE(installation.readFile(u"classe.csv"_s),
        "\xef\xbb\xbf"
        "Pupil,Sheet,Exercise,Solved,Errors,Help asked\r\n"
        "'=1+1,2,1,yes,5,no\r\n"
        "\"DE LUCA, MIA\",2,3,yes,3,no\r\n"
        "ANNA,2,1,no,2,no\r\n"_ba);
    QVERIFY(program.dialogs.messages.isEmpty());

    auto *preview = new RecordingPreview;
    overview->setReportPreview(std::unique_ptr<ReportPreview>(preview));
    QTest::mouseClick(overview->printButton, Qt::LeftButton);
    QCOMPARE(preview->shown.size(), 1);
    QStringList printed;
    for (const PreparedPage &page : preview->shown.first()) {
        for (const PreparedObject &object : page.objects)
            printed << object.text;
    }
    // The rows as shown, each table on sheets of its own.
    QCOMPARE(preview->shown.first().size(), 3);
    QVERIFY(printed.contains(u"DE LUCA, MIA"_s));
    QVERIFY(printed.contains(u"3 pupils, 3 exercises, 2 solved, 10 errors, 0 helps asked"_s));
    QVERIFY(printed.indexOf(u"=1+1"_s) < printed.indexOf(u"ANNA"_s));

    // A pupil saves meanwhile; the overview reads the folder anew when opened.
    overview->close();
    QFile::remove(installation.path(u"SOL_TMP/notes.txt"_s));
    ExerciseProgress late;
    late.sheet = 1;
    late.exercise = 0;
    late.exerciseState = SolvedByPupil;
    late.currentStep = 2;
    SAVETEMP(installation.path(u"SOL_TMP/SOLVARO_BRUNO.INI"_s), late);
    QTest::mouseClick(main->LMDclasse, Qt::LeftButton);
    QCOMPARE(main->classOverview(), overview);
    QCOMPARE(overview->sheetFilter->currentText(), u"02"_s);
    QCOMPARE(shownRows(overview->pupilTotalsTable).size(), 4);
    QCOMPARE(overview->unreadableList->count(), 1);
}

QTEST_MAIN(TestClassOverview)
#include "tst_classoverview.moc"
