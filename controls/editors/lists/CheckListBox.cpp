// The check list box container: the value cycle between the items' states and EditValue, the data
// binding, sorting, images, sizes, keys and the painting of a row.
#include "controls/editors/lists/CheckListBox.h"

#include "controls/editors/checks/CheckBoxProperties.h"
#include "controls/editors/checks/EditUtils.h"
#include "controls/editors/framework/EditPainting.h"
#include "controls/editors/lists/ListBox.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/scrollbars/ScrollBar.h"
#include "controls/foundation/lookandfeel/ThemeManager.h"
#include "controls/foundation/services/ControlRoutines.h"
#include "platform/classlib/ImageList.h"
#include "platform/gdi/Text.h"
#include "platform/win/MessageLoop.h"
#include "platform/win/Messages.h"

namespace zorvy {
namespace {

constexpr int StatesValueSource = 0;
constexpr int CheckListSelectedTextSource = 1;

TcxEditBorderStyle CheckBorderStyleForKind(TcxLookAndFeelKind kind) {
    switch (kind) {
    case lfFlat:
        return TcxEditBorderStyle::ebsFlat;
    case lfUltraFlat:
        return TcxEditBorderStyle::ebsUltraFlat;
    case lfOffice11:
        return TcxEditBorderStyle::ebsOffice11;
    default:
        return TcxEditBorderStyle::ebs3D;
    }
}

} // namespace

TcxCustomCheckListBox::TcxCustomCheckListBox(TComponent* owner)
    : TcxCustomCheckListBox(owner, [](TcxCustomCheckListBox* box) { return new TcxCustomInnerCheckListBox(box); }) {}

TcxCustomCheckListBox::TcxCustomCheckListBox(TComponent* owner, const TcxInnerCheckListBoxFactory& makeInner)
    : TcxContainer(owner), editValue_(Variant::FromInt64(0)) {
    dataBinding_ = std::make_unique<TcxCustomDataBinding>(this, this);
    dataBinding_->OnDataChange = [this](TObject*, TObject*) { LoadDataValue(); };
    dataBinding_->OnUpdateData = [this](TObject*, TObject*) { StoreDataValue(); };
    imagesLink_ = std::make_unique<TChangeLink>();
    imagesLink_->OnChange = [this](TObject*) { inner_->RefreshMetrics(); };
    inner_ = makeInner(this);
    inner_->SetParent(this);
    inner_->SetContainer(this);
    SetInnerControl(inner_);
    dataBinding_->SetVisualControl(inner_);
    inner_->GetLookAndFeel()->SetMaster(GetStyle()->GetLookAndFeel());
    inner_->SetStyle(lbOwnerDrawFixed);
    RefreshCheckLook();
    SetBounds(GetLeft(), GetTop(), 121, 97);
}

TcxCustomCheckListBox::~TcxCustomCheckListBox() {
    Destroying();
    SetImages(nullptr);
    SetInnerControl(nullptr);
    delete inner_;
    inner_ = nullptr;
    dataBinding_.reset();
}

// ---- the value ----

void TcxCustomCheckListBox::SetEditValue(const Variant& value) {
    statesAreMaster_ = false;
    const bool differs = OnEditValueChanged && !VariantsIdentical(value, editValue_);
    editValue_ = value;
    ApplyEditValue();
    if (differs) DoEditValueChanged();
}

void TcxCustomCheckListBox::ApplyEditValue() {
    TcxCheckListBoxItems* items = GetItems();
    TcxCheckStates& buffer = CheckStatesBuffer();
    buffer.assign(static_cast<size_t>(items->GetCount()), cbsUnchecked);
    if (OnEditValueToCheckStates)
        OnEditValueToCheckStates(this, editValue_, buffer);
    else
        EditValueToCheckStates(editValue_, *items, editValueFormat_, buffer);
    const TcxCheckStates states = buffer;
    items->LockChanges(true, false);
    try {
        for (int i = 0; i < items->GetCount(); ++i)
            items->GetItem(i)->SetState(static_cast<size_t>(i) < states.size() ? states[static_cast<size_t>(i)]
                                                                                : cbsUnchecked);
    } catch (...) {
        items->LockChanges(false, false);
        throw;
    }
    items->LockChanges(false, false);
}

void TcxCustomCheckListBox::StoreStates() {
    TcxCheckListBoxItems* items = GetItems();
    TcxCheckStates& states = CheckStatesBuffer();
    states.resize(static_cast<size_t>(items->GetCount()));
    for (int i = 0; i < items->GetCount(); ++i) states[static_cast<size_t>(i)] = items->GetItem(i)->GetState();
    Variant value;
    if (OnCheckStatesToEditValue)
        OnCheckStatesToEditValue(this, states, value);
    else
        CheckStatesToEditValue(states, *items, editValueFormat_, value);
    const bool differs = OnEditValueChanged && !VariantsIdentical(value, editValue_);
    editValue_ = value;
    statesAreMaster_ = true;
    if (differs) DoEditValueChanged();
}

void TcxCustomCheckListBox::DoEditValueChanged() {
    if (OnEditValueChanged) OnEditValueChanged(this);
}

void TcxCustomCheckListBox::SetEditValueFormat(TcxCheckStatesValueFormat value) {
    if (editValueFormat_ == value) return;
    if (!statesAreMaster_) {
        editValueFormat_ = value;
        ApplyEditValue();
        return;
    }
    TcxCheckListBoxItems* items = GetItems();
    editValueFormat_ = value;
    if (value == cvfInteger) {
        // The integer format has no grayed state: those items become unchecked.
        items->LockChanges(true, false);
        for (int i = 0; i < items->GetCount(); ++i)
            if (items->GetItem(i)->GetState() == cbsGrayed) items->GetItem(i)->SetState(cbsUnchecked);
        items->LockChanges(false, false);
    }
    StoreStates();
}

bool TcxCustomCheckListBox::IsValidEditValue(const Variant& value, bool allowEmpty) {
    if (IsVarNullOrEmpty(value)) return allowEmpty;
    if (VarHoldsNumber(value)) return true;
    if (!VarIsStr(value)) return false;
    const std::string text = VarToStr(value);
    return IsIntegerText(text) || IsFloatText(text);
}

// ---- binding ----

void TcxCustomCheckListBox::LoadDataValue() {
    if (showChecks_) {
        Variant value;
        dataBinding_->GetStoredValue(StatesValueSource, IsFocused(), value);
        SetEditValue(value);
        return;
    }
    if (!dataBinding_->IsDataAvailable()) {
        SetItemIndex(-1);
        return;
    }
    Variant value;
    dataBinding_->GetStoredValue(CheckListSelectedTextSource, IsFocused(), value);
    SetItemIndex(GetItems()->IndexOfText(VarToStr(value)));
}

void TcxCustomCheckListBox::StoreDataValue() {
    if (showChecks_) {
        dataBinding_->SetStoredValue(StatesValueSource, editValue_);
        return;
    }
    const int index = GetItemIndex();
    const bool valid = index >= 0 && index < GetItems()->GetCount();
    dataBinding_->SetStoredValue(CheckListSelectedTextSource,
                                 Variant(valid ? GetItems()->GetItem(index)->GetText() : std::string()));
}

void TcxCustomCheckListBox::Loaded() {
    TcxContainer::Loaded();
    dataBinding_->SetModified();
    if (inner_->HandleAllocated()) inner_->RecreateWnd();
}

void TcxCustomCheckListBox::SetItems(TcxCheckListBoxItems* value) {
    GetItems()->Assign(value);
    LoadDataValue();
}

// ---- settings ----

void TcxCustomCheckListBox::SetColumns(int value) {
    if (inner_->Columns == value) return;
    inner_->Columns = value;
    inner_->RefreshScrollBars();
}

bool TcxCustomCheckListBox::ImagesUsable() const {
    return ImageListHasSize(images_);
}

void TcxCustomCheckListBox::SetImages(TCustomImageList* value) {
    if (images_ == value) return;
    if (images_) {
        images_->UnRegisterChanges(imagesLink_.get());
        images_->RemoveFreeNotification(this);
    }
    images_ = value;
    if (images_) {
        images_->RegisterChanges(imagesLink_.get());
        images_->FreeNotification(this);
    }
    if (inner_) inner_->RefreshMetrics();
}

void TcxCustomCheckListBox::Notification(TComponent* component, TOperation operation) {
    TcxContainer::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) {
        images_ = nullptr;
        if (inner_) inner_->RefreshMetrics();
    }
}

