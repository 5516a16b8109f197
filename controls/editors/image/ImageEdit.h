#pragma once
// The image editor: a picture held as an editor value (its file bytes, Null for none), shown centred,
// proportionally stretched or at its size, with a context menu of cut, copy, paste, delete, load, save
// and one custom command, clipboard keys and picture dialogs. The settings are
// TcxCustomImageProperties; the painting and the grid cells are in ImageViewInfo.h.
#include "controls/editors/framework/Edit.h"
#include "controls/editors/image/PictureValue.h"
#include "platform/classlib/Menus.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace zorvy {

class TcxCustomImage;
class TcxEditRepositoryItem;

enum TcxImageTransparency { gtDefault, gtOpaque, gtTransparent };
enum TcxPopupMenuItem { pmiCut, pmiCopy, pmiPaste, pmiDelete, pmiLoad, pmiSave, pmiCustom };
// Bit n: command n.
using TcxPopupMenuItems = std::uint8_t;
constexpr TcxPopupMenuItems PopupMenuItemBit(TcxPopupMenuItem item) {
    return TcxPopupMenuItems(1u << item);
}

// A picture was verified as the editor's value.
using TcxImageAssignPictureEvent = std::function<void(TObject* sender, TPicture* picture)>;
// Chooses the graphic class of a value (per record of a grid item).
using TcxImageGraphicClassEvent = std::function<void(TObject* item, int recordIndex, bool pastingFromClipboard,
                                                     const TMetaClass*& graphicClass)>;
using TcxImageEditGraphicClassEvent =
    std::function<void(TObject* sender, bool pastingFromClipboard, const TMetaClass*& graphicClass)>;

// Which commands the context menu shows, and the custom one's caption and glyph.
class TcxPopupMenuLayout : public TPersistent {
    ZORVY_CLASS(TcxPopupMenuLayout, TPersistent)
  public:
    TcxPopupMenuLayout() = default;
    void Assign(TPersistent* source) override;
    TcxPopupMenuItems MenuItems = 63; // all but the custom command
    std::string CustomMenuItemCaption;
    // Created empty on first read; nil frees it, a bitmap is copied.
    TBitmap* GetCustomMenuItemGlyph();
    void SetCustomMenuItemGlyph(TBitmap* value);
    bool HasCustomMenuItemGlyph() const { return glyph_ != nullptr; }

  private:
    std::unique_ptr<TBitmap> glyph_;
};

class TcxCustomImageProperties : public TcxCustomEditProperties {
    ZORVY_CLASS(TcxCustomImageProperties, TcxCustomEditProperties)
  public:
    explicit TcxCustomImageProperties(TPersistent* owner);
    void Assign(TPersistent* source) override;

    const std::string& GetCaption() const { return caption_; }
    void SetCaption(const std::string& value);
    bool GetCenter() const { return center_; }
    void SetCenter(bool value);
    const std::string& GetCustomFilter() const { return customFilter_; }
    void SetCustomFilter(const std::string& value);
    // The class values are read as; "" for nil. A name that is not registered changes nothing.
    std::string GetGraphicClassName() const { return graphicClass_ ? graphicClass_->ClassName() : std::string(); }
    void SetGraphicClassName(const std::string& value);
    const TMetaClass* GetGraphicClassRef() const { return graphicClass_; }
    void SetGraphicClass(const TMetaClass* value);
    TcxImageTransparency GetGraphicTransparency() const { return graphicTransparency_; }
    void SetGraphicTransparency(TcxImageTransparency value);
    TcxPopupMenuLayout* GetPopupMenuLayout() const { return popupMenuLayout_.get(); }
    void SetPopupMenuLayout(TcxPopupMenuLayout* value) { popupMenuLayout_->Assign(value); }
    bool GetShowFocusRect() const { return showFocusRect_; }
    void SetShowFocusRect(bool value);
    bool GetStretch() const { return stretch_; }
    void SetStretch(bool value);
    // An in-place cell with neither picture nor caption measures this high.
    int DefaultHeight = 15;
    TcxImageAssignPictureEvent OnAssignPicture;
    TNotifyEvent OnCustomClick;
    TcxImageGraphicClassEvent OnGetGraphicClass;

    // The first registered class; nil when there is none.
    static const TMetaClass* GetDefaultGraphicClass();
    // The class to read a value of a grid item's record with: the set class, else a bitmap when
    // pasting and nil otherwise, then OnGetGraphicClass.
    const TMetaClass* GetGraphicClass(TObject* item, int recordIndex, bool pastingFromClipboard);

