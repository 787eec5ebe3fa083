#pragma once

#include <QString>

class QWidget;

namespace solvaro {

// Every editable element carries a tag that says where its look is stored:
// 10 in the current skin file, 80 in the sheet's "COMMONAREA", any other value
// in the section of the current exercise. It is kept as the dynamic property
// "tag" so that every form reads and writes it the same way.
int elementTag(const QWidget *element);
void setElementTag(QWidget *element, int tag);

// An element whose form keeps its look in a place of its own, whatever its tag
// says: a file (relative to the executable folder) and a section. It is
// restored from there and the "Edit Box" stores it there, so that an edit is
// what the next start shows. The file is empty for an element without one.
void setOwnLookPlace(QWidget *element, const QString &file, const QString &section);
QString ownLookFile(const QWidget *element);
QString ownLookSection(const QWidget *element);

} // namespace solvaro
