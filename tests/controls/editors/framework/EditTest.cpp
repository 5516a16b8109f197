// The editor control's value cycle driven through the headless display with real key messages: event
// order, permission, holds, validation, posting, Escape and the click key.
#include "controls/editors/framework/Edit.h"
#include "platform/win/Input.h"
#include "platform/win/Timers.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zorvy::test {
namespace {

// Settings of a text-like editor kind: it validates, shows text and keeps the entry value.
class TTextLikeProperties : public TcxCustomEditProperties {
    ZORVY_CLASS(TTextLikeProperties, TcxCustomEditProperties)
  public:
    explicit TTextLikeProperties(TPersistent* owner) : TcxCustomEditProperties(owner) {}
    bool SupportsValidation() const override { return true; }
    bool HasTextContent() const override { return TextContent; }
    bool KeepsEntryValue() const override { return true; }
    bool ComparesValueOnChange() const override { return Compares; }
    bool TextContent = true;
    bool Compares = false;
};

// An editor whose "inner edit" is a string: typed characters are appended to it.
class TTextLikeEdit : public TcxCustomEdit {
  public:
    explicit TTextLikeEdit(TComponent* owner, bool inplace = false)
        : TcxCustomEdit(owner, inplace, TTextLikeProperties::StaticClass()) {}
    TTextLikeProperties* Props() { return static_cast<TTextLikeProperties*>(GetProperties()); }
    std::string Text;
    bool Editable = true;
    std::string ReadDisplayText() override { return Text; }
    void ShowDisplayValue(const Variant& v) override { Text = VarToStr(v); }
    void ShowEditValue() override { Text = VarToStr(GetEditValue()); }
    void ApplyDisplayValue(const Variant& v) override { StoreEditValue(v); }
    Variant GetTypedValue() override { return Variant(Text); }
    bool IsEditingChar(char32_t c) const override { return c >= 32; }
    bool CanEditNow() const override { return Editable; }

  protected:
    void ProcessEditKeyPress(char32_t& c) override {
        if (FilterKeyPress(c) && c >= 32) {
            Text += static_cast<char>(c);
            ValueChangedByUser();
        }
    }
};

// The per-activation data of a kind that keeps some: counts its initialisations.
class TCountedEditData : public TcxCustomEditData {
    ZORVY_CLASS(TCountedEditData, TcxCustomEditData)
  public:
    using TcxCustomEditData::TcxCustomEditData;
    int Inits = 0;
};

class TDataKeepingEdit : public TTextLikeEdit {
  public:
    using TTextLikeEdit::TTextLikeEdit;
    const TMetaClass* GetEditDataClass() const override { return TCountedEditData::StaticClass(); }
    void InitEditData(TcxCustomEditData* data) override { ++static_cast<TCountedEditData*>(data)->Inits; }
};

class EditTest : public EditorsTest {
  protected:
    TTextLikeEdit* NewEdit(bool inplace = false) {
        form = NewForm();
        auto* edit = new TTextLikeEdit(form, inplace);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 120, 21);
        other = new TTextLikeEdit(form);
        other->SetParent(form);
        other->SetBounds(10, 40, 120, 21);
        form->Show();
        Pump();
        edit->Props()->OnChange = [this](TObject*) { log.push_back("change"); };
        edit->Props()->OnEditValueChanged = [this](TObject*) { log.push_back("value"); };
        edit->OnEditing = [this](TObject*, bool&) { log.push_back("editing"); };
        return edit;
    }
    void Focus(TWinControl* c) {
        c->SetFocus();
        Pump();
    }
    TForm* form = nullptr;
    TTextLikeEdit* other = nullptr;
    std::vector<std::string> log;
};

TEST_F(EditTest, TypingAsksPermissionOnceThenReportsEachChange) {
    TTextLikeEdit* edit = NewEdit();
    Focus(edit);
    display.TypeText("ab");
    Pump();
    EXPECT_EQ(edit->Text, "ab");
    EXPECT_EQ(log, (std::vector<std::string>{"editing", "change", "change"}));
    EXPECT_TRUE(edit->IsChangedSinceEnter());
    EXPECT_TRUE(edit->GetModified());

    // A value stored by program fires nothing when the kind does not compare values.
    log.clear();
    edit->SetEditValue(Variant("xyz"));
    EXPECT_EQ(edit->Text, "xyz");
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(edit->GetModified());
}

TEST_F(EditTest, TheCurrentValueIsTheTypedOneUntilItIsValidated) {
    TTextLikeEdit* edit = NewEdit();
    edit->SetEditValue(Variant("old"));
    Focus(edit);
    display.TypeText("x");
    Pump();
    EXPECT_EQ(VarToStr(edit->GetEditValue()), "old");
    EXPECT_EQ(VarToStr(edit->GetCurrentValue()), "oldx");
    EXPECT_TRUE(edit->ValidateInput(true));
    edit->Text = "shown only";
    EXPECT_EQ(VarToStr(edit->GetCurrentValue()), "oldx");
}