void TcxCustomCheckListBox::SetImageLayout(TcxCheckListBoxImageLayout value) {
    if (imageLayout_ == value) return;
    imageLayout_ = value;
    inner_->InvalidateAll();
}

void TcxCustomCheckListBox::SetIntegralHeight(bool value) {
    if (integralHeight_ == value) return;
    integralHeight_ = value;
    PlaceInnerControl();
}

void TcxCustomCheckListBox::SetShowChecks(bool value) {
    if (showChecks_ == value) return;
    showChecks_ = value;
    inner_->RefreshMetrics();
    dataBinding_->SetModified();
}

void TcxCustomCheckListBox::SetSorted(bool value) {
    if (sorted_ == value) return;
    sorted_ = value;
    if (sorted_) SortItems();
}

void TcxCustomCheckListBox::SortItems() {
    TcxCheckListBoxItems* items = GetItems();
    const bool wasSorted = sorted_;
    sorted_ = false; // the moves below must not sort again
    try {
        sortList_.Clear();
        for (int i = 0; i < items->GetCount(); ++i) sortList_.AddObject(items->GetItem(i)->GetText(), items->GetItem(i));
        sortList_.Sort();
        items->BeginUpdate();
        try {
            for (int i = 0; i < sortList_.GetCount(); ++i)
                static_cast<TcxCheckListBoxItem*>(sortList_.GetObject(i))->SetIndex(i);
        } catch (...) {
            items->EndUpdate();
            throw;
        }
        items->EndUpdate();
    } catch (...) {
        sorted_ = wasSorted;
        throw;
    }
    sortList_.Clear();
    sorted_ = wasSorted;
    inner_->InvalidateAll();
}

