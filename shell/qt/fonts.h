#pragma once

// The game's faces, from fonts the set-up installs, with fallbacks that
// always give some font: a lively script for the title, a classic small
// bitmap sans for the rest.

#include <QFont>

#include "shell/layout.h"
#include "shell/qt/zoom.h"

namespace tt {

// Registers the faces that live outside fontconfig's folders. Safe to call
// more than once; needs a QGuiApplication.
void loadGameFonts();

// The font of a label, drawn into the scene at one screen pixel per game
// pixel (the scene is zoomed afterwards, so bitmap faces stay crisp).
QFont sceneFont(const FontSpec& spec);

// The font of a real control at the window's zoom. Bitmap faces do not
// scale, so a scaled control gets an outline face of the same style.
QFont controlFont(const FontSpec& spec, const Zoom& zoom);

}  // namespace tt
