#pragma once
#include <windows.h>

#include <string>

HWND LoadViewerWindow(HWND parent);
// Gives the viewer its caption and points its browser pane at the page.
void ShowMemoInViewer(HWND viewer, const std::string& caption, const std::string& pagePath);
