#pragma once

// What the exercise player's tests share: the eight forms on a copy of the
// sample installation, with a fixed screen, decimal separator and seeded random
// generator, scripted dialogs and a sound channel that only records; the
// player's timer is ticked by hand.

#include "app/appcontext.h"
#include "app/formcreation.h"
#include "app/unit0.h"
#include "home/unit1.h"
#include "media/soundoutput.h"
#include "player/unitp3.h"
#include "player/unitp3_formulafield.h"
#include "storage/inifile.h"
#include "storage/linebreaks.h"
#include "ui/animatedpicture.h"
#include "ui/elementtag.h"
#include "ui/pagehost.h"
#include "ui/radiogroup.h"
#include "ui/speedbutton.h"
#include "ui/tabstrip.h"
#include "ui/textlabel.h"

#include "support/scripteddialogs.h"
#include "support/testinstallation.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <memory>

namespace solvaro {

// Records the bare names of the sounds played.
class PlayerSound final : public SoundOutput
{
public:
    QStringList played;
    int stops = 0;

    void play(const QString &fileName, bool) override { played << QFileInfo(fileName).fileName(); }
    void stop() override { ++stops; }
    QString last() const { return played.isEmpty() ? QString() : played.last(); }
};

class PlayerProgram
{
public:
    explicit PlayerProgram(const TestInstallation &installation, QSize screen = QSize(1680, 1050),
        QChar decimalSeparator = QLatin1Char(','), quint32 seed = 2024)
        : m_installation(installation)
        , m_random(seed)
    {
        Environment env;
        env.executableFolder = installation.folder();
        env.screenSize = screen;
        env.decimalSeparator = decimalSeparator;
        env.random = [this](int bound) { return int(m_random.bounded(bound)); };
        env.now = [] { return QDateTime(QDate(2024, 5, 6), QTime(10, 0)); };
        env.dialogs = &dialogs;
        context = std::make_unique<AppContext>(env);
        context->sound = &sound;
        createForms(*context);
        player()->setTimerRunning(false);
        main()->resize(screen);
        main()->FormActivate();
    }
    ~PlayerProgram() { destroyForms(*context); }
    PlayerProgram(const PlayerProgram &) = delete;
    PlayerProgram &operator=(const PlayerProgram &) = delete;

    TForm0 *main() const { return context->forms.Form0; }
    TForm1 *home() const { return context->forms.Form1; }
    TFormP3 *player() const { return context->forms.FormP3; }

    // The pupil's (or teacher's) road to a sheet: the home page, a name, the
    // sheet's tab.
    void openSheet(int sheet, bool editMode = false, const QString &name = QStringLiteral("Anna"))
    {
        home()->EditMode = editMode;
        main()->show();
        main()->FD->showPage(TForm0::HomePage);
        home()->LMDEdit1->setText(name);
        home()->TabSheet->selectTab(sheet);
        home()->TabSheetMouseUp();
    }

    // Selects an exercise tab as a click does: the main window hands the tab
    // being left to the player, then sends it page command 7.
    void selectExercise(int exercise) { main()->TabEserc->setCurrentIndex(exercise); }

    // Ticks until the feedback has run out; the number of ticks taken.
    int tickUntilIdle(int limit = 5000)
    {
        int ticks = 0;
        while (player()->isBusy() && ticks < limit) {
            player()->Timer1Timer();
            ++ticks;
        }
        return ticks;
    }

    // Ticks until idle, then once more: the tick after the feedback ran out
    // takes its animations away.
    int settle()
    {
        const int ticks = tickUntilIdle();
        player()->Timer1Timer();
        return ticks + 1;
    }

    // Runs an action as the application object does: an error ends it and is
    // shown in the general error box.
    template<typename Action> bool guarded(Action &&action)
    {
        try {
            action();
            return true;
        } catch (const std::exception &error) {
            dialogs.showError(QString::fromUtf8(error.what()));
            return false;
        }
    }

    // The sample's exercise file of a sheet.
    QString exerciseFile(int sheet) const
    {
        return m_installation.path(QStringLiteral("SOL_INI/Tipo%1.INI").arg(sheet));
    }
    QString readExerciseKey(int sheet, int exercise, const QString &key) const
    {
        const IniFile file(exerciseFile(sheet));
        return file.readString(QString::number(exercise), key, QString());
    }
    // The correct option of question group step in exercise: the first stored.
    QString correctOption(int sheet, int exercise, int step) const
    {
        return decodeLineBreaks(readExerciseKey(sheet, exercise, QStringLiteral("E%1").arg(step)))
            .split(QStringLiteral("\r\n"))
            .value(0);
    }

    // The options on show and a click on one of them.
    QStringList shownOptions() const { return player()->E1->items(); }
    void chooseOption(int index)
    {
        const QList<QRadioButton *> buttons = player()->E1->findChildren<QRadioButton *>();
        QRadioButton *button = buttons.value(index);
        QVERIFY(button);
        // On the round mark: a row is wider than its text.
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        QCOMPARE(player()->E1->itemIndex(), index);
    }
    void pressOk() { QTest::mouseClick(player()->B1, Qt::LeftButton); }

    pLMDedit *field(int formula, int position) const
    {
        return player()->formulaInputs.value(formula).value(position - 1);
    }
    // Types into a field as the pupil does, from an empty field.
    void type(int formula, int position, const QString &keys)
    {
        pLMDedit *input = field(formula, position);
        input->clear();
        QTest::keyClicks(input, keys);
    }
    // Picks an operator from the menu that a click on the field opens.
    void chooseOperator(int formula, int position, const QString &caption)
    {
        QTest::mouseClick(field(formula, position), Qt::LeftButton);
        for (QAction *item : player()->PopupMenu1->actions()) {
            if (item->text() == caption)
                item->trigger();
        }
        player()->PopupMenu1->hide();
    }

    ScriptedDialogs dialogs;
    PlayerSound sound;
    std::unique_ptr<AppContext> context;

private:
    const TestInstallation &m_installation;
    QRandomGenerator m_random;
};

// The bare name of the picture an animated picture shows.
inline QString pictureName(const AnimatedPicture *picture)
{
    return picture ? QFileInfo(picture->fileName()).fileName() : QString();
}

} // namespace solvaro
