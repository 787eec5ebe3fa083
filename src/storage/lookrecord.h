#pragma once

#include "storage/designspace.h"
#include "storage/look.h"
#include "storage/recordaddress.h"

#include <QChar>
#include <QSize>
#include <QString>

namespace solvaro {

class DataFolders;
class IniFile;

// The font of question group "E<step>" in an exercise's section, on top of current:
// missing keys keep current's values. A size that is missing, or not a number
// in the file's decimal notation, keeps current's size rather than scaling it
// a second time; a stored one is scaled from the design space.
LookFont readQuestionGroupFont(const IniFile &exerciseFile, const QString &exerciseSection,
    int step, const LookFont &current, const DesignSpace &design);

// What a question group shows when its options are missing.
inline const QString MissingOptions = QStringLiteral("?????????");

// What restoring an element from its record found.
struct RecordLoad {
    // The record is present (its ".Name" marker is set) and was applied.
    bool found = false;
    // Full path of the fill picture the record names, when that file exists:
    // the widget layer loads it as the element's fill picture.
    QString picture;
};

// Reads and writes the component property records that keep the looks of
// restylable elements. A record is the group of keys prefix + ".Font.Size" and
// so on in one section of one INI file. Files are given relative to the
// executable folder and are opened, used and written out within each call, or
// given already open to the loaders, so that a form restoring many elements
// from one file reads it once (see RecordAddress). Geometry and font sizes are stored in the
// design space of the given screen.
class LookRecords
{
public:
    LookRecords(
        const DataFolders &folders, QSize screenSize, QChar decimalSeparator = QLatin1Char('.'));

    // Each loader reads its record from the file the address names: a path
    // is opened and read with the decimal separator given here, an open file
    // with the separator it was opened with. Both restore the same look; fill
    // pictures are resolved against the executable folder either way.

    // Restores an element by its kind (Load_LMDFILL). Nothing changes when the
    // file or the record is missing.
    RecordLoad load(Look &look, const RecordAddress &record) const;
    // Integer keys default to 0 (black font of size 0, no fill).
    RecordLoad loadTextStrip(Look &look, const RecordAddress &record) const;
    // Load_PANELFILL: integer keys default to the look's present values.
    RecordLoad loadPanel(Look &look, const RecordAddress &record) const;
    // Load_LABEL: integer keys default to the look's present values.
    RecordLoad loadLabel(Look &look, const RecordAddress &record) const;
    // The options and font of a question group (questionGroupRecord). Missing
    // keys keep the present font; missing options give the single option
    // MissingOptions. A size that is missing or not a number in the user's
    // notation keeps the present size rather than scaling it a second time.
    // Returns whether the file exists.
    bool loadQuestionGroup(Look &look, const RecordAddress &record) const;

    // Writes the record of an element by its kind into the file named by the
    // address's path (an address on an open file is refused). Throws
    // solvaro::Error when the file cannot be written.
    void write(const Look &look, const RecordAddress &record) const;
    void writeTextStrip(const Look &look, const RecordAddress &record) const;
    void writePanel(const Look &look, const RecordAddress &record) const;
    // Labels use the prefixed layout too, so that the loader finds what the
    // editing dialog wrote.
    void writeLabel(const Look &look, const RecordAddress &record) const;
    void writeQuestionGroup(const Look &look, const RecordAddress &record) const;

private:
    // Text strips and panels: the record and its fill picture.
    RecordLoad loadFilled(Look &look, LookKind kind, const RecordAddress &record) const;
    void writeFilled(const Look &look, LookKind kind, const RecordAddress &record) const;
    QString writableFile(const RecordFile &file) const;
    QString existingPicture(const QString &stored) const;
    void writeQuestionFontSize(
        IniFile &ini, const QString &section, const QString &key, int size) const;

    const DataFolders &m_folders;
    DesignSpace m_design;
    QChar m_decimalSeparator;
};

} // namespace solvaro
