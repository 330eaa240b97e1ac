#pragma once
// The program's three windows as designed: sizes, minimum sizes, boxes and controls.
#include "runtime/window.h"

extern const rt::WindowDesign MainWindowDesign;
extern const rt::WindowDesign AddMemoWindowDesign;
extern const rt::WindowDesign MemoViewerWindowDesign;

// The caption of every message box the program shows.
inline constexpr char MessageCaption[] = "岚舟提醒您";

// The designed header of the upper pane; every list page starts with it.
extern const char TodayPageHeader[];
