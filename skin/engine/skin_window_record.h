#pragma once
// What the engine keeps per skinned top-level window, from skinning until the window is
// destroyed.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "gdiplus/geometry.h"
#include "gdiplus/tooltip_window.h"
#include "skin/engine/control_entries.h"

namespace skin {

enum CaptionButtonKind : int {
    CloseButton = 0,
    MaximizeButton = 1,
    MinimizeButton = 2,
    MainMenuButton = 3,
    HelpButton = 4,
    CustomButton = 5,
};

// A button of the title bar.
struct CaptionButton {
    int width = 26;  // 38 for close
    int height = 18;
    gdip::Bytes image;
    gdip::Bytes secondImage;  // maximise only: drawn while the window is maximised
    int kind = CustomButton;
    std::string tooltip;
    std::function<void()> handler;  // custom buttons only
    gdip::RectF bounds;             // set when the buttons are laid out
};

// A caption button being faded in or out.
struct CaptionFade {
    int button = 0;  // 1-based, 0 none
    int step = 0;    // 0 to 8
};

// A panel of the status bar.
struct StatusPanel {
    int width = -1;  // -1: the rest of the bar
    std::string text;
    gdip::Bytes image;
    COLORREF color = 0;
};

// The window's image after its background and frame, and what it was drawn from: full
// paints start from it while none of that changes, instead of decoding and stretching
// the picture again.
struct BaseLayer {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HBITMAP initialBitmap = nullptr;
    int width = 0, height = 0;
    gdip::Bytes picture;
    int pictureMode = 0;
    COLORREF baseColor = 0;
    bool frame = false;
    bool gloss = false;
    int captionHeight = 0;
};

struct SkinWindowRecord {
    HWND window = nullptr;
    int captionHeight = 25;
    bool showHelpButton = false;
    bool showMenuButton = false;
    bool hasMinimizeButton = false;
    bool hasMaximizeButton = false;
    bool hasCloseButton = true;
    bool showCaptionText = true;
    bool captionGloss = false;
    WNDPROC previousProc = nullptr;

    // The window's own prepared background picture; empty = the shared one.
    gdip::Bytes picture;
    int pictureMode = 4;
    COLORREF pictureColor = 0;  // base colour under the own picture

    std::vector<CaptionButton> captionButtons;  // left to right
    int buttonStripX = 0;
    int buttonStripY = 0;
    int buttonStripWidth = 0;
    int buttonStripHeight = 22;

    // The bitmaps the caption and status-bar cache DCs held when made, and the caches.
    HBITMAP captionCacheInitialBitmap = nullptr;
    HBITMAP captionCacheBitmap = nullptr;
    HBITMAP statusBarCacheInitialBitmap = nullptr;
    HBITMAP statusBarCacheBitmap = nullptr;

    bool maximized = false;
    bool minimized = false;
    int minTrackWidth = 200;
    int minTrackHeight = 150;
    int maxTrackWidth = 0;   // the screen size at registration
    int maxTrackHeight = 0;
    bool resizable = true;
    bool showTitleBar = true;

    COLORREF captionTextColor = 0xFFFFFF;
    COLORREF captionGlowColor = 0x808080;
    std::string captionFontName = "宋体";
    int captionFontSize = 12;
    bool captionFontBold = true;

    // The caption button this window shows highlighted (1-based, 0 none). Not
    // SkinEngine::hotCaptionButton, which is the button the last hit test found under the
    // mouse in whichever window had it.
    int hotCaptionButton = 0;
    // Kind of the skinned control under the mouse: 0 button-array control, 1 edit,
    // 2 track bar, 3 combo box, 4 list-like, 8 up-down, 9 header.
    int hotControlKind = 0;
    HWND hotEditParent = nullptr;

    std::function<void()> helpHandler;
    std::function<void()> menuHandler;
    gdip::TooltipWindow tooltip;  // one tool per caption button

    int statusBarHeight = 0;  // 0 = no status bar
    gdip::Rect statusBarArea;
    std::vector<StatusPanel> statusPanels;
    std::vector<gdip::Rect> statusPanelRects;
    bool statusTextInverse = true;
    bool statusTextGlow = false;
    COLORREF statusGlowTextColor = 0;
    COLORREF statusGlowColor = 0xFFFFFF;
    std::string statusFontName = "宋体";
    int statusFontSize = 12;

    std::vector<ButtonRecord> buttons;
    std::vector<EditEntry> edits;
    std::vector<ListEntry> lists;
    std::vector<TrackBarEntry> trackBars;
    std::vector<ProgressBarEntry> progressBars;
    std::vector<ComboEntry> combos;
    std::vector<UpDownEntry> upDowns;
    std::vector<HeaderEntry> headers;
    std::vector<GenericChildEntry> genericChildren;

    bool needsFullPaint = false;
    HDC backBufferDC = nullptr;
    HDC captionCacheDC = nullptr;
    HDC statusBarCacheDC = nullptr;
    BaseLayer baseLayer;

    int lastHotControl = 0;
    int hotControl = 0;

    std::vector<SkinContainer> containers;
    std::vector<AnchoredChild> anchoredChildren;
    bool hoverTracked = false;
    CaptionFade fadeIn;
    CaptionFade fadeOut;
    bool animating = false;

    // Calls `visit` with every control window that carries "Hw_FuID": the controls of
    // every kind and the containers.
    template <typename Visit>
    void forEachControl(Visit visit) const {
        auto each = [&](const auto& entries) {
            for (const auto& entry : entries) visit(entry.hwnd);
        };
        each(buttons);
        each(edits);
        each(lists);
        each(trackBars);
        each(progressBars);
        each(combos);
        each(upDowns);
        each(headers);
        each(containers);
    }
};

}  // namespace skin
