#pragma once
// WM_DRAWITEM of a skinned window: owner-drawn buttons of its button array are painted
// by the face of their kind; check boxes and radio buttons paint themselves.
#include <windows.h>

namespace skin {

class SkinEngine;
struct ButtonRecord;
struct SkinWindowRecord;

// The button entry an item stands for: an ODT_BUTTON item whose "Hw_lbID" names its own
// entry in the window's button array; null otherwise.
const ButtonRecord* findOwnerDrawnEntry(const SkinWindowRecord& record, const DRAWITEMSTRUCT& item);

void ownerDrawButton(SkinEngine& engine, int windowIndex, const DRAWITEMSTRUCT& item);

}  // namespace skin
