#pragma once
// What the filter control asks of the component it filters: its filterable items (caption, stable
// name, field name, editor properties, value type) and the criteria that applying writes into. The
// grid's table views answer it; so can any component that keeps a filter criteria.
#include "controls/data/ValueTypes.h"

#include <string>

namespace zorvy {

class TComponent;
class TObject;
class TcxCustomEditProperties;
class TcxFilterCriteria;

class IcxFilterControl {
  public:
    virtual ~IcxFilterControl() = default;
    // The caption shown as a condition's item text.
    virtual std::string GetCaption(int index) = 0;
    virtual int GetCount() = 0;
    // The criteria applying writes into; nil when there is none.
    virtual TcxFilterCriteria* GetCriteria() = 0;
    // The item object that criteria conditions name.
    virtual TObject* GetItemLink(int index) = 0;
    // A name that stays the same between runs, for criteria streamed by name.
    virtual std::string GetItemLinkName(int index) = 0;
    virtual std::string GetFieldName(int index) = 0;
    // Nil lets the filter control type values with plain text.
    virtual TcxCustomEditProperties* GetProperties(int index) = 0;
    virtual TcxValueTypeClass GetValueType(int index) = 0;
};

// A filter control that takes the component it filters from its dialog.
class IcxFilterControlLink {
  public:
    virtual ~IcxFilterControlLink() = default;
    virtual void SetLinkComponent(TComponent* value) = 0;
};

} // namespace zorvy
