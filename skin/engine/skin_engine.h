#pragma once
// The skin engine: one object for the whole program that draws every skinned window and
// its controls. Its operations are listed below in the fixed order of its operation
// table (0 to 41); callers reach the engine only through them. The program makes the
// engine at start, gives it GDI+ and the application icon, and destroys it at exit.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gdiplus/geometry.h"
#include "skin/engine/decoded_pictures.h"
#include "skin/engine/operation_args.h"
#include "skin/engine/skin_window_record.h"
#include "skin/engine/snapshot_list.h"
#include "skin/engine/window_registry.h"

namespace gdip {
class Graphics;
}

namespace skin {

// Process-wide settings, shared by every skinned window.
struct EngineSettings {
    bool firstSizePending = true;     // until the first WM_SIZE of any skinned window
    bool controlSkinning = true;      // off: the control installers skip every control
    int veilAlpha = 160;              // white veil laid over the background behind controls
    bool transparentControls = false; // answers WM_CTLCOLOR* and repaints on WM_COMMAND
    bool trackBarFrame = true;
    COLORREF accentColor = 0xDDCA22;  // hover and focus highlights
    COLORREF backColor = 0;           // under the background picture; the constructor sets
                                      // the runtime's default window colour
    int pictureMode = 4;
    gdip::Bytes sharedPicture;        // prepared background picture for all windows
};

class SkinEngine {
public:
    SkinEngine();
    SkinEngine(const SkinEngine&) = delete;
    SkinEngine& operator=(const SkinEngine&) = delete;
    // 0 destroy: destroys the application icon and shuts GDI+ down, then frees the
    // registry with every record, the snapshot list and the shared picture.
    ~SkinEngine();

    // Start-up: GDI+ version 1, whose token the engine keeps and shuts down at the end.
    void startGdiplus();
    // Start-up: the icon resource 129 of the module, else the one named "DEFAULT_ICON".
    // The engine destroys it at the end. False when neither exists.
    bool loadApplicationIcon(HINSTANCE module);
    ULONG_PTR gdiplusToken() const { return gdiplusToken_; }
    HICON applicationIcon() const { return applicationIcon_; }

