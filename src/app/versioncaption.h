#pragma once

#include <QString>

namespace solvaro {

// The four numbers of a dotted version ("1.2.3.4"), missing or unreadable parts
// as 0, formatted "%d.%d.%d.%d".
QString fourPartVersion(const QString &version);

// The main window's caption: the executable's file name with its first ".exe"
// (case as written) replaced by " ver.", or " ver." appended where the name has
// none, then " " and the four-part version and " "; without a version, two
// blanks. "Trainer.exe" of 3.0.0.20 gives "Trainer ver. 3.0.0.20 ".
QString versionCaption(const QString &executablePath, const QString &version);

} // namespace solvaro
