// zorvy: the program. Opens the main window on the desktop through SDL (an X display, or Xvfb).
#include "app/ControlUnits.h"
#include "app/Program.h"
#include "platform/display/SdlDisplay.h"
#include "platform/classlib/Forms.h"

#include <cstdio>
#include <exception>

int main(int, char** argv) {
    using namespace zorvy;
    try {
        TSdlDisplay display;
        InitializeForms();
        InitializeControlUnits();
        Application->Title = "Zorvy";
        Application->ExeName = argv[0];
        const int code = RunProgram();
        FinalizeForms();
        FinalizeControlUnits();
        return code;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zorvy: %s\n", e.what());
        return 1;
    }
}
