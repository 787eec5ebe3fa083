#pragma once

#include "player/reportcontent.h"

#include <QString>

namespace solvaro {

class DataFolders;
class Dialogs;
class ReportEngine;
class ReportPreview;

// The printed result report of the exercise on screen (STAMPA): the template
// "SOL_INI\\stampaV.frf" filled from the exercise's state and shown in the
// preview. The player hands over its state; everything else happens here.
class ResultReport
{
public:
    static inline const QString templateFile = QStringLiteral("SOL_INI\\stampaV.frf");

    ResultReport(const DataFolders &folders, Dialogs &dialogs, ReportPreview &preview);

    // Builds the report and shows it. False when the template could not be
    // loaded; a message naming the file was shown then.
    bool STAMPA(const ReportInput &input);

    // Loads the template into the engine and builds the report's sheets
    // without showing them; false, with the message shown, as above.
    bool build(const ReportInput &input, ReportEngine &engine);

private:
    const DataFolders &m_folders;
    Dialogs &m_dialogs;
    ReportPreview &m_preview;
};

} // namespace solvaro
