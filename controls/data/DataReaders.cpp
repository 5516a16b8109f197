// The unbound and record value readers.
#include "controls/data/DataReaders.h"

#include "controls/data/DataController.h"

#include <algorithm>

namespace zorvy {

namespace {

TcxValueDef* MainDef(TcxValueDef* def) {
    auto* internal = dynamic_cast<TcxInternalValueDef*>(def);
    return internal ? internal->GetMainDef() : def;
}

} // namespace

void TcxValueDefUnboundReader::SetValue(TcxValueDef* def, const Variant& value) {
    auto it = std::find(defs_.begin(), defs_.end(), def);
    size_t index = static_cast<size_t>(it - defs_.begin());
    if (it == defs_.end()) defs_.push_back(def);
    if (values_.size() < defs_.size()) values_.resize(defs_.size());
    if (!values_[index]) values_[index] = std::make_unique<Variant>();
    *values_[index] = value;
}

void TcxValueDefUnboundReader::ReadValue(TcxValueDef* def, Variant& value) {
    def = MainDef(def);
    auto it = std::find(defs_.begin(), defs_.end(), def);
    size_t index = static_cast<size_t>(it - defs_.begin());
    value = it != defs_.end() && index < values_.size() && values_[index] ? *values_[index] : Variant::Null();
}

bool TcxValueDefUnboundReader::SkipsValueDef(TcxValueDef* def) {
    return IsDefinitionSkippedByReaders(def);
}

void TcxValueDefUnboundReader::TrimToCount(int count) {
    while (static_cast<int>(values_.size()) > std::max(count, 0))
        values_.pop_back();
}

void TcxValueDefRecordReader::ReadDisplayText(TcxValueDef* def, std::string& text) {
    auto* field = static_cast<TcxCustomDataField*>(def->GetLink());
    text = field->IsInternal() ? std::string() : dataController_->GetFieldDisplayText(recordIndex_, field);
}

void TcxValueDefRecordReader::ReadValue(TcxValueDef* def, Variant& value) {
    value = dataController_->GetFieldValue(recordIndex_, static_cast<TcxCustomDataField*>(def->GetLink()));
}

bool TcxValueDefRecordReader::SkipsValueDef(TcxValueDef* def) {
    return IsDefinitionSkippedByReaders(def);
}

} // namespace zorvy
