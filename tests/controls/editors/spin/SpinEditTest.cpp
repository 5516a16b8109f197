// The spin editor: numbers parsed by value type, the effective range, steps at the range ends (clamped,
// refused, circular, at the 64-bit limit), keys, the held button's repeat, typing and validation.
#include "controls/editors/spin/SpinEdit.h"
#include "controls/editors/spin/SpinEditViewInfo.h"
#include "controls/editors/framework/EditRepository.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/foundation/graphics/Canvas.h"
#include "platform/classlib/Bitmap.h"
#include "controls/editors/filter/FilterEditHelpers.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

namespace zorvy::test {
namespace {

class TFractionProvider : public TcxCustomEditDefaultValuesProvider {
  public:
    bool Fractional = false;
    bool HoldsFractionalNumbers() override { return Fractional; }
};

class TRefusingSpinProperties : public TcxSpinEditProperties {
    ZORVY_CLASS(TRefusingSpinProperties, TcxSpinEditProperties)
  public:
    using TcxSpinEditProperties::TcxSpinEditProperties;
    bool ClampsAtBounds() const override { return false; }
};

class SpinEditTest : public EditorsTest {
  protected:
    TcxSpinEdit* NewEdit(const TMetaClass* propertiesClass = TcxSpinEditProperties::StaticClass()) {
        form = NewForm();
        auto* edit = new TcxSpinEdit(form, false, propertiesClass);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 120, 21);
        other = new TcxSpinEdit(form);
        other->SetParent(form);
        other->SetBounds(10, 40, 120, 21);
        form->Show();
        Pump();
        return edit;
    }
    static TcxCustomSpinEditProperties* Props(TcxSpinEdit* e) { return e->GetSpinProperties(); }
    void Focus(TWinControl* c) {
        c->SetFocus();
        Pump();
    }
    static Variant ValueOf(TcxSpinEdit* e) {
        Variant v;
        e->GetValue(v);
        return v;
    }
    TForm* form = nullptr;
    TcxSpinEdit* other = nullptr;
};

TEST_F(SpinEditTest, TextsBecomeNumbersOfTheValueType) {
    TcxSpinEditProperties p(nullptr);
    struct Case {
        const char* text;
        TcxSpinEditValueType type;
        bool ok;
        double value;
    };
    const Case cases[] = {
        {"1E3", vtFloat, true, 1000}, {"1E3", vtInt, false, 0},  {"$FF", vtInt, true, 255},
        {"0x10", vtInt, true, 16},    {"$FF", vtFloat, false, 0}, {"12abc", vtInt, false, 0},
        {"12abc", vtFloat, false, 0}, {"-2.5", vtFloat, true, -2.5}, {"1E400", vtFloat, false, 0},
    };
    for (const Case& c : cases) {
        p.SetValueType(c.type);
        Variant v;
        EXPECT_EQ(p.ParseNumberText(c.text, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_DOUBLE_EQ(v.AsDouble(), c.value) << c.text;
            EXPECT_EQ(v.VarType(), c.type == vtInt ? varInt64 : varDouble) << c.text;
        } else {
            EXPECT_TRUE(v.IsNull()) << c.text;
        }
    }
}

TEST_F(SpinEditTest, TheValueTypeFollowsTheDataSourceUntilAssigned) {
    TcxSpinEditProperties p(nullptr);
    EXPECT_EQ(p.GetValueType(), vtFloat);
    TFractionProvider provider;
    p.AttachDefaultValuesProvider(&provider);
    EXPECT_EQ(p.GetValueType(), vtInt);
    provider.Fractional = true;
    EXPECT_EQ(p.GetValueType(), vtFloat);
    p.SetValueType(vtInt);
    EXPECT_EQ(p.GetValueType(), vtInt);
    p.AttachDefaultValuesProvider(nullptr);
}

TEST_F(SpinEditTest, TheEffectiveRangeRoundsIntegerBoundsAndDefaultsToTheTypeLimits) {
    TcxSpinEditProperties p(nullptr);
    p.SetValueType(vtInt);
    EXPECT_EQ(p.GetEffectiveMaxValue().AsInt64(), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(p.GetEffectiveMinValue().AsInt64(), std::numeric_limits<int64_t>::min());
    p.SetMaxValue(10.5);
    EXPECT_EQ(p.GetEffectiveMaxValue().AsInt64(), 10); // halves go to even
    p.SetMaxValue(11.5);
    EXPECT_EQ(p.GetEffectiveMaxValue().AsInt64(), 12);
    p.SetValueType(vtFloat);
    EXPECT_DOUBLE_EQ(p.GetEffectiveMaxValue().AsDouble(), 11.5);
    EXPECT_DOUBLE_EQ(p.GetEffectiveMinValue().AsDouble(), -1.7E308); // only the assigned bound is in force
    p.SetMinValue(0);
    EXPECT_DOUBLE_EQ(p.GetEffectiveMinValue().AsDouble(), 0);
}

TEST_F(SpinEditTest, TheButtonCollectionFollowsTheSpinButtonSettings) {
    TcxSpinEditProperties p(nullptr);
    EXPECT_EQ(p.GetButtons()->GetCount(), 2);
    p.GetSpinButtons()->SetShowFastButtons(true);
    EXPECT_EQ(p.GetButtons()->GetCount(), 4);
    p.GetSpinButtons()->SetVisible(false);
    EXPECT_EQ(p.GetButtons()->GetCount(), 0);
}

TEST_F(SpinEditTest, CircularStepsWrapAndPlainStepsStopAtTheEnds) {
    TcxSpinEdit* edit = NewEdit();
    Props(edit)->SetValueType(vtInt);
    Props(edit)->SetMinValue(0);
    Props(edit)->SetMaxValue(59);
    edit->SetEditValue(Variant(59));
    Focus(edit);
    EXPECT_FALSE(edit->DoStep(1)); // clamps: the text stays 59
    EXPECT_EQ(edit->GetText(), "59");
    Props(edit)->SetCircular(true);
    EXPECT_TRUE(edit->DoStep(1));
    EXPECT_EQ(edit->GetText(), "0");
    EXPECT_TRUE(edit->DoStep(0));
    EXPECT_EQ(edit->GetText(), "59");
    Props(edit)->SetLargeIncrement(10);
    EXPECT_TRUE(edit->DoStep(3)); // 59 + 10 wraps to 9
    EXPECT_EQ(edit->GetText(), "9");
}

TEST_F(SpinEditTest, AStepAtTheIntegerMaximumNeverOverflows) {
    for (const TMetaClass* kind : {TcxSpinEditProperties::StaticClass(), TRefusingSpinProperties::StaticClass()}) {
        TcxSpinEdit* edit = NewEdit(kind);
        Props(edit)->SetValueType(vtInt);
        edit->SetEditValue(Variant::FromInt64(std::numeric_limits<int64_t>::max()));
        Focus(edit);
        EXPECT_FALSE(edit->DoStep(1));
        EXPECT_FALSE(edit->DoStep(3));
        EXPECT_EQ(ValueOf(edit).AsInt64(), std::numeric_limits<int64_t>::max());
        EXPECT_EQ(edit->GetText(), "9223372036854775807");
        EXPECT_TRUE(edit->DoStep(0));
        EXPECT_EQ(ValueOf(edit).AsInt64(), std::numeric_limits<int64_t>::max() - 1);
        delete form;
    }
}

TEST_F(SpinEditTest, IntegerIncrementsRoundHalvesToEven) {
    TcxSpinEdit* edit = NewEdit();
    Props(edit)->SetValueType(vtInt);
    edit->SetEditValue(Variant(5));
    Focus(edit);
    Props(edit)->SetIncrement(0.5);
    EXPECT_FALSE(edit->DoStep(1));
    Props(edit)->SetIncrement(1.5);
    EXPECT_TRUE(edit->DoStep(1));
    EXPECT_EQ(ValueOf(edit).AsInt64(), 7);
}

TEST_F(SpinEditTest, AValueOutsideTheRangeStepsBackIntoIt) {
    TcxSpinEdit* edit = NewEdit();
    Props(edit)->SetValueType(vtInt);
    Props(edit)->SetMinValue(0);
    Props(edit)->SetMaxValue(100);
    Focus(edit);
    edit->SelectAllText();
    display.TypeText("150");
    Pump();
    EXPECT_EQ(ValueOf(edit).AsInt64(), 150); // typed, not validated yet
    EXPECT_TRUE(edit->DoStep(0));
    EXPECT_EQ(edit->GetText(), "100");
    edit->SelectAllText();
    display.TypeText("150");
    Pump();
    EXPECT_FALSE(edit->DoStep(1)); // up from above the range is refused unless circular
    Props(edit)->SetCircular(true);
    EXPECT_TRUE(edit->DoStep(1));
    EXPECT_EQ(edit->GetText(), "0");
}

TEST_F(SpinEditTest, KeysStepByTheirButtonsAndCtrlIncrementAsksForCtrl) {
    TcxSpinEdit* edit = NewEdit();
    Props(edit)->SetValueType(vtInt);
    edit->SetEditValue(Variant(20));
    Focus(edit);
    display.PressKey(VK_UP);
    Pump();
    EXPECT_EQ(edit->GetText(), "21");
    display.PressKey(VK_NEXT); // fast down
    Pump();
    EXPECT_EQ(edit->GetText(), "11");
    EXPECT_EQ(edit->GetSpinState(), 0); // the key is up again
    Props(edit)->UseCtrlIncrement = true;
    display.PressKey(VK_UP);
    Pump();
    EXPECT_EQ(edit->GetText(), "11");
}

TEST_F(SpinEditTest, AHeldButtonStepsAtOnceThenAfter400msThenEvery100ms) {
    TcxSpinEdit* edit = NewEdit();
    Props(edit)->SetValueType(vtInt);
    edit->SetEditValue(Variant(0));
    Focus(edit);
    const auto* vi = edit->GetEditViewInfo();
    ASSERT_EQ(vi->ButtonCount(), 2);
    const TRect up = vi->Button(1)->Bounds;
    const TPoint at{(up.Left + up.Right) / 2, (up.Top + up.Bottom) / 2};
    display.PressMouse(edit->GetHandle(), at.X, at.Y);
    Pump();
    EXPECT_EQ(ValueOf(edit).AsInt64(), 1);
    Wait(399);
    EXPECT_EQ(ValueOf(edit).AsInt64(), 1);
    Wait(1);
    EXPECT_EQ(ValueOf(edit).AsInt64(), 2);
    Wait(100);
    EXPECT_EQ(ValueOf(edit).AsInt64(), 3);
    display.ReleaseMouse(edit->GetHandle(), at.X, at.Y);
    Pump();
    EXPECT_EQ(edit->GetRepeatTimer(), nullptr);
    Wait(500);
    EXPECT_EQ(ValueOf(edit).AsInt64(), 3);
}

TEST_F(SpinEditTest, WithoutCanEditTypingIsRefusedButTheKeysStillStep) {
    TcxSpinEdit* edit = NewEdit();
    Props(edit)->SetValueType(vtInt);
    Props(edit)->SetCanEdit(false);
    edit->SetEditValue(Variant(4));
    Focus(edit);
    display.TypeText("9");
    Pump();
    EXPECT_EQ(edit->GetText(), "4");
    display.PressKey(VK_DOWN);
    Pump();
    EXPECT_EQ(edit->GetText(), "3");
}

TEST_F(SpinEditTest, ValidationClampsTypedNumbersOrFailsWhenAskedTo) {
    TcxSpinEdit* edit = NewEdit();
    Props(edit)->SetValueType(vtInt);
    Props(edit)->SetMinValue(0);
    Props(edit)->SetMaxValue(100);
    Focus(edit);
    edit->SelectAllText();
    display.TypeText("x0150"); // the letter is refused
    Pump();
    EXPECT_EQ(edit->GetText(), "0150");
    Focus(other);
    EXPECT_EQ(edit->GetEditValue().AsInt64(), 100);
    EXPECT_EQ(edit->GetText(), "100");

    Props(edit)->ExceptionOnInvalidInput = true;
    Focus(edit);
    edit->SelectAllText();
    display.TypeText("101");
    Pump();
    EXPECT_FALSE(edit->ValidateInput(false));
    edit->SelectAllText();
    display.TypeText("1e");
    Pump();
    EXPECT_THROW(edit->GetTypedValue(), EcxEditError);
}

TEST_F(SpinEditTest, RegistersItsSettingsAndAFilterHelperWithoutLike) {
    InitializeSpinEditUnit();
    const int index = GetEditPropertiesRegistry()->IndexOfClass(TcxSpinEditProperties::StaticClass());
    ASSERT_GE(index, 0);
    EXPECT_EQ(GetEditPropertiesRegistry()->GetDisplayName(index), "SpinEdit");
    const TcxFilterEditHelperClass helperClass =
        GetFilterEditHelperRegistry()->LookupHelperClass(TcxSpinEditProperties::StaticClass());
    ASSERT_EQ(helperClass, TcxFilterSpinEditHelper::StaticClass());
    TcxSpinEditProperties p(nullptr);
    constexpr TcxFilterControlOperators comparisons = 1662, ranges = 30720;
    EXPECT_EQ(FilterEditHelper(helperClass)->GetAllowedOperators(&p, nullptr, false), comparisons);
    EXPECT_EQ(FilterEditHelper(helperClass)->GetAllowedOperators(&p, nullptr, true), comparisons | ranges);
    FinalizeSpinEditUnit();
}

TEST_F(SpinEditTest, ButtonsStackOnTheRightOrSitLeftAndRight) {
    TcxSpinEdit* edit = NewEdit();
    auto* vi = static_cast<TcxSpinEditViewInfo*>(edit->GetEditViewInfo());
    ASSERT_EQ(vi->ButtonCount(), 2);
    const TRect down = vi->Button(0)->Bounds, up = vi->Button(1)->Bounds;
    EXPECT_EQ(up.Left, down.Left);
    EXPECT_EQ(up.Bottom, down.Top); // up above down
    EXPECT_EQ(vi->ArrowDirection(1), arUp);
    Props(edit)->GetSpinButtons()->SetPosition(sbpHorzLeftRight);
    Pump();
    vi = static_cast<TcxSpinEditViewInfo*>(edit->GetEditViewInfo());
    EXPECT_LT(vi->Button(0)->Bounds.Right, vi->ClientRect.Left + 1); // down at the left of the text
    EXPECT_GT(vi->Button(1)->Bounds.Left, vi->ClientRect.Right - 1);
    EXPECT_EQ(vi->ArrowDirection(0), arLeft);
}

// A spin editor's look painted into a bitmap, without a pointer: the arrow's dark pixels per row of a
// button; an up arrow widens downwards, a down arrow narrows.
TEST_F(SpinEditTest, TheStackedArrowsPointUpAndDown) {
    TcxSpinEditProperties properties(nullptr);
    TcxEditStyle style(nullptr);
    style.GetLookAndFeel()->SetNativeStyle(false);
    std::unique_ptr<TcxCustomEditViewData> viewData(properties.MakeViewData(&style, true));
    std::unique_ptr<TcxCustomEditViewInfo> vi(properties.CreateViewInfo());
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(120, 21);
    TcxCanvas canvas(bitmap.GetCanvas());
    viewData->FillViewInfo(&canvas, Rect(0, 0, 120, 21), Point(-1, -1), 0, 0, vi.get(), false);
    vi->PaintTo(&canvas);
    ASSERT_EQ(vi->ButtonCount(), 2);
    auto rows = [&](const TRect& r) {
        std::vector<int> counts;
        for (int y = r.Top; y < r.Bottom; ++y) {
            int n = 0;
            for (int x = r.Left; x < r.Right; ++x) {
                const std::uint32_t c = bitmap.GetHandle()->Row(y)[x];
                if (((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF) < 150) ++n;
            }
            if (n > 0) counts.push_back(n);
        }
        return counts;
    };
    const std::vector<int> up = rows(vi->Button(1)->Bounds), down = rows(vi->Button(0)->Bounds);
    ASSERT_GE(up.size(), 2u);
    ASSERT_GE(down.size(), 2u);
    EXPECT_LT(up.front(), up.back());
    EXPECT_GT(down.front(), down.back());
}

} // namespace
} // namespace zorvy::test
