// The process-wide look: the shared background picture with its colours, and how the
// controls are skinned.
#include "gdiplus/encoder.h"
#include "gdiplus/image.h"
#include "skin/engine/picture_preparation.h"
#include "skin/engine/skin_engine.h"

namespace skin {

namespace {

constexpr COLORREF defaultAccentColor = 0xDDCA22;

// Modes 0 and 1 fade the edge away from where the picture stands; the others keep the
// picture as it is (a file as PNG bytes).
gdip::Bytes sharedPictureFor(const gdip::Bytes& picture, int mode, COLORREF baseColor) {
    if (mode == 0 || mode == 1) return preparePicture(picture, baseColor, mode == 0);
    return picture;
}

gdip::Bytes sharedPictureFor(const std::string& fileName, int mode, COLORREF baseColor) {
    if (mode == 0 || mode == 1) return preparePicture(fileName, baseColor, mode == 0);
    gdip::Image image;
    if (!image.load(fileName)) return {};
    return image.saveToBytes(std::string(gdip::pngFormat));
}

}  // namespace

void SkinEngine::setBackground(const BackgroundArgs& args) {
    const bool accentFromBack = args.accentColor && *args.accentColor == accentFromBackColor;
    if (!accentFromBack) settings.accentColor = args.accentColor.value_or(defaultAccentColor);
    const bool hasPicture = args.fileName || (args.picture && !args.picture->empty());
    if (!hasPicture && !args.backColor) return;

    if (hasPicture) {
        const COLORREF average = args.fileName ? averageColor(*args.fileName) : averageColor(*args.picture);
        settings.backColor = args.backColor.value_or(average);
        settings.pictureMode = args.mode.value_or(4);
        settings.sharedPicture = args.fileName
                                     ? sharedPictureFor(*args.fileName, settings.pictureMode, settings.backColor)
                                     : sharedPictureFor(*args.picture, settings.pictureMode, settings.backColor);
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
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
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
