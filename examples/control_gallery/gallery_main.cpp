// A small program of its own that opens one skinned window holding every skinned control
// kind, and puts it in one of the states its pages name:
//   control_gallery [--state NAME]   show the window in that state ("normal" by default)
//   control_gallery --list           print the names of every state, one a line
// shots.sh runs it once per state and takes a picture of each.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/skin_hookup.h"
#include "examples/control_gallery/gallery_page.h"

namespace gallery {

HWND AddControl(HWND window, const char* className, const char* text, DWORD style, int x, int y, int width,
                int height, int id, DWORD exStyle) {
    return CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, window,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

void MoveCursorOver(HWND window, int id) {
    RECT box;
    GetWindowRect(GetDlgItem(window, id), &box);
    SetCursorPos((box.left + box.right) / 2, (box.top + box.bottom) / 2);
}

}  // namespace gallery

namespace {

using gallery::GalleryPage;

constexpr int windowWidth = 1000;
constexpr int windowHeight = 720;
constexpr int columnWidth = 320;
constexpr int pagesTop = 70;  // well below the title bar

std::vector<GalleryPage> allPages() { return {gallery::ButtonsPage(), gallery::EditsPage(), gallery::BarsPage()}; }

// Pages sit side by side in columns below the title bar.
RECT pageArea(size_t column) {
    const int left = 12 + static_cast<int>(column) * (columnWidth + 8);
    return {left, pagesTop, left + columnWidth, windowHeight - 12};
}

LRESULT CALLBACK galleryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND makeWindow() {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = galleryProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "ControlGallery";
    RegisterClassA(&wc);
    return CreateWindowExA(0, "ControlGallery", "控件一览", WS_POPUP | WS_MINIMIZEBOX | WS_CLIPCHILDREN, 10, 10,
                           windowWidth, windowHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

const gallery::GalleryState* findState(const std::vector<GalleryPage>& pages, const std::string& name) {
    for (const GalleryPage& page : pages)
        for (const gallery::GalleryState& state : page.states)
            if (state.name == name) return &state;
    return nullptr;
}

int listStates(const std::vector<GalleryPage>& pages) {
    std::printf("normal\n");
    for (const GalleryPage& page : pages)
        for (const gallery::GalleryState& state : page.states) std::printf("%s\n", state.name.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<GalleryPage> pages = allPages();
    if (argc > 1 && std::strcmp(argv[1], "--list") == 0) return listStates(pages);
    const std::string stateName = argc > 2 && std::strcmp(argv[1], "--state") == 0 ? argv[2] : "normal";
    const gallery::GalleryState* state = findState(pages, stateName);
    if (!state && stateName != "normal") {
        std::fprintf(stderr, "control_gallery: no state named \"%s\"; --list names them\n", stateName.c_str());
        return 2;
    }

    INITCOMMONCONTROLSEX init{sizeof(init), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&init);
    HWND window = makeWindow();
    for (size_t column = 0; column < pages.size(); ++column) pages[column].create(window, pageArea(column));
    // The engine is set up and the window skinned exactly as the memo program does it.
    CreateSkinEngine();
    StartSkinEngine();
    ApplySkin(window);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    if (state) state->apply(window);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DestroySkinEngine();
    return 0;
}