void TcxCustomCheckListBox::RefreshCheckLook() {
    if (IsDestroying()) return;
    TcxLookAndFeel* look = GetStyle()->GetLookAndFeel();
    nativeCheck_ = look->GetNativeStyle() && CanUseThemesFor(ThemeKindSet(tokButton) | ThemeKindSet(tokComboBox));
    checkBorderStyle_ = CheckBorderStyleForKind(look->GetKind());
}

void TcxCustomCheckListBox::HandleLookAndFeelChange(TcxLookAndFeel* sender, TcxLookAndFeelValues changed) {
    TcxContainer::HandleLookAndFeelChange(sender, changed);
    RefreshCheckLook();
    if (inner_ && !IsDestroying()) inner_->RefreshMetrics();
}

// ---- sizes ----

int TcxCustomCheckListBox::ItemIndexAtPoint(TPoint p, bool existing) const {
    const TPoint q{p.X - inner_->GetLeft(), p.Y - inner_->GetTop()};
    const int index = inner_->ItemAtPos(q, true);
    if (index >= 0 || existing) return index;
    const int count = GetCount();
    if (count == 0 || q.Y >= inner_->ItemRect(count - 1).Bottom) return count;
    return inner_->ItemAtPos(q, false);
}

TRect TcxCustomCheckListBox::GetItemBounds(int index) const {
    TRect r = inner_->ItemRect(index);
    OffsetRect(r, inner_->GetLeft(), inner_->GetTop());
    return r;
}

