#include "app/appcontext.h"
#include "app/application.h"
#include "app/formcreation.h"
#include "app/unit0.h"
#include "ui/widgetdialogs.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QRandomGenerator>
#include <QScreen>

namespace {

solvaro::Environment systemEnvironment(solvaro::Dialogs *dialogs)
{
    solvaro::Environment env;
    env.executableFolder = QDir(QCoreApplication::applicationDirPath()).absolutePath()
                           + QLatin1Char('/');
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        env.screenSize = screen->size();
    const QString separator = QLocale().decimalPoint();
    if (!separator.isEmpty())
        env.decimalSeparator = separator.at(0);
    env.random = [](int bound) { return bound > 0 ? int(QRandomGenerator::global()->bounded(bound)) : 0; };
    env.now = [] { return QDateTime::currentDateTime(); };
    env.dialogs = dialogs;
    return env;
}

} // namespace

int main(int argc, char **argv)
{
    solvaro::Application app(argc, argv);
    solvaro::WidgetDialogs dialogs;
    app.setDialogs(&dialogs);

    solvaro::AppContext context(systemEnvironment(&dialogs));
    solvaro::createForms(context);
    dialogs.setParentWindow(context.forms.Form0);
    context.forms.Form0->showMaximized();
    const int result = app.exec();
    solvaro::destroyForms(context);
    return result;
}
