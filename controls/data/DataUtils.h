#pragma once
// Small shared pieces of the data units: the data binding base of data-aware controls, a
// collection that assigns item by item, the currency format of summaries, the locale's week
// start the date filters use, and the case-insensitive equality or prefix test of search.
#include "platform/rtl/Collection.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Variant.h"

#include <functional>
#include <string>

namespace zorvy {

class TComponent;

// What links a data-aware control to its data. It owns nothing; the control sets the handlers.
class TcxCustomDataBinding : public TPersistent {
  public:
    using TcxDataBindingEvent = std::function<void(TObject* a, TObject* b)>;

    TcxCustomDataBinding(TComponent* owner, TComponent* dataComponent);
    TPersistent* GetOwner() const override;

    virtual void DoDataChange(TObject* a, TObject* b);
    virtual void DoDataSetChange(TObject* a, TObject* b);
    virtual bool GetReadOnly() const { return readOnly_; }
    virtual void SetReadOnly(bool value) { readOnly_ = value; }
    virtual void DoUpdateData(TObject* a, TObject* b);
    virtual void VisualControlChanged() {}
    virtual bool CanModify() const { return !GetReadOnly(); }
    virtual bool ExecuteAction(TObject* /*action*/) { return false; }
    virtual bool IsDataAvailable() const { return true; }
    virtual void ResetToData() {}
    virtual bool CanChangeValue() const { return CanModify(); }
    virtual bool UpdateAction(TObject* /*action*/) { return false; }
    virtual void UpdateDataOnExit() {}
    // The value a control shows and the value it writes back; valueSource names which of the
    // control's values is meant. Unbound: Null, and writing keeps nothing.
    virtual void GetStoredValue(int valueSource, bool focused, Variant& value) const;
    virtual void SetStoredValue(int /*valueSource*/, const Variant& /*value*/) {}
    // The control's value changed in a way the data should hear of.
    virtual void SetModified() {}

    TComponent* GetDataComponent() const { return dataComponent_; }
    TComponent* GetVisualControl() const { return visualControl_; }
    void SetVisualControl(TComponent* control);

    TcxDataBindingEvent OnDataChange;
    TcxDataBindingEvent OnDataSetChange;
    TcxDataBindingEvent OnUpdateData;

  private:
    TComponent* owner_;
    TComponent* dataComponent_;
    TComponent* visualControl_ = nullptr;
    bool readOnly_ = false;
};

// Assigning reuses the existing items (their identity and what their Assign does not copy).
class TcxCollection : public TCollection {
  public:
    using TCollection::TCollection;
    void Assign(TPersistent* source) override;
};

// The number format of currency values: ",0.00" with the locale's symbol placed by its position. The
// locale-format unit has a routine of the same name that adds the negative form; this one lives in the
// data unit's own namespace so that a program linking both keeps them apart.
namespace cxDataUtils {
std::string BuildCurrencyFormat();
}
double DatePart(TDateTime value); // the whole days
double TimePart(TDateTime value); // the fraction
// 0 (Sunday) .. 6 (Saturday).
int GetLocaleFirstWeekDay();
// The date of the first day of the week that holds `value`.
TDateTime GetWeekStartDate(TDateTime value);
// Locale-aware, ignoring case: the two texts are equal, or with asPrefix the text starts with the
// pattern; an empty pattern matches only an empty text.
bool SameTextOrPrefix(const std::string& text, const std::string& pattern, bool asPrefix);

} // namespace zorvy
