#pragma once
// The blob editor: large-object values (long texts, pictures, raw data) shown in their box as a state
// icon, a short text or the text itself, and edited in a popup that holds a memo or an image editor
// with OK and Cancel buttons (only Close for read-only data). OLE and raw data have no popup content.
// The cell look is in BlobEditViewInfo.h.
#include "controls/editors/buttons/PushButton.h"
#include "controls/editors/image/ImageEdit.h"
#include "controls/editors/memo/MemoEdit.h"
#include "controls/editors/popup/PopupEdit.h"
#include "platform/classlib/stdctrls/Panels.h"

#include <memory>
#include <string>

namespace zorvy {

enum TcxBlobEditKind { bekAuto, bekMemo, bekPict, bekOle, bekBlob };
enum TcxBlobPaintStyle { bpsDefault, bpsIcon, bpsText };

class TcxCustomBlobEditProperties : public TcxCustomPopupEditProperties {
    ZORVY_CLASS(TcxCustomBlobEditProperties, TcxCustomPopupEditProperties)
  public:
    explicit TcxCustomBlobEditProperties(TPersistent* owner);
    void Assign(TPersistent* source) override;

    TcxBlobEditKind GetBlobEditKind() const { return blobEditKind_; }
    // Also makes button 0 a drop-down button for texts and pictures, an ellipsis otherwise.
    void SetBlobEditKind(TcxBlobEditKind value);
    TcxBlobPaintStyle GetBlobPaintStyle() const { return blobPaintStyle_; }
    void SetBlobPaintStyle(TcxBlobPaintStyle value);
    // The automatic kind from the data's large-object kind (raw data without a provider); a provider
    // without data leaves it automatic. Quietly: no change notice.
    void ResolveAutoKind();
    // The class pictures are read as: the set class, else a bitmap when pasting and nil otherwise,
    // then OnGetGraphicClass.
    const TMetaClass* GetGraphicClass(TObject* item, int recordIndex, bool pastingFromClipboard);
    std::string GetPictureGraphicClassName() const {
        return pictureGraphicClass_ ? pictureGraphicClass_->ClassName() : std::string();
    }
    // A registered name, or "" for nil; other names change nothing.
    void SetPictureGraphicClassName(const std::string& value);
    const TMetaClass* GetPictureGraphicClass() const { return pictureGraphicClass_; }

    // Plain settings of the popup's content.
    bool AlwaysSaveData = true;
    bool MemoAutoReplace = false;
    bool MemoWantReturns = true;
    bool MemoWantTabs = true;
    bool MemoOEMConvert = false;
    bool MemoWordWrap = true;
    int MemoMaxLength = 0;
    TEditCharCase MemoCharCase = ecNormal;
    TScrollStyle MemoScrollBars = ssNone;
    bool PictureAutoSize = true;
    std::string PictureFilter;
    TcxImageTransparency PictureTransparency = gtDefault;
    bool ShowExPopupItems = true;
    bool ShowPicturePopup = true;
    TcxImageAssignPictureEvent OnAssignPicture;
    TcxImageGraphicClassEvent OnGetGraphicClass;

    // Only texts and pictures open a popup: the other kinds' button is an ellipsis, not a drop-down.
    int GetDropDownButtonIndex() const override {
        return blobEditKind_ == bekMemo || blobEditKind_ == bekPict ? 0 : -1;
    }
    bool SupportsValidation() const override { return blobEditKind_ == bekMemo; }
    bool HasTextContent() const override { return false; }
    bool IsValidEditValue(const Variant&, bool) const override { return true; }
    bool IsFixedListStyle() const override { return true; }
    int GetFormatFlags() const override { return 0; }
    // 4 without buttons, 36 with them.
    int GetCapabilities() const override;
    int GetSpecialFeatures() const override;
    // Empty for Null; by kind otherwise (see FormatBlobText).
    void FormatDisplayText(const Variant& value, std::string& text, bool isEditing) override;
    // Only equal memo texts shown as text are the same: a blob value otherwise always counts as changed.
    bool SameDisplayValue(const Variant& value1, const Variant& value2) override;
    bool UsesDefaultFormatting(bool isEditing) const override;
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;
    TcxCustomEditViewData* MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag = false) override;
    TcxCustomEditViewInfoClass GetViewInfoClass() const override;

