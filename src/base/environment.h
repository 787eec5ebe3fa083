#pragma once

#include <QChar>
#include <QDateTime>
#include <QLocale>
#include <QSize>
#include <QString>

#include <functional>

namespace solvaro {

class Dialogs;

// What the program takes from the machine it runs on. The program fills it from
// the real system; tests fill it with fixed values.
struct Environment {
    // The installation's folder, with a trailing '/'; every stored path is
    // relative to it. For a copy run from a folder it is the executable's
    // folder; an installed program works on a folder of the user's or on the
    // class's shared folder (app/installationfolder.h).
    QString executableFolder;
    // Screen size used by the design space.
    QSize screenSize { 1680, 1050 };
    // The user's decimal separator, used to show and read numbers.
    QChar decimalSeparator { QLatin1Char('.') };
    // The user's language: the voice that reads aloud and the dates of the
    // printed report. The program's texts follow it through the translation
    // installed at start.
    QLocale locale = QLocale::c();
    // Returns a whole number in [0, bound).
    std::function<int(int bound)> random;
    // The current time.
    std::function<QDateTime()> now;
    // Every modal dialog; not owned.
    Dialogs *dialogs = nullptr;
};

} // namespace solvaro
