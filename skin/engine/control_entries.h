#pragma once
// Entries of the per-kind control arrays of a skinned window. Every entry names its
// control window; the units that install and paint each kind keep their state here.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "gdiplus/geometry.h"
#include "gdiplus/tooltip_window.h"

namespace skin {

// Kinds of entries in the buttons array; the kind picks the painter.
enum ButtonKind : int {
    PushButton = 0,
    ImageButton = 1,
    MultiImageButton = 3,
    RadioButton = 4,
    CheckBox = 5,
};

// Push buttons, image buttons, check boxes and radio buttons.
struct ButtonRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    int kind = PushButton;
    std::array<gdip::Bytes, 5> images;  // image buttons only
    int imageBeside = 0;                 // image buttons of the single-picture kind only
    std::string caption;
    bool focused = false;
    bool checked = false;                // read when installed (radio buttons, check boxes)
    HWND container = nullptr;            // whose children were searched at installation
    gdip::TooltipWindow tooltip;
    std::string fontName;
    int fontSize = 0;
    int fontStyle = 0;
};

// The other kinds, until their units need more than the control and the procedure it
// replaced; a unit that does gives its kind a struct of its own.
struct ControlEntry {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
};
// An edit box; also the edit inside a combo box.
struct EditEntry {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    bool focused = false;    // between WM_SETFOCUS and WM_KILLFOCUS
    bool mouseDown = false;  // between WM_LBUTTONDOWN and WM_LBUTTONUP
};
struct ComboEntry {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    bool focused = false;  // between WM_SETFOCUS and WM_KILLFOCUS
};

// List boxes, the lists of combo boxes, list views, tree views, IP-address controls and
// date pickers: they share one procedure and one frame painter.
struct ListEntry {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    bool focused = false;
    bool hovered = false;
    bool arrowKeyDown = false;  // from an arrow key's WM_KEYDOWN to the next WM_KEYUP
};

// Where a track bar shows its ticks; TBS_NOTICKS wins over TBS_TOP, which wins over
// TBS_BOTH. They only shift the knob: the skin draws no ticks.
enum TickMode : int {
    TicksTopOrLeft = 0,
    TicksBottomOrRight = 1,
    TicksBoth = 2,
    NoTicks = 3,
};

struct TrackBarEntry {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    bool vertical = false;
    int tickMode = TicksBottomOrRight;
    bool hovered = false;
    bool selectionRange = false;
};

struct ProgressBarEntry {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    bool vertical = false;
};

using UpDownEntry = ControlEntry;
using HeaderEntry = ControlEntry;
// A child under the generic procedure; it carries "Kj_" properties instead of "Hw_".
using GenericChildEntry = ControlEntry;

// A child kept above the status bar when the window is sized.
struct AnchoredChild {
    HWND window = nullptr;
    int top = 0;
};

// A child window that holds controls of its own (panel, group box).
struct SkinContainer {
    HWND hwnd = nullptr;
    COLORREF tintColor = 0;  // 0 = no tint
    int tintAlpha = 255;
    bool framed = false;
    WNDPROC previousProc = nullptr;
    bool needsFullPaint = true;
    bool groupBox = false;
    bool skinned = true;
    std::string captionFontName;
    int captionFontSize = 0;
    int captionFontStyle = 0;
    std::vector<AnchoredChild> anchoredChildren;
};

}  // namespace skin
