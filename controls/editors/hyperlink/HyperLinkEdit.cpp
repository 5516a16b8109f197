// The hyperlink edit's settings, link style, cell painting, activation and registration.
#include "controls/editors/hyperlink/HyperLinkEdit.h"

#include "controls/editors/framework/EditRepository.h"
#include "controls/foundation/services/ControlUnit.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/Strings.h"
#include "platform/win/SystemInfo.h"

#include <algorithm>

namespace zorvy {

ZORVY_RESOURCESTRING(scxSHyperLinkPrefix, "http://");
ZORVY_RESOURCESTRING(scxSEditRepositoryHyperLinkItem, "HyperLink|Represents a text editor with hyperlink functionality");
ZORVY_RESOURCESTRING(scxSHyperLinkNotAllowed, "Only http, https, mailto and file links can be opened: %s");
ZORVY_RESOURCESTRING(scxSHyperLinkOpenFailed, "The link could not be opened: %s");

// ---- settings ----

TcxCustomHyperLinkEditProperties::TcxCustomHyperLinkEditProperties(TPersistent* owner)
    : TcxCustomTextEditProperties(owner), prefix_(ResolveResourceString(scxSHyperLinkPrefix)) {
    SetAutoSelect(false);
}

void TcxCustomHyperLinkEditProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomHyperLinkEditProperties*>(source);
    if (!other) return TcxCustomTextEditProperties::Assign(source);
    BeginChanges();
    TcxCustomTextEditProperties::Assign(source);
    SetLinkColor(other->linkColor_);
    SetPrefix(other->prefix_);
    SetSingleClick(other->singleClick_);
    SetStartKey(other->startKey_);
    SetUsePrefix(other->usePrefix_);
    OnStartClick = other->OnStartClick;
    EndChanges();
}

std::string TcxCustomHyperLinkEditProperties::AddPrefix(const std::string& text) const {
    std::string result = Trim(text);
    if (!prefix_.empty() && !result.empty() && result.compare(0, prefix_.size(), prefix_) != 0)
        result = Trim(prefix_ + result);
    return result;
}

void TcxCustomHyperLinkEditProperties::VerifyDisplayValue(Variant& displayValue, std::string& errorText,
                                                          TcxCustomEdit* edit, bool& error) {
    if (usePrefix_ == upAlways) displayValue = Variant(AddPrefix(VarToStr(displayValue)));
    TcxCustomTextEditProperties::VerifyDisplayValue(displayValue, errorText, edit, error);
}

const TMetaClass* TcxCustomHyperLinkEditProperties::GetEditControlClass() const {
    return TcxHyperLinkEdit::StaticClass();
}

TcxCustomEdit* TcxCustomHyperLinkEditProperties::CreateEditControl(bool inplace) const {
    return new TcxHyperLinkEdit(nullptr, inplace, ClassType());
}

TcxCustomEditViewInfoClass TcxCustomHyperLinkEditProperties::GetViewInfoClass() const {
    return TcxHyperLinkEditViewInfo::StaticClass();
}

int TcxCustomHyperLinkEditProperties::GetCapabilities() const {
    return TcxCustomTextEditProperties::GetCapabilities() | (singleClick_ ? 1 : 0);
}

void TcxCustomHyperLinkEditProperties::SetSingleClick(bool value) {
    if (value == singleClick_) return;
    singleClick_ = value;
    Changed();
}

void TcxCustomHyperLinkEditProperties::SetLinkColor(TColor value) {
    if (value == linkColor_) return;
    linkColor_ = value;
    Changed();
}

void TcxCustomHyperLinkEditProperties::SetPrefix(const std::string& value) {
    if (value == prefix_) return;
    prefix_ = value;
    Changed();
}

void TcxCustomHyperLinkEditProperties::SetStartKey(TShortCut value) {
    if (value == startKey_) return;
    startKey_ = value;
    Changed();
}

void TcxCustomHyperLinkEditProperties::SetUsePrefix(TcxHyperLinkEditUsePrefix value) {
    if (value == usePrefix_) return;
    usePrefix_ = value;
    Changed();
}

bool TcxCustomHyperLinkEditProperties::IsPrefixStored() const {
    return prefix_ != ResolveResourceString(scxSHyperLinkPrefix);
}

void TcxCustomHyperLinkEditProperties::DefineProperties(TFiler* filer) {
    TcxCustomTextEditProperties::DefineProperties(filer);
    filer->DefineProperty(
        "Prefix", [this](TReader& reader) { SetPrefix(reader.ReadString()); },
        [this](TWriter& writer) { writer.WriteString(prefix_); }, IsPrefixStored());
}

