#pragma once
// TcxGridBandedTableView: the table view whose columns sit in bands. It owns the bands, adds the
// banded options, band styles and bitmaps and three events, keeps the visible columns in band
// order (left-fixed, right-fixed, then the others), and stores band and column positions while a
// form is read, a stored layout restored or another view assigned, re-applying them afterwards.
#include "controls/grid/bandedview/BandedColumn.h"
#include "controls/grid/bandedview/Bands.h"
#include "controls/grid/tableview/GridTableView.h"
#include "controls/grid/tableview/GridTableViewStyles.h"
#include "controls/grid/tableview/TableViewOptions.h"

#include <functional>
#include <memory>

namespace zorvy {

class TcxCanvas;
class TcxGridBandHeaderViewInfo;

using TcxGridBandEvent = std::function<void(TcxGridBandedTableView* sender, TcxGridBand* band)>;
using TcxGridBandCustomDrawHeaderEvent = std::function<void(TcxGridBandedTableView* sender, TcxCanvas* canvas,
                                                            TcxGridBandHeaderViewInfo* viewInfo, bool& done)>;

class TcxGridBandedTableOptionsBehavior : public TcxGridTableOptionsBehavior {
    ZORVY_CLASS(TcxGridBandedTableOptionsBehavior, TcxGridTableOptionsBehavior)
  public:
    using TcxGridTableOptionsBehavior::TcxGridTableOptionsBehavior;
    void Assign(TPersistent* source) override;
    bool GetBandHeaderHints() const { return bandHeaderHints_; }
    void SetBandHeaderHints(bool value);

  private:
    bool bandHeaderHints_ = true;
};

class TcxGridBandedTableOptionsCustomize : public TcxGridTableOptionsCustomize {
    ZORVY_CLASS(TcxGridBandedTableOptionsCustomize, TcxGridTableOptionsCustomize)
  public:
    using TcxGridTableOptionsCustomize::TcxGridTableOptionsCustomize;
    void Assign(TPersistent* source) override;
    bool GetBandHiding() const { return bandHiding_; }
    void SetBandHiding(bool value) { Store(bandHiding_, value, vckProperty); }
    bool GetBandMoving() const { return bandMoving_; }
    void SetBandMoving(bool value) { Store(bandMoving_, value, vckProperty); }
    bool GetBandSizing() const { return bandSizing_; }
    void SetBandSizing(bool value) { Store(bandSizing_, value, vckProperty); }
    bool GetBandsQuickCustomization() const { return bandsQuickCustomization_; }
    void SetBandsQuickCustomization(bool value) { Store(bandsQuickCustomization_, value, vckSize); }
    int GetBandsQuickCustomizationMaxDropDownCount() const { return bandsQuickCustomizationMaxDropDownCount_; }
    void SetBandsQuickCustomizationMaxDropDownCount(int value); // negative is 0
    TcxGridQuickCustomizationReordering GetBandsQuickCustomizationReordering() const {
        return bandsQuickCustomizationReordering_;
    }
    void SetBandsQuickCustomizationReordering(TcxGridQuickCustomizationReordering value);
    bool GetColumnVertSizing() const { return columnVertSizing_; }
    void SetColumnVertSizing(bool value) { Store(columnVertSizing_, value, vckLayout); }
    bool GetNestedBands() const { return nestedBands_; }
    void SetNestedBands(bool value) { Store(nestedBands_, value, vckProperty); }
    // Columns of a banded view are never reordered in the quick-customization list.
    bool SupportsColumnsQuickCustomizationReordering() const override { return false; }
    // Never with nested bands; else at design time, when enabled, or by default with band moving.
    bool SupportsBandsQuickCustomizationReordering() const;

