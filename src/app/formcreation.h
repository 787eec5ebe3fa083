#pragma once

namespace solvaro {

struct AppContext;

// Creates the eight forms in their fixed order and records them in the context.
// The main window owns nothing; every form lives until the program ends and is
// destroyed by destroyForms.
void createForms(AppContext &context);
void destroyForms(AppContext &context);

} // namespace solvaro
