#include "controls/data/DataUtils.h"

#include "controls/data/DataResources.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Strings.h"

#include <cmath>

namespace zorvy {

TcxGetResourceStringProc cxGetResourceStringProc = nullptr;

std::string GetDataResourceText(const TResourceString& resource) {
    if (cxGetResourceStringProc) return cxGetResourceStringProc(resource);
    return LoadResString(resource);
}

// ---- data binding ----

TcxCustomDataBinding::TcxCustomDataBinding(TComponent* owner, TComponent* dataComponent)
    : owner_(owner), dataComponent_(dataComponent) {}

TPersistent* TcxCustomDataBinding::GetOwner() const {
    return owner_;
}

void TcxCustomDataBinding::DoDataChange(TObject* a, TObject* b) {
    if (OnDataChange) OnDataChange(a, b);
}

void TcxCustomDataBinding::DoDataSetChange(TObject* a, TObject* b) {
    if (OnDataSetChange) OnDataSetChange(a, b);
}

void TcxCustomDataBinding::DoUpdateData(TObject* a, TObject* b) {
    if (OnUpdateData) OnUpdateData(a, b);
}

void TcxCustomDataBinding::GetStoredValue(int, bool, Variant& value) const {
    value = Variant::Null();
}

void TcxCustomDataBinding::SetVisualControl(TComponent* control) {
    if (visualControl_ == control) return;
    visualControl_ = control;
    VisualControlChanged();
}

// ---- collection ----

void TcxCollection::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TCollection*>(source);
    if (!other) {
        TCollection::Assign(source);
        return;
    }
    if (GetCount() == 0 && other->GetCount() == 0) return;
    BeginUpdate();
    try {
        for (int i = 0; i < other->GetCount(); ++i) {
            TCollectionItem* item = i < GetCount() ? GetItem(i) : Add();
            item->Assign(other->GetItem(i));
        }
        for (int i = GetCount() - 1; i >= other->GetCount(); --i)
            Delete(i);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

// ---- currency, dates, texts ----

std::string cxDataUtils::BuildCurrencyFormat() {
    const TFormatSettings& settings = FormatSettings();
    std::string format =
        ",0." + std::string(static_cast<size_t>(std::max(settings.CurrencyDecimals, 0)), '0');
    std::string symbol;
    for (char c : settings.CurrencyString) {
        if (c == ',' || c == '.')
            symbol += std::string("'") + c + "'";
        else
            symbol += c;
    }
    if (symbol.empty()) return format;
    switch (settings.CurrencyFormat) {
    case 0:
        return symbol + format;
    case 1:
        return format + symbol;
    case 2:
        return symbol + " " + format;
    case 3:
        return format + " " + symbol;
    default:
        return format;
    }
}

double DatePart(TDateTime value) {
    return std::trunc(value);
}

double TimePart(TDateTime value) {
    return value - std::trunc(value);
}

int GetLocaleFirstWeekDay() {
    int digit = FormatSettings().FirstDayOfWeek; // 0 Monday .. 6 Sunday
    if (digit < 0 || digit > 6) return 1;
    return (digit + 1) % 7;
}

TDateTime GetWeekStartDate(TDateTime value) {
    int first = GetLocaleFirstWeekDay();
    int weekday = DayOfWeek(value) - 1;
    double days = DatePart(value);
    if (first > weekday) return days - 7 + (first - weekday);
    return days - (weekday - first);
}

bool SameTextOrPrefix(const std::string& text, const std::string& pattern, bool asPrefix) {
    if (pattern.empty()) return text.empty();
    std::string t = AnsiUpperCase(text), p = AnsiUpperCase(pattern);
    if (!asPrefix) return t == p;
    return t.size() >= p.size() && t.compare(0, p.size(), p) == 0;
}

} // namespace zorvy
