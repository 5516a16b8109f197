#pragma once
// The trend windows: one per view of the analysis window, never shown on their own but docked into it.
// Each holds the feature choice of its view, the sorted values of the last six draws, the digit set of
// the serial features and the hot/warm/cold line; choosing a feature refreshes the analysis window.
// The eight classes differ only in their view (and so their features and bands); TFrbianma adds the
// hint of its "邻同字" feature.
#include "app/TrendColumns.h"
#include "data/ViewKinds.h"
#include "platform/classlib/Forms.h"

#include <string>

namespace zorvy {

class TComboBox;
class TcxGrid;
class TcxGridDBBandedColumn;
class TcxGridDBBandedTableView;
class TcxStyle;
class TData;
class TEdit;
class TLabel;
class TPanel;

// The visibility of the first band's columns and of the band itself, as the analysis window's
// hidden-columns group sets it for the view's grid.
struct TBasicColumns {
    bool Issue = true;
    bool EndTime = false;
    bool ResultA1 = false;
    bool Band = true;
    bool operator==(const TBasicColumns&) const = default;
};

class TTrendForm : public TForm {
    ZORVY_CLASS(TTrendForm, TForm)
  public:
    TTrendForm(TComponent* owner, TTrendView view, const std::string& name);

    TTrendView GetView() const { return view_; }

    // A feature chosen: the analysis window refreshes over its range, Edit1 shows the feature's last
    // values, and the analysis window's assistant and new-trend buttons become usable.
    void ComboBox1Change(TObject* sender);
    // Edit1 := the feature's values in the last six draws of the range, sorted ascending by value.
    void Edit1DblClick(TObject* sender);

    // What the data module reads of this window before it opens the view (the feature, the digit set)
    // and what it writes back after (the hot/warm/cold line).
    void StoreSettings(TData& data) const;
    void ShowResults(const TData& data);

    // Set by the analysis window's hidden-columns group: the first band's columns and the band itself.
    void SetBasicColumns(const TBasicColumns& shown);
    const TBasicColumns& GetBasicColumns() const { return basicColumns_; }
    // After the view was reopened over a range: the grid shows its last rows down to the focused last
    // draw, whatever it showed of the range before.
    void ShowRangeEnd();
    // The hot, warm and cold columns of the last band as wide as their longest list, the band widened
    // to hold them.
    void FitHotColdColumns();
    // The view's column bound to field; nullptr when it has none.
    TcxGridDBBandedColumn* Column(const std::string& field) const;

    TcxGrid* cxGrid1 = nullptr;
    TcxGridDBBandedTableView* cxGrid1DBBandedTableView1 = nullptr;
    // The serial window's content style of every second band; nullptr in the others.
    TcxStyle* cxStyle1 = nullptr;

    TPanel* Panel1 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* Edit1 = nullptr;
    TLabel* Label2 = nullptr;
    TEdit* Edit2 = nullptr;
    TLabel* Label5 = nullptr;

  private:
    // The banded view on the data module's query of the view (TrendGrid.cpp).
    void BuildGrid();
    void ApplyBasicColumns();

    TTrendView view_;
    TBasicColumns basicColumns_;
};

class TFrbianma : public TTrendForm {
    ZORVY_CLASS(TFrbianma, TTrendForm)
  public:
    explicit TFrbianma(TComponent* owner);
    // The note on "邻同字" while that feature is chosen; no hint otherwise.
    void ComboBox1MouseEnter(TObject* sender);
};

// The hint the serial window shows while "邻同字" is chosen.
inline constexpr const char* NeighbourDigitHint = "注意:『同邻字』只看奇偶范围分布,其它不做参考.";

#define ZORVY_TREND_FORM(Class, View, Name)                                                                  \
    class Class : public TTrendForm {                                                                        \
        ZORVY_CLASS(Class, TTrendForm)                                                                       \
      public:                                                                                                \
        explicit Class(TComponent* owner) : TTrendForm(owner, View, Name) {}                                 \
    };
ZORVY_TREND_FORM(TFrgw, TTrendView::gw, "Frgw")
ZORVY_TREND_FORM(TFrSw, TTrendView::sw, "FrSw")
ZORVY_TREND_FORM(TFrbw, TTrendView::bw, "Frbw")
ZORVY_TREND_FORM(TFrqw, TTrendView::qw, "Frqw")
ZORVY_TREND_FORM(TFrww, TTrendView::ww, "Frww")
ZORVY_TREND_FORM(TFrsww, TTrendView::sww, "Frsww")
ZORVY_TREND_FORM(TFrtb, TTrendView::tb, "Frtb")
#undef ZORVY_TREND_FORM

} // namespace zorvy
