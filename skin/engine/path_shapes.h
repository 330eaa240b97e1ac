#pragma once
// Outlines shared by the painters: the rounded rectangle of frames and controls, the
// top-rounded face of buttons and title bars, and the glow drawn along a path.
#include <windows.h>

namespace gdip {
class Graphics;
class GraphicsPath;
}  // namespace gdip

namespace skin {

// A closed rectangle with corner arcs `corner` pixels across (clamped to 1..100; unlike
// GraphicsPath::addRoundedRectPercent, which sizes them as a share of the rectangle). The
// bottom-right arc is one pixel larger and one pixel further up and left, so that the
// outline stays inside the right and bottom edges.
void addRoundedRect(gdip::GraphicsPath& path, float x, float y, float width, float height, int corner);

// An open outline up the left side, round the two top corners (arcs `corner` across)
// and down the right side; a fill closes it along the bottom.
void addTopRoundedPath(gdip::GraphicsPath& path, float x, float y, float width, float height, float corner);

// An open outline up the left side, along the top and round the top-right corner only
// (an arc `corner` across), then down the right side: the close button's face, which
// sits in the window's rounded top-right corner.
void addTopRightRoundedPath(gdip::GraphicsPath& path, float x, float y, float width, float height, float corner);

// Clips the graphics to the window's rounded outline (corners 4 across) over its
// width x height client area; the path is returned for filling.
void clipToWindowOutline(gdip::Graphics& graphics, gdip::GraphicsPath& outline, int width, int height);

// Strokes the path `count` times with pens 1 to `count` pixels wide, so the overlapping
// strokes are most opaque along the path.
void drawGlowOutline(gdip::Graphics& graphics, const gdip::GraphicsPath& path, int count, COLORREF color, int alpha);

}  // namespace skin
