#include "platform/rtl/StringList.h"

#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <numeric>

namespace zorvy {

// ---- TStrings ----

void TStrings::Error(int index) {
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

void TStrings::Put(int index, const std::string& text) {
    TObject* object = GetObject(index);
    BeginUpdate();
    Delete(index);
    InsertObject(index, text, object);
    EndUpdate();
}

TObject* TStrings::GetObject(int) const {
    return nullptr;
}
void TStrings::PutObject(int, TObject*) {}

void TStrings::InsertObject(int index, const std::string& text, TObject* object) {
    Insert(index, text);
    PutObject(index, object);
}

int TStrings::Add(const std::string& text) {
    int index = GetCount();
    Insert(index, text);
    return index;
}

int TStrings::AddObject(const std::string& text, TObject* object) {
    int index = Add(text);
    PutObject(index, object);
    return index;
}

void TStrings::AddStrings(const TStrings& strings) {
    BeginUpdate();
    for (int i = 0; i < strings.GetCount(); ++i)
        AddObject(strings.Get(i), strings.GetObject(i));
    EndUpdate();
}

int TStrings::IndexOf(const std::string& text) const {
    for (int i = 0; i < GetCount(); ++i)
        if (AnsiSameText(Get(i), text)) return i;
    return -1;
}

int TStrings::IndexOfName(const std::string& name) const {
    for (int i = 0; i < GetCount(); ++i) {
        std::string item = Get(i);
        size_t eq = item.find('=');
        if (eq != std::string::npos && AnsiSameText(item.substr(0, eq), name)) return i;
    }
    return -1;
}

int TStrings::IndexOfObject(TObject* object) const {
    for (int i = 0; i < GetCount(); ++i)
        if (GetObject(i) == object) return i;
    return -1;
}

void TStrings::Exchange(int index1, int index2) {
    BeginUpdate();
    TObject* object1 = GetObject(index1);
    std::string text1 = Get(index1);
    Put(index1, Get(index2));
    PutObject(index1, GetObject(index2));
    Put(index2, text1);
    PutObject(index2, object1);
    EndUpdate();
}

void TStrings::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    BeginUpdate();
    std::string text = Get(curIndex);
    TObject* object = GetObject(curIndex);
    Delete(curIndex);
    InsertObject(newIndex, text, object);
    EndUpdate();
}

bool TStrings::Equals(const TStrings& other) const {
    if (GetCount() != other.GetCount()) return false;
    for (int i = 0; i < GetCount(); ++i)
        if (Get(i) != other.Get(i)) return false;
    return true;
}

std::string TStrings::GetText() const {
    std::string text;
    for (int i = 0; i < GetCount(); ++i)
        text += Get(i) + lineBreak_;
    return text;
}

void TStrings::SetText(const std::string& text) {
    BeginUpdate();
    Clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            Add(text.substr(start));
            break;
        }
        Add(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    EndUpdate();
}

std::string TStrings::GetDelimitedText() const {
    const int count = GetCount();
    if (count == 1 && Get(0).empty()) return std::string(2, quoteChar_);
    std::string out;
    for (int i = 0; i < count; ++i) {
        std::string item = Get(i);
        bool needsQuotes = item.empty() && count > 1;
        for (char c : item)
            if (c == delimiter_ || c == quoteChar_ ||
                (!strictDelimiter_ && static_cast<unsigned char>(c) <= ' '))
                needsQuotes = true;
        if (i > 0) out += delimiter_;
        out += needsQuotes ? AnsiQuotedStr(item, quoteChar_) : item;
    }
    return out;
}

void TStrings::SetDelimitedText(const std::string& text) {
    auto isBlank = [&](char c) { return !strictDelimiter_ && static_cast<unsigned char>(c) <= ' '; };
    BeginUpdate();
    Clear();
    size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    while (i < text.size()) {
        std::string item;
        if (text[i] == quoteChar_) {
            ++i;
            while (i < text.size()) {
                if (text[i] == quoteChar_) {
                    if (i + 1 < text.size() && text[i + 1] == quoteChar_) {
                        item += quoteChar_;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            while (i < text.size() && text[i] != delimiter_ && !isBlank(text[i]))
                item += text[i++];
        }
        Add(item);
        while (i < text.size() && isBlank(text[i]))
            ++i;
        if (i < text.size() && text[i] == delimiter_) {
            ++i;
            while (i < text.size() && isBlank(text[i]))
                ++i;
            if (i == text.size()) Add("");
        }
    }
    EndUpdate();
}

std::string TStrings::GetCommaText() const {
    TStrings& self = const_cast<TStrings&>(*this);
    char delimiter = delimiter_, quote = quoteChar_;
    bool strict = strictDelimiter_;
    self.delimiter_ = ',';
    self.quoteChar_ = '"';
    self.strictDelimiter_ = false;
    std::string text = GetDelimitedText();
    self.delimiter_ = delimiter;
    self.quoteChar_ = quote;
    self.strictDelimiter_ = strict;
    return text;
}

void TStrings::SetCommaText(const std::string& text) {
    char delimiter = delimiter_, quote = quoteChar_;
    bool strict = strictDelimiter_;
    delimiter_ = ',';
    quoteChar_ = '"';
    strictDelimiter_ = false;
    try {
        SetDelimitedText(text);
    } catch (...) {
        delimiter_ = delimiter;
        quoteChar_ = quote;
        strictDelimiter_ = strict;
        throw;
    }
    delimiter_ = delimiter;
    quoteChar_ = quote;
    strictDelimiter_ = strict;
}

std::string TStrings::GetName(int index) const {
    std::string item = Get(index);
    size_t eq = item.find('=');
    return eq == std::string::npos ? std::string() : item.substr(0, eq);
}

std::string TStrings::GetValueFromIndex(int index) const {
    std::string item = Get(index);
    size_t eq = item.find('=');
    return eq == std::string::npos ? std::string() : item.substr(eq + 1);
}

std::string TStrings::GetValue(const std::string& name) const {
    int index = IndexOfName(name);
    return index < 0 ? std::string() : GetValueFromIndex(index);
}

void TStrings::SetValue(const std::string& name, const std::string& value) {
    int index = IndexOfName(name);
    if (value.empty()) {
        if (index >= 0) Delete(index);
        return;
    }
    if (index < 0)
        Add(name + "=" + value);
    else
        Put(index, name + "=" + value);
}

void TStrings::BeginUpdate() {
    if (updateCount_ == 0) SetUpdateState(true);
    ++updateCount_;
}

void TStrings::EndUpdate() {
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::Assign(TPersistent* source) {
    if (auto* strings = dynamic_cast<TStrings*>(source)) {
        if (strings == this) return;
        BeginUpdate();
        Clear();
        delimiter_ = strings->delimiter_;
        lineBreak_ = strings->lineBreak_;
        quoteChar_ = strings->quoteChar_;
        strictDelimiter_ = strings->strictDelimiter_;
        AddStrings(*strings);
        EndUpdate();
        return;
    }
    TPersistent::Assign(source);
}

void TStrings::LoadFromFile(const std::string& fileName) {
    TFileStream stream(fileName, fmOpenRead);
    LoadFromStream(stream);
}

void TStrings::SaveToFile(const std::string& fileName) {
    TFileStream stream(fileName, fmCreate);
    SaveToStream(stream);
}

void TStrings::LoadFromStream(TStream& stream) {
    int64_t size = stream.GetSize() - stream.GetPosition();
    std::string bytes(static_cast<size_t>(std::max<int64_t>(size, 0)), '\0');
    stream.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    SetText(DecodeGbkOrUtf8(bytes));
}

void TStrings::SaveToStream(TStream& stream) const {
    std::string text = GetText();
    stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

// ---- TStringList ----

TStringList::~TStringList() {
    OnChange = nullptr;
    OnChanging = nullptr;
    Clear();
}

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= GetCount()) Error(index);
}

std::string TStringList::Get(int index) const {
    CheckIndex(index);
    return items_[index].text;
}

void TStringList::Put(int index, const std::string& text) {
    if (sorted_) throw EStringListError("Operation not allowed on sorted list");
    CheckIndex(index);
    Changing();
    items_[index].text = text;
    Changed();
}

TObject* TStringList::GetObject(int index) const {
    CheckIndex(index);
    return items_[index].object;
}

void TStringList::PutObject(int index, TObject* object) {
    CheckIndex(index);
    Changing();
    items_[index].object = object;
    Changed();
}

void TStringList::Clear() {
    if (items_.empty()) return;
    Changing();
    std::vector<Item> old;
    old.swap(items_);
    if (ownsObjects_)
        for (Item& item : old)
            delete item.object;
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    Changing();
    TObject* object = items_[index].object;
    items_.erase(items_.begin() + index);
    if (ownsObjects_) delete object;
    Changed();
}

void TStringList::InsertItem(int index, const std::string& text, TObject* object) {
    Changing();
    items_.insert(items_.begin() + index, Item{text, object});
    Changed();
}

void TStringList::Insert(int index, const std::string& text) {
    InsertObject(index, text, nullptr);
}

void TStringList::InsertObject(int index, const std::string& text, TObject* object) {
    if (sorted_) throw EStringListError("Operation not allowed on sorted list");
    if (index < 0 || index > GetCount()) Error(index);
    InsertItem(index, text, object);
}

int TStringList::Add(const std::string& text) {
    return AddObject(text, nullptr);
}

int TStringList::AddObject(const std::string& text, TObject* object) {
    int index = GetCount();
    if (sorted_ && Find(text, index)) {
        if (duplicates_ == dupIgnore) return index;
        if (duplicates_ == dupError) throw EStringListError("String list does not allow duplicates");
    }
    InsertItem(index, text, object);
    return index;
}

int TStringList::CompareStrings(const std::string& a, const std::string& b) const {
    return caseSensitive_ ? AnsiCompareStr(a, b) : AnsiCompareText(a, b);
}

bool TStringList::Find(const std::string& text, int& index) const {
    int low = 0, high = GetCount() - 1;
    bool found = false;
    while (low <= high) {
        int mid = (low + high) / 2;
        int c = CompareStrings(items_[mid].text, text);
        if (c < 0) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (c == 0) {
                found = true;
                if (duplicates_ != dupAccept) low = mid;
            }
        }
    }
    index = low;
    return found;
}

int TStringList::IndexOf(const std::string& text) const {
    if (sorted_) {
        int index;
        return Find(text, index) ? index : -1;
    }
    for (int i = 0; i < GetCount(); ++i)
        if (CompareStrings(items_[i].text, text) == 0) return i;
    return -1;
}

void TStringList::Exchange(int index1, int index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    Changing();
    std::swap(items_[index1], items_[index2]);
    Changed();
}

void TStringList::Move(int curIndex, int newIndex) {
    if (curIndex == newIndex) return;
    if (sorted_) throw EStringListError("Operation not allowed on sorted list");
    CheckIndex(curIndex);
    CheckIndex(newIndex);
    Changing();
    Item item = std::move(items_[curIndex]);
    items_.erase(items_.begin() + curIndex);
    items_.insert(items_.begin() + newIndex, std::move(item));
    Changed();
}

void TStringList::Sort() {
    SortBy([](TStringList& list, int a, int b) {
        return list.CompareStrings(list.items_[a].text, list.items_[b].text);
    });
}

void TStringList::CustomSort(const TStringListSortCompare& compare) {
    // A sorted list keeps its own order.
    if (!sorted_) SortBy(compare);
}

void TStringList::SortBy(const TStringListSortCompare& compare) {
    if (GetCount() < 2) return;
    Changing();
    // Sort a permutation so the comparison sees the list's own indexes, then apply it.
    std::vector<int> order(items_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    std::vector<Item> sorted;
    sorted.reserve(items_.size());
    for (int i : order)
        sorted.push_back(std::move(items_[i]));
    items_ = std::move(sorted);
    Changed();
}

void TStringList::SetSorted(bool sorted) {
    if (sorted_ == sorted) return;
    if (sorted) Sort();
    sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
    if (caseSensitive_ == caseSensitive) return;
    caseSensitive_ = caseSensitive;
    if (sorted_) Sort();
}

void TStringList::SetUpdateState(bool updating) {
    if (updating)
        Changing();
    else
        Changed();
}

void TStringList::Changed() {
    if (GetUpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
    if (GetUpdateCount() == 0 && OnChanging) OnChanging(this);
}

} // namespace zorvy
