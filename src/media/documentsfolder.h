#pragma once

#include <QString>

#include <functional>

namespace solvaro {

// Where the system keeps the user's documents, or an empty string when it has no
// such place.
using DocumentsFolderLookup = std::function<QString()>;

// The user's documents folder when it exists, else the home folder, never
// creating anything.
QString systemDocumentsFolder();

// The starting folder of the progress file dialogs. Throws Error("Could not find
// MyDocuments folder location.") when the lookup finds none.
QString MyDocumentsFolder(const DocumentsFolderLookup &lookup = systemDocumentsFolder);

} // namespace solvaro
