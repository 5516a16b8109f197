#pragma once
// Filter criteria: a tree of condition groups and conditions, evaluated for one record, with
// lockable change notification; their display and expression texts, their versioned stream and
// their copying (FilterCriteriaText.cpp, FilterCriteriaStream.cpp).
//
// The link between a condition and the data it tests is left to a concrete criteria: it supplies
// the conditions' class (record value, field caption and name) and the persistent ID and name of
// an item link.
#include "controls/data/FilterCells.h"
#include "controls/data/FilterOperators.h"
#include "platform/rtl/Components.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zorvy {

class TFiler;
class TStream;
class TcxFilterCriteria;
class TcxFilterCriteriaItemList;
struct TcxFilterStreamNode;

enum TcxFilterGroupOperator : uint8_t { goAnd, goOr, goNotAnd, goNotOr };

enum TcxFilterCriteriaOption : uint8_t {
    fcoCaseInsensitive,         // texts are upper-cased before they are compared
    fcoShowOperatorDescription, // display texts use the operators' words
    fcoSoftNull,                // an empty text counts as blank
    fcoSoftCompare,             // a variant error makes the condition false instead of failing
    fcoIgnoreNull,              // a blank value satisfies only a blank test
};
using TcxFilterCriteriaOptions = uint8_t; // bit i = option i
constexpr TcxFilterCriteriaOptions FilterOption(TcxFilterCriteriaOption option) {
    return static_cast<TcxFilterCriteriaOptions>(1u << option);
}

// Conditions nested deeper than this raise instead of exhausting the stack when read.
inline constexpr int MaxFilterStreamDepth = 64;

class TcxCustomFilterCriteriaItem {
  public:
    TcxCustomFilterCriteriaItem(TcxFilterCriteriaItemList* parent, bool isItemList)
        : parent_(parent), isItemList_(isItemList) {}
    // Takes the node out of its group, which reports a change.
    virtual ~TcxCustomFilterCriteriaItem();
    TcxCustomFilterCriteriaItem(const TcxCustomFilterCriteriaItem&) = delete;
    TcxCustomFilterCriteriaItem& operator=(const TcxCustomFilterCriteriaItem&) = delete;

    virtual void Changed();
    virtual TcxFilterCriteria* GetCriteria() const;
    // A stored flag, not a virtual call: filtering asks it for every record and condition.
    bool IsItemList() const { return isItemList_; }
    virtual void WriteData(TStream& stream, int version) const = 0;
    TcxFilterCriteriaItemList* GetParent() const { return parent_; }

  private:
    friend class TcxFilterCriteriaItemList;
    TcxFilterCriteriaItemList* parent_;
    const bool isItemList_;
};

class TcxFilterCriteriaItem;

class TcxFilterCriteriaItemList : public TcxCustomFilterCriteriaItem {
  public:
    TcxFilterCriteriaItemList(TcxFilterCriteriaItemList* parent, TcxFilterGroupOperator boolOperator);
    ~TcxFilterCriteriaItemList() override; // frees the children

    TcxFilterCriteria* GetCriteria() const override;
    void WriteData(TStream& stream, int version) const override;

    TcxFilterCriteriaItem* AddItem(TObject* itemLink, TcxFilterOperatorCode code, const Variant& value,
                                   const std::string& displayValue);
    TcxFilterCriteriaItemList* AddItemList(TcxFilterGroupOperator boolOperator);
    int GetCount() const { return static_cast<int>(children_.size()); }
    TcxCustomFilterCriteriaItem* GetItem(int index) const; // nullptr outside 0 .. count-1
    TcxFilterGroupOperator GetBoolOperatorKind() const { return boolOperator_; }
    void SetBoolOperatorKind(TcxFilterGroupOperator value);
    // Takes a node out without freeing it; reports a change when it was there.
    virtual void RemoveItem(TcxCustomFilterCriteriaItem* item);
    void FreeChildren(); // last to first
    // Every child is evaluated; a group without children passes.
    bool DoFilterData(int recordIndex) const;

  private:
    bool Evaluate(int recordIndex, const TcxFilterCriteria& criteria) const;
    friend class TcxFilterCriteria;
    void Append(TcxCustomFilterCriteriaItem* item);

    TcxFilterGroupOperator boolOperator_;
    TcxFilterCriteria* criteria_ = nullptr; // the root's only
    std::vector<TcxCustomFilterCriteriaItem*> children_;
};

