// Copying records to the clipboard and the filter part of a table view's stored layout.
#include "controls/data/DataController.h"
#include "controls/grid/common/StoredValues.h"
#include "controls/grid/table/TableView.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Streams.h"
#include "platform/win/SystemInfo.h"

namespace zorvy {

// ---- clipboard ----

std::vector<TcxCustomGridTableItem*> TcxCustomGridTableView::GetCopyToClipboardItems(bool) const {
    std::vector<TcxCustomGridTableItem*> list;
    for (int i = 0; i < GetVisibleItemCount(); ++i) list.push_back(GetVisibleItem(i));
    return list;
}

std::string TcxCustomGridTableView::GetRecordsText(bool copyAll) {
    const std::vector<TcxCustomGridTableItem*> items = GetCopyToClipboardItems(copyAll);
    std::string text;
    if (GetOptionsBehavior()->GetCopyCaptionsToClipboard()) {
        for (TcxCustomGridTableItem* item : items) text += item->GetAlternateCaptionText() + '\t';
        if (!items.empty()) text.pop_back();
        text += "\r\n";
    }
    TcxCustomDataController* dataController = GetDataController();
    const int groupingLevels = dataController->GetGroupingItemCount();
    // Every row after the first starts a line, so short or empty rows keep theirs; the caption
    // line ends with its own CR LF.
    bool firstRow = true;
    dataController->ForEachRow(!copyAll, [&](int, const TcxDataRowInfo& rowInfo) {
        if (!firstRow) text += "\r\n";
        firstRow = false;
        for (size_t i = 0; i < items.size(); ++i) {
            int itemIndex = items[i]->GetIndex();
            text += dataController->GetRowDisplayText(rowInfo, itemIndex);
            text += '\t';
            if (rowInfo.Level < groupingLevels) break;
        }
        if (!items.empty()) text.pop_back();
    });
    return text;
}

void TcxCustomGridTableView::CopyRecordsToClipboard(bool copyAll) {
    SetClipboardText(GetRecordsText(copyAll));
}

// ---- stored layout ----

bool TcxCustomGridTableView::GetStoredProperties(TStrings* properties) {
    properties->Add("FilterActive");
    properties->Add("Filter");
    if (filtering_->GetMRUItemsList())
        for (int i = filtering_->GetMRUItems()->GetCount() - 1; i >= 0; --i)
            properties->Add("FilterMRUItem" + std::to_string(i));
    return TcxCustomGridView::GetStoredProperties(properties);
}

namespace {

constexpr char FilterMRUItemPrefix[] = "FilterMRUItem";

std::string CriteriaToStoredText(TcxFilterCriteria& criteria) {
    TMemoryStream stream;
    criteria.SaveToStream(stream);
    std::string text;
    StreamToHexText(&stream, text);
    return text;
}

// Texts shorter than 6 characters hold no bytes; the first 4 ("Hex:") are skipped as they are.
void StoredTextToStream(const std::string& text, TMemoryStream& stream) {
    if (text.size() < 6) return;
    const std::vector<std::uint8_t> bytes = HexDigitsToBytes(text.substr(4), 5);
    if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
}

bool IsFilterMRUItemName(const std::string& name, int& index) {
    const size_t prefix = sizeof(FilterMRUItemPrefix) - 1;
    if (name.compare(0, prefix, FilterMRUItemPrefix) != 0 || name.size() == prefix) return false;
    for (size_t i = prefix; i < name.size(); ++i)
        if (name[i] < '0' || name[i] > '9') return false;
    index = std::stoi(name.substr(prefix));
    return true;
}

} // namespace

void TcxCustomGridTableView::GetStoredPropertyValue(const std::string& name, Variant& value) {
    TcxDataFilterCriteria& filter = GetDataController()->GetFilter();
    int index = 0;
    if (name == "FilterActive")
        value = Variant(filter.GetActive());
    else if (name == "Filter")
        value = Variant(CriteriaToStoredText(filter));
    else if (IsFilterMRUItemName(name, index) && index < filtering_->GetMRUItems()->GetCount())
        value = Variant(CriteriaToStoredText(*filtering_->GetMRUItems()->GetItem(index)->GetFilter()));
    else
        TcxCustomGridView::GetStoredPropertyValue(name, value);
}

void TcxCustomGridTableView::SetStoredPropertyValue(const std::string& name, const Variant& value) {
    TcxCustomDataController* dataController = GetDataController();
    int index = 0;
    if (name == "FilterActive") {
        dataController->GetFilter().SetActive(StoredTextToBoolean(value.AsString()));
    } else if (name == "Filter") {
        TMemoryStream stream;
        StoredTextToStream(value.AsString(), stream);
        // A text without bytes stands for an empty filter.
        if (stream.GetSize() == 0)
            dataController->GetFilter().RemoveAllItems();
        else
            dataController->GetFilter().ReadFromStream(stream);
    } else if (IsFilterMRUItemName(name, index)) {
        TMemoryStream stream;
        StoredTextToStream(value.AsString(), stream);
        if (stream.GetSize() == 0) return; // an empty filter never enters the list
        std::unique_ptr<TcxDataFilterCriteria> criteria(dataController->CreateFilter());
        criteria->ReadFromStream(stream);
        filtering_->AddFilterToMRUItems(criteria.get());
    } else {
        TcxCustomGridView::SetStoredPropertyValue(name, value);
    }
}

void TcxCustomGridTableView::GetStoredChildren(TStringList* children) {
    TcxCustomGridView::GetStoredChildren(children);
    for (TcxCustomGridTableItem* item : items_) children->AddObject("", item);
}

TComponent* TcxCustomGridTableView::CreateStoredChild(const std::string& objectName, const std::string& className) {
    if (className == GetItemClass()->ClassName()) return CreateItem();
    return TcxCustomGridView::CreateStoredChild(objectName, className);
}

} // namespace zorvy
