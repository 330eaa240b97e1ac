// The tooltip window against the real common-controls tooltip class: the tool record's
// bytes, the tools the control holds after each operation, and tips that really show.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <vector>

#include "gdiplus/tooltip_window.h"
#include "support/desktop.h"

using gdip::ToolRecord;
using gdip::TooltipWindow;

namespace {

const bool commonControls = [] {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&init) != FALSE;
}();

void pump(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    while (GetTickCount() < end) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

// A visible top-level window at (100, 100), 200 x 100, that the tools describe.
class Owner {
public:
    Owner() {
        window_ = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE | SS_NOTIFY, 100, 100, 200, 100,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        pump(100);
    }
    ~Owner() { DestroyWindow(window_); }
    HWND get() const { return window_; }

private:
    HWND window_;
};

struct ToolState {
    bool found = false;
    RECT rect{};
    std::string text;
    LPSTR textPointer = nullptr;
};

ToolState readTool(HWND tooltip, HWND owner, UINT_PTR id) {
    char text[80] = {};
    ToolRecord record = gdip::makeToolRecord(owner, id, {}, text);
    ToolState state;
    state.found = SendMessageA(tooltip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&record)) != 0;
    state.rect = record.rect;
    state.textPointer = record.text;
    if (state.found && record.text != gdip::textCallback) {
        ToolRecord textRecord = gdip::makeToolRecord(owner, id, {}, text);
        SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&textRecord));
        state.text = text;
    }
    return state;
}

int toolCount(HWND tooltip) { return static_cast<int>(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0)); }

// Puts the mouse on a screen point over the owner and waits past the tip's delay.
bool tipShowsWithMouseAt(const TooltipWindow& tip, int x, int y) {
    SetCursorPos(x - 30, y - 30);
    pump(100);
    SetCursorPos(x, y);
    POINT client{x, y};
    ScreenToClient(tip.owner(), &client);
    PostMessageA(tip.owner(), WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    pump(1500);
    return IsWindowVisible(tip.window()) != FALSE;
}

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

// PE32 has 4-byte handles and pointers, PE32+ 8-byte ones; the record has no padding in
// either: 40 and 56 bytes.
constexpr std::size_t pointerSize = sizeof(void*);
constexpr std::size_t recordSize = pointerSize == 4 ? 40 : 56;

TEST(ToolRecordLayout, IsTheFirstFormOfTheAnsiToolInfo) {
    ASSERT_TRUE(commonControls);
    char text[] = "关闭";
    const ToolRecord record =
        gdip::makeToolRecord(reinterpret_cast<HWND>(0x11223344), 7, RECT{1, -2, 300, 0x01020304}, text);
    unsigned char bytes[sizeof record];
    std::memcpy(bytes, &record, sizeof record);
    std::vector<unsigned char> expected;
    const auto put = [&](unsigned long long value, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i) expected.push_back(static_cast<unsigned char>(value >> (8 * i)));
    };
    put(recordSize, 4);                            // size
    put(0x10, 4);                                  // flags: TTF_SUBCLASS
    put(0x11223344, pointerSize);                  // owner window
    put(7, pointerSize);                           // tool id
    put(1, 4);                                     // left
    put(0xFFFFFFFE, 4);                            // top
    put(300, 4);                                   // right
    put(0x01020304, 4);                            // bottom
    put(0, pointerSize);                           // instance
    put(reinterpret_cast<UINT_PTR>(text), pointerSize);
    ASSERT_EQ(sizeof record, recordSize);
    ASSERT_EQ(expected.size(), recordSize);
    for (std::size_t i = 0; i < recordSize; ++i) EXPECT_EQ(bytes[i], expected[i]) << "byte " << i;
    // Same layout the common controls declare for this form.
    EXPECT_EQ(TTTOOLINFOA_V1_SIZE, sizeof record);
}

