// The filter control and the Filter builder, each beside a plain baseline in the same run:
// - FilterRefresh: a control of 100 condition rows lays itself out and paints; baseline: filling
//   and copying a bitmap of the control's size.
// - FilterHover: the mouse moves between the values of two rows (each move repaints the rows whose
//   look changed); baseline: the full refresh above.
// - BuilderOpen: a Filter builder on a filter of 20 conditions is made, shown, painted and freed;
//   baseline: a plain form of the same size shown and freed.
#include "bench/TimedLoop.h"
#include "controls/editors/framework/EditUnit.h"
#include "controls/editors/popup/PopupEdit.h"
#include "controls/editors/text/TextEdit.h"
#include "controls/editors/text/TextEditUnit.h"
#include "controls/foundation/graphics/Canvas.h"
#include "controls/foundation/services/FoundationUnits.h"
#include "controls/grid/common/GridUnits.h"
#include "controls/grid/filtercontrol/FilterControl.h"
#include "controls/grid/filtercontrol/FilterControlDialog.h"
#include "controls/grid/filtercontrol/FilterControlViewInfo.h"
#include "platform/classlib/Bitmap.h"
#include "platform/classlib/Forms.h"
#include "platform/display/HeadlessDisplay.h"

#include <memory>

namespace zorvy::bench {
namespace {

class TBenchItem : public TcxFilterCriteriaItem {
  public:
    using TcxFilterCriteriaItem::TcxFilterCriteriaItem;
    void GetDataValue(int, Variant& value) const override { value = Null(); }
    std::string GetFieldCaption() const override { return {}; }
    std::string GetFieldName() const override { return {}; }
};

// Items are known by their position among three.
class TBenchCriteria : public TcxFilterCriteria {
  public:
    explicit TBenchCriteria(std::unique_ptr<TObject>* items) : items_(items) {}
    int GetIDByItemLink(TObject* link) const override {
        for (int i = 0; i < 3; ++i)
            if (items_[i].get() == link) return i;
        return -1;
    }
    std::string GetNameByItemLink(TObject*) const override { return {}; }
    TObject* GetItemLinkByID(int id) const override { return id >= 0 && id < 3 ? items_[id].get() : nullptr; }
    TObject* GetItemLinkByName(const std::string&) const override { return nullptr; }
    TcxFilterCriteriaItem* CreateItem(TcxFilterCriteriaItemList* parent) override { return new TBenchItem(parent); }

