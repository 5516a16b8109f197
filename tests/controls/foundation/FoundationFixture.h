#pragma once
// A headless display with the forms and control units started, forms to place controls on, and the
// pointer and clock moves the control tests drive.
#include "controls/foundation/containers/EditorPopup.h"
#include "controls/foundation/services/ControlUnit.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/classlib/Forms.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Windows.h"

#include <gtest/gtest.h>

namespace zorvy::test {

class FoundationTest : public ::testing::Test {
  protected:
    FoundationTest() {
        InitializeForms();
        InitializeFoundationUnits();
    }
    ~FoundationTest() override {
        FinalizeForms();
        FinalizeFoundationUnits();
    }

    TForm* NewForm(int w = 300, int h = 200) {
        auto* form = Application->CreateForm<TForm>();
        form->SetBorderStyle(bsNone);
        form->SetBounds(50, 50, w, h);
        return form;
    }
    static void Pump() { Application->ProcessMessages(); }
    // Moves the virtual clock on and handles what came due.
    void Wait(unsigned ms) {
        display.Clock().Advance(ms);
        Pump();
    }
    COLORREF PixelAt(TWinControl* top, int x, int y) {
        HBITMAP image = display.Capture(top->GetHandle());
        const std::uint32_t p = image->Row(y)[x] & 0xFFFFFF;
        DeleteObject(image);
        return RGB(static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                   static_cast<std::uint8_t>(p));
    }

    THeadlessDisplay display;
};

} // namespace zorvy::test