TEST(TooltipWindow, CreateMakesAToolTipWindowWithoutParent) {
    Owner owner;
    const struct { bool balloon; LONG style; } cases[] = {{false, TTS_ALWAYSTIP}, {true, TTS_ALWAYSTIP | TTS_BALLOON}};
    for (const auto& c : cases) {
        TooltipWindow tip;
        EXPECT_EQ(tip.window(), nullptr);
        const HWND made = tip.create(owner.get(), c.balloon);
        ASSERT_NE(made, nullptr);
        EXPECT_EQ(tip.window(), made);
        EXPECT_EQ(tip.owner(), owner.get());
        char className[64] = {};
        GetClassNameA(made, className, sizeof className);
        EXPECT_STREQ(className, "tooltips_class32");
        EXPECT_EQ(GetWindowLongA(made, GWL_STYLE) & (TTS_ALWAYSTIP | TTS_BALLOON), c.style);
        EXPECT_EQ(GetParent(made), nullptr);
    }
}

TEST(TooltipWindow, ToolsFollowEachOperation) {
    Owner owner;
    TooltipWindow tip;
    ASSERT_NE(tip.create(owner.get(), false), nullptr);
    tip.addTool(RECT{0, 0, 0, 0}, "最小化", 1);
    tip.addTool(RECT{10, 0, 36, 18}, "关闭", 2);
    tip.addCallbackTool(RECT{40, 0, 60, 18}, 3);
    EXPECT_EQ(toolCount(tip.window()), 3);

    ToolState first = readTool(tip.window(), owner.get(), 1);
    ASSERT_TRUE(first.found);
    EXPECT_TRUE(sameRect(first.rect, RECT{0, 0, 0, 0}));
    EXPECT_EQ(first.text, "最小化");
    EXPECT_EQ(readTool(tip.window(), owner.get(), 3).textPointer, gdip::textCallback);

    tip.setToolRect(1, RECT{5, 6, 31, 24});
    tip.setToolText(1, "还原");
    first = readTool(tip.window(), owner.get(), 1);
    EXPECT_TRUE(sameRect(first.rect, RECT{5, 6, 31, 24}));
    EXPECT_EQ(first.text, "还原");

    // An id that was never added changes nothing.
    tip.setToolText(9, "无");
    tip.setToolRect(9, RECT{0, 0, 200, 100});
    EXPECT_EQ(toolCount(tip.window()), 3);
    EXPECT_FALSE(readTool(tip.window(), owner.get(), 9).found);
    EXPECT_EQ(readTool(tip.window(), owner.get(), 2).text, "关闭");

    tip.deleteTool(2);
    EXPECT_EQ(toolCount(tip.window()), 2);
    EXPECT_FALSE(readTool(tip.window(), owner.get(), 2).found);
}

TEST(TooltipWindow, ColoursAndWidthReachTheControl) {
    Owner owner;
    TooltipWindow tip;
    ASSERT_NE(tip.create(owner.get(), false), nullptr);
    tip.setTipBackColor(0x00112233);
    tip.setTipTextColor(0x00445566);
    EXPECT_EQ(SendMessageA(tip.window(), TTM_GETTIPBKCOLOR, 0, 0), 0x00112233);
    EXPECT_EQ(SendMessageA(tip.window(), TTM_GETTIPTEXTCOLOR, 0, 0), 0x00445566);
    EXPECT_EQ(tip.setMaxTipWidth(150), -1);
    EXPECT_EQ(tip.setMaxTipWidth(90), 150);
}

TEST(TooltipWindow, ToolWithEmptyRectShowsOnceItHasAnArea) {
    Owner owner;
    TooltipWindow tip;
    ASSERT_NE(tip.create(owner.get(), false), nullptr);
    tip.addTool(RECT{0, 0, 0, 0}, "最大化", 1);
    EXPECT_FALSE(tipShowsWithMouseAt(tip, 150, 150));
    tip.setToolRect(1, RECT{0, 0, 200, 100});
    EXPECT_TRUE(tipShowsWithMouseAt(tip, 160, 150));
    ParkCursor();
}

TEST(TooltipWindow, DestroyingTheObjectDestroysItsWindow) {
    Owner owner;
    HWND made;
    {
        TooltipWindow tip;
        made = tip.create(owner.get(), false);
        ASSERT_TRUE(IsWindow(made));
        TooltipWindow moved = std::move(tip);
        EXPECT_EQ(tip.window(), nullptr);
        EXPECT_EQ(moved.window(), made);
    }
    EXPECT_FALSE(IsWindow(made));
}
