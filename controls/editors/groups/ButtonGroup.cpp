// The button group: items, settings, column layout, natural size and the button controls.
#include "controls/editors/groups/ButtonGroup.h"

#include "controls/editors/framework/EditStyle.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/graphics/CanvasRoutines.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/MessageLoop.h"

#include <algorithm>

namespace zorvy {

// ---- items ----

// Joins its collection only once whole (TCollection::Add does it): the collection's change report makes
// the group read the new item at once.
TcxButtonGroupItem::TcxButtonGroupItem(TCollection*) : TCollectionItem(nullptr) {}

TcxButtonGroupItem::~TcxButtonGroupItem() = default;

void TcxButtonGroupItem::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxButtonGroupItem*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    SetCaption(other->caption_);
    SetEnabled(other->enabled_);
    Tag = other->Tag;
}

void TcxButtonGroupItem::SetCaption(const std::string& value) {
    if (value == caption_) return;
    caption_ = value;
    NotifyCollection(bgicChanged);
}

void TcxButtonGroupItem::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    NotifyCollection(bgicChanged);
}

void TcxButtonGroupItem::NotifyCollection(int kind) {
    if (auto* items = dynamic_cast<TcxButtonGroupItems*>(GetCollection()))
        items->ReportItemChange(GetIndex(), static_cast<TcxButtonGroupItemsChange>(kind));
}

TcxButtonGroupItems::TcxButtonGroupItems(TPersistent* owner, const TMetaClass* itemClass)
    : TOwnedCollection(owner, itemClass) {}

TcxButtonGroupItems::~TcxButtonGroupItems() {
    destroying_ = true;
    Clear();
}

TcxCustomEditProperties* TcxButtonGroupItems::Owner() const {
    return dynamic_cast<TcxCustomEditProperties*>(GetOwner());
}

void TcxButtonGroupItems::ReportItemChange(int index, TcxButtonGroupItemsChange kind) {
    TcxCustomEditProperties* owner = Owner();
    if (!owner || destroying_) return;
    // A held batch hears of the change when it ends, as a change of all items.
    if (owner->IsChangeLocked()) {
        owner->Changed();
        return;
    }
    changedIndex_ = index;
    changeKind_ = kind;
    notifying_ = true;
    struct Clear {
        TcxButtonGroupItems* items;
        ~Clear() {
            items->notifying_ = false;
            items->changeKind_ = bgicNone;
        }
    } clear{this};
    owner->Changed();
}

void TcxButtonGroupItems::Notify(TCollectionItem* item, TCollectionNotification action) {
    TOwnedCollection::Notify(item, action);
    if (GetUpdateCount() > 0 || destroying_) return;
    if (action == cnAdded) {
        pendingKind_ = bgicAdded;
        pendingIndex_ = item->GetIndex();
    } else if (action == cnExtracting) {
        pendingKind_ = bgicDeleted;
        pendingIndex_ = item->GetIndex();
    }
}

void TcxButtonGroupItems::Update(TCollectionItem* item) {
    const TcxButtonGroupItemsChange kind = pendingKind_;
    const int index = pendingIndex_;
    pendingKind_ = bgicNone;
    pendingIndex_ = -1;
    if (kind != bgicNone)
        ReportItemChange(index, kind);
    else if (item)
        ReportItemChange(item->GetIndex(), bgicChanged);
    else
        ReportItemChange(-1, bgicNone);
}

// ---- settings ----

TcxCustomButtonGroupProperties::TcxCustomButtonGroupProperties(TPersistent* owner)
    : TcxCustomGroupBoxProperties(owner) {
    InitItems();
}

TcxCustomButtonGroupProperties::~TcxCustomButtonGroupProperties() {
    BeginChanges();
    items_.reset();
    EndChanges(false);
}

TcxButtonGroupItems* TcxCustomButtonGroupProperties::CreateItems() {
    return new TcxButtonGroupItems(this, TcxButtonGroupItem::StaticClass());
}

void TcxCustomButtonGroupProperties::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxCustomButtonGroupProperties*>(source);
    if (!other) {
        TcxCustomGroupBoxProperties::Assign(source);
        return;
    }
    BeginChanges();
    struct End {
        TcxCustomButtonGroupProperties* p;
        ~End() { p->EndChanges(); }
    } end{this};
    TcxCustomGroupBoxProperties::Assign(source);
    SetColumns(other->columns_);
    items_->Assign(other->items_.get());
    SetWordWrap(other->wordWrap_);
}