  protected:
    // A nil picture class is streamed as "IsPictureGraphicClassNameEmpty".
    void DefineProperties(TFiler* filer) override;

  private:
    TcxBlobEditKind blobEditKind_ = bekAuto;
    TcxBlobPaintStyle blobPaintStyle_ = bpsIcon;
    const TMetaClass* pictureGraphicClass_;
};

class TcxBlobEditProperties : public TcxCustomBlobEditProperties {
    ZORVY_CLASS(TcxBlobEditProperties, TcxCustomBlobEditProperties)
  public:
    using TcxCustomBlobEditProperties::TcxCustomBlobEditProperties;
};

// The text the closed editor shows for a value: while editing a memo its text; with bpsDefault
// "(memo)"/"(MEMO)" and "(picture)"/"(PICTURE)" for no value and a value; with bpsText a memo's first
// line; nothing otherwise.
std::string FormatBlobText(const Variant& value, TcxCustomBlobEditProperties* properties, bool isEditing);

// A key in the popup: 1 accept, 2 cancel, 0 not a closing key. F4 (without Alt), Escape and Alt+Up or
// Alt+Down close (accepting with always-save unless Escape); Enter accepts when Enter closes or with Ctrl.
int BlobPopupKeyResult(std::uint16_t key, TShiftState shift, bool enterCloses, bool alwaysSave);

class TcxCustomBlobEdit : public TcxCustomPopupEdit {
    ZORVY_CLASS(TcxCustomBlobEdit, TcxCustomPopupEdit)
  public:
    explicit TcxCustomBlobEdit(TComponent* owner) : TcxCustomBlobEdit(owner, false) {}
    TcxCustomBlobEdit(TComponent* owner, bool inplace,
                      const TMetaClass* propertiesClass = TcxBlobEditProperties::StaticClass());
    ~TcxCustomBlobEdit() override;

    TcxCustomBlobEditProperties* GetBlobProperties() const {
        return static_cast<TcxCustomBlobEditProperties*>(GetEffectiveProperties());
    }
    // The popup's content (nil for OLE and raw data, or before the first popup) and its buttons.
    TcxMemo* GetPopupMemo() const;
    TcxImage* GetPopupImage() const;
    TcxButton* GetOkButton() const { return okButton_; }
    TcxButton* GetCancelButton() const { return cancelButton_; }
    // While open: the popup's value; otherwise the edit value.
    Variant GetCurrentValue() override;
    const TMetaClass* GetGraphicClass(bool pastingFromClipboard);
    TcxImageEditGraphicClassEvent OnGetGraphicClass;

    bool ShowsInnerEdit() const override { return false; }
    bool CanDropDown() override;
    TSize CalcPopupSize() override;

  protected:
    void BeforePopup() override;
    // The content takes the focus, so that typing and the closing keys reach it.
    void PopupShown() override;
    void PopupClosed() override;
    void ProcessEditKeyPress(char32_t& ch) override;

  private:
    void CreatePopupControls();
    void FreePopupControls();
    void CreatePopupButtons(bool readOnly);
    void ContentKeyDown(std::uint16_t& key, TShiftState shift, bool enterCloses);
    bool ShouldSavePopupData();
    void SavePopupData();

    std::unique_ptr<TPanel> host_;
    TcxCustomEdit* content_ = nullptr; // owned by the host
    TcxButton* okButton_ = nullptr;
    TcxButton* cancelButton_ = nullptr;
    TPanel* buttonBar_ = nullptr;
    int popupResult_ = 0; // 1 OK, 2 Cancel
    char32_t replacingChar_ = 0;
};

class TcxBlobEdit : public TcxCustomBlobEdit {
    ZORVY_CLASS(TcxBlobEdit, TcxCustomBlobEdit)
  public:
    using TcxCustomBlobEdit::TcxCustomBlobEdit;
    TcxBlobEditProperties* GetProperties() const {
        return static_cast<TcxBlobEditProperties*>(TcxCustomEdit::GetProperties());
    }
    void SetProperties(TcxBlobEditProperties* value) { GetProperties()->Assign(value); }
};

// Registers the kind (once however often it is called); it has no filter helper.
void InitializeBlobEditUnit();
void FinalizeBlobEditUnit();

} // namespace zorvy
