#pragma once
// The image combo box: chooses a value from a fixed list of items, each shown with an image of an
// image list and a description. The edit value is the chosen item's Value, never the text. Here: the
// items, the settings, the lookup data, the drop-down list that draws images, the cell layout and
// painting, the control, its filter helper and the unit's registration.
#include "controls/editors/popup/ComboBox.h"
#include "controls/editors/popup/DropDownEditViewData.h"
#include "controls/editors/text/TextEditViewInfo.h"
#include "platform/classlib/ImageList.h"
#include "platform/rtl/Collection.h"

#include <memory>

namespace zorvy {

class TcxCustomImageComboBoxProperties;

enum TcxImageAlign { iaLeft, iaRight };

class TcxImageComboBoxItem : public TCollectionItem {
    ZORVY_CLASS(TcxImageComboBoxItem, TCollectionItem)
  public:
    // Made through the collection's Add, which joins it once constructed: its image is then its
    // position while the properties' Images hold enough images, else none.
    explicit TcxImageComboBoxItem(TCollection*) : TCollectionItem(nullptr) {}
    void Assign(TPersistent* source) override;
    const std::string& GetDescription() const { return description_; }
    void SetDescription(const std::string& value);
    int GetImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    const Variant& GetValue() const { return value_; }
    // A value of another variant type counts as a change even when the two compare equal.
    void SetValue(const Variant& value);
    int Tag = 0;

  private:
    friend class TcxImageComboBoxItems;
    std::string description_;
    int imageIndex_ = -1;
    Variant value_ = Variant::Null();
};

// Every change of the items is a change of the owning settings.
class TcxImageComboBoxItems : public TOwnedCollection {
    ZORVY_CLASS(TcxImageComboBoxItems, TOwnedCollection)
  public:
    explicit TcxImageComboBoxItems(TPersistent* owner);
    TcxImageComboBoxItem* ItemAt(int index) const { return static_cast<TcxImageComboBoxItem*>(GetItem(index)); }
    TcxImageComboBoxItem* AddItem() { return static_cast<TcxImageComboBoxItem*>(Add()); }

  protected:
    void Notify(TCollectionItem* item, TCollectionNotification action) override;
    void Update(TCollectionItem* item) override;
};

class TcxCustomImageComboBoxProperties : public TcxCustomComboBoxProperties {
    ZORVY_CLASS(TcxCustomImageComboBoxProperties, TcxCustomComboBoxProperties)
  public:
    // A fixed list.
    explicit TcxCustomImageComboBoxProperties(TPersistent* owner);
    ~TcxCustomImageComboBoxProperties() override;
    void Assign(TPersistent* source) override;

    const std::string& GetDefaultDescription() const { return defaultDescription_; }
    void SetDefaultDescription(const std::string& value) { Store(defaultDescription_, value); }
    int GetDefaultImageIndex() const { return defaultImageIndex_; }
    void SetDefaultImageIndex(int value) { Store(defaultImageIndex_, value); }
    TcxImageAlign GetImageAlign() const { return imageAlign_; }
    void SetImageAlign(TcxImageAlign value) { Store(imageAlign_, value); }
    TCustomImageList* GetImages() const { return images_; }
    // Watched: a change in the list is a change here, a freed list is forgotten.
    void SetImages(TCustomImageList* value);
    TCustomImageList* GetLargeImages() const { return largeImages_; }
    void SetLargeImages(TCustomImageList* value);
    TcxImageComboBoxItems* GetItems() const { return items_.get(); }
    void SetItems(TcxImageComboBoxItems* value) { items_->Assign(value); }
    bool GetMultiLineText() const { return multiLineText_; }
    void SetMultiLineText(bool value) { Store(multiLineText_, value); }
    bool GetShowDescriptions() const { return showDescriptions_; }
    void SetShowDescriptions(bool value) { Store(showDescriptions_, value); }

