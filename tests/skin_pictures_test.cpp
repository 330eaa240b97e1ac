// The embedded pictures, decoded by GDI+ as the engine will: sizes, formats and the
// pixels that are fixed (check boxes, arrows), the caption-button look, and the
// application icon in the program's resources.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "gdiplus/bitmap.h"
#include "gdiplus/encoder.h"
#include "gdiplus/graphics.h"
#include "lz_assets_embedded.h"
#include "skin/engine/skin_engine.h"

using gdip::Argb;
using gdip::Bitmap;

namespace {

const gdip::Session session;  // GDI+ runs for the whole test program

struct Picture {
    const char* name;
    const unsigned char* bytes;
    unsigned size;
};

Bitmap decode(const Picture& picture) {
    Bitmap bitmap;
    EXPECT_TRUE(bitmap.load(picture.bytes, picture.size)) << picture.name;
    return bitmap;
}

unsigned alphaOf(Argb color) { return color >> 24; }

// The pixels of a picture as text, one line per row: '#' opaque near-black, '.'
// transparent, '?' anything else.
std::string shapeOf(const Bitmap& bitmap) {
    std::string rows;
    for (unsigned y = 0; y < bitmap.height(); ++y) {
        for (unsigned x = 0; x < bitmap.width(); ++x) {
            const Argb c = bitmap.pixel(x, y);
            const bool nearBlack = ((c >> 16) & 0xFF) <= 3 && ((c >> 8) & 0xFF) <= 3 && (c & 0xFF) <= 3;
            rows += alphaOf(c) == 255 && nearBlack ? '#' : alphaOf(c) == 0 ? '.' : '?';
        }
        rows += '\n';
    }
    return rows;
}

}  // namespace

TEST(Pictures, BackgroundIsAJpegOf917By513) {
    const Picture background{"background", assets::background_jpg, assets::background_jpg_size};
    Bitmap bitmap = decode(background);
    EXPECT_EQ(bitmap.width(), 917u);
    EXPECT_EQ(bitmap.height(), 513u);
    EXPECT_EQ(bitmap.rawFormat(), gdip::jpegFormat);
    EXPECT_GT(background.size, 6000u);
    EXPECT_LT(background.size, 10000u);
}

