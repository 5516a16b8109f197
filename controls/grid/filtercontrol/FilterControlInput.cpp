// The filter control's input: the focused part and its moves, keys, mouse and hot tracking, the row
// menu, the drop-down lists of the part combo box, value editing in place, and scrolling.
#include "controls/editors/framework/Edit.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/InplaceEditList.h"
#include "controls/editors/popup/ComboBox.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/grid/filtercontrol/FilterControl.h"
#include "controls/grid/filtercontrol/FilterControlTexts.h"
#include "controls/grid/filtercontrol/FilterControlViewInfo.h"
#include "platform/classlib/Menus.h"
#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"

#include <algorithm>

namespace zorvy {

namespace {

bool IsListCode(int code) {
    return code == fcoInList || code == fcoNotInList;
}

} // namespace

bool TcxCustomFilterControl::IsFocusedOrEditing() {
    // An editor's focus lies in its inner control.
    return Focused() || (valueEditor_ && valueEditor_->IsFocused()) || (comboBox_ && comboBox_->IsFocused());
}

bool TcxCustomFilterControl::CanHotTrack() {
    return GetEnabled() && HasItems() && (hotTrackOnUnfocused_ || IsFocusedOrEditing());
}

int TcxCustomFilterControl::GetBorderThickness() const {
    return GetLookAndFeelPainter()->GetControlBorderWidth();
}

// ---- focus ----

void TcxCustomFilterControl::SetFocusedRow(TcxCustomRowViewInfo* row) {
    focused_.Row = row;
    focused_.HitTest = row->IsGroup() ? fhtBoolOperator : fhtItem;
}

void TcxCustomFilterControl::SetFocusedPart(TcxFilterControlHitTest kind, int valueIndex) {
    focused_.HitTest = kind;
    if (TcxConditionViewInfo* condition = FocusedCondition())
        if (valueIndex >= 0 && valueIndex < condition->GetValues()->GetCount()) focused_.ValueIndex = valueIndex;
    viewInfo_->Calculate();
    MakeFocusedVisible();
}

void TcxCustomFilterControl::FocusFirstPart(TcxCustomRowViewInfo* row) {
    focused_.Row = row;
    SetFocusedPart(row->IsGroup() ? fhtBoolOperator : fhtItem);
}

void TcxCustomFilterControl::FocusLastPart(TcxCustomRowViewInfo* row) {
    focused_.Row = row;
    if (row->IsGroup()) {
        SetFocusedPart(fhtBoolOperator);
        return;
    }
    auto* condition = static_cast<TcxConditionViewInfo*>(row);
    const int last = condition->GetValues()->GetCount() - 1;
    if (!condition->HasValues() || last < 0)
        SetFocusedPart(fhtOperator);
    else
        SetFocusedPart(IsListCode(condition->Operator) ? fhtAddValue : fhtValue, last);
}

void TcxCustomFilterControl::FocusNextRow(bool wrap) {
    const int index = IndexOfRow(focused_.Row);
    if (focused_.HitTest == fhtAddCondition) return;
    if (index == GetRowCount() - 1) {
        SetFocusedPart(fhtAddCondition);
        return;
    }
    focused_.Row = GetRow(index + 1);
    focused_.ValueIndex = -1;
    if (wrap)
        SetFocusedPart(fhtButton);
    else
        FocusFirstPart(focused_.Row);
}

void TcxCustomFilterControl::FocusPreviousRow(bool wrap) {
    TcxCustomRowViewInfo* target;
    if (focused_.HitTest == fhtAddCondition)
        target = rows_.back();
    else if (focused_.Row == root_.get())
        return;
    else
        target = GetRow(IndexOfRow(focused_.Row) - 1);
    focused_.ValueIndex = -1;
    if (wrap)
        FocusLastPart(target);
    else
        FocusFirstPart(target);
}

void TcxCustomFilterControl::FocusNext(bool wrap) {
    TcxConditionViewInfo* condition = FocusedCondition();
    switch (focused_.HitTest) {
    case fhtButton:
        SetFocusedPart(focused_.Row->IsGroup() ? fhtBoolOperator : fhtItem);
        break;
    case fhtBoolOperator:
    case fhtAddValue:
        if (wrap) FocusNextRow(true);
        break;
    case fhtItem:
        SetFocusedPart(fhtOperator);
        break;
    case fhtOperator:
        if (condition && condition->HasValues() && condition->GetValues()->GetCount() > 0)
            SetFocusedPart(fhtValue, 0);
        else if (wrap)
            FocusNextRow(true);
        break;
    case fhtValue:
        if (condition && focused_.ValueIndex < condition->GetValues()->GetCount() - 1)
            SetFocusedPart(fhtValue, focused_.ValueIndex + 1);
        else if (condition && IsListCode(condition->Operator))
            SetFocusedPart(fhtAddValue);
        else if (wrap)
            FocusNextRow(true);
        break;
    case fhtAddCondition:
        if (!wrap) FocusFirstPart(rows_.back());
        break;
    default:
        break;
    }
}

void TcxCustomFilterControl::FocusPrevious(bool wrap) {
    switch (focused_.HitTest) {
    case fhtButton:
        if (wrap) FocusPreviousRow(true);
        break;
    case fhtAddCondition:
        FocusPreviousRow(wrap);
        break;
    case fhtBoolOperator:
    case fhtItem:
        SetFocusedPart(fhtButton);
        break;
    case fhtOperator:
        SetFocusedPart(fhtItem);
        break;
    case fhtValue:
        if (focused_.ValueIndex > 0)
            SetFocusedPart(fhtValue, focused_.ValueIndex - 1);
        else
            SetFocusedPart(fhtOperator);
        break;
    case fhtAddValue:
        SetFocusedPart(fhtValue);
        break;
    default:
        break;
    }
}

void TcxCustomFilterControl::ActivatePart(TcxFilterControlHitTest kind, bool byMouse) {
    switch (kind) {
    case fhtButton: ShowRowMenu(); break;
    case fhtBoolOperator: ShowBoolOperatorList(); break;
    case fhtItem: ShowItemList(); break;
    case fhtOperator: ShowOperatorList(); break;
    case fhtValue: StartValueEditing(byMouse ? 1 : 0); break;
    case fhtAddCondition: AddCondition(nullptr); break;
    case fhtAddValue: AddValue(); break;
    default: break;
    }
}

// ---- keys ----

void TcxCustomFilterControl::KeyDown(std::uint16_t& key, TShiftState shift) {
    TcxControl::KeyDown(key, shift);
    const TShiftState mods = shift & (ssShift | ssAlt | ssCtrl);
    switch (key) {
    case VK_TAB:
        if (mods & ssCtrl) {
            if (TWinControl* parent = GetParent()) parent->SelectNext(this, !(mods & ssShift), true);
        } else if (mods == 0) {
            FocusNext(true);
        } else if (mods == ssShift) {
            FocusPrevious(true);
        }
        key = 0;
        break;
    case VK_LEFT: FocusPrevious(false); break;
    case VK_UP: FocusPreviousRow(false); break;
    case VK_RIGHT: FocusNext(false); break;
    case VK_DOWN: FocusNextRow(false); break;
    case VK_INSERT:
        if (mods == 0) AddCondition(focused_.Row);
        break;
    case VK_DELETE:
        if (mods & ssCtrl) RemoveFocused();
        break;
    default:
        break;
    }
}

void TcxCustomFilterControl::KeyPress(char32_t& key) {
    TcxControl::KeyPress(key);
    if (key == U'\r' || key == U' ')
        ActivatePart(focused_.HitTest, false);
    else if (key != 0 && key != 27 && focused_.HitTest == fhtValue)
        StartValueEditing(2, key);
}

// ---- mouse ----

void TcxCustomFilterControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TcxControl::MouseDown(button, shift, x, y);
    if (rejectedValue_ || !HasItems()) return;
    viewInfo_->HitTestAt(shift, {x, y}, hot_);
    if (hot_.HitTest == fhtNone || dropDownKind_ != fddNone || button != mbLeft) return;
    focused_ = hot_;
    MakeFocusedVisible();
    ActivatePart(focused_.HitTest, true);
}

