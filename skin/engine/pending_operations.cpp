// Operations of the engine whose own units are not written yet. Each does nothing and
// answers 0; a unit that implements an operation takes its definition out of here.
#include "skin/engine/skin_engine.h"

namespace skin {

namespace {

template <typename Result = int>
Result notBuiltYet() {
    return Result{};
}

}  // namespace

void SkinEngine::setHelpHandler(HWND, std::function<void()>) { notBuiltYet(); }
void SkinEngine::setMenuHandler(HWND, std::function<void()>) { notBuiltYet(); }
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
