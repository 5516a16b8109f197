// The filter criteria stream on fuzzed bytes. A stream that reads whole writes back to bytes that
// read to the same criteria; one that does not leaves the criteria as they were.
#include "controls/data/FilterCriteria.h"
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/Streams.h"

#include <memory>
#include <string>
#include <vector>

using namespace zorvy;

namespace {

struct Field : TObject {
    int ID = 0;
    std::string Name;
};

// Ten fields, IDs 0..9, the even ones named "F<id>".
class Criteria : public TcxFilterCriteria {
  public:
    Criteria() {
        for (int i = 0; i < 10; ++i) {
            fields_.push_back(std::make_unique<Field>());
            fields_.back()->ID = i;
            if (i % 2 == 0) fields_.back()->Name = "F" + std::to_string(i);
        }
        SetVersion(3);
    }
    int GetIDByItemLink(TObject* link) const override { return static_cast<Field*>(link)->ID; }
    std::string GetNameByItemLink(TObject* link) const override { return static_cast<Field*>(link)->Name; }
    TObject* GetItemLinkByID(int id) const override {
        return id >= 0 && id < 10 ? fields_[static_cast<size_t>(id)].get() : nullptr;
    }
    TObject* GetItemLinkByName(const std::string& name) const override {
        for (const auto& f : fields_)
            if (!f->Name.empty() && f->Name == name) return f.get();
        return nullptr;
    }
    TcxFilterCriteriaItem* CreateItem(TcxFilterCriteriaItemList* parent) override { return new Item(parent); }

  private:
    class Item : public TcxFilterCriteriaItem {
      public:
        using TcxFilterCriteriaItem::TcxFilterCriteriaItem;
        void GetDataValue(int, Variant& value) const override { value = Variant::Null(); }
        std::string GetFieldCaption() const override { return "C"; }
        std::string GetFieldName() const override { return "N"; }
    };
    std::vector<std::unique_ptr<Field>> fields_;
};

std::string Saved(Criteria& criteria) {
    TStringStream stream;
    criteria.SaveToStream(stream);
    return stream.DataString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Criteria criteria;
    criteria.AddItem(nullptr, criteria.GetItemLinkByID(2), ocLess, 5, "5");
    const std::string before = Saved(criteria);
    bool read = false;
    fuzz::Try([&] {
        TStringStream stream(bytes);
        criteria.ReadFromStream(stream);
        read = true;
    });
    if (!read) {
        fuzz::Require(Saved(criteria) == before, "a failed read changed the criteria");
        return 0;
    }
    fuzz::Try([&] {
        criteria.GetFilterText();
        criteria.GetFilterCaption();
        criteria.RecordPasses(0);
    });
    const std::string once = Saved(criteria);
    Criteria copy;
    TStringStream stream(once);
    copy.ReadFromStream(stream);
    fuzz::Require(Saved(copy) == once, "criteria read back from their own stream differ");
    return 0;
}
