#include "skin/controls/combo_box.h"

#include <string>

#include "lz_assets_embedded.h"
#include "gdiplus/brush.h"
#include "gdiplus/font.h"
#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/pen.h"
#include "skin/controls/control_subclass.h"
#include "skin/controls/edit_box.h"
#include "skin/engine/argb.h"
#include "skin/engine/background_snapshot.h"
#include "skin/engine/path_shapes.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_properties.h"
#include "skin/engine/window_queries.h"

namespace skin {

namespace {

constexpr int comboHotKind = 3;
constexpr COLORREF punchKey = RGB(255, 0, 255);
constexpr gdip::Argb plainLine = 0x50000000;

bool isDropDownList(LONG style) { return (style & 3) == 3; }

HWND editOf(HWND combo) { return FindWindowExA(combo, nullptr, "Edit", nullptr); }

const gdip::Image* downArrow(SkinEngine& engine) {
    static const gdip::Bytes picture(assets::arrow_down_png, assets::arrow_down_png + assets::arrow_down_png_size);
    return engine.decodedPictures().find(picture);
}

void fillPlate(SkinEngine& engine, gdip::Graphics& graphics, float w, float h) {
    gdip::SolidBrush plate;
    const int alpha = engine.settings.transparentControls ? engine.settings.veilAlpha : 255;
    if (plate.create(toArgb(0xFFFFFF, alpha))) graphics.fillRectangle(plate, 0, 0, w, h);
}

// The children paint themselves: their areas get the key colour the final blit skips.
void punchOutChildren(SkinEngine& engine, gdip::Graphics& graphics, HWND combo, LONG style) {
    const bool everyChild = (style & 1) != 0;
    for (HWND child = FindWindowExA(combo, nullptr, nullptr, nullptr); child;
         child = everyChild ? FindWindowExA(combo, child, nullptr, nullptr) : nullptr) {
        graphics.resetClip();
        RECT area = ChildRectInParent(engine, child);
        if (windowClassName(child) == "ComboLBox") InflateRect(&area, -2, -2);
        graphics.setClip(static_cast<float>(area.left), static_cast<float>(area.top),
                         static_cast<float>(area.right - area.left), static_cast<float>(area.bottom - area.top), 0);
        graphics.clear(toArgb(punchKey));
    }
    graphics.resetClip();
}

void drawOutline(gdip::Graphics& graphics, gdip::Argb color, float w, float h) {
    gdip::Pen pen;
    if (pen.create(color, 1)) graphics.drawRectangle(pen, 0, 0, w - 1, h - 1);
}

void drawButtonPlate(SkinEngine& engine, gdip::Graphics& graphics, const RECT& button, bool hover) {
    const COLORREF accent = engine.settings.accentColor;
    const float bx = static_cast<float>(button.left), bw = static_cast<float>(button.right - button.left);
    const float bh = static_cast<float>(button.bottom - button.top);
    gdip::GraphicsPath path;
    if (!path.create()) return;
    addRoundedRect(path, bx, 2, bw - 1, bh - 1, 4);
    gdip::Pen pen;
    if (pen.create(hover ? toArgb(accent, 200) : plainLine, 1)) graphics.drawPath(pen, path);
    path.reset();
    addRoundedRect(path, bx + 1, 3, bw - 2, bh - 2, 1);
    gdip::LinearGradientBrush gradient;
    const gdip::Argb from = hover ? toArgb(0xFFFFFF, 100) : toArgb(accent, 30);
    const gdip::Argb to = hover ? toArgb(accent, 150) : toArgb(accent, 100);
    if (gradient.create(gdip::PointF{bx + 1, 2}, gdip::PointF{bx + 1, bh}, from, to)) graphics.fillPath(gradient, path);
}

void drawArrow(SkinEngine& engine, gdip::Graphics& graphics, const RECT& button) {
    const gdip::Image* arrow = downArrow(engine);
    if (!arrow) return;
    const int bw = button.right - button.left, bh = button.bottom - button.top;
    graphics.drawImage(*arrow, static_cast<float>(button.left + (bw - static_cast<int>(arrow->width())) / 2),
                       static_cast<float>(2 + (bh - static_cast<int>(arrow->height())) / 2));
}

// The engine draws a drop-down list's text itself, always in "宋体" 12.
void drawSelectedText(gdip::Graphics& graphics, HWND combo, float w, float h) {
    char text[512] = "";
    GetWindowTextA(combo, text, sizeof text);
    const auto color = static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropA(combo, prop::textColor)));
    gdip::SolidBrush brush;
    gdip::Font font;
    if (!brush.create(toArgb(color)) || !font.create("宋体", 12, 0, 0)) return;
    graphics.drawString(text, font, gdip::RectF{2, (h - 12) / 2, w - 17, h - 4}, nullptr, brush);
}

