#pragma once

// What the home page's tests share: the eight forms on a test installation
// with a chosen screen and decimal separator, the main window activated.

#include "app/unit0.h"
#include "home/unit1.h"
#include "ui/pagehost.h"

#include "tst_programfixture.h"

namespace solvaro {

class HomeProgram final : public AssembledProgram
{
public:
    explicit HomeProgram(const TestInstallation &installation, QSize screen = QSize(1680, 1050),
        QChar decimalSeparator = QLatin1Char('.'))
        : AssembledProgram(installation, AllForms, screen, decimalSeparator)
    {
        main()->resize(screen);
        // The pages join the page host at the main window's first activation.
        main()->FormActivate();
    }

    TForm0 *main() const { return context->forms.Form0; }
    TForm1 *home() const { return context->forms.Form1; }

    // The start panel's pupil or teacher picture: the mode, then page 0.
    void showHomePage(bool editMode)
    {
        home()->EditMode = editMode;
        main()->show();
        main()->FD->showPage(TForm0::HomePage);
    }
};

// An INI file's text with CRLF line ends from lines.
inline QByteArray iniText(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

} // namespace solvaro