TEST_F(EditTest, KeysLeftToTheEditorAndTransparencyInPlace) {
    TTextLikeEdit* edit = NewEdit();
    edit->GetProperties()->ClearKey = ShortCut(VK_DELETE, ssCtrl);
    edit->GetProperties()->GetButtons()->AddButton()->SetKind(bkEllipsis);
    Pump();
    struct Case {
        std::uint16_t key;
        TShiftState shift;
        bool left;
    };
    for (const Case& c : {Case{VK_DELETE, ssCtrl, true}, Case{VK_DELETE, 0, false}, Case{VK_RETURN, ssCtrl, false}}) {
        EXPECT_EQ(edit->IsClearOrClickKey(c.key, c.shift), c.left) << c.key;
    }
    edit->GetProperties()->GetButtons()->ButtonAt(0)->SetDefault(true);
    Pump();
    EXPECT_TRUE(edit->IsClearOrClickKey(VK_RETURN, ssCtrl)); // with a default button

    edit->SetTransparent(true);
    EXPECT_TRUE(edit->IsTransparent());
    TTextLikeEdit* cell = new TTextLikeEdit(form, true);
    cell->SetTransparent(true);
    EXPECT_FALSE(cell->IsTransparent());
}

TEST_F(EditTest, RefusedPermissionDropsTheCharacterAndValueSetsInsideOnEditingAreIgnored) {
    TTextLikeEdit* edit = NewEdit();
    edit->OnEditing = [&](TObject*, bool& canEdit) {
        edit->SetEditValue(Variant("sneaky"));
        canEdit = false;
    };
    Focus(edit);
    display.TypeText("a");
    Pump();
    EXPECT_EQ(edit->Text, "");
    EXPECT_TRUE(edit->GetEditValue().IsNull());
    EXPECT_FALSE(edit->IsChangedSinceEnter());
}

TEST_F(EditTest, NestedHoldsFireEachEventOnceAfterTheOuterRelease) {
    TTextLikeEdit* edit = NewEdit();
    edit->Props()->TextContent = false; // OnChange brings OnEditValueChanged along
    edit->HoldChangeEvents(true, true);
    edit->HoldChangeEvents(true, true);
    edit->NotifyChanged();
    edit->NotifyChanged();
    edit->HoldChangeEvents(false, true);
    EXPECT_TRUE(log.empty());
    edit->HoldChangeEvents(false, true);
    EXPECT_EQ(log, (std::vector<std::string>{"change", "value"}));

    log.clear();
    edit->HoldChangeEvents(true, true);
    edit->NotifyChanged();
    edit->HoldChangeEvents(false, false);
    EXPECT_TRUE(log.empty());

    // A comparing kind reports a program's value only when it really changed.
    edit->Props()->Compares = true;
    edit->SetEditValue(Variant(5));
    EXPECT_EQ(log, (std::vector<std::string>{"value", "change"}));
    log.clear();
    edit->SetEditValue(Variant(5));
    EXPECT_TRUE(log.empty());
}

TEST_F(EditTest, ValidateHandlersCorrectTheText) {
    TTextLikeEdit* edit = NewEdit();
    Focus(edit);
    display.TypeText("12a");
    Pump();
    edit->Props()->OnValidate = [](TObject*, Variant& value, std::string&, bool& error) {
        value = Variant("12");
        error = false;
    };
    EXPECT_TRUE(edit->ValidateInput(true));
    EXPECT_EQ(VarToStr(edit->GetEditValue()), "12");
    EXPECT_TRUE(edit->IsInputValidated());

    display.TypeText("b");
    Pump();
    edit->Props()->OnValidate = [](TObject*, Variant& value, std::string& errorText, bool& error) {
        value = Variant("12");
        errorText = "only digits";
        error = true;
    };
    try {
        edit->ValidateInput(true);
        FAIL() << "no validation error";
    } catch (const EcxEditValidationError& e) {
        EXPECT_STREQ(e.what(), "only digits");
    }
    EXPECT_EQ(edit->Text, "12");
    EXPECT_FALSE(edit->IsInputValidated());
    EXPECT_TRUE(edit->IsChangedSinceEnter());
}

TEST_F(EditTest, EnterValidatesOnceAndStoresTheTypedValueWhenAsked) {
    TTextLikeEdit* edit = NewEdit();
    edit->Props()->ValidateOnEnter = true;
    std::vector<std::string> validated;
    edit->Props()->OnValidate = [&](TObject*, Variant& value, std::string&, bool&) {
        validated.push_back(VarToStr(value));
    };
    Focus(edit);
    display.TypeText("12");
    Pump();
    display.PressKey(VK_RETURN);
    Pump();
    EXPECT_EQ(validated, std::vector<std::string>{"12"});
    EXPECT_EQ(VarToStr(edit->GetEditValue()), "12");
    EXPECT_TRUE(edit->IsInputValidated());
    EXPECT_TRUE(edit->Focused());
}

