#pragma once
// The bands of a banded view: the collection with its derived lists (bottom, root, visible in
// display order), each band with its options, position, rows and styles, and the rows of a bottom
// band that hold its columns. Every structure change keeps all the lists current.
#include "controls/grid/styles/Styles.h"
#include "controls/grid/view/CustomView.h"
#include "controls/grid/view/ViewOptions.h"
#include "platform/rtl/Collection.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TcxGridBand;
class TcxGridBandRows;
class TcxGridBands;
class TcxGridBandedColumn;
class TcxGridBandedTableView;
class TcxStyle;

enum TcxGridBandFixedKind { fkNone, fkLeft, fkRight };

using TcxGridBandGetStoredPropertiesEvent = std::function<void(TcxGridBand* sender, TStrings* properties)>;
using TcxGridBandGetStoredPropertyValueEvent =
    std::function<void(TcxGridBand* sender, const std::string& name, Variant& value)>;
using TcxGridBandSetStoredPropertyValueEvent =
    std::function<void(TcxGridBand* sender, const std::string& name, const Variant& value)>;
using TcxGridBandGetHeaderStyle =
    std::function<void(TcxGridBandedTableView* sender, TcxGridBand* band, TcxStyle*& style)>;

class TcxGridBandCustomOptions : public TPersistent {
    ZORVY_CLASS(TcxGridBandCustomOptions, TPersistent)
  public:
    using TCreateOwner = TcxGridBand;
    explicit TcxGridBandCustomOptions(TcxGridBand* band) : band_(band) {}
    TcxGridBand* GetBand() const { return band_; }

  protected:
    void Changed(TcxGridViewChangeKind kind);

  private:
    TcxGridBand* band_;
};

class TcxGridBandOptions : public TcxGridBandCustomOptions {
    ZORVY_CLASS(TcxGridBandOptions, TcxGridBandCustomOptions)
  public:
    using TcxGridBandCustomOptions::TcxGridBandCustomOptions;
    void Assign(TPersistent* source) override;
    bool GetHoldOwnColumnsOnly() const { return holdOwnColumnsOnly_; }
    void SetHoldOwnColumnsOnly(bool value) { Store(holdOwnColumnsOnly_, value); }
    bool GetMoving() const { return moving_; }
    void SetMoving(bool value) { Store(moving_, value); }
    bool GetSizing() const { return sizing_; }
    void SetSizing(bool value) { Store(sizing_, value); }

  private:
    void Store(bool& field, bool value);
    bool holdOwnColumnsOnly_ = false;
    bool moving_ = true;
    bool sizing_ = true;
};

// Where a band sits: its parent band (BandIndex, -1 for a root band) and its place among its
// siblings (ColIndex). The stored values hold what loading, restoring or assigning asked for until
// the view applies them.
class TcxGridBandPosition : public TcxGridBandCustomOptions {
    ZORVY_CLASS(TcxGridBandPosition, TcxGridBandCustomOptions)
  public:
    using TcxGridBandCustomOptions::TcxGridBandCustomOptions;
    void Assign(TPersistent* source) override;
    int GetBandIndex() const;
    void SetBandIndex(int value);
    int GetColIndex() const;
    void SetColIndex(int value);
    int GetStoredBandIndex() const { return storedBandIndex_; }
    void SetStoredBandIndex(int value) { storedBandIndex_ = value; }
    int GetStoredColIndex() const { return storedColIndex_; }
    void SetStoredColIndex(int value) { storedColIndex_ = value; }
    // The current indexes become the stored ones.
    void SaveParams();

  private:
    bool OnlyStores() const;
    int storedBandIndex_ = -1;
    int storedColIndex_ = -1;
};

enum TcxGridBandStyleIndex { bsBackground = 0, bsContent = 1, bsHeader = 2 };

