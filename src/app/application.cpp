#include "app/application.h"

#include "base/dialogs.h"

#include <cstdio>

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
    const QString text = QString::fromUtf8(error.what());
    if (m_dialogs)
        m_dialogs->showError(text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace solvaro
