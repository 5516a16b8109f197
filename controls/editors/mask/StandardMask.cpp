// Compiling, fitting, extracting and validating the classic edit mask.
#include "controls/editors/mask/StandardMask.h"

#include "platform/rtl/Encoding.h"
#include "platform/rtl/FormatSettings.h"

#include <algorithm>

namespace zorvy {

namespace {

bool IsAsciiDigit(std::string_view c) {
    return c.size() == 1 && c[0] >= '0' && c[0] <= '9';
}

bool IsAsciiLetter(std::string_view c) {
    return c.size() == 1 && ((c[0] >= 'A' && c[0] <= 'Z') || (c[0] >= 'a' && c[0] <= 'z'));
}

} // namespace

std::string JoinMaskChars(const std::vector<std::string>& chars) {
    std::string text;
    for (const std::string& c : chars) text += c;
    return text;
}

std::vector<std::string> SplitMaskChars(std::string_view text) {
    // Broken sequences become whole replacement characters first, so that characters joined again
    // never merge into a different character.
    std::string sanitized;
    if (!IsValidUtf8(text)) {
        sanitized = SanitizeUtf8(text);
        text = sanitized;
    }
    std::vector<std::string> chars;
    for (size_t i = 0; i < text.size();) {
        const size_t next = NextCharIndex(text, i);
        chars.emplace_back(text.substr(i, next - i));
        i = next;
    }
    return chars;
}

// ---- position items ----

bool TcxStandardMaskManyItem::Check(std::string& character) const {
    const bool accepted = Accepts(character);
    ApplyCase(character);
    return accepted;
}

void TcxStandardMaskManyItem::ApplyCase(std::string& character) const {
    if (character.size() != 1) return;
    char& c = character[0];
    if (CaseRule == mcrUpper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (CaseRule == mcrLower && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
}

bool TcxStandardMaskAlphaItem::Accepts(std::string_view character) const {
    return IsAsciiLetter(character);
}

bool TcxStandardMaskAlphaNumericItem::Accepts(std::string_view character) const {
    return IsAsciiLetter(character) || IsAsciiDigit(character);
}

bool TcxStandardMaskASCIIItem::Accepts(std::string_view character) const {
    if (character.size() != 1) return true;
    const unsigned char c = static_cast<unsigned char>(character[0]);
    return c >= 0x20 && c != 0x7F;
}

bool TcxStandardMaskNumericItem::Accepts(std::string_view character) const {
    return IsAsciiDigit(character);
}

bool TcxStandardMaskNumericSymbolItem::Accepts(std::string_view character) const {
    return IsAsciiDigit(character) || character == "+" || character == "-";
}

// ---- the mask ----

TcxStandardMask::TcxStandardMask() = default;
TcxStandardMask::~TcxStandardMask() = default;

void TcxStandardMask::Clear() {
    items_.clear();
    blank_ = "_";
    saveLiteralCharacters_ = true;
    leading_ = false;
}

void TcxStandardMask::Prepare(const std::string& mask) {
    Clear();
    maskText_ = mask;
    std::string rest = mask;
    CheckLeading(rest);
    Compile(rest);
}

void TcxStandardMask::CheckLeading(std::string& mask) {
    leading_ = !mask.empty() && mask[0] == '!';
    if (leading_) mask.erase(0, 1);
}

void TcxStandardMask::Compile(const std::string& mask) {
    const std::vector<std::string> chars = SplitMaskChars(mask);
    const size_t n = chars.size();
    TcxStandardMaskCaseRule rule = mcrUnchanged;
    auto literal = [this](std::string c) { items_.push_back(std::make_unique<TcxStandardMaskLiteralItem>(std::move(c))); };
    for (size_t i = 0; i < n; ++i) {
        const std::string& c = chars[i];
        if (c.size() != 1) {
            literal(c);
            continue;
        }
        switch (c[0]) {
        case 'L': items_.push_back(std::make_unique<TcxStandardMaskAlphaItem>(rule, false)); break;
        case 'l': items_.push_back(std::make_unique<TcxStandardMaskAlphaItem>(rule, true)); break;
        case 'A': items_.push_back(std::make_unique<TcxStandardMaskAlphaNumericItem>(rule, false)); break;
        case 'a': items_.push_back(std::make_unique<TcxStandardMaskAlphaNumericItem>(rule, true)); break;
        case 'C': items_.push_back(std::make_unique<TcxStandardMaskASCIIItem>(rule, false)); break;
        case 'c': items_.push_back(std::make_unique<TcxStandardMaskASCIIItem>(rule, true)); break;
        case '0': items_.push_back(std::make_unique<TcxStandardMaskNumericItem>(rule, false)); break;
        case '9': items_.push_back(std::make_unique<TcxStandardMaskNumericItem>(rule, true)); break;
        case '#': items_.push_back(std::make_unique<TcxStandardMaskNumericSymbolItem>(rule, true)); break;
        case '>': rule = mcrUpper; break;
        case '<':
            if (i + 1 < n && chars[i + 1] == ">") {
                rule = mcrUnchanged;
                ++i;
            } else {
                rule = mcrLower;
            }
            break;
        case ':': literal(std::string(1, FormatSettings().TimeSeparator)); break;
        case '/': literal(std::string(1, FormatSettings().DateSeparator)); break;
        case '\\':
            if (i + 1 < n) literal(chars[++i]);
            break;
        case ';': {
            const size_t following = n - i - 1;
            const bool flag = following >= 1 && (chars[i + 1] == "0" || chars[i + 1] == "1");
            if (flag && following == 3 && chars[i + 2] == ";") {
                saveLiteralCharacters_ = chars[i + 1] != "0";
                blank_ = chars[i + 3];
                return;
            }
            if (flag && following == 1) {
                saveLiteralCharacters_ = chars[i + 1] != "0";
                return;
            }
            literal(c);
            break;
        }
        default: literal(c); break;
        }
    }
}

bool TcxStandardMask::IsLiteral(int index) const {
    return dynamic_cast<const TcxStandardMaskLiteralItem*>(items_[index].get()) != nullptr;
}

std::string TcxStandardMask::GetEmptyText() const {
    std::string text;
    for (int i = 0; i < GetCount(); ++i) {
        if (auto* item = dynamic_cast<const TcxStandardMaskLiteralItem*>(items_[i].get()))
            text += item->Literal;
        else
            text += blank_;
    }
    return text;
}

std::string TcxStandardMask::GetEmptyValue() const {
    std::string text;
    for (int i = 0; i < GetCount(); ++i) {
        if (auto* item = dynamic_cast<const TcxStandardMaskLiteralItem*>(items_[i].get())) {
            if (saveLiteralCharacters_) text += item->Literal;
        } else {
            text += ' ';
        }
    }
    return text;
}

void TcxStandardMask::Format(std::string& text, bool useConvertedCharacters, bool textHoldsLiterals) const {
    std::vector<std::string> result = SplitMaskChars(GetEmptyText());
    const std::vector<std::string> chars = SplitMaskChars(text);
    const int count = GetCount();
    const int n = static_cast<int>(chars.size());
    const int step = leading_ ? -1 : 1;
    const bool skipLiterals = !saveLiteralCharacters_ && !textHoldsLiterals;
    int position = leading_ ? count - 1 : 0;
    for (int k = 0; k < n; ++k) {
        const std::string& original = chars[leading_ ? n - 1 - k : k];
        for (int p = position; p >= 0 && p < count; p += step) {
            const bool literal = IsLiteral(p);
            if (skipLiterals && literal) continue;
            std::string converted = original;
            if (items_[p]->Check(converted)) {
                result[p] = useConvertedCharacters ? converted : original;
                position = p + step;
                break;
            }
            if (!literal && IsBlankOrSpace(original)) {
                position = p + step;
                break;
            }
        }
    }
    text = JoinMaskChars(result);
}

void TcxStandardMask::ExtractValue(std::string& text) const {
    const std::vector<std::string> chars = SplitMaskChars(text);
    const int n = std::min(GetCount(), static_cast<int>(chars.size()));
    std::string value;
    for (int i = 0; i < n; ++i) {
        if (IsLiteral(i)) {
            if (saveLiteralCharacters_) value += chars[i];
        } else {
            value += chars[i] == blank_ ? std::string(" ") : chars[i];
        }
    }
    text = std::move(value);
}

bool TcxStandardMask::IsValid(const std::string& text) const {
    const std::vector<std::string> chars = SplitMaskChars(text);
    if (static_cast<int>(chars.size()) != GetCount()) return false;
    for (int i = 0; i < GetCount(); ++i) {
        std::string copy = chars[i];
        if (items_[i]->Check(copy)) continue;
        auto* input = dynamic_cast<const TcxStandardMaskManyItem*>(items_[i].get());
        if (!(input && input->Optional && IsBlankOrSpace(chars[i]))) return false;
    }
    return true;
}

} // namespace zorvy
