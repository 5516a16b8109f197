#pragma once
// The memo: the multi-line text editor, stand-alone (TcxMemo) and in grid cells. Its settings
// (TcxCustomMemoProperties) add scroll bars, a height in text lines, Enter and Tab as text, and word
// wrap; cells show the first line only. The editor hosts a multi-line inner memo (TcxCustomInnerMemo)
// and routes typing, pasting and cutting through its own checked operations, so that MaxLength and
// editing permission hold however the text changes.
#include "controls/editors/framework/Edit.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/editors/text/TextEditUnit.h"
#include "controls/editors/text/TextEditViewInfo.h"
#include "controls/foundation/containers/Container.h"
#include "platform/classlib/stdctrls/Memo.h"

#include <string>

namespace zorvy {

class TcxCustomMemo;

// text up to its first CR or LF, and at most limit characters of it (0, or more than its length: no
// limit).
std::string CutAtFirstLineBreak(const std::string& text, int limit);

class TcxCustomMemoProperties : public TcxCustomTextEditProperties {
    ZORVY_CLASS(TcxCustomMemoProperties, TcxCustomTextEditProperties)
  public:
    explicit TcxCustomMemoProperties(TPersistent* owner);
    void Assign(TPersistent* source) override;

    TScrollStyle GetScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    // The stand-alone memo's height in text lines when positive; negative values are stored as 0.
    int GetVisibleLineCount() const { return visibleLineCount_; }
    void SetVisibleLineCount(int value);
    bool GetWantReturns() const { return wantReturns_; }
    void SetWantReturns(bool value);
    bool GetWantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value);
    bool GetWordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    bool WantsTabs() const override { return wantTabs_; }
    bool IsMultiLineText() const override { return true; }
    // The text editor's display text; not editing, only its first line (at most 250 characters).
    void FormatDisplayText(const Variant& value, std::string& text, bool isEditing) override;
    bool UsesDefaultFormatting(bool isEditing) const override;
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;
    TcxCustomEditViewData* MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag = false) override;

  private:
    TScrollStyle scrollBars_ = ssNone;
    int visibleLineCount_ = 0;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
    bool wordWrap_ = true;
};

class TcxMemoProperties : public TcxCustomMemoProperties {
    ZORVY_CLASS(TcxMemoProperties, TcxCustomMemoProperties)
  public:
    using TcxCustomMemoProperties::TcxCustomMemoProperties;
};

// A memo's text in cells and measuring: wrapped rows, top-aligned, within margins of its own.
class TcxCustomMemoViewData : public TcxCustomTextEditViewData {
    ZORVY_CLASS(TcxCustomMemoViewData, TcxCustomTextEditViewData)
  public:
    using TcxCustomTextEditViewData::TcxCustomTextEditViewData;
    int GetDrawTextFlags() const override;
    TRect GetTextAreaRect() const override;
    // A live memo shows its text in the inner control: the view info paints none.
    void EditValueToText(const Variant& value, std::string& text) override;
    // At least the padding and VisibleLineCount rows of "Zg" high.
    void MeasureOverflowSize(TcxCanvas* canvas, bool isInplace, const TcxEditSizeProperties& limits,
                             TSize& overflow, TcxCustomEditViewInfo* viewInfo, TSize& frame) override;
};

// The multi-line inner control: keys go to the memo first, and the memo does the editing.
class TcxCustomInnerMemo : public TMemo, public IcxContainerInnerControl, public IcxCustomInnerEdit {
    ZORVY_CLASS(TcxCustomInnerMemo, TMemo)
  public:
    explicit TcxCustomInnerMemo(TComponent* owner);
    TcxCustomMemo* Memo() const;

    TWinControl* GetControl() override { return this; }
    TcxContainer* GetControlContainer() override;
    void SetContainer(TcxCustomEdit*) override {}
    void SetOnChange(const TNotifyEvent& handler) override { OnChange = handler; }
    void SetReadOnly(bool value) override { ReadOnly = value; }
    void LockBounds(bool lock) override;
    void FocusWithoutAutoSelect() override { SetFocus(); }

  protected:
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void SetBounds(int left, int top, int width, int height) override;
    // The memo draws the border: the inner control has no edge of its own.
    void CreateParams(TCreateParams& params) override;

