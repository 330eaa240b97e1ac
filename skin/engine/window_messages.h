#pragma once
// The handlers of the skinned window procedure, one per message. Each gets the window's
// index as it was when the message came in: a handler that makes a call which can
// destroy the window or renumber the registry (a caption action, a system command, the
// modal move and size loop) looks the window up again afterwards. A handler with an own
// result returns it; the others return nothing and the message goes on to the window's
// previous procedure.
#include <windows.h>

#include <optional>

namespace skin {

class SkinEngine;

struct WindowMessage {
    HWND window;
    int index;
    WPARAM wParam;
    LPARAM lParam;
    int x() const { return static_cast<short>(LOWORD(lParam)); }
    int y() const { return static_cast<short>(HIWORD(lParam)); }
};

using MessageResult = std::optional<LRESULT>;

// Sizes, system commands and painting (window_proc.cpp).
MessageResult onSize(SkinEngine& engine, const WindowMessage& message);
MessageResult onWindowPosChanged(SkinEngine& engine, const WindowMessage& message);
MessageResult onGetMinMaxInfo(SkinEngine& engine, const WindowMessage& message);
MessageResult onSysCommand(SkinEngine& engine, const WindowMessage& message);
MessageResult onQueryOpen(SkinEngine& engine, const WindowMessage& message);
MessageResult onShowWindow(SkinEngine& engine, const WindowMessage& message);
MessageResult onEraseBackground(SkinEngine& engine, const WindowMessage& message);
MessageResult onPaint(SkinEngine& engine, const WindowMessage& message);
MessageResult onSetText(SkinEngine& engine, const WindowMessage& message);
MessageResult onDrawItem(SkinEngine& engine, const WindowMessage& message);
MessageResult onNotify(SkinEngine& engine, const WindowMessage& message);
MessageResult onActivateApp(SkinEngine& engine, const WindowMessage& message);

// Caption-button hover and clicks (caption_fade.cpp, caption_press.cpp).
MessageResult onMouseMove(SkinEngine& engine, const WindowMessage& message);
MessageResult onMouseHover(SkinEngine& engine, const WindowMessage& message);
MessageResult onMouseLeave(SkinEngine& engine, const WindowMessage& message);
MessageResult onTimer(SkinEngine& engine, const WindowMessage& message);
MessageResult onLeftButtonDown(SkinEngine& engine, const WindowMessage& message);
MessageResult onLeftButtonUp(SkinEngine& engine, const WindowMessage& message);
MessageResult onLeftButtonDoubleClick(SkinEngine& engine, const WindowMessage& message);

// Transparent controls (control_colors.cpp).
MessageResult onCommand(SkinEngine& engine, const WindowMessage& message);
MessageResult onCtlColorEdit(SkinEngine& engine, const WindowMessage& message);
MessageResult onCtlColorStatic(SkinEngine& engine, const WindowMessage& message);
MessageResult onCtlColorListBox(SkinEngine& engine, const WindowMessage& message);
MessageResult onCtlColorButton(SkinEngine& engine, const WindowMessage& message);
// Frees the colour brushes of every control of the window.
MessageResult onDestroy(SkinEngine& engine, const WindowMessage& message);

// The end of the window (window_teardown.cpp): frees what the engine made for it and
// removes its record; the message still goes on to the previous procedure.
void tearDownWindow(SkinEngine& engine, HWND window, int index);

}  // namespace skin
