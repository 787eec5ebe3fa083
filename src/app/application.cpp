#include "app/application.h"

#include "ui/handlers.h"

namespace solvaro {

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Solvaro"));
    setApplicationVersion(QStringLiteral(SOLVARO_VERSION));
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        reportError(error);
    }
    return false;
}

void Application::reportError(const std::exception &error)
{
    showErrorBox(m_dialogs, error);
}

} // namespace solvaro