namespace {
bool ChangesLookWhenHot(TcxFilterControlHitTest kind) {
    return kind == fhtButton || kind == fhtValue || kind == fhtAddCondition || kind == fhtAddValue;
}
} // namespace

void TcxCustomFilterControl::MouseMove(TShiftState shift, int x, int y) {
    TcxControl::MouseMove(shift, x, y);
    StartMouseTracking(this, GetControlBounds(), this);
    const TcxFilterControlHitInfo previous = hot_;
    viewInfo_->HitTestAt(shift, {x, y}, hot_);
    SetCursor(CanHotTrack() && hot_.HitTest != fhtNone ? crHandPoint : crDefault);
    const bool wasLook = ChangesLookWhenHot(previous.HitTest);
    const bool isLook = ChangesLookWhenHot(hot_.HitTest);
    if (!wasLook && !isLook) return;
    if (previous.Row != hot_.Row) {
        if (wasLook && previous.Row && IndexOfRow(previous.Row) >= 0) viewInfo_->InvalidateRow(previous.Row);
        if (isLook && hot_.Row) viewInfo_->InvalidateRow(hot_.Row);
        viewInfo_->UpdateAddConditionButton();
    } else if (previous.HitTest != hot_.HitTest || previous.ValueIndex != hot_.ValueIndex) {
        if (hot_.Row) viewInfo_->InvalidateRow(hot_.Row);
        viewInfo_->UpdateAddConditionButton();
    }
}

