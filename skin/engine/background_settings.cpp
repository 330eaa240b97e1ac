// The process-wide look: the shared background picture with its colours, and how the
// controls are skinned.
#include "skin/engine/picture_preparation.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_painting.h"

namespace skin {

namespace {

constexpr COLORREF defaultAccentColor = 0xDDCA22;

}  // namespace

void SkinEngine::setBackground(const BackgroundArgs& args) {
    const bool accentFromBack = args.accentColor && *args.accentColor == accentFromBackColor;
    if (!accentFromBack) settings.accentColor = args.accentColor.value_or(defaultAccentColor);
    const bool hasPicture = args.fileName || (args.picture && !args.picture->empty());
    if (!hasPicture && !args.backColor) return;

    if (hasPicture) {
        // A file is read once, and from then on is a picture like any other.
        const gdip::Bytes fromFile = args.fileName ? pictureFileBytes(*args.fileName) : gdip::Bytes{};
        const gdip::Bytes& picture = args.fileName ? fromFile : *args.picture;
        settings.backColor = args.backColor.value_or(averageColor(picture));
        settings.pictureMode = args.mode.value_or(4);
        settings.sharedPicture = pictureForMode(picture, settings.pictureMode, settings.backColor);
    } else {
        settings.sharedPicture.clear();
        settings.backColor = *args.backColor;
    }
    if (accentFromBack) settings.accentColor = settings.backColor;
    repaintVisibleWindows();
}

void SkinEngine::repaintVisibleWindows() {
    for (int index = 1; index <= registry_.size(); ++index) {
        HWND window = registry_.at(index).window;
        if (!IsWindowVisible(window)) continue;
        paintWindow(index, nullptr, false);
        InvalidateRect(window, nullptr, FALSE);
        InvalidateVisibleChildren(window);
        for (const HeaderEntry& header : registry_.at(index).headers) InvalidateRect(header.hwnd, nullptr, FALSE);
    }
}

void SkinEngine::setControlSkinning(int skinControls, std::optional<int> veilAlpha, std::optional<bool> trackBarFrame) {
    settings.controlSkinning = skinControls != 0;
    settings.veilAlpha = veilAlpha.value_or(160);
    settings.transparentControls = veilAlpha.has_value();
    settings.trackBarFrame = trackBarFrame.value_or(true);
}

}  // namespace skin
