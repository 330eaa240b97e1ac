#pragma once
// Skinned combo boxes: the skin paints the whole box in its window DC (a veiled plate,
// an outline, the drop-down button with its arrow, and the selected text of a drop-down
// list); the combo box's own children (its edit, a simple box's list) are left out of
// that painting and draw themselves.
#include <windows.h>

#include <optional>

namespace skin {

class SkinEngine;

// The drop-down button of a W x H combo box of `style`, in its window rectangle.
RECT comboButtonRect(int width, int height, LONG style);

// The combo boxes among the direct children of `parent`, with their edits.
void installComboBoxes(SkinEngine& engine, int windowIndex, HWND parent);

// Paints the combo box `comboIndex` of window `windowIndex` at once. Focus left out is
// the recorded focus.
void PaintComboBox(SkinEngine& engine, int windowIndex, int comboIndex, bool hover,
                   std::optional<bool> focused = std::nullopt);

// A child's window rectangle relative to its parent's; empty for a skinned window.
RECT ChildRectInParent(SkinEngine& engine, HWND child);

}  // namespace skin
