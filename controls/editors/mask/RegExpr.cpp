// TcxRegExpr: compiling, the errors, and the matching interface over the automaton.
#include "controls/editors/mask/RegExprInternal.h"
#include "platform/rtl/Encoding.h"
#include "platform/rtl/ResourceStrings.h"

namespace zorvy {

ZORVY_RESOURCESTRING(scxRegExprLine, "Line");
ZORVY_RESOURCESTRING(scxRegExprChar, "Char");
ZORVY_RESOURCESTRING(scxRegExprEmptySourceStream, "The source stream is empty");
ZORVY_RESOURCESTRING(scxRegExprNotCompiled, "Regular expression is not compiled");

std::u32string RegExprChars(const std::string& text) {
    std::u32string chars;
    const std::u16string wide = Utf8ToUtf16(text);
    for (size_t i = 0; i < wide.size(); ++i) {
        char32_t c = wide[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00);
        chars += c;
    }
    return chars;
}

std::string RegExprText(const std::u32string& chars) {
    std::string text;
    for (char32_t c : chars) text += CodePointToUtf8(c);
    return text;
}

std::string TcxRegExprError::MessageWithPosition() const {
    if (Line <= 0) return Message;
    std::string text = ResolveResourceString(scxRegExprLine) + std::to_string(Line);
    if (Column > 0) text += ", " + ResolveResourceString(scxRegExprChar) + std::to_string(Column);
    return text + ": " + Message;
}

EcxRegExprError::EcxRegExprError(const TcxRegExprErrors& errors)
    : EcxEditError(errors.empty() ? std::string() : errors.front().MessageWithPosition()), errors_(errors) {}

TcxRegExpr::TcxRegExpr() = default;
TcxRegExpr::~TcxRegExpr() = default;

void TcxRegExpr::AddError(int line, int column, std::string message) {
    errors_.emplace_back(line, column, std::move(message));
}

void TcxRegExpr::Clear() {
    source_.clear();
    errors_.clear();
    lexems_.clear();
    automat_.reset();
    compiled_ = false;
}

void TcxRegExpr::Compile(const std::string& source) {
    Clear();
    source_ = source;
    const std::u32string chars = RegExprChars(source);
    if (std::all_of(chars.begin(), chars.end(), [](char32_t c) {
            return c == U' ' || c == 0 || c == U'\t' || c == U'\n' || c == U'\f' || c == U'\r';
        })) {
        AddError(0, 0, ResolveResourceString(scxRegExprEmptySourceStream));
        throw EcxRegExprError(errors_);
    }
    Scan();
    if (!errors_.empty()) throw EcxRegExprError(errors_);
    Build();
    if (!errors_.empty()) throw EcxRegExprError(errors_);
    compiled_ = true;
    if (updateOn_) automat_->AutoComplete(OnSymbolUpdate);
}

void TcxRegExpr::CheckCompiled() const {
    if (!compiled_) throw EcxEditError(ResolveResourceString(scxRegExprNotCompiled));
}

bool TcxRegExpr::ConsumeChar(char32_t& c) {
    CheckCompiled();
    if (!automat_->Next(c, caseInsensitive_)) return false;
    if (updateOn_ && !automat_->IsFinal()) automat_->AutoComplete(OnSymbolUpdate);
    return true;
}

bool TcxRegExpr::ConsumeChar(std::string& character) {
    const std::u32string chars = RegExprChars(character);
    if (chars.size() != 1) {
        CheckCompiled();
        return false;
    }
    char32_t c = chars[0];
    if (!ConsumeChar(c)) return false;
    character = CodePointToUtf8(c);
    return true;
}

std::string TcxRegExpr::ConsumeText(const std::string& text) {
    CheckCompiled();
    std::string accepted;
    for (char32_t c : RegExprChars(text)) {
        char32_t tried = c;
        if (automat_->Next(tried, caseInsensitive_)) accepted += CodePointToUtf8(c);
    }
    return accepted;
}

bool TcxRegExpr::UnconsumeChar() {
    CheckCompiled();
    if (updateOn_) automat_->RollBackForced(OnSymbolDelete);
    return automat_->Prev();
}

void TcxRegExpr::Restart() {
    CheckCompiled();
    automat_->Reset();
}

bool TcxRegExpr::InputComplete() const {
    CheckCompiled();
    return automat_->IsFinal();
}

bool TcxRegExpr::NothingConsumed() const {
    CheckCompiled();
    return automat_->IsStart();
}

void TcxRegExpr::SetUpdateOn(bool value) {
    updateOn_ = value;
    if (value && compiled_) automat_->AutoComplete(OnSymbolUpdate);
}

} // namespace zorvy
