// The editor control's life around its value: the first parent completes it, loading applies the
// settings once without change events, a stand-alone editor sizes itself to its value and stores
// only the sizes it does not choose; a field-bound editor painted into a copy shows its source's value.
#include "controls/editors/framework/Edit.h"
#include "controls/editors/text/TextEdit.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/Streams.h"
#include "platform/classlib/Bitmap.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zorvy::test {
namespace {

// Counts how often the settings were applied and the value shown.
class TProbeEdit : public TcxCustomEdit {
  public:
    using TcxCustomEdit::TcxCustomEdit;
    std::vector<TcxCustomEditProperties*> Applied;
    int Shown = 0;
    void ApplyPropertiesChange(TcxCustomEditProperties* properties) override {
        Applied.push_back(properties);
        TcxCustomEdit::ApplyPropertiesChange(properties);
    }
    void ShowEditValue() override { ++Shown; }
};

using EditLifecycleTest = EditorsTest;

TEST_F(EditLifecycleTest, TheFirstParentAppliesTheSettingsAndShowsTheValueOnce) {
    TForm* form = NewForm();
    auto* edit = new TProbeEdit(form);
    edit->Applied.clear();
    edit->Shown = 0;
    edit->SetParent(form);
    EXPECT_EQ(edit->Applied, std::vector<TcxCustomEditProperties*>{edit->GetProperties()});
    EXPECT_EQ(edit->Shown, 1);
    TForm* other = NewForm();
    edit->SetParent(nullptr);
    edit->SetParent(other);
    EXPECT_EQ(edit->Applied.size(), 1u);
    EXPECT_EQ(edit->Shown, 1);
}

TEST_F(EditLifecycleTest, LoadingAppliesTheSettingsOnceWithoutChangeEvents) {
    TForm* form = NewForm();
    auto* edit = new TProbeEdit(form);
    edit->SetParent(form);
    TcxEditRepositoryItem item(nullptr);
    int changes = 0;
    edit->GetProperties()->OnChange = [&](TObject*) { ++changes; };
    edit->GetProperties()->OnEditValueChanged = [&](TObject*) { ++changes; };

    // While loading, an item comes and goes: nothing is applied, and the own settings lose their
    // handler until the loading ends.
    edit->SetComponentStateFlag(csLoading, true);
    edit->Applied.clear();
    edit->SetRepositoryItem(&item);
    edit->SetRepositoryItem(nullptr);
    edit->Applied.clear();
    edit->GetProperties()->SetReadOnly(true);
    EXPECT_TRUE(edit->Applied.empty());

    edit->Loaded();
    EXPECT_FALSE(edit->HasState(csLoading));
    EXPECT_EQ(edit->Applied, std::vector<TcxCustomEditProperties*>{edit->GetProperties()});
    EXPECT_EQ(changes, 0);
    edit->Applied.clear();
    edit->GetProperties()->SetReadOnly(false);
    EXPECT_EQ(edit->Applied, std::vector<TcxCustomEditProperties*>{edit->GetProperties()});
}

// A text editor that watches its inner edit's characters while they pass the activation hook.
class TWatchingTextEdit : public TcxTextEdit {
  public:
    using TcxTextEdit::TcxTextEdit;
    std::string Seen;

  protected:
    void CallInnerWindowProc(TMessage& m) override {
        if (m.Msg == WM_CHAR) Seen += static_cast<char>(m.WParam);
        TcxTextEdit::CallInnerWindowProc(m);
    }
};

TEST_F(EditLifecycleTest, TheActivationKeyPassesTheInnerHookAndLaterKeysDoNot) {
    TForm* form = NewForm();
    form->Show();
    auto* edit = new TWatchingTextEdit(form, true);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 100, 21);
    Pump();
    TcxCustomEditData* data = nullptr;
    edit->ActivateInplace(U'7', data);
    Pump();
    EXPECT_EQ(edit->Seen, "7");
    EXPECT_EQ(edit->GetText(), "7");
    display.TypeText("8");
    Pump();
    EXPECT_EQ(edit->GetText(), "78");
    EXPECT_EQ(edit->Seen, "7");
}

// A kind whose view data records the values it is asked to show.
class TRecordingViewData : public TcxCustomEditViewData {
  public:
    TRecordingViewData(TcxCustomEditProperties* p, TcxCustomEditStyle* style, bool inplace, std::vector<std::string>* log)
        : TcxCustomEditViewData(p, style, inplace), log_(log) {}
    void FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo*) override { log_->push_back(VarToStr(value)); }

  private:
    std::vector<std::string>* log_;
};

std::vector<std::string> shownValues;

class TRecordingProperties : public TcxCustomEditProperties {
    ZORVY_CLASS(TRecordingProperties, TcxCustomEditProperties)
  public:
    using TcxCustomEditProperties::TcxCustomEditProperties;
    TcxCustomEditViewData* MakeViewData(TcxCustomEditStyle* style, bool inplace, bool) override {
        return new TRecordingViewData(this, style, inplace, &shownValues);
    }
};

// A binding to a field whose value is "field value" whatever the editor shows.
class TFieldProvider : public TcxCustomEditDefaultValuesProvider {
  public:
    using TcxCustomEditDefaultValuesProvider::TcxCustomEditDefaultValuesProvider;
    bool IsFieldBound() override { return true; }
};
class TFieldBinding : public TcxEditDataBinding {
  public:
    using TcxEditDataBinding::TcxEditDataBinding;
    Variant GetStoredValue() override { return Variant("field value"); }