void TcxCustomFilterControl::MouseEntered(TControl* control) {
    TcxControl::MouseEntered(control);
    StartMouseTracking(this, GetControlBounds(), this);
}

void TcxCustomFilterControl::MouseExited(TControl* control) {
    TcxControl::MouseExited(control);
    StopMouseTracking(this);
    hot_ = {};
    Refresh();
}

void TcxCustomFilterControl::FocusStateChanged() {
    TcxControl::FocusStateChanged();
    TPoint p{};
    GetCursorPos(p);
    if (HandleAllocated()) viewInfo_->HitTestAt(0, ScreenToClient(p), hot_);
    Refresh();
}

// ---- the row menu and the drop-down lists ----

void TcxCustomFilterControl::ShowRowMenu() {
    if (!HasItems()) return;
    TMenuItem* items = rowMenu_->GetItems();
    const bool root = focused_.Row == root_.get();
    const bool removable = !root || root_->GetCount() > 0;
    items->GetItem(2)->Visible = removable;
    items->GetItem(3)->Visible = removable;
    items->GetItem(3)->Caption = ResolveResourceString(root ? cxSFilterClearAll : cxSFilterRemoveRow);
    const TRect& button = focused_.Row->GetButtonRect();
    const TPoint p = ClientToScreen({button.Left, button.Bottom});
    dropDownKind_ = fddRowMenu;
    TWeakLink<TcxCustomFilterControl> self(this);
    try {
        rowMenu_->Popup(p.X, p.Y);
    } catch (...) {
        if (self) dropDownKind_ = fddNone;
        throw;
    }
    if (self) dropDownKind_ = fddNone;
}

void TcxCustomFilterControl::RowMenuClick(TObject* sender) {
    dropDownKind_ = fddNone;
    switch (static_cast<TMenuItem*>(sender)->GetTag()) {
    case 0: AddCondition(focused_.Row); break;
    case 1: AddGroup(); break;
    case 3:
        if (focused_.Row == root_.get())
            Clear();
        else
            RemoveRow();
        break;
    default: break;
    }
}

void TcxCustomFilterControl::ShowComboAt(const TRect& r, const std::string& text) {
    const auto& items = comboBox_->GetProperties()->GetItems();
    comboBox_->SetVisible(true);
    comboBox_->SetBounds(r.Left, r.Top, std::max(r.Width(), 60), r.Height());
    comboBox_->GetProperties()->SetDropDownRows(std::min(static_cast<int>(items.size()), 12));
    comboBox_->SetEditValue(Variant(text));
    if (comboBox_->CanFocus()) comboBox_->SetFocus();
    comboBox_->SetDroppedDown(true);
}

