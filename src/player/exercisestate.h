#pragma once

namespace solvaro {

// How an exercise of the open sheet stands, as progress files store it
// ("HLPNUM"). Unscoped so that the stored number is the value itself; a file
// may hold any number, which then matches none of these.
enum ExerciseState : int {
    NotSolved = 0,
    SolutionRequested = 1,
    SolvedByPupil = 3,
    SolvedBySolution = 4,
};

} // namespace solvaro