class TcxGridBandStyles : public TcxCustomGridStyles {
    ZORVY_CLASS(TcxGridBandStyles, TcxCustomGridStyles)
  public:
    using TCreateOwner = TcxGridBand;
    explicit TcxGridBandStyles(TcxGridBand* band);
    void Assign(TPersistent* source) override;
    TcxCustomGridView* GetGridView() const override;
    TcxGridBand* GetBand() const { return band_; }
    // OnGetHeaderStyle's style first, the Header slot next.
    void GetHeaderParams(TcxPartParams& params);
    TcxStyle* GetBackground() const;
    void SetBackground(TcxStyle* value) { SetStyle(bsBackground, value); }
    TcxStyle* GetContent() const;
    void SetContent(TcxStyle* value) { SetStyle(bsContent, value); }
    TcxStyle* GetHeader() const;
    void SetHeader(TcxStyle* value) { SetStyle(bsHeader, value); }
    TcxGridBandGetHeaderStyle OnGetHeaderStyle;

  protected:
    void GetDefaultViewParams(int index, void* data, TcxPartParams& params) override;

  private:
    TcxGridBand* band_;
};

// One row of a bottom band: its columns left to right and those of them that are visible.
class TcxGridBandRow {
  public:
    explicit TcxGridBandRow(TcxGridBandRows* owner) : owner_(owner) {}
    TcxGridBandRows* GetOwner() const { return owner_; }
    int GetCount() const { return static_cast<int>(columns_.size()); }
    TcxGridBandedColumn* GetItem(int index) const { return columns_.at(static_cast<size_t>(index)); }
    int IndexOf(const TcxGridBandedColumn* column) const;
    int GetVisibleCount() const { return static_cast<int>(visibleColumns_.size()); }
    TcxGridBandedColumn* GetVisibleItem(int index) const { return visibleColumns_.at(static_cast<size_t>(index)); }
    int GetIndex() const;
    int GetVisibleIndex() const;
    bool IsVisible() const { return columns_.empty() || !visibleColumns_.empty(); }
    bool IsFirst() const { return GetVisibleIndex() == 0; }
    bool IsLast() const;
    // The largest LineCount of its visible columns, at least 1.
    int GetLineCount() const;
    // The line counts of the visible rows above it.
    int GetLineOffset() const;
    // The sum of the Widths of its visible columns.
    int GetWidth() const;
    void RefreshVisibleItems();

  private:
    friend class TcxGridBandRows;
    friend class TcxGridBand;
    TcxGridBandRows* owner_;
    std::vector<TcxGridBandedColumn*> columns_;
    std::vector<TcxGridBandedColumn*> visibleColumns_;
};

class TcxGridBandRows {
  public:
    explicit TcxGridBandRows(TcxGridBand* band) : band_(band) {}
    TcxGridBand* GetBand() const { return band_; }
    int GetCount() const { return static_cast<int>(rows_.size()); }
    TcxGridBandRow* GetItem(int index) const { return rows_.at(static_cast<size_t>(index)).get(); }
    int IndexOf(const TcxGridBandRow* row) const;
    int GetVisibleCount() const { return static_cast<int>(visibleRows_.size()); }
    TcxGridBandRow* GetVisibleItem(int index) const { return visibleRows_.at(static_cast<size_t>(index)); }
    int VisibleIndexOf(const TcxGridBandRow* row) const;
    // The sum of the line counts of the visible rows.
    int GetLineCount() const;
    // Moves the column to row `rowIndex` at `colIndex` (-1: none, or the row's end); a row left
    // empty is freed, a row index at the count appends a row.
    void MoveColumn(TcxGridBandedColumn* column, int rowIndex, int colIndex);
    // A new empty row at the index (clamped to 0 .. count).
    TcxGridBandRow* Insert(int index);
    void RefreshVisibleItems();

  private:
    void RemoveColumnFromRow(TcxGridBandedColumn* column, TcxGridBandRow* row);
    TcxGridBand* band_;
    std::vector<std::unique_ptr<TcxGridBandRow>> rows_;
    std::vector<TcxGridBandRow*> visibleRows_;
};