void drawCombo(SkinEngine& engine, HDC snapshot, HWND combo, bool hover, bool focused) {
    gdip::Graphics graphics;
    if (!graphics.create(snapshot)) return;
    const LONG style = GetWindowLongA(combo, GWL_STYLE);
    const SIZE size = windowSize(combo);
    const float w = static_cast<float>(size.cx), h = static_cast<float>(size.cy);
    fillPlate(engine, graphics, w, h);
    punchOutChildren(engine, graphics, combo, style);
    drawOutline(graphics, hover || focused ? toArgb(engine.settings.accentColor, 200) : plainLine, w, h);
    if (!(style & 2)) return;
    const RECT button = comboButtonRect(size.cx, size.cy, style);
    drawButtonPlate(engine, graphics, button, hover);
    drawArrow(engine, graphics, button);
    if (isDropDownList(style)) drawSelectedText(graphics, combo, w, h);
}

// --- the combo-box procedure's handlers --------------------------------------------

using ComboLookup = ControlLookup<ComboEntry>;

// The hot look was drawn for this combo box and the mouse has not left it since.
bool drawnHot(const ComboLookup& combo) {
    return combo.window->lastHotControl == combo.index && combo.window->hotControlKind == comboHotKind;
}

void paint(SkinEngine& engine, const ComboLookup& combo, bool hover) {
    PaintComboBox(engine, combo.windowIndex, combo.index, hover, combo.entry->focused);
}

// Every paint but the mouse's own keeps the look the mouse gave the box.
void repaint(SkinEngine& engine, const ComboLookup& combo) { paint(engine, combo, drawnHot(combo)); }

void onSetFocus(SkinEngine& engine, const ComboLookup& combo) {
    combo.entry->focused = true;
    repaint(engine, combo);
}

LRESULT onPaint(SkinEngine& engine, const ComboLookup& combo, HWND hwnd) {
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    repaint(engine, combo);
    EndPaint(hwnd, &ps);
    return 0;
}

bool redrawsEdit(WORD code) { return code == EN_VSCROLL || code == EN_HSCROLL || code == EN_CHANGE || code == EN_UPDATE; }

void onCommand(SkinEngine& engine, WPARAM wParam, LPARAM lParam) {
    const auto sender = reinterpret_cast<HWND>(lParam);
    if (!engine.settings.transparentControls || !engine.settings.controlSkinning || !sender) return;
    if (windowClassName(sender) == "Edit" && redrawsEdit(HIWORD(wParam))) InvalidateRect(sender, nullptr, TRUE);
}

void onMouseMove(SkinEngine& engine, const ComboLookup& combo, HWND hwnd) {
    trackMouseLeave(hwnd);
    SkinWindowRecord& window = *combo.window;
    window.hotControl = combo.index;
    if (!drawnHot(combo)) paint(engine, combo, true);
    window.lastHotControl = window.hotControl;
    window.hotControlKind = comboHotKind;
}

void onMouseLeave(SkinEngine& engine, const ComboLookup& combo) {
    paint(engine, combo, false);
    combo.window->lastHotControl = 0;
}

// Messages the combo box's own procedure must not see: the skin paints all of it.
std::optional<LRESULT> handleInstead(SkinEngine& engine, const ComboLookup& combo, HWND hwnd, UINT message,
                                     WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: return onPaint(engine, combo, hwnd);
        case WM_ERASEBKGND: SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT); return 1;
        // The combo box has no frame the system should draw over the painted one.
        case WM_NCPAINT: repaint(engine, combo); return 0;
        case WM_CTLCOLOREDIT:
            if (!engine.settings.transparentControls) return std::nullopt;
            return answerWithBackgroundBrush(engine, reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
        default: return std::nullopt;
    }
}

