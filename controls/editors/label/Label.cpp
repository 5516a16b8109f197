// The label: settings, style, caption and value, focus and accelerator, the view data's filling and
// measuring, and the unit's start-up.
#include "controls/editors/label/Label.h"

#include "controls/editors/checks/EditUtils.h"
#include "controls/editors/framework/EditPainting.h"
#include "controls/editors/label/LabelViewInfo.h"
#include "controls/editors/text/TextEditUnit.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "platform/classlib/Bitmap.h"
#include "platform/gdi/Text.h"
#include "platform/rtl/ResourceStrings.h"

#include <cmath>
#include <numbers>

namespace zorvy {

ZORVY_RESOURCESTRING(scxSEditRepositoryLabelItem, "Label|Represents a Label");

namespace {

int NormalizedAngle(int angle) {
    return ((angle % 360) + 360) % 360;
}

// 1 below 12 points and 2 from 12 up for the raised and lowered styles, 0 otherwise.
int LabelStyleOffset(TcxLabelStyle style, int fontSize) {
    if (style != cxlsRaised && style != cxlsLowered) return 0;
    return fontSize < 12 ? 1 : 2;
}

} // namespace

// ---- settings ----

TcxCustomLabelProperties::TcxCustomLabelProperties(TPersistent* owner) : TcxCustomEditProperties(owner) {}

TcxCustomLabelProperties::~TcxCustomLabelProperties() = default;

void TcxCustomLabelProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomLabelProperties*>(source);
    if (!other) {
        TcxCustomEditProperties::Assign(source);
        return;
    }
    BeginChanges();
    struct End {
        TcxCustomLabelProperties* p;
        ~End() { p->EndChanges(); }
    } end{this};
    TcxCustomEditProperties::Assign(source);
    SetLabelEffect(other->labelEffect_);
    SetLabelStyle(other->labelStyle_);
    SetOrientation(other->orientation_);
    SetDepth(other->depth_);
    SetShadowedColor(other->shadowedColor_);
    SetAngle(other->angle_);
    SetPenWidth(other->penWidth_);
    SetGlyph(other->glyph_.get());
    SetShowAccelChar(other->showAccelChar_);
    SetWordWrap(other->wordWrap_);
}

TBitmap* TcxCustomLabelProperties::GetGlyph() {
    if (!glyph_) {
        glyph_ = std::make_unique<TBitmap>();
        glyph_->OnChange = [this](TObject*) { Changed(); };
    }
    return glyph_.get();
}

void TcxCustomLabelProperties::SetGlyph(TBitmap* value) {
    if (!value)
        glyph_.reset();
    else
        GetGlyph()->Assign(value);
    Changed();
}

TSize TcxCustomLabelProperties::GetEffectExtent() const {
    if (labelEffect_ == cxleNormal) return {0, 0};
    switch (orientation_) {
    case cxoLeft:
    case cxoRight: return {depth_, 0};
    case cxoTop:
    case cxoBottom: return {0, depth_};
    default: return {depth_, depth_};
    }
}

const TMetaClass* TcxCustomLabelProperties::GetEditControlClass() const {
    return TcxLabel::StaticClass();
}

TcxCustomEdit* TcxCustomLabelProperties::CreateEditControl(bool inplace) const {
    return new TcxLabel(nullptr, inplace, ClassType());
}

TcxCustomEditViewData* TcxCustomLabelProperties::MakeViewData(TcxCustomEditStyle* style, bool isInplace, bool flag) {
    auto* viewData = new TcxCustomLabelViewData(this, style, isInplace);
    viewData->NoText = flag;
    return viewData;
}

TcxCustomEditViewInfoClass TcxCustomLabelProperties::GetViewInfoClass() const {
    return TcxCustomLabelViewInfo::StaticClass();
}

void TcxCustomLabelProperties::FormatDisplayText(const Variant& value, std::string& text, bool isEditing) {
    Variant display;
    ToDisplayValue(value, display, isEditing);
    text = VarToStr(display);
}

void TcxCustomLabelProperties::ToDisplayValue(const Variant& value, Variant& displayValue, bool) {
    displayValue = Variant(VarToStr(value));
}

// ---- style ----

TcxContainerStyleClass TcxLabelEditStyle::Class() {
    return [](TPersistent* owner, int state, TcxContainerStyle* parent, bool direct) {
        return new TcxLabelEditStyle(owner, state, parent, direct);
    };
}

TcxContainerBorderStyle TcxLabelEditStyle::FallbackBorderStyle() const {
    return GetState() == cxssNormal ? cbsNone : TcxEditStyle::FallbackBorderStyle();
}

// ---- view data ----

void TcxCustomLabelViewData::EditValueToText(const Variant& value, std::string& text) {
    text = VarToStr(value);
}