class TcxFilterCriteriaItem : public TcxCustomFilterCriteriaItem {
  public:
    // Call Init after construction (the operator is chosen through virtual calls).
    explicit TcxFilterCriteriaItem(TcxFilterCriteriaItemList* parent);
    ~TcxFilterCriteriaItem() override;
    void Init(TObject* itemLink, TcxFilterOperatorCode code, const Variant& value,
              const std::string& displayValue);

    void WriteData(TStream& stream, int version) const override;

    // What a concrete criteria's conditions supply.
    virtual void GetDataValue(int recordIndex, Variant& value) const = 0;
    virtual std::string GetFieldCaption() const = 0;
    virtual std::string GetFieldName() const = 0;

    virtual std::string GetDisplayValueText() const; // the display value, adjusted by the operator
    virtual std::string GetValueText(bool forDisplay) const;
    virtual TcxFilterOperatorClass GetOperatorClass() const;
    virtual TObject* GetItemLink() const { return itemLink_; }
    virtual void SetItemLink(TObject* link) { itemLink_ = link; }
    virtual void RecreateOperator();
    virtual bool IsNullValue(const Variant& value) const;

    const std::string& GetDisplayValue() const { return displayValue_; }
    void SetDisplayValue(const std::string& value);
    TcxFilterOperatorCode GetOperatorKind() const { return operatorKind_; }
    void SetOperatorKind(TcxFilterOperatorCode value);
    const Variant& GetValue() const { return value_; }
    void SetValue(const Variant& value);
    TcxFilterOperator* GetOperator() const { return operator_.get(); }
    // A blank test without a display value shows "blank".
    void FixBlankDisplayValue();
    bool Passes(int recordIndex) const {
        if (const int verdict = PassesByCell(recordIndex); verdict >= 0) return verdict != 0;
        return Passes(recordIndex, *GetCriteria());
    }
    bool Passes(int recordIndex, const TcxFilterCriteria& criteria) const;

  protected:
    // A verdict reached without the record's variant: 1 passes, 0 fails, -1 undecided (the
    // variant path decides). A concrete criteria's condition may hand in a comparison prepared
    // from its record cells; it stays its own and lives until it hands in another or nil.
    int PassesByCell(int recordIndex) const { return cell_ ? cell_->Verdict(recordIndex) : -1; }
    void SetCell(const TcxFilterCell* cell) { cell_ = cell; }

  private:
    std::string displayValue_;
    const TcxFilterCell* cell_ = nullptr;
    TObject* itemLink_ = nullptr;
    std::unique_ptr<TcxFilterOperator> operator_;
    TcxFilterOperatorCode operatorKind_ = ocEqual;
    Variant value_;
};

class TcxFilterCriteria : public TPersistent {
  public:
    TcxFilterCriteria();
    ~TcxFilterCriteria() override;

    // ---- the tree ----
    TcxFilterCriteriaItemList* GetRoot() const { return root_.get(); }
    TcxFilterCriteriaItem* AddItem(TcxFilterCriteriaItemList* group, TObject* itemLink,
                                   TcxFilterOperatorCode code, const Variant& value,
                                   const std::string& displayValue);
    TcxFilterCriteriaItem* FindItemForLink(TObject* itemLink) const;
    bool IsEmpty() const { return root_->GetCount() == 0; }
    void RemoveAllItems();
    void RemoveItemsByItemLink(TObject* itemLink);
    virtual void RestoreDefaults();

    // ---- change control ----
    void LockChanges();
    void UnlockChanges();
    void CancelLock();
    void NoteChange();
    TNotifyEvent OnChanged;

    // ---- evaluation ----
    bool RecordPasses(int recordIndex) const;
    virtual void PrepareValue(const Variant& value, Variant& prepared) const;
    // False when PrepareValue would copy the value unchanged, so evaluation can skip the copy.
    virtual bool ValueNeedsPreparation(const Variant& value) const;
    bool IsNullValue(const Variant& value) const;