void TcxCustomButtonGroupProperties::SetColumns(int value) {
    value = std::max(value, 1);
    if (value == columns_) return;
    columns_ = value;
    Changed();
}

void TcxCustomButtonGroupProperties::SetWordWrap(bool value) {
    if (value == wordWrap_) return;
    wordWrap_ = value;
    Changed();
}

int TcxCustomButtonGroupProperties::GetColumnCount() const {
    const int count = items_->GetCount();
    int columns = std::min(columns_, count);
    if (count == 0) return columns;
    columns = std::max(columns, 1);
    const int rows = (count + columns - 1) / columns;
    return (count + rows - 1) / rows;
}

int TcxCustomButtonGroupProperties::GetRowCount() const {
    const int count = items_->GetCount();
    const int columns = GetColumnCount();
    return count == 0 || columns == 0 ? 0 : (count + columns - 1) / columns;
}

TcxCustomEditProperties* TcxCustomButtonGroupProperties::CreateEmptyCopy() const {
    auto* copy = static_cast<TcxCustomButtonGroupProperties*>(TcxCustomGroupBoxProperties::CreateEmptyCopy());
    for (const char* caption : {"A", "B", "C"})
        static_cast<TcxButtonGroupItem*>(copy->items_->Add())->SetCaption(caption);
    copy->SetColumns(3);
    return copy;
}

const TMetaClass* TcxCustomButtonGroupProperties::GetEditControlClass() const {
    return TcxCustomButtonGroup::StaticClass();
}

TcxCustomEditViewData* TcxCustomButtonGroupProperties::MakeViewData(TcxCustomEditStyle* style, bool isInplace,
                                                                    bool flag) {
    auto* viewData = new TcxButtonGroupViewData(this, style, isInplace);
    viewData->PreviewMode = flag;
    return viewData;
}

TcxCustomEditViewInfoClass TcxCustomButtonGroupProperties::GetViewInfoClass() const {
    return TcxButtonGroupViewInfo::StaticClass();
}

// ---- buttons without controls ----

TRect TcxGroupBoxButtonViewInfo::GetGlyphRect(TSize glyphSize, bool, TAlignment alignment) const {
    TRect r;
    r.Top = Bounds.Top + (Bounds.Height() - glyphSize.cy) / 2;
    r.Bottom = r.Top + glyphSize.cy;
    if (alignment == taRightJustify) {
        r.Left = Bounds.Left;
        r.Right = r.Left + glyphSize.cx;
    } else {
        r.Right = Bounds.Right;
        r.Left = r.Right - glyphSize.cx;
    }
    return r;
}

void TcxButtonGroupViewInfo::PaintButton(TcxCanvas* canvas, int index) {
    TcxGroupBoxButtonViewInfo* button = GroupButton(index);
    const TRect glyph = button->GetGlyphRect(GlyphSize, PaintsThroughProvider, Alignment);
    if (!PaintsThroughProvider)
        DrawEditBackground(canvas, button->Bounds, IsButtonBackgroundSeeThrough(button), glyph);
    DrawButtonGlyph(canvas, button, glyph);
    DrawButtonCaption(canvas, button, glyph);
}

TcxEditButtonStyle ButtonGroupButtonLook(bool inplace, TcxLookAndFeelKind kind, TcxEditBorderStyle styleBorder,
                                         TcxEditBorderStyle viewBorder) {
    if (inplace) {
        switch (kind) {
        case lfFlat: return btsFlat;
        case lfUltraFlat: return btsUltraFlat;
        case lfOffice11: return btsOffice11;
        default: return bts3D;
        }
    }
    if (styleBorder == TcxEditBorderStyle::ebsUltraFlat) return btsUltraFlat;
    if (styleBorder == TcxEditBorderStyle::ebsOffice11) return btsOffice11;
    switch (viewBorder) {
    case TcxEditBorderStyle::ebsSingle:
    case TcxEditBorderStyle::ebsThick:
    case TcxEditBorderStyle::ebsFlat: return btsFlat;
    case TcxEditBorderStyle::ebsUltraFlat: return btsUltraFlat;
    case TcxEditBorderStyle::ebsOffice11: return btsOffice11;
    default: return bts3D;
    }
}

