#pragma once
// A concrete filter criteria over a small table of rows: conditions link to fields by pointer,
// fields have a persistent ID, a name and a caption.
#include "controls/data/FilterCriteria.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy::test {

struct FilterField : TObject {
    FilterField(int id, std::string name, std::string caption, int column)
        : ID(id), Name(std::move(name)), Caption(std::move(caption)), Column(column) {}
    int ID;
    std::string Name;
    std::string Caption;
    int Column;
};

class TableCriteria : public TcxFilterCriteria {
  public:
    TableCriteria() = default;

    FilterField* AddField(int id, const std::string& name, const std::string& caption = "") {
        int column = static_cast<int>(fields_.size());
        fields_.push_back(std::make_unique<FilterField>(id, name, caption.empty() ? name : caption, column));
        return fields_.back().get();
    }
    void AddRow(std::vector<Variant> row) { rows_.push_back(std::move(row)); }
    std::vector<Variant>& Row(int index) { return rows_.at(static_cast<size_t>(index)); }
    void ClearRows() { rows_.clear(); }
    // The records that pass, in order.
    std::vector<int> Passing() const {
        std::vector<int> result;
        for (int i = 0; i < static_cast<int>(rows_.size()); ++i)
            if (RecordPasses(i)) result.push_back(i);
        return result;
    }

    int GetIDByItemLink(TObject* link) const override {
        return link ? static_cast<FilterField*>(link)->ID : -1;
    }
    std::string GetNameByItemLink(TObject* link) const override {
        return link ? static_cast<FilterField*>(link)->Name : std::string();
    }
    TObject* GetItemLinkByID(int id) const override {
        for (const auto& f : fields_)
            if (f->ID == id) return f.get();
        return nullptr;
    }
    TObject* GetItemLinkByName(const std::string& name) const override {
        for (const auto& f : fields_)
            if (f->Name == name) return f.get();
        return nullptr;
    }
    TcxFilterCriteriaItem* CreateItem(TcxFilterCriteriaItemList* parent) override { return new Item(parent); }

  private:
    class Item : public TcxFilterCriteriaItem {
      public:
        using TcxFilterCriteriaItem::TcxFilterCriteriaItem;
        void GetDataValue(int recordIndex, Variant& value) const override {
            auto* criteria = static_cast<const TableCriteria*>(GetCriteria());
            value =
                criteria->rows_.at(static_cast<size_t>(recordIndex)).at(static_cast<size_t>(Field()->Column));
        }
        std::string GetFieldCaption() const override { return Field()->Caption; }
        std::string GetFieldName() const override { return Field()->Name; }

      private:
        FilterField* Field() const { return static_cast<FilterField*>(GetItemLink()); }
    };

    std::vector<std::unique_ptr<FilterField>> fields_;
    std::vector<std::vector<Variant>> rows_;
};

} // namespace zorvy::test
