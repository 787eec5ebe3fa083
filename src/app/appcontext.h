#pragma once

#include "app/forms.h"
#include "base/environment.h"
#include "storage/datafolders.h"
#include "storage/lookrecord.h"
#include "ui/handlers.h"

namespace solvaro {

class Platform;
class SoundOutput;
class SpeechOutput;

// What every form of a running program shares: the machine's environment, the
// installation, the sound channel, the voice, the desktop and the other forms.
struct AppContext {
    explicit AppContext(const Environment &environment)
        : env(environment)
        , folders(environment.executableFolder)
    {
    }

    // The record loaders and writers for this installation and screen.
    LookRecords looks() const { return LookRecords(folders, env.screenSize, env.decimalSeparator); }

    // Connects the forms' handlers so that an error ends where its handler
    // ends, in the general error box of the environment's dialogs.
    Handlers handlers() const { return Handlers(env.dialogs); }

    Environment env;
    DataFolders folders;
    SoundOutput *sound = nullptr; // not owned
    // The voice that reads texts aloud; not owned. Without one, or without a
    // voice in it, nothing is offered for reading aloud.
    SpeechOutput *speech = nullptr;
    // Help document, volume control and system facts; not owned. Without one
    // those actions do nothing.
    Platform *platform = nullptr;
    Forms forms;
};

} // namespace solvaro