    // The first item whose Value equals value (loosely, as the data controller compares); nil for none.
    TcxImageComboBoxItem* FindItemByValue(const Variant& value) const;
    // Without descriptions never; else the first item whose description equals text, case aside.
    TcxImageComboBoxItem* FindItemByDescription(const std::string& text) const;
    // The item's (nil: the defaults') description when descriptions show, and image index.
    void GetItemInfo(const TcxImageComboBoxItem* item, std::string& description, int& imageIndex) const;
    void GetValueInfo(const Variant& value, std::string& description, int& imageIndex) const {
        GetItemInfo(FindItemByValue(value), description, imageIndex);
    }

    void ComponentFreed(TComponent* component) override;
    int GetFormatFlags() const override { return 0; }
    bool HasTextContent() const override { return false; }
    int GetCapabilities() const override;
    bool IsValidEditValue(const Variant&, bool) const override { return true; }
    void ToDisplayValue(const Variant& value, Variant& displayValue, bool isEditing) override;
    void FormatDisplayText(const Variant& value, std::string& text, bool isEditing) override;
    // The same description (case-sensitive) and, with Images, the same image.
    bool SameDisplayValue(const Variant& value1, const Variant& value2) override;
    bool UsesDefaultFormatting(bool) const override { return false; }
    bool IsInLookupItems(const std::string& text) const override { return FindItemByDescription(text) != nullptr; }
    const TMetaClass* GetLookupDataClass() const override;
    TcxCustomEditViewData* MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag = false) override;
    TcxCustomEditViewInfoClass GetViewInfoClass() const override;
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;

  private:
    template <class T> void Store(T& field, const T& value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    void SetImageList(TCustomImageList*& field, TChangeLink* link, TCustomImageList* value);

    std::string defaultDescription_;
    int defaultImageIndex_ = -1;
    TcxImageAlign imageAlign_ = iaLeft;
    TCustomImageList* images_ = nullptr;
    TCustomImageList* largeImages_ = nullptr;
    std::unique_ptr<TcxImageComboBoxItems> items_;
    bool multiLineText_ = false;
    bool showDescriptions_ = true;
    std::unique_ptr<TChangeLink> imagesLink_;
    std::unique_ptr<TChangeLink> largeImagesLink_;
};

class TcxImageComboBoxProperties : public TcxCustomImageComboBoxProperties {
    ZORVY_CLASS(TcxImageComboBoxProperties, TcxCustomImageComboBoxProperties)
  public:
    using TcxCustomImageComboBoxProperties::TcxCustomImageComboBoxProperties;
};

// Item texts are the descriptions; the current item follows the editor's value.
class TcxImageComboBoxLookupData : public TcxComboBoxLookupData {
    ZORVY_CLASS(TcxImageComboBoxLookupData, TcxComboBoxLookupData)
  public:
    using TcxComboBoxLookupData::TcxComboBoxLookupData;
    std::string GetItemText(int index) const override;
    int GetItemCount() const override;
    const TMetaClass* GetListBoxClass() const override;
    void SyncWithEditText() override;

  private:
    const TcxCustomImageComboBoxProperties* ImageProperties() const;
};

// The list of the popup: each row with its image (of LargeImages, else Images) and description.
class TcxImageComboBoxListBox : public TcxComboBoxListBox {
    ZORVY_CLASS(TcxImageComboBoxListBox, TcxComboBoxListBox)
  public:
    using TcxComboBoxListBox::TcxComboBoxListBox;
    TCustomImageList* GetImageList() const;
    // The row's image column: L's width + 4 at the reading side the alignment names.
    TRect GetImageRect(const TRect& row) const;
    int GetItemHeight(int index) override;
    bool DrawItemCustom(int index, const TRect& rect, TOwnerDrawState state) override;
    // Images plus the widest description, and a scroll bar's width when the rows overflow.
    int GetListWidth();

