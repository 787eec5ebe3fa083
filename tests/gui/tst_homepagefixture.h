#pragma once

// What the home page's tests share: the eight forms on a test installation,
// with a chosen screen and decimal separator, scripted dialogs and a sound
// channel that only records what it is asked.

#include "app/appcontext.h"
#include "app/formcreation.h"
#include "app/unit0.h"
#include "home/unit1.h"
#include "media/soundoutput.h"
#include "ui/pagehost.h"

#include "support/scripteddialogs.h"
#include "support/testinstallation.h"

#include <QDateTime>
#include <QStringList>

#include <memory>

namespace solvaro {

class HomeRecordingSound final : public SoundOutput
{
public:
    QStringList played;
    QList<bool> looped;
    int stops = 0;

    void play(const QString &fileName, bool loop) override
    {
        played << fileName;
        looped << loop;
    }
    void stop() override { ++stops; }
};

class HomeProgram
{
public:
    explicit HomeProgram(const TestInstallation &installation, QSize screen = QSize(1680, 1050),
        QChar decimalSeparator = QLatin1Char('.'))
    {
        Environment env;
        env.executableFolder = installation.folder();
        env.screenSize = screen;
        env.decimalSeparator = decimalSeparator;
        env.random = [](int) { return 0; };
        env.now = [] { return QDateTime(QDate(2024, 5, 6), QTime(10, 0)); };
        env.dialogs = &dialogs;
        context = std::make_unique<AppContext>(env);
        context->sound = &sound;
        createForms(*context);
        main()->resize(screen);
        // The pages join the page host at the main window's first activation.
        main()->FormActivate();
    }
    ~HomeProgram() { destroyForms(*context); }
    HomeProgram(const HomeProgram &) = delete;
    HomeProgram &operator=(const HomeProgram &) = delete;

    TForm0 *main() const { return context->forms.Form0; }
    TForm1 *home() const { return context->forms.Form1; }

    // The start panel's pupil or teacher picture: the mode, then page 0.
    void showHomePage(bool editMode)
    {
        home()->EditMode = editMode;
        main()->show();
        main()->FD->showPage(TForm0::HomePage);
    }

    ScriptedDialogs dialogs;
    HomeRecordingSound sound;
    std::unique_ptr<AppContext> context;
};

// An INI file's text with CRLF line ends from lines.
inline QByteArray iniText(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

} // namespace solvaro