  protected:
    TcxCustomEditDefaultValuesProvider* CreateDefaultValuesProvider() override { return new TFieldProvider(this); }
};
class TFieldBoundEdit : public TcxCustomEdit {
  public:
    TFieldBoundEdit(TComponent* owner, bool bound) : TcxCustomEdit(owner, false, TRecordingProperties::StaticClass()) {
        if (bound) ReplaceDataBinding(std::make_unique<TFieldBinding>(this));
    }
};

TEST_F(EditLifecycleTest, AFieldBoundEditorPaintedIntoACopyShowsItsSourcesValue) {
    TForm* form = NewForm();
    form->Show();
    for (bool bound : {true, false}) {
        auto* edit = new TFieldBoundEdit(form, bound);
        edit->SetAutoSize(false);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 100, 21);
        edit->SetEditValue(Variant("typed"));
        EXPECT_EQ(edit->IsFieldBound(), bound);
        Pump();
        shownValues.clear();
        TBitmap copy;
        copy.SetSize(100, 21);
        edit->ControlState |= csPaintCopy;
        edit->Perform(WM_PAINT, reinterpret_cast<WPARAM>(copy.GetCanvas()->GetHandle()));
        edit->ControlState &= ~unsigned(csPaintCopy);
        EXPECT_EQ(shownValues, bound ? std::vector<std::string>{"field value"} : std::vector<std::string>{}) << bound;
        delete edit;
    }
}

// Records which of the editor's sizes a stream holds.
class TSizeRecorder : public TPersistent {
  public:
    std::vector<std::string> Names;
    void DefineProperties(TFiler* filer) override {
        for (const char* name : {"Height", "Width"})
            filer->DefineProperty(
                name,
                [this, name](TReader& reader) {
                    reader.ReadInteger();
                    Names.push_back(name);
                },
                nullptr, false);
    }
};

class EditAutoSizeTest : public EditorsTest {
  protected:
    TcxTextEdit* NewTextEdit(TWinControl* parent, bool inplace = false) {
        auto* edit = new TcxTextEdit(parent, inplace);
        edit->SetParent(parent);
        edit->SetBounds(10, 10, 100, 50);
        Pump();
        return edit;
    }
};

TEST_F(EditAutoSizeTest, AStandAloneEditorTakesTheHeightOfItsValueWhereItsAlignmentLetsIt) {
    TForm* form = NewForm();
    form->Show();
    TcxTextEdit* edit = NewTextEdit(form);
    const int autoHeight = edit->GetHeight();
    EXPECT_LT(autoHeight, 50);
    EXPECT_GT(autoHeight, 10);
    EXPECT_EQ(edit->GetWidth(), 100); // its buttons do not share the width
    edit->SetHeight(80);
    EXPECT_EQ(edit->GetHeight(), autoHeight);

    // A larger font makes it taller.
    edit->GetStyle()->GetFont()->SetSize(20);
    edit->SetHeight(5);
    EXPECT_GT(edit->GetHeight(), autoHeight);

    // Off, or in place, the height is the caller's.
    TcxTextEdit* fixed = NewTextEdit(form);
    fixed->SetAutoSize(false);
    fixed->SetHeight(50);
    EXPECT_EQ(fixed->GetHeight(), 50);
    TcxTextEdit* inplace = NewTextEdit(form, true);
    inplace->SetAutoSize(true);
    EXPECT_FALSE(inplace->GetAutoSize());
    EXPECT_EQ(inplace->GetHeight(), 50);

    // Aligned left the height follows the parent; aligned top the value decides it.
    TcxTextEdit* left = NewTextEdit(form);
    left->SetAlign(alLeft);
    EXPECT_EQ(left->GetHeight(), form->GetClientHeight());
    TcxTextEdit* top = NewTextEdit(form);
    top->SetAlign(alTop);
    EXPECT_EQ(top->GetHeight(), autoHeight);
    EXPECT_EQ(top->GetWidth(), form->GetClientWidth());
}

TEST_F(EditAutoSizeTest, TheHeightIsStoredOnlyWhenTheEditorDoesNotChooseIt) {
    TForm* form = NewForm();
    form->Show();
    TcxTextEdit* edit = NewTextEdit(form);
    auto written = [](TcxCustomEdit* e) {
        auto stream = std::make_unique<TMemoryStream>();
        TWriter writer(*stream);
        writer.WriteDefinedProperties(*e);
        stream->SetPosition(0);
        return stream;
    };
    auto automatic = written(edit);
    TSizeRecorder sizes;
    TReader(*automatic).ReadDefinedProperties(sizes);
    EXPECT_EQ(sizes.Names, std::vector<std::string>{"Width"});

    edit->SetAutoSize(false);
    edit->SetBounds(10, 10, 120, 45);
    auto fixed = written(edit);
    TcxTextEdit* read = NewTextEdit(form);
    read->SetAutoSize(false);
    TReader reader(*fixed);
    reader.ReadDefinedProperties(*read);
    EXPECT_EQ(read->GetHeight(), 45);
    EXPECT_EQ(read->GetWidth(), 120);
}

} // namespace
} // namespace zorvy::test
