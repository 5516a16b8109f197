#include "platform/db/DataSet.h"

#include "platform/rtl/Exceptions.h"

namespace zorvy {
namespace {

// Key cells compare by value: an integer key matches the same number held as a float.
bool SameCell(const CellValue& a, const CellValue& b) {
    if (a == b) return true;
    auto number = [](const CellValue& v, double& out) {
        if (auto* i = std::get_if<int64_t>(&v))
            out = static_cast<double>(*i);
        else if (auto* d = std::get_if<double>(&v))
            out = *d;
        else
            return false;
        return true;
    };
    double x = 0, y = 0;
    return number(a, x) && number(b, y) && x == y;
}

} // namespace

void TDataSet::CalculateLookup(TField* field, Record& record) {
    TDataSet* lookup = field->lookupDataSet_;
    if (!lookup || !lookup->GetActive() || field->keyFields_.empty() || field->lookupKeyFields_.empty() ||
        field->lookupResultField_.empty())
        return;
    std::vector<TField*> keys = GetFieldList(field->keyFields_);
    std::vector<TField*> lookupKeys = lookup->GetFieldList(field->lookupKeyFields_);
    if (keys.size() != lookupKeys.size())
        throw EDatabaseError(GetName() + ": Field '" + field->fieldName_ +
                             "': key field lists differ in length");
    int result = lookup->fields_.IndexOf(lookup->FieldByName(field->lookupResultField_));
    std::vector<int> keyIndexes, lookupIndexes;
    for (size_t k = 0; k < keys.size(); ++k) {
        keyIndexes.push_back(fields_.IndexOf(keys[k]));
        lookupIndexes.push_back(lookup->fields_.IndexOf(lookupKeys[k]));
    }
    for (const Record* candidate : lookup->view_) {
        bool match = true;
        for (size_t k = 0; k < keyIndexes.size() && match; ++k)
            match = !IsNullCell(record.cells[keyIndexes[k]]) &&
                    SameCell(record.cells[keyIndexes[k]], candidate->cells[lookupIndexes[k]]);
        if (match) {
            record.cells[fields_.IndexOf(field)] = candidate->cells[result];
            return;
        }
    }
}

} // namespace zorvy
