#include "app/skin_hookup.h"

#include <memory>

#include "lz_assets_embedded.h"
#include "skin/engine/skin_engine.h"

namespace {
std::unique_ptr<skin::SkinEngine> engine;
}

void CreateSkinEngine() { engine = std::make_unique<skin::SkinEngine>(); }

void StartSkinEngine() {
    engine->startGdiplus();
    engine->loadApplicationIcon(GetModuleHandleA(nullptr));
    engine->settings.firstSizePending = true;
    engine->settings.controlSkinning = true;
    engine->settings.veilAlpha = 160;
    engine->settings.accentColor = 0xDDCA22;
    engine->settings.trackBarFrame = true;
}

void DestroySkinEngine() { engine.reset(); }

skin::SkinEngine* TheSkinEngine() { return engine.get(); }

const gdip::Bytes& BackgroundPicture() {
    static const gdip::Bytes picture(assets::background_jpg, assets::background_jpg + assets::background_jpg_size);
    return picture;
}

void ApplySkin(const gdip::Bytes& picture, COLORREF backColor, COLORREF accentColor, HWND window, int veilAlpha,
               int captionHeight, bool showHelpButton, bool showMenuButton, bool showCaptionText) {
    if (!engine) return;
    engine->setBackground({std::nullopt, picture, backColor, accentColor, 3});
    engine->setControlSkinning(1, veilAlpha);
    skin::SkinWindowArgs args;
    args.captionHeight = captionHeight;
    args.showTitleBar = true;
    args.resizable = true;
    args.showHelpButton = showHelpButton;
    args.showMenuButton = showMenuButton;
    args.showCaptionText = showCaptionText;
    args.captionGloss = false;
    engine->skinWindow(window, args);
}

void ApplySkin(HWND window) { ApplySkin(BackgroundPicture(), 0, 0x0080FF, window, 0, 25, false, false, true); }
