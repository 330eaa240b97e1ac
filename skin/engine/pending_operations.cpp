// Operations of the engine whose own units are not written yet. Each does nothing and
// answers 0; a unit that implements an operation takes its definition out of here.
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_properties.h"

namespace skin {

namespace {

template <typename Result = int>
Result notBuiltYet() {
    return Result{};
}

}  // namespace

// Until the window procedure exists every message goes on to the replaced procedure.
LRESULT SkinEngine::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, prop::previousProc));
    if (previous) return CallWindowProcA(previous, window, message, wParam, lParam);
    return DefWindowProcA(window, message, wParam, lParam);
}

void SkinEngine::pressCaptionButton(int, int) { notBuiltYet(); }
void SkinEngine::skinWindow(HWND, const SkinWindowArgs&) { notBuiltYet(); }
bool SkinEngine::addCaptionButton(HWND, const gdip::Bytes&, const std::string&, std::function<void()>) {
    return notBuiltYet<bool>();
}
bool SkinEngine::setCaptionFont(HWND, const CaptionFontArgs&) { return notBuiltYet<bool>(); }
bool SkinEngine::setWindowPicture(HWND, const gdip::Bytes&, std::optional<int>) { return notBuiltYet<bool>(); }
void SkinEngine::setBackground(const BackgroundArgs&) { notBuiltYet(); }
void SkinEngine::setControlSkinning(int, std::optional<int>, std::optional<bool>) { notBuiltYet(); }
void SkinEngine::beginMoveOrResize(int, LPARAM, const RECT&) { notBuiltYet(); }
void SkinEngine::updateResizeCursor(int, LPARAM, const RECT&) { notBuiltYet(); }
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
