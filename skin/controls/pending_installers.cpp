// Control installers whose units are not written yet; each takes no control. A unit
// that implements an installer takes its definition out of here.
#include "skin/controls/control_installers.h"

namespace skin {

void InstallUpDowns(SkinEngine&, int, HWND) {}
void InstallHeaders(SkinEngine&, int, HWND) {}

}  // namespace skin
