#pragma once
// Readers that feed one record at a time into the storage: values set one by one, or the values
// of another record of a controller.
#include "controls/data/DataStorage.h"

#include <memory>
#include <vector>

namespace zorvy {

class TcxCustomDataController;

// Values set per definition; a definition without a value reads Null.
class TcxValueDefUnboundReader : public TcxValueDefReader {
  public:
    void SetValue(TcxValueDef* def, const Variant& value);
    void ReadValue(TcxValueDef* def, Variant& value) override;
    bool SkipsValueDef(TcxValueDef* def) override; // internal fields are not read
    // Frees values from the end until at most `count` remain (the definitions stay).
    void TrimToCount(int count);
    void Clear() { TrimToCount(0); }

  private:
    std::vector<TcxValueDef*> defs_;
    std::vector<std::unique_ptr<Variant>> values_;
};

// The values and display texts of one record of a controller.
class TcxValueDefRecordReader : public TcxValueDefReader {
  public:
    TcxValueDefRecordReader(TcxCustomDataController* dataController, int recordIndex)
        : dataController_(dataController), recordIndex_(recordIndex) {}
    void ReadDisplayText(TcxValueDef* def, std::string& text) override;
    void ReadValue(TcxValueDef* def, Variant& value) override;
    bool SkipsValueDef(TcxValueDef* def) override;

  private:
    TcxCustomDataController* dataController_;
    int recordIndex_;
};

} // namespace zorvy
