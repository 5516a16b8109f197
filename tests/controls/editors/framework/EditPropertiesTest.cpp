// Edit properties: change batches, explicit settings against a default-values provider, alignment
// resolution, assignment; the alignment object; edit buttons and their collection.
#include "tests/controls/editors/EditorsFixture.h"

#include "platform/classlib/Bitmap.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

TEST(EditPropertiesBatches, OneNoticePerOutermostBatchAndNoneWhenCancelledOrUnmatched) {
    TcxCustomEditProperties p(nullptr);
    TChangeCounter changes(p);
    p.BeginChanges();
    p.SetAutoSelect(false);
    p.BeginChanges();
    p.SetTransparent(true);
    p.EndChanges();
    p.SetReadOnly(true);
    EXPECT_EQ(changes.Count, 0);
    p.EndChanges();
    EXPECT_EQ(changes.Count, 1);

    p.BeginChanges();
    p.SetAutoSelect(true);
    p.EndChanges(false);
    EXPECT_EQ(changes.Count, 1);

    p.EndChanges(); // unmatched
    EXPECT_EQ(changes.Count, 1);

    // A change reported while locked waits for a batch that ends with notify.
    p.SuppressChanged(true)->SetTransparent(false);
    p.SuppressChanged(false);
    EXPECT_EQ(changes.Count, 1);
    p.BeginChanges();
    p.SetAutoSelect(false);
    p.EndChanges();
    EXPECT_EQ(changes.Count, 2);
}

TEST(EditPropertiesBatches, SettersNotifyOnlyRealChanges) {
    TcxCustomEditProperties p(nullptr);
    TChangeCounter changes(p);
    p.SetAutoSelect(true); // the default
    p.BeepOnError = true;  // plain field
    EXPECT_EQ(changes.Count, 0);
    p.SetMaxValue(0); // unassigned: becomes explicit
    EXPECT_EQ(changes.Count, 1);
    EXPECT_TRUE(p.GetAssignedValues()->GetMaxValue());
    p.SetMaxValue(0);
    EXPECT_EQ(changes.Count, 1);
    p.GetAssignedValues()->SetReadOnly(true);
    EXPECT_EQ(changes.Count, 2);
}

TEST(EditPropertiesProvider, ExplicitSettingsOverrideTheProviderUntilReset) {
    TTestProvider provider;
    provider.ReadOnly = true;
    provider.Max = 33;
    TcxCustomEditProperties p(nullptr);
    p.AttachDefaultValuesProvider(&provider);
    EXPECT_TRUE(p.GetReadOnly());
    EXPECT_FALSE(p.CanModify());
    EXPECT_EQ(p.GetMaxValue(), 33);

    p.SetReadOnly(false);
    EXPECT_FALSE(p.GetReadOnly());
    EXPECT_TRUE(p.CanModify());
    p.SetMaxValue(6);
    EXPECT_EQ(p.GetMaxValue(), 6);

    p.ResetToDefaults();
    EXPECT_TRUE(p.GetReadOnly());
    EXPECT_EQ(p.GetMaxValue(), 33);

    provider.ReadOnly = false;
    provider.Modifiable = false;
    EXPECT_FALSE(p.CanModify());
}

TEST(EditPropertiesProvider, UnassignedHorzFollowsTheProviderAndIsNotStored) {
    TTestProvider provider;
    provider.Alignment = taRightJustify;
    TcxCustomEditProperties p(nullptr);
    p.AttachDefaultValuesProvider(&provider);
    EXPECT_EQ(p.GetAlignment()->GetHorz(), taRightJustify);
    EXPECT_FALSE(p.IsAlignmentStored());

    p.GetAlignment()->SetHorz(taCenter);
    EXPECT_EQ(p.GetAlignment()->GetHorz(), taCenter);
    EXPECT_TRUE(p.IsAlignmentStored());

    p.ResetToDefaults();
    EXPECT_EQ(p.GetAlignment()->GetHorz(), taRightJustify);
    EXPECT_FALSE(p.IsAlignmentStored());
}

TEST(EditPropertiesProvider, ADyingProviderLeavesEveryPropertiesObjectWithout) {
    TcxCustomEditProperties a(nullptr), b(nullptr), c(nullptr);
    TTestProvider other;
    c.AttachDefaultValuesProvider(&other);
    {
        TTestProvider provider;
        a.AttachDefaultValuesProvider(&provider);
        b.AttachDefaultValuesProvider(&provider);
    }
    EXPECT_EQ(a.GetDefaultValuesProvider(), nullptr);
    EXPECT_EQ(b.GetDefaultValuesProvider(), nullptr);
    EXPECT_EQ(c.GetDefaultValuesProvider(), &other);
}

