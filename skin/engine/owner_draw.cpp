#include "skin/engine/owner_draw.h"

#include "skin/controls/button_faces.h"
#include "skin/engine/skin_engine.h"
#include "skin/engine/window_properties.h"

namespace skin {

const ButtonRecord* findOwnerDrawnEntry(const SkinWindowRecord& record, const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON) return nullptr;
    const int index = intProperty(item.hwndItem, prop::index);
    if (index < 1 || index > static_cast<int>(record.buttons.size())) return nullptr;
    const ButtonRecord& entry = record.buttons[index - 1];
    return entry.hwnd == item.hwndItem ? &entry : nullptr;
}

void ownerDrawButton(SkinEngine& engine, int windowIndex, const DRAWITEMSTRUCT& item) {
    const ButtonRecord* entry = findOwnerDrawnEntry(engine.registry().at(windowIndex), item);
    if (!entry) return;
    switch (entry->kind) {
        case PushButton:
            PaintPushButtonFace(engine, item.hwndItem, item.hDC, item.itemState, item.rcItem);
            break;
        case ImageButton:
            PaintImageButtonFace(engine, item.hwndItem, item.hDC, item.itemState, item.rcItem);
            break;
        case MultiImageButton:
            PaintMultiImageButtonFace(engine, item.hwndItem, item.hDC, item.itemState, item.rcItem);
            break;
        default:  // check boxes and radio buttons paint themselves
            break;
    }
}

}  // namespace skin
