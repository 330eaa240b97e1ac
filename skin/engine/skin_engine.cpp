#include "skin/engine/skin_engine.h"

#include "gdiplus/library.h"

namespace skin {

SkinEngine* SkinEngine::current_ = nullptr;

SkinEngine::SkinEngine() {
    settings.backColor = GetSysColor(COLOR_BTNFACE);
    buttonAction_ = [this](int windowIndex, int buttonIndex) { pressCaptionButton(windowIndex, buttonIndex); };
    if (!current_) current_ = this;
}

SkinEngine::~SkinEngine() {
    if (applicationIcon_) DestroyIcon(applicationIcon_);
    decodedPictures_.clear();
    gdip::shutdown(gdiplusToken_);
    if (current_ == this) current_ = nullptr;
}

void SkinEngine::startGdiplus() {
    if (!gdiplusToken_) gdiplusToken_ = gdip::startup();
}

bool SkinEngine::loadApplicationIcon(HINSTANCE module) {
    if (applicationIcon_) DestroyIcon(applicationIcon_);
    applicationIcon_ = LoadIconA(module, MAKEINTRESOURCEA(129));
    if (!applicationIcon_) applicationIcon_ = LoadIconA(module, "DEFAULT_ICON");
    return applicationIcon_ != nullptr;
}

std::unique_ptr<SkinEngine> SkinEngine::clone() const {
    auto copy = std::make_unique<SkinEngine>();
    copy->settings = settings;
    copy->resizeBorder = resizeBorder;
    copy->hotCaptionButton = hotCaptionButton;
    if (applicationIcon_) copy->applicationIcon_ = CopyIcon(applicationIcon_);
    return copy;
}

}  // namespace skin