void handleBefore(SkinEngine& engine, const ComboLookup& combo, HWND hwnd, UINT message, WPARAM wParam,
                  LPARAM lParam) {
    switch (message) {
        case WM_MOVE: repaint(engine, combo); break;
        case WM_SETFOCUS: onSetFocus(engine, combo); break;
        case WM_KILLFOCUS: combo.entry->focused = false; break;
        case WM_SETTEXT:
            if (editOf(hwnd)) InvalidateRect(hwnd, nullptr, TRUE);
            break;
        case WM_COMMAND: onCommand(engine, wParam, lParam); break;
        case WM_MOUSEMOVE: onMouseMove(engine, combo, hwnd); break;
        case WM_MOUSELEAVE: onMouseLeave(engine, combo); break;
        default: break;
    }
}

LRESULT CALLBACK comboProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return runControlProcedure(&SkinWindowRecord::combos, hwnd, message, wParam, lParam,
                               [&](SkinEngine& engine, const ComboLookup& found) -> std::optional<LRESULT> {
                                   if (const auto answer = handleInstead(engine, found, hwnd, message, wParam, lParam))
                                       return answer;
                                   handleBefore(engine, found, hwnd, message, wParam, lParam);
                                   return std::nullopt;
                               });
}

// A combo box with a selection shows that item's text from the start.
void showSelectedItem(HWND combo) {
    const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (selected < 0) return;
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length < 0) return;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    if (SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&text[0])) < 0)
        return;
    SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void installComboBox(SkinEngine& engine, int windowIndex, HWND combo) {
    std::vector<ComboEntry>& combos = engine.registry().at(windowIndex).combos;
    if (entryIndexOf(combos, combo)) return;
    showSelectedItem(combo);
    installControl(combos, windowIndex, combo, comboProcedure);
    const HWND edit = editOf(combo);
    if (edit && engine.settings.transparentControls) installEdit(engine, windowIndex, edit);
}

}  // namespace

RECT comboButtonRect(int width, int height, LONG style) {
    const int buttonWidth = isDropDownList(style) ? 17 : 18;
    const int left = width - buttonWidth - 2;
    return RECT{left, 2, left + buttonWidth, 2 + height - 4};
}

void installComboBoxes(SkinEngine& engine, int windowIndex, HWND parent) {
    for (HWND combo = FindWindowExA(parent, nullptr, "ComboBox", nullptr); combo;
         combo = FindWindowExA(parent, combo, "ComboBox", nullptr))
        installComboBox(engine, windowIndex, combo);
}

void PaintComboBox(SkinEngine& engine, int windowIndex, int comboIndex, bool hover, std::optional<bool> focused) {
    if (windowIndex < 1 || windowIndex > engine.registry().size()) return;
    SkinWindowRecord& window = engine.registry().at(windowIndex);
    if (comboIndex < 1 || comboIndex > static_cast<int>(window.combos.size())) return;
    const ComboEntry& entry = window.combos[comboIndex - 1];
    const SIZE size = windowSize(entry.hwnd);
    HDC snapshot = snapshotBackground(engine, entry.hwnd, RECT{0, 0, size.cx, size.cy});
    if (!snapshot) return;
    drawCombo(engine, snapshot, entry.hwnd, hover, focused.value_or(entry.focused));
    HDC dc = GetWindowDC(entry.hwnd);
    TransparentBlt(dc, 0, 0, size.cx, size.cy, snapshot, 0, 0, size.cx, size.cy, punchKey);
    ReleaseDC(entry.hwnd, dc);
    releaseSnapshot(engine, snapshot);
}

RECT ChildRectInParent(SkinEngine& engine, HWND child) {
    if (engine.registry().indexOf(child)) return RECT{};
    RECT area{}, parentArea{};
    GetWindowRect(child, &area);
    GetWindowRect(GetParent(child), &parentArea);
    OffsetRect(&area, -parentArea.left, -parentArea.top);
    return area;
}

}  // namespace skin
