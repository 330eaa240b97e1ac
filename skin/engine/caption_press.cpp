// Clicks in the title bar: pressing and releasing a caption button, the double click
// that maximises, and what each caption button does.
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_messages.h"

namespace skin {

MessageResult onLeftButtonDown(SkinEngine& engine, const WindowMessage& m) {
    RECT client{};
    GetClientRect(m.window, &client);
    SkinWindowRecord& record = engine.registry().at(m.index);
    record.fadeIn.button = 0;
    if (!record.showTitleBar) return std::nullopt;
    int index = m.index;
    if (!record.maximized && !record.minimized) {
        engine.beginMoveOrResize(index, m.lParam, client);
        // The move or size loop runs every message of the program meanwhile.
        index = engine.registry().lookup(m.window);
        if (!index) return std::nullopt;
    }
    engine.hotCaptionButton = engine.hitTestCaptionButton(index, m.x(), m.y());
    if (engine.hotCaptionButton > 0) engine.drawCaptionButton(index, engine.hotCaptionButton, nullptr, true);
    return std::nullopt;
}

MessageResult onLeftButtonUp(SkinEngine& engine, const WindowMessage& m) {
    const SkinWindowRecord& record = engine.registry().at(m.index);
    const int hot = engine.hotCaptionButton;
    if (hot < 1 || hot > static_cast<int>(record.captionButtons.size()) || !record.showTitleBar) return std::nullopt;
    engine.pressCaptionButton(m.index, hot);
    return std::nullopt;
}

MessageResult onLeftButtonDoubleClick(SkinEngine& engine, const WindowMessage& m) {
    const SkinWindowRecord& record = engine.registry().at(m.index);
    if (m.y() > record.captionHeight || !record.resizable) return std::nullopt;
    if (const int maximize = engine.findMaximizeButton(m.index); maximize > 0) engine.pressCaptionButton(m.index, maximize);
    return std::nullopt;
}

void SkinEngine::pressCaptionButton(int windowIndex, int buttonIndex) {
    SkinWindowRecord& record = registry_.at(windowIndex);
    if (buttonIndex < 1 || buttonIndex > static_cast<int>(record.captionButtons.size())) return;
    const CaptionButton& button = record.captionButtons[buttonIndex - 1];
    HWND window = record.window;
    // Every action may end the window and its record: nothing here touches the record
    // after it, and a handler runs from a copy.
    std::function<void()> handler;
    switch (button.kind) {
        case CloseButton:
            SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            return;
        case MaximizeButton: {
            record.needsFullPaint = true;
            const bool restore = record.maximized;
            record.maximized = !restore;
            record.minimized = false;
            SendMessageA(window, WM_SYSCOMMAND, restore ? SC_RESTORE : SC_MAXIMIZE, 0);
            return;
        }
        case MinimizeButton:
            record.minimized = true;
            SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            return;
        case MainMenuButton: handler = record.menuHandler; break;
        case HelpButton: handler = record.helpHandler; break;
        default: handler = button.handler; break;
    }
    if (handler) handler();
}

}  // namespace skin