class TcxGridBand : public TCollectionItem, public IcxGridStoredObject {
    ZORVY_CLASS(TcxGridBand, TCollectionItem)
  public:
    using TCreateOwner = TCollection;
    explicit TcxGridBand(TCollection* collection);
    ~TcxGridBand() override;
    void Assign(TPersistent* source) override;
    std::string GetDisplayName() const override;
    void SetIndex(int index) override;

    TcxGridBands* GetBands() const;
    TcxGridBandedTableView* GetGridView() const;
    // The band's own identity in stored layouts (not the collection's item ID).
    int GetID() const { return id_; }

    // ---- published ----
    const std::string& GetCaption() const { return caption_; }
    void SetCaption(const std::string& value);
    TcxGridBandFixedKind GetFixedKind() const { return fixedKind_; }
    void SetFixedKind(TcxGridBandFixedKind value);
    TAlignment GetHeaderAlignmentHorz() const { return headerAlignmentHorz_; }
    void SetHeaderAlignmentHorz(TAlignment value);
    TcxAlignmentVert GetHeaderAlignmentVert() const { return headerAlignmentVert_; }
    void SetHeaderAlignmentVert(TcxAlignmentVert value);
    TcxGridBandOptions* GetOptions() const { return options_.get(); }
    TcxGridBandPosition* GetPosition() const { return position_.get(); }
    TcxGridBandStyles* GetStyles() const { return styles_.get(); }
    int GetTag() const { return tag_; }
    void SetTag(int value);
    bool GetVisible() const { return visible_; }
    void SetVisible(bool value);
    bool GetVisibleForCustomization() const { return visibleForCustomization_; }
    void SetVisibleForCustomization(bool value);
    int GetWidth() const { return width_; }
    void SetWidth(int value); // negative widths are 0
    // Old form resources' "Hidden" flag: the negation of VisibleForCustomization.
    void ReadHidden(bool value) { SetVisibleForCustomization(!value); }

    // ---- structure ----
    TcxGridBand* GetParentBand() const { return parentBand_; }
    int GetChildBandCount() const { return static_cast<int>(childBands_.size()); }
    TcxGridBand* GetChildBand(int index) const { return childBands_.at(static_cast<size_t>(index)); }
    int GetVisibleChildBandCount() const { return static_cast<int>(visibleChildBands_.size()); }
    TcxGridBand* GetVisibleChildBand(int index) const { return visibleChildBands_.at(static_cast<size_t>(index)); }
    int GetColumnCount() const { return static_cast<int>(columns_.size()); }
    TcxGridBandedColumn* GetColumn(int index) const { return columns_.at(static_cast<size_t>(index)); }
    TcxGridBandRows* GetRows() const { return rows_.get(); }
    void AddColumn(TcxGridBandedColumn* column);
    void RemoveColumn(TcxGridBandedColumn* column);
    void MoveColumn(TcxGridBandedColumn* column, int rowIndex, int colIndex);
    void AddChildBand(TcxGridBand* band);
    void RemoveChildBand(TcxGridBand* band);
    void MoveChildBand(TcxGridBand* band, int index);
    void MoveRootBand(int rootIndex);

    // ---- queries ----
    bool IsRoot() const { return parentBand_ == nullptr; }
    bool IsBottom() const { return childBands_.empty(); }
    bool IsVisibleBottom() const { return visibleChildBands_.empty(); }
    bool IsEmpty() const;
    int GetLevel() const;
    TcxGridBand* GetRootParentBand() const;
    TcxGridBand* GetSizedParentBand() const;
    TcxGridBand* GetFirstVisibleBottomBand() const;
    int GetVisibleIndex() const;
    int GetVisibleBottomIndex() const;
    int GetVisibleRootIndex() const;
    int GetRootIndex() const;
    bool IsLastVisibleSibling() const;
    bool IsRightmostInHierarchy() const;
    int GetMinWidth() const;
    int GetContentCount() const { return IsBottom() ? GetColumnCount() : GetChildBandCount(); }
    TObject* GetContentItem(int index) const;
    bool IsParentOf(const TcxGridBand* band) const; // any depth
    bool IsDestroying() const { return destroying_; }
    bool IsReapplying() const { return reapplying_; }
    void SetReapplying(bool value) { reapplying_ = value; }