int TcxCustomCheckListBox::GetItemWidth(int index) {
    const TRect border = GetBorderExtent();
    TcxCanvas* canvas = GetCanvasWrapper();
    canvas->AssignFont(GetFont());
    return border.Left + border.Right + inner_->GetTextOffset() +
           canvas->MeasureTextWidth(GetItems()->GetItem(index)->GetText()) + inner_->GetSpacing().WidthReserve;
}

int TcxCustomCheckListBox::GetOptimalWidth() {
    const TRect border = GetBorderExtent();
    TcxCanvas* canvas = GetCanvasWrapper();
    canvas->AssignFont(GetFont());
    int widest = 0;
    for (int i = 0; i < GetItems()->GetCount(); ++i)
        widest = std::max(widest, canvas->MeasureTextWidth(GetItems()->GetItem(i)->GetText()));
    return border.Left + border.Right + inner_->GetTextOffset() + inner_->GetSpacing().WidthReserve + widest;
}

int TcxCustomCheckListBox::GetHeightForRows(int rowCount) {
    const TRect border = GetBorderExtent();
    return rowCount * inner_->GetItemHeight() + border.Top + border.Bottom;
}

bool TcxCustomCheckListBox::AlignedToFill() const {
    const TAlign align = GetAlign();
    return align == alLeft || align == alRight || align == alClient;
}

void TcxCustomCheckListBox::AdjustToIntegralHeight(int& height) {
    const int rowHeight = inner_->GetItemHeight();
    AdjustToIntegralRows(this, height, GetCount(), GetScrollWidth(), [rowHeight](int) { return rowHeight; });
}

bool TcxCustomCheckListBox::CanResize(int& newWidth, int& newHeight) {
    const bool allowed = TcxContainer::CanResize(newWidth, newHeight);
    if (allowed && integralHeight_ && !HasState(csLoading) && !AlignedToFill()) AdjustToIntegralHeight(newHeight);
    return allowed;
}

void TcxCustomCheckListBox::PlaceInnerControl() {
    if (HasState(csLoading) || !inner_) return;
    if (integralHeight_ && !AlignedToFill() && !adjustingHeight_) {
        int height = GetHeight();
        AdjustToIntegralHeight(height);
        if (height != GetHeight()) {
            adjustingHeight_ = true;
            TWeakLink<TcxCustomCheckListBox> self(this);
            SetHeight(height);
            if (!self) return;
            adjustingHeight_ = false;
        }
    }
    TcxContainer::PlaceInnerControl();
}

void TcxCustomCheckListBox::FontPropertyChanged() {
    TcxContainer::FontPropertyChanged();
    PlaceInnerControl();
}

// ---- messages and keys ----

void TcxCustomCheckListBox::WndProc(TMessage& m) {
    if (inner_ && m.Msg >= LB_ADDSTRING && m.Msg <= LB_MSGMAX) {
        m.Result = SendMessage(inner_->GetHandle(), m.Msg, m.WParam, m.LParam);
        return;
    }
    TWeakLink<TcxCustomCheckListBox> self(this);
    TcxContainer::WndProc(m);
    if (self && inner_ && m.Msg == WM_COMMAND && HiWord(m.WParam) == LBN_SELCHANGE) inner_->RefreshScrollBars();
}

bool TcxCustomCheckListBox::IsInternalChildControl(TControl* control) const {
    if (!inner_) return true;
    if (control == static_cast<TControl*>(inner_->GetHScrollBar()) ||
        control == static_cast<TControl*>(inner_->GetVScrollBar()))
        return true;
    return TcxContainer::IsInternalChildControl(control);
}

void TcxCustomCheckListBox::KeyDown(std::uint16_t& key, TShiftState shift) {
    TcxContainer::KeyDown(key, shift);
    if (!showChecks_ && IsListNavigationKey(key) && !dataBinding_->CanChangeValue()) key = 0;
}

void TcxCustomCheckListBox::KeyPress(char32_t& key) {
    TcxContainer::KeyPress(key);
    if (key == 27)
        dataBinding_->SetModified();
    else if (!showChecks_ && IsPrintableChar(key) && !dataBinding_->CanChangeValue())
        key = 0;
}