void TcxCustomFilterControl::FillItemList() {
    IcxFilterControl* link = GetFilterLink();
    std::vector<std::pair<std::string, int>> entries;
    for (int i = 0; i < link->GetCount(); ++i) {
        TcxCustomEditProperties* properties = link->GetProperties(i);
        if (properties && (properties->GetCapabilities() & 8)) entries.emplace_back(link->GetCaption(i), i);
    }
    if (sortItems_) std::stable_sort(entries.begin(), entries.end());
    std::vector<std::string> texts;
    auto& codes = comboCodes_;
    codes.clear();
    for (auto& [text, index] : entries) {
        texts.push_back(text);
        codes.push_back(index);
    }
    comboBox_->GetProperties()->SetSorted(false);
    comboBox_->GetProperties()->SetItems(texts);
}

void TcxCustomFilterControl::FillOperatorList() {
    TcxConditionViewInfo* condition = FocusedCondition();
    TcxFilterControlOperators operators = condition->GetSupportedOperators();
    ValidateSupportedOperators(operators);
    std::vector<std::string> texts;
    auto& codes = comboCodes_;
    codes.clear();
    for (int code = 0; code <= fcoInFuture; ++code)
        if (operators & FilterOperatorBit(code)) {
            texts.push_back(GetFilterOperatorText(code));
            codes.push_back(code);
        }
    comboBox_->GetProperties()->SetSorted(false);
    comboBox_->GetProperties()->SetItems(texts);
}

void TcxCustomFilterControl::ShowBoolOperatorList() {
    if (!HasItems() || !focused_.Row->IsGroup()) return;
    dropDownKind_ = fddBoolOperatorList;
    comboBox_->GetStyle()->SetFont(GetFontBoolOperator());
    comboBox_->GetProperties()->SetSorted(false);
    std::vector<std::string> texts;
    for (int i = 0; i < 4; ++i) texts.push_back(GetBoolOperatorText(i));
    comboBox_->GetProperties()->SetItems(texts);
    comboCodes_ = {0, 1, 2, 3};
    auto* group = static_cast<TcxGroupViewInfo*>(focused_.Row);
    ShowComboAt(group->GetBoolOperatorRect(), group->GetBoolOperatorText());
}

void TcxCustomFilterControl::ShowOperatorList() {
    TcxConditionViewInfo* condition = FocusedCondition();
    if (!HasItems() || !condition) return;
    dropDownKind_ = fddOperatorList;
    comboBox_->GetStyle()->SetFont(GetFontCondition());
    FillOperatorList();
    ShowComboAt(condition->GetOperatorRect(), condition->GetOperatorText());
}

void TcxCustomFilterControl::ShowItemList() {
    TcxConditionViewInfo* condition = FocusedCondition();
    if (!HasItems() || !condition) return;
    comboBox_->GetStyle()->SetFont(GetFontItem());
    dropDownKind_ = fddItemList;
    FillItemList();
    ShowComboAt(condition->GetItemRect(), condition->GetItemText());
}

