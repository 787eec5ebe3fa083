// How long the exercise player takes to show an exercise, offscreen, on a
// generated installation: a sheet of 100 exercises whose scheme has 40 steps in
// 8 sections. Figures, each the median of 20 runs:
//   - from the sheet tab on the home page to the first exercise shown (goal
//     under 100 ms);
//   - from a change of exercise tab to the new exercise shown (goal under
//     30 ms), on a sheet whose exercises share their section bands' looks, as
//     exercises copied from one another do, and on one where every exercise
//     has bands of its own.
#include "app/appcontext.h"
#include "app/formcreation.h"
#include "app/unit0.h"
#include "home/unit1.h"
#include "player/unitp3.h"
#include "silentenvironment.h"
#include "ui/fillpanel.h"
#include "ui/pagehost.h"
#include "ui/tabstrip.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace solvaro;

namespace {

constexpr int exerciseCount = 100;
constexpr int sectionCount = 8;
// Each section: two question groups, two formulas and an equivalence.
const QByteArray sectionSteps = "CCFFE";
constexpr int runs = 20;

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

void writePicture(const QString &path, QSize size, QColor color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QPainter painter(&image);
    painter.drawEllipse(image.rect().adjusted(2, 2, -2, -2));
    painter.end();
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "BMP"))
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray record(const QByteArray &prefix, const QByteArray &caption, int top, int left, int width,
    int height, const QByteArray &image = QByteArray())
{
    QByteArray text;
    const auto key = [&](const char *property, const QByteArray &value) {
        text += prefix + property + "=" + value + "\r\n";
    };
    key(".Name", "####");
    key(".Caption", caption);
    key(".Alignment", "3");
    key(".Font.Name", "Comic Sans MS");
    key(".Font.CharSet", "0");
    key(".Font.Color", "4860443");
    key(".Font.Size", "26");
    key(".Font.Style", "1");
    key(".Top", QByteArray::number(top));
    key(".Left", QByteArray::number(left));
    key(".Width", QByteArray::number(width));
    key(".Height", QByteArray::number(height));
    key(".FillObject.Alignment", "4");
    key(".FillObject.Brush.Color", "11065599");
    key(".FillObject.OffsetX", "0");
    key(".FillObject.OffsetY", "0");
    key(".FillObject.TileMode", image.isEmpty() ? "0" : "3");
    key(".FillObject.Style", image.isEmpty() ? "2" : "3");
    key(".FillObject.Image", image);
    return text;
}

// bandsOfTheirOwn: every exercise's section bands carry another caption.
void writeSheet(const QString &path, bool bandsOfTheirOwn)
{
    QByteArray sheet = "[COMMONAREA]\r\n" + record("LMDmessg", "", 10, 40, 3000, 100)
        + record("LMDFill0", "", 0, 40, 2800, 1400, "SOL_IMG\\Fill.bmp");
    for (int n = 1; n <= 6; ++n)
        sheet += "GIF" + QByteArray::number(n) + "=SOL_IMG\\Missing" + QByteArray::number(n)
            + ".gif\r\n";
    sheet += "\r\n[GIFtop]\r\nLeft=2480\r\nTop=40\r\n";
    for (int exercise = 0; exercise < exerciseCount; ++exercise) {
        sheet += "\r\n[" + QByteArray::number(exercise) + "]\r\n";
        sheet += record("LMDtestp", "", 110, 40, 2800, 440);
        sheet += record("LMDtesto",
            "Problem " + QByteArray::number(exercise)
                + ": Luca has 12 cards and buys 7 more.|How many cards has he now?",
            30, 560, 1860, 380);
        sheet += "LMDImage.Left=60\r\nLMDImage.Top=30\r\nLMDImage.Width=180\r\nLMDImage.Height="
                 "144\r\n"
                 "LMDImage.imgName=SOL_IMG\\Picture.bmp\r\n";
        for (int section = 0; section < sectionCount; ++section) {
            QByteArray caption = "Section " + QByteArray::number(section);
            if (bandsOfTheirOwn)
                caption += " of exercise " + QByteArray::number(exercise);
            sheet += record("SEZIONE" + QByteArray::number(section), caption, 0, 0, 2800, 56);
        }
        QByteArray help;
        QByteArray errors;
        int step = 0;
        int formula = 0;
        for (int section = 0; section < sectionCount; ++section) {
            for (const char kind : sectionSteps) {
                if (kind == 'C') {
                    sheet += "E" + QByteArray::number(step) + "=Right answer "
                        + QByteArray::number(step) + "|Wrong answer|Another wrong answer\r\n";
                    sheet += "E" + QByteArray::number(step) + ".Font.Size=28\r\n";
                } else {
                    sheet += "R" + QByteArray::number(formula)
                        + (kind == 'F' ? "=12+" + QByteArray::number(exercise) : "=3 km = 3000 m")
                        + "\r\n";
                    ++formula;
                }
                help += "Help for step " + QByteArray::number(step) + "|";
                errors += "Error hint for step " + QByteArray::number(step) + "|";
                ++step;
            }
        }
        sheet += "MSG_HLP=" + help + "\r\nMSG_ERR=" + errors + "\r\nHELP_GEN=Read the text.\r\n";
    }
    writeFile(path, sheet);
}

