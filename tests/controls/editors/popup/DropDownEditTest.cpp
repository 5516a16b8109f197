#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/popup/PopupEdit.h"
#include "tests/controls/editors/EditorsFixture.h"

#include "platform/classlib/stdctrls/Panels.h"
#include "platform/win/Input.h"
#include "platform/win/SystemInfo.h"
#include "platform/win/VirtualKeys.h"

#include <vector>

namespace zorvy::test {
namespace {

// A drop-down editor whose popup holds nothing but has a size.
class TPlainDropDown : public TcxCustomDropDownEdit {
  public:
    using TcxCustomDropDownEdit::TcxCustomDropDownEdit;
    bool CanDropDown() override { return true; }
    TSize CalcPopupSize() override { return {120, 80}; }
};

class DropDownEdit : public EditorsTest {
  protected:
    // The editors go with the form, while the reasons they report can still be written.
    ~DropDownEdit() override { delete form; }
    template <class TEdit>
    TEdit* Place(TEdit* edit) {
        form = form ? form : NewForm(400, 300);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 100, 21);
        form->Show();
        Pump();
        auto* p = static_cast<TcxCustomDropDownEditProperties*>(edit->GetProperties());
        p->OnClosePopup = [this](TObject*, int reason) { reasons.push_back(reason); };
        return edit;
    }
    void Key(std::uint16_t vk) {
        InjectKey(vk, true);
        InjectKey(vk, false);
        Pump();
    }
    TForm* form = nullptr;
    std::vector<int> reasons;
};

TEST_F(DropDownEdit, SettingsKeepTheirLimits) {
    TcxCustomDropDownEditProperties p(nullptr);
    ASSERT_EQ(p.GetButtons()->GetCount(), 1);
    EXPECT_EQ(p.GetButtons()->ButtonAt(0)->GetKind(), bkDown);
    p.SetPopupMinHeight(50);
    p.SetPopupHeight(20);
    EXPECT_EQ(p.GetPopupHeight(), 50);
    p.SetPopupWidth(-5);
    EXPECT_EQ(p.GetPopupWidth(), 0) << "the editor's width";
    p.SetPopupMinWidth(80);
    p.SetPopupWidth(30);
    EXPECT_EQ(p.GetPopupWidth(), 80);
    p.SetPopupMinHeight(-3);
    EXPECT_EQ(p.GetPopupMinHeight(), 0);
    for (TAlignment a : {taLeftJustify, taRightJustify, taCenter}) {
        p.SetPopupAlignment(a);
        EXPECT_EQ(p.GetPopupAlignment(), a);
    }
    p.SetPopupAlignment(taRightJustify);
    EXPECT_EQ(p.GetPopupHorzAlignment(), phaRight);

    TcxPopupEditProperties popup(nullptr);
    EXPECT_EQ(popup.GetPopupWidth(), 250);
    EXPECT_EQ(popup.GetPopupHeight(), 200);
    EXPECT_EQ(popup.GetPopupMinWidth(), 100);
    EXPECT_EQ(popup.GetPopupMinHeight(), 100);
    EXPECT_TRUE(popup.GetPopupSizeable());
    EXPECT_TRUE(popup.GetPopupAutoSize());
    EXPECT_TRUE(popup.ImmediatePopup);
    TcxCustomDropDownEditProperties copy(nullptr);
    copy.Assign(&popup);
    EXPECT_EQ(copy.GetPopupWidth(), 250);
    EXPECT_EQ(copy.GetPopupMinHeight(), 100);
}

TEST_F(DropDownEdit, F4OpensAndClosesWithTheToggleReasonEscCancelsAndEnterAcceptsOnlyWhenEditingIsGranted) {
    auto* edit = Place(new TPlainDropDown(nullptr));
    edit->SetFocus();
    Pump();
    Key(VK_F4);
    ASSERT_TRUE(edit->GetDroppedDown());
    const TRect owner = edit->GetPopupOwnerRect();
    TcxCustomEditPopupWindow* popup = edit->GetPopupWindow();
    const TcxFrameExtent e = popup->GetClientExtent();
    EXPECT_EQ(popup->GetBoundsRect(), Bounds(50 + owner.Left, 50 + owner.Bottom, 120 + e.Width(), 80 + e.Height()))
        << "below the editor";
    Key(VK_F4);
    EXPECT_FALSE(edit->GetDroppedDown());
    Key(VK_F4);
    Key(VK_ESCAPE);
    EXPECT_FALSE(edit->GetDroppedDown());
    Key(VK_F4);
    Key(VK_RETURN);
    bool granted = false;
    edit->OnEditing = [&](TObject*, bool& canEdit) { canEdit = granted; };
    Key(VK_F4);
    Key(VK_RETURN);
    EXPECT_FALSE(edit->GetDroppedDown());
    EXPECT_EQ(reasons, (std::vector<int>{crToggle, crCancel, crEnter, crCancel}));
    EXPECT_FALSE(edit->IsPopupPrepared()) << "each close-up finished its cycle";
}

TEST_F(DropDownEdit, TheDropDownButtonOpensAndAClickOnTheEditorOrItsButtonCloses) {
    auto* edit = Place(new TPlainDropDown(nullptr));
    edit->SetFocus();
    Pump();
    const TPoint button{50 + 10 + 100 - 8, 50 + 10 + 10};
    InjectMouseMove(button);
    InjectMouseButton(TInputButton::Left, true, button);
    InjectMouseButton(TInputButton::Left, false, button);
    Pump();
    ASSERT_TRUE(edit->GetDroppedDown());
    InjectMouseButton(TInputButton::Left, true, button);
    InjectMouseButton(TInputButton::Left, false, button);
    Pump();
    EXPECT_FALSE(edit->GetDroppedDown()) << "the click that closes it does not open it again";
    edit->DropDown();
    Pump();
    const TPoint text{50 + 10 + 20, 50 + 10 + 10};
    InjectMouseMove(text);
    InjectMouseButton(TInputButton::Left, true, text);
    InjectMouseButton(TInputButton::Left, false, text);
    Pump();
    EXPECT_FALSE(edit->GetDroppedDown());
    EXPECT_EQ(reasons, (std::vector<int>{crUnknown, crUnknown}));
    InjectMouseMove(button);
    InjectMouseButton(TInputButton::Left, true, button);
    InjectMouseButton(TInputButton::Left, false, button);
    Pump();
    EXPECT_TRUE(edit->GetDroppedDown()) << "a click on the closed editor's button opens it again";
}

TEST_F(DropDownEdit, KeepButtonPressedHoldsTheArrowDownWhileOpenWithoutPressingOrClickingIt) {
    auto* edit = Place(new TPlainDropDown(nullptr));
    auto* p = static_cast<TcxCustomDropDownEditProperties*>(edit->GetProperties());
    p->KeepButtonPressed = true;
    int clicks = 0;
    p->OnButtonClick = [&](TObject*, int) { ++clicks; };
    edit->SetFocus();
    Pump();
    auto arrow = [&] { return edit->GetEditViewInfo()->Button(0)->State; };
    const TPoint button{50 + 10 + 100 - 8, 50 + 10 + 10};
    for (const bool resting : {false, true}) {
        SCOPED_TRACE(resting ? "the pointer resting on the arrow" : "the pointer away");
        InjectMouseMove(resting ? button : TPoint{5, 5});
        Pump();
        Key(VK_F4);
        ASSERT_TRUE(edit->GetDroppedDown()) << "holding the arrow down does not press it shut";
        EXPECT_EQ(arrow(), ebsPressed);
        Key(VK_F4);
        EXPECT_FALSE(edit->GetDroppedDown());
        EXPECT_NE(arrow(), ebsPressed) << "released as it closes";
        EXPECT_EQ(clicks, 0) << "the hold ending is no click";
    }
    InjectMouseButton(TInputButton::Left, true, button);
    InjectMouseButton(TInputButton::Left, false, button);
    Pump();
    ASSERT_TRUE(edit->GetDroppedDown());
    EXPECT_EQ(arrow(), ebsPressed) << "still down after the release";
    InjectMouseButton(TInputButton::Left, true, button);
    InjectMouseButton(TInputButton::Left, false, button);
    Pump();
    EXPECT_FALSE(edit->GetDroppedDown()) << "the click on the held arrow closes it and does not reopen it";
    InjectMouseMove({button.X - 1, button.Y});
    Pump();
    EXPECT_NE(arrow(), ebsPressed);
    EXPECT_EQ(reasons, (std::vector<int>{crToggle, crToggle, crUnknown}));

    p->KeepButtonPressed = false;
    Key(VK_F4);
    ASSERT_TRUE(edit->GetDroppedDown());
    EXPECT_NE(arrow(), ebsPressed) << "without the flag the arrow is not held";
}

TEST_F(DropDownEdit, AStandaloneEditorRemembersTheSizeTheUserGaveItsPopup) {
    auto* edit = Place(new TPlainDropDown(nullptr));
    auto* p = static_cast<TcxCustomDropDownEditProperties*>(edit->GetProperties());
    p->SetPopupSizeable(true);
    p->SetPopupSysPanelStyle(true);
    p->SetPopupAutoSize(false);
    edit->DropDown();
    Pump();
    TcxCustomEditPopupWindow* popup = edit->GetPopupWindow();
    const TPoint grip{popup->GetLeft() + popup->GetWidth() - 6, popup->GetTop() + popup->GetHeight() - 6};
    InjectMouseMove(grip);
    InjectMouseButton(TInputButton::Left, true, grip);
    InjectMouseMove({grip.X + 30, grip.Y + 20});
    InjectMouseButton(TInputButton::Left, false, {grip.X + 30, grip.Y + 20});
    Pump();
    const TSize sized{popup->GetWidth(), popup->GetHeight()};
    edit->SetDroppedDown(false);
    EXPECT_EQ(p->GetPopupWidth(), sized.cx);
    EXPECT_EQ(p->GetPopupHeight(), sized.cy);
    edit->DropDown();
    Pump();
    EXPECT_EQ(popup->GetWidth(), sized.cx) << "the next drop-down opens at that size";
    EXPECT_EQ(popup->GetHeight(), sized.cy);
}

TEST_F(DropDownEdit, TheDropDownButtonShowsAUsableGlyphAndTheArrowOtherwise) {
    TcxCustomDropDownEditProperties p(nullptr);
    TBitmap glyph;
    glyph.SetSize(12, 12);
    p.SetButtonGlyph(&glyph);
    EXPECT_EQ(p.GetButtons()->ButtonAt(0)->GetKind(), bkGlyph);
    TBitmap empty;
    p.SetButtonGlyph(&empty);
    EXPECT_EQ(p.GetButtons()->ButtonAt(0)->GetKind(), bkDown);
    p.SetButtonGlyph(&glyph);
    p.GetButtons()->AddButton()->SetKind(bkEllipsis);
    p.MoveGlyphToButton(1);
    EXPECT_EQ(p.GetDropDownButtonIndex(), 1);
    EXPECT_EQ(p.GetButtons()->ButtonAt(1)->GetKind(), bkGlyph);
    EXPECT_EQ(p.GetButtonGlyph()->GetWidth(), 12);
    EXPECT_EQ(p.GetButtons()->ButtonAt(0)->PeekGlyph(), nullptr);
}

TEST_F(DropDownEdit, APasteThatChangesTheTextOpensThePopup) {
    auto* edit = Place(new TPlainDropDown(nullptr));
    edit->SetFocus();
    Pump();
    SetClipboardText("");
    edit->PasteFromClipboard();
    Pump();
    EXPECT_FALSE(edit->GetDroppedDown()) << "nothing changed";
    SetClipboardText("红球");
    edit->PasteFromClipboard();
    Pump();
    EXPECT_EQ(edit->GetText(), "红球");
    EXPECT_TRUE(edit->GetDroppedDown());
}

class PopupEdit : public DropDownEdit {
  protected:
    // A panel of 300 x 150 on the form, at (150, 100), hidden.
    void Build() {
        form = NewForm(600, 400);
        panel = new TPanel(form);
        panel->SetParent(form);
        panel->SetBounds(150, 100, 300, 150);
        panel->SetAlign(alNone);
        panel->SetVisible(false);
        edit = Place(new TcxPopupEdit(nullptr));
        properties()->SetPopupControl(panel);
    }
    TcxCustomPopupEditProperties* properties() { return edit->GetPopupEditProperties(); }
    TPanel* panel = nullptr;
    TcxPopupEdit* edit = nullptr;
};

TEST_F(PopupEdit, TheControlFillsThePopupAndComesBackUnchanged) {
    Build();
    edit->DropDown();
    Pump();
    ASSERT_TRUE(edit->GetDroppedDown());
    TcxCustomEditPopupWindow* popup = edit->GetPopupWindow();
    EXPECT_EQ(panel->GetParent(), popup);
    EXPECT_TRUE(panel->GetVisible());
    EXPECT_EQ(popup->GetPopupViewInfo()->ClientRect.Width(), 300);
    EXPECT_EQ(popup->GetPopupViewInfo()->ClientRect.Height(), 150);
    EXPECT_EQ(panel->GetWidth(), 300);
    edit->CloseWithReason(crEnter);
    Pump();
    EXPECT_FALSE(edit->GetDroppedDown());
    EXPECT_EQ(reasons, std::vector<int>{crEnter});
    EXPECT_EQ(panel->GetParent(), form);
    EXPECT_EQ(panel->GetAlign(), alNone);
    EXPECT_EQ(panel->GetBoundsRect(), Bounds(150, 100, 300, 150));
    EXPECT_FALSE(panel->GetVisible());

    properties()->SetPopupAutoSize(false);
    edit->DropDown();
    Pump();
    EXPECT_EQ(popup->GetWidth(), 250);
    EXPECT_EQ(popup->GetHeight(), 200);
    EXPECT_EQ(panel->GetWidth(), popup->GetPopupViewInfo()->ClientRect.Width()) << "stretched to the popup";
    edit->SetDroppedDown(false);
    EXPECT_EQ(panel->GetBoundsRect(), Bounds(150, 100, 300, 150));
}

TEST_F(PopupEdit, AControlHoldingTheEditorIsRefusedAndAFreedOneClearsTheProperty) {
    Build();
    auto* holder = new TPanel(form);
    holder->SetParent(form);
    holder->SetBounds(0, 200, 200, 60);
    edit->SetParent(holder);
    edit->SetBounds(5, 5, 100, 21);
    Pump();
    properties()->SetPopupControl(holder);
    try {
        edit->DropDown();
        FAIL() << "no error";
    } catch (const EcxEditError& e) {
        EXPECT_STREQ(e.what(), "Circular referencing is not allowed");
    }
    EXPECT_FALSE(edit->IsPopupPrepared());
    Pump();
    EXPECT_FALSE(edit->GetDroppedDown());

    properties()->SetPopupControl(panel);
    delete panel;
    EXPECT_EQ(properties()->GetPopupControl(), nullptr);
    EXPECT_FALSE(edit->CanDropDown());
}

TEST_F(PopupEdit, ALetterTypedIntoTheEditorOpensThePopupAndReachesItsFocusedControlWhole) {
    Build();
    auto* sink = new TCharSink(panel);
    sink->SetParent(panel);
    sink->SetBounds(10, 10, 100, 30);
    properties()->SetPopupControl(sink);
    edit->SetFocus();
    Pump();
    InjectText("中");
    Pump();
    ASSERT_TRUE(edit->GetDroppedDown());
    EXPECT_EQ(sink->Typed, U"中");
    EXPECT_EQ(edit->GetText(), "") << "the editor kept nothing of it";
}

TEST_F(PopupEdit, InPlaceThePopupOpensAsTheEditorStartsAndTheStartingKeyReachesTheControl) {
    form = NewForm(600, 400);
    panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(150, 100, 200, 120);
    panel->SetVisible(false);
    auto* sink = new TCharSink(panel);
    sink->SetParent(panel);
    sink->SetBounds(10, 10, 100, 30);
    edit = Place(new TcxPopupEdit(nullptr, true));
    properties()->SetPopupControl(sink);
    TcxCustomEditData* data = nullptr;
    edit->ActivateInplace(U'红', data);
    Pump();
    ASSERT_TRUE(edit->GetDroppedDown());
    EXPECT_EQ(sink->Typed, U"红");
    EXPECT_EQ(edit->GetText(), "");
    ASSERT_NE(dynamic_cast<TcxCustomDropDownEditData*>(data), nullptr);
    edit->SetDroppedDown(false);
    delete data;
}

TEST_F(PopupEdit, DestroyingTheEditorWithItsPopupOpenGivesTheControlBack) {
    Build();
    edit->DropDown();
    Pump();
    ASSERT_TRUE(edit->GetDroppedDown());
    delete edit;
    EXPECT_EQ(panel->GetParent(), form);
    EXPECT_FALSE(panel->GetVisible());
}

TEST_F(PopupEdit, RegistersItsSettingsAsAnEditorKind) {
    InitializePopupEditUnit();
    InitializePopupEditUnit();
    TcxRegisteredClasses* registry = GetEditPropertiesRegistry();
    const int index = registry->IndexOfClass(TcxPopupEditProperties::StaticClass());
    ASSERT_GE(index, 0);
    EXPECT_EQ(registry->GetDescription(index), "PopupEdit|Represents an edit control with a dropdown list");
    FinalizePopupEditUnit();
    FinalizePopupEditUnit();
}

} // namespace
} // namespace zorvy::test