void TcxCustomCheckListBox::DoExit() {
    ExitListUpdatingData(this, isExitProcessing_, *dataBinding_, [this] { TcxContainer::DoExit(); });
}

// ---- painting a row ----

void TcxCustomCheckListBox::DrawInnerItem(int index, TRect rect, TOwnerDrawState state) {
    TcxCheckListBoxItems* items = GetItems();
    if (index >= 0 && index < items->GetCount()) {
        TcxCanvas* canvas = inner_->GetCanvasWrapper();
        TcxContainerStyle* style = CurrentStateStyle();
        const TcxCheckListBoxSpacing spacing = inner_->GetSpacing();
        const bool rtl = UseRightToLeftAlignment();
        const int offset = inner_->GetTextOffset();
        TRect row = rect, textRect = rect, lead = rect;
        if (rtl) {
            row.Right += offset;
            textRect.Right -= spacing.TextIndent;
            lead = Rect(rect.Right, rect.Top, row.Right, rect.Bottom);
        } else {
            row.Left -= offset;
            textRect.Left += spacing.TextIndent;
            lead = Rect(row.Left, rect.Top, rect.Left, rect.Bottom);
        }
        TcxCheckListBoxItem* item = items->GetItem(index);
        const bool enabled = GetEnabled() && item->GetEnabled();
        canvas->AssignFont(style->EffectiveFont());
        // The margins around the check and the image take the list's colour.
        canvas->FillRectSolid(lead, inner_->GetColor());
        if (showChecks_ && row.Top >= 0) {
            TcxEditCheckState buttonState = ecsNormal;
            if (!enabled)
                buttonState = ecsDisabled;
            else if (index == inner_->GetHotCheck())
                buttonState = ecsHot;
            else if (index == inner_->GetPressedCheck())
                buttonState = ecsPressed;
            TcxEditBorderStyle frame = checkBorderStyle_;
            if (frame == TcxEditBorderStyle::ebsFlat && (buttonState == ecsHot || buttonState == ecsPressed))
                frame = TcxEditBorderStyle::ebs3D;
            PaintEditCheck(canvas, inner_->GetCheckRect(row, true), item->GetState(), buttonState,
                           inner_->HasGlyph() ? inner_->GetGlyph() : nullptr, inner_->GetGlyphCount(), frame,
                           nativeCheck_, clBtnText, inner_->GetColor(), true, InDesignMode(), false, true,
                           inner_->GetLookAndFeel()->GetSkinPainter(), nssGrayedChecked);
        }
        if (ImagesUsable() && item->GetImageIndex() >= 0 && item->GetImageIndex() < images_->GetCount())
            PaintImageListImageAt(canvas, images_, item->GetImageIndex(), nullptr, enabled, GetColor(),
                                  inner_->GetImageRect(row));
        TCanvas* c = canvas->GetCanvas();
        const bool selected = (state & odSelected) && !InDesignMode();
        if (selected) {
            c->GetBrush()->SetColor(clHighlight);
            c->GetFont()->SetColor(clHighlightText);
        } else {
            c->GetBrush()->SetColor(style->GetColor());
            c->GetFont()->SetColor(enabled ? style->GetTextColor() : GetStyleDisabled()->GetTextColor());
        }
        c->FillRect(rect);
        c->GetBrush()->SetStyle(bsClear);
        unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (rtl ? DT_RIGHT : DT_LEFT);
        DRAWTEXTPARAMS params;
        if (inner_->TabWidth > 0) {
            flags |= DT_EXPANDTABS | DT_TABSTOP;
            params.iTabLength = inner_->TabWidth;
        }
        DrawTextEx(c->GetHandle(), item->GetText(), textRect, flags, &params);
        c->GetBrush()->SetStyle(bsSolid);
        if (state & odFocused) canvas->PaintFocusRect(rect);
    }
    if (OnDrawItem) OnDrawItem(inner_, index, rect, state);
}

} // namespace zorvy
