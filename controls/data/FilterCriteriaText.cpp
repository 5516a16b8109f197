// The display and expression texts of filter criteria.
#include "controls/data/DataResources.h"
#include "controls/data/FilterCriteria.h"

namespace zorvy {

namespace {

std::string GroupText(const TcxFilterCriteria& criteria, const TcxFilterCriteriaItemList& group,
                      bool forDisplay) {
    TcxFilterGroupOperator op = group.GetBoolOperatorKind();
    std::string word;
    if (op == goOr || op == goNotOr)
        word = forDisplay ? GetDataResourceText(cxSFilterOrCaption) : "OR";
    else
        word = forDisplay ? GetDataResourceText(cxSFilterAndCaption) : "AND";
    std::string text;
    for (int i = 0; i < group.GetCount(); ++i) {
        const TcxCustomFilterCriteriaItem* child = group.GetItem(i);
        if (i > 0) text += " " + word + " ";
        text += "(";
        text += child->IsItemList()
                    ? GroupText(criteria, *static_cast<const TcxFilterCriteriaItemList*>(child), forDisplay)
                    : criteria.GetItemText(static_cast<const TcxFilterCriteriaItem*>(child), forDisplay);
        text += ")";
    }
    if (op == goNotAnd || op == goNotOr)
        text = (forDisplay ? GetDataResourceText(cxSFilterNotCaption) : "NOT") + " (" + text + ")";
    return text;
}

} // namespace

std::string TcxFilterCriteria::BuildFilterText(bool forDisplay) const {
    return GroupText(*this, *root_, forDisplay);
}

std::string TcxFilterCriteria::GetItemText(const TcxFilterCriteriaItem* item, bool forDisplay) const {
    if (!forDisplay && item->GetOperator()->WritesWholeCondition()) {
        std::string text;
        item->GetOperator()->WriteConditionExpression(item->GetValue(), text);
        return text;
    }
    std::string text = GetItemFieldText(item, forDisplay) + " " + GetItemOperatorText(item, forDisplay);
    std::string value = GetItemValueText(item, forDisplay);
    if (!value.empty()) text += " " + value;
    return text;
}

std::string TcxFilterCriteria::GetItemFieldText(const TcxFilterCriteriaItem* item, bool forDisplay) const {
    return forDisplay ? item->GetFieldCaption() : item->GetFieldName();
}

std::string TcxFilterCriteria::GetItemOperatorText(const TcxFilterCriteriaItem* item, bool forDisplay) const {
    const TcxFilterOperator* op = item->GetOperator();
    if (forDisplay && (op->AlwaysShowsCaption() || HasOption(fcoShowOperatorDescription)))
        return op->GetCaption();
    return op->GetSymbol();
}

std::string TcxFilterCriteria::GetItemValueText(const TcxFilterCriteriaItem* item, bool forDisplay) const {
    return item->GetValueText(forDisplay);
}

void TcxFilterCriteria::ValueToDisplayText(const Variant& value, std::string& text) const {
    text = VarToStr(value);
}

void TcxFilterCriteria::ValueToFilterText(const Variant& value, std::string& text) const {
    if (!dateTimeFormat_.empty())
        text = FormatDateTime(dateTimeFormat_, value.AsDateTime());
    else
        text = VarToStr(value);
}

} // namespace zorvy
