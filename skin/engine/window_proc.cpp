// The procedure of every skinned top-level window: a switch that hands each message to
// its handler, and the handlers for sizes, system commands and painting.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "skin/engine/owner_draw.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_messages.h"
#include "skin/engine/window_painting.h"
#include "skin/engine/window_properties.h"
#include "skin/engine/work_area.h"
#include "skin/engine/working_set_trimmer.h"

namespace skin {

namespace {

WNDPROC previousProcedure(HWND window) { return reinterpret_cast<WNDPROC>(GetPropA(window, prop::previousProc)); }

// Messages the engine does not answer itself go on to the procedure skinning replaced.
// A window that has none left has nothing else to answer them.
LRESULT passOn(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!previous) return 0;
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

MessageResult dispatch(SkinEngine& engine, UINT message, const WindowMessage& m) {
    switch (message) {
        case WM_SIZE: return onSize(engine, m);
        case WM_WINDOWPOSCHANGED: return onWindowPosChanged(engine, m);
        case WM_GETMINMAXINFO: return onGetMinMaxInfo(engine, m);
        case WM_SYSCOMMAND: return onSysCommand(engine, m);
        case WM_QUERYOPEN: return onQueryOpen(engine, m);
        case WM_SHOWWINDOW: return onShowWindow(engine, m);
        case WM_ERASEBKGND: return onEraseBackground(engine, m);
        case WM_PAINT: return onPaint(engine, m);
        case WM_SETTEXT: return onSetText(engine, m);
        case WM_MOUSEMOVE: return onMouseMove(engine, m);
        case WM_MOUSEHOVER: return onMouseHover(engine, m);
        case WM_MOUSELEAVE: return onMouseLeave(engine, m);
        case WM_TIMER: return onTimer(engine, m);
        case WM_LBUTTONDOWN: return onLeftButtonDown(engine, m);
        case WM_LBUTTONUP: return onLeftButtonUp(engine, m);
        case WM_LBUTTONDBLCLK: return onLeftButtonDoubleClick(engine, m);
        case WM_DRAWITEM: return onDrawItem(engine, m);
        case WM_NOTIFY: return onNotify(engine, m);
        case WM_COMMAND: return onCommand(engine, m);
        case WM_CTLCOLOREDIT: return onCtlColorEdit(engine, m);
        case WM_CTLCOLORSTATIC: return onCtlColorStatic(engine, m);
        case WM_CTLCOLORLISTBOX: return onCtlColorListBox(engine, m);
        case WM_CTLCOLORBTN: return onCtlColorButton(engine, m);
        case WM_ACTIVATEAPP: return onActivateApp(engine, m);
        case WM_DESTROY: return onDestroy(engine, m);
        default: return std::nullopt;
    }
}

}  // namespace

LRESULT CALLBACK SkinEngine::windowProcStub(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (current_) return current_->windowProc(window, message, wParam, lParam);
    return passOn(previousProcedure(window), window, message, wParam, lParam);
}

LRESULT SkinEngine::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Read first: the handlers may end the window, and with it the property.
    const WNDPROC previous = previousProcedure(window);
    const int index = registry_.lookup(window);
    if (!index) return passOn(previous, window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        tearDownWindow(*this, window, index);
        return passOn(previous, window, message, wParam, lParam);
    }
    const MessageResult own = dispatch(*this, message, WindowMessage{window, index, wParam, lParam});
    if (own) return *own;
    // A window a handler closed has no procedure left to pass the message to.
    if (!IsWindow(window)) return 0;
    return passOn(previous, window, message, wParam, lParam);
}

MessageResult onSize(SkinEngine& engine, const WindowMessage& m) {
    SkinWindowRecord& record = engine.registry().at(m.index);
    record.hotCaptionButton = 0;
    // Only the very first size message of the process paints nothing anew: the window
    // is not on the screen yet. But the program's windows are made at their size, so
    // that first message can also be a real change (a maximise): a back buffer of the
    // old size is never kept.
    record.needsFullPaint = !engine.settings.firstSizePending ||
                            !backBufferFits(record, LOWORD(m.lParam), HIWORD(m.lParam));
    engine.settings.firstSizePending = false;
    // The region of the last full paint still has the old size: a window that grows
    // gains no visible area that the system would invalidate, so nothing would paint it.
    if (record.needsFullPaint) InvalidateRect(m.window, nullptr, FALSE);
    engine.relayoutAnchoredChildren(m.index);
    return std::nullopt;
}