void TcxCustomFilterControl::ComboCloseUp() {
    const auto& codes = comboCodes_;
    const auto& items = comboBox_->GetProperties()->GetItems();
    const std::string chosen = VarToStr(comboBox_->GetEditValue());
    auto it = std::find(items.begin(), items.end(), chosen);
    if (it == items.end()) return;
    const int code = codes[static_cast<size_t>(it - items.begin())];
    TcxConditionViewInfo* condition = FocusedCondition();
    bool changed = false;
    switch (dropDownKind_) {
    case fddItemList:
        if (condition && code != condition->GetItemIndex()) {
            condition->SetItemIndex(code);
            focused_.HitTest = fhtOperator;
            if ((condition->GetSupportedOperators() & FilterOperatorBit(fcoLike)) && condition->GetValueType() &&
                condition->GetValueType()->IsStringType())
                condition->Operator = fcoLike;
            condition->AdjustValues(true);
            changed = true;
        }
        break;
    case fddBoolOperatorList:
        if (focused_.Row->IsGroup() && static_cast<TcxGroupViewInfo*>(focused_.Row)->BoolOperator != code) {
            static_cast<TcxGroupViewInfo*>(focused_.Row)->BoolOperator = static_cast<std::uint8_t>(code);
            changed = true;
        }
        break;
    case fddOperatorList:
        if (condition && condition->Operator != code) {
            condition->Operator = TcxFilterControlOperator(code);
            condition->AdjustValues(true);
            if (condition->HasValues()) {
                focused_.HitTest = fhtValue;
                focused_.ValueIndex = 0;
            }
            changed = true;
        }
        break;
    default:
        break;
    }
    if (!changed) return;
    comboBox_->SetVisible(false);
    dropDownKind_ = fddNone;
    viewInfo_->Calculate();
    MakeFocusedVisible();
    if (CanFocus()) SetFocus();
}

void TcxCustomFilterControl::ComboExit() {
    comboBox_->SetVisible(false);
    dropDownKind_ = fddNone;
}

// ---- value editing ----

void TcxCustomFilterControl::PrepareValueEditor() {
    TcxConditionViewInfo* condition = FocusedCondition();
    dropDownKind_ = fddValueEditor;
    valueEditor_ = AcquireFilterEditor(condition->GetEditorHelper(), condition->GetItemProperties(), editList_.get());
    if (!valueEditor_) {
        dropDownKind_ = fddNone;
        return;
    }
    TcxValueInfo* value = condition->GetValues()->GetValue(focused_.ValueIndex);
    FilterEditHelper(condition->GetEditorHelper())
        ->PutFilterValue(valueEditor_, condition->GetItemProperties(), value->Value);
    if (auto* text = dynamic_cast<TcxCustomTextEditProperties*>(valueEditor_->GetProperties()))
        if (condition->Operator == fcoLike || condition->Operator == fcoNotLike) {
            text->ExtraAcceptedChars.set(static_cast<unsigned char>(criteria_->GetUnderscoreWildcard()));
            text->ExtraAcceptedChars.set(static_cast<unsigned char>(criteria_->GetPercentWildcard()));
        }
    valueEditor_->SetParent(this);
    valueEditor_->GetStyle()->Assign(valueEditStyle_.get());
    valueEditor_->GetStyle()->SetColor(clWindow);
    const TRect& r = value->ValueRect;
    valueEditor_->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    valueEditor_->OnExit = [this](TObject*) { EditorExit(); };
    valueEditor_->OnKeyDown = [this](TObject*, std::uint16_t& key, TShiftState shift) { EditorKeyDown(key, shift); };
}

void TcxCustomFilterControl::StartValueEditing(int activation, char32_t key) {
    TcxConditionViewInfo* condition = FocusedCondition();
    if (!HasItems() || !condition || focused_.ValueIndex < 0 ||
        focused_.ValueIndex >= condition->GetValues()->GetCount())
        return;
    MakeFocusedVisible();
    PrepareValueEditor();
    if (!valueEditor_) return;
    valueEditor_->SendToBack();
    if (activation == 2)
        valueEditor_->ActivateInplace(key, condition->EditData());
    else if (activation == 1)
        valueEditor_->ActivateByMouse(focused_.Shift, focused_.Point.X, focused_.Point.Y, condition->EditData());
    else
        valueEditor_->AttachEditData(condition->EditData());
}

