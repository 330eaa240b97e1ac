#pragma once
// The control gallery shows every skinned control kind on one window. Each group of
// controls is a page: it makes its controls inside the area it is given, and names the
// states it can put them in, so that a screenshot can be taken of each.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace gallery {

struct GalleryState {
    std::string name;  // as given on the command line: --state NAME
    std::function<void(HWND window)> apply;
};

struct GalleryPage {
    // Makes the page's controls as children of `window` inside `area`.
    std::function<void(HWND window, const RECT& area)> create;
    std::vector<GalleryState> states;
};

// A child control of the gallery window; `id` is how states find it again.
HWND AddControl(HWND window, const char* className, const char* text, DWORD style, int x, int y, int width,
                int height, int id, DWORD exStyle = 0);

// Puts the real cursor over the middle of the gallery window's control `id`, so that the
// control sees the mouse come in as it would from a user.
void MoveCursorOver(HWND window, int id);

// One call per page: each lives in its own file.
GalleryPage ButtonsPage();
GalleryPage BarsPage();
GalleryPage EditsPage();

}  // namespace gallery
