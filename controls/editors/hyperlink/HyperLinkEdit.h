#pragma once
// The hyperlink edit: a text editor whose text is a link, painted underlined in LinkColor and opened
// by StartKey, a double click or (SingleClick) a single click, either through OnStartClick or with the
// desktop's opener. Its settings (TcxCustomHyperLinkEditProperties) add the protocol prefix that texts
// lacking it receive; TcxHyperLinkStyle gives the link colour and underline; TcxHyperLinkEditViewInfo
// paints grid cells as links; TcxFilterHyperLinkEditHelper types filter values in a hyperlink edit.
#include "controls/editors/text/TextEdit.h"
#include "controls/editors/text/TextEditUnit.h"
#include "controls/editors/text/TextEditViewInfo.h"
#include "controls/editors/framework/EditStyle.h"
#include "platform/classlib/Menus.h"

#include <functional>
#include <string>

namespace zorvy {

enum TcxHyperLinkEditUsePrefix { upAlways, upOnlyOnExecute, upNever };

// Why a link was not opened: its scheme is not one that may be opened, or the opener failed.
enum class TcxLinkOpenResult { Opened, NotAllowed, Failed };

class TcxCustomHyperLinkEditProperties : public TcxCustomTextEditProperties {
    ZORVY_CLASS(TcxCustomHyperLinkEditProperties, TcxCustomTextEditProperties)
  public:
    explicit TcxCustomHyperLinkEditProperties(TPersistent* owner);
    // From hyperlink settings: the text settings, then the link's own, in one change batch.
    void Assign(TPersistent* source) override;

    // The text trimmed, with Prefix in front unless it already starts with it (letter case counts).
    std::string AddPrefix(const std::string& text) const;
    // upAlways stores a committed text with its prefix.
    void VerifyDisplayValue(Variant& displayValue, std::string& errorText, TcxCustomEdit* edit,
                            bool& error) override;
    const TMetaClass* GetEditControlClass() const override;
    TcxCustomEdit* CreateEditControl(bool inplace) const override;
    TcxCustomEditViewInfoClass GetViewInfoClass() const override;
    // Bit 0 with SingleClick: a click on a cell reaches the editor.
    int GetCapabilities() const override;

    bool GetSingleClick() const { return singleClick_; }
    void SetSingleClick(bool value);
    TColor GetLinkColor() const { return linkColor_; }
    void SetLinkColor(TColor value);
    const std::string& GetPrefix() const { return prefix_; }
    void SetPrefix(const std::string& value);
    TShortCut GetStartKey() const { return startKey_; }
    void SetStartKey(TShortCut value);
    TcxHyperLinkEditUsePrefix GetUsePrefix() const { return usePrefix_; }
    void SetUsePrefix(TcxHyperLinkEditUsePrefix value);
    // A view of UsePrefix: true unless upNever; writing picks upAlways or upNever.
    bool GetAutoComplete() const { return usePrefix_ != upNever; }
    void SetAutoComplete(bool value) { SetUsePrefix(value ? upAlways : upNever); }
    // Whether Prefix must be streamed: only when it differs from the default text.
    bool IsPrefixStored() const;
    TNotifyEvent OnStartClick;

  protected:
    // The prefix is streamed as "Prefix", and only when it is not the default.
    void DefineProperties(TFiler* filer) override;

