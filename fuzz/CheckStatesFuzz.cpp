// Stored check states (captions with their lengths, indices, an integer, a text of state digits) read
// against a few items: a read never raises, and what it read writes back to a value that reads the same.
#include "controls/editors/checks/CheckStates.h"
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/Strings.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace zorvy;

namespace {

class TItems : public IcxCheckItemCaptions {
  public:
    std::vector<std::string> captions;
    std::string GetCaption(int index) const override { return captions[index]; }
    int GetCount() const override { return static_cast<int>(captions.size()); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const auto format = static_cast<TcxCheckStatesValueFormat>(in.ConsumeIntegralInRange(0, 3));
    TItems items;
    const int count = in.ConsumeIntegralInRange(0, 70);
    for (int i = 0; i < count; ++i) items.captions.push_back(in.ConsumeRandomLengthString(8));
    const std::string text = in.ConsumeRemainingBytesAsString();

    TcxCheckStates states;
    EditValueToCheckStates(Variant(text), items, format, states);
    fuzz::Require(static_cast<int>(states.size()) == count, "states not sized to the items");

    // Captions that two items share (in any case) cannot tell those items apart.
    bool distinct = true;
    for (int i = 0; i < count && distinct; ++i)
        for (int j = i + 1; j < count && distinct; ++j)
            distinct = AnsiCompareText(items.captions[i], items.captions[j]) != 0;
    if (format == cvfCaptions && !distinct) return 0;

    Variant value;
    fuzz::Try([&] { CheckStatesToEditValue(states, items, format, value); });
    TcxCheckStates again;
    const bool parsed = EditValueToCheckStates(value, items, format, again);
    fuzz::Require(parsed && again == states, "written states do not read back");
    return 0;
}
