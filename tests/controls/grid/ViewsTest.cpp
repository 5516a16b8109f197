// The view base: the registry of view kinds, the stored-layout answers, settings that flow between
// a pattern and its clones, listener links, and the view's options, bitmaps and styles.
#include "controls/grid/dbviews/DBViews.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/view/RegisteredViews.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Variant.h"
#include "tests/controls/grid/GridFixture.h"

namespace zorvy::test {
namespace {

class TTableKind : public TTestView {
    ZORVY_CLASS(TTableKind, TTestView)
  public:
    using TTestView::TTestView;
};
class TBandedKind : public TTestView {
    ZORVY_CLASS(TBandedKind, TTestView)
  public:
    using TTestView::TTestView;
};
class TDBTableKind : public TTestView {
    ZORVY_CLASS(TDBTableKind, TTestView)
  public:
    using TTestView::TTestView;
};
class TDBBandedKind : public TTestView {
    ZORVY_CLASS(TDBBandedKind, TTestView)
  public:
    using TTestView::TTestView;
};

class Views : public GridTest {
  protected:
    Views() : form(NewForm()), grid(NewGrid(form)) {}
    // A master view on a top level with a detail level whose pattern has one clone.
    void MakeClone() {
        master = NewView(grid);
        master->GetDataController()->SetRecordCount(1);
        TcxGridLevel* top = AddLevel(grid, nullptr, master);
        pattern = NewView(grid);
        detailLevel = AddLevel(grid, top, pattern);
        clone = detailLevel->CreateDetailView(detailLevel->GetDataRelation(), 0);
    }
    void TearDown() override {
        if (clone) {
            clone->GetDataController()->SetMasterRelation(nullptr, -1);
            delete clone;
        }
    }
    TForm* form;
    TcxGrid* grid;
    TTestView* master = nullptr;
    TTestView* pattern = nullptr;
    TcxGridLevel* detailLevel = nullptr;
    TcxCustomGridView* clone = nullptr;
};

TEST_F(Views, TheRegistryPutsDatasetKindsLast) {
    TcxGridRegisteredViews* registry = GetGridRegisteredViews();
    // Only the kinds of this test: the units' own views leave for its duration.
    const std::vector<std::pair<TClass, std::string>> own = {
        {TcxGridTableView::StaticClass(), "Table"},
        {TcxGridBandedTableView::StaticClass(), "Banded Table"},
        {TcxGridDBTableView::StaticClass(), "DB Table"},
        {TcxGridDBBandedTableView::StaticClass(), "DB Banded Table"}};
    for (const auto& [c, description] : own) registry->RemoveClass(c);
    registry->AddClass(TDBTableKind::StaticClass(), "DB Table");
    registry->AddClass(TTableKind::StaticClass(), "Table");
    registry->AddClass(TDBBandedKind::StaticClass(), "DB Banded Table");
    registry->AddClass(TBandedKind::StaticClass(), "Banded Table");
    std::vector<std::string> order;
    for (int i = 0; i < registry->ClassCount(); ++i) order.push_back(registry->GetDescription(i));
    EXPECT_EQ(order, (std::vector<std::string>{"Banded Table", "Table", "DB Banded Table", "DB Table"}));
    EXPECT_EQ(GetClass("TDBTableKind"), TDBTableKind::StaticClass()) << "registered for streaming";
    for (TClass c : {TTableKind::StaticClass(), TBandedKind::StaticClass(), TDBTableKind::StaticClass(),
                     TDBBandedKind::StaticClass()}) {
        registry->RemoveClass(c);
        UnRegisterClass(c);
    }
    for (const auto& [c, description] : own) registry->AddClass(c, description);
}

TEST_F(Views, StoredLayoutAnswers) {
    TTestView* view = NewView(grid);
    view->SetName("TrendView");
    EXPECT_EQ(view->GetStoredObjectName(), "TrendView");
    view->SetStoringName("Saved");
    EXPECT_EQ(view->GetStoredObjectName(), "Saved");
    TStringList properties;
    std::string asked;
    view->SetOnGetStoredProperties([](TcxCustomGridView*, TStrings* list) { list->Add("Extra"); });
    view->SetOnGetStoredPropertyValue([&](TcxCustomGridView*, const std::string& name, Variant&) { asked += name; });
    EXPECT_TRUE(view->GetStoredProperties(&properties));
    EXPECT_EQ(properties.GetText(), "Version\nExtra\n");
    Variant value;
    view->GetStoredPropertyValue("Version", value);
    EXPECT_EQ(value.AsInteger(), 1);
    view->GetStoredPropertyValue("version", value);
    EXPECT_EQ(asked, "Versionversion") << "every name reaches the event";
    view->SetStoredPropertyValue("Version", Variant(7));
    EXPECT_EQ(view->GetStoredVersion(), 7);
    EXPECT_EQ(view->CreateChild("Column1", "TcxGridColumn"), nullptr);
}

TEST_F(Views, SettingsFlowFromThePatternToItsClones) {
    MakeClone();
    ASSERT_NE(clone, nullptr);
    pattern->GetOptionsBehavior()->SetPostponedSynchronization(false);
    EXPECT_FALSE(clone->GetOptionsBehavior()->GetPostponedSynchronization()) << "a clone reads its pattern's";
    int customized = 0;
    pattern->SetOnCustomization([&](TObject*) { ++customized; });
    clone->DoCustomization();
    EXPECT_EQ(customized, 1) << "propagated at once";

    pattern->BeginUpdate();
    pattern->SetOnCustomization([&](TObject*) { customized += 10; });
    clone->DoCustomization();
    EXPECT_EQ(customized, 2) << "locked: not yet";
    pattern->EndUpdate();
    clone->DoCustomization();
    EXPECT_EQ(customized, 12) << "at the outermost end";

    clone->SetSynchronization(false);
    EXPECT_TRUE(clone->GetSynchronization()) << "only a pattern's setting counts";
    pattern->SetSynchronization(false);
    pattern->SetOnCustomization(nullptr);
    clone->DoCustomization();
    EXPECT_EQ(customized, 22) << "propagation stopped, settings copied before stay";
}

TEST_F(Views, AHiddenCloneTakesItsPatternsSettingsWhenShown) {
    MakeClone();
    ASSERT_FALSE(clone->GetVisible());
    bool customized = false;
    pattern->SetOnCustomization([&](TObject*) { customized = true; });
    EXPECT_TRUE(clone->IsSynchronizationAssignNeeded());
    clone->DoCustomization();
    EXPECT_FALSE(customized);
    clone->ApplyPendingSynchronization();
    EXPECT_FALSE(clone->IsSynchronizationAssignNeeded());
    clone->DoCustomization();
    EXPECT_TRUE(customized);
}

TEST_F(Views, ListenerLinksOutliveTheirView) {
    TTestView* view = NewView(grid);
    TcxGridListenerLink* link = view->CreateListenerLink();
    TcxGridListenerLink* dropped = view->CreateListenerLink();
    delete dropped;
    EXPECT_EQ(link->GetGridView(), view);
    delete view;
    EXPECT_EQ(link->GetGridView(), nullptr);
    delete link;
    EXPECT_EQ(grid->GetViewCount(), 0);
}

TEST_F(Views, BackgroundBitmapsFallBackToTheStyle) {
    TTestView* view = NewView(grid);
    AddLevel(grid, nullptr, view);
    TcxCustomGridBackgroundBitmaps* bitmaps = view->GetBackgroundBitmaps();
    EXPECT_NE(bitmaps->GetBackground(), nullptr);
    EXPECT_TRUE(bitmaps->GetBackground()->Empty());
    EXPECT_EQ(bitmaps->GetBitmap(0), nullptr);
    TcxStyle style(nullptr);
    TBitmap tile;
    tile.SetSize(8, 8);
    style.SetBitmap(&tile);
    view->GetStyles()->SetBackground(&style);
    EXPECT_EQ(bitmaps->GetBitmap(0), style.GetBitmap()) << "an empty own bitmap shows the style's";
    EXPECT_EQ(bitmaps->GetBitmap(1), nullptr) << "no style behind other indexes";

    const int before = view->Info()->Passes;
    bitmaps->SetBackground(&tile);
    EXPECT_EQ(bitmaps->GetBitmap(0), bitmaps->GetBackground());
    EXPECT_GT(view->Info()->Passes, before) << "a new picture lays the view out";
    view->GetStyles()->SetBackground(nullptr);
}

TEST_F(Views, ViewStylesDefaultsAndChanges) {
    TTestView* view = NewView(grid);
    AddLevel(grid, nullptr, view);
    TcxPartParams params;
    view->GetStyles()->GetViewParams(vsBackground, nullptr, nullptr, params);
    EXPECT_EQ(params.Color, clWindow);
    EXPECT_EQ(params.TextColor, clGrayText);
    EXPECT_EQ(params.Font, grid->GetFont());

    std::vector<std::string> layouts;
    grid->OnLayoutChanged = [&](TcxCustomGrid*, TcxCustomGridView* v) { layouts.push_back(v ? "view" : "grid"); };
    TcxStyle style(nullptr);
    view->GetStyles()->SetBackground(&style);
    layouts.clear();
    style.SetColor(clRed);
    EXPECT_EQ(layouts, std::vector<std::string>{"grid"}) << "a style change resizes, not just repaints";
    view->GetStyles()->SetBackground(nullptr);

    // The grid's font is the background's default: a new font resizes the view.
    layouts.clear();
    grid->GetFont()->SetSize(14);
    EXPECT_EQ(layouts, std::vector<std::string>{"grid"});

    layouts.clear();
    view->GetOptionsView()->SetScrollBars(ssBoth);
    EXPECT_TRUE(layouts.empty()) << "an equal value changes nothing";
    view->GetOptionsView()->SetScrollBars(ssVertical);
    EXPECT_EQ(view->GetOptionsView()->GetScrollBars(), ssVertical);
    EXPECT_EQ(view->GetSite()->GetScrollBarsMode(), ssVertical);
    EXPECT_EQ(view->GetOptionsCount(), 5);
}

} // namespace
} // namespace zorvy::test
