#pragma once

// What the main window's and the closing screen's tests share: a program
// assembled on a test installation with scripted dialogs, a sound channel and
// a desktop that only record what they are asked.

#include "app/appcontext.h"
#include "app/formcreation.h"
#include "base/platform.h"
#include "media/soundoutput.h"
#include "support/scripteddialogs.h"
#include "support/testinstallation.h"

#include <QDateTime>
#include <QStringList>
#include <memory>

namespace solvaro {

class RecordingSound final : public SoundOutput
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

class RecordingPlatform final : public Platform
{
public:
    QStringList openedDocuments;
    int volumeControlStarts = 0;
    SystemInformation information;
    // Whether the desktop has a PDF viewer and a volume control.
    bool hasPdfViewer = true;
    bool hasVolumeControl = true;

    bool openDocument(const QString &path) override
    {
        if (hasPdfViewer)
            openedDocuments << path;
        return hasPdfViewer;
    }
    bool startVolumeControl() override
    {
        if (hasVolumeControl)
            ++volumeControlStarts;
        return hasVolumeControl;
    }
    SystemInformation systemInformation() const override { return information; }
};

// The eight forms of a program on the given installation; destroyed with it.
class AssembledProgram
{
public:
    enum Forms { AllForms, MainWindowOnly };

    explicit AssembledProgram(const TestInstallation &installation, Forms made = AllForms)
    {
        Environment env;
        env.executableFolder = installation.folder();
        env.screenSize = QSize(1680, 1050);
        env.decimalSeparator = QLatin1Char('.');
        env.random = [](int) { return 0; };
        env.now = [] { return QDateTime(QDate(2024, 5, 6), QTime(10, 0)); };
        env.dialogs = &dialogs;
        context = std::make_unique<AppContext>(env);
        context->sound = &sound;
        context->platform = &platform;
        if (made == AllForms)
            createForms(*context);
        else
            createMainWindow(*context);
    }
    // The forms after the main window, as the program makes them once its start
    // panel is painted.
    void makePages() { createPages(*context); }
    ~AssembledProgram() { destroyForms(*context); }
    AssembledProgram(const AssembledProgram &) = delete;
    AssembledProgram &operator=(const AssembledProgram &) = delete;

    solvaro::Forms &forms() const { return context->forms; }

    ScriptedDialogs dialogs;
    RecordingSound sound;
    RecordingPlatform platform;
    std::unique_ptr<AppContext> context;
};

} // namespace solvaro