    // ---- properties ----
    TcxFilterCriteriaOptions GetOptions() const { return options_; }
    void SetOptions(TcxFilterCriteriaOptions value);
    bool HasOption(TcxFilterCriteriaOption option) const { return (options_ & FilterOption(option)) != 0; }
    char GetPercentWildcard() const { return percentWildcard_; }
    void SetPercentWildcard(char value);
    char GetUnderscoreWildcard() const { return underscoreWildcard_; }
    void SetUnderscoreWildcard(char value);
    const std::string& GetDateTimeFormat() const { return dateTimeFormat_; }
    void SetDateTimeFormat(const std::string& value);
    int MaxValueListCount = 0; // 0 = unlimited
    bool SupportedLike = true;
    bool TranslateBetween = false;
    bool TranslateLike = false;
    bool TranslateIn = false;
    int GetVersion() const { return version_; }
    void SetVersion(int version) { version_ = version; }
    int GetLoadedVersion() const { return loadedVersion_; }
    int GetSavedVersion() const { return savedVersion_; }

    // ---- texts ----
    virtual void ValueToDisplayText(const Variant& value, std::string& text) const;
    virtual void ValueToFilterText(const Variant& value, std::string& text) const;
    virtual void FormatFilterTextValue(const TcxFilterCriteriaItem*, const Variant&, std::string&) const {}
    std::string GetFilterCaption() const { return BuildFilterText(true); }
    std::string GetFilterText() const { return BuildFilterText(false); }
    virtual std::string BuildFilterText(bool forDisplay) const;
    virtual std::string GetItemText(const TcxFilterCriteriaItem* item, bool forDisplay) const;
    virtual std::string GetItemFieldText(const TcxFilterCriteriaItem* item, bool forDisplay) const;
    virtual std::string GetItemOperatorText(const TcxFilterCriteriaItem* item, bool forDisplay) const;
    virtual std::string GetItemValueText(const TcxFilterCriteriaItem* item, bool forDisplay) const;

    // ---- item links by persistent ID and name ----
    virtual int GetIDByItemLink(TObject* itemLink) const = 0;
    virtual std::string GetNameByItemLink(TObject* itemLink) const = 0;
    virtual TObject* GetItemLinkByID(int id) const = 0;
    virtual TObject* GetItemLinkByName(const std::string& name) const = 0;

    // ---- streams and copying ----
    void SaveToStream(TStream& stream) { WriteToStream(stream, 0); }
    // Writes at the criteria's own version, or at `requestedVersion` when it is lower and not 0.
    virtual void WriteToStream(TStream& stream, int requestedVersion);
    // Replaces the conditions by those of the stream; a stream that does not read whole leaves
    // the criteria as they were and raises EReadError.
    virtual void ReadFromStream(TStream& stream);
    void Assign(TPersistent* source) override;
    virtual void AssignCriteria(TcxFilterCriteria* source);
    bool IsSameAs(TcxFilterCriteria* other);
    bool HasStoredConditions() const { return !IsEmpty() || root_->GetBoolOperatorKind() != goAnd; }
    void SaveToComponentStream(TStream& stream);
    void LoadFromComponentStream(TStream& stream);
    // What a component stream stores as the criteria's published properties (MaxValueListCount,
    // Options and the wildcards here); the criteria's own DefineProperties follow them.
    virtual void DefinePublishedProperties(TFiler* filer);

    // ---- what a concrete criteria supplies ----
    virtual TcxFilterCriteriaItem* CreateItem(TcxFilterCriteriaItemList* parent) = 0;

  protected:
    virtual void CheckChanges();
    virtual void PrepareOperators();
    virtual void DoChanged();
    virtual void CopyEventHandlers(TcxFilterCriteria* source) { OnChanged = source->OnChanged; }

  private:
    friend class TcxFilterCriteriaItemList;
    void ApplyStreamNode(TcxFilterCriteriaItemList* group, const TcxFilterStreamNode& node, int version);
    TObject* FindStreamedItemLink(const std::string& name, int id) const;

    bool changed_ = false;
    std::string dateTimeFormat_;
    int loadedVersion_ = 0;
    int lockCount_ = 0;
    TcxFilterCriteriaOptions options_ = 0;
    char percentWildcard_ = '%';
    std::unique_ptr<TcxFilterCriteriaItemList> root_;
    int savedVersion_ = 0;
    char underscoreWildcard_ = '_';
    int version_ = 2;
};

// -1 for version 2, -2 for version 3.
int FilterVersionToStreamId(int version);
int StreamIdToFilterVersion(int id);

} // namespace zorvy
