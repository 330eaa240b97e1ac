#pragma once
// The part of the screen a maximised skinned window may cover: the whole screen but the
// taskbar. A window without a system caption is maximised to the full screen by the
// system, over the taskbar.
#include <windows.h>

namespace skin {

// Height of the taskbar's window ("Shell_TrayWnd"); 0 when there is none.
int taskbarHeight();

SIZE screenSize();

// The screen without the taskbar height at the bottom.
SIZE maximizedSize();

// A client area exactly as large as the screen: the system has maximised the window.
bool coversWholeScreen(const RECT& client);

}  // namespace skin
