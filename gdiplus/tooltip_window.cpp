#include "gdiplus/tooltip_window.h"

#include <commctrl.h>

#include <utility>

namespace gdip {

ToolRecord makeToolRecord(HWND owner, UINT_PTR id, const RECT& rect, LPSTR text) {
    return ToolRecord{sizeof(ToolRecord), toolSubclassFlag, owner, id, rect, nullptr, text};
}

TooltipWindow::TooltipWindow(TooltipWindow&& other) noexcept
    : window_(std::exchange(other.window_, nullptr)), owner_(std::exchange(other.owner_, nullptr)) {}

TooltipWindow& TooltipWindow::operator=(TooltipWindow&& other) noexcept {
    if (this != &other) {
        destroyWindow();
        window_ = std::exchange(other.window_, nullptr);
        owner_ = std::exchange(other.owner_, nullptr);
    }
    return *this;
}

TooltipWindow::~TooltipWindow() { destroyWindow(); }

void TooltipWindow::destroyWindow() {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
    window_ = nullptr;
}

HWND TooltipWindow::create(HWND owner, bool balloon) {
    destroyWindow();
    owner_ = owner;
    const DWORD style = balloon ? TTS_ALWAYSTIP | TTS_BALLOON : TTS_ALWAYSTIP;
    window_ = CreateWindowExA(0, "ToolTips_class32", "", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    return window_;
}

LRESULT TooltipWindow::sendTool(UINT message, ToolRecord record) const {
    return SendMessageA(window_, message, 0, reinterpret_cast<LPARAM>(&record));
}

void TooltipWindow::addTool(const RECT& rect, const std::string& text, UINT_PTR id) {
    // The control copies the text; the record only lends it for the call.
    sendTool(TTM_ADDTOOLA, makeToolRecord(owner_, id, rect, const_cast<LPSTR>(text.c_str())));
}

void TooltipWindow::addCallbackTool(const RECT& rect, UINT_PTR id) {
    sendTool(TTM_ADDTOOLA, makeToolRecord(owner_, id, rect, textCallback));
}

LRESULT TooltipWindow::setTipBackColor(COLORREF color) {
    return SendMessageA(window_, TTM_SETTIPBKCOLOR, color, 0);
}

LRESULT TooltipWindow::setTipTextColor(COLORREF color) {
    return SendMessageA(window_, TTM_SETTIPTEXTCOLOR, color, 0);
}

int TooltipWindow::setMaxTipWidth(int width) {
    return static_cast<int>(SendMessageA(window_, TTM_SETMAXTIPWIDTH, 0, width));
}

void TooltipWindow::deleteTool(UINT_PTR id) { sendTool(TTM_DELTOOLA, makeToolRecord(owner_, id)); }

void TooltipWindow::setToolRect(UINT_PTR id, const RECT& rect) {
    sendTool(TTM_NEWTOOLRECTA, makeToolRecord(owner_, id, rect));
}

void TooltipWindow::setToolText(UINT_PTR id, const std::string& text) {
    sendTool(TTM_UPDATETIPTEXTA, makeToolRecord(owner_, id, {}, const_cast<LPSTR>(text.c_str())));
}

}  // namespace gdip
