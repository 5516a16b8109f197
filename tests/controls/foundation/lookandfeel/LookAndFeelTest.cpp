#include "controls/foundation/lookandfeel/LookAndFeel.h"
#include "controls/foundation/painters/Office11Painter.h"
#include "controls/foundation/painters/WinXPPainter.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/rtl/Exceptions.h"
#include "platform/win/MessageLoop.h"
#include "tests/controls/foundation/lookandfeel/FakeThemeBinding.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class LookAndFeel : public ::testing::Test {
  protected:
    LookAndFeel() { InitializeFoundationUnits(); }
    ~LookAndFeel() override { FinalizeFoundationUnits(); }

    // Records each OnChanged of a look-and-feel as its tag and the changed set.
    void Watch(TcxLookAndFeel& lf, const std::string& tag) {
        lf.OnChanged = [this, tag](TcxLookAndFeel*, TcxLookAndFeelValues v) {
            events.push_back(tag + ":" + std::to_string(v));
        };
    }
    THeadlessDisplay display;
    std::vector<std::string> events;
};

constexpr TcxLookAndFeelValues Kind = 1, Native = 2;

TEST_F(LookAndFeel, AFreshOneIsUltraFlatNotNativeWithoutSkin) {
    TcxLookAndFeel lf(nullptr);
    EXPECT_EQ(lf.GetKind(), lfUltraFlat);
    EXPECT_FALSE(lf.GetNativeStyle());
    EXPECT_EQ(lf.GetSkinName(), "");
    EXPECT_EQ(lf.GetActivePainter(), TcxUltraFlatLookAndFeelPainter::Instance());
    EXPECT_EQ(lf.GetEffectiveMaster(), GetRootLookAndFeel());
}

TEST_F(LookAndFeel, TheRootsKindReachesEveryFollowerOnceAndSparesAssignedKinds) {
    TcxLookAndFeel a(nullptr), b(nullptr), flat(nullptr), child(nullptr);
    flat.SetKind(lfFlat);
    child.SetMaster(&a);
    Watch(a, "a");
    Watch(b, "b");
    Watch(flat, "flat");
    Watch(child, "child");
    TcxLookAndFeelController controller(nullptr);
    controller.SetKind(lfOffice11);
    EXPECT_EQ(events, (std::vector<std::string>{"child:1", "a:1", "b:1"}));
    EXPECT_EQ(child.GetActivePainter(), TcxOffice11LookAndFeelPainter::Instance());
    EXPECT_EQ(flat.GetKind(), lfFlat);
    EXPECT_EQ(controller.GetKind(), lfOffice11);
}

TEST_F(LookAndFeel, SettingTheValueInEffectMarksItAssignedAndFiresNothing) {
    TcxLookAndFeel lf(nullptr);
    Watch(lf, "lf");
    lf.SetKind(lfUltraFlat);
    EXPECT_EQ(lf.GetAssignedValues(), Kind);
    EXPECT_TRUE(events.empty());
    lf.SetKind(lfStandard);
    EXPECT_EQ(events, (std::vector<std::string>{"lf:1"}));
    lf.ResetAssignedValues();
    EXPECT_EQ(lf.GetKind(), lfUltraFlat);
}

TEST_F(LookAndFeel, NativeStyleUsesTheThemedPainterOnlyWithVisualStyles) {
    TcxLookAndFeel lf(nullptr);
    lf.SetKind(lfFlat);
    lf.SetNativeStyle(true);
    EXPECT_EQ(lf.GetActivePainter(), TcxFlatLookAndFeelPainter::Instance()) << "no visual styles here";
    FinalizeThemeManager();
    TFakeThemeBinding fake;
    TInstalledThemeBinding installed(fake);
    lf.SetNativeStyle(false);
    lf.SetNativeStyle(true);
    EXPECT_EQ(lf.GetActivePainter(), TcxWinXPLookAndFeelPainter::Instance());
    EXPECT_EQ(lf.GetPainterForThemeType(tokHeader), TcxWinXPLookAndFeelPainter::Instance());
    fake.Missing = {"Header"};
    CloseAllThemes();
    EXPECT_EQ(lf.GetPainterForThemeType(tokHeader), TcxFlatLookAndFeelPainter::Instance());
}

