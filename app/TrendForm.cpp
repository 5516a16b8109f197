// The trend windows: the strip under the view with the feature choice, the last six values, the digit
// set and the hot/warm/cold line, and what choosing a feature does through the analysis window.
#include "app/TrendForm.h"

#include "app/AnalysisForm.h"
#include "app/AnalysisText.h"
#include "app/Program.h"
#include "controls/editors/buttons/PushButton.h"
#include "controls/grid/dbviews/DBViews.h"
#include "data/DataModule.h"
#include "platform/classlib/stdctrls/ComboBoxes.h"
#include "platform/classlib/stdctrls/Edits.h"
#include "platform/classlib/stdctrls/Labels.h"
#include "platform/classlib/stdctrls/Panels.h"

namespace zorvy {

namespace {

template <class T>
T* AddStripControl(TComponent* owner, TWinControl* parent, const std::string& name, const TRect& r) {
    auto* control = new T(owner);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    return control;
}

TLabel* AddStripLabel(TComponent* owner, TWinControl* parent, const std::string& name,
                      const std::string& caption, const TRect& r) {
    auto* label = AddStripControl<TLabel>(owner, parent, name, r);
    label->SetCaption(caption);
    return label;
}

} // namespace

TTrendForm::TTrendForm(TComponent* owner, TTrendView view, const std::string& name)
    : TForm(owner), view_(view) {
    SetName(name);
    SetCaption(name);
    SetAlign(alClient);
    GetFont()->SetName("Tahoma");
    GetFont()->SetHeight(-11);

    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetParent(this);
    Panel1->SetAlign(alBottom);
    Panel1->SetHeight(41);
    Panel1->SetCaption("");
    Panel1->SetBevelOuter(bvNone);

    ComboBox1 = AddStripControl<TComboBox>(this, Panel1, "ComboBox1", {8, 10, 168, 31});
    ComboBox1->SetStyle(csDropDownList);
    ComboBox1->DropDownCount = 50;
    ComboBox1->SetShowHint(true);
    for (const std::string& feature : TrendFeatures(view))
        ComboBox1->GetItems()->Add(feature);
    ComboBox1->OnChange = [this](TObject* sender) { ComboBox1Change(sender); };

    Label1 = AddStripLabel(this, Panel1, "Label1", "后6期值", {180, 14, 228, 28});
    Edit1 = AddStripControl<TEdit>(this, Panel1, "Edit1", {230, 10, 390, 31});
    Edit1->OnDblClick = [this](TObject* sender) { Edit1DblClick(sender); };
    Label2 = AddStripLabel(this, Panel1, "Label2", "随机包含数", {402, 14, 462, 28});
    Edit2 = AddStripControl<TEdit>(this, Panel1, "Edit2", {464, 10, 584, 31});
    Edit2->SetText("0 1 2 3 4 5");
    Label5 = AddStripLabel(this, Panel1, "Label5", "热温：", {596, 14, 996, 28});
    BuildGrid();
}

void TTrendForm::ComboBox1Change(TObject*) {
    if (!Frfx) return;
    Frfx->dataRefreshClick(this);
    Edit1DblClick(Edit1);
    Frfx->bttjshezhi->SetEnabled(true);
    Frfx->btNewzoushi->SetEnabled(true);
}

void TTrendForm::Edit1DblClick(TObject*) {
    if (!Data) return;
    const std::string sorted = TFrfx::bgvAndPx(LastValuesText(Data->Trend.Last6Values));
    Edit1->SetText(sorted.substr(0, sorted.find('+')));
    std::vector<int> intervals;
    for (int k = 0; k < 7; ++k)
        intervals.push_back(FirstIntervalColumn(view_) + k);
    TFrfx::DrawColumn(Edit1->GetText(), cxGrid1DBBandedTableView1, 6, intervals);
}

void TTrendForm::StoreSettings(TData& data) const {
    TTrendWindowSettings& settings = data.TrendWindow(view_);
    settings.ComboBox1 = ComboBox1->GetItemIndex();
    settings.Edit2 = Edit2->GetText();
}

void TTrendForm::ShowResults(const TData& data) {
    Label5->SetCaption(data.TrendWindows[static_cast<int>(view_)].Label5);
}

TFrbianma::TFrbianma(TComponent* owner) : TTrendForm(owner, TTrendView::xh, "Frbianma") {
    ComboBox1->OnMouseEnter = [this](TObject* sender) { ComboBox1MouseEnter(sender); };
}

void TFrbianma::ComboBox1MouseEnter(TObject*) {
    const bool neighbour = ComboBox1->GetItemIndex() == 8;
    ComboBox1->SetHint(neighbour ? NeighbourDigitHint : "");
    ComboBox1->SetShowHint(neighbour);
}

} // namespace zorvy