  private:
    bool singleClick_ = false;
    TColor linkColor_ = clBlue;
    std::string prefix_;
    TShortCut startKey_ = 16397; // Ctrl+Enter
    TcxHyperLinkEditUsePrefix usePrefix_ = upAlways;
};

class TcxHyperLinkEditProperties : public TcxCustomHyperLinkEditProperties {
    ZORVY_CLASS(TcxHyperLinkEditProperties, TcxCustomHyperLinkEditProperties)
  public:
    using TcxCustomHyperLinkEditProperties::TcxCustomHyperLinkEditProperties;
};

// The normal style of a hyperlink edit: the link colour of its editor and underlined text.
class TcxHyperLinkStyle : public TcxEditStyle {
    ZORVY_CLASS(TcxHyperLinkStyle, TcxEditStyle)
  public:
    using TcxEditStyle::TcxEditStyle;
    static TcxContainerStyleClass Class();
    TColor GetTextColor() const override;
    TFontStyles GetTextStyle() const override;
};

class TcxHyperLinkEditViewInfo : public TcxCustomTextEditViewInfo {
    ZORVY_CLASS(TcxHyperLinkEditViewInfo, TcxCustomTextEditViewInfo)
  public:
    // A single-click cell is one big button, so a click on it reaches the editor.
    bool HasHotButton() const override;
    bool IsPointOnButton(TPoint p) const override;
    // A cell painted without a live editor: underlined, in LinkColor (the selection's colour when
    // selected).
    void PrepareTextFont(TFont* font) override;
};

class TcxCustomHyperLinkEdit : public TcxCustomTextEdit {
    ZORVY_CLASS(TcxCustomHyperLinkEdit, TcxCustomTextEdit)
  public:
    explicit TcxCustomHyperLinkEdit(TComponent* owner) : TcxCustomHyperLinkEdit(owner, false) {}
    TcxCustomHyperLinkEdit(TComponent* owner, bool inplace,
                           const TMetaClass* propertiesClass = TcxHyperLinkEditProperties::StaticClass());

    TcxCustomHyperLinkEditProperties* GetHyperLinkProperties() const {
        return static_cast<TcxCustomHyperLinkEditProperties*>(GetEffectiveProperties());
    }
    // OnStartClick when assigned; otherwise the shown text (with its prefix unless upNever) goes to
    // the desktop's opener. An empty text opens nothing.
    TcxLinkOpenResult ActivateLink();
    // Set by ActivateLink when the link could not be opened: what went wrong, for the user.
    std::string LastOpenError;
    TcxContainerStyleClass GetStyleClass() const override;
    void ApplyPropertiesChange(TcxCustomEditProperties* properties) override;
    void ActivateByMouse(TShiftState shift, int x, int y, TcxCustomEditData*& data) override;
    // An in-place single-click link does not select its text on entry.
    void SelectAllText() override;

  protected:
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEntered(TControl* control) override;
    void MouseExited(TControl* control) override;

  private:
    // OnStartClick of the settings and of the repository item's; whether either is assigned.
    bool FireStartClick();
    void SetLinkCursor(bool link);
    bool InClientRect(int x, int y) const;
    TCursor savedCursor_ = crDefault;
};

class TcxHyperLinkEdit : public TcxCustomHyperLinkEdit {
    ZORVY_CLASS(TcxHyperLinkEdit, TcxCustomHyperLinkEdit)
  public:
    explicit TcxHyperLinkEdit(TComponent* owner) : TcxHyperLinkEdit(owner, false) {}
    TcxHyperLinkEdit(TComponent* owner, bool inplace,
                     const TMetaClass* propertiesClass = TcxHyperLinkEditProperties::StaticClass());
    TcxHyperLinkEditProperties* GetProperties() const {
        return static_cast<TcxHyperLinkEditProperties*>(TcxCustomEdit::GetProperties());
    }
    void SetProperties(TcxHyperLinkEditProperties* value) { GetProperties()->Assign(value); }
};

// Opens address with the desktop's opener when its scheme is http, https, mailto or file (letter
// case aside); anything else, a scheme-less text included, is refused.
TcxLinkOpenResult OpenLinkAddress(const std::string& address);

class TcxFilterHyperLinkEditHelper : public TcxFilterTextEditHelper {
    ZORVY_CLASS(TcxFilterHyperLinkEditHelper, TcxFilterTextEditHelper)
  public:
    const TMetaClass* GetEditorClassForFilter(TcxCustomEditProperties*, TcxInplaceEditList*) const override;
};

// Registers the kind and its filter helper (once however often it is called); the last finalisation
// removes the filter helper.
void InitializeHyperLinkEditUnit();
void FinalizeHyperLinkEditUnit();

} // namespace zorvy
