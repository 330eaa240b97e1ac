#pragma once
// Skin state kept on windows and controls as window properties (32-bit values).
#include <windows.h>

namespace skin {

namespace prop {
// On a skinned top-level window: its window index. On a skinned control: its index in
// its kind's array.
inline constexpr const char* index = "Hw_lbID";
// On a skinned control or container: the window index of the window it belongs to.
inline constexpr const char* ownerIndex = "Hw_FuID";
// The window procedure the skin replaced.
inline constexpr const char* previousProc = "Hw_hProc";
// On a top-level window: the bitmap the back-buffer DC held when it was made, and the
// current back-buffer bitmap.
inline constexpr const char* backBufferInitialBitmap = "Ck_Ycjdx";
inline constexpr const char* backBufferBitmap = "Ck_wtjbdx";
// On a control: text colour for WM_CTLCOLOR*, the brush last returned and its bitmap.
inline constexpr const char* textColor = "Kj_Ztys";
inline constexpr const char* colorBrush = "Kj_dxjb";
inline constexpr const char* colorBrushBitmap = "Kj_wtjb";
// The same three for children under the generic procedure.
inline constexpr const char* genericIndex = "Kj_lbID";
inline constexpr const char* genericOwnerIndex = "Kj_FuID";
inline constexpr const char* genericPreviousProc = "Kj_hProc";
}  // namespace prop

// A property as a number; 0 when the window does not have it.
inline int intProperty(HWND window, const char* name) {
    return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(window, name)));
}

inline void setIntProperty(HWND window, const char* name, int value) {
    SetPropA(window, name, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(value)));
}

}  // namespace skin