int TcxCustomLabelViewData::GetTextRowFlags() const {
    TcxCustomLabelProperties* p = LabelProperties();
    TcxEditAlignment* alignment = p->GetAlignment();
    const int flags = BuildTextFlags(0, alignment->GetHorz(), alignment->GetVert(),
                                     p->GetShowEndEllipsis() || (PaintOptions & cxLabelEndEllipsisOption) != 0,
                                     p->GetWordWrap() && p->GetAngle() % 360 == 0, 0, false, false);
    return CanvasFlagsToTextRowFlags(flags);
}

void TcxCustomLabelViewData::FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton,
                                          TShiftState shift, TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) {
    TcxCustomEditViewData::FillViewInfo(canvas, bounds, p, mouseButton, shift, viewInfo, isMouseEvent);
    if (IsInplace() && (bounds.Bottom == cxMaxRectSize || bounds.Right >= cxMaxRectSize)) return;
    auto* vi = static_cast<TcxCustomLabelViewInfo*>(viewInfo);
    TcxCustomLabelProperties* props = LabelProperties();
    vi->SelectionBar = false;
    vi->HasInnerEdit = false;
    vi->DrawTextFlags = GetTextRowFlags();
    if (props->GetShowEndEllipsis()) vi->PaintOptions |= cxLabelEndEllipsisOption;
    if (vi->NativeStyle && vi->EditBorderStyle == TcxEditBorderStyle::ebsNone) vi->NativeStyle = false;
    auto* label = dynamic_cast<TcxCustomLabel*>(Edit);
    if (label && !IsInplace()) vi->Transparent = label->GetTransparent();
    vi->LabelEffect = props->GetLabelEffect();
    vi->LabelStyle = props->GetLabelStyle();
    vi->Orientation = props->GetOrientation();
    vi->Depth = props->GetDepth();
    vi->ShadowedColor = props->GetShadowedColor();
    vi->ShowAccelChar = props->GetShowAccelChar();
    vi->Angle = props->GetAngle();
    vi->PenWidth = props->GetPenWidth();
    vi->WordWrap = props->GetWordWrap();
    vi->LabelAlignment.Assign(props->GetAlignment());
    vi->Glyph = props->PeekGlyph();
    vi->EffectExtent = props->GetEffectExtent();
    vi->TextRect = vi->ClientRect;
    if (label) vi->Text = label->GetCaption();
    vi->FocusRect = TRect{};
    if (vi->Focused && !IsInplace() && !vi->Text.empty()) {
        vi->FocusRect = vi->TextRect;
        InflateRect(vi->FocusRect, 1, 1);
    }
    vi->ContentMargins = GetContentMargins();
    vi->InvalidateCache();
}

void TcxCustomLabelViewData::FillEditorViewInfo(const Variant& value, TcxCustomEditViewInfo* viewInfo) {
    auto* vi = static_cast<TcxCustomLabelViewInfo*>(viewInfo);
    ValueToDisplayText(value, vi->Text);
    vi->InvalidateCache();
}

void TcxCustomLabelViewData::MeasureContentSize(TcxCanvas* canvas, const Variant& value,
                                                const TcxEditSizeProperties& limits, TSize& size) {
    LOGFONT saved;
    const bool fontSaved = ReadCanvasLogFont(canvas, saved);
    struct Restore {
        TcxCanvas* canvas;
        bool saved;
        const LOGFONT& font;
        ~Restore() {
            if (saved) ApplyLogFontToCanvas(canvas, font);
        }
    } restore{canvas, fontSaved, saved};
    TcxCustomLabelProperties* p = LabelProperties();
    std::string text;
    ValueToDisplayText(value, text);
    if (text.empty()) text = " ";
    int width = limits.Width;
    const bool trueType = PrepareRotatedFont(canvas->GetCanvas(), GetEditStyle()->EffectiveFont(), p->GetAngle());
    const int a = NormalizedAngle(trueType ? p->GetAngle() : 0);
    const int s = LabelStyleOffset(p->GetLabelStyle(), canvas->CurrentFont()->GetSize());
    const TSize e = p->GetEffectExtent();
    const TSize m = GetContentPadding();
    const bool bordered = GetEffectiveBorderStyle() != TcxEditBorderStyle::ebsNone && !IsInplace();
    bool wrap = p->GetWordWrap() && a == 0;
    if (width >= 0) {
        width -= s + e.cx;
        if (bordered) width -= 2;
        if (IsInplace()) width -= m.cx;
    } else if (IsInplace()) {
        wrap = false;
    }
    unsigned flags = DT_CALCRECT | DT_LEFT | DT_TOP;
    if (wrap) flags |= DT_WORDBREAK;
    if (!(p->GetShowAccelChar() && a == 0)) flags |= DT_NOPREFIX;
    if (a != 0 && p->GetShowAccelChar()) text = RemoveAccelChars(text);
    TRect r = Rect(0, 0, std::max(width, 0), 0);
    DrawText(canvas->DeviceContext(), text, r, flags);
    int w = r.Width(), h = r.Height();
    if (a != 0) {
        const double radians = a * std::numbers::pi / 180.0;
        const double c = std::fabs(std::cos(radians)), sn = std::fabs(std::sin(radians));
        const int rotatedWidth = static_cast<int>(c * w + sn * h + 0.5);
        const int rotatedHeight = static_cast<int>(sn * w + c * h + 0.5);
        w = rotatedWidth;
        h = rotatedHeight;
    }
    size = Size(w + e.cx + s, h + e.cy + s);
    if (bordered) size.cx += 2;
    if (IsInplace()) {
        size.cx += m.cx;
        size.cy += m.cy;
    }
}

