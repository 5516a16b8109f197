// A text editor on a real X server through the SDL display: Chinese text composed in the input method
// and committed lands in the editor and completes from its lookup items; screenshots of the
// completion and of a selection are saved beside the test's temporary files.
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/display/SdlDisplay.h"
#include "platform/classlib/Forms.h"
#include "platform/win/Painting.h"
#include "tests/platform/display/SdlTextEvents.h"

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

// Xlib's macros would clash with the test framework's names, so the session (which brings it) comes last.
#include "tests/platform/display/XvfbSession.h"

namespace zorvy::test {
namespace {

constexpr const char* Title = "Zorvy text edit";

// What the child process found, as its exit code.
enum TOutcome { Passed = 0, NoDisplay = 10, ComposedTextMissing, CompletionMissing, TypedTextMissing };

void PumpFor(int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        Application->ProcessMessages();
        FlushPainting();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Runs in the child, on the X server named by DISPLAY.
int RunEditor(const std::string& screenshot) {
    try {
        TSdlDisplay sdl;
        InitializeForms();
        InitializeFoundationUnits();
        InitializeEditUnit();
        auto* form = Application->CreateForm<TForm>();
        form->SetCaption(Title);
        form->SetBounds(40, 40, 360, 140);
        auto* lookup = new TcxTextEdit(form);
        lookup->SetParent(form);
        lookup->SetBounds(20, 20, 300, 24);
        static_cast<TcxTextEditProperties*>(lookup->GetProperties())->SetLookupItems({"中国福利彩票", "中文", "0"});
        auto* plain = new TcxTextEdit(form);
        plain->SetParent(form);
        plain->SetBounds(20, 60, 300, 24);
        form->Show();
        lookup->SetFocus();
        PumpFor(300);

        // Composing "zhong" shows in the editor while nothing is committed yet ...
        PushText(SDL_TEXTEDITING, "zhong", 5);
        PumpFor(200);
        if (lookup->GetText() != "") return ComposedTextMissing;
        SaveNamedWindow(Title, screenshot + ".composing.png");
        // ... then the committed character completes from the items, the rest selected.
        PushText(SDL_TEXTEDITING, "", 0);
        PushText(SDL_TEXTINPUT, "中");
        PumpFor(300);
        TcxCustomInnerTextEdit* inner = lookup->GetInnerTextEdit();
        if (lookup->GetText() != "中国福利彩票" || inner->GetSelStart() != 3 || inner->GetSelLength() != 15)
            return CompletionMissing;
        SaveNamedWindow(Title, screenshot + ".completion.png");

        plain->SetFocus();
        PumpFor(100);
        PushText(SDL_TEXTINPUT, "开奖号码 07 12 21");
        PumpFor(200);
        if (plain->GetText() != "开奖号码 07 12 21") return TypedTextMissing;
        plain->GetInnerTextEdit()->SetSelStart(13); // "07 12"
        plain->GetInnerTextEdit()->SetSelLength(5);
        PumpFor(300);
        SaveNamedWindow(Title, screenshot + ".selection.png");
        FinalizeEditUnit();
        FinalizeFoundationUnits();
        FinalizeForms();
        return Passed;
    } catch (const std::exception&) {
        return NoDisplay;
    }
}

TEST(TextEditUnderXvfb, ComposedChineseTextLandsAndCompletes) {
    const auto session = StartXvfb();
    const pid_t server = session.first;
    ASSERT_NE(server, 0)
        << "Xvfb is not on the PATH or did not start (scripts/setup.sh installs the xvfb package)";
    const std::string screenshot = (std::filesystem::temp_directory_path() / "zorvy-text-edit-xvfb").string();
    const pid_t child = fork();
    if (child == 0) {
        setenv("DISPLAY", session.second.c_str(), 1);
        setenv("SDL_VIDEODRIVER", "x11", 1);
        // The child leaves without running the leak check over SDL's and X's own allocations.
        _exit(RunEditor(screenshot));
    }
    int status = 0;
    waitpid(child, &status, 0);
    Stop(server);
    ASSERT_TRUE(WIFEXITED(status)) << "the child crashed";
    EXPECT_EQ(WEXITSTATUS(status), Passed)
        << "10 no display, 11 composition changed the text, 12 no completion, 13 typed text missing";
    EXPECT_TRUE(std::filesystem::exists(screenshot + ".selection.png"));
}

} // namespace
} // namespace zorvy::test
