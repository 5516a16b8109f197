#pragma once
// The drop-down editor: the masked editor with a popup window that opens below or above it. The
// settings every drop-down editor shares (TcxCustomDropDownEditProperties), the per-column data a grid
// keeps for its in-place editor, and the control (TcxCustomDropDownEdit) that runs the drop-down and
// close-up cycle, with the keys and the button that drive it. Editor kinds give the popup its content
// through CanDropDown, GetPopupControl, CalcPopupSize and PositionPopupControl.
#include "controls/editors/mask/MaskEdit.h"
#include "controls/editors/popup/EditPopupWindow.h"
#include "controls/editors/popup/PopupLookAndFeel.h"

#include <memory>

namespace zorvy {

class TcxCustomDropDownEdit;
class TcxCustomEditListBox;

// Posted to a drop-down editor after a paste: its lookup item follows the pasted text.
constexpr UINT CM_DROPDOWNSYNCLOOKUP = 0x806C;
using TcxEditPopupWindowFactory = TcxCustomEditPopupWindow* (*)(TWinControl* ownerEdit);
using TcxEditCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

class TcxCustomDropDownEditProperties : public TcxCustomMaskEditProperties {
    ZORVY_CLASS(TcxCustomDropDownEditProperties, TcxCustomMaskEditProperties)
  public:
    // One drop-down (arrow) button.
    explicit TcxCustomDropDownEditProperties(TPersistent* owner);
    void Assign(TPersistent* source) override;

    bool ImmediateDropDown = true;
    bool ImmediatePopup = false;
    bool KeepButtonPressed = false;
    bool PostPopupValueOnTab = false;
    // 0 beside the editor, 1 below or above it.
    TcxPopupOpenDirection PopupDirection = pdirVertical;
    TcxPopupVertAlign PopupVertAlignment = pvaBottom;
    TcxEditCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnFinalizePopup;
    TNotifyEvent OnInitPopup;
    TNotifyEvent OnPopup;

    bool GetPopupAutoSize() const { return popupAutoSize_; }
    void SetPopupAutoSize(bool value);
    bool GetPopupClientEdge() const { return popupClientEdge_; }
    void SetPopupClientEdge(bool value);
    TAlignment GetPopupAlignment() const;
    void SetPopupAlignment(TAlignment value);
    TcxPopupHorzAlign GetPopupHorzAlignment() const { return popupHorzAlignment_; }
    // Never below the minimum height.
    int GetPopupHeight() const { return popupHeight_; }
    void SetPopupHeight(int value);
    // 0 (the editor's width) when not positive, else at least the minimum width.
    int GetPopupWidth() const { return popupWidth_; }
    void SetPopupWidth(int value);
    // A negative minimum is 0; a new minimum applies to the size again.
    int GetPopupMinHeight() const { return popupMinHeight_; }
    void SetPopupMinHeight(int value);
    int GetPopupMinWidth() const { return popupMinWidth_; }
    void SetPopupMinWidth(int value);
    bool GetPopupSizeable() const { return popupSizeable_; }
    void SetPopupSizeable(bool value);
    bool GetPopupSysPanelStyle() const { return popupSysPanelStyle_; }
    void SetPopupSysPanelStyle(bool value);

    // The glyph of the drop-down button: a usable glyph makes it a glyph button, none an arrow again.
    TBitmap* GetButtonGlyph() const;
    void SetButtonGlyph(TBitmap* value);
    // The glyph moves to button index (made a glyph button), which becomes the drop-down button.
    void MoveGlyphToButton(int index);
    void Changed() override;

    virtual int GetDropDownButtonIndex() const { return dropDownButtonIndex_; }
    virtual bool IsFixedListStyle() const { return false; }
    // Whether an immediate post waits until the popup has closed.
    virtual bool PostsAfterCloseUp() const { return false; }
    virtual TcxEditPopupWindowFactory GetPopupWindowClass() const;
    virtual bool PopupFitsWorkArea() const { return true; }
    virtual bool PopupCapturesFocus() const { return false; }
    bool IsDropDownKind() const override { return true; }
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEditViewData* MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag = false) override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;

