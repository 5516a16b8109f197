// The versioned criteria stream, copying between criteria and their component stream.
//
// Reading parses the whole stream into plain nodes first, checking every count, length, code and
// the nesting depth, and only then replaces the conditions: a stream that does not read whole
// raises EReadError and leaves the criteria as they were.
#include "controls/data/FilterCriteria.h"

#include "controls/data/ValueStream.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Filer.h"
#include "platform/rtl/Streams.h"

namespace zorvy {

struct TcxFilterStreamNode {
    bool IsGroup = false;
    uint8_t Operator = 0; // group operator or operator code
    std::string DisplayValue;
    int32_t ID = 0;
    std::string Name;
    Variant Value;
    std::vector<TcxFilterStreamNode> Children;
};

int FilterVersionToStreamId(int version) {
    return version == 3 ? -2 : -1;
}

int StreamIdToFilterVersion(int id) {
    return id == -2 ? 3 : (id == -1 ? 2 : 1);
}

namespace {

[[noreturn]] void ReadError() {
    throw EReadError("Stream read error");
}

void ParseChildren(TStream& stream, TcxFilterStreamNode& group, int64_t count, int version, int depth);

void ParseGroupData(TStream& stream, TcxFilterStreamNode& group, int version, int depth) {
    group.IsGroup = true;
    group.Operator = stream.ReadUInt8();
    if (group.Operator > goNotOr) ReadError();
    ParseChildren(stream, group, stream.ReadInt32(), version, depth);
}

void ParseChild(TStream& stream, TcxFilterStreamNode& node, int version, int depth) {
    if (depth >= MaxFilterStreamDepth) ReadError();
    if (StreamReadBoolean(stream)) {
        ParseGroupData(stream, node, version, depth + 1);
        return;
    }
    node.Operator = stream.ReadUInt8();
    if (node.Operator >= FilterOperatorCodeCount) ReadError();
    node.DisplayValue = StreamReadText(stream);
    node.ID = stream.ReadInt32();
    if (version >= 3) node.Name = StreamReadText(stream);
    node.Value = StreamReadVariant(stream);
}

void ParseChildren(TStream& stream, TcxFilterStreamNode& group, int64_t count, int version, int depth) {
    CheckStreamRemains(stream, count, 2); // a group flag and at least one byte of data each
    group.Children.resize(static_cast<size_t>(count));
    for (TcxFilterStreamNode& child : group.Children)
        ParseChild(stream, child, version, depth);
}

} // namespace

void TcxFilterCriteriaItemList::WriteData(TStream& stream, int version) const {
    stream.WriteUInt8(boolOperator_);
    stream.WriteInt32(GetCount());
    for (const TcxCustomFilterCriteriaItem* child : children_) {
        StreamWriteBoolean(stream, child->IsItemList());
        child->WriteData(stream, version);
    }
}

void TcxFilterCriteriaItem::WriteData(TStream& stream, int version) const {
    const TcxFilterCriteria* criteria = GetCriteria();
    stream.WriteUInt8(operatorKind_);
    StreamWriteText(stream, displayValue_);
    stream.WriteInt32(criteria->GetIDByItemLink(GetItemLink()));
    if (version > 2) StreamWriteText(stream, criteria->GetNameByItemLink(GetItemLink()));
    StreamWriteVariant(stream, value_);
}

void TcxFilterCriteria::WriteToStream(TStream& stream, int requestedVersion) {
    int version = requestedVersion != 0 && requestedVersion <= version_ ? requestedVersion : version_;
    stream.WriteInt32(FilterVersionToStreamId(version));
    root_->WriteData(stream, version);
    savedVersion_ = version;
}

void TcxFilterCriteria::ReadFromStream(TStream& stream) {
    int32_t id = stream.ReadInt32();
    int version = StreamIdToFilterVersion(id);
    TcxFilterStreamNode root;
    if (version >= 2)
        ParseGroupData(stream, root, version, 0);
    else
        ParseChildren(stream, root, id > 0 ? id : 0, version, 0);

    LockChanges();
    try {
        RemoveAllItems();
        loadedVersion_ = version;
        if (version >= 2) root_->SetBoolOperatorKind(static_cast<TcxFilterGroupOperator>(root.Operator));
        for (const TcxFilterStreamNode& child : root.Children)
            ApplyStreamNode(root_.get(), child, version);
    } catch (...) {
        UnlockChanges();
        throw;
    }
    UnlockChanges();
}

void TcxFilterCriteria::ApplyStreamNode(TcxFilterCriteriaItemList* group, const TcxFilterStreamNode& node,
                                        int version) {
    if (node.IsGroup) {
        TcxFilterCriteriaItemList* child = group->AddItemList(goAnd);
        child->SetBoolOperatorKind(static_cast<TcxFilterGroupOperator>(node.Operator));
        for (const TcxFilterStreamNode& grandChild : node.Children)
            ApplyStreamNode(child, grandChild, version);
        return;
    }
    TcxFilterCriteriaItem* item = group->AddItem(nullptr, ocEqual, Variant(), "");
    item->SetOperatorKind(static_cast<TcxFilterOperatorCode>(node.Operator));
    item->SetDisplayValue(node.DisplayValue);
    item->SetValue(node.Value);
    TObject* link = FindStreamedItemLink(version >= 3 ? node.Name : std::string(), node.ID);
    if (!link) {
        delete item;
        return;
    }
    item->SetItemLink(link);
    item->FixBlankDisplayValue();
}

TObject* TcxFilterCriteria::FindStreamedItemLink(const std::string& name, int id) const {
    if (name.empty()) return GetItemLinkByID(id);
    if (TObject* link = GetItemLinkByName(name)) return link;
    TObject* link = GetItemLinkByID(id);
    if (link && !GetNameByItemLink(link).empty()) return nullptr;
    return link;
}

// ---- copying ----

void TcxFilterCriteria::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TcxFilterCriteria*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    LockChanges();
    try {
        SetDateTimeFormat(other->dateTimeFormat_);
        MaxValueListCount = other->MaxValueListCount;
        SetOptions(other->options_);
        SetPercentWildcard(other->percentWildcard_);
        TranslateBetween = other->TranslateBetween;
        TranslateLike = other->TranslateLike;
        TranslateIn = other->TranslateIn;
        SupportedLike = other->SupportedLike;
        SetUnderscoreWildcard(other->underscoreWildcard_);
        AssignCriteria(other);
        CopyEventHandlers(other);
    } catch (...) {
        UnlockChanges();
        throw;
    }
    UnlockChanges();
}

