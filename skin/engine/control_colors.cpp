// Transparent controls: the colour messages of edits, labels, list boxes and buttons are
// answered with the window's background (or no brush at all), and controls that scroll
// or change are redrawn over it.
#include "skin/engine/background_snapshot.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_messages.h"
#include "skin/engine/window_properties.h"
#include "skin/engine/window_queries.h"

namespace skin {

namespace {

bool transparentControlsOn(const SkinEngine& engine) {
    return engine.settings.controlSkinning && engine.settings.transparentControls;
}

HDC dcOf(const WindowMessage& m) { return reinterpret_cast<HDC>(m.wParam); }
HWND controlOf(const WindowMessage& m) { return reinterpret_cast<HWND>(m.lParam); }

void prepareText(HWND control, HDC dc) {
    SetTextColor(dc, static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropA(control, prop::textColor))));
    SetBkMode(dc, TRANSPARENT);
}

LRESULT hollowBrush(HWND control, HDC dc) {
    prepareText(control, dc);
    deleteColorBrush(control);
    HGDIOBJ brush = GetStockObject(NULL_BRUSH);
    SetPropA(control, prop::colorBrush, brush);
    return reinterpret_cast<LRESULT>(brush);
}

BOOL CALLBACK deleteChildColorBrush(HWND child, LPARAM) {
    deleteColorBrush(child);
    return TRUE;
}

bool redrawsOnNotification(const std::string& className, WORD code) {
    if (className == "Edit") return code == EN_VSCROLL || code == EN_HSCROLL || code == EN_CHANGE || code == EN_UPDATE;
    if (className == "ListBox") return code == LBN_SELCHANGE || code == LBN_SELCANCEL;
    if (className == "ComboBox") return code == CBN_KILLFOCUS || code == CBN_SELCHANGE;
    return false;
}

}  // namespace

// The control's earlier brush and its bitmap go before a new one is made: a control
// asks for its colours on every paint.
void deleteColorBrush(HWND control) {
    HANDLE brush = RemovePropA(control, prop::colorBrush);
    if (brush != GetStockObject(NULL_BRUSH)) DeleteObject(brush);
    DeleteObject(RemovePropA(control, prop::colorBrushBitmap));
}

LRESULT answerWithBackgroundBrush(SkinEngine& engine, HWND control, HDC dc) {
    prepareText(control, dc);
    deleteColorBrush(control);
    HBITMAP bitmap = controlBackgroundBitmap(engine, control);
    HBRUSH brush = bitmap ? CreatePatternBrush(bitmap) : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    SetPropA(control, prop::colorBrush, brush);
    SetPropA(control, prop::colorBrushBitmap, bitmap);
    return reinterpret_cast<LRESULT>(brush);
}

MessageResult onCommand(SkinEngine& engine, const WindowMessage& m) {
    HWND control = controlOf(m);
    if (!control || !transparentControlsOn(engine)) return std::nullopt;
    if (redrawsOnNotification(windowClassName(control), HIWORD(m.wParam))) InvalidateRect(control, nullptr, TRUE);
    return std::nullopt;
}

MessageResult onCtlColorEdit(SkinEngine& engine, const WindowMessage& m) {
    HWND edit = controlOf(m);
    // The edit of a combo box gets its brush from the combo box.
    if (windowClassName(GetParent(edit)) == "ComboBox" || !transparentControlsOn(engine)) return std::nullopt;
    return answerWithBackgroundBrush(engine, edit, dcOf(m));
}

MessageResult onCtlColorStatic(SkinEngine& engine, const WindowMessage& m) {
    if (!transparentControlsOn(engine)) return std::nullopt;
    return answerWithBackgroundBrush(engine, controlOf(m), dcOf(m));
}

MessageResult onCtlColorListBox(SkinEngine& engine, const WindowMessage& m) {
    HWND list = controlOf(m);
    if (!transparentControlsOn(engine) || windowClassName(list) != "ListBox" || isOwnerDrawnListBox(list))
        return std::nullopt;
    return hollowBrush(list, dcOf(m));
}

MessageResult onCtlColorButton(SkinEngine& engine, const WindowMessage& m) {
    if (!transparentControlsOn(engine)) return std::nullopt;
    return hollowBrush(controlOf(m), dcOf(m));
}

// The children are still there when their window gets WM_DESTROY, and gone by its
// WM_NCDESTROY: their brushes are freed now.
MessageResult onDestroy(SkinEngine&, const WindowMessage& m) {
    EnumChildWindows(m.window, deleteChildColorBrush, 0);
    return std::nullopt;
}

}  // namespace skin