  private:
    template <class T> void Store(T& field, T value, TcxGridViewChangeKind kind) {
        if (field == value) return;
        field = value;
        Changed(kind);
    }
    bool bandHiding_ = false;
    bool bandMoving_ = true;
    bool bandSizing_ = true;
    bool bandsQuickCustomization_ = false;
    int bandsQuickCustomizationMaxDropDownCount_ = 0;
    TcxGridQuickCustomizationReordering bandsQuickCustomizationReordering_ = qcrDefault;
    bool columnVertSizing_ = true;
    bool nestedBands_ = true;
};

class TcxGridBandedTableOptionsView : public TcxGridTableOptionsView {
    ZORVY_CLASS(TcxGridBandedTableOptionsView, TcxGridTableOptionsView)
  public:
    using TcxGridTableOptionsView::TcxGridTableOptionsView;
    void Assign(TPersistent* source) override;
    bool GetBandCaptionsInColumnAlternateCaption() const { return bandCaptionsInColumnAlternateCaption_; }
    void SetBandCaptionsInColumnAlternateCaption(bool value);
    bool GetBandHeaderEndEllipsis() const { return bandHeaderEndEllipsis_; }
    void SetBandHeaderEndEllipsis(bool value) { Store(bandHeaderEndEllipsis_, value, vckLayout); }
    int GetBandHeaderHeight() const { return bandHeaderHeight_; }
    void SetBandHeaderHeight(int value) { Store(bandHeaderHeight_, std::max(value, 0), vckSize); }
    int GetBandHeaderLineCount() const { return bandHeaderLineCount_; }
    void SetBandHeaderLineCount(int value) { Store(bandHeaderLineCount_, std::max(value, 1), vckSize); }
    bool GetBandHeaders() const { return bandHeaders_; }
    void SetBandHeaders(bool value) { Store(bandHeaders_, value, vckLayout); }
    TColor GetFixedBandSeparatorColor() const { return fixedBandSeparatorColor_; }
    void SetFixedBandSeparatorColor(TColor value) { Store(fixedBandSeparatorColor_, value, vckLayout); }
    // clDefault: the look-and-feel painter's detail frame colour.
    TColor GetFixedBandSeparatorColorValue() const;
    int GetFixedBandSeparatorWidth() const { return fixedBandSeparatorWidth_; }
    void SetFixedBandSeparatorWidth(int value) { Store(fixedBandSeparatorWidth_, std::max(value, 0), vckSize); }

  private:
    template <class T> void Store(T& field, T value, TcxGridViewChangeKind kind) {
        if (field == value) return;
        field = value;
        Changed(kind);
    }
    bool bandCaptionsInColumnAlternateCaption_ = false;
    bool bandHeaderEndEllipsis_ = false;
    int bandHeaderHeight_ = 0;
    int bandHeaderLineCount_ = 1;
    bool bandHeaders_ = true;
    TColor fixedBandSeparatorColor_ = clDefault;
    int fixedBandSeparatorWidth_ = 2;
};

enum TcxGridBandedTableViewStyleIndex { vsBandBackground = 19, vsBandHeader = 20 };

class TcxGridBandedTableViewStyles : public TcxGridTableViewStyles {
    ZORVY_CLASS(TcxGridBandedTableViewStyles, TcxGridTableViewStyles)
  public:
    using TCreateOwner = TcxCustomGridView;
    explicit TcxGridBandedTableViewStyles(TcxCustomGridView* gridView) : TcxGridTableViewStyles(gridView) {}
    void Assign(TPersistent* source) override;
    TcxStyle* GetBandBackground() const { return dynamic_cast<TcxStyle*>(GetStyle(vsBandBackground)); }
    void SetBandBackground(TcxStyle* value) { SetStyle(vsBandBackground, value); }
    TcxStyle* GetBandHeader() const { return dynamic_cast<TcxStyle*>(GetStyle(vsBandHeader)); }
    void SetBandHeader(TcxStyle* value) { SetStyle(vsBandHeader, value); }
    // OnGetBandHeaderStyle's style first, the BandHeader slot next.
    virtual void GetBandHeaderParams(TcxGridBand* band, TcxPartParams& params);
    const TcxGridBandGetHeaderStyle& GetOnGetBandHeaderStyle() const { return onGetBandHeaderStyle_; }
    void SetOnGetBandHeaderStyle(TcxGridBandGetHeaderStyle value);
    // A column in a band with a Content style of its own shows that style (the view's
    // content-style event still comes first); other cells as in the table view.
    void GetDataCellParams(TcxCustomGridRecord* record, TcxCustomGridTableItem* item, TcxPartParams& params) override;

  protected:
    void GetDefaultViewParams(int index, void* data, TcxPartParams& params) override;

