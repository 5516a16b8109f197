#include "platform/rtl/DecimalDigits.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace zorvy {

namespace {

bool IsQuote(char c) {
    return c == '\'' || c == '"';
}

std::vector<std::string> SplitSections(const std::string& format) {
    std::vector<std::string> sections(1);
    char quote = 0;
    for (char c : format) {
        if (quote) {
            if (c == quote) quote = 0;
        } else if (IsQuote(c)) {
            quote = c;
        } else if (c == ';' && sections.size() < 3) {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

bool IsExponentAt(const std::string& s, size_t i) {
    return (s[i] == 'E' || s[i] == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-');
}

struct SectionLayout {
    int integerPlaceholders = 0;
    int minIntegerDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool thousands = false;
    bool scientific = false;
    size_t exponentAt = 0; // where a scientific section's "E+"/"E-" stands, outside quotes
    bool anyPlaceholder = false;
};

SectionLayout Analyse(const std::string& section) {
    SectionLayout layout;
    bool afterPoint = false;
    int firstZero = -1;
    for (size_t i = 0; i < section.size(); ++i) {
        char c = section[i];
        if (IsQuote(c)) {
            size_t close = section.find(c, i + 1);
            i = close == std::string::npos ? section.size() : close;
        } else if (IsExponentAt(section, i)) {
            layout.scientific = true;
            layout.exponentAt = i;
            break;
        } else if (c == '0' || c == '#') {
            layout.anyPlaceholder = true;
            if (afterPoint) {
                ++layout.maxDecimals;
                if (c == '0') layout.minDecimals = layout.maxDecimals;
            } else {
                if (c == '0' && firstZero < 0) firstZero = layout.integerPlaceholders;
                ++layout.integerPlaceholders;
            }
        } else if (c == '.') {
            afterPoint = true;
        } else if (c == ',' && !afterPoint) {
            layout.thousands = true;
        }
    }
    if (firstZero >= 0) layout.minIntegerDigits = layout.integerPlaceholders - firstZero;
    return layout;
}

// The digits a section shows, ready for the emitting pass.
struct Rendered {
    std::string integer;  // without leading zeros; empty for a value below 1
    std::string fraction; // already trimmed to what is shown
    std::string exponent; // "E+05" and the like, for scientific sections
    bool isZero = true;
};

Rendered Render(double magnitude, const SectionLayout& layout, const std::string& section) {
    Rendered r;
    if (layout.scientific) {
        int intDigits = std::max(layout.integerPlaceholders, 1);
        TDecimalDigits d = FloatToDecimal(magnitude, std::min(intDigits + layout.maxDecimals, 18));
        r.isZero = d.Digits.empty();
        std::string digits = d.Digits;
        digits.resize(std::max<size_t>(digits.size(), intDigits + layout.maxDecimals), '0');
        r.integer = digits.substr(0, intDigits);
        r.fraction = digits.substr(intDigits);
        while (static_cast<int>(r.fraction.size()) > layout.minDecimals && r.fraction.back() == '0')
            r.fraction.pop_back();
        int exponent = r.isZero ? 0 : d.Exponent - intDigits;
        const size_t e = layout.exponentAt;
        int expDigits = 0;
        for (size_t i = e + 2; i < section.size() && section[i] == '0'; ++i)
            ++expDigits;
        std::string number = std::to_string(std::abs(exponent));
        if (static_cast<int>(number.size()) < expDigits) number.insert(0, expDigits - number.size(), '0');
        std::string sign = exponent < 0 ? "-" : (section[e + 1] == '+' ? "+" : "");
        r.exponent = std::string(1, section[e]) + sign + number;
        return r;
    }
    TDecimalDigits d = FloatToDecimal(magnitude, 18, layout.maxDecimals);
    r.isZero = d.Digits.empty();
    if (!r.isZero && d.Exponent > 0) {
        r.integer = d.Digits.substr(0, std::min<size_t>(d.Digits.size(), d.Exponent));
        r.integer.append(d.Exponent - r.integer.size(), '0');
    }
    if (!r.isZero) {
        if (d.Exponent < 0) r.fraction.append(-d.Exponent, '0');
        if (static_cast<int>(d.Digits.size()) > std::max(d.Exponent, 0))
            r.fraction += d.Digits.substr(std::max(d.Exponent, 0));
    }
    if (static_cast<int>(r.fraction.size()) < layout.minDecimals)
        r.fraction.append(layout.minDecimals - r.fraction.size(), '0');
    return r;
}

std::string Emit(const std::string& section, const SectionLayout& layout, const Rendered& r) {
    const TFormatSettings& fs = FormatSettings();
    std::string out;
    const int intLength = static_cast<int>(r.integer.size());
    int position = layout.integerPlaceholders; // power of ten of the next integer placeholder, plus one
    int fractionIndex = 0;
    bool afterPoint = false;
    bool integerStarted = false;
    bool afterExponent = false; // placeholders after the exponent's digits stand for nothing

    auto emitIntegerDigit = [&](int power) {
        bool hasDigit = power < intLength;
        if (!hasDigit && power >= layout.minIntegerDigits) return;
        out += hasDigit ? r.integer[intLength - 1 - power] : '0';
        if (layout.thousands && !layout.scientific && power > 0 && power % 3 == 0 && fs.ThousandSeparator)
            out += fs.ThousandSeparator;
    };
    auto emitExtraIntegerDigits = [&]() {
        integerStarted = true;
        for (int power = intLength - 1; power >= layout.integerPlaceholders; --power)
            emitIntegerDigit(power);
    };

    for (size_t i = 0; i < section.size(); ++i) {
        char c = section[i];
        if (IsQuote(c)) {
            size_t close = section.find(c, i + 1);
            size_t end = close == std::string::npos ? section.size() : close;
            out.append(section, i + 1, end - i - 1);
            i = end;
        } else if (IsExponentAt(section, i)) {
            if (!integerStarted) emitExtraIntegerDigits();
            out += r.exponent;
            afterExponent = true;
            i += 2;
            while (i < section.size() && section[i] == '0')
                ++i;
            --i;
        } else if (afterExponent && (c == '0' || c == '#' || c == '.')) {
            continue;
        } else if (c == '0' || c == '#') {
            if (afterPoint) {
                if (fractionIndex < static_cast<int>(r.fraction.size())) out += r.fraction[fractionIndex];
                ++fractionIndex;
            } else {
                if (!integerStarted) emitExtraIntegerDigits();
                emitIntegerDigit(--position);
            }
        } else if (c == '.') {
            if (afterPoint) continue;
            if (!integerStarted) emitExtraIntegerDigits();
            afterPoint = true;
            if (!r.fraction.empty()) out += fs.DecimalSeparator;
        } else if (c == ',') {
            continue;
        } else {
            out += c;
        }
    }
    return out;
}

std::string FormatSection(const std::string& section, double magnitude, bool& isZero) {
    SectionLayout layout = Analyse(section);
    Rendered rendered = Render(magnitude, layout, section);
    isZero = rendered.isZero;
    if (!layout.anyPlaceholder) return section.empty() ? std::string() : Emit(section, layout, Rendered{});
    return Emit(section, layout, rendered);
}

} // namespace

std::string FormatFloat(const std::string& format, double value) {
    if (format.empty() || !std::isfinite(value)) return FloatToStr(value);
    std::vector<std::string> sections = SplitSections(format);
    const bool negative = value < 0;
    const double magnitude = std::fabs(value);
    const bool hasNegativeSection = sections.size() >= 2 && !sections[1].empty();
    const bool hasZeroSection = sections.size() >= 3 && !sections[2].empty();

    bool isZero = true;
    const std::string& section = negative && hasNegativeSection ? sections[1] : sections[0];
    std::string text = FormatSection(section, magnitude, isZero);
    if (isZero && hasZeroSection) return FormatSection(sections[2], 0, isZero);
    if (negative && !hasNegativeSection && !isZero) text.insert(text.begin(), '-');
    return text;
}

} // namespace zorvy
