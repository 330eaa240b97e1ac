#pragma once
// The program's entry and exit routines, called by the runtime.
// Runs the start-up sequence and the message loop; 0 when the main window has closed,
// 1 (after saying so) when it could not be made.
int ProgramMain();
void ProgramExit();
