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

// The font of a real control at the window's zoom: an outline face of the
// same style, since the controls are not zoomed as pictures are.
QFont controlFont(const FontSpec& spec, const Zoom& zoom);

// Faces of smooth curves (the title's script), drawn at the screen's own
// resolution after the scene is zoomed: zoomed up from one game pixel, their
// soft edges would turn into grey blocks.
bool isSmoothFace(const FontSpec& spec);

// Bitmap faces have no bold strikes; their bold is drawn twice, a pixel
// apart, with each letter advanced one pixel more, as classic desktops do.
bool isBitmapFace(const QFont& font);

}  // namespace tt
