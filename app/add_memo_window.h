#pragma once
#include <windows.h>

HWND LoadAddMemoWindow(HWND parent);
