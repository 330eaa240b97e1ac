// Operations of the engine whose own units are not written yet. Each does nothing and
// answers 0; a unit that implements an operation takes its definition out of here.
#include "skin/engine/skin_engine.h"
#include "skin/engine/picture_preparation.h"

namespace skin {

namespace {

template <typename Result = int>
Result notBuiltYet() {
    return Result{};
}

}  // namespace

COLORREF averageColor(const gdip::Bytes&) { return notBuiltYet<COLORREF>(); }
COLORREF averageColor(const std::string&) { return notBuiltYet<COLORREF>(); }
gdip::Bytes preparePicture(const gdip::Bytes&, COLORREF, bool) { return notBuiltYet<gdip::Bytes>(); }
gdip::Bytes preparePicture(const std::string&, COLORREF, bool) { return notBuiltYet<gdip::Bytes>(); }

void SkinEngine::paintWindow(int, HDC, bool) { notBuiltYet(); }
void SkinEngine::presentWindow(int, HDC) { notBuiltYet(); }
void SkinEngine::drawBackground(gdip::Graphics&, int) { notBuiltYet(); }
void SkinEngine::drawFrame(int, gdip::Graphics&) { notBuiltYet(); }
void SkinEngine::drawCaptionButtonSeparator(int, int, gdip::Graphics&) { notBuiltYet(); }
void SkinEngine::restoreCaptionArea(int, const RECT&) { notBuiltYet(); }
void SkinEngine::restoreStatusBarArea(int, const RECT&) { notBuiltYet(); }
void SkinEngine::drawCaptionButton(int, int, gdip::Graphics*, bool, std::optional<int>) { notBuiltYet(); }
void SkinEngine::drawCaptionButtonHighlight(gdip::Graphics&, int, int, int) { notBuiltYet(); }
void SkinEngine::setHelpHandler(HWND, std::function<void()>) { notBuiltYet(); }
void SkinEngine::setMenuHandler(HWND, std::function<void()>) { notBuiltYet(); }
void SkinEngine::drawCaptionText(int, gdip::Graphics*, bool, std::optional<std::string>) { notBuiltYet(); }
void SkinEngine::setStatusBar(int, int, std::optional<std::vector<StatusPanel>>) { notBuiltYet(); }
void SkinEngine::layoutStatusBar(int) { notBuiltYet(); }
void SkinEngine::drawStatusPanel(int, gdip::Graphics*, bool, int) { notBuiltYet(); }
int SkinEngine::setStatusPanel(HWND, int, const std::string&, std::optional<gdip::Bytes>, std::optional<COLORREF>) {
    return notBuiltYet();
}
int SkinEngine::setStatusBarStyle(HWND, const StatusBarStyleArgs&) { return notBuiltYet(); }
int SkinEngine::skinImageButton(HWND, const gdip::Bytes&, int, const std::string&) { return notBuiltYet(); }
int SkinEngine::skinMultiImageButton(HWND, const gdip::Bytes&, const gdip::Bytes&, const gdip::Bytes&,
                                     const gdip::Bytes&, const std::string&) {
    return notBuiltYet();
}
void SkinEngine::skinContainers(HWND, const ContainerArgs&) { notBuiltYet(); }
void SkinEngine::setContainerAlpha(HWND, int) { notBuiltYet(); }
void SkinEngine::skinGenericChild(HWND) { notBuiltYet(); }
void SkinEngine::relayoutAnchoredChildren(int) { notBuiltYet(); }
void SkinEngine::setControlTextColor(HWND, COLORREF) { notBuiltYet(); }
COLORREF SkinEngine::getBackColor() { return notBuiltYet<COLORREF>(); }
int SkinEngine::setCaptionButtonImages(HWND, const CaptionImagesArgs&) { return notBuiltYet(); }

}  // namespace skin