TcxLookAndFeelKind ButtonLookToLookAndFeelKind(TcxEditButtonStyle look) {
    switch (look) {
    case btsFlat: return lfFlat;
    case btsUltraFlat: return lfUltraFlat;
    case btsOffice11: return lfOffice11;
    default: return lfStandard;
    }
}

// ---- layout ----

bool TcxButtonGroupViewData::IsButtonNativeStyle(TcxLookAndFeel* lookAndFeel) const {
    return CanUseNativeTheme(lookAndFeel->GetNativeStyle(), tokButton);
}

void TcxButtonGroupViewData::FillViewInfo(TcxCanvas* canvas, const TRect& bounds, TPoint p, int mouseButton,
                                          TShiftState shift, TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) {
    TcxGroupBoxViewData::FillViewInfo(canvas, bounds, p, mouseButton, shift, viewInfo, isMouseEvent);
    auto* vi = static_cast<TcxButtonGroupViewInfo*>(viewInfo);
    vi->ButtonTextFlags = GetButtonTextFlags();
    vi->CaptionMargins = GetCaptionMargins();
}

void TcxButtonGroupViewData::LayoutButtons(TcxCanvas*, const TRect& bounds, TPoint p, int mouseButton,
                                           TShiftState, TcxCustomEditViewInfo* viewInfo, bool isMouseEvent) {
    auto* vi = static_cast<TcxButtonGroupViewInfo*>(viewInfo);
    const int count = GroupProperties()->GetItems()->GetCount();
    vi->SetButtonCount(count);
    if (count == 0) return;
    PrepareButtons(vi);
    PlaceButtons(vi, bounds);
    ComputeButtonStates(vi, p, mouseButton, isMouseEvent);
}

void TcxButtonGroupViewData::PrepareButtons(TcxButtonGroupViewInfo* vi) {
    const int rows = GroupProperties()->GetRowCount();
    const TcxEditButtonStyle look =
        ButtonGroupButtonLook(IsInplace(), GetEditStyle()->GetLookAndFeel()->GetKind(),
                              GetEditStyle()->GetEditBorderStyle(), vi->EditBorderStyle);
    TcxButtonGroupItems* items = GroupProperties()->GetItems();
    for (int i = 0; i < vi->ButtonCount(); ++i) {
        TcxGroupBoxButtonViewInfo* button = vi->GroupButton(i);
        button->Font = vi->Font;
        button->ButtonStyle = look;
        button->Caption = items->ItemAt(i)->GetCaption();
        button->Column = i / rows;
        button->Row = i % rows;
    }
}

void TcxButtonGroupViewData::PlaceButtons(TcxButtonGroupViewInfo* vi, const TRect& b) {
    const int columns = GroupProperties()->GetColumnCount();
    const int rows = GroupProperties()->GetRowCount();
    if (columns <= 0 || rows <= 0) return;
    const TRect ext = GetContentExtent(nullptr, vi);
    TcxButtonMetrics metrics;
    GetButtonMetrics(nullptr, metrics);
    const int columnWidth =
        (b.Right + metrics.PlacementWidthAdjustment - b.Left - ext.Left - ext.Right -
         (columns - 1) * metrics.ColumnSpacing) / columns;
    const int available = b.Bottom - b.Top - ext.Top - ext.Bottom;
    const int rowHeight = available / rows;
    const int firstTop = b.Top + ext.Top + (available % rows) / 2;
    for (int i = 0; i < vi->ButtonCount(); ++i) {
        const int column = i / rows, row = i % rows;
        const int x = b.Left + ext.Left + (columnWidth + metrics.ColumnSpacing) * column + metrics.ColumnsLeft;
        const int y = firstTop + row * rowHeight;
        TcxGroupBoxButtonViewInfo* button = vi->GroupButton(i);
        button->Bounds = Rect(x, y, x + columnWidth, y + rowHeight);
        button->VisibleBounds = button->Bounds;
    }
}

