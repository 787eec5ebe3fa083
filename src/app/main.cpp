#include "app/application.h"
#include "ui/widgetdialogs.h"

#include <QMainWindow>

int main(int argc, char **argv)
{
    solvaro::Application app(argc, argv);
    solvaro::WidgetDialogs dialogs;
    app.setDialogs(&dialogs);

    QMainWindow window;
    window.setObjectName(QStringLiteral("Form0"));
    window.setWindowTitle(QStringLiteral("solvaro ver. " SOLVARO_VERSION " "));
    dialogs.setParentWindow(&window);
    window.showMaximized();
    return app.exec();
}