TEST_F(EditTest, LeavingWithInvalidInputRaisesAndKeepsTheFocus) {
    TTextLikeEdit* edit = NewEdit();
    std::vector<std::string> errors;
    Application->OnException = [&](TObject*, const std::exception& e) { errors.push_back(e.what()); };
    edit->Props()->OnValidate = [](TObject*, Variant&, std::string&, bool& error) { error = true; };
    Focus(edit);
    display.TypeText("x");
    Pump();
    Focus(other);
    EXPECT_EQ(errors, std::vector<std::string>{"Invalid input value. Use escape key to abandon changes"});
    EXPECT_TRUE(edit->Focused());
    EXPECT_TRUE(edit->IsChangedSinceEnter());
    EXPECT_TRUE(edit->GetModified());
    Application->OnException = nullptr;
}

TEST_F(EditTest, AModalFormClosingWithAResultStoresTheValidInputWithoutAnExit) {
    NewEdit(); // a main form
    auto* dialog = Application->CreateForm<TForm>();
    auto* edit = new TTextLikeEdit(dialog);
    edit->SetParent(dialog);
    auto* second = new TTextLikeEdit(dialog);
    second->SetParent(dialog);
    second->SetTop(30);
    int exits = 0;
    edit->OnExit = [&](TObject*) { ++exits; };
    SetTimer(0, 0, 1, [&](HWND, UINT, std::uintptr_t id, std::uint64_t) {
        KillTimer(0, id);
        edit->SetFocus();
        display.TypeText("42");
        Pump();
        dialog->SetModalResult(mrOk);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(exits, 0);
    EXPECT_EQ(VarToStr(edit->GetEditValue()), "42");

    // Cancelled, the typed text is not taken.
    edit->SetEditValue(Variant("kept"));
    SetTimer(0, 0, 1, [&](HWND, UINT, std::uintptr_t id, std::uint64_t) {
        KillTimer(0, id);
        edit->SetFocus();
        display.TypeText("9");
        Pump();
        dialog->SetModalResult(mrCancel);
    });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(VarToStr(edit->GetEditValue()), "kept");
}

TEST_F(EditTest, EscapeRevertsOnceAndIsSwallowedThenPassesOn) {
    TTextLikeEdit* edit = NewEdit();
    std::vector<char32_t> pressed;
    edit->OnKeyPress = [&](TObject*, char32_t& c) { pressed.push_back(c); };
    Focus(other);
    edit->SetEditValue(Variant("old"));
    Focus(edit); // entering keeps the entry value
    display.TypeText("x");
    Pump();
    EXPECT_EQ(edit->Text, "oldx");
    pressed.clear();
    display.PressKey(VK_ESCAPE);
    Pump();
    EXPECT_EQ(edit->Text, "old");
    EXPECT_EQ(VarToStr(edit->GetEditValue()), "old");
    EXPECT_TRUE(pressed.empty());
    display.PressKey(VK_ESCAPE);
    Pump();
    EXPECT_EQ(pressed, std::vector<char32_t>{27});
}

TEST_F(EditTest, CtrlEnterClicksTheDefaultButtonAndTypesNoEnter) {
    TTextLikeEdit* edit = NewEdit();
    std::vector<int> clicks;
    std::vector<char32_t> pressed;
    edit->OnKeyPress = [&](TObject*, char32_t& c) { pressed.push_back(c); };
    edit->Props()->OnButtonClick = [&](TObject*, int index) { clicks.push_back(index); };
    edit->GetProperties()->GetButtons()->AddButton()->SetKind(bkEllipsis);
    Focus(edit);
    InjectKey(VK_CONTROL, true);
    display.PressKey(VK_RETURN);
    InjectKey(VK_CONTROL, false);
    Pump();
    EXPECT_TRUE(clicks.empty()); // no default button: an ordinary key
    edit->GetProperties()->GetButtons()->ButtonAt(0)->SetDefault(true);
    edit->GetProperties()->GetButtons()->AddButton()->SetKind(bkDown);
    Pump();
    pressed.clear();
    InjectKey(VK_CONTROL, true);
    display.PressKey(VK_RETURN);
    InjectKey(VK_CONTROL, false);
    Pump();
    EXPECT_EQ(clicks, std::vector<int>{0});
    EXPECT_TRUE(pressed.empty());
}

TEST_F(EditTest, ARefusedStoreIsAFailureAndShowsTheStoredValue) {
    TTextLikeEdit* edit = NewEdit();
    edit->SetEditValue(Variant("kept"));
    Focus(edit);
    display.TypeText("z");
    Pump();
    edit->Editable = false;
    edit->BeginUserChange();
    EXPECT_FALSE(edit->ValidateInput(false));
    edit->EndUserChange();
    EXPECT_EQ(edit->Text, "kept");
    EXPECT_EQ(VarToStr(edit->GetEditValue()), "kept");
}

TEST_F(EditTest, AnEditorThatCannotTakeTheFocusKeepsItsInputUnvalidated) {
    TTextLikeEdit* edit = NewEdit();
    Focus(edit);
    display.TypeText("q");
    Pump();
    edit->Props()->OnValidate = [](TObject*, Variant&, std::string&, bool& error) { error = true; };
    Application->OnException = [](TObject*, const std::exception&) {};
    Focus(other); // the error goes to the application's handler
    Application->OnException = nullptr;
    edit->SetVisible(false);
    EXPECT_THROW(edit->ValidateInput(true), EcxEditValidationError);
    EXPECT_FALSE(edit->IsInputValidated());
}

TEST_F(EditTest, AnInPlacePostThatFailsIsReportedAndTheEditorStaysModified) {
    TTextLikeEdit* edit = NewEdit(true);
    edit->ContainerPostHandler = [](TObject*) { throw Exception("record locked"); };
    Focus(edit);
    display.TypeText("7");
    Pump();
    EXPECT_THROW(edit->PostEditValue(false), Exception);
    EXPECT_TRUE(edit->GetModified());
    EXPECT_EQ(edit->Text, "7");
}

TEST_F(EditTest, AnInPlaceEditorStartsWithTheKeyAndHandsNavigationToTheGrid) {
    TTextLikeEdit* edit = NewEdit(true);
    std::vector<std::uint16_t> gridKeys;
    edit->ContainerKeyHandler = [&](TObject*, std::uint16_t& key, TShiftState) { gridKeys.push_back(key); };
    edit->HoldChangeEvents(true, false);
    edit->SetEditValue(Variant("5"));
    edit->HoldChangeEvents(false, false);
    TcxCustomEditData* data = nullptr;
    edit->ActivateInplace(U'7', data);
    Pump();
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->Text, "57");
    EXPECT_EQ(log, (std::vector<std::string>{"editing", "change"}));
    EXPECT_TRUE(edit->GetModified());
    display.PressKey(VK_LEFT);
    display.PressKey(VK_TAB);
    Pump();
    EXPECT_EQ(gridKeys, (std::vector<std::uint16_t>{VK_LEFT, VK_TAB}));
}

TEST_F(EditTest, TheEditDataIsMadeThroughItsClassAndOutlivesItsEditor) {
    form = NewForm();
    auto* edit = new TDataKeepingEdit(form, true);
    edit->SetParent(form);
    TcxCustomEditData* data = nullptr;
    edit->AttachEditData(data);
    ASSERT_NE(data, nullptr);
    std::unique_ptr<TcxCustomEditData> kept(data);
    ASSERT_TRUE(data->Is<TCountedEditData>());
    EXPECT_EQ(data->GetEdit(), edit);
    EXPECT_EQ(static_cast<TCountedEditData*>(data)->Inits, 1);
    EXPECT_FALSE(data->Cleared);
    data->Clear(); // attached: the editor initialises it again at once
    EXPECT_EQ(static_cast<TCountedEditData*>(data)->Inits, 2);
    EXPECT_FALSE(data->Cleared);

    // Through the class alone, as a grid restoring a column would.
    std::unique_ptr<TcxCustomEditData> made(CreateInstance<TcxCustomEditData>(TCountedEditData::StaticClass(), edit));
    EXPECT_EQ(made->GetEdit(), edit);
    EXPECT_TRUE(made->Cleared);
    delete edit;
    EXPECT_EQ(data->GetEdit(), nullptr);
    data->Clear();
    EXPECT_TRUE(data->Cleared);
}

TEST_F(EditTest, ASecondClickSoonAfterAnActivationByMouseIsADoubleClick) {
    TTextLikeEdit* edit = NewEdit(true);
    int doubleClicks = 0;
    edit->OnDblClick = [&](TObject*) { ++doubleClicks; };
    TcxCustomEditData* data = nullptr;
    edit->ActivateByMouse(ssLeft, 30, 15, data);
    Pump();
    display.Click(edit->GetHandle(), 20, 5);
    Pump();
    EXPECT_EQ(doubleClicks, 1);
    Wait(GetDoubleClickTime() + 10);
    display.Click(edit->GetHandle(), 20, 5);
    Pump();
    EXPECT_EQ(doubleClicks, 1);
}

} // namespace
} // namespace zorvy::test