void TcxButtonGroupViewData::ComputeButtonStates(TcxButtonGroupViewInfo* vi, TPoint p, int mouseButton,
                                                 bool isMouseEvent) {
    const TcxEditButtonTransparency transparency = GetEditStyle()->GetButtonTransparency();
    const bool active = (vi->ContainerState & (cxcsFocused | cxcsHot)) != 0;
    const bool native = IsButtonNativeStyle(GetEditStyle()->GetLookAndFeel());
    const int previousPressed = isMouseEvent ? vi->PressedButton : -1;
    vi->PressedButton = -1;
    vi->HotButton = -1;
    vi->IsButtonReallyPressed = false;
    for (int i = 0; i < vi->ButtonCount(); ++i) {
        TcxGroupBoxButtonViewInfo* button = vi->GroupButton(i);
        button->Index = i;
        button->ButtonIndex = i;
        button->NativeStyle = native;
        button->Transparent = transparency == ebtAlways || (transparency == ebtInactive && !active);
        button->BackgroundColor = vi->BackgroundColor;
        const bool over = PtInRect(button->Bounds, p);
        if (!Enabled) {
            button->State = ebsDisabled;
        } else if (IsButtonHeldDown(vi, i) ||
                   (over && mouseButton == 1 && (isMouseEvent || previousPressed == i || CaptureButtonIndex == i))) {
            button->State = ebsPressed;
            vi->PressedButton = i;
            vi->IsButtonReallyPressed = true;
        } else if (over && mouseButton == 0 && !Designing) {
            button->State = ebsHot;
            vi->HotButton = i;
        } else {
            button->State = ebsNormal;
        }
        UpdateButtonState(vi, button);
    }
}

void TcxButtonGroupViewData::MeasureFrameSize(TcxCanvas* canvas, const TcxEditSizeProperties& limits,
                                              TSize& overflow, TcxCustomEditViewInfo*, TSize& frame) {
    frame = Size(0, 0);
    TcxCustomButtonGroupProperties* p = GroupProperties();
    canvas->AssignFont(GetEditStyle()->EffectiveFont());
    const TSize padding = GetContentPadding();
    TcxButtonMetrics m;
    GetButtonMetrics(canvas, m);
    int r = canvas->MeasureTextHeight("Zg") + padding.cy;
    const int count = p->GetItems()->GetCount();
    const int columns = p->GetColumnCount(), rows = p->GetRowCount();
    if (limits.Width < 0) {
        measuredAgainstLimit_ = false;
        if (count == 0) {
            overflow = Size(0, r);
            return;
        }
        int widest = 0;
        for (int i = 0; i < count; ++i)
            widest = std::max(widest, canvas->MeasureTextWidth(p->GetItems()->ItemAt(i)->GetCaption()));
        overflow.cx = (widest + m.TextGap + m.GlyphWidth) * columns + (columns - 1) * m.ColumnSpacing + m.ExtraWidth;
        overflow.cy = std::max(m.GlyphHeight, r) * rows;
        return;
    }
    overflow.cx = limits.Width;
    if (count == 0) {
        overflow.cy = r;
        return;
    }
    const TRect offsets = ContentParams.Offsets;
    const int textWidth = std::max(1, (limits.Width + m.LimitedWidthAdjustment - offsets.Left - offsets.Right -
                                       (columns - 1) * m.ColumnSpacing) / columns -
                                          m.GlyphWidth - m.LimitedTextGap);
    measuredAgainstLimit_ = true;
    if (p->GetWordWrap()) {
        const int flags = (GetButtonTextFlags() & ~0x20) | 0x8;
        for (int i = 0; i < count; ++i) {
            const std::string& caption = p->GetItems()->ItemAt(i)->GetCaption();
            if (caption.empty()) continue;
            TRect rect = Rect(0, 0, textWidth, cxMaxRectSize);
            canvas->MeasureTextRect(caption, rect, flags);
            r = std::max(r, rect.Height() + padding.cy);
        }
    }
    overflow.cy = r * rows;
    if (!IsInplace()) {
        const TRect ext = GetContentExtent(canvas, nullptr);
        overflow.cy += ext.Top + ext.Bottom;
    }
}

// ---- the control ----

TcxCustomButtonGroup::TcxCustomButtonGroup(TComponent* owner, bool inplace, const TMetaClass* propertiesClass)
    : TcxCustomGroupBox(owner, inplace, propertiesClass) {
    SetAutoSize(false);
    SetTabStop(true);
}

