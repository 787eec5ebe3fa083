#pragma once

#include <QApplication>

namespace solvaro {

class Dialogs;

// The application object: the last place where an error that ends a user
// action is caught and shown in the general error box. Handlers connected to
// signals catch theirs first (Handlers), so that none crosses a signal; what
// an event handler raises ends here.
class Application final : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    // Where errors are shown; not owned.
    void setDialogs(Dialogs *dialogs) { m_dialogs = dialogs; }

    bool notify(QObject *receiver, QEvent *event) override;

    void reportError(const std::exception &error);

private:
    Dialogs *m_dialogs = nullptr;
};

} // namespace solvaro
