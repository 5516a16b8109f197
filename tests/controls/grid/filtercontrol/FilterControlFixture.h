#pragma once
// A filter control on a headless form, linked to a component whose items are the fields of a real
// data controller (Name: string, Count: integer, Day: date) and whose criteria is the controller's
// filter, so applying filters real records.
#include "controls/data/DataController.h"
#include "controls/data/DataFilter.h"
#include "controls/editors/date/DateEditProperties.h"
#include "controls/editors/popup/PopupEdit.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/editors/text/TextEditUnit.h"
#include "controls/grid/filtercontrol/FilterControl.h"
#include "controls/grid/filtercontrol/FilterControlViewInfo.h"
#include "platform/win/Input.h"
#include "platform/win/VirtualKeys.h"
#include "tests/controls/editors/EditorsFixture.h"

#include <memory>
#include <string>
#include <vector>

namespace zorvy::test {

// Items answer their position as their ID, as a view's items do, so criteria copy between the
// controller's filter and the filter control.
class TTestDataController : public TcxDataController {
  public:
    using TcxDataController::TcxDataController;
    int GetItemID(TObject* item) const override {
        for (int i = 0; i < GetItemCount(); ++i)
            if (GetItem(i) == item) return i;
        return -1;
    }
};

class TTestFilterLink : public TComponent, public IcxFilterControl {
  public:
    explicit TTestFilterLink(TComponent* owner) : TComponent(owner), dc(nullptr) {
        AddItem("Name", &cxStringValueType, std::make_unique<TcxTextEditProperties>(nullptr));
        AddItem("Count", &cxIntegerValueType, std::make_unique<TcxTextEditProperties>(nullptr));
        AddItem("Day", &cxDateTimeValueType, std::make_unique<TcxDateEditProperties>(nullptr));
    }
    void AddItem(const std::string& caption, TcxValueTypeClass type,
                 std::unique_ptr<TcxCustomEditProperties> properties) {
        links.push_back(std::make_unique<TObject>());
        dc.AddItem(links.back().get())->ChangeValueType(type);
        captions.push_back(caption);
        types.push_back(type);
        props.push_back(std::move(properties));
    }
    void AddRecord(const std::string& name, int count) {
        const int r = dc.AppendRecord();
        dc.SetValue(r, 0, Variant(name));
        dc.SetValue(r, 1, Variant(count));
    }

    std::string GetCaption(int index) override { return captions[size_t(index)]; }
    int GetCount() override { return static_cast<int>(links.size()); }
    TcxFilterCriteria* GetCriteria() override { return &dc.GetFilter(); }
    TObject* GetItemLink(int index) override { return links[size_t(index)].get(); }
    std::string GetItemLinkName(int index) override { return captions[size_t(index)]; }
    std::string GetFieldName(int index) override { return captions[size_t(index)]; }
    TcxCustomEditProperties* GetProperties(int index) override { return props[size_t(index)].get(); }
    TcxValueTypeClass GetValueType(int index) override { return types[size_t(index)]; }

    TTestDataController dc;
    std::vector<std::unique_ptr<TObject>> links;
    std::vector<std::string> captions;
    std::vector<TcxValueTypeClass> types;
    std::vector<std::unique_ptr<TcxCustomEditProperties>> props;
};

class FilterControlTest : public EditorsTest {
  protected:
    FilterControlTest() {
        InitializeTextEditUnit();
        InitializePopupEditUnit();
        InitializeDateEditUnit();
        form = NewForm(500, 300);
        link = new TTestFilterLink(form);
        control = new TcxFilterControl(form);
        control->SetParent(form);
        control->SetBounds(0, 0, 500, 300);
        form->Show();
        Pump();
    }
    ~FilterControlTest() override {
        delete form;
        FinalizeDateEditUnit();
        FinalizePopupEditUnit();
        FinalizeTextEditUnit();
    }
    void Link() { control->SetLinkComponent(link); }
    TcxConditionViewInfo* Condition(int row) { return static_cast<TcxConditionViewInfo*>(control->GetRow(row)); }
    void Key(std::uint16_t vk, bool ctrl = false) {
        if (!control->IsFocusedOrEditing()) control->SetFocus();
        if (ctrl) InjectKey(VK_CONTROL, true);
        InjectKey(vk, true);
        InjectKey(vk, false);
        if (ctrl) InjectKey(VK_CONTROL, false);
        Pump();
    }
    TForm* form;
    TTestFilterLink* link;
    TcxFilterControl* control;
};

} // namespace zorvy::test
