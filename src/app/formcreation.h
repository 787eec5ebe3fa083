#pragma once

namespace solvaro {

struct AppContext;

// Creates the eight forms in their fixed order and records them in the context.
// The main window owns nothing; every form lives until the program ends and is
// destroyed by destroyForms.
void createForms(AppContext &context);

// The same in two steps, so that the program can paint its start panel before
// it makes the forms the start panel does not show: first the main window,
// then the other seven in their order. Once they exist, a main window already
// on screen sets its pages up.
void createMainWindow(AppContext &context);
void createPages(AppContext &context);

void destroyForms(AppContext &context);

} // namespace solvaro