namespace {

// WCAG relative luminance of an ARGB pixel, and the contrast of two luminances.
double luminance(Argb c) {
    auto channel = [](unsigned v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel((c >> 16) & 0xFF) + 0.7152 * channel((c >> 8) & 0xFF) + 0.0722 * channel(c & 0xFF);
}
double contrast(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }

// The lowest contrast of a text colour against the rows top..bottom (inclusive) of the
// picture as a window of this size shows it, stretched over its client area.
double worstContrast(const Bitmap& stretched, int top, int bottom, double textLuminance) {
    double worst = 100;
    for (int y = top; y <= bottom; ++y)
        for (int x = 3; x < static_cast<int>(stretched.width()) - 3; ++x)
            worst = std::min(worst, contrast(textLuminance, luminance(stretched.pixel(x, y))));
    return worst;
}

}  // namespace

// The one picture stands behind every text of the three windows, stretched: the bold
// white caption text in the title band, black labels, check-box text and typed text
// below it. Measured over whole rows, so a text may sit anywhere along them.
TEST(Pictures, EveryTextReadsOnTheBackground) {
    gdip::Image background;
    ASSERT_TRUE(background.load(assets::background_jpg, assets::background_jpg_size));
    // The main window's panes and the viewer's browser paint their own ground; the band
    // reaches further down in the taller windows, behind those panes.
    const struct { const char* window; int width, height; bool textBelowTheBand; } windows[] = {
        {"main", 281, 393, false},  {"add memo", 377, 281, true}, {"viewer", 364, 292, true},
        {"viewer maximised", 1280, 994, false},
    };
    for (const auto& w : windows) {
        Bitmap stretched;
        ASSERT_TRUE(stretched.create(w.width, w.height));
        {
            gdip::Graphics graphics;
            ASSERT_TRUE(graphics.create(stretched));
            ASSERT_TRUE(graphics.drawImage(background, 0, 0, static_cast<float>(w.width), static_cast<float>(w.height)));
        }
        // The caption text with its glow spans rows 6 to 22 of the 25-pixel title bar.
        EXPECT_GE(worstContrast(stretched, 6, 22, 1.0), 3.0) << w.window << ": white caption text";
        if (w.textBelowTheBand) {
            EXPECT_GE(worstContrast(stretched, 26, w.height - 3, 0.0), 4.5) << w.window << ": black text";
        }
    }
}

TEST(Pictures, CaptionButtonsAreWhiteGlyphsWithShadowsOnAClearBand) {
    const struct { Picture picture; unsigned width; } buttons[] = {
        {{"help", assets::caption_help_png, assets::caption_help_png_size}, 26},
        {{"menu", assets::caption_menu_png, assets::caption_menu_png_size}, 26},
        {{"minimize", assets::caption_minimize_png, assets::caption_minimize_png_size}, 26},
        {{"maximize", assets::caption_maximize_png, assets::caption_maximize_png_size}, 26},
        {{"restore", assets::caption_restore_png, assets::caption_restore_png_size}, 26},
        {{"close", assets::caption_close_png, assets::caption_close_png_size}, 38},
    };
    for (const auto& b : buttons) {
        Bitmap bitmap = decode(b.picture);
        EXPECT_EQ(bitmap.rawFormat(), gdip::pngFormat) << b.picture.name;
        ASSERT_EQ(bitmap.width(), b.width) << b.picture.name;
        ASSERT_EQ(bitmap.height(), 18u) << b.picture.name;
        int white = 0, shadow = 0;
        for (unsigned y = 0; y < 18; ++y)
            for (unsigned x = 0; x < b.width; ++x) {
                const Argb c = bitmap.pixel(x, y);
                white += c == 0xFFFFFFFF;
                shadow += (c & 0xFFFFFF) == 0 && alphaOf(c) > 40;
            }
        EXPECT_GT(white, 8) << b.picture.name;
        EXPECT_GT(shadow, 8) << b.picture.name;
        // The corners show the band: there but almost invisible.
        for (const Argb corner : {bitmap.pixel(0, 0), bitmap.pixel(b.width - 1, 17)}) {
            EXPECT_GT(alphaOf(corner), 0u) << b.picture.name;
            EXPECT_LE(alphaOf(corner), 5u) << b.picture.name;
        }
    }
}

TEST(Pictures, CheckBoxesHaveTheirFixedPixels) {
    const unsigned ramp[21] = {0xDEDFD6, 0xE0E0D8, 0xE2E2DA, 0xE4E4DC, 0xE7E6DF, 0xE9E8E1, 0xEBE9E3,
                               0xEDEBE5, 0xF0EDE8, 0xF2EFEA, 0xF4F1EC, 0xF7F3EF, 0xF7F4F0, 0xF8F5F1,
                               0xF9F6F3, 0xF9F7F4, 0xFAF8F6, 0xFBF9F7, 0xFCFAF9, 0xFCFBFA, 0xFDFCFC};
    const std::string tick = "9,3 8,4 9,4 3,5 7,5 8,5 9,5 3,6 4,6 6,6 7,6 8,6 3,7 4,7 5,7 6,7 7,7 4,8 5,8 6,8 5,9 ";
    const struct { Picture picture; Argb frame; bool ticked; } boxes[] = {
        {{"box", assets::check_box_png, assets::check_box_png_size}, 0xE6030303, false},
        {{"checked", assets::check_box_checked_png, assets::check_box_checked_png_size}, 0xFF185184, true},
    };
    for (const auto& b : boxes) {
        Bitmap bitmap = decode(b.picture);
        ASSERT_EQ(bitmap.width(), 13u);
        ASSERT_EQ(bitmap.height(), 13u);
        EXPECT_NEAR(bitmap.horizontalResolution(), 96, 0.1) << b.picture.name;
        for (int y = 0; y < 13; ++y)
            for (int x = 0; x < 13; ++x) {
                const bool frame = x == 0 || y == 0 || x == 12 || y == 12;
                const bool ticked =
                    b.ticked && tick.find(std::to_string(x) + "," + std::to_string(y) + " ") != std::string::npos;
                const Argb expected = frame ? b.frame : ticked ? 0xFF246E75 : 0xFF000000 | ramp[x + y - 2];
                ASSERT_EQ(bitmap.pixel(x, y), expected) << b.picture.name << " at " << x << "," << y;
            }
    }
}

TEST(Pictures, ArrowsAreSolidNearBlackTriangles) {
    const struct { Picture picture; const char* shape; } arrows[] = {
        {{"up", assets::arrow_up_png, assets::arrow_up_png_size}, "...#...\n..###..\n.#####.\n#######\n"},
        {{"down", assets::arrow_down_png, assets::arrow_down_png_size}, "#######\n.#####.\n..###..\n...#...\n"},
        {{"left", assets::arrow_left_png, assets::arrow_left_png_size}, "...#\n..##\n.###\n####\n.###\n..##\n...#\n"},
        {{"right", assets::arrow_right_png, assets::arrow_right_png_size},
         "#...\n##..\n###.\n####\n###.\n##..\n#...\n"},
    };
    for (const auto& a : arrows) {
        Bitmap bitmap = decode(a.picture);
        EXPECT_EQ(shapeOf(bitmap), a.shape) << a.picture.name;
        EXPECT_NEAR(bitmap.verticalResolution(), 96, 0.1) << a.picture.name;
    }
}

TEST(Pictures, TheProgramCarriesTheApplicationIcon) {
    // The program file in the build tree (build/app, this test is in build/tests/<name>);
    // its resources hold the icon.
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string programPath = path;
    programPath = programPath.substr(0, programPath.rfind('\\')) + "\\..\\..\\app\\qzbwl.exe";
    HMODULE program = LoadLibraryExA(programPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!program) GTEST_SKIP() << "the program is not built: " << programPath;
    skin::SkinEngine engine;
    EXPECT_TRUE(engine.loadApplicationIcon(program));
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(engine.applicationIcon(), &info));
    BITMAP colour{};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, GetSystemMetrics(SM_CXICON));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    FreeLibrary(program);
}