void TcxCustomFilterControl::EndValueEditing(bool accept) {
    rejectedValue_ = false;
    dropDownKind_ = fddNone;
    if (!valueEditor_) return;
    TcxConditionViewInfo* condition = FocusedCondition();
    if (accept && condition) {
        if (!valueEditor_->FinishEditing()) return;
        std::string text;
        Variant value;
        FilterEditHelper(condition->GetEditorHelper())
            ->GetFilterValueText(valueEditor_, condition->GetItemProperties(), text, value);
        try {
            ValidateFilterValue(valueEditor_, value, condition->Operator, condition->GetEditorHelper(),
                                condition->GetValueType());
        } catch (...) {
            rejectedValue_ = true;
            dropDownKind_ = fddValueEditor;
            throw;
        }
        if (TcxValueInfo* info = focused_.ValueIndex >= 0 && focused_.ValueIndex < condition->GetValues()->GetCount()
                                     ? condition->GetValues()->GetValue(focused_.ValueIndex)
                                     : nullptr) {
            info->Value = value;
            info->ValueText = text;
        }
    }
    TcxCustomEdit* editor = valueEditor_;
    valueEditor_ = nullptr;
    editor->OnExit = nullptr;
    editor->OnKeyDown = nullptr;
    editor->SetParent(nullptr);
    MakeFocusedVisible();
}

void TcxCustomFilterControl::EditorKeyDown(std::uint16_t& key, TShiftState shift) {
    const TShiftState mods = shift & (ssShift | ssAlt | ssCtrl);
    TcxCustomEdit* editor = valueEditor_;
    auto endAccepting = [&] {
        try {
            EndValueEditing(true);
        } catch (...) {
            if (editor && editor->CanFocus()) editor->SetFocus();
            throw;
        }
        if (CanFocus()) SetFocus();
    };
    switch (key) {
    case VK_TAB:
        if (!wantTabs_) return;
        key = 0;
        endAccepting();
        if (mods & ssShift)
            FocusPrevious(true);
        else
            FocusNext(true);
        break;
    case VK_RETURN:
        key = 0;
        endAccepting();
        break;
    case VK_ESCAPE:
        key = 0;
        EndValueEditing(false);
        if (CanFocus()) SetFocus();
        break;
    case VK_DELETE:
        if (mods != ssCtrl) return;
        key = 0;
        EndValueEditing(false);
        if (CanFocus()) SetFocus();
        RemoveFocused();
        break;
    case VK_UP:
    case VK_DOWN: {
        std::uint16_t moved = key;
        key = 0;
        endAccepting();
        KeyDown(moved, shift);
        break;
    }
    default:
        break;
    }
}

void TcxCustomFilterControl::EditorExit() {
    if (!valueEditor_) return;
    TcxCustomEdit* editor = valueEditor_;
    try {
        EndValueEditing(true);
    } catch (...) {
        if (editor->CanFocus()) editor->SetFocus();
        throw;
    }
    Refresh();
}

// ---- scrolling ----

void TcxCustomFilterControl::ComputeScrollBarParams() {
    const int rowHeight = viewInfo_->GetRowHeight();
    if (rowHeight == 0) return;
    const TRect content = GetContentBounds();
    SetScrollBarInfo(sbVertical, 0, GetRowCount() - 1, 1, content.Height() / rowHeight - 1, topRow_, true, true);
    SetScrollBarInfo(sbHorizontal, 0, viewInfo_->GetMaxRowWidth(), 1, content.Width(), leftOffset_, true, true);
}

void TcxCustomFilterControl::ScrollContent(TScrollBarKind kind, TScrollCode code, int& pos) {
    if (kind == sbVertical) {
        const int page = std::max(1, GetContentBounds().Height() / std::max(1, viewInfo_->GetRowHeight()) - 1);
        switch (code) {
        case scLineUp: SetTopRow(topRow_ - 1); break;
        case scLineDown: SetTopRow(topRow_ + 1); break;
        case scPageUp: SetTopRow(topRow_ - page); break;
        case scPageDown: SetTopRow(topRow_ + page); break;
        case scTrack: SetTopRow(pos); break;
        default: break;
        }
        pos = topRow_;
    } else {
        const int page = GetContentBounds().Width();
        switch (code) {
        case scLineUp: SetLeftOffset(leftOffset_ - 8); break;
        case scLineDown: SetLeftOffset(leftOffset_ + 8); break;
        case scPageUp: SetLeftOffset(leftOffset_ - page); break;
        case scPageDown: SetLeftOffset(leftOffset_ + page); break;
        case scTrack: SetLeftOffset(pos); break;
        default: break;
        }
        pos = leftOffset_;
    }
}

