#include "app/appcontext.h"
#include "app/application.h"
#include "app/desktopplatform.h"
#include "app/firstpaint.h"
#include "app/formcreation.h"
#include "app/installationfolder.h"
#include "app/programlanguage.h"
#include "app/singleinstance.h"
#include "app/startprobe.h"
#include "app/unit0.h"
#include "dialogs/unit3.h"
#include "media/qtsoundoutput.h"
#include "media/qtspeechoutput.h"
#include "player/unitp3.h"
#include "ui/fillpanel.h"
#include "ui/widgetdialogs.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QRandomGenerator>
#include <QScreen>

namespace {

solvaro::Environment systemEnvironment(
    const QString &installation, const QLocale &language, solvaro::Dialogs *dialogs)
{
    solvaro::Environment env;
    env.executableFolder = installation;
    env.locale = language;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        env.screenSize = screen->size();
    const QString separator = QLocale().decimalPoint();
    if (!separator.isEmpty())
        env.decimalSeparator = separator.at(0);
    env.random
        = [](int bound) { return bound > 0 ? int(QRandomGenerator::global()->bounded(bound)) : 0; };
    env.now = [] { return QDateTime::currentDateTime(); };
    env.dialogs = dialogs;
    return env;
}

void bringToFront(QWidget *window)
{
    if (window->isMinimized())
        window->showMaximized();
    window->raise();
    window->activateWindow();
}

} // namespace

int main(int argc, char **argv)
{
    solvaro::Application app(argc, argv);
    // The pupil's language is the system's; tests choose theirs.
    const QLocale language = QLocale::system();
    const solvaro::ProgramLanguage translation(language);
    // A second start brings the running copy to the front and ends quietly.
    solvaro::SingleInstance instance(solvaro::SingleInstance::userKey());
    if (!instance.claim())
        return 0;

    solvaro::WidgetDialogs dialogs;
    app.setDialogs(&dialogs);
    const solvaro::InstallationChoice installation
        = solvaro::settleInstallation(solvaro::systemInstallationPlaces(
            QDir(QCoreApplication::applicationDirPath()).absolutePath()));
    if (!installation.problem.isEmpty()) {
        dialogs.showMessage(installation.problem);
        return 1;
    }
    solvaro::QtSoundOutput sound;
    solvaro::DesktopPlatform platform;

    solvaro::QtSpeechOutput speech(language);

    solvaro::AppContext context(systemEnvironment(installation.folder, language, &dialogs));
    context.sound = &sound;
    context.speech = &speech;
    context.platform = &platform;
    // The voice may come after the first exercise is on the screen.
    QObject::connect(&speech, &solvaro::QtSpeechOutput::voiceReady, [&context] {
        if (solvaro::TFormP3 *player = context.forms.FormP3)
            player->readAloudChanged();
    });
    // The start panel is painted first; the forms it does not show are made
    // right after, before the pupil can click anything.
    solvaro::createMainWindow(context);
    solvaro::TForm0 *window = context.forms.Form0;
    dialogs.setParentWindow(window);
    QObject::connect(&instance, &solvaro::SingleInstance::activationRequested, window,
        [window] { bringToFront(window); });
    solvaro::StartProbe probe;
    solvaro::afterFirstPaint(window->LMDPanelFill1, [&context, &app, &probe] {
        probe.painted();
        solvaro::createPages(context);
        QObject::connect(
            context.forms.Form3, &solvaro::TForm3::programEnded, &app, &QCoreApplication::quit);
        probe.ready();
    });

    // Without a window manager nothing maximises the window; it starts over
    // the whole screen all the same.
    if (const QScreen *screen = window->screen())
        window->setGeometry(screen->availableGeometry());
    window->showMaximized();
    // The keys go to the program from the start, where no window manager
    // hands it the focus either.
    window->activateWindow();
    const int result = app.exec();
    sound.stop();
    solvaro::destroyForms(context);
    return result;
}
