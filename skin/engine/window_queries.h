#pragma once
// Questions the engine asks about windows: class, list-box kind, where the client area
// sits in the window, which skinned window a control belongs to, and a DC that leaves
// the children alone.
#include <windows.h>

#include <string>

namespace skin {

class WindowRegistry;

std::string windowClassName(HWND window);

// The window's text.
std::string windowText(HWND window);

// The size of the window rectangle, and of the client area.
SIZE windowSize(HWND window);
SIZE clientSize(HWND window);

// A list box ("ListBox") with a fixed or variable owner-drawn style.
bool isOwnerDrawnListBox(HWND window);

// Where the client area sits inside the window rectangle, assuming equal borders on
// opposite sides and 17-pixel scroll bars (WS_VSCROLL on the right, WS_HSCROLL at the
// bottom).
RECT clientRectInWindow(SIZE window, SIZE client, LONG style);
RECT clientRectInWindow(HWND control);

// The index of the window if it is registered, else of its nearest registered ancestor
// (through GetParent), else 0.
int findSkinnedWindow(const WindowRegistry& registry, HWND window);

// `dc`, or the window's own DC when none is given (the caller releases that one with
// ReleaseDC), with every visible direct child that is not WS_EX_TRANSPARENT cut out of
// its clip.
HDC clippedWindowDC(HWND window, HDC dc = nullptr);

}  // namespace skin
