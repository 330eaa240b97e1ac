// Mouse hover over the caption buttons: which button is hot, and the fades that run on
// the window's timer as the mouse enters and leaves them.
#include "skin/engine/caption_fade.h"

#include "skin/engine/skin_engine.h"
#include "skin/engine/window_messages.h"

namespace skin {

namespace {

UINT_PTR timerId(HWND window) { return reinterpret_cast<UINT_PTR>(window); }

bool running(const CaptionFade& fade) { return fade.step < fadeSteps; }
bool finished(const CaptionFade& fade) { return fade.step >= fadeSteps || fade.button == 0; }

bool inStrip(const SkinWindowRecord& record, int x, int y) {
    return x >= record.buttonStripX - 2 && x <= record.buttonStripX + record.buttonStripWidth && y >= 0 &&
           y <= record.buttonStripHeight;
}

void trackMouse(HWND window) {
    TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, window, 1};
    TrackMouseEvent(&track);
}

// Advances a fade by one step and draws its button at the alpha of the new step.
template <typename Alpha>
void advance(SkinEngine& engine, int index, CaptionFade& fade, Alpha alpha) {
    if (fade.button < 1 || fade.step > fadeSteps - 1) return;
    fade.step += 1;
    engine.drawCaptionButton(index, fade.button, nullptr, false, alpha(fade.step));
}

}  // namespace

MessageResult onMouseMove(SkinEngine& engine, const WindowMessage& m) {
    SkinWindowRecord& record = engine.registry().at(m.index);
    if (!record.hoverTracked) trackMouse(m.window);
    if (!record.showTitleBar) return std::nullopt;

    if (!inStrip(record, m.x(), m.y())) {
        record.animating = false;  // the timer runs on until the fade-out is over
    } else if (!record.animating) {
        SetTimer(m.window, timerId(m.window), fadeTickMilliseconds, nullptr);
        record.animating = true;
    }
    // hotCaptionButton of the engine: the button under the mouse now; the record's
    // field of the same name: the button whose fade-in last started in this window.
    engine.hotCaptionButton = engine.hitTestCaptionButton(m.index, m.x(), m.y());
    const int hot = engine.hotCaptionButton;
    if (record.hotCaptionButton >= 1 && record.hotCaptionButton != hot) {
        // A fade-out that is still running is cut short for the new one.
        if (running(record.fadeOut) && record.fadeOut.button >= 1)
            engine.drawCaptionButton(m.index, record.fadeOut.button, nullptr, false, 0);
        record.fadeOut = {record.hotCaptionButton, 0};
    }
    if (hot >= 1 && hot != record.hotCaptionButton) record.fadeIn = {hot, 0};
    record.hotCaptionButton = hot;
    if (record.maximized) return std::nullopt;
    RECT client{};
    GetClientRect(m.window, &client);
    engine.updateResizeCursor(m.index, m.lParam, client);
    return std::nullopt;
}

MessageResult onMouseHover(SkinEngine& engine, const WindowMessage& m) {
    engine.registry().at(m.index).hoverTracked = true;
    return std::nullopt;
}

MessageResult onMouseLeave(SkinEngine& engine, const WindowMessage& m) {
    SkinWindowRecord& record = engine.registry().at(m.index);
    record.hoverTracked = false;
    if (record.hotCaptionButton < 1 || !record.showTitleBar) return std::nullopt;
    if (running(record.fadeOut) && running(record.fadeIn)) {
        if (record.fadeOut.button >= 1) engine.drawCaptionButton(m.index, record.fadeOut.button);
        record.fadeIn = {0, 0};
    }
    record.fadeOut = {record.hotCaptionButton, 0};
    record.hotCaptionButton = 0;
    return std::nullopt;
}

MessageResult onTimer(SkinEngine& engine, const WindowMessage& m) {
    if (m.wParam != timerId(m.window)) return std::nullopt;
    SkinWindowRecord& record = engine.registry().at(m.index);
    advance(engine, m.index, record.fadeIn, fadeInAlpha);
    advance(engine, m.index, record.fadeOut, fadeOutAlpha);
    if (record.hoverTracked && record.animating) return std::nullopt;
    if (!finished(record.fadeOut)) return std::nullopt;
    record.animating = false;
    KillTimer(m.window, timerId(m.window));
    record.hotCaptionButton = 0;
    record.fadeIn = {0, 0};
    record.fadeOut = {0, 0};
    return std::nullopt;
}

}  // namespace skin
