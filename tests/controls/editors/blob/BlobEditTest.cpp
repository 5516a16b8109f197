// The blob editor: icons and texts of its kinds, the automatic kind, the keys that close its popup,
// and the popup itself: OK saves, Escape cancels, read-only data gets only Close.
#include "controls/editors/blob/BlobEdit.h"

#include "controls/editors/blob/BlobEditViewInfo.h"
#include "controls/editors/framework/EditRepository.h"
#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <gtest/gtest.h>

namespace zorvy::test {
namespace {

class BlobEditTest : public EditorsTest {
  protected:
    TcxBlobEdit* NewBlob(TcxBlobEditKind kind) {
        form = NewForm(300, 300);
        auto* blob = new TcxBlobEdit(form);
        blob->SetParent(form);
        blob->SetBounds(10, 10, 150, 21);
        blob->GetProperties()->SetBlobEditKind(kind);
        form->Show();
        Pump();
        return blob;
    }
    TForm* form = nullptr;
};

TEST_F(BlobEditTest, IconsAndTextsFollowTheKindAndTheValue) {
    TcxBlobEditProperties p(nullptr);
    TcxEditStyle style(nullptr);
    std::unique_ptr<TcxCustomEditViewData> viewData(p.MakeViewData(&style, true));
    TcxBlobEditViewInfo vi;
    const struct {
        TcxBlobEditKind kind;
        Variant value;
        int icon;
    } icons[] = {
        {bekMemo, Variant::Null(), 2}, {bekMemo, Variant(""), 2}, {bekMemo, Variant("text"), 3},
        {bekPict, Variant::Null(), 4}, {bekPict, Variant::FromBytes("x"), 5}, {bekOle, Variant::Null(), 6},
        {bekBlob, Variant::Null(), 0}, {bekBlob, Variant::FromBytes("raw"), 1},
    };
    for (const auto& c : icons) {
        p.SetBlobEditKind(c.kind);
        viewData->FillEditorViewInfo(c.value, &vi);
        EXPECT_EQ(vi.IconIndex, c.icon) << c.kind << " " << VarToStr(c.value);
        EXPECT_EQ(vi.Text, "");
    }
    p.SetBlobPaintStyle(bpsDefault);
    const struct {
        TcxBlobEditKind kind;
        Variant value;
        const char* text;
    } texts[] = {
        {bekPict, Variant::Null(), "(picture)"}, {bekPict, Variant::FromBytes("x"), "(PICTURE)"},
        {bekMemo, Variant::Null(), "(memo)"},    {bekMemo, Variant("a\r\nb"), "(MEMO)"},
        {bekOle, Variant("x"), ""},
    };
    for (const auto& c : texts) {
        p.SetBlobEditKind(c.kind);
        viewData->FillEditorViewInfo(c.value, &vi);
        EXPECT_EQ(vi.IconIndex, -1);
        EXPECT_EQ(vi.Text, c.text);
    }
    p.SetBlobPaintStyle(bpsText);
    p.SetBlobEditKind(bekMemo);
    EXPECT_EQ(FormatBlobText(Variant("first line\r\nsecond"), &p, false), "first line");
    EXPECT_EQ(FormatBlobText(Variant("first line\r\nsecond"), &p, true), "first line\r\nsecond");
    std::string shown;
    p.SetBlobEditKind(bekBlob);
    p.FormatDisplayText(Variant::FromBytes("raw"), shown, false);
    EXPECT_EQ(shown, "BLOB");
    EXPECT_FALSE(p.SameDisplayValue(Variant("a"), Variant("a"))); // a blob always counts as changed
}

TEST_F(BlobEditTest, AnAutomaticKindFollowsTheDataAndSetsTheButton) {
    TcxBlobEditProperties p(nullptr);
    EXPECT_EQ(p.GetButtons()->ButtonAt(0)->GetKind(), bkEllipsis);
    TTestProvider provider; // a memo field
    p.AttachDefaultValuesProvider(&provider);
    p.ResolveAutoKind();
    EXPECT_EQ(p.GetBlobEditKind(), bekMemo);
    EXPECT_EQ(p.GetButtons()->ButtonAt(0)->GetKind(), bkDown);
    p.DropDefaultValuesProvider();
    TcxBlobEditProperties bare(nullptr);
    bare.ResolveAutoKind();
    EXPECT_EQ(bare.GetBlobEditKind(), bekBlob);
}

TEST_F(BlobEditTest, KeysThatCloseThePopup) {
    const struct {
        std::uint16_t key;
        TShiftState shift;
        bool enterCloses, alwaysSave;
        int result;
    } cases[] = {
        {VK_F4, 0, false, true, 1},        {VK_F4, 0, false, false, 2},     {VK_F4, ssAlt, false, true, 0},
        {VK_ESCAPE, 0, false, true, 2},    {VK_UP, ssAlt, false, true, 1},  {VK_DOWN, ssAlt, false, false, 2},
        {VK_RETURN, 0, false, true, 0},    {VK_RETURN, ssCtrl, false, false, 1}, {VK_RETURN, 0, true, false, 1},
        {'A', 0, true, true, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BlobPopupKeyResult(c.key, c.shift, c.enterCloses, c.alwaysSave), c.result) << c.key;
}

TEST_F(BlobEditTest, OkSavesTheMemoAndEscapeCancels) {
    TcxBlobEdit* blob = NewBlob(bekMemo);
    blob->SetEditValue(Variant("old"));
    blob->SetFocus();
    Pump();
    blob->DropDown();
    Pump();
    ASSERT_TRUE(blob->GetDroppedDown());
    ASSERT_NE(blob->GetPopupMemo(), nullptr);
    EXPECT_EQ(blob->GetPopupMemo()->GetText(), "old");
    ASSERT_NE(blob->GetOkButton(), nullptr);
    EXPECT_FALSE(blob->GetOkButton()->GetEnabled());
    display.TypeText("er");
    Pump();
    EXPECT_TRUE(blob->GetOkButton()->GetEnabled());
    display.PressKey(VK_ESCAPE);
    Pump();
    EXPECT_FALSE(blob->GetDroppedDown());
    EXPECT_EQ(VarToStr(blob->GetEditValue()), "old");

    blob->DropDown();
    Pump();
    display.TypeText("!");
    Pump();
    blob->GetOkButton()->Click();
    Pump();
    EXPECT_FALSE(blob->GetDroppedDown());
    EXPECT_EQ(VarToStr(blob->GetEditValue()), "!old"); // the caret starts at the text's beginning
}

TEST_F(BlobEditTest, AReadOnlyBlobOffersOnlyCloseAndKeepsItsValue) {
    TcxBlobEdit* blob = NewBlob(bekMemo);
    blob->SetEditValue(Variant("kept"));
    blob->GetProperties()->SetReadOnly(true);
    blob->SetFocus();
    Pump();
    blob->DropDown();
    Pump();
    ASSERT_TRUE(blob->GetDroppedDown());
    EXPECT_EQ(blob->GetOkButton(), nullptr);
    ASSERT_NE(blob->GetCancelButton(), nullptr);
    EXPECT_EQ(blob->GetCancelButton()->GetCaption(), "&Close");
    display.TypeText("x");
    Pump();
    blob->GetCancelButton()->Click();
    Pump();
    EXPECT_EQ(VarToStr(blob->GetEditValue()), "kept");
}

TEST_F(BlobEditTest, OleAndRawDataHaveNoPopupAndTheKindIsRegistered) {
    TcxBlobEdit* blob = NewBlob(bekBlob);
    EXPECT_FALSE(blob->CanDropDown());
    blob->GetProperties()->SetBlobEditKind(bekOle);
    EXPECT_FALSE(blob->CanDropDown());
    InitializeBlobEditUnit();
    const int index = GetEditPropertiesRegistry()->IndexOfClass(TcxBlobEditProperties::StaticClass());
    ASSERT_GE(index, 0);
    EXPECT_EQ(GetEditPropertiesRegistry()->GetDescription(index), "BlobEdit|Represents the BLOB editor");
    FinalizeBlobEditUnit();
}

} // namespace
} // namespace zorvy::test
