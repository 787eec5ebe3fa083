#pragma once

namespace solvaro {

// The page commands with which the main window drives the page on show: the
// code is written into the page's tag, then the page is asked to close, and
// its close handler carries the command out. Only home lets the page close.
enum PageCommand : int {
    CommandHome = 1,
    CommandLoadProgress = 2,
    CommandSaveProgress = 3,
    CommandPrint = 4,
    CommandHelp = 5,
    CommandExerciseChanged = 7,
    CommandSolution = 8,
    CommandRestore = 9,
};

} // namespace solvaro
