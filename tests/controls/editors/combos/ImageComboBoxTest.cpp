// The image combo box: items and their images, finding items by value and description, the value the
// editor keeps (an item's Value, never its text), the cell's image and text, and its filter helper.
#include "controls/editors/combos/ImageComboBox.h"

#include "controls/editors/filter/FilterEditHelpers.h"
#include "controls/editors/framework/EditStyle.h"
#include "platform/classlib/Bitmap.h"
#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"
#include "tests/controls/foundation/graphics/PaintSurface.h"

#include <gtest/gtest.h>

#include <memory>

namespace zorvy::test {
namespace {

// An image list of 8 x 8 images, each filled with its colour.
void AddSolidImages(TImageList& images, std::initializer_list<TColor> colors) {
    for (TColor color : colors) {
        TBitmap image;
        image.SetSize(8, 8);
        image.GetCanvas()->GetBrush()->SetColor(color);
        image.GetCanvas()->FillRect(TRect{0, 0, 8, 8});
        images.AddMasked(&image, clFuchsia);
    }
}

class ImageComboBoxTest : public EditorsTest {
  protected:
    ImageComboBoxTest() {
        InitializeImageComboBoxUnit();
        AddSolidImages(images, {clRed, clBlue});
    }
    ~ImageComboBoxTest() override {
        delete form;
        FinalizeImageComboBoxUnit();
    }
    // Red 红 = 1, Blue 蓝 = 2, Green 绿 = 3 (no image).
    void AddDrawColours(TcxCustomImageComboBoxProperties& p) {
        const char* names[] = {"Red 红", "Blue 蓝", "Green 绿"};
        for (int i = 0; i < 3; ++i) {
            TcxImageComboBoxItem* item = p.GetItems()->AddItem();
            item->SetDescription(names[i]);
            item->SetValue(Variant(i + 1));
        }
    }
    TImageList images{nullptr, 8, 8};
    TForm* form = nullptr;
};

TEST_F(ImageComboBoxTest, NewItemsTakeTheirPositionAsImageWhileThereAreImages) {
    TcxImageComboBoxProperties p(nullptr);
    p.SetImages(&images);
    AddDrawColours(p);
    EXPECT_EQ(p.GetItems()->ItemAt(0)->GetImageIndex(), 0);
    EXPECT_EQ(p.GetItems()->ItemAt(1)->GetImageIndex(), 1);
    EXPECT_EQ(p.GetItems()->ItemAt(2)->GetImageIndex(), -1);
    EXPECT_TRUE(p.GetItems()->ItemAt(2)->GetValue().VarType() == varInteger);
    EXPECT_EQ(p.GetDropDownListStyle(), lsFixedList);
}

TEST_F(ImageComboBoxTest, ItemsAreFoundByLooseValueAndByDescriptionCaseAside) {
    TcxImageComboBoxProperties p(nullptr);
    p.SetImages(&images);
    AddDrawColours(p);
    EXPECT_EQ(p.FindItemByValue(Variant(2.0)), p.GetItems()->ItemAt(1));
    EXPECT_EQ(p.FindItemByValue(Variant("3")), p.GetItems()->ItemAt(2));
    EXPECT_EQ(p.FindItemByValue(Variant(9)), nullptr);
    EXPECT_EQ(p.FindItemByDescription("red 红"), p.GetItems()->ItemAt(0));
    p.SetDefaultDescription("未知 Unknown");
    p.SetDefaultImageIndex(1);
    std::string text;
    int image = -1;
    p.GetValueInfo(Variant(9), text, image);
    EXPECT_EQ(text, "未知 Unknown");
    EXPECT_EQ(image, 1);
    p.SetShowDescriptions(false);
    EXPECT_EQ(p.FindItemByDescription("Red 红"), nullptr);
    p.GetValueInfo(Variant(1), text, image);
    EXPECT_EQ(text, "");
    EXPECT_EQ(image, 0);
}

TEST_F(ImageComboBoxTest, AValueOfAnotherTypeIsAChangeEvenWhenEqual) {
    TcxImageComboBoxProperties p(nullptr);
    AddDrawColours(p);
    TChangeCounter changes(p);
    p.GetItems()->ItemAt(0)->SetValue(Variant(1));
    EXPECT_EQ(changes.Count, 0);
    p.GetItems()->ItemAt(0)->SetValue(Variant(1.0));
    EXPECT_EQ(changes.Count, 1);
}

TEST_F(ImageComboBoxTest, EqualDescriptionsDisplayApartOnlyByTheirImages) {
    TcxImageComboBoxProperties p(nullptr);
    AddDrawColours(p);
    p.GetItems()->ItemAt(1)->SetDescription("Red 红");
    p.GetItems()->ItemAt(1)->SetImageIndex(1);
    p.GetItems()->ItemAt(0)->SetImageIndex(0);
    EXPECT_TRUE(p.SameDisplayValue(Variant(1), Variant(2)));
    p.SetImages(&images);
    EXPECT_FALSE(p.SameDisplayValue(Variant(1), Variant(2)));
}

TEST_F(ImageComboBoxTest, TheEditorKeepsTheItemsValue) {
    form = NewForm();
    auto* combo = new TcxImageComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 150, 21);
    combo->GetProperties()->SetImages(&images);
    AddDrawColours(*combo->GetProperties());
    form->Show();
    Pump();
    combo->SetEditValue(Variant(2));
    EXPECT_EQ(combo->GetItemIndex(), 1);
    EXPECT_EQ(combo->GetText(), "Blue 蓝");
    combo->SetItemIndex(2);
    EXPECT_EQ(combo->GetEditValue().AsInteger(), 3);
    EXPECT_EQ(combo->GetText(), "Green 绿");
    combo->SetEditValue(Variant(42));
    EXPECT_EQ(combo->GetItemIndex(), -1);
    EXPECT_EQ(combo->GetText(), "");
    EXPECT_TRUE(combo->GetTypedValue().IsNull());
    EXPECT_FALSE(combo->IsCharAccepted(8));
}

TEST_F(ImageComboBoxTest, AnAutoSizedEditorIsAtLeastAsHighAsItsImages) {
    form = NewForm();
    TImageList tall(nullptr, 24, 30);
    TBitmap image;
    image.SetSize(24, 30);
    tall.AddMasked(&image, clFuchsia);
    auto* plain = new TcxImageComboBox(form);
    plain->SetParent(form);
    auto* pictured = new TcxImageComboBox(form);
    pictured->SetParent(form);
    pictured->GetProperties()->SetImages(&tall);
    for (TcxImageComboBox* combo : {plain, pictured}) {
        AddDrawColours(*combo->GetProperties());
        combo->SetBounds(10, 10, 150, 10);
    }
    form->Show();
    Pump();
    const TcxCustomEditViewInfo* vi = pictured->GetEditViewInfo();
    const int frame = vi->Bounds.Height() - vi->ClientRect.Height();
    EXPECT_EQ(pictured->GetHeight(), frame + 30);
    EXPECT_LT(plain->GetHeight(), frame + 30) << "a text line is less than the image";
    EXPECT_GT(plain->GetHeight(), 10) << "the text line still sets the height";
}

TEST_F(ImageComboBoxTest, AnItemChosenInTheListGivesItsValue) {
    form = NewForm();
    auto* combo = new TcxImageComboBox(form);
    combo->SetParent(form);
    combo->SetBounds(10, 10, 150, 21);
    combo->GetProperties()->SetImages(&images);
    AddDrawColours(*combo->GetProperties());
    form->Show();
    Pump();
    combo->SetFocus();
    Pump();
    combo->SetEditValue(Variant(1));
    combo->DropDown();
    Pump();
    ASSERT_TRUE(combo->GetDroppedDown());
    auto* list = dynamic_cast<TcxImageComboBoxListBox*>(combo->GetLookupList());
    ASSERT_NE(list, nullptr);
    EXPECT_GE(list->GetItemHeight(0), 8 + 2) << "rows fit the images";
    EXPECT_GE(list->GetListWidth(), 8 + 8);
    combo->GetLookupData()->SetItemIndex(2);
    InjectKey(VK_RETURN, true);
    InjectKey(VK_RETURN, false);
    Pump();
    EXPECT_FALSE(combo->GetDroppedDown());
    ASSERT_TRUE(combo->ValidateInput(false));
    EXPECT_EQ(combo->GetEditValue().AsInteger(), 3);
    EXPECT_EQ(combo->GetText(), "Green 绿");
}

TEST_F(ImageComboBoxTest, ACellShowsTheImageBesideTheTextOrCentredAlone) {
    TcxImageComboBoxProperties p(nullptr);
    p.SetImages(&images);
    AddDrawColours(p);
    TcxEditStyle style(nullptr);
    style.GetLookAndFeel()->SetNativeStyle(false);
    TPaintSurface surface(120, 20);
    auto paint = [&](const Variant& value) {
        std::unique_ptr<TcxCustomEditViewData> viewData(p.MakeViewData(&style, true));
        auto viewInfo = std::unique_ptr<TcxImageComboBoxViewInfo>(
            static_cast<TcxImageComboBoxViewInfo*>(p.CreateViewInfo()));
        viewData->FillViewInfo(surface.Canvas(), TRect{0, 0, 120, 20}, TPoint{-1, -1}, 0, 0, viewInfo.get(), false);
        viewData->FillEditorViewInfo(value, viewInfo.get());
        viewInfo->PaintTo(surface.Canvas());
        return viewInfo;
    };
    auto vi = paint(Variant(2));
    EXPECT_EQ(vi->Text, "Blue 蓝");
    EXPECT_EQ(vi->ImageIndex, 1);
    EXPECT_EQ(vi->ImageRect.Left, vi->ClientRect.Left + 2);
    EXPECT_EQ(vi->ImageRect.Width(), 8);
    EXPECT_EQ(surface.At(vi->ImageRect.Left + 4, vi->ImageRect.Top + 4), RGB(0, 0, 255));
    EXPECT_GE(vi->TextRect.Left, vi->ImageRect.Right + 2);

    p.SetImageAlign(iaRight);
    vi = paint(Variant(1));
    EXPECT_EQ(vi->ImageRect.Right, vi->ClientRect.Right - 2);
    EXPECT_LE(vi->TextRect.Right, vi->ImageRect.Left - 2);

    p.SetShowDescriptions(false);
    vi = paint(Variant(1));
    EXPECT_EQ(vi->Text, "");
    EXPECT_EQ(vi->ImageRect.Left, 2 + (vi->ClientRect.Width() - 4 - 8) / 2);
}

TEST_F(ImageComboBoxTest, TheFilterHelperListsEqualityAndBlanks) {
    ASSERT_EQ(GetFilterEditHelperRegistry()->LookupHelperClass(TcxImageComboBoxProperties::StaticClass()),
              TcxFilterImageComboBoxHelper::StaticClass());
    const auto* helper = FilterEditHelper(TcxFilterImageComboBoxHelper::StaticClass());
    TcxImageComboBoxProperties source(nullptr);
    TcxImageComboBoxProperties filter(nullptr);
    filter.SetShowDescriptions(false);
    helper->PrepareFilterProperties(&filter, &source, false);
    EXPECT_TRUE(filter.GetShowDescriptions());
    const TcxFilterControlOperators ops = helper->GetAllowedOperators(&source, nullptr, false);
    EXPECT_EQ(ops, FilterOperatorBit(fcoEqual) | FilterOperatorBit(fcoNotEqual) | FilterOperatorBit(fcoBlanks) |
                       FilterOperatorBit(fcoNonBlanks));
    EXPECT_TRUE(helper->GetAllowedOperators(&source, nullptr, true) & FilterOperatorBit(fcoInList));
}

} // namespace
} // namespace zorvy::test
