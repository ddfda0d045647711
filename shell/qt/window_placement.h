#pragma once

// Where each window of the game opens: the start screen in the middle of
// the screen, or left of the middle when the play field fits beside it; the
// play field beside it on the right where the screen has room, else over it
// a little down and to the right; the say window just below the play field,
// so that both can be seen while playing; the settings window beside the
// play field, or below the say window, never over the field.

#include <QPoint>
#include <QRect>
#include <QSize>

#include "shell/layout.h"

namespace tt {

// The outer frames of the windows already on the screen (an invalid
// rectangle for one that is not), and the play field's outer size, for
// placing the say window before the play field shows.
struct PlacedWindows {
    QRect main;
    QRect play;
    QRect say;
    QSize playSize;
};

// The primary screen's room for windows, panels left out.
QRect availableDesktop();

// `corner` moved as little as puts a window of outer size `size` on `desk`.
QPoint clampToDesk(QPoint corner, const QSize& size, const QRect& desk);

// The top-left corner of a window of outer size `size` on `desk`.
QPoint placeWindow(FormId form, const QSize& size, const QRect& desk, const PlacedWindows& placed);

}  // namespace tt
