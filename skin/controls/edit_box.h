#pragma once
// Skinned edit boxes: the edit keeps drawing its own text; the skin paints a frame into
// its non-client ring (dark, accent when focused, a wider accent line under the mouse)
// and, with transparent controls on, the window's picture under a white veil behind the
// text, redrawing whatever typing, scrolling or a drag selection could leave stale.
#include <windows.h>

#include <optional>

namespace skin {

class SkinEngine;

// Registers and subclasses one edit of the window `windowIndex`; an edit listed
// already is left as it is.
void installEdit(SkinEngine& engine, int windowIndex, HWND edit);

// Paints the frame ring. Focus left out is the edit's recorded focus.
void PaintEditFrame(SkinEngine& engine, HWND edit, std::optional<bool> focused = std::nullopt, bool hover = false);

// Paints the veiled window background under the client area into `dc` at (0, 0).
void PaintEditBackground(SkinEngine& engine, HWND edit, HDC dc);

// The region of the edit's scroll bars (and the size box between them) in screen
// coordinates; null when it has none. The caller deletes it.
HRGN ScrollBarRegion(HWND edit);

}  // namespace skin