MessageResult onWindowPosChanged(SkinEngine& engine, const WindowMessage& m) {
    if (engine.registry().at(m.index).hasMaximizeButton) {
        RECT client{};
        GetClientRect(m.window, &client);
        if (coversWholeScreen(client)) {
            engine.registry().at(m.index).maximized = true;
            const SIZE area = maximizedSize();
            SetWindowPos(m.window, nullptr, 0, 0, area.cx, area.cy, SWP_NOZORDER | SWP_NOOWNERZORDER);
        }
    }
    const int index = engine.registry().lookup(m.window);
    if (!index) return std::nullopt;
    engine.layoutCaptionButtons(index);
    if (engine.registry().at(index).statusBarHeight > 0) engine.layoutStatusBar(index);
    return std::nullopt;
}

MessageResult onGetMinMaxInfo(SkinEngine& engine, const WindowMessage& m) {
    const SkinWindowRecord& record = engine.registry().at(m.index);
    auto* info = reinterpret_cast<MINMAXINFO*>(m.lParam);
    const SIZE maximum = record.maximized ? maximizedSize() : SIZE{record.maxTrackWidth, record.maxTrackHeight};
    info->ptMinTrackSize = POINT{record.minTrackWidth, record.minTrackHeight};
    info->ptMaxTrackSize = POINT{maximum.cx, maximum.cy};
    return std::nullopt;
}

MessageResult onSysCommand(SkinEngine& engine, const WindowMessage& m) {
    SkinWindowRecord& record = engine.registry().at(m.index);
    switch (m.wParam & 0xFFF0) {
        case SC_MAXIMIZE:
            record.maximized = true;
            record.needsFullPaint = true;
            break;
        case SC_RESTORE:
            record.needsFullPaint = true;
            record.minimized = false;
            break;
        case SC_MINIMIZE:
            record.needsFullPaint = true;
            record.minimized = true;
            break;
    }
    return std::nullopt;
}

MessageResult onQueryOpen(SkinEngine& engine, const WindowMessage& m) {
    engine.registry().at(m.index).minimized = false;
    return std::nullopt;
}

MessageResult onShowWindow(SkinEngine& engine, const WindowMessage& m) {
    if (m.wParam != TRUE) return std::nullopt;
    SkinWindowRecord& record = engine.registry().at(m.index);
    if (record.minimized) {
        record.minimized = false;
        return std::nullopt;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m.window, &paint);
    engine.paintWindow(m.index, dc, true);
    EndPaint(m.window, &paint);
    return std::nullopt;
}

MessageResult onEraseBackground(SkinEngine&, const WindowMessage& m) {
    // The back buffer covers everything; erasing first would only flicker.
    SetBkMode(reinterpret_cast<HDC>(m.wParam), TRANSPARENT);
    return 1;
}

MessageResult onPaint(SkinEngine& engine, const WindowMessage& m) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m.window, &paint);
    SkinWindowRecord& record = engine.registry().at(m.index);
    if (record.needsFullPaint && !record.minimized) {
        engine.paintWindow(m.index, dc, true);
        engine.registry().at(m.index).needsFullPaint = false;
    } else if (!record.minimized) {
        engine.presentWindow(m.index, dc);
    }
    EndPaint(m.window, &paint);
    return DefWindowProcA(m.window, WM_PAINT, m.wParam, m.lParam);
}

MessageResult onSetText(SkinEngine& engine, const WindowMessage& m) {
    const SkinWindowRecord& record = engine.registry().at(m.index);
    if (!record.showCaptionText || !record.showTitleBar) return std::nullopt;
    const char* text = reinterpret_cast<const char*>(m.lParam);
    engine.drawCaptionText(m.index, nullptr, false, std::string(text ? text : ""));
    return std::nullopt;
}

MessageResult onDrawItem(SkinEngine& engine, const WindowMessage& m) {
    DRAWITEMSTRUCT item;
    std::memcpy(&item, reinterpret_cast<const void*>(m.lParam), sizeof item);
    ownerDrawButton(engine, m.index, item);
    return std::nullopt;
}

MessageResult onNotify(SkinEngine&, const WindowMessage& m) {
    NMHDR header;
    std::memcpy(&header, reinterpret_cast<const void*>(m.lParam), sizeof header);
    // A tree that opens or closes a branch redraws its background under the new rows.
    if (header.code == TVN_ITEMEXPANDINGA || header.code == TVN_ITEMEXPANDEDA)
        InvalidateRect(header.hwndFrom, nullptr, TRUE);
    return std::nullopt;
}

MessageResult onActivateApp(SkinEngine&, const WindowMessage& m) {
    if (m.wParam != FALSE) return std::nullopt;
    if (HANDLE trimmer = startWorkingSetTrimmer()) CloseHandle(trimmer);
    return std::nullopt;
}

}  // namespace skin
