#pragma once

#include "storage/look.h"
#include "storage/recordaddress.h"

#include <QFont>
#include <QPixmap>
#include <QString>

class QWidget;

namespace solvaro {

class LookRecords;

// The widget side of the component property records: copies a core Look into a
// real element and back, and restores or stores an element through the record
// loaders and writers of the core.
//
// Element kinds: a TextLabel is a text label, a RadioGroup a question group,
// a FillPanel a text strip unless the form that made it marked it as a panel
// with setLookKind. Any other widget is treated as a text strip of which only
// the geometry takes part.

// Marks what an element is for the records (only a FillPanel needs it).
void setLookKind(QWidget *element, LookKind kind);
LookKind lookKind(const QWidget *element);

// The element as a Look: text, alignment, font, geometry, fill, colours, answer
// lines and tag. Colour numbers the element received from a Look come back as
// they were given (so a system colour stays one) while the element shows them.
Look readLook(const QWidget *element);
// Puts a Look into the element. The fill picture is loaded only when the look
// names an existing file; otherwise the element keeps the picture it has.
void applyLook(QWidget *element, const Look &look);

// Loads a picture file as the fill picture of a FillPanel and remembers its
// path; false, leaving the fill as it was, when the file does not read.
bool loadFillPicture(QWidget *element, const QString &path);
// The full path of the element's present fill picture, empty for none.
QString fillPicturePath(const QWidget *element);
// Gives a FillPanel a picture already in memory, with the path it came from
// (a null picture and an empty path for none).
void setFillPicture(QWidget *element, const QPixmap &picture, const QString &path);

// The font a look's font stands for, on top of base (a size of 0 or less
// keeps the application's default height), and back.
QFont fontFromLook(const LookFont &font, const QFont &base);
int pointSizeOf(const QFont &font);
LookFont lookFontFromFont(const QFont &font, int charSet, qint32 color);

// Restores an element from its record; true when the record was present.
// Files are relative to the executable folder of the records, or already open
// (with the separator they were opened with), so that a form restoring many
// elements from one file reads it once; the element gets the same look either
// way. The screen size and decimal separator are the records'. Load_LMDFILL
// dispatches by the element's kind.
bool Load_LMDFILL(QWidget *element, const LookRecords &records, const RecordAddress &record);
bool Load_PANELFILL(QWidget *element, const LookRecords &records, const RecordAddress &record);
bool Load_LABEL(QWidget *element, const LookRecords &records, const RecordAddress &record);
bool loadTextStrip(QWidget *element, const LookRecords &records, const RecordAddress &record);
// The options and font of a question group (questionGroupRecord).
void loadQuestionGroup(QWidget *element, const LookRecords &records, const RecordAddress &record);

// Writers of the editing dialog: the element's present look goes into its
// record at once. picturePath is the full path of the chosen fill picture
// (empty for none); only its bare name is stored. They throw solvaro::Error
// when the file cannot be written.
void writePanelRecord(const QWidget *element, const LookRecords &records,
    const QString &picturePath, const RecordAddress &record);
void writeTextStripRecord(const QWidget *element, const LookRecords &records,
    const QString &picturePath, const RecordAddress &record);
// Labels are stored in the prefixed layout their loader reads.
void writeLabelRecord(
    const QWidget *element, const LookRecords &records, const RecordAddress &record);
void writeQuestionGroupRecord(
    const QWidget *element, const LookRecords &records, const RecordAddress &record);

} // namespace solvaro
