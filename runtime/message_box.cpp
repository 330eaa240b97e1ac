#include "runtime/message_box.h"

#include <windows.h>

namespace rt {

int ButtonResult(int buttonId) { return buttonId >= IDOK && buttonId <= IDNO ? buttonId - 1 : 0; }

int ShowMessageBox(const std::string& text, unsigned flags, const std::string& caption) {
    return ButtonResult(MessageBoxA(nullptr, text.c_str(), caption.c_str(), flags | MB_TASKMODAL));
}

}  // namespace rt
