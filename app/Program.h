#pragma once
// The program block: the windows and the data module, created once in their order, then the message
// loop until the main window closes.
namespace zorvy {

class TData;
class TFrdatamodify;
class TFrbianma;
class TFrbw;
class TFrfx;
class TFrgw;
class TFrhelp;
class TFrmain;
class TFrqw;
class TFrSw;
class TFrsww;
class TFrtb;
class TFrTjshezhi;
class TFrww;

// One per window class, set by CreateWindows and never cleared; a window a later version brings stays
// nullptr, and Data stays nullptr when the draw database cannot be opened.
extern TFrmain* Frmain;
extern TData* Data;
extern TFrTjshezhi* FrTjshezhi;
extern TFrfx* Frfx;
extern TFrbianma* Frbianma;
extern TFrgw* Frgw;
extern TFrSw* FrSw;
extern TFrbw* Frbw;
extern TFrqw* Frqw;
extern TFrww* Frww;
extern TFrsww* Frsww;
extern TFrtb* Frtb;
extern TFrdatamodify* Frdatamodify;
extern TFrhelp* Frhelp;

// Creates the main window, the data module, the condition assistant, the analysis window and its trend
// windows, the data-maintenance window and the help window, in this order (the forms unit must be initialised).
// A data module that fails is reported through the main window, which opens all the same.
void CreateWindows();
// Sets every window variable back to nullptr once the forms unit has freed the windows, so that the
// program block can run again in the same process (tests, benchmarks).
void ForgetWindows();
// The whole program: CreateWindows, then the message loop until the main window closes.
int RunProgram();

} // namespace zorvy
