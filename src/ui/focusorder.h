#pragma once

class QWidget;

namespace solvaro {

// Tab and Shift+Tab in the order a pupil reads the screen: line by line from
// the top, each line from the left. A line holds the controls whose vertical
// middles lie within the first one's height. A group of radio items is one
// stop: its chosen item, or its first while none is chosen; arrows move inside.
// Returns the control after (or before) `from` among the shown, enabled
// controls under `root` that take the focus by Tab, going round at the ends;
// null when there is none.
QWidget *nextInScreenOrder(QWidget *root, QWidget *from, bool forward);

} // namespace solvaro
