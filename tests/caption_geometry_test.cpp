// Where the caption buttons sit, worked out without a window: the strip of each button
// set, custom buttons added at the left, button bounds, and which button a point hits.
#include <gtest/gtest.h>

#include "skin/engine/caption_buttons.h"

using namespace skin;

namespace {

std::vector<int> kindsOf(const std::vector<CaptionButton>& buttons) {
    std::vector<int> kinds;
    for (const CaptionButton& button : buttons) kinds.push_back(button.kind);
    return kinds;
}

// A record holding a button set, its strip placed for a client `right` pixels wide.
SkinWindowRecord recordWith(const CaptionButtonChoice& choice, int right) {
    SkinWindowRecord record;
    record.captionButtons = standardCaptionButtons(choice);
    record.buttonStripWidth = captionStripWidth(record.captionButtons);
    placeCaptionStrip(record, right);
    placeCaptionButtons(record);
    return record;
}

}  // namespace

TEST(CaptionGeometry, StripOfEachButtonSet) {
    struct Case {
        const char* name;
        CaptionButtonChoice choice;
        std::vector<int> kinds;
        int width;
    } cases[] = {
        {"close only", {}, {CloseButton}, 41},
        {"minimise + close", {false, false, true, false}, {MinimizeButton, CloseButton}, 68},
        {"minimise + maximise + close", {false, false, true, true}, {MinimizeButton, MaximizeButton, CloseButton}, 95},
        {"help + menu + all", {true, true, true, true},
         {HelpButton, MainMenuButton, MinimizeButton, MaximizeButton, CloseButton}, 149},
        {"help only", {true, false, false, false}, {HelpButton, CloseButton}, 68},
    };
    for (const Case& c : cases) {
        const SkinWindowRecord record = recordWith(c.choice, 400);
        EXPECT_EQ(kindsOf(record.captionButtons), c.kinds) << c.name;
        EXPECT_EQ(record.buttonStripWidth, c.width) << c.name;
        EXPECT_EQ(record.buttonStripX, 401 - c.width) << c.name;
        EXPECT_EQ(record.buttonStripHeight, 22) << c.name;
        // The close picture stops one pixel short of the right edge, where the frame runs.
        const int n = static_cast<int>(record.captionButtons.size());
        EXPECT_EQ(captionButtonOrigin(record, n).x + record.captionButtons.back().width, 399) << c.name;
    }
}

TEST(CaptionGeometry, StandardButtonsCarryTheirPicturesSizesAndTooltips) {
    const auto buttons = standardCaptionButtons({true, true, true, true});
    const char* tooltips[] = {"帮助", "主菜单", "最小化", "最大化", "关闭"};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i].tooltip, tooltips[i]);
        EXPECT_EQ(buttons[i].height, 18);
        EXPECT_EQ(buttons[i].width, buttons[i].kind == CloseButton ? 38 : 26);
        EXPECT_FALSE(buttons[i].image.empty());
        EXPECT_EQ(buttons[i].secondImage.empty(), buttons[i].kind != MaximizeButton);
    }
}

TEST(CaptionGeometry, CustomButtonsGoInAtTheLeftAndWidenTheStrip) {
    SkinWindowRecord record = recordWith({false, false, true, false}, 300);
    bool firstRan = false, secondRan = false;
    insertCustomCaptionButton(record, {1, 2, 3}, "一", [&] { firstRan = true; });
    insertCustomCaptionButton(record, {4, 5}, "二", [&] { secondRan = true; });
    placeCaptionStrip(record, 300);
    placeCaptionButtons(record);
    EXPECT_EQ(kindsOf(record.captionButtons), (std::vector<int>{CustomButton, CustomButton, MinimizeButton, CloseButton}));
    EXPECT_EQ(record.buttonStripWidth, 68 + 2 * 27);
    EXPECT_EQ(record.buttonStripX, 301 - 122);
    EXPECT_EQ(record.captionButtons[0].tooltip, "二");
    EXPECT_EQ(record.captionButtons[0].image, (gdip::Bytes{4, 5}));
    EXPECT_EQ(record.captionButtons[1].tooltip, "一");
    EXPECT_EQ(record.captionButtons[0].width, 26);
    record.captionButtons[0].handler();
    EXPECT_TRUE(secondRan);
    EXPECT_FALSE(firstRan);
    // Every button stays one pitch right of the one before.
    for (int i = 1; i < 4; ++i)
        EXPECT_FLOAT_EQ(record.captionButtons[i].bounds.x - record.captionButtons[i - 1].bounds.x, 27.0f);
}

TEST(CaptionGeometry, BoundsOfFourButtonsOnAStripAtX100) {
    SkinWindowRecord record;
    record.captionButtons = standardCaptionButtons({true, true, true, false});
    record.buttonStripX = 100;
    placeCaptionButtons(record);
    const float xs[] = {102, 129, 156, 183};
    const float widths[] = {26, 26, 26, 40};
    for (int i = 0; i < 4; ++i) {
        const gdip::RectF& b = record.captionButtons[i].bounds;
        EXPECT_FLOAT_EQ(b.x, xs[i]) << i;
        EXPECT_FLOAT_EQ(b.y, 1.0f) << i;
        EXPECT_FLOAT_EQ(b.width, widths[i]) << i;
        EXPECT_FLOAT_EQ(b.height, 18.0f) << i;
        const POINT origin = captionButtonOrigin(record, i + 1);
        EXPECT_EQ(origin.x, static_cast<LONG>(xs[i]) - 1) << i;
        EXPECT_EQ(origin.y, 1) << i;
    }
}

TEST(CaptionGeometry, HitTestOnEdgesAndInGaps) {
    SkinWindowRecord record;
    record.captionButtons = standardCaptionButtons({true, true, true, false});
    record.buttonStripX = 100;
    record.buttonStripWidth = captionStripWidth(record.captionButtons);
    placeCaptionButtons(record);
    struct Case {
        int x, y, button;
    } cases[] = {
        {102, 10, 0},  // left edge of the first
        {103, 10, 1},  // one pixel inside
        {127, 10, 1},
        {128, 10, 0},  // right edge of the first
        {129, 10, 0},  // left edge of the second: the gap holds no hit
        {130, 10, 2},
        {156, 10, 0},
        {157, 10, 3},
        {183, 10, 0},
        {184, 10, 4},
        {222, 10, 4},  // the close button reaches 40 pixels
        {223, 10, 0},
        {150, 1, 0},   // top edge
        {150, 2, 2},
        {150, 18, 2},
        {150, 19, 0},  // bottom edge
        {99, 10, 0},   // left of the strip
        {150, 23, 0},  // below the strip
        {150, -1, 0},  // above it
    };
    for (const Case& c : cases) EXPECT_EQ(captionButtonAt(record, c.x, c.y), c.button) << c.x << "," << c.y;
}

TEST(CaptionGeometry, FindsTheMaximizeButton) {
    EXPECT_EQ(maximizeButtonOf(recordWith({false, false, true, true}, 300)), 2);
    EXPECT_EQ(maximizeButtonOf(recordWith({true, true, true, true}, 300)), 4);
    EXPECT_EQ(maximizeButtonOf(recordWith({false, false, true, false}, 300)), 0);
}
