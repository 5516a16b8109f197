// The editor control's mouse, accelerator and clipboard messages, driven through the headless
// display: button clicks at double-click speed, Alt+letter on button captions, WM_CUT and WM_PASTE
// on a read-only editor, the context menu of an in-place editor, presses over a clipped child.
#include "controls/editors/framework/Edit.h"
#include "platform/gdi/Region.h"
#include "platform/win/Messages.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zorvy::test {
namespace {

// Records the clipboard operations the editor chose and whether they ran as the user's change.
class TClipboardEdit : public TcxCustomEdit {
  public:
    using TcxCustomEdit::TcxCustomEdit;
    std::vector<std::string> Log;
    void CopyToClipboard() override { Log.push_back(IsUserChange() ? "copy (user)" : "copy"); }
    void CutToClipboard() override { Log.push_back(IsUserChange() ? "cut (user)" : "cut"); }
    void PasteFromClipboard() override { Log.push_back(IsUserChange() ? "paste (user)" : "paste"); }
};

// A plain windowed child that records its presses.
class TPressRecorder : public TCustomControl {
  public:
    using TCustomControl::TCustomControl;
    std::vector<TPoint> Presses;

  protected:
    void MouseDown(TMouseButton, TShiftState, int x, int y) override { Presses.push_back({x, y}); }
};

class EditInputTest : public EditorsTest {
  protected:
    TClipboardEdit* NewEdit(bool inplace = false) {
        form = NewForm();
        auto* edit = new TClipboardEdit(form, inplace);
        edit->SetAutoSize(false); // the base kind measures no content of its own
        edit->SetParent(form);
        edit->SetBounds(10, 10, 150, 21);
        form->Show();
        Pump();
        return edit;
    }
    TcxEditButton* AddButton(TcxCustomEdit* edit, TcxEditButtonKind kind, const std::string& caption = {}) {
        TcxEditButton* button = edit->GetProperties()->GetButtons()->AddButton();
        button->SetKind(kind);
        button->SetCaption(caption);
        return button;
    }
    TForm* form = nullptr;
};

TEST_F(EditInputTest, ClicksOnAButtonAtDoubleClickSpeedAllCount) {
    TClipboardEdit* edit = NewEdit();
    AddButton(edit, bkEllipsis);
    Pump();
    std::vector<int> clicks;
    int doubleClicks = 0;
    edit->GetProperties()->OnButtonClick = [&](TObject*, int index) { clicks.push_back(index); };
    edit->OnDblClick = [&](TObject*) { ++doubleClicks; };
    const TRect b = edit->GetEditViewInfo()->Button(0)->Bounds;
    const TPoint centre{(b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2};
    display.Click(edit->GetHandle(), centre.X, centre.Y);
    display.Click(edit->GetHandle(), centre.X, centre.Y);
    Pump();
    EXPECT_EQ(clicks, (std::vector<int>{0, 0}));
    EXPECT_EQ(doubleClicks, 0);

    // Away from the buttons a double click is one.
    Wait(GetDoubleClickTime() + 10);
    display.Click(edit->GetHandle(), 5, 5);
    display.Click(edit->GetHandle(), 5, 5);
    Pump();
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(EditInputTest, AltLetterClicksTheFirstEnabledShownButtonWithThatAccelerator) {
    TClipboardEdit* edit = NewEdit();
    AddButton(edit, bkText, "&Hidden")->SetVisible(false);
    AddButton(edit, bkText, "&Go");
    AddButton(edit, bkText, "&Stop")->SetEnabled(false);
    Pump();
    std::vector<int> clicks;
    edit->GetProperties()->OnButtonClick = [&](TObject*, int index) { clicks.push_back(index); };
    struct Case {
        char32_t key;
        LRESULT handled;
        std::vector<int> clicks;
    };
    for (const Case& c : {Case{U'g', 1, {1}}, Case{U'G', 1, {1}}, Case{U's', 0, {}}, Case{U'h', 0, {}}}) {
        clicks.clear();
        EXPECT_EQ(form->Perform(CM_DIALOGCHAR, c.key, 0), c.handled) << char(c.key);
        EXPECT_EQ(clicks, c.clicks) << char(c.key);
    }
}

TEST_F(EditInputTest, CutOnAReadOnlyEditorCopiesAndPasteDoesNothing) {
    TClipboardEdit* edit = NewEdit();
    edit->Perform(WM_CUT);
    edit->Perform(WM_PASTE);
    edit->Perform(WM_COPY);
    EXPECT_EQ(edit->Log, (std::vector<std::string>{"cut (user)", "paste (user)", "copy"}));
    EXPECT_FALSE(edit->IsUserChange());

    edit->Log.clear();
    edit->GetProperties()->SetReadOnly(true);
    edit->Perform(WM_CUT);
    edit->Perform(WM_PASTE);
    EXPECT_EQ(edit->Log, (std::vector<std::string>{"copy (user)"}));
}

TEST_F(EditInputTest, AnInPlaceEditorKeepsItsContextMenuFromTheGrid) {
    for (bool inplace : {false, true}) {
        TClipboardEdit* edit = NewEdit(inplace);
        edit->SetVisible(true);
        int gridMenus = 0;
        form->OnContextPopup = [&](TObject*, TPoint, bool& handled) {
            ++gridMenus;
            handled = true;
        };
        SendMessage(edit->GetHandle(), WM_CONTEXTMENU, edit->GetHandle(), MakeLParam(70, 70));
        EXPECT_EQ(gridMenus, inplace ? 0 : 1) << inplace;
        delete form;
    }
}

TEST_F(EditInputTest, APressOverAChildOutsideItsWindowShapeReachesTheChild) {
    TClipboardEdit* edit = NewEdit();
    auto* child = new TPressRecorder(edit);
    child->SetParent(edit);
    child->SetBounds(20, 2, 60, 15);
    Pump();
    const TRegion leftPart(Rect(0, 0, 10, 15)); // the child's window covers only its left end
    SetWindowRgn(child->GetHandle(), &leftPart, false);
    display.Click(edit->GetHandle(), 50, 8);
    Pump();
    EXPECT_EQ(child->Presses, (std::vector<TPoint>{{30, 6}}));
}

} // namespace
} // namespace zorvy::test
