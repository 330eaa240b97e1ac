#pragma once
#include <windows.h>

#include <string>

// Loads the main window as the start-up window.
HWND LoadMainWindow();
// The main window while it exists, else null.
HWND MainWindow();

void OnTodayPaneLink(const std::string& eventText);
void OnCommandPaneLink(const std::string& eventText);
// The date line that heads the command pane: today's date and the clear and refresh links.
std::string ComposeDateLine(const std::string& dateText);
