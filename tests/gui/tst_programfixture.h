#pragma once

#include "whenshown.h"

// What the tests of the forms share: a program assembled on a test
// installation with scripted dialogs, a sound channel and a desktop that only
// record what they are asked; and a way through the real "Edit Box".

#include "app/appcontext.h"
#include "app/formcreation.h"
#include "base/platform.h"
#include "dialogs/unit4.h"
#include "media/soundoutput.h"
#include "support/scripteddialogs.h"
#include "support/testinstallation.h"

#include <QDateTime>
#include <QEvent>
#include <QSize>
#include <QStringList>

#include <functional>
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

    explicit AssembledProgram(const TestInstallation &installation, Forms made = AllForms,
        QSize screen = QSize(1680, 1050), QChar decimalSeparator = QLatin1Char('.'))
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

// Answers the real "Edit Box" as the teacher does: each time it opens, the
// edit runs on it (if there is one) and the dialog is confirmed.
class ConfirmOnShow final : public WhenShown
{
public:
    explicit ConfirmOnShow(TForm4 *dialog, std::function<void(TForm4 *)> edit = {})
        : WhenShown(dialog, [dialog, edit = std::move(edit)] {
            if (edit)
                edit(dialog);
            dialog->LMDButton1Click();
        })
    {
    }
};

} // namespace solvaro
