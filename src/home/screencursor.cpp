#include "home/screencursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace solvaro {

namespace {

// Whether the cursor on the override stack is ours: a drag that never saw its
// release must not leave a stack of cursors behind, nor take away another's.
bool overriding = false;

} // namespace

void setScreenCursor(Qt::CursorShape shape)
{
    if (overriding) {
        QGuiApplication::changeOverrideCursor(QCursor(shape));
        return;
    }
    QGuiApplication::setOverrideCursor(QCursor(shape));
    overriding = true;
}

void restoreScreenCursor()
{
    if (!overriding)
        return;
    QGuiApplication::restoreOverrideCursor();
    overriding = false;
}

} // namespace solvaro