    // The engine object the skinned windows' procedure reaches; null when there is none.
    static SkinEngine* current() { return current_; }
    // The window procedure of every skinned window: forwards to windowProc of the engine.
    static LRESULT CALLBACK windowProcStub(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Carries out a caption button's action (pressCaptionButton) on this engine.
    const std::function<void(int windowIndex, int buttonIndex)>& buttonAction() const { return buttonAction_; }

    // 1: a second engine with the same settings and no windows. It owns a copy of the icon
    // and no GDI+ token, so either engine can go first.
    std::unique_ptr<SkinEngine> clone() const;
    // 2
    LRESULT windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // 3
    void pressCaptionButton(int windowIndex, int buttonIndex);
    // 4
    void skinWindow(HWND window, const SkinWindowArgs& args = {});
    // 5
    bool addCaptionButton(HWND window, const gdip::Bytes& image, const std::string& tooltip,
                          std::function<void()> handler);
    // 6
    bool setCaptionFont(HWND window, const CaptionFontArgs& args = {});
    // 7
    bool setWindowPicture(HWND window, const gdip::Bytes& picture, std::optional<int> mode = std::nullopt);
    // 8
    void setBackground(const BackgroundArgs& args = {});
    // 9
    void setControlSkinning(int skinControls, std::optional<int> veilAlpha = std::nullopt,
                            std::optional<bool> trackBarFrame = std::nullopt);
    // 10
    void paintWindow(int windowIndex, HDC dc, bool present);
    // 11
    void presentWindow(int windowIndex, HDC dc);
    // 12
    void drawBackground(gdip::Graphics& graphics, int windowIndex);
    // 13
    void drawFrame(int windowIndex, gdip::Graphics& graphics);
    // 14
    void drawCaptionButtonSeparator(int windowIndex, int buttonIndex, gdip::Graphics& graphics);
    // 15
    void restoreCaptionArea(int windowIndex, const RECT& area);
    // 16
    void restoreStatusBarArea(int windowIndex, const RECT& area);
    // 17: graphics null = an own graphics on the back buffer.
    void drawCaptionButton(int windowIndex, int buttonIndex, gdip::Graphics* graphics = nullptr, bool pressed = false,
                           std::optional<int> highlightAlpha = std::nullopt);
    // 18
    void drawCaptionButtonHighlight(gdip::Graphics& graphics, int windowIndex, int buttonIndex, int alpha);
    // 19
    void layoutCaptionButtons(int windowIndex);
    // 20
    int hitTestCaptionButton(int windowIndex, int x, int y);
    // 21
    int findMaximizeButton(int windowIndex);
    // 22
    void beginMoveOrResize(int windowIndex, LPARAM point, const RECT& client);
    // 23
    void updateResizeCursor(int windowIndex, LPARAM point, const RECT& client);
    // 24
    void setHelpHandler(HWND window, std::function<void()> handler);
    // 25
    void setMenuHandler(HWND window, std::function<void()> handler);
    // 26
    void drawCaptionText(int windowIndex, gdip::Graphics* graphics, bool inCallerGraphics,
                         std::optional<std::string> text = std::nullopt);
    // 27
    void setStatusBar(int windowIndex, int height, std::optional<std::vector<StatusPanel>> panels = std::nullopt);
    // 28
    void layoutStatusBar(int windowIndex);
    // 29
    void drawStatusPanel(int windowIndex, gdip::Graphics* graphics, bool inCallerGraphics, int panel = 1);
    // 30
    int setStatusPanel(HWND window, int panel, const std::string& text, std::optional<gdip::Bytes> image = std::nullopt,
                       std::optional<COLORREF> color = std::nullopt);
    // 31
    int setStatusBarStyle(HWND window, const StatusBarStyleArgs& args = {});
    // 32
    int skinImageButton(HWND button, const gdip::Bytes& image, int imageBeside, const std::string& tooltip);
    // 33
    int skinMultiImageButton(HWND button, const gdip::Bytes& normal, const gdip::Bytes& hover,
                             const gdip::Bytes& pressed, const gdip::Bytes& disabled, const std::string& tooltip);
    // 34
    void skinContainers(HWND container, const ContainerArgs& args = {});
    // 35
    void setContainerAlpha(HWND container, int alpha);
    // 36: {left, top, right, bottom}
    RECT getCaptionButtonStrip(HWND window);
    // 37
    void skinGenericChild(HWND window);
    // 38
    void relayoutAnchoredChildren(int windowIndex);
    // 39
    void setControlTextColor(HWND control, COLORREF color);
    // 40
    COLORREF getBackColor();
    // 41
    int setCaptionButtonImages(HWND window, const CaptionImagesArgs& args = {});

    EngineSettings settings;
    // Width of the sizing band along the window edge; also the strip's right margin.
    int resizeBorder = 3;
    // Caption button under the mouse in the window that last had a mouse message: what
    // the last hit test found. Not SkinWindowRecord::hotCaptionButton, which is the
    // button a window shows highlighted and follows this one through the hover fades.
    int hotCaptionButton = 0;

    WindowRegistry& registry() { return registry_; }
    const WindowRegistry& registry() const { return registry_; }
    SnapshotList& snapshots() { return snapshots_; }
    DecodedPictures& decodedPictures() { return decodedPictures_; }

private:
    static SkinEngine* current_;

    // A new shared look reaches every window on the screen at once.
    void repaintVisibleWindows();

    std::function<void(int, int)> buttonAction_;
    ULONG_PTR gdiplusToken_ = 0;
    HICON applicationIcon_ = nullptr;
    DecodedPictures decodedPictures_;  // emptied before GDI+ shuts down
    // Declared in this order so that the registry goes before the snapshot list.
    SnapshotList snapshots_;
    WindowRegistry registry_;
};

}  // namespace skin