  private:
    int boundsLock_ = 0;
};

class TcxCustomMemo : public TcxCustomEdit {
    ZORVY_CLASS(TcxCustomMemo, TcxCustomEdit)
  public:
    explicit TcxCustomMemo(TComponent* owner) : TcxCustomMemo(owner, false) {}
    TcxCustomMemo(TComponent* owner, bool inplace,
                  const TMetaClass* propertiesClass = TcxMemoProperties::StaticClass());

    TcxCustomMemoProperties* GetMemoProperties() const {
        return static_cast<TcxCustomMemoProperties*>(GetEffectiveProperties());
    }
    TcxCustomInnerMemo* GetInnerMemo() const { return inner_; }
    TMemoLines* GetLines() const { return inner_->GetLines(); }
    // The lines joined by CR LF (no break after the last).
    std::string GetText() const { return inner_->GetText(); }
    void SetText(const std::string& text) { SetEditValue(Variant(text)); }

    // Enter counts with WantReturns or Ctrl; Tab with WantTabs, or always as a typed character.
    bool IsLineBreakOrTabKey(std::uint16_t key, TShiftState shift, bool isCharacter) const;
    bool IsEditingKey(std::uint16_t key, TShiftState shift) const override;
    bool IsEditingChar(char32_t ch) const override;
    bool ForwardsActivationKey(char32_t key) const override { return key != 13; }
    bool AutoSizeInEffect() const override;
    bool ShowsInnerEdit() const override { return true; }

    // Replaces the selection, cut to what MaxLength leaves room for (nothing when none is left);
    // refused editing changes nothing.
    void ReplaceSelectedText(const std::string& text);
    void DeleteSelection();
    void CopyToClipboard() override;
    void CutToClipboard() override;
    void PasteFromClipboard() override;
    void SelectAllText() override { inner_->SelectAll(); }

    std::string ReadDisplayText() override { return GetText(); }
    void ShowDisplayValue(const Variant& value) override;
    void ShowEditValue() override;
    void ApplyDisplayValue(const Variant& value) override;
    void ApplyPropertiesChange(TcxCustomEditProperties* properties) override;
    // Any edit in the inner memo makes the text last shown stale.
    void ValueChangedByUser() override;

  protected:
    // A new value is shown anew: until then the text shown may still be the value stored before.
    void StoreEditValue(const Variant& value) override;
    void ProcessEditKeyDown(std::uint16_t& key, TShiftState shift) override;
    void ProcessEditKeyPress(char32_t& ch) override;

  private:
    friend class TcxCustomInnerMemo;
    // After an edit by program the text is committed at once; the user's waits for validation.
    void CommitUnlessUserChange();
    TcxCustomInnerMemo* inner_;
    bool settingText_ = false;
    // Shows a string value's text, keeping the value as the text shown.
    void ShowText(Variant text);
    Variant shown_;
    bool shownValid_ = false;
    // shown_ is the plain text of the value stored, so showing that value again copies nothing.
    bool showsEditValue_ = false;
};

class TcxMemo : public TcxCustomMemo {
    ZORVY_CLASS(TcxMemo, TcxCustomMemo)
  public:
    using TcxCustomMemo::TcxCustomMemo;
    TcxMemoProperties* GetProperties() const {
        return static_cast<TcxMemoProperties*>(TcxCustomEdit::GetProperties());
    }
    void SetProperties(TcxMemoProperties* value) { GetProperties()->Assign(value); }
    // Copies the lines in.
    void SetLines(const std::vector<std::string>& lines);
};

// Memo values are filtered by their text: like, not like, blank and not blank.
class TcxFilterMemoHelper : public TcxFilterTextEditHelper {
    ZORVY_CLASS(TcxFilterMemoHelper, TcxFilterTextEditHelper)
  public:
    const TMetaClass* GetEditorClassForFilter(TcxCustomEditProperties*, TcxInplaceEditList*) const override;
    TcxFilterControlOperators GetAllowedOperators(TcxCustomEditProperties* properties, TcxValueTypeClass valueType,
                                                  bool extended) const override;
};

// Registers the kind and its filter helper (once however often it is called); the last finalisation
// removes the filter helper.
void InitializeMemoUnit();
void FinalizeMemoUnit();

} // namespace zorvy