  private:
    // The drop-down button's kind follows its glyph.
    void ApplyGlyphOrArrow();

    int dropDownButtonIndex_ = 0;
    bool internalChanging_ = false;
    bool popupAutoSize_ = true;
    bool popupClientEdge_ = false;
    int popupHeight_ = 0;
    TcxPopupHorzAlign popupHorzAlignment_ = phaLeft;
    int popupMinHeight_ = 0;
    int popupMinWidth_ = 0;
    bool popupSizeable_ = false;
    bool popupSysPanelStyle_ = false;
    int popupWidth_ = 0;
};

// The popup size a grid remembers per column for its in-place editor.
class TcxCustomDropDownEditData : public TcxCustomEditData {
    ZORVY_CLASS(TcxCustomDropDownEditData, TcxCustomEditData)
  public:
    // Made through its class by the editor it belongs to.
    using TcxCustomEditData::TcxCustomEditData;
    bool Sized = false;
    int Width = 0;
    int Height = 0;
};

class TcxCustomDropDownEdit : public TcxCustomMaskEdit, public IcxEditPopupWindowOwner {
    ZORVY_CLASS(TcxCustomDropDownEdit, TcxCustomMaskEdit)
  public:
    explicit TcxCustomDropDownEdit(TComponent* owner) : TcxCustomDropDownEdit(owner, false) {}
    TcxCustomDropDownEdit(TComponent* owner, bool inplace,
                          const TMetaClass* propertiesClass = TcxCustomDropDownEditProperties::StaticClass());
    ~TcxCustomDropDownEdit() override;

    TcxCustomDropDownEditProperties* GetDropDownProperties() const {
        return static_cast<TcxCustomDropDownEditProperties*>(GetEffectiveProperties());
    }
    // Made on first use and kept until the editor goes.
    TcxCustomEditPopupWindow* GetPopupWindow();
    bool HasPopupWindow() const { return popupWindow_ != nullptr; }
    bool GetDroppedDown() const;
    bool HasOpenPopup() const override { return GetDroppedDown(); }
    // The editor counts as focused while its popup is open.
    bool IsFocused() const override { return TcxCustomMaskEdit::IsFocused() || GetDroppedDown(); }
    void SetDroppedDown(bool value);
    TcxEditCloseUpReason GetCloseUpReason() const { return closeUpReason_; }
    void SetCloseUpReason(TcxEditCloseUpReason reason) { closeUpReason_ = reason; }
    bool IsPopupPrepared() const { return popupPrepared_; }
    // Whether the pointer was over the editor while the popup was open.
    bool IsHotWhileOpen() const { return hotWhileOpen_; }
    // Set when the list's selection was set by keys or the editor: the next mouse move over the list
    // is swallowed instead of selecting the row under a resting pointer.
    bool IgnoreNextListMouseMove = false;
    // The lookup list the popup shows, when the editor has one.
    TcxCustomEditListBox* GetLookupList() const;
    // Whether the lookup items drop down in a list.
    bool UsesPopupList() const;

    // ---- the cycle ----
    virtual bool CanDropDown() { return false; }
    void ClosePopup(TcxEditCloseUpReason reason) override;
    virtual void DropDown();
    virtual TWinControl* GetPopupControl();
    // The lookup data makes its list with the popup as owner.
    virtual void PreparePopupList();
    void AfterCloseUp() override;

    // ---- what the popup asks ----
    TRect GetPopupOwnerRect() override;
    TSize CalcPopupSize() override { return {0, 0}; }
    // The lookup list fills the popup's client rectangle.
    void PositionPopupControl(const TRect& clientRect) override;
    bool PopupFitsWorkArea() override { return GetDropDownProperties()->PopupFitsWorkArea(); }
    bool GetPopupUserSized() override { return userSized_; }
    void PopupSizedByUser() override { userSized_ = sizedInThisDropDown_ = true; }
    TcxLookAndFeelKind GetPopupLookAndFeelKind() override { return GetPopupLookAndFeel()->GetKind(); }
    // What the popup's controls look like: the editor's kind, themed look and skin.
    TcxEditPopupControlLookAndFeel* GetPopupLookAndFeel();
    bool SizesPopupByList() override;
    bool AdjustPopupListSize(TSize& size, int maxHeight) override;

