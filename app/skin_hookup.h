#pragma once
// Where the program meets the skin engine: the engine's life from start to exit, and
// the one call by which each window hands itself to it.
#include <windows.h>

#include "gdiplus/geometry.h"

namespace skin {
class SkinEngine;
}

// Start-up: the engine object with its registry and snapshot list.
void CreateSkinEngine();
// Module initialisation: GDI+, the application icon and the engine's first settings.
void StartSkinEngine();
// Exit: destroys the engine, which releases the icon and GDI+, then its arrays.
void DestroySkinEngine();
// The engine while it exists, else null.
skin::SkinEngine* TheSkinEngine();

// The program's background picture, the same bytes for every window.
const gdip::Bytes& BackgroundPicture();

void ApplySkin(const gdip::Bytes& picture, COLORREF backColor, COLORREF accentColor, HWND window, int veilAlpha,
               int captionHeight, bool showHelpButton, bool showMenuButton, bool showCaptionText);
// Every window of the program is skinned alike.
void ApplySkin(HWND window);