TcxCustomButtonGroup::~TcxCustomButtonGroup() {
    // Each button leaves the list as it goes.
    while (!buttons_.empty()) delete buttons_.back();
}

int TcxCustomButtonGroup::IndexOfButton(const TWinControl* button) const {
    const auto found = std::find(buttons_.begin(), buttons_.end(), button);
    return found == buttons_.end() ? -1 : static_cast<int>(found - buttons_.begin());
}

void TcxCustomButtonGroup::RemoveButtonFromList(TWinControl* button) {
    std::erase(buttons_, button);
}

int TcxCustomButtonGroup::FocusedButtonIndex() const {
    for (int i = 0; i < GetButtonCount(); ++i)
        if (buttons_[i]->Focused()) return i;
    return -1;
}

bool TcxCustomButtonGroup::IsFocusWithin() const {
    if (IsDestroying()) return false;
    return TcxCustomGroupBox::IsFocusWithin() || FocusedButtonIndex() >= 0;
}

bool TcxCustomButtonGroup::UsesNativeButtons() const {
    auto* viewData = dynamic_cast<TcxButtonGroupViewData*>(
        const_cast<TcxCustomButtonGroup*>(this)->CreateEditViewData());
    std::unique_ptr<TcxCustomEditViewData> owned(viewData);
    return viewData && viewData->IsButtonNativeStyle(GetStyle()->GetLookAndFeel());
}

void TcxCustomButtonGroup::SyncButtonsWithItems() {
    if (syncing_) return;
    syncing_ = true;
    struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
    } clear{syncing_};
    TcxButtonGroupItems* items = GetGroupProperties()->GetItems();
    SetButtonCount(items->GetCount());
    for (int i = 0; i < GetButtonCount() && i < items->GetCount(); ++i)
        buttons_[i]->SetEnabled(GetEnabled() && items->ItemAt(i)->GetEnabled());
    RefreshMouseState(false);
    for (TWinControl* button : buttons_) button->SetCursor(GetCursor());
}

void TcxCustomButtonGroup::SetButtonCount(int count) {
    TcxButtonGroupItems* items = GetGroupProperties()->GetItems();
    if (items->IsNotifying() && items->GetChangeKind() != bgicNone) {
        const int index = items->GetChangedIndex();
        switch (items->GetChangeKind()) {
        case bgicAdded: {
            TWinControl* button = CreateButton();
            InitButton(button);
            // Created last: moved to the new item's place.
            if (index >= 0 && index < GetButtonCount() - 1) {
                std::erase(buttons_, button);
                buttons_.insert(buttons_.begin() + index, button);
            }
            break;
        }
        case bgicDeleted:
            if (index >= 0 && index < GetButtonCount()) delete buttons_[index];
            break;
        default: break;
        }
        if (GetButtonCount() == count) return;
    }
    while (GetButtonCount() > count) delete buttons_.back();
    while (GetButtonCount() < count) InitButton(CreateButton());
}

void TcxCustomButtonGroup::InitButton(TWinControl* button) {
    button->SetParentShowHint(false);
    button->SetParent(this);
    TWeakLink<TWinControl> link(button);
    button->OnKeyDown = [this](TObject*, std::uint16_t& key, TShiftState shift) {
        if (OnKeyDown) OnKeyDown(this, key, shift);
    };
    button->OnKeyPress = [this](TObject*, char32_t& key) {
        if (OnKeyPress) OnKeyPress(this, key);
    };
    button->OnKeyUp = [this](TObject*, std::uint16_t& key, TShiftState shift) {
        if (OnKeyUp) OnKeyUp(this, key, shift);
    };
    button->OnMouseDown = [this, link](TObject*, TMouseButton b, TShiftState shift, int x, int y) {
        if (OnMouseDown && link) OnMouseDown(this, b, shift, x + link->GetLeft(), y + link->GetTop());
    };
    button->OnMouseMove = [this, link](TObject*, TShiftState shift, int x, int y) {
        if (OnMouseMove && link) OnMouseMove(this, shift, x + link->GetLeft(), y + link->GetTop());
    };
    button->OnMouseUp = [this, link](TObject*, TMouseButton b, TShiftState shift, int x, int y) {
        if (OnMouseUp && link) OnMouseUp(this, b, shift, x + link->GetLeft(), y + link->GetTop());
    };
}

