#include "skin/engine/caption_buttons.h"

#include "lz_assets_embedded.h"
#include "skin/engine/skin_engine.h"

namespace skin {

namespace {

gdip::Bytes bytesOf(const unsigned char* data, unsigned size) { return gdip::Bytes(data, data + size); }

CaptionButton standardButton(int kind, int width, gdip::Bytes image, const char* tooltip) {
    CaptionButton button;
    button.width = width;
    button.height = 18;
    button.image = std::move(image);
    button.kind = kind;
    button.tooltip = tooltip;
    return button;
}

// Comparisons of a point with float bounds allow for this much rounding.
constexpr float tolerance = 1e-7f;

bool strictlyBetween(float low, float value, float high) { return value - low > tolerance && high - value > tolerance; }

}  // namespace

std::vector<CaptionButton> standardCaptionButtons(const CaptionButtonChoice& choice) {
    using namespace assets;
    std::vector<CaptionButton> buttons;
    if (choice.help) buttons.push_back(standardButton(HelpButton, 26, bytesOf(caption_help_png, caption_help_png_size), "帮助"));
    if (choice.menu)
        buttons.push_back(standardButton(MainMenuButton, 26, bytesOf(caption_menu_png, caption_menu_png_size), "主菜单"));
    if (choice.minimize)
        buttons.push_back(
            standardButton(MinimizeButton, 26, bytesOf(caption_minimize_png, caption_minimize_png_size), "最小化"));
    if (choice.maximize) {
        buttons.push_back(
            standardButton(MaximizeButton, 26, bytesOf(caption_maximize_png, caption_maximize_png_size), "最大化"));
        buttons.back().secondImage = bytesOf(caption_restore_png, caption_restore_png_size);
    }
    buttons.push_back(standardButton(CloseButton, 38, bytesOf(caption_close_png, caption_close_png_size), "关闭"));
    return buttons;
}

int captionStripWidth(const std::vector<CaptionButton>& buttons) {
    int width = 0;
    for (const CaptionButton& button : buttons) width += button.width;
    return width + static_cast<int>(buttons.size()) - 1 + 3;
}

void insertCustomCaptionButton(SkinWindowRecord& record, const gdip::Bytes& image, const std::string& tooltip,
                               std::function<void()> handler) {
    CaptionButton button = standardButton(CustomButton, 26, image, tooltip.c_str());
    button.handler = std::move(handler);
    record.captionButtons.insert(record.captionButtons.begin(), std::move(button));
    record.buttonStripWidth += captionButtonPitch;
}

gdip::RectF captionButtonBounds(int stripX, int stripY, int i, int kind) {
    return gdip::RectF{static_cast<float>(stripX + 2 + captionButtonPitch * (i - 1)), static_cast<float>(stripY + 1),
                       kind == CloseButton ? 40.0f : 26.0f, 18.0f};
}

void placeCaptionStrip(SkinWindowRecord& record, int clientRight) {
    record.buttonStripX = clientRight - record.buttonStripWidth + 1;
    record.buttonStripHeight = 22;
}

void placeCaptionButtons(SkinWindowRecord& record) {
    for (std::size_t i = 0; i < record.captionButtons.size(); ++i) {
        CaptionButton& button = record.captionButtons[i];
        button.bounds = captionButtonBounds(record.buttonStripX, record.buttonStripY, static_cast<int>(i) + 1, button.kind);
    }
}

int captionButtonAt(const SkinWindowRecord& record, int x, int y) {
    if (x < record.buttonStripX || y < record.buttonStripY || y > record.buttonStripY + record.buttonStripHeight)
        return 0;
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    for (std::size_t i = 0; i < record.captionButtons.size(); ++i) {
        const gdip::RectF& b = record.captionButtons[i].bounds;
        if (strictlyBetween(b.x, fx, b.x + b.width) && strictlyBetween(b.y, fy, b.y + b.height))
            return static_cast<int>(i) + 1;
    }
    return 0;
}

int maximizeButtonOf(const SkinWindowRecord& record) {
    for (std::size_t i = 0; i < record.captionButtons.size(); ++i)
        if (record.captionButtons[i].kind == MaximizeButton) return static_cast<int>(i) + 1;
    return 0;
}

POINT captionButtonOrigin(const SkinWindowRecord& record, int i) {
    const gdip::RectF& bounds = record.captionButtons[i - 1].bounds;
    return POINT{static_cast<LONG>(bounds.x - 1), record.buttonStripY + 1};
}

// --- The engine's operations over the window's record.

void SkinEngine::layoutCaptionButtons(int windowIndex) {
    SkinWindowRecord& record = registry().at(windowIndex);
    if (record.window) {
        RECT client{};
        GetClientRect(record.window, &client);
        placeCaptionStrip(record, client.right);
    }
    placeCaptionButtons(record);
    for (std::size_t i = 0; i < record.captionButtons.size(); ++i) {
        const CaptionButton& button = record.captionButtons[i];
        const gdip::RectF& b = button.bounds;
        const RECT area{static_cast<LONG>(b.x), static_cast<LONG>(b.y), static_cast<LONG>(b.x + b.width),
                        static_cast<LONG>(b.y + b.height)};
        record.tooltip.setToolRect(i + 1, area);
        record.tooltip.setToolText(i + 1, button.tooltip);
    }
}

int SkinEngine::hitTestCaptionButton(int windowIndex, int x, int y) {
    return captionButtonAt(registry().at(windowIndex), x, y);
}

int SkinEngine::findMaximizeButton(int windowIndex) { return maximizeButtonOf(registry().at(windowIndex)); }

RECT SkinEngine::getCaptionButtonStrip(HWND window) {
    const SkinWindowRecord* record = registry().find(window);
    if (!record) return RECT{};
    return RECT{record->buttonStripX, record->buttonStripY, record->buttonStripX + record->buttonStripWidth,
                record->buttonStripY + record->buttonStripHeight};
}

}  // namespace skin