    // ---- the editor ----
    const TMetaClass* GetEditDataClass() const override { return TcxCustomDropDownEditData::StaticClass(); }
    void InitEditData(TcxCustomEditData* data) override;
    // The popup opens as the editor starts when ImmediatePopup is on.
    void AttachEditData(TcxCustomEditData*& data) override;
    // A starting key the editor does not take opens the popup and goes to the control in it.
    void ActivateInplace(char32_t key, TcxCustomEditData*& data) override;
    // The click that starts an in-place edit does not open a fixed list.
    void ActivateByMouse(TShiftState shift, int x, int y, TcxCustomEditData*& data) override;
    bool ForwardsActivationKey(char32_t key) const override;
    void ButtonPressed(int index) override;
    void HandleTabOut(TShiftState shift) override;
    bool FinishEditing() override;
    void ApplyPropertiesChange(TcxCustomEditProperties* properties) override;
    // A paste that changed the text opens the popup when typing would.
    void PasteFromClipboard() override;
    // Tab comes to the editor too while the popup is open and Tab accepts its value.
    bool WantsTabKey() const override;
    bool CanStepLookupItems(bool fromWheel) const override;

  protected:
    // Whether closing for reason makes the list's selection the current item (Tab, toggle, Enter).
    virtual bool ClosingTakesListSelection(TcxEditCloseUpReason reason) const;
    virtual void BeforePopup();
    virtual void InitPopup();
    virtual void SetUpPopupWindow();
    virtual void PopupShown();
    virtual void PopupClosed();
    virtual void FireCloseUp();
    virtual void FirePopup();
    void FireCloseQuery(bool& canClose);
    // Fires handler of the own properties, then of the repository item's when one governs.
    void FireOwnThenItem(TNotifyEvent TcxCustomDropDownEditProperties::*handler);
    // The value counts as changed since entering (and the control's click fires outside loading).
    void StartModifying();
    void FillViewDataFromEdit(TcxCustomEditViewData* viewData) override;
    // The popup's settings in the style (border, close button) show too.
    TcxContainerStyleValues GetHiddenStyleValues() const override { return 0; }
    void Dispatch(TMessage& m) override;
    // No hint shows while the popup is open.
    void CMHintShow(TMessage& m) override;
    void CMBiDiModeChanged(TMessage& m) override;
    // A wheel the editor did not use scrolls an open list.
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    // The list is ready once the editor has a window; the popup closes and its window goes before the editor's.
    void CreateWnd() override;
    void DestroyWnd() override;

    void ProcessEditKeyDown(std::uint16_t& key, TShiftState shift) override;
    void ProcessEditKeyPress(char32_t& ch) override;
    void DoExit() override;
    // Every mouse event but a held left button notes whether the pointer is over the editor while
    // the popup is open: the press that closes the popup then does not open it again.
    bool UpdateStateFromMouse(TPoint p, int buttonCode, TShiftState shift, bool isMouseEvent) override;
    // The drop-down button held down while the popup is open (KeepButtonPressed) neither presses nor
    // releases it when the hold starts or ends: only the user's own presses count.
    void TrackButtonPresses(const TcxCustomEditViewInfo* previous) override;

  private:
    void PostCharToPopup(char32_t ch);
    void OpenFixedListOnPress();
    bool IsButtonHeld() const;

    bool activatingByMouse_ = false;
    bool hotWhileOpen_ = false;
    // Whether the drop-down button was held down when the button states were last tracked.
    bool buttonHeld_ = false;
    bool popupPrepared_ = false;
    bool userSized_ = false;
    bool sizedInThisDropDown_ = false;
    TcxEditCloseUpReason closeUpReason_ = crUnknown;
    std::unique_ptr<TcxEditPopupControlLookAndFeel> popupLookAndFeel_;
    std::unique_ptr<TcxCustomEditPopupWindow> popupWindow_;
};

} // namespace zorvy
