// Setting a top-level window up for skinning, and the operations that change one
// window's look afterwards: caption buttons, caption font and own picture.
#include <memory>

#include "skin/controls/control_installers.h"
#include "skin/engine/caption_buttons.h"
#include "skin/engine/picture_preparation.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_properties.h"
#include "skin/engine/work_area.h"

namespace skin {

namespace {

constexpr int minimumCaptionHeight = 25;

void setOwnPicture(SkinWindowRecord& record, const gdip::Bytes& picture) {
    record.pictureColor = averageColor(picture);
    record.picture = pictureForMode(picture, record.pictureMode, record.pictureColor);
}

std::unique_ptr<SkinWindowRecord> newRecord(HWND window, const SkinWindowArgs& args, int sharedPictureMode) {
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    auto record = std::make_unique<SkinWindowRecord>();
    record->window = window;
    record->captionHeight = std::max(args.captionHeight.value_or(minimumCaptionHeight), minimumCaptionHeight);
    record->showHelpButton = args.showHelpButton.value_or(false);
    record->showMenuButton = args.showMenuButton.value_or(false);
    record->hasMinimizeButton = (style & WS_MINIMIZEBOX) != 0;
    record->hasMaximizeButton = (style & WS_MAXIMIZEBOX) != 0;
    record->showTitleBar = args.showTitleBar.value_or(true);
    record->hasCloseButton = true;
    record->resizable = args.resizable.value_or(true);
    record->showCaptionText = args.showCaptionText.value_or(true);
    record->captionGloss = args.captionGloss.value_or(false);
    record->pictureMode = args.pictureMode.value_or(sharedPictureMode);
    const SIZE screen = screenSize();
    record->maxTrackWidth = screen.cx;
    record->maxTrackHeight = screen.cy;
    if (args.picture && !args.picture->empty()) setOwnPicture(*record, *args.picture);
    return record;
}

void buildCaptionButtons(SkinWindowRecord& record, int clientWidth, int resizeBorder) {
    record.captionButtons = standardCaptionButtons(
        {record.showHelpButton, record.showMenuButton, record.hasMinimizeButton, record.hasMaximizeButton});
    record.buttonStripWidth = captionStripWidth(record.captionButtons);
    record.buttonStripHeight = 22;
    // Right of the strip: the resize border and 2 pixels to spare.
    record.buttonStripX = clientWidth - resizeBorder - record.buttonStripWidth - 2;
    record.buttonStripY = 0;
}

void addCaptionTools(SkinWindowRecord& record) {
    record.tooltip.create(record.window, false);
    for (std::size_t i = 0; i < record.captionButtons.size(); ++i)
        record.tooltip.addTool(RECT{}, record.captionButtons[i].tooltip, i + 1);
}

void setStatusBarLook(SkinWindowRecord& record) {
    record.statusGlowTextColor = 0;
    record.statusGlowColor = 0xFFFFFF;
    record.statusFontName = "宋体";
    record.statusFontSize = 12;
}

}  // namespace

void SkinEngine::skinWindow(HWND window, const SkinWindowArgs& args) {
    if (!window || registry_.indexOf(window)) return;
    RECT client{};
    GetClientRect(window, &client);
    resizeBorder = 3;
    auto record = newRecord(window, args, settings.pictureMode);
    buildCaptionButtons(*record, client.right - client.left, resizeBorder);
    SetWindowLongPtrA(window, GWL_STYLE, GetWindowLongPtrA(window, GWL_STYLE) | WS_SYSMENU);

    const int index = registry_.add(std::move(record));
    SkinWindowRecord& added = registry_.at(index);
    addCaptionTools(added);
    layoutCaptionButtons(index);
    if (args.statusBarHeight.value_or(0) >= 1) {
        setStatusBar(index, *args.statusBarHeight, args.statusPanels);
        setStatusBarLook(registry_.at(index));
    }
    layoutStatusBar(index);
    InstallControlSkins(*this, index, window);

    SkinWindowRecord& skinned = registry_.at(index);
    skinned.needsFullPaint = true;
    skinned.previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinEngine::windowProcStub)));
    SetPropA(window, prop::previousProc, reinterpret_cast<HANDLE>(skinned.previousProc));
    setIntProperty(window, prop::index, index);
}

bool SkinEngine::addCaptionButton(HWND window, const gdip::Bytes& image, const std::string& tooltip,
                                  std::function<void()> handler) {
    const int index = registry_.lookup(window);
    if (!index) return false;
    SkinWindowRecord& record = registry_.at(index);
    insertCustomCaptionButton(record, image, tooltip, std::move(handler));
    record.tooltip.addTool(RECT{}, tooltip, record.captionButtons.size());
    layoutCaptionButtons(index);
    return true;
}

bool SkinEngine::setCaptionFont(HWND window, const CaptionFontArgs& args) {
    const int index = registry_.lookup(window);
    if (!index) return false;
    SkinWindowRecord& record = registry_.at(index);
    if (args.fontName) record.captionFontName = *args.fontName;
    if (args.fontSize) record.captionFontSize = *args.fontSize;
    if (args.textColor) record.captionTextColor = *args.textColor;
    if (args.glowColor) record.captionGlowColor = *args.glowColor;
    if (args.bold) record.captionFontBold = *args.bold;
    drawCaptionText(index, nullptr, false);
    return true;
}

bool SkinEngine::setWindowPicture(HWND window, const gdip::Bytes& picture, std::optional<int> mode) {
    const int index = registry_.lookup(window);
    if (!index || picture.empty()) return false;
    SkinWindowRecord& record = registry_.at(index);
    if (mode) record.pictureMode = *mode;
    setOwnPicture(record, picture);
    record.needsFullPaint = true;
    InvalidateRect(window, nullptr, FALSE);
    return true;
}

}  // namespace skin
