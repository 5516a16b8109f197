#pragma once
// The data of a tab control: its tabs (TcxTab) in a string list whose strings are the captions
// (TcxTabs), the sorted list of visible tabs through which layout and painting address tabs
// (TcxVisibleTabList), and the slant settings of slanted styles (TcxTabSlants). A tab reports each change
// to the control, which repaints it through the painter or lays out again.
//
// Two numberings: a tab's Index (its place in TcxTabs) and its VisibleIndex (its place among the visible
// tabs, -1 when hidden).
#include "controls/pages/PCTypes.h"
#include "platform/classlib/Bitmap.h"
#include "platform/rtl/StringList.h"

#include <memory>
#include <vector>

namespace zorvy {

class TcxCustomTabControl;
class TcxTabs;

class TcxTab : public TPersistent {
    ZORVY_CLASS(TcxTab, TPersistent)
  public:
    TcxTab(TcxTabs* tabs, int index);
    ~TcxTab() override;

    // Properties
    const std::string& GetCaption() const { return caption_; }
    void SetCaption(const std::string& value);
    TColor GetColor() const { return color_; }
    void SetColor(TColor value);
    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool GetHighlighted() const { return highlighted_; }
    void SetHighlighted(bool value);
    int GetImageIndex() const { return imageIndex_; }
    // A negative value stores -1.
    void SetImageIndex(int value);
    // Stored in a form only when it differs from Index.
    bool IsImageIndexStored() const { return imageIndex_ != index_; }
    bool GetSelected() const { return selected_; }
    void SetSelected(bool value);
    bool GetVisible() const { return visible_; }
    void SetVisible(bool value);
    TObject* GetEntryObject() const { return entryObject_; }
    void SetEntryObject(TObject* value) { entryObject_ = value; }

    // Place
    int GetIndex() const { return index_; }
    int GetVisibleIndex() const;
    TcxTabs* GetTabs() const { return tabs_; }
    TcxCustomTabControl* GetControl() const;
    int Row = 0;        // row given by the multi-line split
    int DisplayRow = 0; // the row's place from the top (left) edge after reordering
    TPoint NormalPosition{};
    int NormalWidth = 0;
    TcxPCTabCorrection Correction;

    // State seen from the control
    bool IsEnabledNow() const;
    bool IsMainTab() const;
    bool IsHot() const;
    bool IsPressed() const;
    bool IsTracking() const;

    // Geometry
    int GetLongitudinalSize() const;
    void GetNormalRect(TRect& r) const;
    void GetFullRect(TRect& r) const;
    // Empty when the tab is hidden or scrolled out; else the full rectangle within its tab area.
    void GetVisibleRect(TRect& r) const;
    bool IsShown() const;
    TcxTabPosition GetRowSide() const;
    int GetPaintingPosition() const;

    // Bitmaps
    TBitmap* GetCaptionBitmap() const { return captionBitmap_.get(); }
    void SetCaptionBitmap(std::unique_ptr<TBitmap> bitmap) { captionBitmap_ = std::move(bitmap); }
    TBitmap* GetOffscreenBitmap() const { return offscreenBitmap_.get(); }
    void FreeOffscreenBitmap() { offscreenBitmap_.reset(); }
    void FreeCaptionBitmap() { captionBitmap_.reset(); }
    void PrepareOffscreenBitmap();

    void Changed(TcxPCTabPropertyChanged kind);
    void ImageChanged();
    void AssignTo(TPersistent* dest) override;

  private:
    friend class TcxTabs;
    std::string caption_;
    TColor color_ = clDefault;
    bool enabled_ = true;
    bool highlighted_ = false;
    int imageIndex_;
    int index_;
    TObject* entryObject_ = nullptr;
    std::unique_ptr<TBitmap> offscreenBitmap_;
    bool selected_ = false;
    TcxTabs* tabs_;
    std::unique_ptr<TBitmap> captionBitmap_;
    bool visible_ = true;
};

class TcxTabs : public TStrings {
    ZORVY_CLASS(TcxTabs, TStrings)
  public:
    explicit TcxTabs(TcxCustomTabControl* control) : control_(control) {}
    ~TcxTabs() override;

    // TStrings
    int GetCount() const override { return static_cast<int>(items_.size()); }
    std::string Get(int index) const override;
    void Put(int index, const std::string& text) override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    void Clear() override;
    void Delete(int index) override;
    void Insert(int index, const std::string& text) override;
    void Move(int curIndex, int newIndex) override;

    TcxCustomTabControl* GetControl() const { return control_; }
    TcxTab* GetTab(int index) const;
    TcxTab* GetVisibleTab(int visibleIndex) const;
    int VisibleCount() const;
    int CommonTabHeight = 0;

    void TabChanged(int visibleIndex, TcxPCTabPropertyChanged kind);
    void SetHotTab(int visibleIndex);
    void SetTrackingTab(int visibleIndex);
    void UpdateMainTab();
    void FreeCaptionBitmaps();
    void RefreshImageTabs();
    void Reindex(int first, int last);

  protected:
    // A tab that is being destroyed takes itself out without being freed again.
    virtual void RemoveTabOnDestroy(int index, bool freeing);
    [[noreturn]] virtual void RaiseIndexError(const char* routineName, int index) const;

  private:
    friend class TcxTab;
    bool removingSelf_ = false;
    TcxCustomTabControl* control_;
    std::vector<TcxTab*> items_; // owned
    bool deleting_ = false;
    bool destroying_ = false;
};

class TcxVisibleTabList {
  public:
    explicit TcxVisibleTabList(TcxCustomTabControl* control) : control_(control) {}
    int Count() const { return static_cast<int>(indexes_.size()); }
    TcxTab* GetTab(int visibleIndex) const;
    // Bisection: the position of tabIndex, or where it would be inserted.
    bool Find(int tabIndex, int& position) const;
    int IndexOf(int tabIndex) const;
    void Add(int tabIndex);
    void Remove(int tabIndex);
    void Rebuild();
    int TabIndexAt(int visibleIndex) const { return indexes_[static_cast<size_t>(visibleIndex)]; }

  private:
    TcxCustomTabControl* control_;
    std::vector<int> indexes_;
};

enum TcxTabSlantKind { skCutCorner, skSlant };
enum TcxTabSlantPosition : std::uint8_t { spLeft, spRight };
// A set of TcxTabSlantPosition: bit n is position n.
using TcxTabSlantPositions = std::uint8_t;

class TcxTabSlants : public TPersistent {
    ZORVY_CLASS(TcxTabSlants, TPersistent)
  public:
    explicit TcxTabSlants(TPersistent* owner) : owner_(owner) {}
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() const override { return owner_; }
    TcxTabSlantKind GetKind() const { return kind_; }
    void SetKind(TcxTabSlantKind value);
    TcxTabSlantPositions GetPositions() const { return positions_; }
    void SetPositions(TcxTabSlantPositions value);
    TNotifyEvent OnChange;

  private:
    void Changed() {
        if (OnChange) OnChange(this);
    }
    TcxTabSlantKind kind_ = skSlant;
    TPersistent* owner_;
    TcxTabSlantPositions positions_ = 1u << spLeft;
};

} // namespace zorvy