void TcxFilterCriteria::AssignCriteria(TcxFilterCriteria* source) {
    if (IsSameAs(source)) return;
    TMemoryStream stream;
    source->WriteToStream(stream, version_);
    stream.SetPosition(0);
    ReadFromStream(stream);
}

bool TcxFilterCriteria::IsSameAs(TcxFilterCriteria* other) {
    TMemoryStream mine, theirs;
    WriteToStream(mine, other->version_);
    other->WriteToStream(theirs, version_);
    return mine.GetSize() == theirs.GetSize() &&
           std::equal(mine.Memory(), mine.Memory() + mine.GetSize(), theirs.Memory());
}

// ---- component stream ----

namespace {

// Carries a criteria's published properties and its own stored properties through the
// component writer and reader.
class TFilterWrapper : public TComponent {
  public:
    explicit TFilterWrapper(TcxFilterCriteria* filter) : TComponent(nullptr), Filter(filter) {}
    void DefineProperties(TFiler* filer) override {
        Filter->DefinePublishedProperties(filer);
        Filter->DefineProperties(filer);
    }
    TcxFilterCriteria* Filter;
};

char WildcardOf(const std::string& text) {
    if (text.size() != 1) throw EReadError("Stream read error");
    return text[0];
}

} // namespace

void TcxFilterCriteria::DefinePublishedProperties(TFiler* filer) {
    filer->DefineProperty(
        "MaxValueListCount", [this](TReader& r) { MaxValueListCount = static_cast<int>(r.ReadInteger()); },
        [this](TWriter& w) { w.WriteInteger(MaxValueListCount); }, MaxValueListCount != 0);
    filer->DefineProperty(
        "Options", [this](TReader& r) { SetOptions(static_cast<TcxFilterCriteriaOptions>(r.ReadInteger())); },
        [this](TWriter& w) { w.WriteInteger(GetOptions()); }, GetOptions() != 0);
    filer->DefineProperty(
        "PercentWildcard", [this](TReader& r) { SetPercentWildcard(WildcardOf(r.ReadString())); },
        [this](TWriter& w) { w.WriteString(std::string(1, GetPercentWildcard())); }, GetPercentWildcard() != '%');
    filer->DefineProperty(
        "UnderscoreWildcard", [this](TReader& r) { SetUnderscoreWildcard(WildcardOf(r.ReadString())); },
        [this](TWriter& w) { w.WriteString(std::string(1, GetUnderscoreWildcard())); },
        GetUnderscoreWildcard() != '_');
}

void TcxFilterCriteria::SaveToComponentStream(TStream& stream) {
    TFilterWrapper wrapper(this);
    TWriter writer(stream);
    writer.WriteDefinedProperties(wrapper);
}

void TcxFilterCriteria::LoadFromComponentStream(TStream& stream) {
    TFilterWrapper wrapper(this);
    TReader reader(stream);
    LockChanges();
    try {
        reader.ReadDefinedProperties(wrapper);
    } catch (...) {
        UnlockChanges();
        throw;
    }
    UnlockChanges();
}

} // namespace zorvy