TEST_F(LookAndFeel, MasterChangesThatChangeNothingFireNothing) {
    TcxLookAndFeel lf(nullptr);
    Watch(lf, "lf");
    const int rootListeners = GetRootLookAndFeel()->ListenerCount();
    lf.SetMaster(GetRootLookAndFeel());
    lf.SetMaster(nullptr);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(GetRootLookAndFeel()->ListenerCount(), rootListeners);
    EXPECT_EQ(lf.GetKind(), lfUltraFlat);
}

TEST_F(LookAndFeel, AMasterThatFollowsItsFollowerIsRefused) {
    TcxLookAndFeel a(nullptr), b(nullptr), c(nullptr);
    b.SetMaster(&a);
    c.SetMaster(&b);
    EXPECT_THROW(a.SetMaster(&c), EInvalidOperation);
    EXPECT_EQ(a.GetEffectiveMaster(), GetRootLookAndFeel()) << "nothing changed";
    a.SetKind(lfStandard);
    EXPECT_EQ(c.GetKind(), lfStandard);
}

TEST_F(LookAndFeel, DestroyingAMasterMovesEveryFollowerBackToTheRootOnce) {
    auto* master = new TcxLookAndFeel(nullptr);
    master->SetKind(lfStandard);
    TcxLookAndFeel f1(nullptr), f2(nullptr), f3(nullptr);
    for (auto* f : {&f1, &f2, &f3})
        f->SetMaster(master);
    Watch(f1, "f1");
    Watch(f2, "f2");
    Watch(f3, "f3");
    delete master;
    EXPECT_EQ(events, (std::vector<std::string>{"f1:1", "f2:1", "f3:1"}));
    for (auto* f : {&f1, &f2, &f3}) {
        EXPECT_EQ(f->GetEffectiveMaster(), GetRootLookAndFeel());
        EXPECT_EQ(f->GetKind(), lfUltraFlat);
    }
}

TEST_F(LookAndFeel, RemovingTheLastControllerResetsTheRoot) {
    TcxLookAndFeel lf(nullptr);
    auto* first = new TcxLookAndFeelController(nullptr);
    auto* second = new TcxLookAndFeelController(nullptr);
    first->SetKind(lfStandard);
    Watch(lf, "lf");
    delete first;
    EXPECT_EQ(lf.GetKind(), lfStandard) << "one controller is left";
    delete second;
    EXPECT_EQ(lf.GetKind(), lfUltraFlat);
    EXPECT_EQ(events, (std::vector<std::string>{"lf:1"}));
    EXPECT_EQ(GetRootLookAndFeel()->GetAssignedValues(), 0);
}

TEST_F(LookAndFeel, ASystemColourChangeRefreshesEveryLookAndFeel) {
    TcxLookAndFeel a(nullptr), b(nullptr);
    Watch(a, "a");
    Watch(b, "b");
    SendMessage(SystemPaletteListenerWindow(), WM_SYSCOLORCHANGE);
    // Each hears it through its own notifier and again through the root it follows.
    EXPECT_EQ(std::count(events.begin(), events.end(), "a:2"), 2);
    EXPECT_EQ(std::count(events.begin(), events.end(), "b:2"), 2);
    EXPECT_EQ(events.size(), 4u);
}

TEST_F(LookAndFeel, AssignCopiesOwnValuesAndMasterAndRefusesOtherKinds) {
    TcxLookAndFeel master(nullptr), source(nullptr), target(nullptr);
    master.SetKind(lfStandard);
    source.SetMaster(&master);
    source.SetNativeStyle(true);
    target.Assign(&source);
    EXPECT_EQ(target.GetMasterLookAndFeel(), &master);
    EXPECT_EQ(target.GetKind(), lfStandard);
    EXPECT_TRUE(target.GetNativeStyle());
    EXPECT_EQ(target.GetAssignedValues(), Native);
    TcxRect other(nullptr);
    EXPECT_THROW(target.Assign(&other), EConvertError);
}

} // namespace
} // namespace zorvy::test