// ---- the control ----

TcxCustomLabel::TcxCustomLabel(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomEdit(owner, inplace, propertiesClass) {
    RecreateStylesAndViewInfo();
    InitializeParentColor();
    ControlStyle &= ~csCaptureMouse;
    SetAutoSize(true);
    SetBounds(GetLeft(), GetTop(), 121, 21);
}

TcxCustomLabel::~TcxCustomLabel() = default;

TcxContainerStyleClass TcxCustomLabel::GetStyleClass() const {
    return TcxLabelEditStyle::Class();
}

void TcxCustomLabel::SetFocusControl(TWinControl* value) {
    if (value == focusControl_ || value == this) return;
    focusControl_ = value;
}

void TcxCustomLabel::Notification(TComponent* component, TOperation operation) {
    TcxCustomEdit::Notification(component, operation);
    if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

void TcxCustomLabel::StoreEditValue(const Variant& value) {
    TcxCustomEdit::StoreEditValue(value);
    if (!copyingCaption_) SetCaption(VarToStr(value));
    ShowDisplayValue(Variant(GetCaption()));
}

void TcxCustomLabel::ShowDisplayValue(const Variant& value) {
    if (auto* vi = dynamic_cast<TcxCustomLabelViewInfo*>(GetEditViewInfo())) {
        vi->Text = VarToStr(value);
        vi->InvalidateCache();
    }
    RefreshMouseState(false);
    Invalidate();
}

void TcxCustomLabel::CMTextChanged(TMessage& m) {
    TcxCustomEdit::CMTextChanged(m);
    if (copyingCaption_) return;
    copyingCaption_ = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{copyingCaption_};
    SetValueAsUser(Variant(GetCaption()));
}

TcxEditSizeProperties TcxCustomLabel::GetSizeLimits() const {
    TcxEditSizeProperties limits = TcxCustomEdit::GetSizeLimits();
    TcxCustomLabelProperties* p = GetLabelProperties();
    limits.MaxLineCount = 0;
    if (!p->GetWordWrap() || p->GetAngle() % 360 != 0) limits.Width = -1;
    return limits;
}

int TcxCustomLabel::GetTextBaseline() const {
    auto* vi = dynamic_cast<TcxCustomTextEditViewInfo*>(GetEditViewInfo());
    return vi ? vi->GetTextBottom() : 0;
}

bool TcxCustomLabel::HasTextBaseline() const {
    return GetLabelProperties()->GetAngle() == 0;
}

bool TcxCustomLabel::FocusesOnClick() const {
    return TcxCustomEdit::FocusesOnClick() && IsInplaceEditor();
}

bool TcxCustomLabel::CanFocus() const {
    return IsInplaceEditor() && TcxCustomEdit::CanFocus();
}

void TcxCustomLabel::CMDialogChar(TMessage& m) {
    if (focusControl_ && GetEnabled() && GetLabelProperties()->GetShowAccelChar() &&
        IsAccel(static_cast<char32_t>(m.WParam), GetCaption())) {
        if (focusControl_->CanFocus()) focusControl_->SetFocus();
        m.Result = 1;
        return;
    }
    TcxCustomEdit::CMDialogChar(m);
}

// ---- unit ----

namespace {
int labelUnitCounter = 0;
}

void InitializeLabelUnit() {
    if (labelUnitCounter++ != 0) return;
    GetEditPropertiesRegistry()->AddClass(TcxLabelProperties::StaticClass(),
                                          ResolveResourceString(scxSEditRepositoryLabelItem));
    GetFilterEditHelperRegistry()->AddPair(TcxLabelProperties::StaticClass(), TcxFilterTextEditHelper::StaticClass());
}

void FinalizeLabelUnit() {
    if (labelUnitCounter == 0 || --labelUnitCounter != 0) return;
    GetFilterEditHelperRegistry()->RemovePair(TcxLabelProperties::StaticClass(),
                                              TcxFilterTextEditHelper::StaticClass());
    GetEditPropertiesRegistry()->RemoveClass(TcxLabelProperties::StaticClass());
}

} // namespace zorvy
