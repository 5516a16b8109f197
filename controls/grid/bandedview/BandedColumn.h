#pragma once
// TcxGridBandedColumn: the column of a banded view. Its position names its band, its row in the
// band, its place in the row and the number of lines it spans; a column in no band is never
// actually visible.
#include "controls/grid/bandedview/Bands.h"
#include "controls/grid/tableview/Columns.h"

namespace zorvy {

class TcxGridBandedColumnPosition : public TcxCustomGridTableItemCustomOptions {
    ZORVY_CLASS(TcxGridBandedColumnPosition, TcxCustomGridTableItemCustomOptions)
  public:
    explicit TcxGridBandedColumnPosition(TcxCustomGridTableItem* item) : TcxCustomGridTableItemCustomOptions(item) {}
    void Assign(TPersistent* source) override;
    TcxGridBandedColumn* GetColumn() const;

    TcxGridBand* GetBand() const { return band_; }
    TcxGridBandRow* GetRow() const { return row_; }
    // An index outside the collection takes the column out of every band.
    int GetBandIndex() const { return band_ ? band_->GetIndex() : -1; }
    void SetBandIndex(int value);
    // Negative values are ignored; a row index past the last row makes a new last row.
    int GetRowIndex() const;
    void SetRowIndex(int value);
    int GetColIndex() const;
    void SetColIndex(int value);
    int GetLineCount() const { return lineCount_; }
    void SetLineCount(int value); // below 1 is 1
    int GetVisibleBandIndex() const;
    int GetVisibleRowIndex() const;
    int GetVisibleColIndex() const { return visibleColIndex_; }

    int GetStoredBandIndex() const { return storedBandIndex_; }
    void SetStoredBandIndex(int value) { storedBandIndex_ = value; }
    int GetStoredRowIndex() const { return storedRowIndex_; }
    void SetStoredRowIndex(int value) { storedRowIndex_ = value; }
    int GetStoredColIndex() const { return storedColIndex_; }
    void SetStoredColIndex(int value) { storedColIndex_ = value; }
    // The current indexes become the stored ones (all three, or the band's alone).
    void SaveParams(bool bandIndexOnly = false);
    // Set while the view re-applies stored rows and columns: the setters act even while loading.
    void SetIgnoreLoading(bool value) { ignoreLoading_ = value; }

  private:
    friend class TcxGridBand;
    friend class TcxGridBandRows;
    friend class TcxGridBandRow;
    bool OnlyStores() const;
    void SizeChanged();
    TcxGridBand* band_ = nullptr;
    int storedBandIndex_ = -1;
    int storedColIndex_ = -1;
    int lineCount_ = 1;
    TcxGridBandRow* row_ = nullptr;
    int storedRowIndex_ = -1;
    int visibleColIndex_ = -1;
    bool ignoreLoading_ = false;
};

class TcxGridBandedColumnOptions : public TcxGridColumnOptions {
    ZORVY_CLASS(TcxGridBandedColumnOptions, TcxGridColumnOptions)
  public:
    using TcxGridColumnOptions::TcxGridColumnOptions;
    void Assign(TPersistent* source) override;
    bool GetVertSizing() const { return vertSizing_; }
    void SetVertSizing(bool value);

  private:
    bool vertSizing_ = true;
};

class TcxGridBandedColumn : public TcxGridColumn {
    ZORVY_CLASS(TcxGridBandedColumn, TcxGridColumn)
  public:
    explicit TcxGridBandedColumn(TComponent* owner);
    // Leaves its band first.
    ~TcxGridBandedColumn() override;
    void Assign(TPersistent* source) override;
    TcxGridBandedTableView* GetGridView() const;
    TcxGridBandedColumnPosition* GetPosition() const { return position_.get(); }
    void SetPosition(TcxGridBandedColumnPosition* value) { position_->Assign(value); }
    TcxGridBandedColumnOptions* GetOptions() const {
        return static_cast<TcxGridBandedColumnOptions*>(TcxCustomGridTableItem::GetOptions());
    }

    bool GetActuallyVisible() const override;
    bool IsVisibleForCustomization() const;
    bool CanCheckFocusedCellClipping() const override;
    bool CanVertSizing() const;
    bool InFirstRow() const override;
    bool InLastRow() const override;
    bool InBottomHeaderRow() const override;
    bool IsFirstInRow() const override;
    bool IsLastInRow() const override;
    bool IsLeftmostInView() const override;
    bool IsRightmostInView() const override;

    // ---- stored layout: "BandIndex", "ColIndex", "RowIndex", "LineCount" before the inherited ----
    bool GetStoredProperties(TStrings* properties) override;
    void GetStoredPropertyValue(const std::string& name, Variant& value) override;
    void SetStoredPropertyValue(const std::string& name, const Variant& value) override;

  protected:
    const TMetaClass* GetOptionsClass() const override { return TcxGridBandedColumnOptions::StaticClass(); }
    // With the view's option on, the band captions from the root down, each followed by "-".
    std::string GetDefaultAlternateCaption() const override;

  private:
    std::unique_ptr<TcxGridBandedColumnPosition> position_;
};

} // namespace zorvy
