// The filter control's rows: building a condition from a criteria item or on the default item,
// fitting values to the operator, and each row's layout and hit test.
#include "controls/grid/filtercontrol/FilterControlRows.h"

#include "controls/data/FilterCriteria.h"
#include "controls/editors/framework/Edit.h"
#include "controls/editors/framework/EditProperties.h"
#include "controls/editors/framework/EditStyle.h"
#include "controls/editors/framework/EditViewData.h"
#include "controls/editors/framework/EditViewInfo.h"
#include "controls/editors/framework/InplaceEditList.h"
#include "controls/editors/text/TextEditUnit.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/grid/filtercontrol/FilterControl.h"
#include "controls/grid/filtercontrol/FilterControlTexts.h"
#include "controls/grid/filtercontrol/FilterControlViewInfo.h"

#include <algorithm>

namespace zorvy {

namespace {

TSize TextSize(TcxCustomFilterControl* control, TFont* font, const std::string& text) {
    TcxCanvas* canvas = control->GetActiveCanvas();
    canvas->AssignFont(font);
    TSize size{};
    canvas->MeasureTextExtentSize(text, size);
    return size;
}

bool IsRangeOperator(int code) {
    return code == fcoBetween || code == fcoNotBetween;
}
bool IsListOperator(int code) {
    return code == fcoInList || code == fcoNotInList;
}

} // namespace

// ---- the row base ----

TcxCustomRowViewInfo::TcxCustomRowViewInfo(TcxCustomFilterControl* control, TcxCustomFilterCriteriaItem* criteriaItem,
                                           TcxGroupViewInfo* parent)
    : control_(control), criteriaItem_(criteriaItem), parent_(parent) {
    if (parent_) parent_->rows_.push_back(this);
}

TcxCustomRowViewInfo::~TcxCustomRowViewInfo() {
    if (!parent_) return;
    auto& siblings = parent_->rows_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
}

bool TcxCustomRowViewInfo::IsLast() const {
    return !parent_ || parent_->GetRow(parent_->GetCount() - 1) == this;
}

int TcxCustomRowViewInfo::ButtonWidth() const {
    if (!parent_) return TextSize(control_, control_->GetFont(), buttonText_ + "00").cx;
    return TextSize(control_, control_->GetFont(), "0").cx * static_cast<int>(buttonText_.size());
}

int TcxCustomRowViewInfo::MeasureWidth() const {
    return ButtonWidth() + indent_ + 5;
}

TRect TcxCustomRowViewInfo::CenteredPart(int left, int width, int height) const {
    const int top = rowRect_.Top + (rowRect_.Height() - height) / 2;
    return Rect(left, top, left + width, top + height);
}

TRect TcxCustomRowViewInfo::TextPart(int left, const std::string& text, TFont* font) const {
    const TSize size = TextSize(control_, font, text);
    return CenteredPart(left, size.cx + 2, size.cy + 2);
}

void TcxCustomRowViewInfo::Calculate(const TRect& rowRect) {
    TcxFilterControlViewInfo* viewInfo = control_->GetViewInfo();
    rowRect_ = rowRect;
    level_ = 0;
    for (TcxGroupViewInfo* p = parent_; p; p = p->GetParent()) ++level_;
    indent_ = viewInfo->GetRowHeight() * level_;
    buttonText_ = parent_ ? "..." : ResolveResourceString(cxSFilterRootButtonCaption);
    buttonRect_ = CenteredPart(rowRect.Left + indent_ + 4, ButtonWidth(), viewInfo->GetRowHeight() - 4);
    buttonState_ = viewInfo->ButtonStateFor(this, fhtButton);
}

void TcxCustomRowViewInfo::HitTestAt(TPoint p, TcxFilterControlHitInfo& info) {
    if (PtInRect(buttonRect_, p)) info.HitTest = fhtButton;
}

// ---- groups ----

TcxGroupViewInfo::TcxGroupViewInfo(TcxCustomFilterControl* control, TcxCustomFilterCriteriaItem* criteriaItem,
                                   TcxGroupViewInfo* parent)
    : TcxCustomRowViewInfo(control, criteriaItem, parent) {
    if (criteriaItem && criteriaItem->IsItemList())
        BoolOperator = static_cast<TcxFilterCriteriaItemList*>(criteriaItem)->GetBoolOperatorKind();
    caption_ = control->GetGroupCaption();
}

TcxGroupViewInfo::~TcxGroupViewInfo() {
    ClearRows();
}

void TcxGroupViewInfo::ClearRows() {
    while (!rows_.empty()) delete rows_.back();
}

int TcxGroupViewInfo::IndexOf(const TcxCustomRowViewInfo* row) const {
    auto it = std::find(rows_.begin(), rows_.end(), row);
    return it == rows_.end() ? -1 : static_cast<int>(it - rows_.begin());
}

void TcxGroupViewInfo::Calculate(const TRect& rowRect) {
    TcxCustomRowViewInfo::Calculate(rowRect);
    TcxCustomFilterControl* control = GetControl();
    if (!GetParent()) caption_ = control->GetRootCaption();
    boolOperatorText_ = control->GetBoolOperatorText(BoolOperator);
    boolOperatorRect_ = TextPart(GetButtonRect().Right + 8, boolOperatorText_, control->GetFontBoolOperator());
    captionRect_ = TextPart(boolOperatorRect_.Right + 8, caption_, control->GetFont());
}

int TcxGroupViewInfo::MeasureWidth() const {
    return TcxCustomRowViewInfo::MeasureWidth() + boolOperatorRect_.Width() + captionRect_.Width() + 16;
}

void TcxGroupViewInfo::HitTestAt(TPoint p, TcxFilterControlHitInfo& info) {
    TcxCustomRowViewInfo::HitTestAt(p, info);
    if (info.HitTest == fhtNone && PtInRect(boolOperatorRect_, p)) info.HitTest = fhtBoolOperator;
}

// ---- values ----

TcxValueInfo::TcxValueInfo() = default;
TcxValueInfo::~TcxValueInfo() = default;

TcxValueInfo* TcxValuesViewInfo::AddValue() {
    values_.push_back(std::make_unique<TcxValueInfo>());
    return values_.back().get();
}

void TcxValuesViewInfo::DeleteValue(int index) {
    if (index >= 0 && index < GetCount()) values_.erase(values_.begin() + index);
}

void TcxValuesViewInfo::Truncate(int count) {
    if (GetCount() > count) values_.resize(static_cast<size_t>(count));
}

void TcxValuesViewInfo::Calculate() {
    TcxConditionViewInfo* condition = condition_;
    addButtonRect_ = {};
    if (!condition->HasValues()) {
        for (auto& value : values_) value->ValueRect = {};
        return;
    }
    TcxCustomFilterControl* control = condition->GetControl();
    TcxFilterControlViewInfo* viewInfo = control->GetViewInfo();
    TFont* valueFont = control->GetFontValue();
    const int code = condition->Operator;
    int x = condition->GetOperatorRect().Right + 8;
    separator_.clear();
    if (IsRangeOperator(code)) separator_ = ResolveResourceString(cxSFilterAndCaption);
    if (IsListOperator(code)) {
        x += TextSize(control, valueFont, "(").cx;
        separator_ = ", ";
    }
    const TcxFilterControlHitInfo& hot = control->GetHotInfo();
    const TcxFilterControlHitInfo& focused = control->GetFocusedInfo();
    const bool canHotTrack = control->CanHotTrack();
    const bool hasFocus = control->IsFocusedOrEditing();
    TcxCustomEditStyle* style = control->GetValueEditStyle();
    TcxCanvas* canvas = control->GetActiveCanvas();
    const auto* helper = FilterEditHelper(condition->GetEditorHelper());
    for (int i = 0; i < GetCount(); ++i) {
        TcxValueInfo* info = GetValue(i);
        TcxCustomEditProperties* properties;
        Variant value;
        if (VarIsNull(info->Value)) {
            properties = control->GetDefaultProperties();
            value = Variant(control->GetNullString());
        } else {
            properties = condition->GetEditorProperties();
            value = helper->FiltersByDisplayText() ? Variant(info->ValueText) : info->Value;
        }
        const bool active =
            canHotTrack && ((hot.HitTest == fhtValue && hot.Row == condition && hot.ValueIndex == i &&
                             control->GetDropDownKind() == fddNone) ||
                            (hasFocus && focused.HitTest == fhtValue && focused.Row == condition &&
                             focused.ValueIndex == i));
        IcxEditDefaultValuesProvider* provider = properties->GetDefaultValuesProvider();
        const bool locked = properties->IsChangeLocked();
        properties->SuppressChanged(true);
        properties->AttachDefaultValuesProvider(nullptr);
        style->SetTextColor(viewInfo->GetEnabled() ? valueFont->GetColor() : clBtnShadow);
        style->SetButtonTransparency(active ? ebtNone : ebtHideInactive);
        style->SetColor(active ? clWindow : control->GetColor());
        std::unique_ptr<TcxCustomEditViewData> viewData(properties->MakeViewData(style, true));
        viewData->Enabled = viewInfo->GetEnabled();
        info->ViewInfo.reset(properties->CreateViewInfo());
        TSize size{};
        viewData->MeasureEditorSize(canvas, value, TcxEditSizeProperties{}, info->ViewInfo.get(), size);
        int width = size.cx;
        if (active) width = std::max(width, viewInfo->GetMinValueWidth());
        const int top = condition->GetRowRect().Top + (condition->GetRowRect().Height() - size.cy) / 2;
        info->ValueRect = Rect(x, top, x + width, top + size.cy);
        viewData->FillViewInfo(canvas, info->ValueRect, {-1, -1}, 0, 0, info->ViewInfo.get(), false);
        viewData->FillEditorViewInfo(value, info->ViewInfo.get());
        properties->AttachDefaultValuesProvider(provider);
        properties->SuppressChanged(locked);
        x += width + (code >= fcoBetween && code <= fcoNotInList ? TextSize(control, valueFont, separator_).cx + 8 : 4);
    }
    if (IsListOperator(code) && GetCount() > 0) {
        const int left = GetValue(GetCount() - 1)->ValueRect.Right + TextSize(control, valueFont, ")0").cx;
        const int height = viewInfo->GetRowHeight() - 4;
        const int top = condition->GetRowRect().Top + (condition->GetRowRect().Height() - height) / 2;
        addButtonRect_ = Rect(left, top, left + TextSize(control, valueFont, "000").cx, top + height);
        addButtonState_ = viewInfo->ButtonStateFor(condition, fhtAddValue);
    }
}

void TcxValuesViewInfo::HitTestAt(TPoint p, TcxFilterControlHitInfo& info) {
    if (PtInRect(addButtonRect_, p)) {
        info.HitTest = fhtAddValue;
        return;
    }
    for (int i = 0; i < GetCount(); ++i)
        if (PtInRect(GetValue(i)->ValueRect, p)) {
            info.HitTest = fhtValue;
            info.ValueIndex = i;
            return;
        }
}

// ---- conditions ----

TcxConditionViewInfo::TcxConditionViewInfo(TcxCustomFilterControl* control, TcxFilterCriteriaItem* criteriaItem,
                                           TcxGroupViewInfo* parent)
    : TcxCustomRowViewInfo(control, criteriaItem, parent) {
    if (!criteriaItem) {
        SetItemIndex(-1);
        return;
    }
    IcxFilterControl* link = control->GetFilterLink();
    itemLink_ = criteriaItem->GetItemLink();
    const int count = control->HasItems() ? link->GetCount() : 0;
    itemIndex_ = -1;
    for (int i = 0; i < count && itemIndex_ < 0; ++i)
        if (link->GetItemLink(i) == itemLink_) itemIndex_ = i;
    if (itemIndex_ < 0) RaiseFilterControlError(ResolveResourceString(cxSFilterErrorBuilding));
    itemText_ = link->GetCaption(itemIndex_);
    Operator = CriteriaOperatorToControlOperator(criteriaItem->GetOperatorKind(),
                                                 criteriaItem->IsNullValue(criteriaItem->GetValue()));
    SetOperatorTextFromCode();
    const Variant& value = criteriaItem->GetValue();
    if (Operator >= fcoBetween && Operator <= fcoNotInList) {
        if (VarIsArray(value)) {
            const std::string& display = criteriaItem->GetDisplayValue();
            int position = 1;
            for (int i = VarArrayLowBound(value, 1); i <= VarArrayHighBound(value, 1); ++i) {
                TcxValueInfo* info = values_.AddValue();
                info->Value = value.Array()->At({i});
                info->ValueText = ExtractSemicolonItem(display, position);
            }
        } else if (!value.IsNull() && !value.IsEmpty()) {
            // A file may hold a single value where a range or list is due: keep it rather than
            // drop it.
            TcxValueInfo* info = values_.AddValue();
            info->Value = value;
            info->ValueText = criteriaItem->GetDisplayValue();
        }
    } else {
        TcxValueInfo* info = values_.AddValue();
        info->Value = value;
        info->ValueText = criteriaItem->GetDisplayValue();
    }
    InitEditorData();
}

TcxConditionViewInfo::~TcxConditionViewInfo() {
    delete editData_;
}

bool TcxConditionViewInfo::HasValues() const {
    return Operator != fcoBlanks && Operator != fcoNonBlanks && Operator < fcoYesterday;
}

void TcxConditionViewInfo::SetOperatorTextFromCode() {
    operatorText_ = GetFilterOperatorText(Operator);
}

TcxCustomEditProperties* TcxConditionViewInfo::GetItemProperties() const {
    TcxCustomFilterControl* control = GetControl();
    if (control->HasItems() && itemIndex_ >= 0 && itemIndex_ < control->GetFilterLink()->GetCount())
        if (TcxCustomEditProperties* properties = control->GetFilterLink()->GetProperties(itemIndex_))
            return properties;
    return control->GetDefaultProperties();
}

void TcxConditionViewInfo::InitEditorData() {
    delete editData_;
    editData_ = nullptr;
    editorProperties_.reset();
    TcxCustomEditProperties* source = GetItemProperties();
    editorHelper_ = GetFilterEditHelperRegistry()->LookupHelperClass(source->ClassType());
    if (!editorHelper_) editorHelper_ = TcxFilterTextEditHelper::StaticClass();
    const auto* helper = FilterEditHelper(editorHelper_);
    const TMetaClass* propertiesClass = helper->GetEditorClassForFilter(source, nullptr);
    if (!propertiesClass) propertiesClass = source->ClassType();
    editorProperties_.reset(CreateInstance<TcxCustomEditProperties>(propertiesClass, nullptr));
    helper->PrepareFilterProperties(editorProperties_.get(), source, true);
    TcxCustomFilterControl* control = GetControl();
    valueType_ = control->HasItems() && itemIndex_ >= 0 ? control->GetFilterLink()->GetValueType(itemIndex_) : nullptr;
    supportedOperators_ = helper->GetAllowedOperators(source, valueType_, true);
    control->ValidateSupportedOperators(supportedOperators_);
}

void TcxConditionViewInfo::SetItemIndex(int index) {
    if (index >= 0 && index == itemIndex_) return;
    TcxCustomFilterControl* control = GetControl();
    if (!control->HasItems()) return;
    IcxFilterControl* link = control->GetFilterLink();
    if (index < 0) {
        index = 0;
        if (control->GetSortItems()) {
            std::string first = link->GetCaption(0);
            for (int i = 1; i < link->GetCount(); ++i)
                if (link->GetCaption(i) < first) {
                    first = link->GetCaption(i);
                    index = i;
                }
        }
    }
    itemIndex_ = index;
    itemLink_ = link->GetItemLink(index);
    itemText_ = link->GetCaption(index);
    InitEditorData();
    Operator = fcoNone;
    if (supportedOperators_ & FilterOperatorBit(fcoLike))
        Operator = fcoLike;
    else
        for (int code = 0; code <= fcoInFuture; ++code)
            if (supportedOperators_ & FilterOperatorBit(code)) {
                Operator = TcxFilterControlOperator(code);
                break;
            }
    SetOperatorTextFromCode();
    AdjustValues(false);
    values_.Calculate();
    if (control->GetValueEditor()) control->GetEditList()->RemoveEditor(control->GetValueEditor()->GetProperties());
}

void TcxConditionViewInfo::AdjustValues(bool keep) {
    SetOperatorTextFromCode();
    if (keep && HasValues()) {
        if (IsRangeOperator(Operator)) {
            values_.Truncate(2);
            while (values_.GetCount() < 2) values_.AddValue();
        } else if (!IsListOperator(Operator)) {
            values_.Truncate(1);
        }
        if (values_.GetCount() == 0) values_.AddValue();
        return;
    }
    values_.Clear();
    values_.AddValue();
    if (IsRangeOperator(Operator)) values_.AddValue();
}

void TcxConditionViewInfo::Calculate(const TRect& rowRect) {
    TcxCustomRowViewInfo::Calculate(rowRect);
    TcxCustomFilterControl* control = GetControl();
    itemRect_ = TextPart(GetButtonRect().Right + 8, itemText_, control->GetFontItem());
    operatorRect_ = TextPart(itemRect_.Right + 8, operatorText_, control->GetFontCondition());
    values_.Calculate();
}

int TcxConditionViewInfo::MeasureWidth() const {
    int valuesWidth = 0;
    if (HasValues() && values_.GetCount() > 0) {
        const int right = IsListOperator(Operator) ? values_.GetAddButtonRect().Right
                                                   : values_.GetValue(values_.GetCount() - 1)->ValueRect.Right;
        valuesWidth = right - operatorRect_.Right;
    }
    return TcxCustomRowViewInfo::MeasureWidth() + itemRect_.Width() + operatorRect_.Width() + valuesWidth + 16;
}

void TcxConditionViewInfo::HitTestAt(TPoint p, TcxFilterControlHitInfo& info) {
    TcxCustomRowViewInfo::HitTestAt(p, info);
    if (info.HitTest != fhtNone) return;
    if (PtInRect(itemRect_, p))
        info.HitTest = fhtItem;
    else if (PtInRect(operatorRect_, p))
        info.HitTest = fhtOperator;
    else if (HasValues())
        values_.HitTestAt(p, info);
}

} // namespace zorvy