void TcxCustomFilterControl::SetTopRow(int value) {
    const int rowHeight = std::max(1, viewInfo_->GetRowHeight());
    value = std::max(0, std::min(value, GetRowCount() - GetContentBounds().Height() / rowHeight + 1));
    if (value == topRow_) return;
    topRow_ = value;
    Refresh();
}

void TcxCustomFilterControl::SetLeftOffset(int value) {
    value = std::max(0, std::min(value, viewInfo_->GetMaxRowWidth() - GetContentBounds().Width() + 1));
    if (value == leftOffset_) return;
    leftOffset_ = value;
    Refresh();
}

void TcxCustomFilterControl::AdjustTopRow() {
    const int rowHeight = viewInfo_->GetRowHeight();
    while (topRow_ > 0 && GetContentBounds().Bottom - viewInfo_->GetAddConditionRect().Bottom >= rowHeight + 2) {
        --topRow_;
        viewInfo_->Calculate();
    }
}

void TcxCustomFilterControl::AdjustLeftOffset() {
    if (leftOffset_ <= 0) return;
    const int excess = GetContentBounds().Right + leftOffset_ - viewInfo_->GetMaxRowWidth() - 2;
    if (excess <= 0) return;
    leftOffset_ = std::max(0, leftOffset_ - excess);
    viewInfo_->Calculate();
}

void TcxCustomFilterControl::LayoutChanged() {
    viewInfo_->Calculate();
    AdjustTopRow();
    AdjustLeftOffset();
    RecalculateScrollBars();
    Invalidate();
}

void TcxCustomFilterControl::MakeFocusedVisible() {
    const TRect content = GetContentBounds();
    const int rowHeight = viewInfo_->GetRowHeight();
    const int index = IndexOfRow(focused_.Row);
    if (index >= 0 && index < topRow_) {
        topRow_ = index;
    } else if (rowHeight > 0) {
        int bottom = focused_.HitTest == fhtAddCondition ? viewInfo_->GetAddConditionRect().Bottom
                                                          : (focused_.Row ? focused_.Row->GetRowRect().Bottom : 0);
        while (content.Bottom < bottom && topRow_ < GetRowCount()) {
            ++topRow_;
            bottom -= rowHeight;
        }
    }
    viewInfo_->Calculate();
    TRect part{};
    TcxConditionViewInfo* condition = FocusedCondition();
    switch (focused_.HitTest) {
    case fhtButton:
        part = focused_.Row->GetButtonRect();
        if (focused_.Row == root_.get()) part.Left -= 4;
        break;
    case fhtBoolOperator:
        if (focused_.Row->IsGroup()) part = static_cast<TcxGroupViewInfo*>(focused_.Row)->GetBoolOperatorRect();
        break;
    case fhtItem:
        if (condition) part = condition->GetItemRect();
        break;
    case fhtOperator:
        if (condition) part = condition->GetOperatorRect();
        break;
    case fhtValue:
        if (condition && focused_.ValueIndex >= 0 && focused_.ValueIndex < condition->GetValues()->GetCount())
            part = condition->GetValues()->GetValue(focused_.ValueIndex)->ValueRect;
        break;
    case fhtAddValue:
        if (condition) part = condition->GetValues()->GetAddButtonRect();
        break;
    case fhtAddCondition:
        part = viewInfo_->GetAddConditionRect();
        break;
    default:
        break;
    }
    if (!IsRectEmpty(part)) {
        int shift = 0;
        if (part.Right >= content.Right) shift = part.Right - (content.Right - 2);
        if (part.Left - shift < content.Left) shift = part.Left - content.Left;
        leftOffset_ = std::max(0, leftOffset_ + shift);
    }
    viewInfo_->Calculate();
    RecalculateScrollBars();
    Invalidate();
}

} // namespace zorvy
