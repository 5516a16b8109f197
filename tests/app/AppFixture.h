#pragma once
// The program's windows on the headless display, over a draw database and a settings folder of their own.
#include "app/ControlUnits.h"
#include "app/HelpForm.h"
#include "app/MainForm.h"
#include "app/Program.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/classlib/Forms.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/classlib/stdctrls/PageControl.h"
#include "platform/classlib/stdctrls/SpeedButtons.h"
#include "platform/win/Timers.h"
#include "platform/win/VirtualKeys.h"
#include "tests/support/DrawDatabase.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

namespace zorvy::test {

class AppTest : public ::testing::Test {
  protected:
    explicit AppTest(DrawDatabase::Contents contents = DrawDatabase::Empty) : database_(contents) {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        hadConfig_ = old != nullptr;
        if (old) oldConfig_ = old;
        setenv("XDG_CONFIG_HOME", config_.Path().c_str(), 1);
        InitializeForms();
        InitializeControlUnits();
    }
    ~AppTest() override {
        FinalizeForms();
        FinalizeControlUnits();
        ForgetWindows();
        if (hadConfig_)
            setenv("XDG_CONFIG_HOME", oldConfig_.c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
    }

    // The program block, then the main window shown as the message loop shows it.
    void Start() {
        CreateWindows();
        Frmain->Show();
        Application->ProcessMessages();
        // The start-up problems come in a message box once the window is up: answered here.
        if (!Frmain->StartupProblems().empty()) {
            Soon([&] {
                if (auto* box = Screen->GetActiveForm()) shownProblems = box->GetCaption();
                display.PressKey(VK_RETURN);
            });
            display.Clock().Advance(1);
            Application->ProcessMessages();
        }
    }
    std::string shownProblems; // the caption of the message box of the start-up problems

    // Runs action from a timer once a modal loop is waiting.
    static void Soon(std::function<void()> action) {
        auto shared = std::make_shared<std::function<void()>>(std::move(action));
        auto id = std::make_shared<std::uintptr_t>(0);
        *id = SetTimer(0, 0, 1, [shared, id](HWND, UINT, std::uintptr_t, std::uint64_t) {
            KillTimer(0, *id);
            (*shared)();
        });
    }

    // The text of the message box or dialog in front (its labels together).
    static std::string FrontText() {
        std::string text;
        if (TCustomForm* box = Screen->GetActiveForm())
            for (int i = 0; i < box->GetComponentCount(); ++i)
                if (auto* label = dynamic_cast<TLabel*>(box->GetComponent(i))) text += label->GetCaption();
        return text;
    }
    // Answers the next message box with Enter; its text goes to text.
    static void AnswerWithEnter(THeadlessDisplay& display, std::string& text) {
        Soon([&display, &text] {
            text = FrontText();
            display.PressKey(VK_RETURN);
        });
    }

    // The selected digits of one row of the digit panel, as text ("147").
    static std::string Selected(int position) {
        std::string digits;
        for (int d = 0; d < 10; ++d)
            if (!Frmain->DigitButtons[position][d]->GetFlat()) digits += static_cast<char>('0' + d);
        return digits;
    }

    THeadlessDisplay display;

  private:
    TempFolder config_;
    DrawDatabase database_;
    bool hadConfig_ = false;
    std::string oldConfig_;
};

} // namespace zorvy::test