    // ---- rules ----
    virtual bool CanHide() const;
    virtual bool CanMove() const;
    virtual bool CanSize() const;
    virtual bool IsActuallyVisible() const;
    virtual bool IsSizingDisabled() const { return !options_->GetSizing(); }
    virtual void Changed(TcxGridViewChangeKind kind);
    void DoHeaderClick();

    // ---- stored layout ----
    std::string GetStoredObjectName() const override;
    bool GetStoredProperties(TStrings* properties) override;
    void GetStoredPropertyValue(const std::string& name, Variant& value) override;
    void SetStoredPropertyValue(const std::string& name, const Variant& value) override;

    TNotifyEvent OnHeaderClick;
    TcxGridBandGetStoredPropertiesEvent OnGetStoredProperties;
    TcxGridBandGetStoredPropertyValueEvent OnGetStoredPropertyValue;
    TcxGridBandSetStoredPropertyValueEvent OnSetStoredPropertyValue;

  protected:
    virtual const TMetaClass* GetOptionsClass() const { return TcxGridBandOptions::StaticClass(); }
    virtual const TMetaClass* GetStylesClass() const { return TcxGridBandStyles::StaticClass(); }

  private:
    friend class TcxGridBands;
    friend class TcxGridBandPosition;
    void RefreshVisibleChildBands();
    // The actual visibility of the band, its descendants and their columns before a change, and
    // the view told of each column whose actual visibility changed after it.
    void SaveColumnsVisibility();
    void CheckColumnsVisibility();
    void ForEachColumnInSubtree(const std::function<void(TcxGridBandedColumn*)>& proc) const;
    void MoveChildBandsToParent();
    void SetParentBandIndex(int value);

    std::string caption_;
    std::vector<TcxGridBand*> childBands_;
    std::vector<TcxGridBandedColumn*> columns_;
    TcxGridBandFixedKind fixedKind_ = fkNone;
    TAlignment headerAlignmentHorz_ = taCenter;
    TcxAlignmentVert headerAlignmentVert_ = vaCenter;
    int id_ = -1;
    bool reapplying_ = false;
    bool destroying_ = false;
    std::unique_ptr<TcxGridBandOptions> options_;
    TcxGridBand* parentBand_ = nullptr;
    std::unique_ptr<TcxGridBandPosition> position_;
    std::unique_ptr<TcxGridBandRows> rows_;
    std::unique_ptr<TcxGridBandStyles> styles_;
    int tag_ = 0;
    bool visible_ = true;
    std::vector<TcxGridBand*> visibleChildBands_;
    bool visibleForCustomization_ = true;
    int width_ = 0;
};

class TcxGridBands : public TOwnedCollection, public IcxGridStoredObject, public IcxGridStoredParent {
    ZORVY_CLASS(TcxGridBands, TOwnedCollection)
  public:
    using TCreateOwner = TcxGridBandedTableView;
    explicit TcxGridBands(TcxGridBandedTableView* gridView);
    ~TcxGridBands() override;
    // Only from another band collection: bands matched by ID, surplus ones deleted, positions
    // re-applied, the ID counter copied.
    void Assign(TPersistent* source) override;

    TcxGridBandedTableView* GetGridView() const { return gridView_; }
    TcxGridBand* GetItem(int index) const { return static_cast<TcxGridBand*>(TCollection::GetItem(index)); }
    TcxGridBand* Add() { return static_cast<TcxGridBand*>(TCollection::Add()); }
    TcxGridBand* FindItemByID(int id) const;
    int GetNextID() const { return nextID_; }