  private:
    const TcxCustomImageComboBoxProperties* ImageProperties() const;
};

class TcxImageComboBoxViewInfo : public TcxCustomTextEditViewInfo {
    ZORVY_CLASS(TcxImageComboBoxViewInfo, TcxCustomTextEditViewInfo)
  public:
    void PaintFrameAndBackground(TcxCanvas* canvas) override;
    void ShiftBy(int dx, int dy) override;
    TRect ImageRect{};
    int ImageIndex = -1;
    TcxImageAlign ImageAlign = iaLeft;
    bool ShowDescriptions = true;
    TCustomImageList* Images = nullptr;
};

class TcxImageComboBoxViewData : public TcxCustomDropDownEditViewData {
    ZORVY_CLASS(TcxImageComboBoxViewData, TcxCustomDropDownEditViewData)
  public:
    using TcxCustomDropDownEditViewData::TcxCustomDropDownEditViewData;
    // Room for the image at the aligned side (centred without descriptions), the text beside it.
    void FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton, TShiftState shift,
                      TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) override;
    void FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) override;
    void EditValueToText(const Variant& value, std::string& text) override;
    // At least as high as an image, and wide enough for an image beside the text.
    void MeasureOverflowSize(TcxCanvas* canvas, bool isInplace, const TcxEditSizeProperties& limits, TSize& overflow,
                             TcxCustomEditViewInfo* viewInfo, TSize& frame) override;

  private:
    TcxCustomImageComboBoxProperties* ImageProperties() const {
        return static_cast<TcxCustomImageComboBoxProperties*>(GetProperties());
    }
};

class TcxCustomImageComboBox : public TcxCustomComboBox {
    ZORVY_CLASS(TcxCustomImageComboBox, TcxCustomComboBox)
  public:
    explicit TcxCustomImageComboBox(TComponent* owner) : TcxCustomImageComboBox(owner, false) {}
    TcxCustomImageComboBox(TComponent* owner, bool inplace,
                           const TMetaClass* propertiesClass = TcxImageComboBoxProperties::StaticClass())
        : TcxCustomComboBox(owner, inplace, propertiesClass) {}
    TcxCustomImageComboBoxProperties* GetImageProperties() const {
        return static_cast<TcxCustomImageComboBoxProperties*>(GetEffectiveProperties());
    }
    // The Value of the item at key; Null for -1.
    Variant LookupItemToValue(int key) const;
    // The item becomes current and its Value the edit value (-1: Null).
    void SetItemIndex(int index);
    // The text is ignored: the current item's Value, or Null without one.
    Variant GetTypedValue() override { return LookupItemToValue(GetItemIndex()); }
    void ApplyDisplayValue(const Variant& value) override;
    // The current item follows the value, then the text shows the value's description.
    void ShowEditValue() override;
    bool IsCharAccepted(char32_t ch) override { return ch >= 32; }
    TObject* GetSelectedItemObject() const override { return nullptr; }
    // At least the list's width unless the rows wrap (then the editor's width).
    TSize CalcPopupSize() override;
};

class TcxImageComboBox : public TcxCustomImageComboBox {
    ZORVY_CLASS(TcxImageComboBox, TcxCustomImageComboBox)
  public:
    using TcxCustomImageComboBox::TcxCustomImageComboBox;
    TcxImageComboBoxProperties* GetProperties() const {
        return static_cast<TcxImageComboBoxProperties*>(TcxCustomEdit::GetProperties());
    }
    void SetProperties(TcxImageComboBoxProperties* value) { TcxCustomEdit::GetProperties()->Assign(value); }
};

// Filter values of image columns are chosen in an image combo box that shows its descriptions.
class TcxFilterImageComboBoxHelper : public TcxFilterComboBoxHelper {
    ZORVY_CLASS(TcxFilterImageComboBoxHelper, TcxFilterComboBoxHelper)
  public:
    const TMetaClass* GetEditorClassForFilter(TcxCustomEditProperties*, TcxInplaceEditList*) const override;
    TcxFilterControlOperators GetAllowedOperators(TcxCustomEditProperties* properties, TcxValueTypeClass valueType,
                                                  bool extended) const override;
    void PrepareFilterProperties(TcxCustomEditProperties* properties, TcxCustomEditProperties* source,
                                 bool keepButtons) const override;
};

// Registers the image combo box and its filter helper (once); the last shutdown removes the helper.
void InitializeImageComboBoxUnit();
void FinalizeImageComboBoxUnit();

} // namespace zorvy