void writeInstallation(const QString &folder)
{
    QByteArray global = "[COMMONAREA]\r\n";
    for (const QByteArray sheet : { "0", "1" }) {
        QByteArray scheme;
        QByteArray patterns;
        int formulas = 0;
        for (int section = 0; section < sectionCount; ++section) {
            scheme += '|' + sectionSteps;
            for (const char kind : sectionSteps) {
                if (kind == 'C')
                    continue;
                patterns += "SHEET_" + sheet + "_EXP_" + QByteArray::number(formulas++) + "="
                    + (kind == 'F' ? "AoB=X" : "Yo?Xo") + "\r\n";
            }
        }
        global += "INI_FILE" + sheet + "=SOL_INI\\Tipo" + sheet + ".INI\r\nMAX" + sheet + "="
            + QByteArray::number(exerciseCount) + "\r\nSHEET_" + sheet + "=" + scheme + "\r\n"
            + patterns;
    }
    for (int w = 1; w <= 5; ++w)
        global += "W" + QByteArray::number(w) + "=SOL_WAV\\sound.wav\r\n";
    global += "\r\n[SKIN]\r\nFileName=SOL_INI\\SKIN.INI\r\n";
    writeFile(folder + QStringLiteral("SOL_INI/GLOBAL.INI"), global);
    writeSheet(folder + QStringLiteral("SOL_INI/Tipo0.INI"), false);
    writeSheet(folder + QStringLiteral("SOL_INI/Tipo1.INI"), true);
    writePicture(
        folder + QStringLiteral("SOL_IMG/Picture.bmp"), QSize(180, 144), QColor(240, 200, 120));
    writePicture(folder + QStringLiteral("SOL_IMG/Fill.bmp"), QSize(64, 64), QColor(250, 250, 235));
    QDir().mkpath(folder + QStringLiteral("SOL_WAV"));
    QDir().mkpath(folder + QStringLiteral("SOL_TMP"));
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return (values[values.size() / 2] + values[(values.size() - 1) / 2]) / 2.0;
}

double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    if (!dir.isValid())
        qFatal("no temporary folder");
    const QString folder = dir.path() + QLatin1Char('/');
    writeInstallation(folder);

    SilentDialogs dialogs;
    SilentSound sound;
    Environment env;
    env.executableFolder = folder;
    env.screenSize = QSize(1680, 1050);
    env.decimalSeparator = QLatin1Char(',');
    env.random = [](int bound) { return bound > 1 ? 1 : 0; };
    env.now = [] { return QDateTime(QDate(2024, 5, 6), QTime(10, 0)); };
    env.dialogs = &dialogs;
    AppContext context(env);
    context.sound = &sound;
    createForms(context);
    TForm0 *main = context.forms.Form0;
    TForm1 *home = context.forms.Form1;
    TFormP3 *player = context.forms.FormP3;
    player->setTimerRunning(false);
    main->resize(env.screenSize);
    main->FormActivate();
    main->show();
    home->LMDEdit1->setText(QStringLiteral("Anna"));

    // What the first section band of an exercise shows: a fast change that
    // shows the looks of another exercise would measure nothing.
    const auto checkBands = [&](bool bandsOfTheirOwn, int exercise) {
        QString expected = QStringLiteral("Section 0");
        if (bandsOfTheirOwn)
            expected += QStringLiteral(" of exercise %1").arg(exercise);
        if (player->sectionBands.size() != sectionCount || !player->sectionBands.at(0)
            || player->sectionBands.at(0)->caption() != expected)
            qFatal("exercise %d does not show its section bands", exercise);
    };

    // A sheet opened from the home page, then one change of exercise tab.
    const auto measure = [&](int sheet, std::vector<double> &opening,
                             std::vector<double> &changing) {
        for (int run = 0; run < runs; ++run) {
            main->FD->showPage(TForm0::HomePage);
            home->TabSheet->selectTab(sheet);
            QCoreApplication::processEvents();

            QElapsedTimer timer;
            timer.start();
            home->TabSheetMouseUp();
            QCoreApplication::processEvents();
            opening.push_back(elapsedMs(timer));
            if (main->FD->currentPage() != player || player->logic().steps().stepCount() != 40)
                qFatal("the sheet did not open in the player");

            timer.restart();
            main->TabEserc->setCurrentIndex(1 + (run * 37) % (exerciseCount - 1));
            QCoreApplication::processEvents();
            changing.push_back(elapsedMs(timer));
            if (player->logic().steps().exerciseIndex() != main->TabEserc->currentIndex())
                qFatal("the exercise did not change");
            checkBands(sheet == 1, main->TabEserc->currentIndex());

            main->LMDhomeClick();
        }
    };
    std::vector<double> sheetOpen;
    std::vector<double> exerciseChange;
    std::vector<double> ownBandsOpen;
    std::vector<double> ownBandsChange;
    measure(0, sheetOpen, exerciseChange);
    measure(1, ownBandsOpen, ownBandsChange);

    std::printf(
        "bench_player: sheet of %d exercises, %d steps in %d sections, %d runs, offscreen\n",
        exerciseCount, int(sectionCount * sectionSteps.size()), sectionCount, runs);
    std::printf(
        "  sheet tab to first exercise shown: median %.1f ms (goal < 100 ms)\n", median(sheetOpen));
    std::printf("  exercise tab to new exercise shown: median %.1f ms (goal < 30 ms)\n",
        median(exerciseChange));
    std::printf(
        "  the same where every exercise has section bands of its own: %.1f ms and %.1f ms\n",
        median(ownBandsOpen), median(ownBandsChange));
    destroyForms(context);
    return 0;
}
