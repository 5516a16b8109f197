// The data controller's record stream on fuzzed bytes. A stream that loads writes back to bytes
// that load to the same records; one that does not leaves the records as they were.
#include "controls/data/DataController.h"
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/Streams.h"

#include <memory>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

// Items of a string (display texts stored), an integer and a variant value type.
struct Controller {
    Controller() : dc(nullptr) {
        for (TcxValueTypeClass type : {&cxStringValueType, &cxIntegerValueType, &cxVariantValueType}) {
            items.push_back(std::make_unique<TObject>());
            dc.AddItem(items.back().get())->ChangeValueType(type);
        }
        dc.ChangeItemTextStored(0, true);
    }
    std::string Saved() {
        TStringStream stream;
        dc.SaveToStream(stream);
        return stream.DataString();
    }
    std::vector<std::unique_ptr<TObject>> items;
    TcxDataController dc;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Controller controller;
    int r = controller.dc.AppendRecord();
    controller.dc.SetValue(r, 0, "kept");
    controller.dc.SetValue(r, 1, 7);
    controller.dc.SetItemSortOrder(1, soAscending);
    const std::string before = controller.Saved();
    bool loaded = false;
    fuzz::Try([&] {
        TStringStream stream(bytes);
        controller.dc.LoadFromStream(stream);
        loaded = true;
    });
    if (!loaded) {
        fuzz::Require(controller.Saved() == before, "a failed load changed the records");
        return 0;
    }
    // A loaded value may have no text (a date out of range): that is an error, not a crash.
    fuzz::Try([&] {
        for (int row = 0; row < controller.dc.GetRowCount(); ++row)
            controller.dc.GetDisplayText(controller.dc.GetRowInfo(row).RecordIndex, 2);
    });
    const std::string once = controller.Saved();
    Controller copy;
    TStringStream stream(once);
    copy.dc.LoadFromStream(stream);
    fuzz::Require(copy.Saved() == once, "records loaded from their own stream differ");
    return 0;
}
