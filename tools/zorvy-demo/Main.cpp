// zorvy-demo: a form with a few custom-drawn controls on a real display through SDL.
#include "DemoForm.h"
#include "platform/display/SdlDisplay.h"

#include <cstdio>
#include <exception>

int main() {
    using namespace zorvy;
    try {
        TSdlDisplay display;
        InitializeForms();
        Application->Title = "Zorvy demo";
        Application->CreateForm<TDemoForm>();
        Application->Run();
        FinalizeForms();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zorvy-demo: %s\n", e.what());
        return 1;
    }
    return 0;
}
