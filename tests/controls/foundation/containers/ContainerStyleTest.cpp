#include "controls/foundation/containers/Container.h"
#include "controls/foundation/containers/StyleController.h"
#include "tests/controls/foundation/FoundationFixture.h"

#include "platform/rtl/Filer.h"
#include "platform/rtl/Streams.h"

namespace zorvy::test {
namespace {

class ContainerStyles : public FoundationTest {
  protected:
    ~ContainerStyles() override { SharedFallbackStyleController = nullptr; }
};

// A container that prefers its parent's colour, as check boxes and group boxes do.
class TParentColoredContainer : public TcxContainer {
  public:
    explicit TParentColoredContainer(TComponent* owner) : TcxContainer(owner) { InitializeParentColor(); }
    bool DefaultsToParentColor() const override { return true; }
};

TEST_F(ContainerStyles, AValueComesFromTheStyleThenItsControllerChainThenTheDefault) {
    auto fallback = std::make_unique<TcxStyleController>(nullptr);
    fallback->GetStyle()->SetBorderColor(clRed);
    SharedFallbackStyleController = fallback.get();
    TcxStyleController controller(nullptr); // follows the fallback controller
    controller.GetStyle()->SetColor(clYellow);
    TcxContainerStyles styles(nullptr, TcxContainerStyle::Class());
    TcxContainerStyle* s = styles.NormalStyle();
    EXPECT_EQ(s->GetStyleController(), nullptr) << "reads nil while following the fallback controller";
    EXPECT_EQ(s->GetEffectiveStyleController(), fallback.get());
    s->SetStyleController(&controller);
    EXPECT_EQ(s->GetColor(), clYellow) << "from the controller";
    EXPECT_EQ(s->GetBorderColor(), clRed) << "from the controller's own controller";
    EXPECT_EQ(s->GetTextColor(), clWindowText) << "the default: the font's colour";
    s->SetColor(clGreen);
    EXPECT_EQ(s->GetColor(), clGreen) << "its own";
    EXPECT_TRUE(s->IsValueAssigned(csvBorderColor));
    EXPECT_FALSE(s->IsValueAssigned(csvTextColor));

    fallback.reset(); // the fallback controller goes away: nothing may point at it afterwards
    SharedFallbackStyleController = nullptr;
    EXPECT_EQ(s->GetBorderColor(), clWindowFrame);
    EXPECT_EQ(controller.GetStyle()->GetEffectiveStyleController(), nullptr);
}

TEST_F(ContainerStyles, AControllerThatWouldMakeACycleIsRefused) {
    TcxStyleController a(nullptr), b(nullptr), c(nullptr);
    a.GetStyle()->SetStyleController(&b);
    b.GetStyle()->SetStyleController(&c);
    c.GetStyle()->SetStyleController(&a);
    EXPECT_EQ(c.GetStyle()->GetStyleController(), nullptr);
    b.GetStyle()->SetStyleController(&a);
    EXPECT_EQ(b.GetStyle()->GetStyleController(), &c) << "unchanged";
    a.GetStyle()->SetStyleController(&a);
    EXPECT_EQ(a.GetStyle()->GetStyleController(), &b);
}

TEST_F(ContainerStyles, AControllersChangeReachesEveryFollowerOnce) {
    TcxStyleController controller(nullptr);
    TcxContainerStyles first(nullptr, TcxContainerStyle::Class()), second(nullptr, TcxContainerStyle::Class());
    int notices[2] = {0, 0};
    first.SetChangeHandler([&](TObject*) { ++notices[0]; });
    second.SetChangeHandler([&](TObject*) { ++notices[1]; });
    first.NormalStyle()->SetStyleController(&controller);
    second.FocusedStyle()->SetStyleController(&controller); // any state sets the normal style's
    notices[0] = notices[1] = 0;
    controller.GetStyle()->SetColor(clAqua);
    EXPECT_EQ(notices[0], 1);
    EXPECT_EQ(notices[1], 1);
    EXPECT_EQ(second.HotStyle()->GetColor(), clAqua) << "the hot style reads the normal style's colour";
}

TEST_F(ContainerStyles, StateDefaultsFollowTheNormalStyleAndTheOwningContainer) {
    TForm* form = NewForm();
    form->SetColor(clTeal);
    auto* edit = new TcxContainer(form);
    edit->SetParent(form);
    auto* box = new TParentColoredContainer(form);
    box->SetParent(form);
    TcxContainerStyles loose(nullptr, TcxContainerStyle::Class());
    struct {
        const char* what;
        TcxContainerStyle* style;
        TColor color, borderColor, textColor;
    } const cases[] = {
        {"editor", edit->GetStyle(), clWindow, clWindowFrame, clWindowText},
        {"editor disabled", edit->GetStyleDisabled(), clBtnFace, clBtnShadow, clBtnShadow},
        {"editor focused", edit->GetStyleFocused(), clWindow, clWindowFrame, clWindowText},
        {"check box", box->GetStyle(), clTeal, clWindowFrame, clWindowText},
        {"check box disabled", box->GetStyleDisabled(), clTeal, clBtnShadow, clBtnShadow},
        {"no container", loose.NormalStyle(), clBtnFace, clWindowFrame, clWindowText},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.style->GetColor(), c.color) << c.what;
        EXPECT_EQ(c.style->GetBorderColor(), c.borderColor) << c.what;
        EXPECT_EQ(c.style->GetTextColor(), c.textColor) << c.what;
    }
    box->SetParent(nullptr);
    EXPECT_EQ(box->GetStyle()->GetColor(), clBtnFace) << "no parent to take the colour from";
    box->SetParent(form);
}

TEST_F(ContainerStyles, FocusedAndHotBorderStylesThickenWhileHotTracking) {
    const struct {
        TcxContainerBorderStyle normal, hotTracked;
    } cases[] = {{cbsNone, cbsFlat},   {cbsSingle, cbsThick}, {cbsThick, cbsThick},        {cbsFlat, cbs3D},
                 {cbs3D, cbs3D},       {cbsUltraFlat, cbsUltraFlat}, {cbsOffice11, cbsOffice11}};
    TcxContainerStyles styles(nullptr, TcxContainerStyle::Class());
    for (const auto& c : cases) {
        styles.NormalStyle()->SetBorderStyle(c.normal);
        styles.NormalStyle()->SetHotTrack(true);
        EXPECT_EQ(styles.FocusedStyle()->GetBorderStyle(), c.hotTracked) << c.normal;
        EXPECT_EQ(styles.HotStyle()->GetBorderStyle(), c.hotTracked) << c.normal;
        EXPECT_EQ(styles.DisabledStyle()->GetBorderStyle(), c.normal) << c.normal;
        styles.NormalStyle()->SetHotTrack(false);
        EXPECT_EQ(styles.FocusedStyle()->GetBorderStyle(), c.normal) << c.normal;
    }
}

TEST_F(ContainerStyles, SharedValuesSetOnAnotherStateLandInTheNormalStyle) {
    TcxContainerStyles styles(nullptr, TcxContainerStyle::Class());
    TcxContainerStyle* focused = styles.FocusedStyle();
    focused->SetShadow(true);
    focused->SetEdges(cxBorder(bLeft) | cxBorder(bTop));
    focused->SetHotTrack(false);
    focused->SetTransparentBorder(false);
    TFont font;
    font.SetSize(14);
    focused->SetFont(&font);
    const TcxContainerStyleValues shared = StyleValueBit(csvShadow) | StyleValueBit(csvEdges) |
                                           StyleValueBit(csvHotTrack) | StyleValueBit(csvTransparentBorder) |
                                           StyleValueBit(csvFont);
    EXPECT_EQ(focused->GetAssignedValues(), 0u) << "the focused style never stores them";
    EXPECT_EQ(styles.NormalStyle()->GetAssignedValues(), shared);
    EXPECT_TRUE(styles.HotStyle()->GetShadow());
    EXPECT_EQ(styles.DisabledStyle()->GetFont()->GetSize(), 14);
    EXPECT_FALSE(focused->IsExtendedPropertyShown("Shadow"));
    EXPECT_TRUE(focused->IsExtendedPropertyShown("Color"));
}

TEST_F(ContainerStyles, NestedChangesAnnounceOnceAndEqualValuesNotAtAll) {
    TcxStyleController controller(nullptr);
    controller.GetStyle()->SetTextColor(clMaroon);
    TcxContainerStyles styles(nullptr, TcxContainerStyle::Class());
    TcxContainerStyle* s = styles.NormalStyle();
    s->SetStyleController(&controller);
    int notices = 0;
    styles.SetChangeHandler([&](TObject*) { ++notices; });
    for (int i = 0; i < 10; ++i)
        s->BeginChanges();
    for (int i = 0; i < 10; ++i)
        s->SetBorderColor(static_cast<TColor>(RGB(i, 0, 0)));
    for (int i = 0; i < 10; ++i)
        s->EndChanges();
    EXPECT_EQ(notices, 1);

    notices = 0;
    s->SetTextColor(clMaroon); // resolved through the controller, but not assigned yet: assigns
    EXPECT_EQ(notices, 1);
    EXPECT_TRUE(s->GetAssignedValues() & StyleValueBit(csvTextColor));
    s->SetTextColor(clMaroon);
    EXPECT_EQ(notices, 1) << "assigned and equal: nothing";
}

TEST_F(ContainerStyles, TheFontIsMarkedAssignedByTheStreamedFlagWhateverItsValue) {
    TcxContainerStyles written(nullptr, TcxContainerStyle::Class());
    TMemoryStream stream;
    {
        TWriter writer(stream);
        writer.WriteDefinedProperties(*written.NormalStyle());
    }
    EXPECT_EQ(stream.GetSize(), 1) << "an unassigned font writes nothing";
    TFont font;
    written.NormalStyle()->SetFont(&font);
    stream.SetSize(0);
    {
        TWriter writer(stream);
        writer.WriteDefinedProperties(*written.NormalStyle());
    }
    stream.SetPosition(0);
    TcxContainerStyles read(nullptr, TcxContainerStyle::Class());
    {
        TReader reader(stream);
        reader.ReadDefinedProperties(*read.NormalStyle());
    }
    EXPECT_TRUE(read.NormalStyle()->GetAssignedValues() & StyleValueBit(csvFont));

    TMemoryStream saysFalse; // a stream that holds the flag as False
    {
        TWriter writer(saysFalse);
        writer.DefineProperty("IsFontAssigned", nullptr, [](TWriter& w) { w.WriteBoolean(false); }, true);
        writer.WriteListEnd();
    }
    saysFalse.SetPosition(0);
    TcxContainerStyles other(nullptr, TcxContainerStyle::Class());
    TReader reader(saysFalse);
    reader.ReadDefinedProperties(*other.NormalStyle());
    EXPECT_TRUE(other.NormalStyle()->GetAssignedValues() & StyleValueBit(csvFont));
}

} // namespace
} // namespace zorvy::test
