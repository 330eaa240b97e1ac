#pragma once
// Windows loaded from designs: a plain table of the window and its controls, created as
// one borderless top-level window (the skin engine draws its title bar and frame),
// centred on the screen, with its events raised as callbacks.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace rt {

enum class ControlKind { HypertextPane, BrowserPane, TransparentLabel, DateBox, CheckBox, PushButton, EditBox };

struct FontDesign {
    std::string face;  // empty: the system's default GUI font
    int height = 0;
    BYTE charSet = DEFAULT_CHARSET;
};

struct ControlDesign {
    ControlKind kind;
    std::string name;
    int x, y, width, height;
    std::string text;        // panes: the initial markup or address
    std::string styleSheet;  // hypertext panes
    FontDesign font{};
    int textLimit = 0;       // edit boxes: bytes; 0 = no limit
    bool multiLine = false;  // edit boxes: several lines with a vertical scroll bar
};

struct WindowDesign {
    std::string caption;
    int width, height;
    int minWidth, minHeight;
    bool minimizeBox = true;
    bool maximizeBox = false;
    std::vector<ControlDesign> controls;
};

// The events a control can raise; a window's handler sets only those it handles.
struct ControlEvents {
    std::function<void(HWND window)> clicked;             // push buttons
    std::function<void(HWND edit, int charCode)> charInput;  // edit boxes; always processed on
    std::function<void(const std::string&)> linkClicked;  // hypertext panes
    std::function<bool(HWND pane)> beforeNavigate;        // browser panes; false cancels
};

struct WindowEvents {
    std::function<void(HWND)> created;          // controls exist, window not yet shown
    std::function<void(HWND)> sizeChanged;
    std::function<void(HWND)> willBeDestroyed;
    std::vector<std::pair<std::string, ControlEvents>> controls;  // by control name
};

// Creates the window and its controls, raises created and then size changed, and shows
// it. The start-up window ends the message loop when it is destroyed.
HWND LoadWindow(const WindowDesign& design, const WindowEvents& events, HWND parent = nullptr,
                bool startupWindow = false);
// Runs the message loop until the start-up window has been destroyed.
void RunMessageLoop();

HWND FindControl(HWND window, const std::string& name);

// Reading and writing windows and controls.
std::string WindowText(HWND window);
void SetWindowTextTo(HWND window, const std::string& text);
SIZE WindowSize(HWND window);
SIZE ClientSize(HWND window);
void ResizeWindow(HWND window, int width, int height);
void MoveControl(HWND control, int x, int y, int width, int height);
void AppendEditText(HWND edit, const std::string& text);
bool IsChecked(HWND checkBox);
struct DateTime;
DateTime DateBoxValue(HWND dateBox);
void SetDateBoxValue(HWND dateBox, const DateTime& value);

}  // namespace rt