  private:
    std::unique_ptr<TObject>* items_;
};

class TBenchLink : public TComponent, public IcxFilterControl {
  public:
    TBenchLink() : TComponent(nullptr) {
        for (auto& item : items) item = std::make_unique<TObject>();
    }
    std::string GetCaption(int index) override { return index == 0 ? "开奖期号" : index == 1 ? "红球和值" : "蓝球"; }
    int GetCount() override { return 3; }
    TcxFilterCriteria* GetCriteria() override { return &criteria; }
    TObject* GetItemLink(int index) override { return items[index].get(); }
    std::string GetItemLinkName(int index) override { return GetCaption(index); }
    std::string GetFieldName(int index) override { return GetCaption(index); }
    TcxCustomEditProperties* GetProperties(int) override { return &properties; }
    TcxValueTypeClass GetValueType(int index) override { return index == 0 ? &cxStringValueType : &cxIntegerValueType; }
    std::unique_ptr<TObject> items[3];
    TBenchCriteria criteria{items};
    TcxTextEditProperties properties{nullptr};
};

struct TWorld {
    TWorld() {
        InitializeForms();
        InitializeFoundationUnits();
        InitializeEditUnit();
        InitializeTextEditUnit();
        InitializePopupEditUnit();
        InitializeGridUnits();
    }
    THeadlessDisplay display;
};

TWorld& World() {
    static TWorld world;
    return world;
}

// A shown control on a form with rows conditions, each with a value.
struct TFilterForm {
    explicit TFilterForm(int rows) : form(new TForm(nullptr)) {
        form->SetBorderStyle(bsNone);
        form->SetBounds(0, 0, 640, 480);
        control = new TcxFilterControl(form.get());
        control->SetParent(form.get());
        control->SetBounds(0, 0, 640, 480);
        control->SetLinkComponent(&link);
        form->Show();
        Application->ProcessMessages();
        for (int i = 0; i < rows; ++i) {
            control->AddCondition(nullptr);
            auto* condition = static_cast<TcxConditionViewInfo*>(control->GetRow(control->GetRowCount() - 1));
            condition->GetValues()->GetValue(0)->Value = Variant(std::to_string(2026000 + i));
            condition->GetValues()->GetValue(0)->ValueText = std::to_string(2026000 + i);
        }
        control->SetTopRow(0);
        Application->ProcessMessages();
    }
    TBenchLink link;
    std::unique_ptr<TForm> form;
    TcxFilterControl* control;
};

void BM_FilterRefresh(benchmark::State& state) {
    World();
    TFilterForm f(100);
    const double refresh = TimedLoop(state, [&] {
        f.control->Refresh();
        Application->ProcessMessages();
    });
    TBitmap bitmap;
    bitmap.SetSize(640, 480);
    TBitmap target;
    target.SetSize(640, 480);
    const int rounds = 200;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) {
        bitmap.GetCanvas()->GetBrush()->SetColor(clBtnFace);
        bitmap.GetCanvas()->FillRect(Rect(0, 0, 640, 480));
        target.GetCanvas()->CopyRect(Rect(0, 0, 640, 480), bitmap.GetCanvas(), Rect(0, 0, 640, 480));
    }
    const double baseline = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / rounds;
    state.counters["refresh_ms"] = refresh * 1e3;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = refresh / baseline;
}
BENCHMARK(BM_FilterRefresh)->Unit(benchmark::kMillisecond);

void BM_FilterHover(benchmark::State& state) {
    World();
    TFilterForm f(100);
    auto centre = [&](int row) {
        const TRect& r = static_cast<TcxConditionViewInfo*>(f.control->GetRow(row))->GetValues()->GetValue(0)->ValueRect;
        return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    };
    const TPoint a = centre(2), b = centre(5);
    bool toA = true;
    const double hover = TimedLoop(state, [&] {
        const TPoint p = toA ? a : b;
        toA = !toA;
        World().display.MoveMouse(f.control->GetHandle(), p.X, p.Y);
        Application->ProcessMessages();
    });
    const int rounds = 50;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) {
        f.control->Refresh();
        Application->ProcessMessages();
    }
    const double full = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / rounds;
    state.counters["hover_ms"] = hover * 1e3;
    state.counters["full_refresh_ms"] = full * 1e3;
    state.counters["ratio"] = hover / full;
}
BENCHMARK(BM_FilterHover)->Unit(benchmark::kMillisecond);

void BM_BuilderOpen(benchmark::State& state) {
    World();
    TBenchLink link;
    for (int i = 0; i < 20; ++i)
        link.criteria.AddItem(nullptr, link.GetItemLink(1), ocEqual, Variant(i), std::to_string(i));
    const double open = TimedLoop(state, [&] {
        TfmFilterControlDialog dialog(nullptr);
        TcxFilterControl control(nullptr);
        control.SetLinkComponent(&link);
        dialog.Initialize(&control, {});
        dialog.Show();
        Application->ProcessMessages();
        control.SetParent(nullptr);
    });
    const int rounds = 20;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) {
        TForm form(nullptr);
        form.SetClientWidth(552);
        form.SetClientHeight(316);
        form.Show();
        Application->ProcessMessages();
    }
    const double baseline = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / rounds;
    state.counters["open_ms"] = open * 1e3;
    state.counters["baseline_ms"] = baseline * 1e3;
    state.counters["ratio"] = open / baseline;
}
BENCHMARK(BM_BuilderOpen)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zorvy::bench
