#include "ui/handlers.h"

#include "base/dialogs.h"

#include <cstdio>

namespace solvaro {

void showErrorBox(Dialogs *dialogs, const std::exception &error)
{
    const QString text = QString::fromUtf8(error.what());
    if (dialogs)
        dialogs->showError(text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace solvaro
