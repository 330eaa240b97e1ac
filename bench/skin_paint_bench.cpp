// Times the skin engine's painting on a real window of the main window's size with the
// program's own settings, each figure beside a plain GDI copy of the same area measured
// in the same run: a full paint (repeated, and after a change of size, when the picture
// is stretched anew), presenting the back buffer, one step of a caption button's fade,
// one repaint of a skinned push button, one skinned edit repainted whole, and the full
// paints maximised at 1280 x 1024.
#include <windows.h>

#include <cstdio>

#include "app/skin_hookup.h"
#include "app/window_designs.h"
#include "bench/bench_timing.h"
#include "skin/controls/button_procedure.h"
#include "skin/engine/skin_engine.h"

namespace {

using bench::MedianMs;

// A plain copy of a width x height memory picture onto the window.
double PlainCopyMs(HWND window, int width, int height, int runs) {
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ initial = SelectObject(memory, bitmap);
    const double ms = MedianMs(runs, [&] {
        BitBlt(screen, 0, 0, width, height, memory, 0, 0, SRCCOPY);
        GdiFlush();
    });
    SelectObject(memory, initial);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return ms;
}

void Report(const char* what, double ms, double referenceMs) {
    std::printf("%-44s %8.3f ms   plain BitBlt %7.3f ms   ratio %6.1f\n", what, ms, referenceMs, ms / referenceMs);
}

}  // namespace

int main() {
    CreateSkinEngine();
    StartSkinEngine();
    skin::SkinEngine& engine = *TheSkinEngine();
    const int width = MainWindowDesign.width, height = MainWindowDesign.height;
    HWND window = CreateWindowExA(0, "STATIC", MainWindowDesign.caption.c_str(), WS_POPUP | WS_MINIMIZEBOX, 100, 100,
                                  width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND button = CreateWindowExA(0, "BUTTON", "添加备忘", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 300, 75, 25,
                                  window, nullptr, GetModuleHandleA(nullptr), nullptr);
    // The add-memo window's title box: its frame ring and its veiled background.
    HWND edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 60, 283 - 22, 24, window,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    ApplySkin(window);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    const int index = engine.registry().lookup(window);
    const int runs = 51;
    const double plainWindow = PlainCopyMs(window, width, height, runs);
    char what[64];

    const double full = MedianMs(runs, [&] {
        engine.paintWindow(index, nullptr, true);
        GdiFlush();
    });
    std::snprintf(what, sizeof what, "full paintWindow, %d x %d", width, height);
    Report(what, full, plainWindow);

    // Every other size is new, so the picture is decoded and stretched again each time.
    int grow = 0;
    const double resized = MedianMs(21, [&] {
        grow ^= 1;
        SetWindowPos(window, nullptr, 0, 0, width + grow, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        engine.paintWindow(index, nullptr, true);
        GdiFlush();
    });
    std::snprintf(what, sizeof what, "full paintWindow at a new size, %d x %d", width, height);
    Report(what, resized, plainWindow);
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    const double present = MedianMs(runs, [&] {
        HDC dc = GetDC(window);
        engine.presentWindow(index, dc);
        GdiFlush();
        ReleaseDC(window, dc);
    });
    std::snprintf(what, sizeof what, "presentWindow, %d x %d", width, height);
    Report(what, present, plainWindow);

    int alpha = 0;
    const double fade = MedianMs(runs * 4, [&] {
        alpha = (alpha + 30) % 270;
        engine.drawCaptionButton(index, 1, nullptr, false, alpha);
        GdiFlush();
    });
    Report("one fade step (minimise button, 26 x 18)", fade, PlainCopyMs(window, 26, 18, runs * 4));

    const double buttonFace = MedianMs(runs * 4, [&] {
        skin::RedrawButton(engine, button, 0, true);
        GdiFlush();
    });
    Report("one skinned push button, hover, 75 x 25", buttonFace, PlainCopyMs(window, 75, 25, runs * 4));

    const double editRepaint = MedianMs(runs, [&] {
        RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        GdiFlush();
    });
    Report("one skinned edit repainted, 261 x 24", editRepaint, PlainCopyMs(window, 261, 24, runs));

    SetWindowPos(window, nullptr, 0, 0, 1280, 1024, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(window, &client);
    const double maximised = MedianMs(21, [&] {
        engine.paintWindow(index, nullptr, true);
        GdiFlush();
    });
    std::snprintf(what, sizeof what, "full paintWindow, %ld x %ld", client.right, client.bottom);
    Report(what, maximised, PlainCopyMs(window, client.right, client.bottom, 21));
    const double maximisedResized = MedianMs(11, [&] {
        grow ^= 1;
        SetWindowPos(window, nullptr, 0, 0, 1280, 1024 - grow, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        engine.paintWindow(index, nullptr, true);
        GdiFlush();
    });
    std::snprintf(what, sizeof what, "full paintWindow at a new size, %ld x %ld", client.right, client.bottom);
    Report(what, maximisedResized, PlainCopyMs(window, client.right, client.bottom, 11));

    DestroyWindow(window);
    DestroySkinEngine();
    return 0;
}
