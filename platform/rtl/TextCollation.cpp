#include "platform/rtl/TextCollation.h"
#include "platform/rtl/Numbers.h"

#include <cstdlib>
#include <memory>
#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace zorvy {

namespace {

icu::UnicodeString FromUtf8(std::string_view text) {
    return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
}

std::string ToUtf8(const icu::UnicodeString& text) {
    std::string out;
    text.toUTF8String(out);
    return out;
}

std::string LocaleName() {
    for (const char* name : {"LC_ALL", "LC_COLLATE", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) {
            std::string locale(value);
            return locale.substr(0, locale.find('.'));
        }
    }
    return "en_US";
}

// Collators for case-sensitive and case-insensitive comparison; their compare is const and
// safe to share.
struct Collators {
    std::unique_ptr<icu::Collator> exact;
    std::unique_ptr<icu::Collator> ignoringCase;

    Collators() {
        UErrorCode status = U_ZERO_ERROR;
        icu::Locale locale(LocaleName().c_str());
        exact.reset(icu::Collator::createInstance(locale, status));
        if (U_FAILURE(status)) exact.reset();
        status = U_ZERO_ERROR;
        ignoringCase.reset(icu::Collator::createInstance(locale, status));
        if (U_FAILURE(status))
            ignoringCase.reset();
        else
            ignoringCase->setStrength(icu::Collator::SECONDARY);
    }
};

const Collators& TheCollators() {
    static Collators collators;
    return collators;
}

} // namespace

std::string UnicodeUpper(std::string_view text) {
    return ToUtf8(FromUtf8(text).toUpper(icu::Locale::getRoot()));
}
std::string UnicodeLower(std::string_view text) {
    return ToUtf8(FromUtf8(text).toLower(icu::Locale::getRoot()));
}
std::string UnicodeFold(std::string_view text) {
    return ToUtf8(FromUtf8(text).foldCase());
}

int LocaleCompare(std::string_view a, std::string_view b, bool ignoreCase) {
    const icu::Collator* collator =
        ignoreCase ? TheCollators().ignoringCase.get() : TheCollators().exact.get();
    if (collator) {
        UErrorCode status = U_ZERO_ERROR;
        UCollationResult result =
            collator->compareUTF8(icu::StringPiece(a.data(), static_cast<int32_t>(a.size())),
                                  icu::StringPiece(b.data(), static_cast<int32_t>(b.size())), status);
        if (U_SUCCESS(status) && result != UCOL_EQUAL) return result == UCOL_LESS ? -1 : 1;
    }
    // Texts the collation sees as equal still differ unless they really are the same.
    if (ignoreCase) return Sign(int64_t{UnicodeFold(a).compare(UnicodeFold(b))});
    return Sign(int64_t{a.compare(b)});
}

} // namespace zorvy