    bool SupportsValidation() const override { return true; }
    int GetSpecialFeatures() const override { return TcxCustomEditProperties::GetSpecialFeatures() | 1; }
    int GetCapabilities() const override { return TcxCustomEditProperties::GetCapabilities() | 6; }
    bool KeepsEntryValue() const override { return true; }
    // Empty for Null, else the caption.
    void FormatDisplayText(const Variant& value, std::string& text, bool isEditing) override;
    // Fires OnAssignPicture with the editor's picture and asks for editing; reports no error.
    void VerifyDisplayValue(Variant& displayValue, std::string& errorText, TcxCustomEdit* edit, bool& error) override;
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;
    TcxCustomEditViewData* MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag = false) override;
    TcxCustomEditViewInfoClass GetViewInfoClass() const override;

  protected:
    // A nil class is streamed as "IsGraphicClassNameEmpty", so that it does not come back as the default.
    void DefineProperties(TFiler* filer) override;

  private:
    std::string caption_;
    bool center_ = true;
    std::string customFilter_;
    const TMetaClass* graphicClass_;
    TcxImageTransparency graphicTransparency_ = gtDefault;
    std::unique_ptr<TcxPopupMenuLayout> popupMenuLayout_;
    bool showFocusRect_ = true;
    bool stretch_ = false;
};

class TcxImageProperties : public TcxCustomImageProperties {
    ZORVY_CLASS(TcxImageProperties, TcxCustomImageProperties)
  public:
    using TcxCustomImageProperties::TcxCustomImageProperties;
};

class TcxCustomImage : public TcxCustomEdit {
    ZORVY_CLASS(TcxCustomImage, TcxCustomEdit)
  public:
    explicit TcxCustomImage(TComponent* owner) : TcxCustomImage(owner, false) {}
    TcxCustomImage(TComponent* owner, bool inplace,
                   const TMetaClass* propertiesClass = TcxImageProperties::StaticClass());
    ~TcxCustomImage() override;

    TcxCustomImageProperties* GetImageProperties() const {
        return static_cast<TcxCustomImageProperties*>(GetEffectiveProperties());
    }
    TPicture* GetPicture() const { return picture_.get(); }
    // Copies the picture in.
    void SetPicture(TPicture* value) { picture_->Assign(value); }
    // Set while the stored value is one whose bytes did not decode: the editor shows it as
    // unreadable and keeps those bytes as its value until the user gives it another picture.
    bool IsPictureUnreadable() const { return unreadable_; }

    // Null for an empty picture, else its file bytes (the stored bytes while they are unreadable).
    Variant GetPictureValue();
    void StoreEditValue(const Variant& value) override;
    bool AutoSizeInEffect() const override;
    bool FitsWidthToButtons() const override { return true; }
    void ApplyPropertiesChange(TcxCustomEditProperties* properties) override;
    // With editing granted, the picture becomes empty.
    void ClearValue() override;
    void CopyToClipboard() override;
    void CutToClipboard() override;
    void PasteFromClipboard() override;
    virtual bool CanPasteFromClipboard();
    // OnCustomClick of the settings and of the repository item's.
    virtual void CustomClick();
    // The class a value or a pasted picture is read as (see the settings' GetGraphicClass).
    virtual const TMetaClass* GetGraphicClass(bool pastingFromClipboard);
    // The picture dialogs; each reports its close to OnClosePopup (4 loaded, 3 not).
    void LoadPicture();
    void SavePicture();
    // Runs a command of the context menu as the user.
    void RunMenuCommand(TcxPopupMenuItem command);
    // The context menu as it would show now (made on first use).
    TPopupMenu* UpdatePopupMenu();
    TcxImageEditGraphicClassEvent OnGetGraphicClass;
    // While a picture dialog is open the editor counts as focused.
    bool IsFocused() const override { return dialogOpen_ || TcxCustomEdit::IsFocused(); }

  protected:
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoContextPopup(TPoint mousePos, bool& handled) override;

  private:
    void PictureChanged(TObject*);
    void MenuItemClick(TObject* sender);
    // Runs f with the user-change flag set.
    template <class F> void AsUser(F f);

    std::unique_ptr<TPicture> picture_;
    std::unique_ptr<TPopupMenu> menu_;
    bool settingValue_ = false;
    bool dialogOpen_ = false;
    bool unreadable_ = false;
    Variant unreadableValue_;
};

class TcxImage : public TcxCustomImage {
    ZORVY_CLASS(TcxImage, TcxCustomImage)
  public:
    using TcxCustomImage::TcxCustomImage;
    TcxImageProperties* GetProperties() const {
        return static_cast<TcxImageProperties*>(TcxCustomEdit::GetProperties());
    }
    void SetProperties(TcxImageProperties* value) { GetProperties()->Assign(value); }
};

// Registers the kind (once however often it is called); it has no filter helper.
void InitializeImageUnit();
void FinalizeImageUnit();

} // namespace zorvy
