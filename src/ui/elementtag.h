#pragma once

class QWidget;

namespace solvaro {

// Every editable element carries a tag that says where its look is stored:
// 10 in the current skin file, 80 in the sheet's "COMMONAREA", any other value
// in the section of the current exercise. It is kept as the dynamic property
// "tag" so that every form reads and writes it the same way.
int elementTag(const QWidget *element);
void setElementTag(QWidget *element, int tag);

} // namespace solvaro