  private:
    TcxGridBandGetHeaderStyle onGetBandHeaderStyle_;
};

class TcxGridBandedTableBackgroundBitmaps : public TcxGridTableBackgroundBitmaps {
    ZORVY_CLASS(TcxGridBandedTableBackgroundBitmaps, TcxGridTableBackgroundBitmaps)
  public:
    using TcxGridTableBackgroundBitmaps::TcxGridTableBackgroundBitmaps;
    void Assign(TPersistent* source) override;
    int GetBitmapStyleIndex(int index) const override;
    TBitmap* GetBandBackground() { return GetValue(9); }
    void SetBandBackground(TBitmap* value) { SetValue(9, value); }
    TBitmap* GetBandHeader() { return GetValue(10); }
    void SetBandHeader(TBitmap* value) { SetValue(10, value); }
};

class TcxGridBandedTableView : public TcxGridTableView {
    ZORVY_CLASS(TcxGridBandedTableView, TcxGridTableView)
  public:
    explicit TcxGridBandedTableView(TComponent* owner) : TcxGridTableView(owner) {}
    // The columns leave their bands before the bands go.
    ~TcxGridBandedTableView() override;

    TcxGridBands* GetBands() const { return bands_.get(); }
    void SetBands(TcxGridBands* value) { bands_->Assign(value); }
    TcxGridBandedColumn* GetColumn(int index) const;
    TcxGridBandedColumn* CreateColumn();
    TcxGridBandedTableOptionsBehavior* GetOptionsBehavior() const;
    TcxGridBandedTableOptionsCustomize* GetOptionsCustomize() const;
    TcxGridBandedTableOptionsView* GetOptionsView() const;
    TcxGridBandedTableViewStyles* GetStyles() const;
    TcxGridBandedTableBackgroundBitmaps* GetBackgroundBitmaps() const;
    bool IsAssigningBands() const { return assigningBands_; }
    void SetAssigningBands(bool value) { assigningBands_ = value; }

    // ---- items ----
    void AddItem(TcxCustomGridTableItem* item) override;
    void ItemVisibilityChanged(TcxCustomGridTableItem* item, bool value) override;
    void RefreshVisibleItemList() override;
    // For each visible bottom band, the visible columns of its first visible row.
    std::vector<TcxGridBandedColumn*> GetVisibleItemList() const;

    // ---- re-applying stored positions ----
    void ReapplyBandPositions();
    void ReapplyColumnRowAndColIndexes();

    // ---- stored layout: "Bands" first ----
    // Every current position becomes the stored one, so that what a layout does not name stays put.
    void BeforeRestoring() override;
    void DeleteStoredChild(const std::string& objectName, TObject* object) override;
    void GetStoredChildren(TStringList* children) override;
    TObject* CreateChild(const std::string& objectName, const std::string& className) override;

    // ---- events ----
    virtual void DoBandPosChanged(TcxGridBand* band);
    virtual void DoBandSizeChanged(TcxGridBand* band);
    virtual void DoCustomDrawBandHeader(TcxCanvas* canvas, TcxGridBandHeaderViewInfo* viewInfo, bool& done);
    bool HasCustomDrawBandHeader() const { return bool(onCustomDrawBandHeader_); }
    void SetOnBandPosChanged(TcxGridBandEvent value);
    void SetOnBandSizeChanged(TcxGridBandEvent value);
    void SetOnCustomDrawBandHeader(TcxGridBandCustomDrawHeaderEvent value);

  protected:
    void AssignLayout(TcxCustomGridView* layoutView) override;
    void CreateOptions() override;
    void DestroyOptions() override;
    void DoAssign(TcxCustomGridView* source) override;
    void LoadedLayoutChanged() override;
    void UpdateAfterRestoring() override;
    void AfterAssignItems() override;
    const TMetaClass* GetItemClass() const override { return TcxGridBandedColumn::StaticClass(); }
    const TMetaClass* GetPainterClass() const override;
    const TMetaClass* GetViewInfoClass() const override;
    const TMetaClass* GetOptionsBehaviorClass() const override;
    const TMetaClass* GetOptionsCustomizeClass() const override;
    const TMetaClass* GetOptionsViewClass() const override;
    const TMetaClass* GetStylesClass() const override;
    const TMetaClass* GetBackgroundBitmapsClass() const override;
    virtual const TMetaClass* GetBandsClass() const { return TcxGridBands::StaticClass(); }

  private:
    // Band positions, then the columns' rows and columns, inside one update.
    void ReapplyAll();
    std::unique_ptr<TcxGridBands> bands_;
    bool assigningBands_ = false;
    TcxGridBandEvent onBandPosChanged_;
    TcxGridBandEvent onBandSizeChanged_;
    TcxGridBandCustomDrawHeaderEvent onCustomDrawBandHeader_;
};

// Registers the view kind "Banded Table" and the banded column for streaming.
void InitializeGridBandedTableViewUnit();
void FinalizeGridBandedTableViewUnit();

} // namespace zorvy
