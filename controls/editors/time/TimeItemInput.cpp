// Typing into hours, minutes, seconds and the AM/PM designator of a masked time text.
#include "controls/editors/time/TimeItemInput.h"

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <cctype>

namespace zorvy {

void TimeDesignators(int kind, std::string& am, std::string& pm) {
    switch (kind) {
    case 0: am = "A"; pm = "P"; break;
    case 1: am = "AM"; pm = "PM"; break;
    default:
        am = FormatSettings().TimeAMString;
        pm = FormatSettings().TimePMString;
    }
}

namespace {

bool SameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

TcxTimeTypingResult TypeDesignatorChar(const TcxTimeFieldInfo& field, const std::string& text, std::string& character,
                                       int position) {
    TcxTimeTypingResult result;
    std::string am, pm;
    TimeDesignators(field.DesignatorKind, am, pm);
    // n: the first position (1-based) where the two designators differ.
    int n = 1;
    const int shorter = static_cast<int>(std::min(am.size(), pm.size()));
    while (n <= shorter && SameLetter(am[n - 1], pm[n - 1])) ++n;
    if (n > shorter && am.size() == pm.size()) n = 0; // equal designators: nothing selects
    const int offset = position - field.Start + 1; // 1-based within the field
    const char typed = character.size() == 1 ? character[0] : '\0';
    if (offset < 1) { // a position before the designator is not the designator's to take
        result.Refused = true;
        return result;
    }
    if (n == 0 || offset < n) {
        if (offset <= shorter && typed && SameLetter(typed, am[offset - 1])) {
            character = std::string(1, am[offset - 1]);
            result.Accepted = true;
        } else {
            result.Refused = true;
        }
        return result;
    }
    if (offset > n) {
        const int at = position - 1;
        result.Accepted = at < static_cast<int>(text.size()) && typed && typed == text[at];
        result.Refused = !result.Accepted;
        return result;
    }
    const std::string* chosen = nullptr;
    if (typed && offset <= static_cast<int>(am.size()) && SameLetter(typed, am[offset - 1])) chosen = &am;
    else if (typed && offset <= static_cast<int>(pm.size()) && SameLetter(typed, pm[offset - 1])) chosen = &pm;
    if (!chosen) {
        result.Refused = true;
        return result;
    }
    std::string replaced = text.substr(0, std::min<size_t>(text.size(), field.Start - 1)) + *chosen;
    result.Text = replaced;
    result.Caret = field.Start - 1 + static_cast<int>(chosen->size());
    return result;
}

} // namespace

TcxTimeTypingResult TypeTimeFieldChar(const TcxTimeFieldInfo& field, const std::string& text, std::string& character,
                                      int position) {
    if (field.Field == tfDesignator) return TypeDesignatorChar(field, text, character, position);
    TcxTimeTypingResult result;
    if (character.size() != 1 || !std::isdigit(static_cast<unsigned char>(character[0]))) {
        result.Refused = true;
        return result;
    }
    const char typed = character[0];
    const int first = field.Start - 1; // 0-based index of the field's first digit
    if (first + 1 >= static_cast<int>(text.size())) {
        result.Accepted = true;
        return result;
    }
    const bool atFirst = position - 1 == first;
    std::string digits = text.substr(first, 2);
    for (char& c : digits)
        if (!std::isdigit(static_cast<unsigned char>(c))) c = '0';
    std::string trial = digits;
    trial[atFirst ? 0 : 1] = typed;
    const int number = (trial[0] - '0') * 10 + (trial[1] - '0');
    int lo = 0, hi = 59;
    if (field.Field == tfHours) {
        lo = field.Use24HourFormat ? 0 : 1;
        hi = field.Use24HourFormat ? 23 : 12;
    }
    if (number >= lo && number <= hi) {
        result.Accepted = true;
        return result;
    }
    std::string changed = text;
    if (!atFirst) {
        // The second digit: a 0 cannot help, any other digit lands after a first digit of 0.
        if (typed == '0') {
            result.Refused = true;
            return result;
        }
        changed[first] = '0';
        result.Text = changed;
        result.Accepted = true;
        return result;
    }
    const char maxFirst = static_cast<char>('0' + hi / 10);
    result.StepRight = true;
    if (typed == '0') {
        changed[first] = '0';
        changed[first + 1] = digits[0];
        result.Caret = first;
    } else if (typed > maxFirst) {
        changed[first] = '0';
        changed[first + 1] = typed;
        result.Caret = first + 1;
    } else {
        changed[first] = typed;
        changed[first + 1] = '0';
        result.Caret = first;
    }
    result.Text = changed;
    return result;
}

} // namespace zorvy
