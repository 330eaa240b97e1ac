#pragma once
// List boxes, the lists of combo boxes, list views, tree views, IP-address controls and
// date pickers share one procedure and one frame: the border ring shows the window
// picture through a white veil with a thin line on it, black when idle and accent
// coloured under focus and (thicker) under the mouse. With transparent controls on,
// list boxes, list views and tree views also paint their items over the veiled
// background.
#include <windows.h>

#include <optional>

namespace skin {

class SkinEngine;

bool HasListBorder(HWND hwnd);
bool hasListBorder(LONG style, LONG exStyle);

void DrawListFrame(SkinEngine& engine, int windowIndex, int controlIndex, std::optional<bool> hover = std::nullopt,
                   std::optional<bool> focus = std::nullopt);

// A snapshot (released with releaseSnapshot) of the window background under the
// control's client area, veiled in white.
HDC MakeVeiledClientSnapshot(SkinEngine& engine, HWND hwnd);

LRESULT CALLBACK ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
