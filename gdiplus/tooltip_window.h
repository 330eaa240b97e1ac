#pragma once
// A window of the common controls' tooltip class and the areas ("tools") of one owner
// window it describes. The control draws the tips itself; every operation is one
// message with a tool record.
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <string>

namespace gdip {

// The tool record of the tooltip messages: TOOLINFOA in its first form, without the
// lParam and later fields: 40 bytes on PE32, and the system's own size for that form on
// PE32+, where the handles and pointers are 8 bytes.
struct ToolRecord {
    UINT size;
    UINT flags;
    HWND window;
    UINT_PTR id;
    RECT rect;
    HINSTANCE instance;
    LPSTR text;
};
static_assert(sizeof(ToolRecord) == offsetof(TOOLINFOA, lParam), "the tooltip control reads the first form of TOOLINFOA");
#ifndef _WIN64
static_assert(sizeof(ToolRecord) == 40, "on PE32 that form is 40 bytes");
#endif

// The tooltip watches the owner's mouse messages itself.
inline constexpr UINT toolSubclassFlag = 0x10;
// The text pointer that makes the control ask the owner for the text.
inline const LPSTR textCallback = reinterpret_cast<LPSTR>(-1);

ToolRecord makeToolRecord(HWND owner, UINT_PTR id, const RECT& rect = {}, LPSTR text = nullptr);

class TooltipWindow {
public:
    TooltipWindow() = default;
    TooltipWindow(const TooltipWindow&) = delete;
    TooltipWindow& operator=(const TooltipWindow&) = delete;
    TooltipWindow(TooltipWindow&& other) noexcept;
    TooltipWindow& operator=(TooltipWindow&& other) noexcept;
    // Destroys the tooltip window with the object: it has no parent that would take it
    // along, and every skinned window that comes and goes would otherwise leave one behind.
    ~TooltipWindow();

    // Makes the tooltip window for `owner`, as balloons when asked. Returns it, null on
    // failure.
    HWND create(HWND owner, bool balloon);

    // Rectangles are in the owner's client coordinates; texts are GBK.
    void addTool(const RECT& rect, const std::string& text, UINT_PTR id);
    void addCallbackTool(const RECT& rect, UINT_PTR id);
    LRESULT setTipBackColor(COLORREF color);
    LRESULT setTipTextColor(COLORREF color);
    // Returns the previous maximum width.
    int setMaxTipWidth(int width);
    void deleteTool(UINT_PTR id);
    void setToolRect(UINT_PTR id, const RECT& rect);
    void setToolText(UINT_PTR id, const std::string& text);

    HWND window() const { return window_; }
    HWND owner() const { return owner_; }

private:
    LRESULT sendTool(UINT message, ToolRecord record) const;
    void destroyWindow();

    HWND window_ = nullptr;
    HWND owner_ = nullptr;
};

}  // namespace gdip
