#include "skin/controls/control_installers.h"

namespace skin {

void InstallControlSkins(SkinEngine& engine, int windowIndex, HWND parent) {
    InstallPushButtons(engine, windowIndex, parent);
    InstallCheckAndRadioButtons(engine, windowIndex, parent);
    InstallEditsAndComboBoxes(engine, windowIndex, parent);
    InstallTrackBars(engine, windowIndex, parent);
    InstallProgressBars(engine, windowIndex, parent);
    InstallLists(engine, windowIndex, parent);
    InstallUpDowns(engine, windowIndex, parent);
    InstallHeaders(engine, windowIndex, parent);
}

}  // namespace skin
