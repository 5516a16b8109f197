// The "Data" property a grid data controller reads from a form, on fuzzed bytes: a size that the
// stream cannot hold is refused before anything is allocated, and records that do not load leave
// the controller as it was, its buffer freed either way.
#include "controls/grid/table/DataBinding.h"
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/Streams.h"

using namespace zorvy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TcxGridDataController controller(nullptr);
    controller.AddItem(nullptr);
    controller.AddItem(nullptr);
    TMemoryStream stream;
    if (size > 0) stream.WriteBuffer(data, static_cast<int64_t>(size));
    stream.SetPosition(0);
    fuzz::Try([&] { controller.ReadData(stream); });
    fuzz::Require(stream.GetPosition() <= static_cast<int64_t>(size), "read beyond the stream");
    const int before = controller.GetRecordCount();
    bool loaded = false;
    fuzz::Try([&] {
        controller.Loaded();
        loaded = true;
    });
    fuzz::Require(!controller.HasLoadedData(), "the buffer outlived Loaded");
    fuzz::Require(loaded || controller.GetRecordCount() == before, "a refused stream changed the records");
    return 0;
}