TEST(EditPropertiesAssign, CopiesSettingsFlagsAndEventsInOneNotice) {
    TcxCustomEditProperties source(nullptr), dest(nullptr);
    int clicks = 0;
    source.OnButtonClick = [&](TObject*, int) { ++clicks; };
    source.SetReadOnly(true);
    source.SetAutoSelect(false);
    source.GetButtons()->AddButton()->SetKind(bkEllipsis);
    source.GetAlignment()->SetVert(taVCenter);
    source.ClickKey = 0;
    dest.SetMaxValue(5);
    TChangeCounter changes(dest);
    dest.Assign(&source);
    EXPECT_EQ(changes.Count, 1);
    EXPECT_TRUE(dest.GetReadOnly());
    EXPECT_FALSE(dest.GetAssignedValues()->GetMaxValue());
    EXPECT_FALSE(dest.GetAutoSelect());
    ASSERT_EQ(dest.GetButtons()->GetCount(), 1);
    EXPECT_EQ(dest.GetButtons()->ButtonAt(0)->GetKind(), bkEllipsis);
    EXPECT_EQ(dest.GetAlignment()->GetVert(), taVCenter);
    EXPECT_EQ(dest.ClickKey, 0);
    dest.OnButtonClick(&dest, 0);
    EXPECT_EQ(clicks, 1);
    // The copy is of the same class.
    std::unique_ptr<TcxCustomEditProperties> copy(source.CreateEmptyCopy());
    EXPECT_EQ(copy->ClassType(), source.ClassType());
}

TEST(EditAlignment, SettingHorzMakesItExplicitEvenWhenUnchanged) {
    TcxEditAlignment a;
    int notices = 0;
    a.OnChanged = [&](TObject*) { ++notices; };
    a.SetHorz(taLeftJustify);
    EXPECT_TRUE(a.HorzNeedsStoring());
    EXPECT_EQ(notices, 1);
    a.SetHorz(taLeftJustify);
    EXPECT_EQ(notices, 1);
    a.ResetHorz();
    EXPECT_FALSE(a.HorzNeedsStoring());
    EXPECT_FALSE(a.VertNeedsStoring());
    a.SetVert(taBottomJustify);
    EXPECT_TRUE(a.VertNeedsStoring());
}

TEST(EditButtons, DefaultIsUniqueAndReportsOneChange) {
    TcxEditButtons buttons;
    TcxEditButton* first = buttons.AddButton();
    TcxEditButton* second = buttons.AddButton();
    int changes = 0;
    buttons.OnChange = [&](TObject*) { ++changes; };
    first->SetDefault(true);
    second->SetDefault(true);
    EXPECT_FALSE(first->GetDefault());
    EXPECT_TRUE(second->GetDefault());
    EXPECT_EQ(changes, 2);
}

TEST(EditButtons, SettersAndGlyph) {
    TcxEditButtons buttons;
    TcxEditButton* b = buttons.AddButton();
    EXPECT_EQ(b->GetKind(), bkDown);
    EXPECT_EQ(b->GetContentAlignment(), taCenter);
    b->SetCaption("&Go");
    EXPECT_EQ(b->GetVisibleCaption(), "Go");
    b->SetWidth(20);
    b->SetWidth(-5);
    EXPECT_EQ(b->GetWidth(), 20);
    EXPECT_EQ(b->PeekGlyph(), nullptr);
    EXPECT_TRUE(b->GetGlyph()->Empty());
    b->SetGlyph(nullptr);
    EXPECT_EQ(b->PeekGlyph(), nullptr);
    buttons.AddButton()->SetVisible(false);
    EXPECT_EQ(buttons.VisibleCount(), 1);
}

TEST(EditButtonViewInfo, AMovedButtonIsRepainted) {
    TcxEditButtonViewInfo a, b;
    a.Bounds = Rect(0, 0, 10, 10);
    b.Assign(&a);
    std::unique_ptr<TcxRegion> same(b.GetUpdateRegion(&a));
    EXPECT_TRUE(same->IsEmptyRegion());
    // Both where it lies now and where it lay are stale.
    b.Bounds = Rect(20, 0, 30, 10);
    std::unique_ptr<TcxRegion> moved(b.GetUpdateRegion(&a));
    EXPECT_TRUE(moved->ContainsXY(25, 5));
    EXPECT_TRUE(moved->ContainsXY(5, 5));
    EXPECT_FALSE(moved->ContainsXY(15, 5));
    b.Bounds = a.Bounds;
    b.State = ebsHot;
    EXPECT_TRUE(b.DiffersFrom(&a));
}

} // namespace
} // namespace zorvy::test
