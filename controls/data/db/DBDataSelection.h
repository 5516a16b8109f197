#pragma once
// The selection of a dataset-bound controller in grid mode: the selected records' dataset bookmarks,
// kept in dataset order so that whether a buffer row is selected is a binary search.
#include <string>
#include <vector>

namespace zorvy {

class TcxDBDataController;

class TcxDBDataSelection {
  public:
    explicit TcxDBDataSelection(TcxDBDataController* dataController) : dataController_(dataController) {}

    int GetCount() const { return static_cast<int>(bookmarks_.size()); }
    const std::string& GetBookmark(int index) const; // list-index error outside the bookmarks
    // The bookmark's index, or where it belongs in dataset order.
    bool Find(const std::string& bookmark, int& index) const;
    bool Contains(const std::string& bookmark) const;
    void Insert(int index, const std::string& bookmark);
    // Also forgets the anchor when it is that bookmark.
    void Delete(int index);
    void Clear() { bookmarks_.clear(); }
    // Drops bookmarks that are empty or no longer name a record.
    void RemoveInvalid();

    const std::string& GetAnchor() const { return anchor_; }
    void SetAnchor(const std::string& bookmark) { anchor_ = bookmark; }
    void ClearAnchor() { anchor_.clear(); }

  private:
    TcxDBDataController* dataController_;
    std::vector<std::string> bookmarks_;
    std::string anchor_;
};

} // namespace zorvy