    // ---- derived lists ----
    int GetBottomItemCount() const { return static_cast<int>(bottomItems_.size()); }
    TcxGridBand* GetBottomItem(int index) const { return bottomItems_.at(static_cast<size_t>(index)); }
    int GetRootItemCount() const { return static_cast<int>(rootItems_.size()); }
    TcxGridBand* GetRootItem(int index) const { return rootItems_.at(static_cast<size_t>(index)); }
    int GetVisibleCount() const { return static_cast<int>(visibleItems_.size()); }
    TcxGridBand* GetVisibleItem(int index) const { return visibleItems_.at(static_cast<size_t>(index)); }
    int GetVisibleLeftFixedCount() const { return visibleLeftFixedCount_; }
    int GetVisibleRightFixedCount() const { return visibleRightFixedCount_; }
    int GetVisibleRootItemCount() const { return static_cast<int>(visibleRootItems_.size()); }
    TcxGridBand* GetVisibleRootItem(int index) const { return visibleRootItems_.at(static_cast<size_t>(index)); }
    int GetVisibleRootLeftFixedCount() const { return visibleRootLeftFixedCount_; }
    int GetVisibleRootRightFixedCount() const { return visibleRootRightFixedCount_; }
    int GetVisibleBottomItemCount() const { return static_cast<int>(visibleBottomItems_.size()); }
    TcxGridBand* GetVisibleBottomItem(int index) const { return visibleBottomItems_.at(static_cast<size_t>(index)); }
    int IndexOfVisible(const TcxGridBand* band) const;
    int IndexOfVisibleRoot(const TcxGridBand* band) const;
    int IndexOfVisibleBottom(const TcxGridBand* band) const;
    int IndexOfRoot(const TcxGridBand* band) const;

    bool HasNestedBands() const { return GetCount() > GetBottomItemCount(); }
    // The largest line count of the visible rows of any visible bottom band.
    int GetLineCount() const;
    // The largest number of visible rows of any visible bottom band.
    int GetVisibleRowCount() const;
    TcxGridBand* GetFirstVisibleBottomBandWithRow() const;
    TcxGridBand* GetLastVisibleBottomBandWithRow() const;
    bool HasFixedKind(TcxGridBandFixedKind kind) const;
    // First and last index of a fixed kind's group in the visible list and in the visible roots.
    int GetFirstVisibleIndex(TcxGridBandFixedKind kind) const;
    int GetLastVisibleIndex(TcxGridBandFixedKind kind) const;
    int GetFirstVisibleRootIndex(TcxGridBandFixedKind kind) const;
    int GetLastVisibleRootIndex(TcxGridBandFixedKind kind) const;

    void AddBand(TcxGridBand* band);
    void RemoveBand(TcxGridBand* band);
    void RefreshVisibleItems();
    void RefreshRootItems();
    void RefreshBottomItems();
    void RefreshVisibleBottomItems();

    // ---- stored layout: "Bands" with one child per band ----
    std::string GetStoredObjectName() const override { return "Bands"; }
    bool GetStoredProperties(TStrings*) override { return false; }
    void GetStoredPropertyValue(const std::string&, Variant&) override {}
    void SetStoredPropertyValue(const std::string&, const Variant&) override {}
    TObject* CreateChild(const std::string& objectName, const std::string& className) override;
    void DeleteChild(const std::string& objectName, TObject* object) override;
    void ListChildren(TStringList* children) override;

  private:
    bool IsLive(const TcxGridBand* band) const { return !band->IsDestroying(); }
    TcxGridBandedTableView* gridView_;
    int nextID_ = 0;
    std::vector<TcxGridBand*> bottomItems_;
    std::vector<TcxGridBand*> rootItems_;
    std::vector<TcxGridBand*> visibleItems_;
    int visibleLeftFixedCount_ = 0;
    int visibleRightFixedCount_ = 0;
    std::vector<TcxGridBand*> visibleRootItems_;
    int visibleRootLeftFixedCount_ = 0;
    int visibleRootRightFixedCount_ = 0;
    std::vector<TcxGridBand*> visibleBottomItems_;
};

} // namespace zorvy
