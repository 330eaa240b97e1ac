#pragma once
// The program's entry and exit routines, called by the runtime.
int ProgramMain();
void ProgramExit();
