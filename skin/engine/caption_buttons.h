#pragma once
// Where the caption buttons sit: the standard set of a window, the strip they stand in
// at the top right of the title bar, each button's bounds and which button a point hits.
// Plain functions over a record; the engine's operations call them and add the window's
// client size and tooltip.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "gdiplus/geometry.h"
#include "skin/engine/skin_window_record.h"

namespace skin {

// Buttons stand 27 pixels apart: 26 wide and a 1-pixel gap.
inline constexpr int captionButtonPitch = 27;

struct CaptionButtonChoice {
    bool help = false;
    bool menu = false;
    bool minimize = false;
    bool maximize = false;
};

// Left to right: help, main menu, minimise, maximise (with its restore picture), close;
// close is always there. Pictures and tooltips are the program's own.
std::vector<CaptionButton> standardCaptionButtons(const CaptionButtonChoice& choice);

// The width of a strip holding these buttons: their widths, a pixel between each two
// and 3 to spare.
int captionStripWidth(const std::vector<CaptionButton>& buttons);

// A custom button goes in at the left end of the strip, which grows by one pitch.
void insertCustomCaptionButton(SkinWindowRecord& record, const gdip::Bytes& image, const std::string& tooltip,
                               std::function<void()> handler);

// Button i (1-based) of a strip whose top left is (stripX, stripY). Close is 40 wide
// here though its picture is 38, so that it reaches the window's right edge.
gdip::RectF captionButtonBounds(int stripX, int stripY, int i, int kind);

// Puts the strip's right end at the client's right edge (x = right - width + 1).
void placeCaptionStrip(SkinWindowRecord& record, int clientRight);
// Sets every button's bounds from the strip's place.
void placeCaptionButtons(SkinWindowRecord& record);

// The 1-based button whose inside holds (x, y); a point on an edge or in a gap hits
// none (0).
int captionButtonAt(const SkinWindowRecord& record, int x, int y);

// The first maximise button (1-based), or 0.
int maximizeButtonOf(const SkinWindowRecord& record);

// Where a button is drawn from: one pixel left of its bounds, at the strip's top plus one.
POINT captionButtonOrigin(const SkinWindowRecord& record, int i);

}  // namespace skin
