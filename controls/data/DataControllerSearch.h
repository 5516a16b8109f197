#pragma once
// Finding records by content: the incremental search of a grid column, and the locate objects
// that find a record again by its key values or by its grouping values.
#include <string>
#include <vector>

namespace zorvy {

class TcxCustomDataController;
class TcxCustomDataField;
class TcxValueDefReader;

// The incremental search: typing into a column focuses the next row whose text in that column
// starts with the typed text.
class TcxDataControllerSearch {
  public:
    explicit TcxDataControllerSearch(TcxCustomDataController* dataController)
        : dataController_(dataController) {}
    virtual ~TcxDataControllerSearch() = default;

    // Searches from the focused record on, wrapping to the first; false when nothing starts with
    // `text` (the focus stays).
    virtual bool Locate(int itemIndex, const std::string& text);
    // The next (or previous) match of the running search, without wrapping.
    virtual bool LocateNext(bool forward);
    virtual void Lock() { ++lockCount_; }
    virtual void Unlock() { --lockCount_; }
    // Ends a running search (not while the search itself moves the focus).
    void Cancel();
    // Cancel without the notice: answers whether a search ended.
    bool Reset();
    int GetItemIndex() const;
    bool GetSearching() const { return searching_; }
    const std::string& GetSearchText() const { return searchText_; }
    void SetItemIndex(int itemIndex); // "ItemIndex out of range"
    // The search item's field goes away: the search ends.
    void DropField(TcxCustomDataField* field);

  protected:
    virtual void FocusFilteredIndex(int index);
    // The first filtered position from start to end (-1: the last, or 0 backward) whose text
    // starts with `text`; -1 when none.
    virtual int DoSearch(int startIndex, int endIndex, bool forward, const std::string& text);
    TcxCustomDataController* GetDataController() const { return dataController_; }

  private:
    TcxCustomDataController* dataController_;
    TcxCustomDataField* field_ = nullptr;
    int lockCount_ = 0;
    bool searching_ = false;
    std::string searchText_;
};

// Finds a record by the values of a probe record that a reader fills.
class TcxDataControllerLocateObject {
  public:
    explicit TcxDataControllerLocateObject(TcxCustomDataController* dataController)
        : dataController_(dataController) {}
    virtual ~TcxDataControllerLocateObject();
    TcxDataControllerLocateObject(const TcxDataControllerLocateObject&) = delete;
    TcxDataControllerLocateObject& operator=(const TcxDataControllerLocateObject&) = delete;

    // Frees the probe record.
    virtual void Clear();
    virtual int FindRecordIndex() = 0;
    // Fills the probe record (created on first use) from the reader.
    void ReadData(TcxValueDefReader& reader);
    int GetRecordIndex() const { return recordIndex_; }

  protected:
    TcxCustomDataController* GetDataController() const { return dataController_; }

  private:
    TcxCustomDataController* dataController_;
    int recordIndex_ = 0; // 0: none; else a negative internal record
};

// The first storage record whose key fields equal the probe's.
class TcxDataControllerKeyLocateObject : public TcxDataControllerLocateObject {
  public:
    using TcxDataControllerLocateObject::TcxDataControllerLocateObject;
    int FindRecordIndex() override;
    std::vector<TcxCustomDataField*> KeyFields;
};

// A record of the group whose grouping values, down to a level, equal the probe's.
class TcxDataControllerGroupLocateObject : public TcxDataControllerLocateObject {
  public:
    explicit TcxDataControllerGroupLocateObject(TcxCustomDataController* dataController);
    int FindRecordIndex() override;
    int GetLevel() const { return level_; }
    void SetLevel(int level);

  private:
    void UpdateFindFields();

    std::vector<TcxCustomDataField*> groupingFields_;
    int level_ = 0;
    bool findGroupRecordEnabled_ = true;
    std::vector<TcxCustomDataField*> findFields_;
};

} // namespace zorvy
