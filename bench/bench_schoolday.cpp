// A long school day: the player driven offscreen through 1,000 exercises of
// the sample installation, sheet after sheet, as pupils work them: questions
// answered wrong then right, formulas typed, the help button, the solution
// shown, exercise tabs changed (each change keeps the pupil's work) and the
// work saved through the save button. Prints the resident memory after 10,
// 100 and 1,000 exercises; the growth from 10 to 1,000 should stay under 5 MB.
#include "app/appcontext.h"
#include "app/formcreation.h"
#include "app/unit0.h"
#include "home/unit1.h"
#include "player/playerlogic.h"
#include "player/unitp3.h"
#include "player/unitp3_formulafield.h"
#include "silentenvironment.h"
#include "storage/inifile.h"
#include "ui/pagehost.h"
#include "ui/radiogroup.h"
#include "ui/tabstrip.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstdio>

using namespace solvaro;

namespace {

constexpr int exercisesInTheDay = 1000;
constexpr int sheets = 3;
constexpr int exercisesPerSheet = 6;

// Resident memory of the process in kB.
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

void copyTree(const QString &from, const QString &to)
{
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = to + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(source, target))
            qFatal("cannot copy %s", qPrintable(source));
    }
}

// The offscreen platform's complaints about window requests it cannot carry out.
void dropPlatformNotes(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (!message.startsWith(QLatin1StringView("This plugin does not support")))
        std::fprintf(stderr, "%d: %s\n", int(type), qPrintable(message));
}

class SchoolDay
{
public:
    SchoolDay(const QString &folder, SilentDialogs &dialogs, SilentSound &sound)
    {
        Environment env;
        env.executableFolder = folder;
        env.screenSize = QSize(1680, 1050);
        env.decimalSeparator = QLatin1Char(',');
        env.random = [this](int bound) { return bound > 1 ? int(++m_draws % quint32(bound)) : 0; };
        env.now = [] { return QDateTime(QDate(2024, 5, 6), QTime(10, 0)); };
        env.dialogs = &dialogs;
        m_context = std::make_unique<AppContext>(env);
        m_context->sound = &sound;
        createForms(*m_context);
        player()->setTimerRunning(false);
        player()->documentsFolder = [folder] { return folder; };
        main()->resize(env.screenSize);
        main()->FormActivate();
        main()->show();
        home()->LMDEdit1->setText(QStringLiteral("Anna"));
    }
    ~SchoolDay() { destroyForms(*m_context); }

    TForm0 *main() const { return m_context->forms.Form0; }
    TForm1 *home() const { return m_context->forms.Form1; }
    TFormP3 *player() const { return m_context->forms.FormP3; }
    StepCycle &steps() const { return player()->logic().steps(); }

    void openSheet(int sheet)
    {
        main()->FD->showPage(TForm0::HomePage);
        home()->TabSheet->selectTab(sheet);
        home()->TabSheetMouseUp();
        QCoreApplication::processEvents();
        if (main()->FD->currentPage() != player())
            qFatal("sheet %d did not open", sheet);
    }

    void changeExercise(int exercise)
    {
        main()->TabEserc->setCurrentIndex(exercise);
        QCoreApplication::processEvents();
        if (steps().exerciseIndex() != exercise)
            qFatal("exercise %d did not open", exercise);
    }

    void tickUntilIdle()
    {
        for (int tick = 0; tick < 5000 && player()->isBusy(); ++tick)
            player()->Timer1Timer();
        player()->Timer1Timer();
        QCoreApplication::processEvents();
    }

