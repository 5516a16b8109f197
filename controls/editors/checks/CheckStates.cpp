// Check states to and from the edit value of a set of items.
#include "controls/editors/checks/CheckStates.h"

#include "platform/rtl/Encoding.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Numbers.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/Strings.h"

#include <algorithm>

namespace zorvy {

ZORVY_RESOURCESTRING(scxCheckStatesIntegerOverflow,
                     "Grayed states and items from index 64 on cannot be stored as an integer value");

TcxCheckStates& CheckStatesBuffer() {
    static TcxCheckStates buffer;
    return buffer;
}

bool ReadDecimalNumber(int& number, size_t& pos, std::string_view text) {
    auto digit = [&](size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
    if (!digit(pos)) return false;
    int value = 0;
    for (; digit(pos); ++pos) {
        const int d = text[pos] - '0';
        if (value > 214748364 || (value == 214748364 && d > 7)) return false;
        value = value * 10 + d;
    }
    number = value;
    return true;
}

// ---- states to a value ----

namespace {

void WriteCaptionsOrIndices(const TcxCheckStates& states, const IcxCheckItemCaptions& items, bool captions,
                            Variant& value) {
    std::string grayed, checked;
    for (size_t i = 0; i < states.size(); ++i) {
        if (states[i] == cbsUnchecked) continue;
        std::string& part = states[i] == cbsGrayed ? grayed : checked;
        if (captions) {
            if (static_cast<int>(i) >= items.GetCount()) continue;
            const std::string caption = items.GetCaption(static_cast<int>(i));
            part += IntToStr(static_cast<int64_t>(CharCount(caption))) + ":" + caption;
        } else {
            if (!part.empty()) part += ',';
            part += IntToStr(static_cast<int64_t>(i));
        }
    }
    value = Variant(checked.empty() ? grayed : grayed + ";" + checked);
}

} // namespace

void CheckStatesToEditValue(const TcxCheckStates& states, const IcxCheckItemCaptions& items,
                            TcxCheckStatesValueFormat format, Variant& value) {
    switch (format) {
    case cvfCaptions:
    case cvfIndices: WriteCaptionsOrIndices(states, items, format == cvfCaptions, value); break;
    case cvfInteger: {
        uint64_t bits = 0;
        for (size_t i = 0; i < states.size(); ++i) {
            if (states[i] == cbsUnchecked) continue;
            // An integer has no room for a grayed state nor for item 64 and beyond.
            if (states[i] == cbsGrayed || i >= 64) throw EConvertError(ResolveResourceString(scxCheckStatesIntegerOverflow));
            bits |= uint64_t(1) << i;
        }
        value = Variant::FromInt64(static_cast<int64_t>(bits));
        break;
    }
    case cvfStatesString: {
        std::string text;
        for (TcxCheckBoxState state : states) text += static_cast<char>('0' + static_cast<int>(state));
        value = Variant(text);
        break;
    }
    }
}

// ---- a value to states ----

namespace {

bool ReadCaptions(const std::string& text, const IcxCheckItemCaptions& items, TcxCheckStates& states) {
    struct Entry {
        std::string caption;
        bool checked;
    };
    std::vector<Entry> entries;
    bool checkedPart = false;
    size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == ';' && !checkedPart) {
            checkedPart = true;
            ++pos;
        }
        int length = 0;
        if (!ReadDecimalNumber(length, pos, text)) return false;
        if (pos >= text.size() || text[pos] != ':') return false;
        const size_t start = ++pos;
        for (int k = 0; k < length; ++k) {
            if (pos >= text.size()) return false;
            pos = NextCharIndex(text, pos);
        }
        entries.push_back({text.substr(start, pos - start), checkedPart});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return AnsiCompareText(a.caption, b.caption) < 0; });
    for (int i = 0; i < items.GetCount(); ++i) {
        const std::string caption = items.GetCaption(i);
        auto found = std::find_if(entries.begin(), entries.end(),
                                  [&](const Entry& e) { return AnsiCompareText(e.caption, caption) == 0; });
        if (found == entries.end()) continue;
        states[i] = found->checked ? cbsChecked : cbsGrayed;
        entries.erase(found); // each entry serves one item
    }
    return entries.empty();
}

bool ReadIndices(const std::string& text, TcxCheckStates& states) {
    bool checkedPart = false;
    size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == ';' && !checkedPart) {
            checkedPart = true;
            ++pos;
        }
        int index = 0;
        if (!ReadDecimalNumber(index, pos, text) || index >= static_cast<int>(states.size())) return false;
        states[index] = checkedPart ? cbsChecked : cbsGrayed;
        if (pos < text.size() && text[pos] == ',') ++pos;
    }
    return true;
}

bool ReadInteger(const Variant& value, TcxCheckStates& states) {
    int64_t bits = 0;
    if (value.IsNull()) {
        bits = 0;
    } else if (VarIsStr(value)) {
        if (!TryStrToInt64(value.AsString(), bits)) return false;
    } else if (VarHoldsNumber(value) || VarHoldsDate(value)) {
        try {
            bits = value.AsInt64();
        } catch (const Exception&) {
            return false;
        }
    } else {
        return false;
    }
    for (size_t i = 0; i < states.size() && i < 64; ++i)
        states[i] = (static_cast<uint64_t>(bits) >> i) & 1 ? cbsChecked : cbsUnchecked;
    return true;
}

bool ReadStatesString(const std::string& text, TcxCheckStates& states) {
    const size_t n = std::min(text.size(), states.size());
    for (size_t i = 0; i < n; ++i) {
        if (text[i] < '0' || text[i] > '2') return false;
        states[i] = static_cast<TcxCheckBoxState>(text[i] - '0');
    }
    return true;
}

} // namespace

bool EditValueToCheckStates(const Variant& value, const IcxCheckItemCaptions& items,
                            TcxCheckStatesValueFormat format, TcxCheckStates& states) {
    states.assign(static_cast<size_t>(std::max(items.GetCount(), 0)), cbsUnchecked);
    bool parsed = false;
    if (format == cvfInteger) {
        parsed = ReadInteger(value, states);
    } else if (value.IsNull() || VarIsStr(value)) {
        const std::string text = VarToStr(value);
        switch (format) {
        case cvfCaptions: parsed = ReadCaptions(text, items, states); break;
        case cvfIndices: parsed = ReadIndices(text, states); break;
        default: parsed = ReadStatesString(text, states); break;
        }
    }
    if (!parsed) std::fill(states.begin(), states.end(), cbsUnchecked);
    return parsed;
}

} // namespace zorvy