void TcxCustomButtonGroup::PlaceButtons() {
    TcxButtonGroupViewInfo* vi = GetGroupViewInfo();
    if (!vi) return;
    for (int i = 0; i < GetButtonCount() && i < vi->ButtonCount(); ++i)
        buttons_[i]->SetBoundsRect(vi->Button(i)->Bounds);
}

void TcxCustomButtonGroup::ApplyStyleToButtons() {
    TcxCustomEditStyle* style = GetEffectiveStyle();
    for (TWinControl* button : buttons_) {
        button->SetColor(style->GetColor());
        button->GetFont()->Assign(style->EffectiveFont());
        button->GetFont()->SetColor(style->GetTextColor());
    }
}

bool TcxCustomButtonGroup::UpdateStateFromMouse(TPoint p, int buttonCode, TShiftState shift, bool isMouseEvent) {
    const bool result = TcxCustomGroupBox::UpdateStateFromMouse(p, buttonCode, shift, isMouseEvent);
    PlaceButtons();
    ApplyStyleToButtons();
    return result;
}

void TcxCustomButtonGroup::HandleStyleChange(TObject* style) {
    TcxCustomGroupBox::HandleStyleChange(style);
    if (!IsDestroying()) SyncButtonsWithItems();
}

void TcxCustomButtonGroup::ApplyPropertiesChange(TcxCustomEditProperties* properties) {
    if (!HasState(csReading)) SyncButtonsWithItems();
    TcxCustomGroupBox::ApplyPropertiesChange(properties);
}

void TcxCustomButtonGroup::Loaded() {
    TcxCustomGroupBox::Loaded();
    SyncButtonsWithItems();
    ShowEditValue();
}

void TcxCustomButtonGroup::ActivateByMouse(TShiftState shift, int x, int y, TcxCustomEditData*& data) {
    AttachEditData(data);
    const TPoint p{x - GetLeft(), y - GetTop()};
    for (TWinControl* button : buttons_) {
        const TRect r = button->GetBoundsRect();
        if (!PtInRect(r, p) || !button->HandleAllocated()) continue;
        const LPARAM center = MakeLParam(r.Width() / 2, r.Height() / 2);
        if (shift & ssLeft)
            SendMessage(button->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, center);
        else
            SendMessage(button->GetHandle(), WM_LBUTTONUP, 0, center);
        return;
    }
}

void TcxCustomButtonGroup::CreateWnd() {
    TcxCustomGroupBox::CreateWnd();
    SyncButtonsWithItems();
    ShowEditValue();
}

void TcxCustomButtonGroup::CMEnabledChanged(TMessage& m) {
    TcxCustomGroupBox::CMEnabledChanged(m);
    SyncButtonsWithItems();
}

void TcxCustomButtonGroup::CursorPropertyChanged() {
    TcxCustomGroupBox::CursorPropertyChanged();
    SyncButtonsWithItems();
}

void TcxCustomButtonGroup::MoveFocusTo(int index) {
    if (index >= 0 && index < GetButtonCount() && buttons_[index]->CanFocus()) buttons_[index]->SetFocus();
}

void TcxCustomButtonGroup::ProcessEditKeyDown(std::uint16_t& key, TShiftState shift) {
    const int focused = FocusedButtonIndex();
    if (focused < 0) return;
    const int rows = GetGroupProperties()->GetRowCount();
    const int column = focused / rows, row = focused % rows;
    const int inColumn = std::min(rows, GetButtonCount() - column * rows);
    int target = -1;
    switch (key) {
    case VK_LEFT:
        if (column > 0) target = focused - rows;
        break;
    case VK_UP:
        if (row > 0) target = focused - 1;
        break;
    case VK_RIGHT:
        if (focused + rows < GetButtonCount()) target = focused + rows;
        break;
    case VK_DOWN:
        if (row < inColumn - 1) target = focused + 1;
        break;
    default: break;
    }
    if (key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN) {
        MoveFocusTo(target);
        key = 0;
    }
    TcxCustomGroupBox::ProcessEditKeyDown(key, shift);
}

} // namespace zorvy
