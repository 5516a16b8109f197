// Edit masks and the texts fitted into them: any mask compiles, and a fitted text always has one whole
// character per position, whatever bytes the mask or the text hold, and no control character in an input
// position. Nothing here may raise.
#include "controls/editors/mask/StandardMask.h"
#include "fuzz/FuzzSupport.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const bool converted = in.ConsumeBool();
    const bool holdsLiterals = in.ConsumeBool();
    const std::string maskText = in.ConsumeRandomLengthString(64);
    const std::string text = in.ConsumeRemainingBytesAsString();

    TcxStandardMask mask;
    mask.Prepare(maskText);
    const size_t count = static_cast<size_t>(mask.GetCount());
    fuzz::Require(SplitMaskChars(mask.GetEmptyText()).size() == count, "empty text length");

    std::string fitted = text;
    mask.Format(fitted, converted, holdsLiterals);
    fuzz::Require(SplitMaskChars(fitted).size() == count, "fitted text length");
    mask.IsValid(fitted);
    mask.IsValid(text);
    // An input position shows what one line can show: a control character only as the mask's blank.
    const std::vector<std::string> positions = SplitMaskChars(fitted);
    for (size_t i = 0; i < count; ++i) {
        const unsigned char c = static_cast<unsigned char>(positions[i][0]);
        if (!mask.IsLiteral(static_cast<int>(i)) && positions[i].size() == 1 && (c < 0x20 || c == 0x7F))
            fuzz::Require(positions[i] == mask.GetBlank(), "an input position holds a control character");
    }

    std::string value = fitted;
    mask.ExtractValue(value);
    // The value fitted again is the fitted text (the value holds the literals only when they are saved).
    std::string again = value;
    mask.Format(again, converted, mask.GetSaveLiteralCharacters());
    // (An any-character position takes the space an empty position gives back, so only masks without
    // one are held to this.)
    bool anyCharacter = false;
    for (int i = 0; i < mask.GetCount(); ++i)
        anyCharacter = anyCharacter || dynamic_cast<TcxStandardMaskASCIIItem*>(mask.GetItem(i)) != nullptr;
    if (converted && !mask.GetLeading() && !anyCharacter)
        fuzz::Require(again == fitted, "value does not fit back");
    return 0;
}
