#pragma once
// The control installers: each takes over the controls of its kind among the direct
// children of `parent` (a skinned window or a container in it) for the skinned window
// `windowIndex`, and leaves every control alone while control skinning is off.
#include <windows.h>

namespace skin {

class SkinEngine;

void InstallPushButtons(SkinEngine& engine, int windowIndex, HWND parent);
void InstallCheckAndRadioButtons(SkinEngine& engine, int windowIndex, HWND parent);
void InstallEditsAndComboBoxes(SkinEngine& engine, int windowIndex, HWND parent);
void InstallTrackBars(SkinEngine& engine, int windowIndex, HWND parent);
void InstallProgressBars(SkinEngine& engine, int windowIndex, HWND parent);
void InstallLists(SkinEngine& engine, int windowIndex, HWND parent);
void InstallUpDowns(SkinEngine& engine, int windowIndex, HWND parent);
void InstallHeaders(SkinEngine& engine, int windowIndex, HWND parent);

// All of them, in the order a window or container is skinned: a later installer must
// not take a control an earlier one has taken (check boxes are buttons too).
void InstallControlSkins(SkinEngine& engine, int windowIndex, HWND parent);

}  // namespace skin