    // One exercise, worked as the day's pupil n works it.
    void work(int n)
    {
        const bool showsTheSolution = n % 7 == 3;
        while (steps().currentStep() < steps().stepCount()) {
            const int step = steps().currentStep();
            if (n % 4 == 0 && step == 0)
                player()->H1Click();
            if (showsTheSolution && step == steps().stepCount() - 1) {
                main()->LMDsoluzioneClick();
                tickUntilIdle();
                break;
            }
            if (steps().kindOf(step) == QLatin1Char('C'))
                answerQuestion(n % 3 == step % 3);
            else
                answerFormula(n % 5 == step % 5);
            tickUntilIdle();
            if (steps().currentStep() == step && (n % 3 != step % 3) && (n % 5 != step % 5))
                qFatal("exercise %d stays at step %d", n, step);
        }
        if (n % 10 == 9) {
            main()->LMDsalvaClick();
            main()->LMDhelpClick();
        }
    }

private:
    void answerQuestion(bool wrongFirst)
    {
        const int correct = steps().correctIndex();
        const int options = int(steps().shownOptions().size());
        if (wrongFirst && options > 1) {
            player()->E1->setItemIndex((correct + 1) % options);
            player()->B1Click();
            tickUntilIdle();
        }
        player()->E1->setItemIndex(correct);
        player()->B1Click();
    }

    void answerFormula(bool wrongFirst)
    {
        const int formula = steps().currentFormulaIndex();
        const FormulaRow &row = player()->logic().formulas().row(formula);
        const auto typeAll = [&](bool wrong) {
            for (int i = 0; i < row.fields.size(); ++i) {
                pLMDedit *input = player()->formulaInputs.value(formula).value(i);
                if (!input)
                    continue;
                const FormulaField &field = row.fields.at(i);
                input->setText(wrong && !field.signFlag ? QStringLiteral("1") : field.expectedText);
            }
        };
        if (wrongFirst) {
            typeAll(true);
            player()->B1Click();
            tickUntilIdle();
        }
        typeAll(false);
        player()->B1Click();
    }

    std::unique_ptr<AppContext> m_context;
    quint32 m_draws = 0;
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qInstallMessageHandler(dropPlatformNotes);

    QTemporaryDir dir;
    if (!dir.isValid())
        qFatal("no temporary folder");
    const QString folder = dir.path() + QLatin1Char('/');
    // The sample installation the build placed next to the program.
    for (const char *data : { "SOL_INI", "SOL_IMG", "SOL_WAV", "SOL_TMP" }) {
        const QString name = QLatin1StringView(data);
        copyTree(
            QCoreApplication::applicationDirPath() + QLatin1Char('/') + name + QLatin1Char('/'),
            folder + name + QLatin1Char('/'));
        QDir().mkpath(folder + name);
    }

    SilentDialogs dialogs;
    dialogs.fileToSave = folder + QStringLiteral("compito.ini");
    SilentSound sound;
    SchoolDay day(folder, dialogs, sound);

    long after10 = 0;
    long after100 = 0;
    QElapsedTimer timer;
    timer.start();
    for (int n = 0; n < exercisesInTheDay; ++n) {
        const int exercise = n % exercisesPerSheet;
        if (exercise == 0)
            day.openSheet((n / exercisesPerSheet) % sheets);
        else
            day.changeExercise(exercise);
        day.work(n);
        if (n + 1 == 10)
            after10 = residentKb();
        if (n + 1 == 100)
            after100 = residentKb();
    }
    const long after1000 = residentKb();
    // Every exercise but the last of each sheet, which is left for the home
    // page, was left for the next one with work in it; and the history.
    const IniFile kept(folder + QStringLiteral("SOL_TMP/SOLVARO_ANNA.INI"));
    if (kept.sectionNames().size() != sheets * (exercisesPerSheet - 1) + 1
        || !QFileInfo::exists(dialogs.fileToSave))
        qFatal("the pupil's work was not kept: %d sections", int(kept.sectionNames().size()));

    std::printf("bench_schoolday: %d exercises of the sample installation in %.1f s, offscreen\n",
        exercisesInTheDay, double(timer.elapsed()) / 1000.0);
    std::printf("  resident memory after 10: %.1f MB, after 100: %.1f MB, after 1000: %.1f MB\n",
        after10 / 1024.0, after100 / 1024.0, after1000 / 1024.0);
    std::printf(
        "  growth from 10 to 1000: %.2f MB (goal < 5 MB)\n", (after1000 - after10) / 1024.0);
    return 0;
}
