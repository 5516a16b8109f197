#pragma once
// Named parameters of a statement (":bid"), bound to ODBC markers when it runs: their values never
// become part of the statement's text.
#include "platform/db/DataSetTypes.h"
#include "platform/rtl/Variant.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy {

enum class TParameterDirection { pdUnknown, pdInput, pdOutput, pdInputOutput, pdReturnValue };

class TParameter {
  public:
    explicit TParameter(std::string name) : name_(std::move(name)) {}
    const std::string& GetName() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    const Variant& GetValue() const { return value_; }
    void SetValue(const Variant& value) { value_ = value; }
    TFieldType GetDataType() const { return dataType_; }
    void SetDataType(TFieldType type) { dataType_ = type; }
    int GetSize() const { return size_; }
    void SetSize(int size) { size_ = size; }
    TParameterDirection GetDirection() const { return direction_; }
    void SetDirection(TParameterDirection direction) { direction_ = direction; }

  private:
    std::string name_;
    Variant value_;
    TFieldType dataType_ = TFieldType::ftUnknown;
    int size_ = -1;
    TParameterDirection direction_ = TParameterDirection::pdInput;
};

class TParameters {
  public:
    int GetCount() const { return static_cast<int>(items_.size()); }
    TParameter* GetItem(int index) const; // EListError on a bad index
    TParameter* operator[](int index) const { return GetItem(index); }
    TParameter* FindParam(const std::string& name) const;   // case-insensitive; nullptr when absent
    TParameter* ParamByName(const std::string& name) const; // EDatabaseError "Parameter 'x' not found"
    TParameter* AddParameter(const std::string& name);
    void Clear() { items_.clear(); }

    // The parameters of a statement's text: every ":name" outside quotes and comments, once each,
    // in order of first use. Values of names that stay are kept.
    void ParseSQL(const std::string& sql);

  private:
    std::vector<std::unique_ptr<TParameter>> items_;
};

// A statement's text with every ":name" replaced by an ODBC marker "?", and the names in marker order.
struct MarkedStatement {
    std::string sql;
    std::vector<std::string> names;
};
MarkedStatement MarkParameters(const std::string& sql);

} // namespace zorvy