// ---- style and cells ----

TcxContainerStyleClass TcxHyperLinkStyle::Class() {
    return [](TPersistent* owner, int state, TcxContainerStyle* parent, bool direct) {
        return new TcxHyperLinkStyle(owner, state, parent, direct);
    };
}

TColor TcxHyperLinkStyle::GetTextColor() const {
    if (IsDirectAccessMode()) return TcxEditStyle::GetTextColor();
    if (auto* edit = dynamic_cast<const TcxCustomHyperLinkEdit*>(GetOwningContainer()))
        return edit->GetHyperLinkProperties()->GetLinkColor();
    return clBlue;
}

TFontStyles TcxHyperLinkStyle::GetTextStyle() const {
    return TcxEditStyle::GetTextStyle() | fsUnderline;
}

bool TcxHyperLinkEditViewInfo::HasHotButton() const {
    auto* p = dynamic_cast<TcxCustomHyperLinkEditProperties*>(Properties);
    return TcxCustomTextEditViewInfo::HasHotButton() || (p && p->GetSingleClick());
}

bool TcxHyperLinkEditViewInfo::IsPointOnButton(TPoint) const {
    return HasHotButton();
}

void TcxHyperLinkEditViewInfo::PrepareTextFont(TFont* font) {
    auto* p = dynamic_cast<TcxCustomHyperLinkEditProperties*>(Properties);
    if (Edit || !p || !font) return;
    font->SetStyle(font->GetStyle() | fsUnderline);
    font->SetColor(Selected ? TextColor : p->GetLinkColor());
}

// ---- opening ----

TcxLinkOpenResult OpenLinkAddress(const std::string& address) {
    // The scheme: a letter, then letters, digits, "+", "-" or ".", up to the colon.
    const std::size_t colon = address.find(':');
    if (colon == std::string::npos || colon == 0) return TcxLinkOpenResult::NotAllowed;
    const std::string scheme = LowerCase(std::string_view(address).substr(0, colon));
    static constexpr const char* kAllowed[] = {"http", "https", "mailto", "file"};
    if (std::none_of(std::begin(kAllowed), std::end(kAllowed), [&](const char* s) { return scheme == s; }))
        return TcxLinkOpenResult::NotAllowed;
    // Control characters have no place in an address and could confuse the opener's own parsing.
    if (std::any_of(address.begin(), address.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }))
        return TcxLinkOpenResult::NotAllowed;
    return ShellOpen(address) ? TcxLinkOpenResult::Opened : TcxLinkOpenResult::Failed;
}

// ---- the control ----

TcxCustomHyperLinkEdit::TcxCustomHyperLinkEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomTextEdit(owner, inplace, propertiesClass) {
    RecreateStylesAndViewInfo();
    ApplyInnerEditLook();
}

TcxContainerStyleClass TcxCustomHyperLinkEdit::GetStyleClass() const {
    return TcxHyperLinkStyle::Class();
}

void TcxCustomHyperLinkEdit::ApplyPropertiesChange(TcxCustomEditProperties* properties) {
    TcxCustomTextEdit::ApplyPropertiesChange(properties);
    GetStyle()->MarkChanged();
    ApplyInnerEditLook();
}

bool TcxCustomHyperLinkEdit::FireStartClick() {
    TWeakLink<TcxCustomHyperLinkEdit> self(this);
    auto* own = static_cast<TcxCustomHyperLinkEditProperties*>(GetProperties());
    bool assigned = false;
    if (own->OnStartClick) {
        assigned = true;
        own->OnStartClick(this);
    }
    if (!self) return true;
    if (TcxEditRepositoryItem* item = GetRepositoryItem()) {
        auto* shared = dynamic_cast<TcxCustomHyperLinkEditProperties*>(item->GetProperties());
        if (shared && shared->OnStartClick) {
            assigned = true;
            shared->OnStartClick(this);
        }
    }
    return assigned;
}

