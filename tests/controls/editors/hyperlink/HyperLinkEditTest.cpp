// The hyperlink edit: the prefix rule, the link look, what opens a link and how (a fake opener on
// PATH records its arguments), the refused schemes, and the registration.
#include "controls/editors/hyperlink/HyperLinkEdit.h"

#include "controls/editors/framework/EditRepository.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/Streams.h"
#include "platform/win/Input.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace zorvy::test {
namespace {

// A folder put first on PATH with a fake xdg-open that writes each argument on a line of its own
// into a log (and fails when told to), so a test sees exactly what the opener was given.
class FakeOpener {
  public:
    FakeOpener() {
        char pattern[] = "/tmp/zorvy-opener-XXXXXX";
        folder_ = mkdtemp(pattern);
        log_ = folder_ + "/args.log";
        std::ofstream script(folder_ + "/xdg-open");
        script << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\" >> '" << log_
               << "'; done\n[ -f '" << folder_ << "/fail' ] && exit 4\nexit 0\n";
        script.close();
        chmod((folder_ + "/xdg-open").c_str(), 0755);
        const char* path = std::getenv("PATH");
        oldPath_ = path ? path : "";
        setenv("PATH", (folder_ + ":" + oldPath_).c_str(), 1);
    }
    ~FakeOpener() {
        setenv("PATH", oldPath_.c_str(), 1);
        std::filesystem::remove_all(folder_);
    }
    void FailNext() { std::ofstream(folder_ + "/fail") << ""; }
    // The arguments of every run so far, one per line; empty when the opener never ran.
    std::string Log() const {
        std::ifstream in(log_);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

  private:
    std::string folder_, log_, oldPath_;
};

class HyperLinkEditTest : public EditorsTest {
  protected:
    // The longest horizontal run of pure blue pixels in the editor's inner text box as the screen shows it.
    int LongestLinkColourRun(TcxHyperLinkEdit* edit) {
        HWND box = edit->GetInnerTextEdit()->GetHandle();
        HBITMAP image = display.Capture(box);
        int longest = 0;
        for (int y = 0; y < image->height; ++y)
            for (int x = 0, run = 0; x < image->width; ++x) {
                run = (image->Row(y)[x] & 0xFFFFFF) == 0x0000FF ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        DeleteObject(image);
        return longest;
    }
    TcxHyperLinkEdit* NewLink(const std::string& text) {
        TForm* form = NewForm();
        auto* edit = new TcxHyperLinkEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 160, 21);
        form->Show();
        Pump();
        edit->SetText(text);
        return edit;
    }
    void CtrlEnter() {
        InjectKey(VK_CONTROL, true);
        display.PressKey(VK_RETURN);
        InjectKey(VK_CONTROL, false);
        Pump();
    }
};

TEST_F(HyperLinkEditTest, AddsThePrefixOnlyWhereTheTextLacksItInTheSameCase) {
    TcxHyperLinkEdit* edit = NewLink("");
    TcxHyperLinkEditProperties& p = *edit->GetProperties();
    EXPECT_EQ(p.GetPrefix(), "http://");
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"  example.org ", "http://example.org"},
        {"http://example.org", "http://example.org"},
        {"HTTP://example.org", "http://HTTP://example.org"}, // the test is case-sensitive
        {"   ", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(p.AddPrefix(c.text), c.expected) << c.text;
    p.SetPrefix("");
    EXPECT_EQ(p.AddPrefix(" a "), "a");

    // upAlways stores a committed text with the prefix; the other modes store it as typed.
    Variant value("example.org");
    std::string error;
    bool failed = false;
    p.VerifyDisplayValue(value, error, edit, failed);
    EXPECT_EQ(VarToStr(value), "example.org"); // no prefix set now
    p.SetPrefix("http://");
    p.VerifyDisplayValue(value, error, edit, failed);
    EXPECT_EQ(VarToStr(value), "http://example.org");
    Variant bare("example.org");
    p.SetUsePrefix(upOnlyOnExecute);
    p.VerifyDisplayValue(bare, error, edit, failed);
    EXPECT_EQ(VarToStr(bare), "example.org");
    EXPECT_TRUE(p.GetAutoComplete());
    p.SetAutoComplete(false);
    EXPECT_EQ(p.GetUsePrefix(), upNever);
}

TEST_F(HyperLinkEditTest, OpensTheAddressAsOneArgumentWithoutAShell) {
    FakeOpener opener;
    TcxHyperLinkEdit* edit = NewLink("example.org/a b;$(touch x)");
    EXPECT_EQ(edit->ActivateLink(), TcxLinkOpenResult::Opened);
    // One argument, exactly as shown with the prefix: blanks and shell syntax reach it untouched.
    EXPECT_EQ(opener.Log(), "http://example.org/a b;$(touch x)\n");

    // With upNever the text is opened exactly as shown (trimmed); a blank text opens nothing.
    edit->GetProperties()->SetUsePrefix(upNever);
    edit->SetText("  mailto:someone@example.org ");
    edit->ActivateLink();
    edit->SetText("   ");
    edit->ActivateLink();
    EXPECT_EQ(opener.Log(), "http://example.org/a b;$(touch x)\nmailto:someone@example.org\n");
}

TEST_F(HyperLinkEditTest, RefusesOtherSchemesAndReportsAFailedOpener) {
    FakeOpener opener;
    TcxHyperLinkEdit* edit = NewLink("");
    edit->GetProperties()->SetUsePrefix(upNever);
    for (const char* refused : {"javascript:alert(1)", "-h", "/etc/passwd", "smb://host/share"}) {
        edit->SetText(refused);
        EXPECT_THROW(edit->ActivateLink(), EcxEditError) << refused;
        EXPECT_FALSE(edit->LastOpenError.empty());
    }
    EXPECT_EQ(OpenLinkAddress("http://a\nb"), TcxLinkOpenResult::NotAllowed);
    EXPECT_EQ(opener.Log(), "");
    // The scheme is matched without regard to case.
    edit->SetText("HTTPS://Example.org");
    EXPECT_EQ(edit->ActivateLink(), TcxLinkOpenResult::Opened);
    edit->SetText("FILE:///tmp/x.txt");
    EXPECT_EQ(edit->ActivateLink(), TcxLinkOpenResult::Opened);
    // An opener that fails is reported, not ignored.
    opener.FailNext();
    edit->SetText("http://example.org");
    EXPECT_THROW(edit->ActivateLink(), EcxEditError);
    EXPECT_NE(edit->LastOpenError.find("http://example.org"), std::string::npos);
}

TEST_F(HyperLinkEditTest, OnStartClickReplacesTheOpenerAndStartKeyFiresIt) {
    FakeOpener opener;
    TcxHyperLinkEdit* edit = NewLink("example.org");
    int started = 0;
    edit->GetProperties()->OnStartClick = [&](TObject*) { ++started; };
    edit->SetFocus();
    Pump();
    CtrlEnter(); // the default start key
    EXPECT_EQ(started, 1);
    edit->GetProperties()->SetStartKey(0);
    CtrlEnter();
    EXPECT_EQ(started, 1); // a zero shortcut never matches
    EXPECT_EQ(opener.Log(), "");
}

TEST_F(HyperLinkEditTest, ADoubleClickOrWithSingleClickAPlainClickOpensTheLink) {
    FakeOpener opener;
    TcxHyperLinkEdit* edit = NewLink("example.org");
    int started = 0;
    edit->GetProperties()->OnStartClick = [&](TObject*) { ++started; };
    HWND inner = edit->GetInnerTextEdit()->GetHandle();
    display.Click(inner, 20, 5);
    Pump();
    EXPECT_EQ(started, 0);
    // The second press of a double click, then its release.
    SendMessage(inner, WM_LBUTTONDBLCLK, MK_LBUTTON, MakeLParam(20, 5));
    display.ReleaseMouse(inner, 20, 5);
    Pump();
    EXPECT_EQ(started, 1);

    edit->GetProperties()->SetSingleClick(true);
    EXPECT_EQ(edit->GetProperties()->GetCapabilities() & 1, 1);
    edit->SetSelection(0, 0);
    display.Click(inner, 40, 5);
    Pump();
    EXPECT_EQ(started, 2);
    // Selecting part of the text with the mouse does not open the link.
    display.PressMouse(inner, 2, 5);
    display.MoveMouse(inner, 60, 5);
    display.ReleaseMouse(inner, 60, 5);
    Pump();
    EXPECT_EQ(started, 2);
}

TEST_F(HyperLinkEditTest, TheLinkIsUnderlinedInLinkColorAndCellsFollowTheSelection) {
    TcxHyperLinkEdit* edit = NewLink("example.org");
    EXPECT_EQ(edit->GetStyle()->GetTextColor(), clBlue);
    EXPECT_TRUE(edit->GetStyle()->GetTextStyle() & fsUnderline);
    EXPECT_TRUE(edit->GetInnerTextEdit()->GetFont()->GetStyle() & fsUnderline); // what the user sees
    edit->SetFocus();
    Pump();
    ASSERT_TRUE(edit->ShowsInnerEdit());
    EXPECT_TRUE(edit->GetInnerTextEdit()->GetFont()->GetStyle() & fsUnderline) << "focused and edited too";
    // The native edit draws with the underlined font, not its default one.
    LOGFONT drawn{};
    const auto windowFont =
        reinterpret_cast<HFONT>(SendMessage(edit->GetInnerTextEdit()->GetHandle(), WM_GETFONT, 0, 0));
    ASSERT_TRUE(GetObject(windowFont, drawn));
    EXPECT_TRUE(drawn.lfUnderline);
    // And the line is on screen: a row of the text box holds a long run of the link colour.
    edit->GetInnerTextEdit()->SetSelStart(0); // the caret alone, no selection over the text
    Pump();
    EXPECT_GE(LongestLinkColourRun(edit), 30);
    edit->GetProperties()->SetLinkColor(clRed);
    EXPECT_EQ(edit->GetStyle()->GetTextColor(), clRed);

    // A grid cell: no live editor.
    TcxHyperLinkEditViewInfo cell;
    cell.Properties = edit->GetProperties();
    cell.TextColor = clHighlightText;
    TFont font;
    cell.PrepareTextFont(&font);
    EXPECT_EQ(font.GetColor(), clRed);
    EXPECT_TRUE(font.GetStyle() & fsUnderline);
    cell.Selected = true;
    cell.PrepareTextFont(&font);
    EXPECT_EQ(font.GetColor(), clHighlightText);
}

TEST_F(HyperLinkEditTest, StreamsThePrefixOnlyWhenItIsNotTheDefault) {
    TcxHyperLinkEditProperties p(nullptr);
    auto written = [&] {
        TMemoryStream stream;
        TWriter writer(stream);
        writer.WriteDefinedProperties(p);
        return stream.GetSize();
    };
    const auto plain = written();
    p.SetPrefix("ftp://");
    EXPECT_GT(written(), plain);
    TMemoryStream stream;
    TWriter writer(stream);
    writer.WriteDefinedProperties(p);
    stream.SetPosition(0);
    TcxHyperLinkEditProperties copy(nullptr);
    TReader reader(stream);
    reader.ReadDefinedProperties(copy);
    EXPECT_EQ(copy.GetPrefix(), "ftp://");
    p.SetPrefix("http://");
    EXPECT_EQ(written(), plain);
}

TEST_F(HyperLinkEditTest, RegistersTheKindAndItsFilterHelper) {
    InitializeHyperLinkEditUnit();
    InitializeHyperLinkEditUnit();
    TcxRegisteredClasses* registry = GetEditPropertiesRegistry();
    const int index = registry->IndexOfClass(TcxHyperLinkEditProperties::StaticClass());
    ASSERT_GE(index, 0);
    EXPECT_EQ(registry->GetDescription(index), "HyperLink|Represents a text editor with hyperlink functionality");
    auto helper = [] { return GetFilterEditHelperRegistry()->LookupHelperClass(TcxHyperLinkEditProperties::StaticClass()); };
    EXPECT_EQ(helper(), TcxFilterHyperLinkEditHelper::StaticClass());
    FinalizeHyperLinkEditUnit();
    EXPECT_EQ(helper(), TcxFilterHyperLinkEditHelper::StaticClass());
    FinalizeHyperLinkEditUnit();
    EXPECT_NE(helper(), TcxFilterHyperLinkEditHelper::StaticClass());
}

} // namespace
} // namespace zorvy::test
