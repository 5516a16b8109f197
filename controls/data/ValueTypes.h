#pragma once
// Value types: how one kind of value sits in a fixed-width cell of a record buffer (its width,
// its conversion to and from a variant, its order, its text and its stream form), and the
// registry that finds a value type by its caption ("String", "Integer", ...).
//
// A value type is a stateless descriptor reached through TcxValueTypeClass; two value types are
// the same only when they are the same descriptor. Cells that hold a value behind a pointer
// (String, WideString, Variant, Object) own it: ReleaseData frees it. Pointers and text holders
// are pointer-sized.
#include "platform/rtl/Variant.h"

#include <string>
#include <vector>

namespace zorvy {

class TStream;
class TcxValueType;
using TcxValueTypeClass = const TcxValueType*;

// A text holder is a pointer-sized slot: nil, or a heap std::string.
inline constexpr int TextHolderSize = sizeof(void*);

class TcxValueType {
  public:
    virtual ~TcxValueType() = default;

    // Three-way compare of two cells; through CompareData on the cells or the pointers in them.
    virtual int CompareCells(const void* cell1, const void* cell2) const;
    virtual void ReleaseData(void* cell) const;
    static void ReleaseDisplayText(void* textHolder);
    virtual int GetDataByteSize() const { return 0; }
    virtual void DataToVariant(const void* cell, Variant& value) const;
    virtual void FormatDisplayText(const void* cell, std::string& text) const;
    static void GetStoredDisplayText(const void* textHolder, std::string& text);
    virtual void ReadDataFromStream(void* cell, TStream& stream) const;
    static void ReadDisplayTextFromStream(void* textHolder, TStream& stream);
    virtual void VariantToData(void* cell, const Variant& value) const;
    static void SetStoredDisplayText(void* textHolder, const std::string& text);
    virtual void WriteDataToStream(const void* cell, TStream& stream) const;
    static void WriteDisplayTextToStream(const void* textHolder, TStream& stream);
    virtual std::string GetCaption() const; // the class name without "Tcx" and "ValueType"
    virtual const char* ClassName() const { return "TcxValueType"; }
    // Three-way compare of two compare data (see PrepareCompareData).
    virtual int CompareData(const void* data1, const void* data2) const;
    // The value of compare data.
    virtual void ValueFromRawData(const void* data, Variant& value) const { DataToVariant(data, value); }
    virtual TVarType GetVariantType() const { return varVariant; }
    // Casts the value in place to the type's variant type; false when it has no such reading.
    virtual bool ConvertValue(Variant& value) const;
    virtual bool IsStringType() const { return false; }
    // Turns a cell address into what CompareData takes: the cell itself, or the pointer in it.
    virtual void PrepareCompareData(const void*& /*data*/) const {}
};

// The fourteen value types.
extern const TcxValueType& cxStringValueType;
extern const TcxValueType& cxWideStringValueType;
extern const TcxValueType& cxSmallintValueType;
extern const TcxValueType& cxIntegerValueType;
extern const TcxValueType& cxWordValueType;
extern const TcxValueType& cxBooleanValueType;
extern const TcxValueType& cxFloatValueType;
extern const TcxValueType& cxCurrencyValueType;
extern const TcxValueType& cxDateTimeValueType;
extern const TcxValueType& cxLargeIntValueType;
extern const TcxValueType& cxFMTBcdValueType;
extern const TcxValueType& cxSQLTimeStampValueType;
extern const TcxValueType& cxVariantValueType;
extern const TcxValueType& cxObjectValueType;

class TcxValueTypeClassList {
  public:
    void AddClass(TcxValueTypeClass valueType);    // at the end unless listed
    void RemoveClass(TcxValueTypeClass valueType); // when listed
    // The first registered type whose caption equals `caption` exactly; nullptr when none.
    TcxValueTypeClass FindByCaption(const std::string& caption) const;
    int GetCount() const { return static_cast<int>(items_.size()); }
    TcxValueTypeClass GetItem(int index) const { return items_.at(static_cast<size_t>(index)); }

  private:
    std::vector<TcxValueTypeClass> items_;
};

// The process-wide registry, created on first use.
TcxValueTypeClassList& GetValueTypeClassList();
// Start-up and shutdown of the unit: registers the fourteen types in order; removes them again.
void InitializeValueTypes();
void FinalizeValueTypes();

// True exactly for the DateTime and SQLTimeStamp types.
bool IsDateTimeValueTypeClass(TcxValueTypeClass valueType);

} // namespace zorvy
