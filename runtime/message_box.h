#pragma once
#include <string>

namespace rt {

// The program's result for a pressed button: its identifier minus one (OK 0, Cancel 1,
// Abort 2, Retry 3, Ignore 4, Yes 5, No 6); 0 for anything else.
int ButtonResult(int buttonId);
// A task-modal message box without owner.
int ShowMessageBox(const std::string& text, unsigned flags, const std::string& caption);

}  // namespace rt
