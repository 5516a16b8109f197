#pragma once
// The program block: the windows and the data module, created once in their order, then the message
// loop until the main window closes.
namespace zorvy {

class TData;
class TFrdatamodify;
class TFrhelp;
class TFrmain;
class TFrTjshezhi;

// One per window class, set by CreateWindows and never cleared; a window a later version brings stays
// nullptr, and Data stays nullptr when the draw database cannot be opened.
extern TFrmain* Frmain;
extern TData* Data;
extern TFrTjshezhi* FrTjshezhi;
extern TFrdatamodify* Frdatamodify;
extern TFrhelp* Frhelp;

// Creates the main window, the data module, the condition assistant, the data-maintenance window and
// the help window (the forms unit must be initialised).
// A data module that fails is reported through the main window, which opens all the same.
void CreateWindows();
// The whole program: CreateWindows, then the message loop until the main window closes.
int RunProgram();

} // namespace zorvy
