#pragma once

#include "app/environment.h"
#include "app/forms.h"
#include "storage/datafolders.h"

namespace solvaro {

class SoundOutput;

// What every form of a running program shares: the machine's environment, the
// installation, the sound channel and the other forms.
struct AppContext
{
    explicit AppContext(const Environment &environment)
        : env(environment)
        , folders(environment.executableFolder)
    {
    }

    Environment env;
    DataFolders folders;
    SoundOutput *sound = nullptr; // not owned
    Forms forms;
};

} // namespace solvaro
