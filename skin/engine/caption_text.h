#pragma once
// Where the title bar's icon and text go.
namespace skin {

// Client coordinates. The icon is drawn 17 x 17 at (left, top - 3); the text is laid
// out from (left + 20, top), `width` wide and `height` high; a redraw on its own copies
// the area from (left, copyTop), width x height, to the screen.
struct CaptionTextArea {
    int left = 0, top = 0, width = 0, height = 32, copyTop = 0;
};

CaptionTextArea captionTextArea(int clientWidth, int buttonStripWidth, int resizeBorder);

}  // namespace skin
