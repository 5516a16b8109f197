// A filter file read by the filter control: a file that does not read leaves the control's filter
// exactly as it was, and one that reads saves and reads back to the same bytes.
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/text/TextEditUnit.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "controls/grid/filtercontrol/FilterControl.h"
#include "fuzz/FuzzSupport.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"
#include "platform/rtl/Streams.h"

#include <memory>
#include <string>

using namespace zorvy;

namespace {

// Three items named A, B and C; values are typed as text.
class TFuzzLink : public TComponent, public IcxFilterControl {
  public:
    TFuzzLink() : TComponent(nullptr) {
        for (auto& item : items) item = std::make_unique<TObject>();
    }
    std::string GetCaption(int index) override { return std::string(1, char('A' + index)); }
    int GetCount() override { return 3; }
    TcxFilterCriteria* GetCriteria() override { return nullptr; }
    TObject* GetItemLink(int index) override { return items[index].get(); }
    std::string GetItemLinkName(int index) override { return GetCaption(index); }
    std::string GetFieldName(int index) override { return GetCaption(index); }
    TcxCustomEditProperties* GetProperties(int) override { return nullptr; }
    TcxValueTypeClass GetValueType(int index) override { return index == 0 ? &cxStringValueType : &cxIntegerValueType; }
    std::unique_ptr<TObject> items[3];
};

struct TWorld {
    TWorld() {
        InitializeForms();
        InitializeFoundationUnits();
        InitializeEditUnit();
        InitializeTextEditUnit();
        control = new TcxFilterControl(nullptr);
        control->SetLinkComponent(&link);
    }
    std::string Saved() {
        TStringStream out;
        control->SaveToStream(out);
        return out.DataString();
    }
    THeadlessDisplay display;
    TFuzzLink link;
    TcxFilterControl* control;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TWorld world;
    const std::string before = world.Saved();
    TStringStream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        world.control->LoadFromStream(in);
    } catch (const Exception&) {
        fuzz::Require(world.Saved() == before, "a refused file changed the filter");
        return 0;
    }
    // A file's first reading may fit its values to their operators; from then on it is stable.
    const std::string fitted = world.Saved();
    TStringStream once(fitted);
    world.control->LoadFromStream(once);
    const std::string saved = world.Saved();
    TStringStream again(saved);
    world.control->LoadFromStream(again);
    fuzz::Require(world.Saved() == saved, "a saved filter did not read back the same");
    return 0;
}
