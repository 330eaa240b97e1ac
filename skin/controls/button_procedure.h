#pragma once
// The window procedure of every control in a skinned window's button array (push
// buttons, image buttons, check boxes, radio buttons), and what the installers share:
// finding, adding and subclassing an entry.
#include <windows.h>

namespace gdip {
class Graphics;
struct RectF;
}

namespace skin {

class SkinEngine;
struct ButtonRecord;
struct SkinWindowRecord;

// Owner-draw state bits; hover is the engine's own.
inline constexpr UINT stateSelected = ODS_SELECTED;  // 1
inline constexpr UINT stateDisabled = ODS_DISABLED;  // 4
inline constexpr UINT stateFocus = ODS_FOCUS;        // 0x10
inline constexpr UINT stateHover = 0x40;

// Calls `visit` with every direct "BUTTON" child of `parent`, one after another.
template <typename Visit>
void forEachButtonChild(HWND parent, Visit visit) {
    for (HWND child = FindWindowExA(parent, nullptr, "BUTTON", nullptr); child;
         child = FindWindowExA(parent, child, "BUTTON", nullptr))
        visit(child);
}

// A new entry for the control at the end of the array (a fresh array's one empty entry
// is used instead), its kind, caption and caption font filled, the control subclassed
// with the button procedure and its properties set.
ButtonRecord& addButtonRecord(SkinWindowRecord& record, int windowIndex, HWND control, int kind);

// The entry's caption in its font and the control's text colour, centred vertically in
// `layout`; `fontUnit` and `alignment` are GDI+'s.
void drawButtonCaption(gdip::Graphics& graphics, HWND control, const ButtonRecord& entry, const gdip::RectF& layout,
                       int fontUnit, int alignment);

// The entry the control's "Hw_FuID" and "Hw_lbID" name, when it still names this
// control; null otherwise.
ButtonRecord* findButtonRecord(SkinEngine& engine, HWND control);

LRESULT CALLBACK ButtonProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// Repaints one control of the button array at once with the painter of its kind.
void RedrawButton(SkinEngine& engine, HWND control, UINT state, bool hover);

}  // namespace skin
