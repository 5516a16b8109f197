// The group box control: caption position, caption font and text, accelerator, and its settings.
#include "controls/editors/groupbox/GroupBox.h"

#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/groupbox/GroupBoxViewInfo.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/graphics/CanvasRoutines.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Text.h"

namespace zorvy {

bool IsVerticalCaption(TcxCaptionAlignment alignment) {
    return alignment >= alLeftTop && alignment <= alRightBottom;
}

int CaptionAlignmentToPosition(TcxCaptionAlignment alignment) {
    if (alignment == alCenterCenter) return 4;
    return static_cast<int>(alignment) / 3;
}

// ---- settings ----

const TMetaClass* TcxCustomGroupBoxProperties::GetEditControlClass() const {
    return TcxCustomGroupBox::StaticClass();
}

TcxCustomEdit* TcxCustomGroupBoxProperties::CreateEditControl(bool inplace) const {
    return new TcxGroupBox(nullptr, inplace, ClassType());
}

TcxCustomEditViewData* TcxCustomGroupBoxProperties::MakeViewData(TcxCustomEditStyle* style, bool isInplace,
                                                                 bool flag) {
    auto* viewData = new TcxGroupBoxViewData(this, style, isInplace);
    viewData->NoText = flag;
    return viewData;
}

TcxCustomEditViewInfoClass TcxCustomGroupBoxProperties::GetViewInfoClass() const {
    return TcxGroupBoxViewInfo::StaticClass();
}

// ---- the control ----

TcxCustomGroupBox::TcxCustomGroupBox(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomEdit(owner, inplace, propertiesClass), captionFont_(std::make_unique<TFont>()) {
    InitializeParentColor();
    ControlStyle |= csAcceptsControls | csCaptureMouse | csClickEvents;
    SetAutoSize(false);
    SetBounds(GetLeft(), GetTop(), 185, 105);
    UpdateCaptionFont();
    SetTabStop(false);
}

TcxCustomGroupBox::~TcxCustomGroupBox() = default;

void TcxCustomGroupBox::SetAlignment(TcxCaptionAlignment value) {
    if (value == alignment_) return;
    alignment_ = value;
    UpdateCaptionFont();
    UpdateCaptionText();
    Relayout();
}

void TcxCustomGroupBox::UpdateCaptionFont() {
    if (IsInplace()) return;
    captionFont_->Assign(GetEffectiveStyle()->EffectiveFont());
    if (!IsVerticalCaption(alignment_)) return;
    TcxScreenCanvas* screen = ScreenCanvasInstance();
    screen->AssignFont(captionFont_.get());
    TEXTMETRIC metrics;
    GetTextMetrics(screen->DeviceContext(), metrics);
    if (!(metrics.tmPitchAndFamily & TMPF_TRUETYPE)) captionFont_->SetName("Arial");
    const int escapement = alignment_ <= alLeftBottom ? 900 : 2700; // reading upwards on the left
    LOGFONT logFont;
    if (!FetchLogFont(captionFont_->GetHandle(), logFont) || logFont.lfEscapement == escapement) return;
    logFont.lfEscapement = escapement;
    logFont.lfOrientation = escapement;
    logFont.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    // The font takes a copy of what the handle describes, so the handle is ours to free.
    HFONT rotated = CreateFontIndirect(logFont);
    captionFont_->SetHandle(rotated);
    DeleteObject(rotated);
}

void TcxCustomGroupBox::UpdateCaptionText() {
    captionText_ = IsVerticalCaption(alignment_) ? RemoveAccelChars(GetCaption()) : GetCaption();
}

void TcxCustomGroupBox::Relayout() {
    if (IsDestroying()) return;
    RefreshMouseState(false);
    ComputeViewInfo({-1, -1}, false);
    Realign();
    Invalidate();
}

TRect TcxCustomGroupBox::GetShapeBounds() const {
    TRect r = TcxCustomEdit::GetShapeBounds();
    switch (CaptionAlignmentToPosition(alignment_)) {
    case 0: r.Top = 0; break;
    case 1: r.Bottom = GetHeight(); break;
    case 2: r.Left = 0; break;
    case 3: r.Right = GetWidth(); break;
    default: break;
    }
    return r;
}

bool TcxCustomGroupBox::AlwaysTransparent() const {
    const TcxCustomEditViewInfo* vi = GetEditViewInfo();
    return vi && vi->NativeStyle && GetParentBackground() && !IsInplace() && !GetProperties()->GetTransparent();
}

void TcxCustomGroupBox::HandleStyleChange(TObject* style) {
    if (captionFont_) UpdateCaptionFont();
    TcxCustomEdit::HandleStyleChange(style);
    if (captionFont_ && !IsDestroying()) Realign();
}

void TcxCustomGroupBox::CMFontChanged(TMessage& m) {
    TcxCustomEdit::CMFontChanged(m);
    UpdateCaptionFont();
    Relayout();
}

void TcxCustomGroupBox::CMTextChanged(TMessage& m) {
    TcxCustomEdit::CMTextChanged(m);
    UpdateCaptionText();
    Relayout();
}

void TcxCustomGroupBox::CMDialogChar(TMessage& m) {
    if (IsAccel(static_cast<char32_t>(m.WParam), GetCaption()) && CanFocus()) {
        acceleratorFocusing_ = true;
        struct Clear {
            bool& flag;
            ~Clear() { flag = false; }
        } clear{acceleratorFocusing_};
        SelectFirst();
        m.Result = 1;
        return;
    }
    TcxCustomEdit::CMDialogChar(m);
}

// ---- published ----

TColor TcxGroupBox::GetColor() const { return GetStyle()->GetColor(); }
void TcxGroupBox::SetColor(TColor value) { GetStyle()->SetColor(value); }
TFont* TcxGroupBox::GetFont() const { return GetStyle()->GetFont(); }
void TcxGroupBox::SetFont(TFont* value) { GetStyle()->SetFont(value); }

} // namespace zorvy
