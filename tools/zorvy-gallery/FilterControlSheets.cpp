// The filter control's photos (see FilterControlSheets.h).
#include "FilterControlSheets.h"

#include "controls/data/DataController.h"
#include "controls/data/Variants.h"
#include "controls/editors/buttons/PushButton.h"
#include "controls/editors/date/DateEditProperties.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/popup/PopupEdit.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/editors/text/TextEditUnit.h"
#include "controls/grid/common/GridUnits.h"
#include "controls/grid/filtercontrol/FilterControl.h"
#include "controls/grid/filtercontrol/FilterControlDialog.h"
#include "controls/grid/filtercontrol/FilterControlViewInfo.h"
#include "controls/grid/filtercontrol/FilterDialog.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"

#include <memory>

namespace zorvy::gallery {
namespace {

class TSampleController : public TcxDataController {
  public:
    using TcxDataController::TcxDataController;
    int GetItemID(TObject* item) const override {
        for (int i = 0; i < GetItemCount(); ++i)
            if (GetItem(i) == item) return i;
        return -1;
    }
};

// The draw table's columns as filterable items: 开奖期号 (text), 红球和值 (number), 开奖日期 (date).
class TSampleLink : public TComponent, public IcxFilterControl {
  public:
    explicit TSampleLink(TComponent* owner) : TComponent(owner), dc(nullptr) {
        Add("开奖期号", &cxStringValueType, std::make_unique<TcxTextEditProperties>(nullptr));
        Add("红球和值", &cxIntegerValueType, std::make_unique<TcxTextEditProperties>(nullptr));
        Add("开奖日期", &cxDateTimeValueType, std::make_unique<TcxDateEditProperties>(nullptr));
    }
    void Add(const std::string& caption, TcxValueTypeClass type, std::unique_ptr<TcxCustomEditProperties> p) {
        links.push_back(std::make_unique<TObject>());
        dc.AddItem(links.back().get())->ChangeValueType(type);
        captions.push_back(caption);
        types.push_back(type);
        props.push_back(std::move(p));
    }
    std::string GetCaption(int index) override { return captions[size_t(index)]; }
    int GetCount() override { return static_cast<int>(links.size()); }
    TcxFilterCriteria* GetCriteria() override { return &dc.GetFilter(); }
    TObject* GetItemLink(int index) override { return links[size_t(index)].get(); }
    std::string GetItemLinkName(int index) override { return captions[size_t(index)]; }
    std::string GetFieldName(int index) override { return captions[size_t(index)]; }
    TcxCustomEditProperties* GetProperties(int index) override { return props[size_t(index)].get(); }
    TcxValueTypeClass GetValueType(int index) override { return types[size_t(index)]; }

    TSampleController dc;
    std::vector<std::unique_ptr<TObject>> links;
    std::vector<std::string> captions;
    std::vector<TcxValueTypeClass> types;
    std::vector<std::unique_ptr<TcxCustomEditProperties>> props;
};

// 开奖期号 like 2026%, and (红球和值 between 90 and 120 or 红球和值 in 60, 70, 80), 开奖日期 is blank.
void FillSample(TSampleLink* link) {
    TcxFilterCriteria& c = link->dc.GetFilter();
    c.AddItem(nullptr, link->GetItemLink(0), ocLike, Variant(std::string("2026%")), "2026%");
    TcxFilterCriteriaItemList* group = c.GetRoot()->AddItemList(goOr);
    c.AddItem(group, link->GetItemLink(1), ocBetween, VarArrayOf({Variant(90), Variant(120)}), "90;120");
    c.AddItem(group, link->GetItemLink(1), ocInList, VarArrayOf({Variant(60), Variant(70), Variant(80)}),
              "60;70;80");
    c.AddItem(nullptr, link->GetItemLink(2), ocEqual, Null(), "blank");
}

std::string PhotoControls(THeadlessDisplay& display, const std::string& folder) {
    std::unique_ptr<TForm> form(new TForm(nullptr));
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 940, 240);
    auto* link = new TSampleLink(form.get());
    FillSample(link);
    auto* linked = new TcxFilterControl(form.get());
    linked->SetParent(form.get());
    linked->SetBounds(8, 8, 560, 224);
    linked->SetLinkComponent(link);
    auto* empty = new TcxFilterControl(form.get());
    empty->SetParent(form.get());
    empty->SetBounds(576, 8, 356, 224);
    form->Show();
    Application->ProcessMessages();
    linked->SetFocus();
    linked->SetFocusedRow(linked->GetRow(3));
    linked->SetFocusedPart(fhtOperator);
    const TRect hot = linked->GetViewInfo()->GetAddConditionRect();
    display.MoveMouse(linked->GetHandle(), (hot.Left + hot.Right) / 2, (hot.Top + hot.Bottom) / 2);
    Application->ProcessMessages();
    const std::string path = folder + "/filter-control.png";
    display.SavePng(form->GetHandle(), path);
    return path;
}

std::string PhotoBuilder(THeadlessDisplay& display, const std::string& folder) {
    TSampleLink link(nullptr);
    FillSample(&link);
    TfmFilterControlDialog dialog(nullptr);
    auto control = std::make_unique<TcxFilterControl>(nullptr);
    control->SetLinkComponent(&link);
    dialog.Initialize(control.get(), {});
    dialog.SetBounds(0, 0, 568, 354);
    dialog.Show();
    Application->ProcessMessages();
    // The button that has the focus paints only on its next repaint.
    dialog.btOpen->Invalidate();
    Application->ProcessMessages();
    const std::string path = folder + "/filter-builder.png";
    display.SavePng(dialog.GetHandle(), path);
    control->SetParent(nullptr);
    return path;
}

std::string PhotoCustomFilter(THeadlessDisplay& display, const std::string& folder) {
    TSampleLink link(nullptr);
    TcxFilterCriteria& c = link.dc.GetFilter();
    TcxFilterCriteriaItemList* group = c.GetRoot()->AddItemList(goOr);
    c.AddItem(group, link.GetItemLink(0), ocLike, Variant(std::string("2026%")), "2026%");
    c.AddItem(group, link.GetItemLink(0), ocEqual, Variant(std::string("2025001")), "2025001");
    TcxFilterDialog dialog(&c, nullptr, nullptr, link.GetValueType(0), link.GetCaption(0), link.GetProperties(0),
                           link.GetItemLink(0));
    dialog.Position = poDesigned;
    dialog.SetLeft(0);
    dialog.SetTop(0);
    dialog.Show();
    Application->ProcessMessages();
    const std::string path = folder + "/custom-filter.png";
    display.SavePng(dialog.GetHandle(), path);
    return path;
}

} // namespace

std::vector<std::string> DrawFilterControlSheets(THeadlessDisplay& display, const std::string& folder) {
    InitializeForms();
    InitializeEditUnit();
    InitializeTextEditUnit();
    InitializePopupEditUnit();
    InitializeDateEditUnit();
    InitializeGridUnits();
    std::vector<std::string> paths = {PhotoControls(display, folder), PhotoBuilder(display, folder),
                                      PhotoCustomFilter(display, folder)};
    FinalizeGridUnits();
    FinalizeDateEditUnit();
    FinalizePopupEditUnit();
    FinalizeTextEditUnit();
    FinalizeForms();
    return paths;
}

} // namespace zorvy::gallery
