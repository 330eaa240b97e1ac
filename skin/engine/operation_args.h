#pragma once
// Optional arguments of the engine's operations. An argument left empty takes the
// operation's default, whatever value it would have had.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "gdiplus/geometry.h"
#include "skin/engine/skin_window_record.h"

namespace skin {

struct SkinWindowArgs {
    std::optional<int> captionHeight;  // 25 at least
    std::optional<bool> showTitleBar;
    std::optional<bool> resizable;
    std::optional<bool> showHelpButton;
    std::optional<bool> showMenuButton;
    std::optional<bool> showCaptionText;
    std::optional<bool> captionGloss;
    std::optional<int> statusBarHeight;
    std::optional<std::vector<StatusPanel>> statusPanels;
    std::optional<gdip::Bytes> picture;
    std::optional<int> pictureMode;
};

struct CaptionFontArgs {
    std::optional<std::string> fontName;
    std::optional<int> fontSize;
    std::optional<COLORREF> textColor;
    std::optional<COLORREF> glowColor;
    std::optional<bool> bold;
};

// The accent colour value that means "take the back colour".
inline constexpr COLORREF accentFromBackColor = 0xFFFFFFFF;

struct BackgroundArgs {
    std::optional<std::string> fileName;
    std::optional<gdip::Bytes> picture;
    std::optional<COLORREF> backColor;
    std::optional<COLORREF> accentColor;
    std::optional<int> mode;
};

struct StatusBarStyleArgs {
    std::optional<bool> inverse;
    std::optional<bool> glow;
    std::optional<COLORREF> glowTextColor;
    std::optional<COLORREF> glowColor;
    std::optional<std::string> fontName;
    std::optional<int> fontSize;
};

struct ContainerArgs {
    std::optional<bool> skinned;
    std::optional<COLORREF> tintColor;
    std::optional<int> tintAlpha;
    std::optional<bool> framed;
};

struct CaptionImagesArgs {
    std::optional<gdip::Bytes> minimize;
    std::optional<gdip::Bytes> maximize;
    std::optional<gdip::Bytes> restore;
    std::optional<gdip::Bytes> close;
};

}  // namespace skin