TcxLinkOpenResult TcxCustomHyperLinkEdit::ActivateLink() {
    LastOpenError.clear();
    if (FireStartClick()) return TcxLinkOpenResult::Opened;
    TcxCustomHyperLinkEditProperties* p = GetHyperLinkProperties();
    std::string text = Trim(GetText());
    if (p->GetUsePrefix() != upNever) text = p->AddPrefix(text);
    if (text.empty()) return TcxLinkOpenResult::Opened;
    const TcxLinkOpenResult result = OpenLinkAddress(text);
    if (result == TcxLinkOpenResult::NotAllowed)
        LastOpenError = Format(ResolveResourceString(scxSHyperLinkNotAllowed), {text});
    else if (result == TcxLinkOpenResult::Failed)
        LastOpenError = Format(ResolveResourceString(scxSHyperLinkOpenFailed), {text});
    if (!LastOpenError.empty()) throw EcxEditError(LastOpenError);
    return result;
}

bool TcxCustomHyperLinkEdit::InClientRect(int x, int y) const {
    return PtInRect(GetEditViewInfo()->ClientRect, TPoint{x, y});
}

void TcxCustomHyperLinkEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
    const TShortCut pressed = ShortCut(key, shift);
    if (pressed != 0 && pressed == GetHyperLinkProperties()->GetStartKey()) {
        key = 0;
        ActivateLink();
        return;
    }
    TcxCustomTextEdit::KeyDown(key, shift);
}

void TcxCustomHyperLinkEdit::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomHyperLinkEdit> self(this);
    TcxCustomTextEdit::MouseDown(button, shift, x, y);
    if (!self) return;
    if (button == mbLeft && (shift & ssDouble) && InClientRect(x, y) && !GetHyperLinkProperties()->GetSingleClick())
        ActivateLink();
}

void TcxCustomHyperLinkEdit::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TWeakLink<TcxCustomHyperLinkEdit> self(this);
    TcxCustomTextEdit::MouseUp(button, shift, x, y);
    if (!self) return;
    // A drag that selected text does not open the link.
    if (button == mbLeft && InClientRect(x, y) && GetHyperLinkProperties()->GetSingleClick() &&
        GetSelectionLength() == 0)
        ActivateLink();
}

void TcxCustomHyperLinkEdit::SetLinkCursor(bool link) {
    const TCursor cursor = link ? crcxHand : savedCursor_;
    if (link) savedCursor_ = GetCursor();
    GetInnerTextEdit()->SetCursor(cursor);
    SetCursor(cursor);
}

void TcxCustomHyperLinkEdit::MouseEntered(TControl* control) {
    TcxCustomTextEdit::MouseEntered(control);
    if (GetHyperLinkProperties()->GetSingleClick() && GetCursor() == crDefault) SetLinkCursor(true);
}

void TcxCustomHyperLinkEdit::MouseExited(TControl* control) {
    TcxCustomTextEdit::MouseExited(control);
    if (GetHyperLinkProperties()->GetSingleClick()) SetLinkCursor(false);
}

void TcxCustomHyperLinkEdit::ActivateByMouse(TShiftState shift, int x, int y, TcxCustomEditData*& data) {
    TcxCustomTextEdit::ActivateByMouse(shift, x, y, data);
    if (IsInplace() && GetHyperLinkProperties()->GetSingleClick() && GetCursor() == crDefault) SetLinkCursor(true);
}

void TcxCustomHyperLinkEdit::SelectAllText() {
    if (IsInplace() && GetHyperLinkProperties()->GetSingleClick()) return;
    TcxCustomTextEdit::SelectAllText();
}

TcxHyperLinkEdit::TcxHyperLinkEdit(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomHyperLinkEdit(owner, inplace, propertiesClass) {
    if (!inplace) SetAutoSize(true);
}

// ---- registration ----

const TMetaClass* TcxFilterHyperLinkEditHelper::GetEditorClassForFilter(TcxCustomEditProperties*,
                                                                        TcxInplaceEditList*) const {
    return TcxHyperLinkEditProperties::StaticClass();
}

namespace {
int hyperLinkEditUnitCounter = 0;
}

void InitializeHyperLinkEditUnit() {
    if (hyperLinkEditUnitCounter++ != 0) return;
    GetEditPropertiesRegistry()->AddClass(TcxHyperLinkEditProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryHyperLinkItem));
    GetFilterEditHelperRegistry()->AddPair(TcxHyperLinkEditProperties::StaticClass(),
                                           TcxFilterHyperLinkEditHelper::StaticClass());
}

void FinalizeHyperLinkEditUnit() {
    if (hyperLinkEditUnitCounter == 0 || --hyperLinkEditUnitCounter != 0) return;
    GetFilterEditHelperRegistry()->RemovePair(TcxHyperLinkEditProperties::StaticClass(),
                                              TcxFilterHyperLinkEditHelper::StaticClass());
}

} // namespace zorvy
